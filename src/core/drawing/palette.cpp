#include "drawing/canvas.h"

#include <array>

namespace velmora {

Rgb paletteColor(int number) {
    static constexpr std::array<Rgb, 16> kPalette{{
        {0, 0, 0},       // 0 black
        {0, 0, 128},     // 1 navy
        {0, 128, 0},     // 2 green
        {0, 128, 128},   // 3 teal
        {128, 0, 0},     // 4 red
        {128, 0, 128},   // 5 purple
        {128, 128, 0},   // 6 olive
        {192, 192, 192}, // 7 silver
        {128, 128, 128}, // 8 grey
        {0, 0, 255},     // 9 blue
        {0, 255, 0},     // 10 lime
        {0, 255, 255},   // 11 cyan
        {255, 0, 0},     // 12 light red
        {255, 0, 255},   // 13 magenta
        {255, 255, 0},   // 14 yellow
        {255, 255, 255}, // 15 white
    }};
    if (number < 0 || number >= static_cast<int>(kPalette.size())) {
        return colors::Black;
    }
    return kPalette[static_cast<std::size_t>(number)];
}

} // namespace velmora
