// Draw grid input through the window system: keyboard navigation, mouse
// selection, refused cells, range selection, paging and focus.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/draw_grid.h"

namespace quendar::testing_support {
namespace {

// Opens the moves that the calendar's grid uses.
class ProbeGrid : public TDrawGrid {
public:
    explicit ProbeGrid(TComponent* owner) : TDrawGrid(owner) {}
    using TDrawGrid::MoveCurrent;
};

class DrawGridInputTest : public ControlTest {
protected:
    // A shown form with a 5 x 5 grid (one fixed column and row) of 30 x 20
    // cells and lines of 1, all of it visible, holding the focus.
    ProbeGrid* ShowGrid(FormPtr& form, int rows = 5, int height = 120) {
        form = MakeForm(300, 200);
        other = Add<KeyTarget>(*form, Rect::FromSize(250, 0, 20, 20));
        ProbeGrid* grid = Add<ProbeGrid>(*form, Rect::FromSize(0, 0, 200, height));
        grid->SetBorderStyle(TBorderStyle::bsNone);
        grid->SetRowCount(rows);
        grid->SetDefaultColWidth(30);
        grid->SetDefaultRowHeight(20);
        grid->OnClick = TNotifyEvent([this](TComponent*) { ++clicks; });
        form->Show();
        robot->Pump();
        grid->SetFocus();
        robot->Pump();
        return grid;
    }
    // The client point in the middle of a cell.
    static Point Middle(const TDrawGrid& grid, int col, int row) {
        Rect cell = grid.CellRect(col, row);
        return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    }

    KeyTarget* other = nullptr;
    int clicks = 0;
};

TEST_F(DrawGridInputTest, KeysMoveTheCurrentCellWithinTheScrollingCells) {
    FormPtr form;
    TDrawGrid* grid = ShowGrid(form);
    struct Step {
        const char* Name;
        int Key;
        int Modifier;
        TGridCoord Expected;
        int Clicks;  // OnClick count so far
    } steps[] = {
        {"Right", VK_RIGHT, 0, {2, 1}, 1},
        {"Down", VK_DOWN, 0, {2, 2}, 2},
        {"End", VK_END, 0, {4, 2}, 3},
        {"Right at the last column", VK_RIGHT, 0, {4, 2}, 3},
        {"Home", VK_HOME, 0, {1, 2}, 4},
        {"Left at the first scrolling column", VK_LEFT, 0, {1, 2}, 4},
        {"Ctrl+End", VK_END, VK_CONTROL, {4, 4}, 5},
        {"Down at the last row", VK_DOWN, 0, {4, 4}, 5},
        {"Ctrl+Home", VK_HOME, VK_CONTROL, {1, 1}, 6},
        {"Up at the first scrolling row", VK_UP, 0, {1, 1}, 6},
    };
    for (const Step& step : steps) {
        Press(step.Key, step.Modifier);
        EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), step.Expected) << step.Name;
        EXPECT_EQ(grid->Selection(),
                  (TGridRect{step.Expected.X, step.Expected.Y, step.Expected.X, step.Expected.Y}))
            << step.Name;
        EXPECT_EQ(clicks, step.Clicks) << step.Name;
        EXPECT_TRUE(grid->Focused()) << step.Name;  // arrows never move the focus away
    }
}

TEST_F(DrawGridInputTest, RefusedCellsKeepTheOldCellForKeysAndClicks) {
    FormPtr form;
    TDrawGrid* grid = ShowGrid(form);
    std::vector<std::string> asked;
    grid->OnSelectCell = [&](TComponent* sender, int col, int row, bool& canSelect) {
        EXPECT_EQ(sender, grid);
        asked.push_back(std::to_string(col) + "," + std::to_string(row));
        if (col == 3) canSelect = false;
    };
    Press(VK_RIGHT);
    Press(VK_RIGHT);  // column 3 refuses
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 1}));
    ClickAt(*grid, Middle(*grid, 3, 2));
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{2, 1}));
    ClickAt(*grid, Middle(*grid, 4, 3));
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{4, 3}));
    EXPECT_EQ(asked, (std::vector<std::string>{"2,1", "3,1", "3,2", "4,3"}));
    // One click each for the accepted key move and for both mouse releases.
    EXPECT_EQ(clicks, 3);
}

TEST_F(DrawGridInputTest, PressingACellMakesItCurrentAndTheReleaseClicks) {
    FormPtr form;
    TDrawGrid* grid = ShowGrid(form);
    MoveTo(*grid, Middle(*grid, 3, 2));
    robot->Press();
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 2}));
    EXPECT_EQ(clicks, 0);
    robot->Release();
    EXPECT_EQ(clicks, 1);
    ClickAt(*grid, Middle(*grid, 0, 3));  // a fixed cell is never current
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 2}));
    ClickAt(*grid, {190, 50});  // beyond the last column
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 2}));
}

