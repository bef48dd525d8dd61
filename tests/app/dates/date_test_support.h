#pragma once
// Shared fixtures of the date tests: a fixed clock and three regional forms.

#include <utility>

#include "app/dates/date_clock.h"
#include "app/dates/date_settings.h"

namespace quendar {

// Makes Today and ThisYear report the given day while it lives.
class FixedLocalDay {
public:
    explicit FixedLocalDay(int year, int month = 3, int day = 15)
        : previous_(SetLocalDaySource([=] {
              return CalendarDay{year, month, day};
          })) {}
    ~FixedLocalDay() { SetLocalDaySource(std::move(previous_)); }
    FixedLocalDay(const FixedLocalDay&) = delete;
    FixedLocalDay& operator=(const FixedLocalDay&) = delete;

private:
    LocalDaySource previous_;
};

inline DateFormatSettings UsSettings() {
    DateFormatSettings settings;
    settings.ShortDatePattern = "M/d/yyyy";
    return settings;
}

inline DateFormatSettings GermanSettings() {
    DateFormatSettings settings;
    settings.DateSep = '.';
    settings.ShortDatePattern = "dd.MM.yyyy";
    settings.LongDatePattern = "dddd, d. MMMM yyyy";
    settings.MonthNamesLong.Set(3, "M\xC3\xA4rz");
    settings.DayNamesLong.Set(1, "Sonntag");
    return settings;
}

inline DateFormatSettings IsoSettings() {
    DateFormatSettings settings;
    settings.DateSep = '-';
    settings.ShortDatePattern = "yyyy-MM-dd";
    return settings;
}

}  // namespace quendar
