// What the month calendar shows, read from its rendered window: the title,
// today's frame, the weekend columns, the bold selected day and the cell
// hook's colours.

#include <gtest/gtest.h>

#include "calendar_test_support.h"

namespace quendar::testing_support {
namespace {

constexpr ColorRef TodayRed = RGB(128, 0, 0);
constexpr ColorRef WeekendRed = RGB(255, 0, 0);
constexpr ColorRef Face = RGB(212, 208, 200);

class MonthCalendarPaintingTest : public CalendarTest {
protected:
    // The grid's picture cut to one cell.
    Bitmap CellPixels(int col, int row) {
        const Bitmap grid = GridPixels();
        const Rect cell = CalendarGridLayout({grid.Width(), grid.Height()}).CellRect({col, row});
        Bitmap part(cell.Width(), cell.Height());
        for (int y = 0; y < cell.Height(); ++y)
            for (int x = 0; x < cell.Width(); ++x)
                part.SetPixel(x, y, grid.PixelAt(cell.Left + x, cell.Top + y));
        return part;
    }
    static int Count(const Bitmap& picture, ColorRef color) {
        int count = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x) count += picture.PixelAt(x, y) == color ? 1 : 0;
        return count;
    }
    static int Ink(const Bitmap& picture) {
        return picture.Width() * picture.Height() - Count(picture, Face);
    }
};

TEST_F(MonthCalendarPaintingTest, TitleShowsTheMonthAndYear) {
    const Bitmap march = ClientPixels(*robot, *form, calendar->TitleBar());
    EXPECT_EQ(calendar->TitleBar().Caption(), "March 2026");
    ClickButton(calendar->NextMonthButton());
    EXPECT_EQ(calendar->TitleBar().Caption(), "April 2026");
    // Away from the buttons, where only the caption is drawn.
    const Bitmap april = ClientPixels(*robot, *form, calendar->TitleBar());
    const ColorRef bar = GetSysColor(COLOR_ACTIVECAPTION);
    const ColorRef text = GetSysColor(COLOR_CAPTIONTEXT);
    int differing = 0;
    int textPixels = 0;
    for (int y = 0; y < april.Height(); ++y) {
        for (int x = 40; x < april.Width() - 40; ++x) {
            differing += march.PixelAt(x, y) != april.PixelAt(x, y) ? 1 : 0;
            textPixels += april.PixelAt(x, y) == text ? 1 : 0;
        }
    }
    EXPECT_GT(differing, 0);
    EXPECT_GT(textPixels, 0);
    EXPECT_EQ(april.PixelAt(40, 0), bar);
}

TEST_F(MonthCalendarPaintingTest, TodayIsFramedInHalfTheWeekendColourWhileSelected) {
    // 15 March: column 6, row 3, cell (144, 45)-(168, 60); frame (146, 46)-(167, 59).
    const Bitmap grid = GridPixels();
    const struct {
        const char* Name;
        Point At;
        ColorRef Expected;
    } pixels[] = {
        {"top edge", {156, 46}, TodayRed},       {"bottom edge", {156, 58}, TodayRed},
        {"left edge", {146, 52}, TodayRed},      {"right edge", {166, 52}, TodayRed},
        {"left of the frame", {145, 52}, Face},  {"above the frame", {156, 45}, Face},
        {"right of the frame", {167, 52}, Face},
    };
    for (const auto& p : pixels) EXPECT_EQ(grid.PixelAt(p.At.X, p.At.Y), p.Expected) << p.Name;
    const Bitmap cell = CellPixels(6, 3);
    EXPECT_GT(Count(cell, TodayRed), 2 * 21 + 2 * 11);  // the frame and the text
    EXPECT_EQ(Count(cell, WeekendRed), 0);              // today wins over the weekend colour
}

TEST_F(MonthCalendarPaintingTest, TodayMarkFollowsShowCurrentDate) {
    calendar->SetShowCurrentDate(false);
    robot->Pump();
    const Bitmap cell = CellPixels(6, 3);
    EXPECT_EQ(Count(cell, TodayRed), 0);
    EXPECT_GT(Count(cell, WeekendRed), 0);
}

TEST_F(MonthCalendarPaintingTest, WeekendColumnsAreRedHeadersIncluded) {
    calendar->SetStartOfWeek(TCalDayOfWeek::dowSunday);
    calendar->SetWeekends({TCalDayOfWeek::dowSaturday, TCalDayOfWeek::dowSunday});
    Select(2026, 2, 10);  // a month without today
    robot->Pump();
    EXPECT_EQ(calendar->CellText(0, 0), "Sun");
    EXPECT_EQ(calendar->CellText(6, 0), "Sat");
    const struct {
        int Col, Row;
        bool Red;
    } cells[] = {
        {0, 0, true}, {6, 0, true}, {0, 2, true}, {6, 4, true}, {1, 0, false}, {3, 2, false}, {5, 3, false},
    };
    for (const auto& c : cells) {
        const Bitmap cell = CellPixels(c.Col, c.Row);
        SCOPED_TRACE(::testing::Message() << "column " << c.Col << ", row " << c.Row);
        EXPECT_EQ(Count(cell, WeekendRed) > 0, c.Red);
        EXPECT_EQ(Count(cell, RGB(0, 0, 0)) > 0, !c.Red);
        EXPECT_GT(Ink(cell), 0);
    }
}

TEST_F(MonthCalendarPaintingTest, SelectedDayIsBold) {
    Select(2026, 2, 12);  // 12 February: column 3, row 3
    const Bitmap bold = CellPixels(3, 3);
    ClickCell(4, 3);  // 13 February
    EXPECT_EQ(calendar->Day(), 13);
    const Bitmap regular = CellPixels(3, 3);
    const Rect boldInk = InkBounds(bold, Face);
    const Rect regularInk = InkBounds(regular, Face);
    EXPECT_GT(boldInk.Width(), regularInk.Width());
    EXPECT_GT(Ink(bold), Ink(regular));
}

TEST_F(MonthCalendarPaintingTest, CellHookSeesTheGridAndMayFillTheCell) {
    int calls = 0;
    calendar->OnGetCellParams = [&](TComponent* sender, TDateTime date, TFont& font, TColor& background) {
        ++calls;
        EXPECT_EQ(sender, &calendar->Grid());
        EXPECT_EQ(background, clNone);
        if (date == Date(2026, 3, 4)) {
            background = clYellow;
            font.SetColor(clBlue);
        }
    };
    calendar->Grid().Invalidate();
    robot->Pump();
    EXPECT_EQ(calls, 31);  // day cells only
    const Bitmap cell = CellPixels(2, 2);
    EXPECT_EQ(cell.PixelAt(0, 0), RGB(255, 255, 0));
    EXPECT_EQ(cell.PixelAt(cell.Width() - 1, cell.Height() - 1), RGB(255, 255, 0));
    EXPECT_GT(Count(cell, RGB(0, 0, 255)), 0);
    EXPECT_EQ(CellPixels(3, 2).PixelAt(0, 0), Face);
}

}  // namespace
}  // namespace quendar::testing_support
