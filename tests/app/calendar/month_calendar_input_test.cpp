// The month calendar driven by real clicks and keys: which cells take a
// click, what ReadOnly refuses, the navigation buttons, the title bar's
// double click and the keyboard.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calendar_test_support.h"

namespace quendar::testing_support {
namespace {

class MonthCalendarInputTest : public CalendarTest {};

TEST_F(MonthCalendarInputTest, ClickOnADaySelectsItAndFiresOnChangeOnce) {
    ClickCell(2, 2);  // Wednesday 4 March
    EXPECT_EQ(calendar->CalendarDate(), Date(2026, 3, 4));
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(changeSenders.size(), 1u);
    EXPECT_EQ(changeSenders[0], calendar);
    EXPECT_FALSE(calendar->UseCurrentDate());
    EXPECT_EQ(calendar->Grid().Col(), 2);
    EXPECT_EQ(calendar->Grid().Row(), 2);
    EXPECT_TRUE(calendar->Grid().Focused());

    ClickCell(2, 2);  // the day it already is
    EXPECT_EQ(changes, 1);
}

TEST_F(MonthCalendarInputTest, CellsWithoutADayChangeNothing) {
    struct Case {
        const char* Name;
        Point At;  // grid client coordinates
    } cases[] = {
        {"empty cell before the 1st", CellMiddle(0, 1)},
        {"empty cell after the 31st", CellMiddle(2, 6)},
        {"day name", CellMiddle(3, 0)},
        {"day name above the 1st", CellMiddle(6, 0)},
        {"strip below the sixth week", {30, 108}},
        {"strip right of the seventh column", {169, 50}},
    };
    for (const Case& c : cases) {
        ClickAt(calendar->Grid(), c.At);
        EXPECT_EQ(calendar->CalendarDate(), Date(2026, 3, 15)) << c.Name;
        EXPECT_EQ(calendar->Grid().Col(), 6) << c.Name;
        EXPECT_EQ(calendar->Grid().Row(), 3) << c.Name;
        EXPECT_TRUE(calendar->UseCurrentDate()) << c.Name;
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(MonthCalendarInputTest, ReadOnlyRefusesClicksButNotButtonsOrKeys) {
    calendar->SetReadOnly(true);
    Select(2026, 3, 10);
    struct Step {
        const char* Name;
        std::function<void()> Act;
        TDateTime Expected;
    } steps[] = {
        {"click on a day", [&] { ClickCell(2, 2); }, Date(2026, 3, 10)},
        {"Down", [&] { Press(VK_DOWN); }, Date(2026, 3, 10)},
        {"Up", [&] { Press(VK_UP); }, Date(2026, 3, 10)},
        {"Right", [&] { Press(VK_RIGHT); }, Date(2026, 3, 11)},
        {"Left", [&] { Press(VK_LEFT); }, Date(2026, 3, 10)},
        {"numeric-pad plus", [&] { Press(VK_ADD); }, Date(2026, 3, 11)},
        {"numeric-pad minus", [&] { Press(VK_SUBTRACT); }, Date(2026, 3, 10)},
        {"Page Down", [&] { Press(VK_NEXT); }, Date(2026, 4, 10)},
        {"Page Up", [&] { Press(VK_PRIOR); }, Date(2026, 3, 10)},
        {"\">>\"", [&] { ClickButton(calendar->NextYearButton()); }, Date(2027, 3, 10)},
        {"\"<\"", [&] { ClickButton(calendar->PrevMonthButton()); }, Date(2027, 2, 10)},
        {"T", [&] { robot->Type("T"); }, Date(2026, 3, 15)},
    };
    int expectedChanges = 0;
    for (const Step& step : steps) {
        const TDateTime before = calendar->CalendarDate();
        step.Act();
        if (step.Expected != before) ++expectedChanges;
        EXPECT_EQ(calendar->CalendarDate(), step.Expected) << step.Name;
        EXPECT_EQ(changes, expectedChanges) << step.Name;
    }
}

TEST_F(MonthCalendarInputTest, NavigationButtonsStepMonthsAndYears) {
    Select(2026, 1, 31);
    struct Step {
        const char* Caption;
        TsTimerSpeedButton& Button;
        TDateTime Expected;
        const char* Title;
    } steps[] = {
        {">", calendar->NextMonthButton(), Date(2026, 2, 28), "February 2026"},
        {"<", calendar->PrevMonthButton(), Date(2026, 1, 28), "January 2026"},
        {">>", calendar->NextYearButton(), Date(2027, 1, 28), "January 2027"},
        {"<<", calendar->PrevYearButton(), Date(2026, 1, 28), "January 2026"},
    };
    int clicks = 0;
    for (const Step& step : steps) {
        EXPECT_EQ(step.Button.Caption(), step.Caption);
        ClickButton(step.Button);
        ++clicks;
        EXPECT_EQ(calendar->CalendarDate(), step.Expected) << step.Caption;
        EXPECT_EQ(calendar->TitleBar().Caption(), step.Title) << step.Caption;
        EXPECT_EQ(changes, clicks) << step.Caption;
    }
}

TEST_F(MonthCalendarInputTest, QuickClicksOnAButtonStepEachTimeAndNeverMeanToday) {
    Select(2026, 5, 10);
    ClickButton(calendar->NextMonthButton());
    ClickButton(calendar->NextMonthButton());  // arrives as a double click
    EXPECT_EQ(calendar->CalendarDate(), Date(2026, 7, 10));
    EXPECT_EQ(changes, 2);
}

TEST_F(MonthCalendarInputTest, NextYearFromTheLeapDayFiresTwice) {
    Select(2024, 2, 29);
    ClickButton(calendar->NextYearButton());
    EXPECT_EQ(calendar->CalendarDate(), Date(2025, 2, 28));
    EXPECT_EQ(changes, 2);
}

TEST_F(MonthCalendarInputTest, DoubleClickOnTheTitleBarSelectsToday) {
    Select(2020, 1, 1);
    calendar->SetUseCurrentDate(false);
    const TsDragBar& title = calendar->TitleBar();
    const Point middle{title.Width() / 2, title.Height() / 2};
    ClickAt(title, middle);
    EXPECT_EQ(calendar->CalendarDate(), Date(2020, 1, 1));
    ClickAt(title, middle);
    EXPECT_EQ(calendar->CalendarDate(), Date(2026, 3, 15));
    EXPECT_EQ(calendar->TitleBar().Caption(), "March 2026");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(calendar->Grid().Col(), 6);
    EXPECT_EQ(calendar->Grid().Row(), 3);
}

TEST_F(MonthCalendarInputTest, KeysMoveTheDate) {
    struct Case {
        const char* Name;
        TDateTime From;
        int Key;
        int Modifier;
        TDateTime Expected;
        const char* Title;
    } cases[] = {
        {"Ctrl+Page Up", Date(2026, 3, 15), VK_PRIOR, VK_CONTROL, Date(2025, 3, 15), "March 2025"},
        {"Ctrl+Page Down", Date(2026, 3, 15), VK_NEXT, VK_CONTROL, Date(2027, 3, 15), "March 2027"},
        {"Page Down on the 31st", Date(2026, 1, 31), VK_NEXT, 0, Date(2026, 2, 28), "February 2026"},
        {"Left on the 1st", Date(2026, 3, 1), VK_LEFT, 0, Date(2026, 2, 28), "February 2026"},
        {"Right on New Year's Eve", Date(2025, 12, 31), VK_RIGHT, 0, Date(2026, 1, 1), "January 2026"},
        {"Down from the 1st", Date(2026, 3, 1), VK_DOWN, 0, Date(2026, 3, 8), "March 2026"},
        {"Ctrl+Down", Date(2026, 3, 1), VK_DOWN, VK_CONTROL, Date(2026, 3, 8), "March 2026"},
        {"Up from the 8th", Date(2026, 3, 8), VK_UP, 0, Date(2026, 3, 1), "March 2026"},
        {"Up from the 1st stays off the day names", Date(2026, 3, 1), VK_UP, 0, Date(2026, 3, 1),
         "March 2026"},
        {"Up in the first week", Date(2026, 3, 4), VK_UP, 0, Date(2026, 3, 4), "March 2026"},
        {"Down past the 31st", Date(2026, 3, 29), VK_DOWN, 0, Date(2026, 3, 29), "March 2026"},
        {"Down from the last row", Date(2026, 3, 30), VK_DOWN, 0, Date(2026, 3, 30), "March 2026"},
        {"Shift+Left is the grid's own move", Date(2026, 3, 10), VK_LEFT, VK_SHIFT, Date(2026, 3, 9),
         "March 2026"},
        {"Ctrl+Right is the grid's own move", Date(2026, 3, 10), VK_RIGHT, VK_CONTROL, Date(2026, 3, 11),
         "March 2026"},
        {"Home", Date(2026, 3, 11), VK_HOME, 0, Date(2026, 3, 9), "March 2026"},
        {"Home in the first week has no day in column 0", Date(2026, 3, 1), VK_HOME, 0, Date(2026, 3, 1),
         "March 2026"},
    };
    for (const Case& c : cases) {
        calendar->SetCalendarDate(c.From);
        Press(c.Key, c.Modifier);
        EXPECT_EQ(calendar->CalendarDate(), c.Expected) << c.Name;
        EXPECT_EQ(calendar->TitleBar().Caption(), c.Title) << c.Name;
        const CalendarCell cell = calendar->Model().CurrentCell();
        EXPECT_EQ(calendar->Grid().Col(), cell.Column) << c.Name;
        EXPECT_EQ(calendar->Grid().Row(), cell.Row) << c.Name;
        EXPECT_EQ(calendar->Day(), calendar->Model().CellDay(cell.Column, cell.Row)) << c.Name;
    }
}

TEST_F(MonthCalendarInputTest, TypedTSelectsTodayAndIsConsumed) {
    std::u32string typed;
    calendar->Grid().OnKeyPress = [&](TComponent*, char32_t& key) { typed += key; };
    for (const char* key : {"t", "T"}) {
        Select(2001, 5, 5);
        robot->Type(key);
        EXPECT_EQ(calendar->CalendarDate(), Date(2026, 3, 15)) << key;
        EXPECT_EQ(changes, 1) << key;
    }
    robot->Type("x");
    EXPECT_EQ(calendar->CalendarDate(), Date(2026, 3, 15));
    EXPECT_EQ(typed, U"tTx");  // the handler sees each key before the calendar
}

TEST_F(MonthCalendarInputTest, NextYearBeyondTheLastYearIsReportedAndKeepsTheDate) {
    Select(9999, 6, 1);
    ClickButton(calendar->NextYearButton());
    EXPECT_EQ(calendar->CalendarDate(), Date(9999, 6, 1));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].Text.find("Invalid argument to date encode"), std::string::npos) << boxes[0].Text;
    EXPECT_EQ(changes, 0);
}

}  // namespace
}  // namespace quendar::testing_support
