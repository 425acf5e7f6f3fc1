#pragma once

// Controls are designed in twips, 1440 to the inch. At the usual 96 dots per inch a pixel is
// 15 twips: the natural size of a control, from which the windows scale and at which the
// command line's pictures are sized.
namespace velmora {

struct TwipSize {
    int width = 0;
    int height = 0;
};

inline constexpr int kTwipsPerNaturalPixel = 15;
inline constexpr double kNaturalPixelsPerTwip = 1.0 / kTwipsPerNaturalPixel;

} // namespace velmora
