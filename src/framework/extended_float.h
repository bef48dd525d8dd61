#pragma once
// The 80-bit extended floating-point value of the window definition stream:
// a 64-bit mantissa with an explicit integer bit (bytes 0..7), then the sign
// and a 15-bit exponent biased by 16383 (bytes 8..9), all little-endian.
//
// The value is kept as its ten bytes, so a value read from a stream is
// written back unchanged. Extended holds 11 more mantissa bits than double:
// the decimal 4.81 rounded to extended is not the double 4.81 widened, so a
// stored version number compares equal to FromDecimalText("4.81"), not to
// FromDouble(4.81).

#include <array>
#include <cstdint>
#include <string_view>

namespace quendar {

class ExtendedFloat {
public:
    using Bytes = std::array<std::uint8_t, 10>;

    ExtendedFloat() = default;  // +0
    explicit ExtendedFloat(const Bytes& bytes) : bytes_(bytes) {}

    // Exact: every double is an extended value.
    static ExtendedFloat FromDouble(double value);
    // The decimal text (grammar of StrToFloat) rounded to the nearest
    // extended value, ties to even. Raises EConvertError "'<text>' is not a
    // valid floating point value" for bad text or a value beyond the
    // extended range; values too small for it become zero.
    static ExtendedFloat FromDecimalText(std::string_view text);

    // Rounded to the nearest double, ties to even; beyond the double range it
    // becomes an infinity, below it zero or a subnormal.
    double ToDouble() const;

    const Bytes& RawBytes() const { return bytes_; }
    std::uint64_t Mantissa() const;
    // Biased exponent, 0..0x7FFF.
    int Exponent() const { return (bytes_[8] | (bytes_[9] << 8)) & 0x7FFF; }
    bool IsNegative() const { return (bytes_[9] & 0x80) != 0; }

    friend bool operator==(const ExtendedFloat&, const ExtendedFloat&) = default;

private:
    static ExtendedFloat FromParts(bool negative, int biasedExponent, std::uint64_t mantissa);

    Bytes bytes_{};
};

}  // namespace quendar
