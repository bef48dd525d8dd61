#include <gtest/gtest.h>

#include "app/dates/month_calendar_keys.h"
#include "app/dates/month_calendar_model.h"
#include "date_test_support.h"
#include "month_calendar_test_support.h"
#include "platform/virtual_keys.h"

namespace quendar {
namespace {

// March 2026 with Monday first: the 1st is in column 6 of row 1, the 31st in
// column 1 of row 6, and 15 March in column 6 of row 3.

TEST(MonthCalendarInput, OnlyCellsWithADayCanBeClicked) {
    struct Case {
        CalendarCell Cell;
        bool Accepted;
        int DayAfter;
    };
    const Case cases[] = {
        {{0, 1}, false, 15},  // empty, before the 1st
        {{3, 0}, false, 15},  // day names
        {{6, 0}, false, 15},  //
        {{0, 7}, false, 15},  // the row below the days
        {{2, 6}, false, 15},  // empty, after the 31st
        {{7, 3}, false, 15},  // outside
        {{2, 2}, true, 4},    //
        {{6, 1}, true, 1},    //
        {{1, 6}, true, 31},   //
        {{6, 3}, true, 15},   // the selected day itself
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell " << c.Cell.Column << ", " << c.Cell.Row);
        FixedLocalDay today(2026);
        RecordedCalendar calendar(2026, 3, 15);
        MonthCalendarModel& model = calendar.Model;
        EXPECT_EQ(model.MouseDown(c.Cell.Column, c.Cell.Row), c.Accepted);
        EXPECT_EQ(model.Day(), 15) << "a press alone changes nothing";
        EXPECT_EQ(model.CurrentCell(), (c.Accepted ? c.Cell : CalendarCell{6, 3}));
        model.GridClick();
        EXPECT_EQ(model.CalendarDate(), MakeDate(2026, 3, c.DayAfter));
        const bool changed = c.DayAfter != 15;
        EXPECT_EQ(calendar.ChangeCount(), changed ? 1 : 0);
        EXPECT_EQ(model.UseCurrentDate(), !changed);
        EXPECT_EQ(model.CurrentCell(), model.CellOfDay(c.DayAfter));
    }
}

TEST(MonthCalendarInput, KeysMapToActions) {
    using enum TShiftState;
    using A = CalendarKeyAction;
    struct Case {
        int Key;
        TShiftState Shift;
        CalendarKeyAction Action;
    };
    const Case cases[] = {
        {VK_PRIOR, ssNone, A::PrevMonth},
        {VK_PRIOR, ssShift, A::PrevMonth},
        {VK_PRIOR, ssCtrl, A::PrevYear},
        {VK_PRIOR, ssCtrl | ssShift, A::PrevYear},
        {VK_NEXT, ssNone, A::NextMonth},
        {VK_NEXT, ssAlt, A::NextMonth},
        {VK_NEXT, ssCtrl, A::NextYear},
        {VK_LEFT, ssNone, A::PreviousDay},
        {VK_SUBTRACT, ssNone, A::PreviousDay},
        {VK_RIGHT, ssNone, A::NextDay},
        {VK_ADD, ssNone, A::NextDay},
        {VK_LEFT, ssLeft, A::PreviousDay},
        {VK_LEFT, ssCtrl, A::None},
        {VK_LEFT, ssShift, A::None},
        {VK_RIGHT, ssAlt, A::None},
        {VK_ADD, ssShift, A::None},
        {VK_SUBTRACT, ssCtrl, A::None},
        {VK_UP, ssNone, A::WeekBack},
        {VK_UP, ssCtrl, A::WeekBack},
        {VK_DOWN, ssShift, A::WeekForward},
        {VK_HOME, ssNone, A::None},
        {VK_END, ssCtrl, A::None},
        {'T', ssNone, A::None},
        {VK_TAB, ssNone, A::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarKeyActionOf(c.Key, c.Shift), c.Action)
            << "key " << c.Key << ", shift " << static_cast<int>(c.Shift);
    }
}

TEST(MonthCalendarInput, KeysMoveTheDate) {
    struct Ymd {
        int Year, Month, Day;
    };
    struct Case {
        Ymd From;
        int Key;
        TShiftState Shift;
        bool Handled;
        Ymd To;
    };
    using enum TShiftState;
    const Case cases[] = {
        {{2026, 3, 15}, VK_PRIOR, ssNone, true, {2026, 2, 15}},
        {{2026, 3, 15}, VK_PRIOR, ssCtrl, true, {2025, 3, 15}},
        {{2026, 3, 15}, VK_NEXT, ssNone, true, {2026, 4, 15}},
        {{2026, 3, 15}, VK_NEXT, ssCtrl, true, {2027, 3, 15}},
        {{2026, 3, 15}, VK_SUBTRACT, ssNone, true, {2026, 3, 14}},
        {{2026, 3, 15}, VK_ADD, ssNone, true, {2026, 3, 16}},
        {{2026, 3, 1}, VK_LEFT, ssNone, true, {2026, 2, 28}},
        {{2025, 12, 31}, VK_RIGHT, ssNone, true, {2026, 1, 1}},
        {{2026, 3, 15}, VK_LEFT, ssCtrl, false, {2026, 3, 15}},
        {{2026, 3, 15}, VK_HOME, ssNone, false, {2026, 3, 15}},
        {{2026, 3, 15}, VK_UP, ssNone, true, {2026, 3, 8}},
        {{2026, 3, 15}, VK_UP, ssCtrl, true, {2026, 3, 8}},
        {{2026, 3, 15}, VK_DOWN, ssNone, true, {2026, 3, 22}},
        {{2026, 3, 24}, VK_DOWN, ssNone, true, {2026, 3, 31}},
        {{2026, 3, 3}, VK_UP, ssNone, true, {2026, 3, 3}},      // row 1 above is empty
        {{2026, 3, 1}, VK_UP, ssNone, true, {2026, 3, 1}},      // the day names above
        {{2026, 3, 25}, VK_DOWN, ssNone, true, {2026, 3, 25}},  // empty below
        {{2026, 3, 31}, VK_DOWN, ssNone, true, {2026, 3, 31}},  // row 7 below
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.Key << " from " << c.From.Year << "-" << c.From.Month
                                        << "-" << c.From.Day);
        FixedLocalDay today(2026);
        RecordedCalendar calendar(c.From.Year, c.From.Month, c.From.Day);
        EXPECT_EQ(calendar.Model.KeyDown(c.Key, c.Shift), c.Handled);
        EXPECT_EQ(calendar.Model.CalendarDate(), MakeDate(c.To.Year, c.To.Month, c.To.Day));
        const bool changed = c.To.Year != c.From.Year || c.To.Month != c.From.Month || c.To.Day != c.From.Day;
        EXPECT_EQ(calendar.ChangeCount(), changed ? 1 : 0);
        EXPECT_EQ(calendar.Model.TitleText(),
                  calendar.Settings.MonthNamesLong[c.To.Month] + " " + std::to_string(c.To.Year));
    }
}

TEST(MonthCalendarInput, TypedTSelectsTodayAndIsConsumed) {
    const std::pair<char32_t, bool> cases[] = {{U'T', true}, {U't', true}, {U'x', false}, {U'7', false}};
    for (const auto& [character, consumed] : cases) {
        SCOPED_TRACE(static_cast<int>(character));
        FixedLocalDay today(2026, 3, 15);
        RecordedCalendar calendar(2000, 1, 1);
        char32_t key = character;
        EXPECT_EQ(calendar.Model.KeyPress(key), consumed);
        EXPECT_EQ(key, consumed ? 0 : character);
        EXPECT_EQ(calendar.Model.CalendarDate(), consumed ? MakeDate(2026, 3, 15) : MakeDate(2000, 1, 1));
        EXPECT_TRUE(calendar.Model.UseCurrentDate());
    }
}

TEST(MonthCalendarInput, ReadOnlyRefusesCellsButNotTheOtherWays) {
    FixedLocalDay today(2026, 3, 15);
    RecordedCalendar calendar(2026, 3, 10);
    MonthCalendarModel& model = calendar.Model;
    model.SetReadOnly(true);

    EXPECT_FALSE(model.MouseDown(2, 2));
    model.GridClick();
    EXPECT_FALSE(model.MoveCurrentCell(2, 2));
    EXPECT_TRUE(model.KeyDown(VK_UP, TShiftState::ssNone));
    EXPECT_TRUE(model.KeyDown(VK_DOWN, TShiftState::ssNone));
    EXPECT_EQ(model.CalendarDate(), MakeDate(2026, 3, 10));
    EXPECT_EQ(calendar.ChangeCount(), 0);

    bool selectableWhileUpdating = false;
    model.OnRefresh = [&](CalendarRefresh) { selectableWhileUpdating = model.CanSelectCell(2, 2); };
    EXPECT_TRUE(model.KeyDown(VK_NEXT, TShiftState::ssNone));
    EXPECT_TRUE(selectableWhileUpdating) << "the calendar itself still moves the selection";
    EXPECT_TRUE(model.KeyDown(VK_LEFT, TShiftState::ssNone));
    EXPECT_TRUE(model.KeyDown(VK_ADD, TShiftState::ssNone));
    EXPECT_TRUE(model.KeyDown(VK_ADD, TShiftState::ssNone));
    EXPECT_EQ(model.CalendarDate(), MakeDate(2026, 4, 11));
    model.NextYear();
    EXPECT_EQ(model.CalendarDate(), MakeDate(2027, 4, 11));
    char32_t key = U'T';
    model.KeyPress(key);
    EXPECT_EQ(model.CalendarDate(), MakeDate(2026, 3, 15));
    EXPECT_EQ(calendar.ChangeCount(), 6);
}

}  // namespace
}  // namespace quendar
