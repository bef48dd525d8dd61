#pragma once
// Reading a date the user typed, in the order of the short date pattern.
//
// The text is: number, separator, number, and optionally a further separator
// and a third number; then one optional separator and blanks. Blanks (spaces
// only) may stand before every number and separator. Only the day, month and
// year are read: anything left over, a time of day included, makes the text
// invalid.

#include <string>
#include <string_view>

#include "app/dates/date_settings.h"
#include "app/dates/date_values.h"

namespace quendar {

enum class DateFieldOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// Decided by the first D, Y (or E) or M of the pattern, in any case;
// month-day-year when the pattern has none of them.
DateFieldOrder FieldOrderOf(std::string_view shortDatePattern);

// Places a year written with one or two digits in the hundred years that
// begin yearWindow years before ThisYear().
int WindowedYear(int twoDigitYear, int yearWindow);

bool TryTextToDate(std::string_view text, TDateTime& value, const DateFormatSettings& settings);
bool TryTextToDate(std::string_view text, TDateTime& value);

// Throws EConvertError "'<text>' is not a valid date" with the text untrimmed.
TDateTime TextToDate(std::string_view text, const DateFormatSettings& settings);
TDateTime TextToDate(std::string_view text);

}  // namespace quendar
