#pragma once
// Turning real-valued channel results into bytes.

#include <cmath>
#include <cstdint>

namespace quendar {

// Nearest integer, ties to even, as std::nearbyint under the default
// rounding mode, but inline and vectorisable: adding 1.5 * 2^52 leaves no
// fraction bits, so the addition rounds exactly once and the subtraction is
// exact. Valid for |value| < 2^51; needs strict floating point (no fast-math).
inline double RoundHalfEven(double value) {
    constexpr double shifter = 6755399441055744.0;  // 1.5 * 2^52
    return (value + shifter) - shifter;
}

// Nearest integer, ties to even, limited to 0..255; NaN gives 0.
inline std::uint8_t RoundToByte(double value) {
    if (!(value > -0.5)) return 0;
    if (value >= 255) return 255;
    return static_cast<std::uint8_t>(RoundHalfEven(value));
}

}  // namespace quendar
