// Draw grid painting: which cells OnDrawCell gets with which rectangles and
// states, and the classic look pixel by pixel on a tiny grid.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_picture.h"
#include "control_test_support.h"
#include "framework/draw_grid.h"

namespace quendar::testing_support {
namespace {

// '.' black, 'W' white (window, highlight), 'F' button face, 'S' button
// shadow, 'D' dark shadow, 'H' selection highlight, 'L' silver line, 'R' red.
const std::vector<PaletteEntry>& GridPalette() {
    static const std::vector<PaletteEntry> palette = {
        {RGB(0, 0, 0), '.'},       {RGB(255, 255, 255), 'W'}, {RGB(212, 208, 200), 'F'},
        {RGB(128, 128, 128), 'S'}, {RGB(10, 36, 106), 'H'},   {RGB(192, 192, 192), 'L'},
        {RGB(255, 0, 0), 'R'},     {RGB(64, 64, 64), 'D'},
    };
    return palette;
}

struct DrawnCell {
    int Col, Row;
    Rect Bounds;
    TGridDrawState State;
    friend bool operator==(const DrawnCell&, const DrawnCell&) = default;
};

std::ostream& operator<<(std::ostream& out, const DrawnCell& c) {
    return out << "(" << c.Col << "," << c.Row << ") [" << c.Bounds.Left << "," << c.Bounds.Top << ","
               << c.Bounds.Right << "," << c.Bounds.Bottom << "] state " << static_cast<unsigned>(c.State);
}

class DrawGridPaintingTest : public ControlTest {
protected:
    // A tiny grid: 2 x 2 cells of 4 x 3 with lines of 1, one fixed column
    // and row, 10 x 8 pixels in all.
    TDrawGrid* ShowTinyGrid(FormPtr& form) {
        form = MakeForm(60, 40);
        other = Add<KeyTarget>(*form, Rect::FromSize(40, 0, 10, 10));
        TDrawGrid* grid = Add<TDrawGrid>(*form, Rect::FromSize(0, 0, 10, 8));
        grid->SetBorderStyle(TBorderStyle::bsNone);
        grid->SetColCount(2);
        grid->SetRowCount(2);
        grid->SetDefaultColWidth(4);
        grid->SetDefaultRowHeight(3);
        form->Show();
        robot->Pump();
        other->SetFocus();
        robot->Pump();
        return grid;
    }
    std::vector<std::string> GridPicture(TForm& form, TDrawGrid& grid) {
        robot->Pump();
        return ControlPicture(*robot, form, grid, grid.ClientRect(), GridPalette());
    }

