#pragma once

#include "picture_size.h"

#include "drawing/recording.h"

#include <string>
#include <vector>

namespace velmora::cli {

// Renders the recordings side by side (8 pixels apart when there are several), each at
// `size`, on `background`, and writes them as one PNG file with writeOutputFile. Throws
// UsageError when the picture cannot be drawn or written, or when this velmora-cli was
// built without the desktop libraries.
void writePng(const std::vector<Recording>& recordings, PixelSize size, Rgb background,
              const std::string& path);

// The gap writePng leaves between pictures, for sizing the PNG before drawing.
inline constexpr int kPictureGap = 8;

} // namespace velmora::cli
