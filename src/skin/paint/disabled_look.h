#pragma once
// The look of a disabled skinned control.

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/paint/paint_colors.h"

namespace quendar {

// How a disabled control is rendered; a set of flags.
enum class TsDisabledKind : std::uint8_t { dkGrayed = 1, dkBlended = 2 };

constexpr TsDisabledKind operator|(TsDisabledKind a, TsDisabledKind b) {
    return static_cast<TsDisabledKind>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr TsDisabledKind operator&(TsDisabledKind a, TsDisabledKind b) {
    return static_cast<TsDisabledKind>(static_cast<std::uint8_t>(a) & static_cast<std::uint8_t>(b));
}
constexpr bool Contains(TsDisabledKind set, TsDisabledKind flag) { return (set & flag) == flag; }

// Greys the control's bitmap (dkGrayed) and then lays it 40 % over the
// parent's background at `position` (dkBlended); without a ready background
// the bitmap is mixed half with SharedFillColor, or with `parentColor` when
// that is KeyColor. `parentColor` is the parent control's Color.
void RenderDisabled(Bitmap& bitmap, TsDisabledKind kind, ColorRef parentColor, Point position,
                    const ParentBackground& background);

}  // namespace quendar
