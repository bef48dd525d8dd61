#pragma once
// The colour model of the skin engine and the painting state that all paint
// steps share on the UI thread.

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"

namespace quendar {

// Magenta. In image data it marks transparent pixels; held in a colour
// variable it means "no colour set".
constexpr ColorRef KeyColor = 0x00FF00FF;

// When not KeyColor, replaces the parent's background for transparent areas
// and corners. Reset to KeyColor at the end of every control's paint.
inline ColorRef SharedFillColor = KeyColor;
// The parent's background colour where no parent bitmap is available;
// KeyColor while none has been determined. Reset like SharedFillColor.
inline ColorRef SharedParentColor = KeyColor;

// Sets both shared colours back to "none" (end of a control's paint).
inline void ResetSharedPaintColors() {
    SharedFillColor = KeyColor;
    SharedParentColor = KeyColor;
}

// What a parent lends its children: its cache bitmap and where its client
// origin lies inside it. A child at (Left, Top) in its parent finds its own
// background at (OffsetX + Left, OffsetY + Top) in Bitmap. Bitmap is not owned.
struct ParentBackground {
    quendar::Bitmap* Bitmap = nullptr;
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    std::uint8_t Ready = 0;  // 1 when Bitmap holds the parent's painted background
};

}  // namespace quendar
