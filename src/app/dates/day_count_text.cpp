#include "app/dates/day_count_text.h"

#include <cmath>
#include <cstdio>

namespace quendar {

namespace {

constexpr double PlainIntegerLimit = 1e15;

// Exponents are written without a plus sign and without leading zeros: 1E20, 1.5E-5.
std::string WithPlainExponent(std::string text) {
    const std::size_t e = text.find('E');
    if (e == std::string::npos) return text;
    std::size_t digits = e + 1;
    const bool negative = digits < text.size() && text[digits] == '-';
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    while (digits + 1 < text.size() && text[digits] == '0') ++digits;
    return text.substr(0, e + 1) + (negative ? "-" : "") + text.substr(digits);
}

}  // namespace

std::string DayCountToText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == std::trunc(value) && std::fabs(value) < PlainIntegerLimit) {
        const long long whole = static_cast<long long>(value);
        return std::to_string(whole);
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return WithPlainExponent(buffer);
}

}  // namespace quendar
