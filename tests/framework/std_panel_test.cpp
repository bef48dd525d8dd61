// TPanel: the rectangle aligned children share, the bevels' pixels, the
// parent's background and the caption's placement.

#include "framework/std_panel.h"

#include <gtest/gtest.h>

#include "std_controls_test_support.h"

namespace quendar::testing_support {
namespace {

class PanelTest : public ControlTest {};

TEST_F(PanelTest, AlignedChildrenShareTheFaceInsideBorderAndBevels) {
    struct Case {
        const char* Name;
        TBevelCut Outer;
        TBevelCut Inner;
        int BevelWidth;
        int BorderWidth;
        TBorderStyle Border;
        Rect Child;  // in the panel's client coordinates
    } cases[] = {
        {"defaults", TBevelCut::bvRaised, TBevelCut::bvNone, 1, 0, TBorderStyle::bsNone, {1, 1, 99, 59}},
        {"no bevels", TBevelCut::bvNone, TBevelCut::bvNone, 1, 0, TBorderStyle::bsNone, {0, 0, 100, 60}},
        {"both bevels",
         TBevelCut::bvRaised,
         TBevelCut::bvLowered,
         2,
         3,
         TBorderStyle::bsNone,
         {7, 7, 93, 53}},
        {"inner only", TBevelCut::bvNone, TBevelCut::bvSpace, 1, 3, TBorderStyle::bsNone, {4, 4, 96, 56}},
        {"calendar", TBevelCut::bvRaised, TBevelCut::bvNone, 1, 3, TBorderStyle::bsNone, {4, 4, 96, 56}},
        {"single border",
         TBevelCut::bvRaised,
         TBevelCut::bvNone,
         1,
         0,
         TBorderStyle::bsSingle,
         {1, 1, 95, 55}},
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(200, 100);
        TPanel* panel = Add<TPanel>(*form, Rect::FromSize(10, 10, 100, 60));
        TPanel* child = Add<TPanel>(*panel, Rect::FromSize(0, 0, 10, 10));
        child->SetAlign(TAlign::alClient);
        panel->SetBevelOuter(c.Outer);
        panel->SetBevelInner(c.Inner);
        panel->SetBevelWidth(c.BevelWidth);
        panel->SetBorderWidth(c.BorderWidth);
        panel->SetBorderStyle(c.Border);
        EXPECT_EQ(child->BoundsRect(), c.Child) << c.Name << " before the window exists";
        form->Show();
        robot->Pump();
        EXPECT_EQ(child->BoundsRect(), c.Child) << c.Name;
    }
}

TEST_F(PanelTest, BevelsAndFaceOfASmallPanel) {
    struct Case {
        const char* Name;
        TBevelCut Outer;
        TBevelCut Inner;
        int BorderWidth;
        Rows Expected;
    } cases[] = {
        {"raised",
         TBevelCut::bvRaised,
         TBevelCut::bvNone,
         0,
         {"WWWWWS", "WRRRRS", "WRRRRS", "WRRRRS", "SSSSSS"}},
        {"lowered",
         TBevelCut::bvLowered,
         TBevelCut::bvNone,
         0,
         {"SSSSSW", "SRRRRW", "SRRRRW", "SRRRRW", "WWWWWW"}},
        {"raised over lowered",
         TBevelCut::bvRaised,
         TBevelCut::bvLowered,
         0,
         {"WWWWWS", "WSSSWS", "WSRRWS", "WWWWWS", "SSSSSS"}},
        {"border between",
         TBevelCut::bvRaised,
         TBevelCut::bvLowered,
         1,
         {"WWWWWWWS", "WRRRRRRS", "WRSSSWRS", "WRSRRWRS", "WRWWWWRS", "WRRRRRRS", "SSSSSSSS"}},
        {"space", TBevelCut::bvSpace, TBevelCut::bvNone, 0, {"RRRR", "RRRR", "RRRR"}},
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(100, 60);
        TPanel* panel = Add<TPanel>(*form, Rect::FromSize(0, 0, static_cast<int>(c.Expected[0].size()),
                                                          static_cast<int>(c.Expected.size())));
        panel->SetColor(clRed);
        panel->SetBevelOuter(c.Outer);
        panel->SetBevelInner(c.Inner);
        panel->SetBorderWidth(c.BorderWidth);
        EXPECT_EQ(Show(PaintAlone(*panel)), c.Expected) << c.Name;
    }
}

TEST_F(PanelTest, ParentBackgroundShowsTheParentUntilTheColourIsChosen) {
    FormPtr form = MakeForm(100, 60);
    form->SetColor(clYellow);
    TPanel* panel = Add<TPanel>(*form, Rect::FromSize(10, 10, 20, 10));
    form->Show();
    robot->Pump();
    EXPECT_TRUE(panel->ParentBackground());
    EXPECT_EQ(Show(ClientPixels(*robot, *form, *panel))[5], "WYYYYYYYYYYYYYYYYYYS");

    panel->SetColor(clRed);
    robot->Pump();
    EXPECT_FALSE(panel->ParentBackground());
    EXPECT_FALSE(Contains(panel->ControlStyle(), TControlStyle::csParentBackground));
    EXPECT_EQ(Show(ClientPixels(*robot, *form, *panel))[5], "WRRRRRRRRRRRRRRRRRRS");

    panel->SetParentBackground(true);
    robot->Pump();
    EXPECT_EQ(Show(ClientPixels(*robot, *form, *panel))[5], "WYYYYYYYYYYYYYYYYYYS");
}

TEST_F(PanelTest, CaptionIsOneLinePlacedByAlignment) {
    FormPtr form = MakeForm(200, 100);
    TPanel* panel = Add<TPanel>(*form, Rect::FromSize(0, 0, 120, 40));
    panel->SetParentBackground(false);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(clWhite);
    panel->Font().SetColor(clBlack);
    panel->SetBorderWidth(5);
    panel->SetCaption("Mid");
    Rect centred = InkBounds(PaintAlone(*panel), RGB(255, 255, 255));
    EXPECT_LE(std::abs((centred.Left + centred.Right) - 120), 3);
    EXPECT_LE(std::abs((centred.Top + centred.Bottom) - 40), 4);

    panel->SetAlignment(TAlignment::taLeftJustify);
    Rect left = InkBounds(PaintAlone(*panel), RGB(255, 255, 255));
    EXPECT_GE(left.Left, 5);
    EXPECT_LE(left.Left, 7);
    EXPECT_EQ(left.Top, centred.Top);

    panel->SetAlignment(TAlignment::taRightJustify);
    Rect right = InkBounds(PaintAlone(*panel), RGB(255, 255, 255));
    EXPECT_LE(right.Right, 115);
    EXPECT_GE(right.Right, 113);
    EXPECT_EQ(right.Width(), left.Width());
}

}  // namespace
}  // namespace quendar::testing_support
