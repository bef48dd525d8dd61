#include "framework/graphics_color.h"

namespace quendar {

TColor ColorToRGB(TColor color) {
    auto reference = static_cast<ColorRef>(color);
    if (IsSystemColor(reference)) return static_cast<TColor>(GetSysColor(static_cast<int>(reference & 0xFF)));
    return color;
}

ColorRef ColorToColorRef(TColor color) { return static_cast<ColorRef>(ColorToRGB(color)) & 0x00FFFFFF; }

}  // namespace quendar
