#include "framework/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "framework/exception.h"

namespace quendar {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the grammar of the header's floating-point text; from_chars alone
// would also take "inf", "nan" and hexadecimal floats.
bool IsFloatText(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    int digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        int exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

// The power of ten of the first significant digit of text that passed
// IsFloatText; only its sign matters, so exponents saturate.
long DecimalExponent(std::string_view text) {
    long integerDigits = 0;
    long leadingFractionZeros = 0;
    bool seenSignificant = false;
    bool inFraction = false;
    long exponent = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.') {
            inFraction = true;
        } else if (c == 'e' || c == 'E') {
            bool negative = false;
            ++i;
            if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
            for (; i < text.size(); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), 100000L);
            if (negative) exponent = -exponent;
            break;
        } else if (IsDigit(c)) {
            if (!inFraction) {
                if (c != '0' || seenSignificant) seenSignificant = true, ++integerDigits;
            } else if (!seenSignificant) {
                if (c == '0')
                    ++leadingFractionZeros;
                else
                    seenSignificant = true;
            }
        }
    }
    long position = integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);
    return position + exponent;
}

}  // namespace

bool TryStrToInt(std::string_view text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size()) return false;

    std::uint64_t magnitude = 0;
    const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
    for (; i < text.size(); ++i) {
        int digit = hex ? HexDigitValue(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) return false;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) return false;
    }
    // Hexadecimal text names a 32-bit pattern; the sign then negates it.
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative) bits = ~bits + 1u;
    value = static_cast<int>(bits);
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

int StrToIntDef(std::string_view text, int defaultValue) {
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

bool TryStrToFloat(std::string_view text, double& value) {
    if (!IsFloatText(text)) return false;
    std::string_view digits = text;
    // from_chars takes no leading "+".
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    double result = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (end != digits.data() + digits.size()) return false;
    if (error == std::errc::result_out_of_range) {
        // Too small a value reads as zero; too large a value is refused.
        if (DecimalExponent(digits) > 0) return false;
        result = digits.front() == '-' ? -0.0 : 0.0;
    } else if (error != std::errc() || std::isinf(result)) {
        return false;
    }
    value = result;
    return true;
}

double StrToFloat(std::string_view text) {
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

double StrToFloatDef(std::string_view text, double defaultValue) {
    double value = 0;
    return TryStrToFloat(text, value) ? value : defaultValue;
}

std::string FloatToStr(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace quendar
