#pragma once
// Colours are 32-bit values laid out 0x00BBGGRR (red in the low byte). A high
// byte of 0xFF marks a reference to a system colour whose index is the low
// byte; ColorToRGB resolves it before any pixel work.

#include <cstdint>

namespace quendar {

using ColorRef = std::uint32_t;

constexpr ColorRef RGB(int red, int green, int blue) {
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// Returned by pixel reads outside the drawable area.
constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;

constexpr ColorRef SystemColorFlag = 0xFF000000;
constexpr bool IsSystemColor(ColorRef c) { return (c & 0xFF000000) == SystemColorFlag; }
constexpr ColorRef SystemColorRef(int index) { return SystemColorFlag | static_cast<ColorRef>(index & 0xFF); }

}  // namespace quendar
