#pragma once

#include <string>

namespace quendar {

// The number in general format with 15 significant digits. A whole number
// below 10^15 in magnitude, as every day count is, comes out as a plain
// decimal integer: "-" for negatives, no grouping, no decimal separator;
// zero (also negative zero) is "0".
std::string DayCountToText(double value);

}  // namespace quendar
