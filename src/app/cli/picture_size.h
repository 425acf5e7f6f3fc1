#pragma once

#include "drawing/design_size.h"

#include <string>

// The pixel sizes of the pictures velmora-cli renders, and the one limit they all obey.
namespace velmora::cli {

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The default size of a picture whose surface the windows show: twice its natural size, so
// that a file is as sharp as the window on a large screen.
constexpr PixelSize renderSize(TwipSize design) {
    return {2 * design.width / kTwipsPerNaturalPixel, 2 * design.height / kTwipsPerNaturalPixel};
}

// Every picture is at least this many pixels each way.
inline constexpr int kMinPictureSide = 8;
// The PNG written is at most this many pixels wide or high, and holds at most
// kMaxPngPixels pixels in all (a 4096x4096 square, 64 MB while it is drawn): larger than
// any page prints, and small enough to render in seconds on a modest machine.
inline constexpr int kMaxPngSide = 8192;
inline constexpr long long kMaxPngPixels = 4096LL * 4096LL;

// Pictures laid side by side in one PNG, `gap` pixels apart.
struct PictureRow {
    int count = 1;
    int gap = 0;
};

// The size of the PNG that holds `row` pictures of `each` size.
PixelSize pngSize(PixelSize each, PictureRow row);

// Reads --size ("640x480", the size of each picture); `fallback` when no size was given.
// Throws UsageError when the text is not a size, a picture would be smaller than
// kMinPictureSide, or the PNG holding `row` of them would be larger than the limit.
PixelSize parseSize(const std::string& text, PixelSize fallback, PictureRow row = {});

} // namespace velmora::cli
