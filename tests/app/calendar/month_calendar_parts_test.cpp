// The parts a new month calendar consists of and where they lie.

#include <gtest/gtest.h>

#include <functional>

#include "calendar_test_support.h"

namespace quendar::testing_support {
namespace {

class MonthCalendarPartsTest : public CalendarTest {};

TEST_F(MonthCalendarPartsTest, NewCalendarHasTheTitleBarButtonsAndGrid) {
    EXPECT_EQ(calendar->Caption(), " ");
    EXPECT_EQ(calendar->BorderWidth(), 3);
    EXPECT_EQ(calendar->BevelWidth(), 1);
    EXPECT_EQ(calendar->CalendarDate(), Date(2026, 3, 15));
    EXPECT_TRUE(calendar->UseCurrentDate());
    EXPECT_TRUE(calendar->ShowCurrentDate());
    EXPECT_TRUE(calendar->ShowTitle());

    const TsDragBar& title = calendar->TitleBar();
    EXPECT_EQ(title.Parent(), calendar);
    EXPECT_EQ(title.BoundsRect(), (Rect{4, 4, 174, 24}));
    EXPECT_EQ(title.Caption(), "March 2026");
    EXPECT_TRUE(Contains(title.Font().Style(), TFontStyles::fsBold));
    EXPECT_EQ(title.Font().Name(), calendar->Font().Name());
    EXPECT_EQ(title.Font().Height(), calendar->Font().Height());
    EXPECT_EQ(title.Font().Color(), clCaptionText);
    EXPECT_EQ(title.Color(), clActiveCaption);
    EXPECT_EQ(title.Cursor(), IDC_HAND);

    const struct {
        const TsTimerSpeedButton& Button;
        const char* Caption;
        Rect Bounds;  // in the title bar
    } buttons[] = {
        {calendar->PrevYearButton(), "<<", {0, 0, 18, 20}},
        {calendar->PrevMonthButton(), "<", {18, 0, 36, 20}},
        {calendar->NextMonthButton(), ">", {134, 0, 152, 20}},
        {calendar->NextYearButton(), ">>", {152, 0, 170, 20}},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.Button.Caption(), b.Caption);
        EXPECT_EQ(b.Button.BoundsRect(), b.Bounds) << b.Caption;
        EXPECT_EQ(b.Button.Parent(), &title) << b.Caption;
        EXPECT_TRUE(b.Button.Flat()) << b.Caption;
        EXPECT_TRUE(b.Button.AllowTimer()) << b.Caption;
        EXPECT_EQ(b.Button.Color(), title.Color()) << b.Caption;
    }

    const TsCalendGrid& grid = calendar->Grid();
    EXPECT_EQ(grid.BoundsRect(), (Rect{4, 24, 174, 135}));
    EXPECT_EQ(grid.ColCount(), 7);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.ColWidths(0), 24);
    EXPECT_EQ(grid.RowHeights(7), 15);
    EXPECT_TRUE(grid.TabStop());
    EXPECT_EQ(grid.Color(), calendar->Color());
    EXPECT_EQ(grid.Col(), 6);
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(MonthCalendarPartsTest, CellsFollowTheGridSize) {
    struct Case {
        Size Calendar;
        int ColumnWidth, RowHeight;
    } cases[] = {
        {{178, 139}, 24, 15},
        {{250, 200}, 34, 24},  // grid 242 x 172
        {{20, 40}, 1, 1},      // grid 12 x 12
    };
    for (const Case& c : cases) {
        calendar->SetBounds(10, 10, c.Calendar.Width, c.Calendar.Height);
        robot->Pump();
        EXPECT_EQ(calendar->Grid().ColWidths(3), c.ColumnWidth) << c.Calendar.Width;
        EXPECT_EQ(calendar->Grid().RowHeights(3), c.RowHeight) << c.Calendar.Height;
    }
}

TEST_F(MonthCalendarPartsTest, HiddenTitleGivesItsPlaceToTheGrid) {
    calendar->SetShowTitle(false);
    robot->Pump();
    EXPECT_EQ(calendar->TitleBar().Parent(), nullptr);
    EXPECT_EQ(calendar->Grid().BoundsRect(), (Rect{4, 4, 174, 135}));
    ClickButton(calendar->Grid());  // the grid still works
    calendar->SetShowTitle(true);
    robot->Pump();
    EXPECT_EQ(calendar->TitleBar().Parent(), calendar);
    EXPECT_TRUE(calendar->TitleBar().Visible());
    EXPECT_EQ(calendar->Grid().BoundsRect(), (Rect{4, 24, 174, 135}));
    ClickButton(calendar->NextMonthButton());
    EXPECT_EQ(calendar->TitleBar().Caption(), "April 2026");
}

TEST_F(MonthCalendarPartsTest, WritesThroughTheCalendar) {
    struct Case {
        const char* Name;
        std::function<void(int)> Write;
        int Value;
        TDateTime Expected;
        int Changes;
    } cases[] = {
        {"Day", [&](int v) { calendar->SetDay(v); }, 20, Date(2026, 3, 20), 1},
        {"Day beyond the month", [&](int v) { calendar->SetDay(v); }, 32, Date(2026, 3, 20), 1},
        {"Month", [&](int v) { calendar->SetMonth(v); }, 2, Date(2026, 2, 20), 2},
        {"Month 13", [&](int v) { calendar->SetMonth(v); }, 13, Date(2026, 2, 20), 2},
        {"Year", [&](int v) { calendar->SetYear(v); }, 2030, Date(2030, 2, 20), 3},
        {"Year 0", [&](int v) { calendar->SetYear(v); }, 0, Date(2030, 2, 20), 3},
    };
    for (const Case& c : cases) {
        c.Write(c.Value);
        EXPECT_EQ(calendar->CalendarDate(), c.Expected) << c.Name;
        EXPECT_EQ(changes, c.Changes) << c.Name;
    }
    EXPECT_FALSE(calendar->UseCurrentDate());
    EXPECT_EQ(calendar->TitleBar().Caption(), "February 2030");
    calendar->SetUseCurrentDate(true);
    EXPECT_EQ(calendar->CalendarDate(), Date(2026, 3, 15));
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace quendar::testing_support
