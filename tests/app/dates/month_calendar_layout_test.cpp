#include "app/dates/month_calendar_layout.h"

#include <gtest/gtest.h>

#include <optional>

namespace quendar {
namespace {

TEST(MonthCalendarLayout, DefaultSizeGivesTheTitleBarAndTheGrid) {
    EXPECT_EQ(CalendarTitleBarRect(CalendarDefaultSize, true), (Rect{4, 4, 174, 24}));
    EXPECT_EQ(CalendarGridRect(CalendarDefaultSize, true), (Rect{4, 24, 174, 135}));
    EXPECT_EQ(CalendarTitleBarRect(CalendarDefaultSize, false), (Rect{4, 4, 174, 4}));
    EXPECT_EQ(CalendarGridRect(CalendarDefaultSize, false), (Rect{4, 4, 174, 135}));
    EXPECT_EQ(CalendarGridRect({10, 20}, true), (Rect{4, 16, 6, 16}));
    EXPECT_EQ(CalendarGridRect({0, 0}, true), (Rect{4, 4, 4, 4}));
    EXPECT_EQ(NavigationButtonWidth(22), 18);
}

TEST(MonthCalendarLayout, CellsOfTheDefaultGrid) {
    const CalendarGridLayout grid({170, 111});
    EXPECT_EQ(grid.ColumnWidth(), 24);
    EXPECT_EQ(grid.RowHeight(), 15);
    struct Case {
        CalendarCell Cell;
        Rect Bounds, Background;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0, 24, 15}, {0, 0, 24, 15}},         {{6, 0}, {144, 0, 168, 15}, {144, 0, 170, 15}},
        {{0, 6}, {0, 90, 24, 105}, {0, 90, 24, 111}},     {{6, 6}, {144, 90, 168, 105}, {144, 90, 170, 111}},
        {{3, 7}, {72, 105, 96, 120}, {72, 105, 96, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Cell.Column << ", " << c.Cell.Row);
        EXPECT_EQ(grid.CellRect(c.Cell), c.Bounds);
        EXPECT_EQ(grid.CellBackgroundRect(c.Cell), c.Background);
    }
    EXPECT_EQ(grid.RightStripRect(), (Rect{168, 0, 170, 111}));
    EXPECT_TRUE(CalendarGridLayout({168, 105}).RightStripRect().IsEmpty());
}

TEST(MonthCalendarLayout, PointsFindTheirCell) {
    const CalendarGridLayout grid({170, 111});
    struct Case {
        Point At;
        std::optional<CalendarCell> Cell;
    };
    const Case cases[] = {
        {{0, 0}, CalendarCell{0, 0}},     {{23, 14}, CalendarCell{0, 0}},   {{24, 15}, CalendarCell{1, 1}},
        {{167, 104}, CalendarCell{6, 6}}, {{167, 110}, CalendarCell{6, 7}}, {{168, 50}, std::nullopt},
        {{5, 111}, std::nullopt},         {{-1, 5}, std::nullopt},          {{5, -1}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(grid.CellAt(c.At), c.Cell) << c.At.X << ", " << c.At.Y;
    }
    EXPECT_EQ(CalendarGridLayout({6, 100}).CellAt({0, 0}), std::nullopt);
    EXPECT_EQ(CalendarGridLayout({-5, -5}).CellAt({0, 0}), std::nullopt);
}

TEST(MonthCalendarLayout, TodayFrameAndCentredText) {
    EXPECT_EQ(TodayMarkRect({24, 15, 48, 30}), (Rect{26, 16, 47, 29}));
    struct Case {
        Size Text;
        Point Origin;
    };
    const Case cases[] = {
        {{13, 13}, {29, 16}},  // (24 - 13) / 2 = 5, (15 - 13) / 2 = 1
        {{7, 8}, {32, 18}},    //
        {{24, 15}, {24, 15}},  //
        {{27, 18}, {23, 14}},  // wider than the cell: -3 / 2 is -1
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CenteredTextOrigin({24, 15, 48, 30}, c.Text), c.Origin)
            << c.Text.Width << " x " << c.Text.Height;
    }
}

TEST(MonthCalendarLayout, TodayColorHalvesToEven) {
    const std::pair<ColorRef, ColorRef> cases[] = {
        {RGB(255, 0, 0), RGB(128, 0, 0)},     {RGB(1, 3, 5), RGB(0, 2, 2)},
        {RGB(254, 253, 7), RGB(127, 126, 4)}, {RGB(255, 255, 255), RGB(128, 128, 128)},
        {RGB(0, 0, 0), RGB(0, 0, 0)},         {RGB(9, 11, 2), RGB(4, 6, 1)},
    };
    for (const auto& [weekend, today] : cases) {
        EXPECT_EQ(TodayColorOf(weekend), today) << std::hex << weekend;
    }
}

}  // namespace
}  // namespace quendar
