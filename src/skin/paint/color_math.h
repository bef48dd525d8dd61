#pragma once
// Arithmetic on single colour values. Real-valued results are rounded to the
// nearest integer, ties to even. System colour references are resolved to RGB
// before any arithmetic.

#include <cstdint>

#include "platform/color.h"

namespace quendar {

// 0 for negatives, 255 for 255 and above, else the value.
constexpr std::uint8_t ClampByte(int value) {
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// The one formula for alpha masks: the mask channel m is the destination's
// share (0 = the source s, 255 = practically the destination d).
constexpr std::uint8_t MaskedPixel(int d, int s, int m) {
    return ClampByte(((d - s) * m + s * 256) >> 8);
}

// Per channel Round(a - (a - b) * factor), limited to 0..255; high byte 0.
ColorRef BlendTwoColors(ColorRef a, ColorRef b, double factor);

// Per channel Round(factor * (a - b) + b), limited to 0..255. The high byte
// of a is kept (0 when a was a system colour reference).
ColorRef InterpolateColor(ColorRef a, ColorRef b, double factor);

// Moves every channel toward the grey average by amount percent (negative
// amounts move away from it); high byte 0.
ColorRef ShiftSaturation(ColorRef color, int amount);

// Turns the hue by degrees (either sign); greys come back unchanged; high
// byte 0.
ColorRef ShiftHue(int degrees, ColorRef color);

}  // namespace quendar
