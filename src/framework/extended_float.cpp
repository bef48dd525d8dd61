#include "framework/extended_float.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "framework/exception.h"

namespace quendar {

namespace {

constexpr int ExtendedBias = 16383;
constexpr int ExtendedMaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = std::uint64_t{1} << 63;

// Enough significant digits that the dropped ones can only matter as a
// "something follows" flag: 800 digits resolve far below one extended ulp.
constexpr std::size_t MaxSignificantDigits = 800;
// Decimal magnitudes beyond these are certainly outside the extended range
// (largest about 1.19e4932, smallest subnormal about 3.6e-4951).
constexpr long MaxDecimalMagnitude = 4934;
constexpr long MinDecimalMagnitude = -4952;

// Unsigned integer of any size, 32-bit limbs, least significant first, no
// leading zero limbs. Only the operations the decimal conversion needs.
class BigUnsigned {
public:
    explicit BigUnsigned(std::uint32_t value = 0) {
        if (value != 0) limbs_.push_back(value);
    }

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (auto& limb : limbs_) {
            std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void MultiplyByPowerOfTen(long exponent) {
        for (; exponent >= 9; exponent -= 9) MultiplyAdd(1000000000u, 0);
        static constexpr std::uint32_t smallPowers[] = {1,      10,      100,      1000,     10000,
                                                        100000, 1000000, 10000000, 100000000};
        if (exponent > 0) MultiplyAdd(smallPowers[exponent], 0);
    }

    void ShiftLeft(long bits) {
        if (limbs_.empty() || bits <= 0) return;
        auto wholeLimbs = static_cast<std::size_t>(bits / 32);
        int rest = static_cast<int>(bits % 32);
        if (rest != 0) {
            std::uint32_t carry = 0;
            for (auto& limb : limbs_) {
                std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry != 0) limbs_.push_back(carry);
        }
        limbs_.insert(limbs_.begin(), wholeLimbs, 0u);
    }

    long BitLength() const {
        if (limbs_.empty()) return 0;
        return static_cast<long>(limbs_.size() - 1) * 32 + (32 - std::countl_zero(limbs_.back()));
    }

    bool IsZero() const { return limbs_.empty(); }

    friend int Compare(const BigUnsigned& a, const BigUnsigned& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        }
        return 0;
    }

