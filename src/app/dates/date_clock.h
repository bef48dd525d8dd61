#pragma once
// Today's date as the local system clock gives it. The clock is replaceable so
// that everything depending on the current year (the two-digit-year window,
// a date text without a year) can be checked for any year.

#include <functional>

#include "app/dates/date_values.h"

namespace quendar {

struct CalendarDay {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

using LocalDaySource = std::function<CalendarDay()>;

// The local calendar day of the system clock.
CalendarDay SystemLocalDay();

// Replaces the clock read by Today and ThisYear and returns the one it
// replaced; an empty source restores the system clock.
LocalDaySource SetLocalDaySource(LocalDaySource source);

// The local calendar date as a whole day. Throws EConvertError when a
// replaced clock reports an impossible day.
TDateTime Today();

int ThisYear();

}  // namespace quendar