TEST_F(DrawGridInputTest, ShiftAndDraggingSelectABlockOnlyWithRangeSelect) {
    FormPtr form;
    TDrawGrid* grid = ShowGrid(form);
    Press(VK_RIGHT, VK_SHIFT);
    Press(VK_DOWN, VK_SHIFT);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
    Press(VK_LEFT, VK_SHIFT);
    Press(VK_LEFT, VK_SHIFT);  // the anchor stays, the block never inverts past the edge
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 2}));

    MoveTo(*grid, Middle(*grid, 2, 1));
    robot->Press();
    MoveTo(*grid, Middle(*grid, 4, 3));
    robot->Release();
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 4, 3}));
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{4, 3}));

    // Dragging beyond the grid selects up to the nearest shown cell.
    MoveTo(*grid, Middle(*grid, 2, 2));
    robot->Press();
    MoveTo(*grid, {-40, -40});
    robot->Release();
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));

    grid->SetOptions(grid->Options() & ~TGridOptions::goRangeSelect);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
    Press(VK_RIGHT, VK_SHIFT);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 2, 1}));
    MoveTo(*grid, Middle(*grid, 2, 2));
    robot->Press();
    MoveTo(*grid, Middle(*grid, 4, 4));
    robot->Release();
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 2, 2}));
}

TEST_F(DrawGridInputTest, PageKeysMoveAPageAndTheViewWithIt) {
    FormPtr form;
    // 12 rows; the grid shows the fixed row and 3 whole scrolling rows.
    TDrawGrid* grid = ShowGrid(form, 12, 90);
    ASSERT_EQ(grid->VisibleRowCount(), 3);
    struct Step {
        int Key;
        int Modifier;
        int Row;
        int TopRow;
    } steps[] = {
        {VK_NEXT, 0, 4, 4},  {VK_NEXT, 0, 7, 7},  {VK_NEXT, 0, 10, 9},  // the last page
        {VK_NEXT, 0, 11, 9}, {VK_PRIOR, 0, 8, 6}, {VK_UP, 0, 7, 6},
        {VK_UP, 0, 6, 6},    {VK_UP, 0, 5, 5},    {VK_PRIOR, 0, 2, 2},
        {VK_PRIOR, 0, 1, 1}, {VK_DOWN, 0, 2, 1},  {VK_END, VK_CONTROL, 11, 9},
    };
    for (const Step& step : steps) {
        Press(step.Key, step.Modifier);
        EXPECT_EQ(grid->Row(), step.Row) << step.Key << " to " << step.Row;
        EXPECT_EQ(grid->TopRow(), step.TopRow) << step.Key << " to " << step.Row;
    }
}

TEST_F(DrawGridInputTest, MovingWithoutShowLeavesTheViewAlone) {
    FormPtr form;
    ProbeGrid* grid = ShowGrid(form, 12, 90);
    EXPECT_TRUE(grid->MoveCurrent(2, 9, true, false));
    EXPECT_EQ(grid->Row(), 9);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(clicks, 0);
    grid->SetRow(10);  // the public way scrolls and clicks
    EXPECT_EQ(grid->TopRow(), 8);
    EXPECT_EQ(clicks, 1);
}

TEST_F(DrawGridInputTest, ClickingTakesTheFocusAndTabLeavesUnlessTabsAreCells) {
    FormPtr form;
    TDrawGrid* grid = ShowGrid(form);
    other->SetFocus();
    robot->Pump();
    ASSERT_FALSE(grid->Focused());
    ClickAt(*grid, Middle(*grid, 2, 2));
    EXPECT_TRUE(grid->Focused());
    Press(VK_TAB);
    EXPECT_TRUE(other->Focused());

    grid->SetOptions(grid->Options() | TGridOptions::goTabs);
    grid->SetFocus();
    robot->Pump();
    struct Step {
        int Modifier;
        TGridCoord Expected;
    } steps[] = {{0, {3, 2}}, {0, {4, 2}}, {0, {1, 3}}, {VK_SHIFT, {4, 2}}};
    for (const Step& step : steps) {
        Press(VK_TAB, step.Modifier);
        EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), step.Expected);
        EXPECT_TRUE(grid->Focused());
    }
    EXPECT_TRUE(other->Typed.empty());
}

}  // namespace
}  // namespace quendar::testing_support