    KeyTarget* other = nullptr;
};

TEST_F(DrawGridPaintingTest, OnDrawCellGetsEveryShownCellWithItsRectAndState) {
    FormPtr form = MakeForm(200, 100);
    KeyTarget* otherControl = Add<KeyTarget>(*form, Rect::FromSize(150, 0, 10, 10));
    TDrawGrid* grid = Add<TDrawGrid>(*form, Rect::FromSize(0, 0, 25, 20));
    grid->SetBorderStyle(TBorderStyle::bsNone);
    grid->SetColCount(4);
    grid->SetRowCount(4);
    grid->SetDefaultColWidth(10);
    grid->SetDefaultRowHeight(8);
    std::vector<DrawnCell> drawn;
    grid->OnDrawCell = [&](TComponent* sender, int col, int row, const Rect& rect, TGridDrawState state) {
        EXPECT_EQ(sender, grid);
        drawn.push_back({col, row, rect, state});
    };
    form->Show();
    robot->Pump();
    otherControl->SetFocus();
    robot->Pump();
    grid->SetTopRow(2);  // row 1 scrolls out; column 2 and row 3 are cut by the client area
    grid->SetSelection({2, 2, 1, 2});
    drawn.clear();
    grid->Repaint();
    const auto fixed = TGridDrawState::gdFixed;
    const auto none = TGridDrawState::gdNone;
    const auto selected = TGridDrawState::gdSelected;
    std::vector<DrawnCell> expected = {
        {0, 0, {0, 0, 10, 8}, fixed},   {1, 0, {11, 0, 21, 8}, fixed},     {2, 0, {22, 0, 32, 8}, fixed},
        {0, 2, {0, 9, 10, 17}, fixed},  {1, 2, {11, 9, 21, 17}, selected}, {2, 2, {22, 9, 32, 17}, selected},
        {0, 3, {0, 18, 10, 26}, fixed}, {1, 3, {11, 18, 21, 26}, none},    {2, 3, {22, 18, 32, 26}, none},
    };
    EXPECT_EQ(drawn, expected);

    // Focused: the current cell is outlined, not highlighted, unless
    // goDrawFocusSelected; the anchor's end of the block stays selected.
    grid->SetFocus();
    robot->Pump();
    const auto focused = TGridDrawState::gdFocused;
    struct Case {
        TGridOptions Extra;
        TGridDrawState Current;
    } cases[] = {
        {TGridOptions::goNone, focused},
        {TGridOptions::goDrawFocusSelected, focused | selected},
    };
    for (const Case& c : cases) {
        grid->SetOptions(DefaultGridOptions | c.Extra);
        drawn.clear();
        grid->Repaint();
        ASSERT_EQ(drawn.size(), 9u);
        EXPECT_EQ(drawn[4], (DrawnCell{1, 2, {11, 9, 21, 17}, c.Current}));
        EXPECT_EQ(drawn[5], (DrawnCell{2, 2, {22, 9, 32, 17}, selected}));
    }
}

TEST_F(DrawGridPaintingTest, ClassicLookRaisesFixedCellsAndHighlightsTheSelection) {
    FormPtr form;
    TDrawGrid* grid = ShowTinyGrid(form);
    EXPECT_EQ(GridPicture(*form, *grid), (std::vector<std::string>{
                                             "WWWS.WWWS.",
                                             "WFFS.WFFS.",
                                             "SSSS.SSSS.",
                                             "..........",
                                             "WWWS.HHHHL",
                                             "WFFS.HHHHL",
                                             "SSSS.HHHHL",
                                             ".....LLLLL",
                                         }));
}

TEST_F(DrawGridPaintingTest, TheFocusedCurrentCellShowsADottedFocusRectangle) {
    FormPtr form;
    TDrawGrid* grid = ShowTinyGrid(form);
    grid->SetFocus();
    std::vector<std::string> picture = GridPicture(*form, *grid);
    EXPECT_EQ(std::vector<std::string>(picture.begin() + 4, picture.begin() + 7),
              (std::vector<std::string>{"WWWS..W.WL", "WFFS.WWW.L", "SSSS..W.WL"}));
}

TEST_F(DrawGridPaintingTest, FlatLooksAndLineOptionsChangeThePixels) {
    struct Case {
        const char* Name;
        bool Ctl3D;
        TGridOptions Options;
        bool DefaultDrawing;
        std::vector<std::string> Expected;
    } cases[] = {
        {"flat fixed cells",
         false,
         DefaultGridOptions,
         true,
         {"FFFF.FFFF.", "FFFF.FFFF.", "FFFF.FFFF.", "..........", "FFFF.HHHHL", "FFFF.HHHHL", "FFFF.HHHHL",
          ".....LLLLL"}},
        {"lines only where their option is on; other gaps take the cell's colour",
         false,
         TGridOptions::goFixedVertLine | TGridOptions::goHorzLine,
         true,
         {"FFFF.FFFF.", "FFFF.FFFF.", "FFFF.FFFF.", "FFFF.FFFF.", "FFFF.HHHHW", "FFFF.HHHHW", "FFFF.HHHHW",
          "FFFF.LLLLL"}},
        {"no line option: no gaps at all",
         false,
         TGridOptions::goNone,
         true,
         {"FFFFFFFFWW", "FFFFFFFFWW", "FFFFFFFFWW", "FFFFHHHHWW", "FFFFHHHHWW", "FFFFHHHHWW", "WWWWWWWWWW",
          "WWWWWWWWWW"}},
        {"without default drawing only the handler and the lines paint",
         true,
         DefaultGridOptions,
         false,
         {"RRRR.RRRR.", "RRRR.RRRR.", "RRRR.RRRR.", "..........", "RRRR.WWWWL", "RRRR.WWWWL", "RRRR.WWWWL",
          ".....LLLLL"}},
    };
    for (const Case& c : cases) {
        FormPtr form;
        TDrawGrid* grid = ShowTinyGrid(form);
        grid->SetCtl3D(c.Ctl3D);
        grid->SetOptions(c.Options);
        grid->SetDefaultDrawing(c.DefaultDrawing);
        if (!c.DefaultDrawing) {
            grid->OnDrawCell = [grid](TComponent*, int, int, const Rect& rect, TGridDrawState state) {
                if (!Contains(state, TGridDrawState::gdFixed)) return;
                grid->Canvas().Brush().SetColor(clRed);
                grid->Canvas().FillRect(rect);
            };
        }
        EXPECT_EQ(GridPicture(*form, *grid), c.Expected) << c.Name;
    }
}

TEST_F(DrawGridPaintingTest, SingleBorderIsASunkenRingOrAFlatBlackLine) {
    struct Case {
        bool Ctl3D;
        Rect Client;  // in the grid's own window
        std::vector<std::string> TopLeftCorner;
    } cases[] = {
        {true, {0, 0, 16, 16}, {"SSS", "SDD"}},
        {false, {0, 0, 18, 18}, {"...", ".FF"}},  // flat fixed cell inside
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(60, 40);
        TDrawGrid* grid = Add<TDrawGrid>(*form, Rect::FromSize(0, 0, 20, 20));
        grid->SetCtl3D(c.Ctl3D);
        form->Show();
        robot->Pump();
        EXPECT_EQ(grid->ClientRect(), c.Client) << c.Ctl3D;
        // The corner of the window itself, left of and above the client area.
        Point offset = {grid->ClientRect().Left - (20 - c.Client.Width()) / 2,
                        grid->ClientRect().Top - (20 - c.Client.Height()) / 2};
        std::vector<std::string> corner =
            ControlPicture(*robot, *form, *grid, Rect::FromSize(offset.X, offset.Y, 3, 2), GridPalette());
        EXPECT_EQ(corner, c.TopLeftCorner) << c.Ctl3D;
    }
}

}  // namespace
}  // namespace quendar::testing_support
