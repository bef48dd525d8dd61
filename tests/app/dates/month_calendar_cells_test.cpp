#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/dates/month_calendar_model.h"
#include "date_test_support.h"
#include "month_calendar_test_support.h"

namespace quendar {
namespace {

using Row = std::array<const char*, 7>;

void ExpectGrid(const MonthCalendarModel& model, const std::array<Row, CalendarRowCount>& expected) {
    for (int row = 0; row < CalendarRowCount; ++row) {
        for (int column = 0; column < CalendarColumnCount; ++column) {
            EXPECT_EQ(model.CellText(column, row), expected[row][column])
                << "column " << column << ", row " << row;
        }
    }
}

TEST(MonthCalendarCells, MarchStartingOnSundayWithMondayFirstFillsSixRows) {
    FixedLocalDay today(2026);
    RecordedCalendar calendar(2026, 3, 15, TCalDayOfWeek::dowMonday);
    EXPECT_EQ(calendar.Model.FirstCellOffset(), -5);
    ExpectGrid(calendar.Model, {{
                                   {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
                                   {"", "", "", "", "", "", "1"},
                                   {"2", "3", "4", "5", "6", "7", "8"},
                                   {"9", "10", "11", "12", "13", "14", "15"},
                                   {"16", "17", "18", "19", "20", "21", "22"},
                                   {"23", "24", "25", "26", "27", "28", "29"},
                                   {"30", "31", "", "", "", "", ""},
                                   {"", "", "", "", "", "", ""},
                               }});
}

TEST(MonthCalendarCells, FebruaryStartingOnSundayWithSundayFirstFillsFourRows) {
    FixedLocalDay today(2026);
    RecordedCalendar calendar(2026, 2, 10, TCalDayOfWeek::dowSunday);
    EXPECT_EQ(calendar.Model.FirstCellOffset(), 1);
    ExpectGrid(calendar.Model, {{
                                   {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
                                   {"1", "2", "3", "4", "5", "6", "7"},
                                   {"8", "9", "10", "11", "12", "13", "14"},
                                   {"15", "16", "17", "18", "19", "20", "21"},
                                   {"22", "23", "24", "25", "26", "27", "28"},
                                   {"", "", "", "", "", "", ""},
                                   {"", "", "", "", "", "", ""},
                                   {"", "", "", "", "", "", ""},
                               }});
}

TEST(MonthCalendarCells, FirstAndLastDayLieWhereTheWeekdayPutsThem) {
    struct Case {
        int Year, Month;
        TCalDayOfWeek Start;
        CalendarCell First, Last;
        int Offset;
    };
    const Case cases[] = {
        {2026, 6, TCalDayOfWeek::dowMonday, {0, 1}, {1, 5}, 1},    // Monday 1st: first column
        {2026, 3, TCalDayOfWeek::dowMonday, {6, 1}, {1, 6}, -5},   // Sunday 1st: last column, row 6
        {2026, 3, TCalDayOfWeek::dowSunday, {0, 1}, {2, 5}, 1},    //
        {2026, 1, TCalDayOfWeek::dowMonday, {3, 1}, {5, 5}, -2},   // Thursday 1st
        {2026, 1, TCalDayOfWeek::dowThursday, {0, 1}, {2, 5}, 1},  //
        {2026, 1, TCalDayOfWeek::dowFriday, {6, 1}, {1, 6}, -5},   //
        {1, 1, TCalDayOfWeek::dowSunday, {1, 1}, {3, 5}, 0},       // the first month there is
        {9999, 12, TCalDayOfWeek::dowMonday, {2, 1}, {4, 5}, -1},  // the last one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.Year << "-" << c.Month << " start " << static_cast<int>(c.Start));
        FixedLocalDay today(2026);
        RecordedCalendar calendar(c.Year, c.Month, 1, c.Start);
        const MonthCalendarModel& model = calendar.Model;
        EXPECT_EQ(model.FirstCellOffset(), c.Offset);
        EXPECT_EQ(model.CellOfDay(1), c.First);
        EXPECT_EQ(model.CellText(c.First.Column, c.First.Row), "1");
        const int last = MonthLength(c.Year, c.Month);
        EXPECT_EQ(model.CellOfDay(last), c.Last);
        EXPECT_EQ(model.CellText(c.Last.Column, c.Last.Row), std::to_string(last));
        EXPECT_EQ(model.CurrentCell(), c.First);
    }
}

TEST(MonthCalendarCells, CellsOutsideTheGridAreEmpty) {
    FixedLocalDay today(2026);
    RecordedCalendar calendar(2026, 6, 1);
    const CalendarCell outside[] = {{-1, 0}, {7, 0}, {-1, 1}, {7, 1}, {0, -1}, {0, 8}};
    for (const CalendarCell& cell : outside) {
        SCOPED_TRACE(testing::Message() << cell.Column << ", " << cell.Row);
        EXPECT_EQ(calendar.Model.CellText(cell.Column, cell.Row), "");
        EXPECT_EQ(calendar.Model.CellDay(cell.Column, cell.Row), 0);
        EXPECT_FALSE(calendar.Model.CellDate(cell.Column, cell.Row).has_value());
    }
    calendar.Model.SetWeekends(TDaysOfWeek::FromBits(0x7F));
    EXPECT_FALSE(calendar.Model.IsWeekendColumn(-1));
    EXPECT_FALSE(calendar.Model.IsWeekendColumn(7));
    EXPECT_EQ(calendar.Model.CellDate(2, 1), MakeDate(2026, 6, 3));
    EXPECT_FALSE(calendar.Model.CellDate(2, 0).has_value());
}

TEST(MonthCalendarCells, HeaderFollowsTheLocaleWhenStartOfWeekIsLocaleDefault) {
    struct Case {
        const char* Item;
        const char* FirstHeader;
        const char* LastHeader;
    };
    const Case cases[] = {
        {"0", "Mon", "Sun"}, {"2", "Wed", "Tue"}, {"6", "Sun", "Sat"},
        {"7", "Sun", "Sat"}, {"", "Sun", "Sat"},  {"x", "Sun", "Sat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "locale item \"" << c.Item << "\"");
        FixedLocalDay today(2026);
        FixedLocaleFirstDay firstDay(c.Item);
        RecordedCalendar calendar(2026, 3, 15, TCalDayOfWeek::dowLocaleDefault);
        EXPECT_EQ(calendar.Model.CellText(0, 0), c.FirstHeader);
        EXPECT_EQ(calendar.Model.CellText(6, 0), c.LastHeader);
    }
}

TEST(MonthCalendarCells, WeekendColumnsFollowTheFirstDayOfTheWeek) {
    using enum TCalDayOfWeek;
    struct Case {
        TCalDayOfWeek Start;
        TDaysOfWeek Weekends;
        std::array<bool, 7> Columns;
    };
    const Case cases[] = {
        {dowSunday, {dowSaturday, dowSunday}, {true, false, false, false, false, false, true}},
        {dowMonday, {dowSaturday, dowSunday}, {false, false, false, false, false, true, true}},
        {dowMonday, {dowSunday}, {false, false, false, false, false, false, true}},
        {dowSunday, {dowSunday}, {true, false, false, false, false, false, false}},
        {dowWednesday, {dowFriday}, {false, false, true, false, false, false, false}},
        {dowMonday, {}, {false, false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << static_cast<int>(c.Start) << ", weekends "
                                        << static_cast<int>(c.Weekends.Bits()));
        FixedLocalDay today(2026);
        RecordedCalendar calendar(2026, 3, 15, c.Start);
        calendar.Model.SetWeekends(c.Weekends);
        for (int column = 0; column < 7; ++column) {
            EXPECT_EQ(calendar.Model.IsWeekendColumn(column), c.Columns[column]) << "column " << column;
        }
    }
}

TEST(MonthCalendarCells, TodayIsMarkedAndTheSelectedDayIsBold) {
    FixedLocalDay today(2026, 3, 15);
    RecordedCalendar calendar(2026, 3, 10);
    MonthCalendarModel& model = calendar.Model;
    // Monday first: 15 March is a Sunday (column 6, row 3); 10 March is column 1, row 3.
    EXPECT_TRUE(model.IsTodayCell(6, 3));
    EXPECT_TRUE(model.IsBoldCell(1, 3));
    EXPECT_FALSE(model.IsBoldCell(6, 3));
    EXPECT_FALSE(model.IsTodayCell(1, 3));
    EXPECT_FALSE(model.IsTodayCell(6, 0));

    model.SetShowCurrentDate(false);
    EXPECT_FALSE(model.IsTodayCell(6, 3));
    EXPECT_FALSE(model.IsBoldCell(1, 3));

    model.SetShowCurrentDate(true);
    model.SetCalendarDate(MakeDate(2026, 4, 15));
    for (int row = 0; row < CalendarRowCount; ++row)
        for (int column = 0; column < CalendarColumnCount; ++column)
            EXPECT_FALSE(model.IsTodayCell(column, row)) << column << ", " << row;
}

TEST(MonthCalendarCells, TitleNamesTheMonthAndTheYear) {
    FixedLocalDay today(2026);
    RecordedCalendar calendar(2026, 3, 15);
    EXPECT_EQ(calendar.Model.TitleText(), "March 2026");
    calendar.Model.SetCalendarDate(MakeDate(5, 12, 1));
    EXPECT_EQ(calendar.Model.TitleText(), "December 5");
    calendar.Settings.MonthNamesLong.Set(12, "Dezember");
    EXPECT_EQ(calendar.Model.TitleText(), "December 5") << "names change only at the next update";
    calendar.Model.UpdateCalendar();
    EXPECT_EQ(calendar.Model.TitleText(), "Dezember 5");
}

TEST(CalendarDayOfWeek, LocaleItemsAndSets) {
    using enum TCalDayOfWeek;
    const std::pair<const char*, TCalDayOfWeek> items[] = {
        {"0", dowMonday}, {"3", dowThursday}, {"6", dowSunday},  {"7", dowSunday},
        {"", dowSunday},  {"01", dowSunday},  {"-1", dowSunday}, {" 0", dowSunday},
    };
    for (const auto& [item, expected] : items) EXPECT_EQ(DayOfWeekFromLocaleItem(item), expected) << item;

    EXPECT_EQ(FirstDayOfWeek(dowFriday), dowFriday);
    {
        FixedLocaleFirstDay firstDay("0");
        EXPECT_EQ(FirstDayOfWeek(dowLocaleDefault), dowMonday);
        EXPECT_EQ(FirstDayOfWeek(static_cast<TCalDayOfWeek>(9)), dowMonday);
    }
    EXPECT_EQ(FirstDayOfWeek(dowLocaleDefault), dowSunday) << "without a source";

    TDaysOfWeek set{dowMonday, dowSunday};
    EXPECT_EQ(set.Bits(), 0x41);
    set.Include(dowLocaleDefault);
    set.Exclude(dowMonday);
    set.Include(static_cast<TCalDayOfWeek>(8));
    EXPECT_EQ(set.Bits(), 0xC0);
    EXPECT_EQ(TDaysOfWeek::FromBits(0x1FF).Bits(), 0xFF);
    EXPECT_FALSE(set.Contains(static_cast<TCalDayOfWeek>(-1)));
}

}  // namespace
}  // namespace quendar
