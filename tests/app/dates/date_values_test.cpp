#include "app/dates/date_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/dates/date_clock.h"
#include "date_test_support.h"
#include "framework/exception.h"

namespace quendar {
namespace {

TEST(DateValues, KnownDaysHaveTheirNumbers) {
    struct Case {
        int year, month, day;
        TDateTime value;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},  {1899, 12, 31, 1},       {1899, 12, 29, -1},
        {1, 1, 1, -693593}, {9999, 12, 31, 2958465}, {2026, 3, 15, 46096},
        {1900, 3, 1, 61},   {2000, 2, 29, 36585},    {2024, 2, 29, 45351},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(MakeDate(c.year, c.month, c.day), c.value);
        int year, month, day;
        SplitDate(c.value, year, month, day);
        EXPECT_EQ(year, c.year);
        EXPECT_EQ(month, c.month);
        EXPECT_EQ(day, c.day);
    }
}

TEST(DateValues, SplitDateInvertsMakeDateOnEveryDayOfTheRange) {
    int year = 1, month = 1, day = 1;
    for (int value = -693593; value <= 2958465; ++value) {
        int y, m, d;
        SplitDate(value, y, m, d);
        ASSERT_TRUE(y == year && m == month && d == day) << "value " << value;
        if (++day > MonthLength(year, month)) {
            day = 1;
            if (++month > 12) month = 1, ++year;
        }
    }
    EXPECT_EQ(year, 10000);
}

TEST(DateValues, SplitDateOutsideTheCalendarGivesZeros) {
    for (TDateTime value : {-693594.0, -1e12, std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        int year = 7, month = 7, day = 7;
        SplitDate(value, year, month, day);
        EXPECT_EQ(year, 0);
        EXPECT_EQ(month, 0);
        EXPECT_EQ(day, 0);
    }
}

TEST(DateValues, TryMakeDateRejectsImpossibleDates) {
    struct Case {
        int year, month, day;
        bool valid;
    };
    const Case cases[] = {
        {0, 1, 1, false},     {10000, 1, 1, false}, {9999, 12, 31, true}, {1, 1, 1, true},
        {2026, 0, 1, false},  {2026, 13, 1, false}, {2026, 1, 0, false},  {2026, 1, 32, false},
        {2026, 4, 31, false}, {2026, 4, 30, true},  {2023, 2, 29, false}, {2024, 2, 29, true},
        {2024, 2, 30, false}, {1900, 2, 29, false}, {2000, 2, 29, true},  {-5, 1, 1, false},
    };
    for (const Case& c : cases) {
        TDateTime value = 12345;
        EXPECT_EQ(TryMakeDate(c.year, c.month, c.day, value), c.valid)
            << c.year << "-" << c.month << "-" << c.day;
        if (!c.valid) {
            EXPECT_EQ(value, 12345) << "a failed encode must leave the value alone";
        }
    }
}

TEST(DateValues, MakeDateFailureCarriesTheEncodeMessage) {
    try {
        MakeDate(2026, 2, 29);
        FAIL() << "no exception";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "Invalid argument to date encode");
    }
}

TEST(DateValues, LeapYearsAndMonthLengths) {
    const std::pair<int, bool> leaps[] = {{2024, true},  {2023, false}, {1900, false}, {2000, true},
                                          {2100, false}, {2400, true},  {4, true},     {1, false}};
    for (auto [year, leap] : leaps) EXPECT_EQ(IsLeap(year), leap) << year;

    const int lengths2023[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(MonthLength(2023, month), lengths2023[month - 1]);
    EXPECT_EQ(MonthLength(2024, 2), 29);
    EXPECT_EQ(MonthLength(2024, 0), 0);
    EXPECT_EQ(MonthLength(2024, 13), 0);
}

TEST(DateValues, WeekdaysStartOnSunday) {
    const std::pair<TDateTime, int> cases[] = {
        {46096, 1},     // 15 March 2026, a Sunday
        {46088, 7},     // 7 March 2026, a Saturday
        {0, 7},         // 30 December 1899, a Saturday
        {-693593, 2},   // 1 January 0001, a Monday
        {2958465, 6},   // 31 December 9999, a Friday
        {-700000, 7},   // before the calendar: still a weekday number
        {46096.75, 1},  // the time of day does not move the day
    };
    for (auto [value, weekday] : cases) EXPECT_EQ(WeekdayOf(value), weekday) << value;
    EXPECT_EQ(WeekdayOf(std::nan("")), 1);
}

TEST(DateClock, TodayAndThisYearFollowTheInstalledClock) {
    {
        FixedLocalDay day(2026, 3, 15);
        EXPECT_EQ(Today(), 46096);
        EXPECT_EQ(ThisYear(), 2026);
        {
            FixedLocalDay impossible(2026, 2, 30);
            EXPECT_THROW(Today(), EConvertError);
        }
        EXPECT_EQ(ThisYear(), 2026);
    }
    const CalendarDay system = SystemLocalDay();
    EXPECT_EQ(Today(), MakeDate(system.Year, system.Month, system.Day));
}

}  // namespace
}  // namespace quendar
