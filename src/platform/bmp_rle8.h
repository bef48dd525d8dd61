#pragma once
// Decoding of 8-bit run-length encoded bitmap pixels.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/bitmap.h"
#include "platform/color.h"

namespace quendar {

// Decodes the pixel data of a bottom-up RLE8 bitmap into a 24-bit bitmap.
// Pixels the data skips (deltas, early end of line or of bitmap) take palette
// entry 0. Runs that pass the end of a row, deltas that leave the picture,
// indexes beyond the palette and data that ends before the picture does raise
// PlatformError "BMP: ...". Callers have checked width and height against the
// Bitmap limits and give a palette of at least one entry.
Bitmap DecodeRle8(std::span<const std::uint8_t> data, int width, int height,
                  const std::vector<ColorRef>& palette);

}  // namespace quendar
