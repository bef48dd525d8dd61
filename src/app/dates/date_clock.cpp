#include "app/dates/date_clock.h"

#include <ctime>
#include <utility>

namespace quendar {

namespace {

LocalDaySource& CurrentSource() {
    static LocalDaySource source;
    return source;
}

CalendarDay ReadClock() {
    const LocalDaySource& source = CurrentSource();
    return source ? source() : SystemLocalDay();
}

}  // namespace

CalendarDay SystemLocalDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

LocalDaySource SetLocalDaySource(LocalDaySource source) {
    return std::exchange(CurrentSource(), std::move(source));
}

TDateTime Today() {
    const CalendarDay day = ReadClock();
    return MakeDate(day.Year, day.Month, day.Day);
}

int ThisYear() { return ReadClock().Year; }

}  // namespace quendar
