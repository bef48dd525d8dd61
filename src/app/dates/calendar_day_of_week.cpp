#include "app/dates/calendar_day_of_week.h"

#include <utility>

namespace quendar {

namespace {

LocaleFirstDaySource& CurrentSource() {
    static LocaleFirstDaySource source;
    return source;
}

}  // namespace

LocaleFirstDaySource SetLocaleFirstDaySource(LocaleFirstDaySource source) {
    return std::exchange(CurrentSource(), std::move(source));
}

TCalDayOfWeek DayOfWeekFromLocaleItem(std::string_view item) {
    if (item.size() == 1 && item[0] >= '0' && item[0] <= '6')
        return static_cast<TCalDayOfWeek>(item[0] - '0');
    return TCalDayOfWeek::dowSunday;
}

TCalDayOfWeek FirstDayOfWeek(TCalDayOfWeek startOfWeek) {
    const int index = static_cast<int>(startOfWeek);
    if (index >= 0 && index <= 6) return startOfWeek;
    const LocaleFirstDaySource& source = CurrentSource();
    return source ? DayOfWeekFromLocaleItem(source()) : TCalDayOfWeek::dowSunday;
}

}  // namespace quendar
