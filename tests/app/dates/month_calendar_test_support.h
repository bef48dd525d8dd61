#pragma once
// Shared fixtures of the month calendar tests: a calendar on a chosen date
// with a fixed first day of the week, English names and a record of what it
// reported.

#include <string>
#include <utility>
#include <vector>

#include "app/dates/calendar_day_of_week.h"
#include "app/dates/month_calendar_model.h"

namespace quendar {

// Makes the locale report the given first-day-of-week item while it lives.
class FixedLocaleFirstDay {
public:
    explicit FixedLocaleFirstDay(std::string item)
        : previous_(SetLocaleFirstDaySource([item = std::move(item)] { return item; })) {}
    ~FixedLocaleFirstDay() { SetLocaleFirstDaySource(std::move(previous_)); }
    FixedLocaleFirstDay(const FixedLocaleFirstDay&) = delete;
    FixedLocaleFirstDay& operator=(const FixedLocaleFirstDay&) = delete;

private:
    LocaleFirstDaySource previous_;
};

// A calendar showing year-month-day. Every OnRefresh and OnChange is logged
// in order as "full", "selection" and "change".
class RecordedCalendar {
public:
    RecordedCalendar(int year, int month, int day, TCalDayOfWeek startOfWeek = TCalDayOfWeek::dowMonday) {
        Model.SetDateSettings(&Settings);
        Model.SetStartOfWeek(startOfWeek);
        Model.SetCalendarDate(MakeDate(year, month, day));
        Model.OnRefresh = [this](CalendarRefresh refresh) {
            Log.push_back(refresh == CalendarRefresh::Full ? "full" : "selection");
        };
        Model.OnChange = [this] { Log.push_back("change"); };
    }

    int ChangeCount() const {
        int count = 0;
        for (const std::string& entry : Log) count += entry == "change";
        return count;
    }

    DateFormatSettings Settings;
    MonthCalendarModel Model;
    std::vector<std::string> Log;
};

}  // namespace quendar
