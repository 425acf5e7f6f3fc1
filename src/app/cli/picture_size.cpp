#include "picture_size.h"

#include "cli_common.h"

#include <regex>

namespace velmora::cli {

PixelSize pngSize(PixelSize each, PictureRow row) {
    return {each.width * row.count + row.gap * (row.count - 1), each.height};
}

PixelSize parseSize(const std::string& text, PixelSize fallback, PictureRow row) {
    if (text.empty()) {
        return fallback;
    }
    std::smatch match;
    // Five digits at most keep the numbers far from overflowing an int below.
    static const std::regex pattern("([0-9]{1,5})x([0-9]{1,5})");
    if (!std::regex_match(text, match, pattern)) {
        throw UsageError("--size must look like 640x480, not \"" + text + "\"");
    }
    const PixelSize size{std::stoi(match[1]), std::stoi(match[2])};
    if (size.width < kMinPictureSide || size.height < kMinPictureSide) {
        throw UsageError("--size " + text + " is too small: a picture is at least 8x8 pixels");
    }
    const PixelSize png = pngSize(size, row);
    if (png.width > kMaxPngSide || png.height > kMaxPngSide ||
        static_cast<long long>(png.width) * png.height > kMaxPngPixels) {
        std::string what = "--size " + text + " is too large: ";
        if (row.count > 1) {
            what += "the " + std::to_string(row.count) + " pictures side by side make a PNG of " +
                    std::to_string(png.width) + "x" + std::to_string(png.height) + " pixels; ";
        }
        throw UsageError(what + "a PNG is at most 8192 pixels wide or high and 16777216 pixels "
                                "(4096x4096) in all");
    }
    return size;
}

} // namespace velmora::cli
