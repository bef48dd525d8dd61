#pragma once
// Solid fills of 24-bit rows and rectangles, written as whole blocks of
// pixels so that a fill runs close to memset speed.

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"

namespace quendar {

// Writes `rgb` (not a system colour reference) into pixels [left, right) of
// one 24-bit row. Callers keep the range inside the row.
void FillRow24(std::uint8_t* row, int left, int right, ColorRef rgb);

// Fills `rect` (right and bottom exclusive, cut to the bitmap) of a 24-bit
// bitmap with `color`; a system colour reference is resolved first. Other
// depths are left untouched.
void FillRect24(Bitmap& bitmap, const Rect& rect, ColorRef color);

}  // namespace quendar
