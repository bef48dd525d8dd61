#pragma once
// Writing a date value as text by a pattern.
//
// Letters start tokens, matched without regard to case; a token is the run of
// one same character (same case). Date tokens:
//   d dd ddd dddd   day, two-digit day, short and long day name
//   ddddd dddddd    the short and the long date pattern applied
//   m mm mmm mmmm   month, two-digit month, short and long month name
//                   (minutes instead when the nearest letter before is an h)
//   y yy / yyy...   year mod 100 in two digits / the year in four digits
//   aaa aaaa        short and long day name
//   c               short date pattern, then the long time pattern when the
//                   value has a time of day
//   /               the date separator
//   '...' "..."     copied without the quotes
// Time tokens (h n s z t, am/pm a/p ampm) follow the value's time of day,
// which is midnight for every value this program makes. Any other character
// is copied. Patterns nest at most two levels deep, and the result holds at
// most 256 characters.

#include <string>
#include <string_view>

#include "app/dates/date_settings.h"
#include "app/dates/date_values.h"

namespace quendar {

constexpr int MaxDateTextLength = 256;

// An empty pattern means the token c.
std::string DateToText(std::string_view pattern, TDateTime value, const DateFormatSettings& settings);
std::string DateToText(std::string_view pattern, TDateTime value);

}  // namespace quendar
