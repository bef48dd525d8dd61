// Draw grid geometry: cell rectangles, points to cells and what fits, with
// per-column sizes, grid lines, scrolled columns and a cut client area.

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "framework/draw_grid.h"

namespace quendar::testing_support {
namespace {

class DrawGridGeometryTest : public ControlTest {
protected:
    // 4 x 3 cells, one fixed column and row; columns 10, 20, 5 and 30
    // wide, rows 10 high, lines of 1: columns start at 0, 11, 32 and 38,
    // rows at 0, 11 and 22.
    TDrawGrid* MakeGrid(TForm& form, int width = 100, int height = 50) {
        TDrawGrid* grid = Add<TDrawGrid>(form, Rect::FromSize(0, 0, width, height));
        grid->SetBorderStyle(TBorderStyle::bsNone);
        grid->SetColCount(4);
        grid->SetRowCount(3);
        grid->SetDefaultRowHeight(10);
        const int widths[] = {10, 20, 5, 30};
        for (int col = 0; col < 4; ++col) grid->SetColWidths(col, widths[col]);
        return grid;
    }
};

TEST_F(DrawGridGeometryTest, CellRectsFollowPerColumnWidthsAndLines) {
    FormPtr form = MakeForm(200, 100);
    TDrawGrid* grid = MakeGrid(*form);
    struct Case {
        int Col, Row;
        Rect Expected;
    } cases[] = {
        {0, 0, {0, 0, 10, 10}},
        {1, 0, {11, 0, 31, 10}},
        {2, 1, {32, 11, 37, 21}},
        {3, 2, {38, 22, 68, 32}},
        {4, 0, {}},
        {0, 3, {}},
        {-1, 0, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(grid->CellRect(c.Col, c.Row), c.Expected) << c.Col << "," << c.Row;
}

TEST_F(DrawGridGeometryTest, MouseToCellCountsEachLineToTheCellBeforeIt) {
    FormPtr form = MakeForm(200, 100);
    TDrawGrid* grid = MakeGrid(*form);
    struct Case {
        int X, Y, Col, Row;
    } cases[] = {
        {0, 0, 0, 0},   {9, 9, 0, 0},  {10, 10, 0, 0}, {11, 11, 1, 1},   {31, 21, 1, 1},   {32, 22, 2, 2},
        {37, 32, 2, 2}, {38, 0, 3, 0}, {68, 0, 3, 0},  {69, 33, -1, -1}, {-1, -1, -1, -1}, {99, 49, -1, -1},
    };
    for (const Case& c : cases) {
        int col = -2;
        int row = -2;
        grid->MouseToCell(c.X, c.Y, col, row);
        EXPECT_EQ(col, c.Col) << c.X;
        EXPECT_EQ(row, c.Row) << c.Y;
        EXPECT_EQ(grid->MouseCoord(c.X, c.Y), (TGridCoord{c.Col, c.Row})) << c.X << "," << c.Y;
    }
}

TEST_F(DrawGridGeometryTest, ScrolledColumnsFollowTheFixedOnes) {
    FormPtr form = MakeForm(200, 100);
    TDrawGrid* grid = MakeGrid(*form);
    grid->SetLeftCol(2);
    EXPECT_EQ(grid->CellRect(1, 1), Rect{});
    EXPECT_EQ(grid->CellRect(0, 1), Rect::FromSize(0, 11, 10, 10));
    EXPECT_EQ(grid->CellRect(2, 1), Rect::FromSize(11, 11, 5, 10));
    EXPECT_EQ(grid->CellRect(3, 1), Rect::FromSize(17, 11, 30, 10));
    EXPECT_EQ(grid->MouseCoord(16, 0), (TGridCoord{2, 0}));
    EXPECT_EQ(grid->MouseCoord(17, 0), (TGridCoord{3, 0}));
    EXPECT_EQ(grid->MouseCoord(48, 0), (TGridCoord{-1, 0}));
    grid->SetLeftCol(9);  // clamped to the last column
    EXPECT_EQ(grid->LeftCol(), 3);
    grid->SetLeftCol(0);  // clamped to the first scrolling column
    EXPECT_EQ(grid->LeftCol(), 1);
}

TEST_F(DrawGridGeometryTest, LineWidthAppliesOnlyWithALineOptionOfThatDirection) {
    FormPtr form = MakeForm(200, 100);
    TDrawGrid* grid = MakeGrid(*form);
    grid->SetGridLineWidth(3);
    struct Case {
        TGridOptions Options;
        Rect Cell;  // of (2, 2)
    } cases[] = {
        {TGridOptions::goNone, {30, 20, 35, 30}},
        {TGridOptions::goVertLine, {36, 20, 41, 30}},
        {TGridOptions::goFixedHorzLine, {30, 26, 35, 36}},
        {DefaultGridOptions, {36, 26, 41, 36}},
    };
    for (const Case& c : cases) {
        grid->SetOptions(c.Options);
        EXPECT_EQ(grid->CellRect(2, 2), c.Cell) << static_cast<unsigned>(c.Options);
    }
}

TEST_F(DrawGridGeometryTest, ACutCellIsStillWholeButNotCountedAsVisible) {
    FormPtr form = MakeForm(200, 100);
    TDrawGrid* grid = MakeGrid(*form, 50, 30);
    EXPECT_EQ(grid->CellRect(3, 1), Rect::FromSize(38, 11, 30, 10));
    EXPECT_EQ(grid->MouseCoord(49, 29), (TGridCoord{3, 2}));
    EXPECT_EQ(grid->MouseCoord(50, 0), (TGridCoord{-1, 0}));
    EXPECT_EQ(grid->VisibleColCount(), 2);  // columns 1 and 2; column 3 ends at 68
    EXPECT_EQ(grid->VisibleRowCount(), 1);  // row 2 ends at 32
}

TEST_F(DrawGridGeometryTest, MonthGridLayoutLeavesTheRemainderOutsideAnyCell) {
    FormPtr form = MakeForm(200, 130);
    TDrawGrid* grid = Add<TDrawGrid>(*form, Rect::FromSize(0, 0, 170, 111));
    grid->SetBorderStyle(TBorderStyle::bsNone);
    grid->SetColCount(7);
    grid->SetRowCount(8);
    grid->SetFixedCols(0);
    grid->SetOptions(TGridOptions::goNone);
    grid->SetDefaultColWidth(24);
    grid->SetDefaultRowHeight(15);
    EXPECT_EQ(grid->CellRect(0, 0), Rect::FromSize(0, 0, 24, 15));
    EXPECT_EQ(grid->CellRect(6, 7), Rect::FromSize(144, 105, 24, 15));
    EXPECT_EQ(grid->MouseCoord(167, 110), (TGridCoord{6, 7}));
    EXPECT_EQ(grid->MouseCoord(168, 50), (TGridCoord{-1, 3}));
    EXPECT_EQ(grid->VisibleRowCount(), 6);
    EXPECT_EQ(grid->VisibleColCount(), 7);
}

TEST_F(DrawGridGeometryTest, CountsAndFixedCountsStayConsistent) {
    FormPtr form = MakeForm();
    TDrawGrid* grid = MakeGrid(*form);
    grid->SetSelection({2, 1, 3, 2});
    grid->SetColCount(2);  // the current cell and anchor move inside
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 2}));
    EXPECT_EQ(grid->ColWidths(1), 20);  // kept
    grid->SetColCount(3);
    EXPECT_EQ(grid->ColWidths(2), 64);  // new columns take the default
    EXPECT_THROW(grid->SetFixedCols(3), EInvalidGridOperation);
    EXPECT_THROW(grid->SetFixedRows(-1), EInvalidGridOperation);
    EXPECT_THROW(grid->ColWidths(3), EInvalidGridOperation);
    EXPECT_THROW(grid->SetRowHeights(-1, 5), EInvalidGridOperation);
    EXPECT_THROW(grid->SetCol(0), EInvalidGridOperation);  // a fixed column
    grid->SetColCount(1);                                  // no room for a fixed column any more
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->Col(), 0);
    grid->SetColCount(0);
    EXPECT_EQ(grid->ColCount(), 1);
}

}  // namespace
}  // namespace quendar::testing_support