    // Callers keep *this >= other.
    void Subtract(const BigUnsigned& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t difference = std::int64_t{limbs_[i]} - borrow -
                                      (i < other.limbs_.size() ? std::int64_t{other.limbs_[i]} : 0);
            borrow = difference < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

private:
    std::vector<std::uint32_t> limbs_;
};

// Where a dropped remainder lies relative to half a unit of the last kept bit.
enum class RoundingPosition { Exact, BelowHalf, Half, AboveHalf };

struct Quotient {
    std::uint64_t Value = 0;  // at most 64 bits
    RoundingPosition Rest = RoundingPosition::Exact;
};

// floor(numerator / denominator) for a quotient known to fit 64 bits, with
// the position of the remainder. Restoring division, one bit at a time.
Quotient DivideToUint64(BigUnsigned numerator, const BigUnsigned& denominator) {
    Quotient result;
    for (int bit = 63; bit >= 0; --bit) {
        BigUnsigned shifted = denominator;
        shifted.ShiftLeft(bit);
        if (Compare(numerator, shifted) >= 0) {
            numerator.Subtract(shifted);
            result.Value |= std::uint64_t{1} << bit;
        }
    }
    if (numerator.IsZero()) return result;
    numerator.ShiftLeft(1);
    int half = Compare(numerator, denominator);
    result.Rest = half < 0 ? RoundingPosition::BelowHalf
                           : (half == 0 ? RoundingPosition::Half : RoundingPosition::AboveHalf);
    return result;
}

// Decimal text split into significant digits and the power of ten of the last one.
struct DecimalNumber {
    bool Negative = false;
    std::string Digits;  // no leading zeros; empty for zero
    long Exponent = 0;   // value = Digits * 10^Exponent
    bool DroppedNonZero = false;
};

bool ParseDecimal(std::string_view text, DecimalNumber& number) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.Negative = text[i++] == '-';
    int digitCount = 0;
    bool inFraction = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        ++digitCount;
        if (inFraction) --number.Exponent;
        if (number.Digits.empty() && c == '0') continue;
        if (number.Digits.size() < MaxSignificantDigits) {
            number.Digits.push_back(c);
        } else {
            // The digit is dropped: the kept digits now end one place higher.
            ++number.Exponent;
            if (c != '0') number.DroppedNonZero = true;
        }
    }
    if (digitCount == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        long exponent = 0;
        std::size_t first = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
        if (i == first) return false;
        number.Exponent += negative ? -exponent : exponent;
    }
    return i == text.size();
}

[[noreturn]] void ThrowNotAFloat(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace

ExtendedFloat ExtendedFloat::FromParts(bool negative, int biasedExponent, std::uint64_t mantissa) {
    Bytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    auto top = static_cast<unsigned>(biasedExponent) | (negative ? 0x8000u : 0u);
    bytes[8] = static_cast<std::uint8_t>(top);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return ExtendedFloat(bytes);
}

std::uint64_t ExtendedFloat::Mantissa() const {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes_[i];
    return mantissa;
}

ExtendedFloat ExtendedFloat::FromDouble(double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    bool negative = (bits >> 63) != 0;
    int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (exponent == 0x7FF) {
        // Infinity keeps only the integer bit; a NaN keeps its payload and stays quiet.
        std::uint64_t mantissa = IntegerBit | (fraction << 11);
        return FromParts(negative, ExtendedMaxExponent, mantissa);
    }
    if (exponent == 0) {
        if (fraction == 0) return FromParts(negative, 0, 0);
        int shift = std::countl_zero(fraction);
        // fraction * 2^-1074 with its top bit moved to bit 63.
        return FromParts(negative, -1074 + 63 - shift + ExtendedBias, fraction << shift);
    }
    return FromParts(negative, exponent - 1023 + ExtendedBias, IntegerBit | (fraction << 11));
}

double ExtendedFloat::ToDouble() const {
    bool negative = IsNegative();
    int exponent = Exponent();
    std::uint64_t mantissa = Mantissa();
    const std::uint64_t signBit = negative ? std::uint64_t{1} << 63 : 0;
    if (exponent == ExtendedMaxExponent) {
        if ((mantissa << 1) == 0) return std::bit_cast<double>(signBit | (std::uint64_t{0x7FF} << 52));
        return std::bit_cast<double>(signBit | (std::uint64_t{0x7FF} << 52) | (std::uint64_t{1} << 51) |
                                     ((mantissa << 1) >> 12));
    }
    if (mantissa == 0) return std::bit_cast<double>(signBit);

    // Value = mantissa * 2^(effective - bias - 63); subnormal extended values
    // use the smallest normal exponent.
    int effective = exponent == 0 ? 1 : exponent;
    int leadingZeros = std::countl_zero(mantissa);
    mantissa <<= leadingZeros;
    int binaryExponent = effective - ExtendedBias - leadingZeros;  // of the top bit
    if (binaryExponent > 1023) return std::bit_cast<double>(signBit | (std::uint64_t{0x7FF} << 52));

    int shift = binaryExponent >= -1022 ? 11 : 11 + (-1022 - binaryExponent);
    std::uint64_t kept = 0;
    bool roundUp = false;
    if (shift < 64) {
        kept = mantissa >> shift;
        std::uint64_t rest = mantissa & ((std::uint64_t{1} << shift) - 1);
        std::uint64_t half = std::uint64_t{1} << (shift - 1);
        roundUp = rest > half || (rest == half && (kept & 1) != 0);
    } else if (shift == 64) {
        roundUp = mantissa > IntegerBit;  // exactly half rounds to the even zero
    }
    kept += roundUp ? 1 : 0;

    std::uint64_t bits;
    if (binaryExponent >= -1022) {
        if (kept == (std::uint64_t{1} << 53)) {
            kept >>= 1;
            ++binaryExponent;
            if (binaryExponent > 1023) return std::bit_cast<double>(signBit | (std::uint64_t{0x7FF} << 52));
        }
        bits = (static_cast<std::uint64_t>(binaryExponent + 1023) << 52) |
               (kept & ((std::uint64_t{1} << 52) - 1));
    } else {
        // A subnormal that rounds up to 2^52 becomes the smallest normal, which
        // is exactly this bit pattern.
        bits = kept;
    }
    return std::bit_cast<double>(signBit | bits);
}

ExtendedFloat ExtendedFloat::FromDecimalText(std::string_view text) {
    DecimalNumber number;
    if (!ParseDecimal(text, number)) ThrowNotAFloat(text);
    if (number.Digits.empty()) return FromParts(number.Negative, 0, 0);

    long magnitude = static_cast<long>(number.Digits.size()) + number.Exponent;  // 10^(m-1) <= value < 10^m
    if (magnitude > MaxDecimalMagnitude) ThrowNotAFloat(text);
    if (magnitude < MinDecimalMagnitude) return FromParts(number.Negative, 0, 0);

    // value = numerator / denominator exactly (apart from dropped digits).
    BigUnsigned numerator;
    for (char digit : number.Digits) numerator.MultiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
    BigUnsigned denominator(1);
    if (number.Exponent >= 0)
        numerator.MultiplyByPowerOfTen(number.Exponent);
    else
        denominator.MultiplyByPowerOfTen(-number.Exponent);

    // Power of two of the value's top bit.
    long topBit = numerator.BitLength() - denominator.BitLength();
    {
        BigUnsigned scaledNumerator = numerator;
        BigUnsigned scaledDenominator = denominator;
        if (topBit >= 0)
            scaledDenominator.ShiftLeft(topBit);
        else
            scaledNumerator.ShiftLeft(-topBit);
        if (Compare(scaledNumerator, scaledDenominator) < 0) --topBit;
    }

    // Scale so that the last kept bit is the unit: 64 bits for a normal
    // result, fewer below the smallest normal exponent.
    long scale = topBit + ExtendedBias >= 1 ? 63 - topBit : ExtendedBias - 1 + 63;
    if (scale >= 0)
        numerator.ShiftLeft(scale);
    else
        denominator.ShiftLeft(-scale);
    Quotient quotient = DivideToUint64(numerator, denominator);

    RoundingPosition rest = quotient.Rest;
    if (number.DroppedNonZero) {
        if (rest == RoundingPosition::Exact) rest = RoundingPosition::BelowHalf;
        if (rest == RoundingPosition::Half) rest = RoundingPosition::AboveHalf;
    }
    std::uint64_t mantissa = quotient.Value;
    bool roundUp =
        rest == RoundingPosition::AboveHalf || (rest == RoundingPosition::Half && (mantissa & 1) != 0);

    long biased = topBit + ExtendedBias;
    if (biased < 1) {
        biased = 0;
        if (roundUp && ++mantissa == IntegerBit) biased = 1;  // rounded up into the normal range
    } else if (roundUp && ++mantissa == 0) {
        mantissa = IntegerBit;
        ++biased;
    }
    if (biased >= ExtendedMaxExponent) ThrowNotAFloat(text);
    return FromParts(number.Negative, static_cast<int>(biased), mantissa);
}

}  // namespace quendar
