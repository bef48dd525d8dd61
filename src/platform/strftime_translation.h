#pragma once
// Translation of the POSIX locale's strftime formats (D_FMT, D_T_FMT, T_FMT)
// into the window system's regional items: date patterns written with d, M
// and y letters ("%d.%m.%Y" becomes "dd.MM.yyyy"), the date separator and
// the clock style.

#include <string>
#include <string_view>

namespace quendar {

// The first character written between the first numeric date field and the
// field after it ("." for "%d.%m.%Y"); empty when no such character exists.
std::string DateSeparatorFromStrftime(std::string_view dateFormat);

// The pattern of a date format. Letters and quotes of the format's own text
// are quoted so that they print as written, and so is "/" unless it is the
// date separator. Empty when the format names no day, month or year.
std::string DatePatternFromStrftime(std::string_view dateFormat, std::string_view dateSeparator);

// The pattern of the date part of a date-and-time format: the time of day
// and time-zone fields are left out, each with the text that follows it.
std::string LongDatePatternFromStrftime(std::string_view dateTimeFormat, std::string_view dateSeparator);

struct StrftimeClock {
    bool HasHour = false;
    bool TwelveHour = false;
    bool LeadingZero = false;
    bool MarkerFirst = false;  // the AM/PM marker comes before the hour
};

// The clock of a time format; %r stands for the locale's 12-hour format,
// "%I:%M:%S %p" when that is empty.
StrftimeClock ClockFromStrftime(std::string_view timeFormat, std::string_view twelveHourFormat);

}  // namespace quendar
