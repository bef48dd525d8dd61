// TSpeedButton: clicks, groups and AllowAllUp through real input, the hot
// look of a flat button, the classic looks and the glyph.

#include "framework/std_speed_button.h"

#include <gtest/gtest.h>

#include "framework/std_panel.h"
#include "std_controls_test_support.h"

namespace quendar::testing_support {
namespace {

class SpeedButtonTest : public ControlTest {
protected:
    TSpeedButton* AddButton(TWinControl& parent, const std::string& name, Rect bounds, int group = 0) {
        TSpeedButton* button = Add<TSpeedButton>(parent, bounds);
        button->SetName(name);
        button->SetGroupIndex(group);
        button->OnClick = TNotifyEvent([this, name](TComponent*) { clicks += name; });
        return button;
    }
    static std::string DownOnes(std::initializer_list<const TSpeedButton*> buttons) {
        std::string down;
        for (const TSpeedButton* button : buttons)
            if (button->Down()) down += button->Name();
        return down;
    }
    std::string clicks;
};

TEST_F(SpeedButtonTest, GroupedButtonsAreExclusiveWithinTheirParent) {
    FormPtr form = MakeForm(300, 100);
    TSpeedButton* a = AddButton(*form, "A", Rect::FromSize(0, 0, 23, 22), 1);
    TSpeedButton* b = AddButton(*form, "B", Rect::FromSize(30, 0, 23, 22), 1);
    TSpeedButton* c = AddButton(*form, "C", Rect::FromSize(60, 0, 23, 22), 1);
    TSpeedButton* other = AddButton(*form, "O", Rect::FromSize(90, 0, 23, 22), 2);
    TSpeedButton* free = AddButton(*form, "F", Rect::FromSize(120, 0, 23, 22), 0);
    TPanel* elsewhere = Add<TPanel>(*form, Rect::FromSize(0, 50, 100, 40));
    TSpeedButton* far = AddButton(*elsewhere, "X", Rect::FromSize(0, 0, 23, 22), 1);
    form->Show();
    robot->Pump();

    struct Step {
        const char* Name;
        TSpeedButton* Target;
        std::string Down;
    } steps[] = {
        {"A goes down", a, "A"},
        {"B takes over", b, "B"},
        {"the down one stays down", b, "B"},
        {"another group is separate", other, "BO"},
        {"a button without group never stays down", free, "BO"},
        {"the same group in another parent is separate", far, "BOX"},
        {"C takes over from B only", c, "COX"},
    };
    for (const Step& step : steps) {
        clicks.clear();
        ClickAt(*step.Target, {5, 5});
        EXPECT_EQ(clicks, step.Target->Name()) << step.Name;
        EXPECT_EQ(DownOnes({a, b, c, other, free, far}), step.Down) << step.Name;
    }
    EXPECT_EQ(c->State(), TButtonState::bsExclusive);
    EXPECT_EQ(free->State(), TButtonState::bsUp);
}

TEST_F(SpeedButtonTest, AllowAllUpIsSharedByTheGroupAndLetsTheDownOneUp) {
    FormPtr form = MakeForm(300, 100);
    TSpeedButton* a = AddButton(*form, "A", Rect::FromSize(0, 0, 23, 22), 1);
    TSpeedButton* b = AddButton(*form, "B", Rect::FromSize(30, 0, 23, 22), 1);
    form->Show();
    robot->Pump();
    b->SetDown(true);
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp());
    ClickAt(*b, {5, 5});
    EXPECT_EQ(DownOnes({a, b}), "");
    EXPECT_EQ(b->State(), TButtonState::bsUp);
    ClickAt(*a, {5, 5});
    EXPECT_EQ(DownOnes({a, b}), "A");
    a->SetDown(false);
    EXPECT_EQ(DownOnes({a, b}), "");
    EXPECT_EQ(clicks, "BA");
}

TEST_F(SpeedButtonTest, ReleaseOutsideNeitherClicksNorChangesDown) {
    FormPtr form = MakeForm(300, 100);
    TSpeedButton* a = AddButton(*form, "A", Rect::FromSize(10, 10, 23, 22), 1);
    form->Show();
    robot->Pump();
    MoveTo(*a, {5, 5});
    robot->Press();
    EXPECT_EQ(a->State(), TButtonState::bsDown);
    MoveTo(*a, {23, 5});
    EXPECT_EQ(a->State(), TButtonState::bsUp);
    MoveTo(*a, {22, 21});
    EXPECT_EQ(a->State(), TButtonState::bsDown);
    MoveTo(*a, {40, 40});
    robot->Release();
    EXPECT_EQ(clicks, "");
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), TButtonState::bsUp);
}

TEST_F(SpeedButtonTest, ClassicLooksOfASmallButton) {
    struct Case {
        const char* Name;
        bool Flat;
        bool Down;
        bool Hot;
        Rows Expected;
    } cases[] = {
        {"up", false, false, false, {"WWWWWD", "WFFFSD", "WFFFSD", "WSSSSD", "DDDDDD"}},
        {"down", false, true, false, {"SSSSSW", "SDDDFW", "SDWFFW", "SFFFFW", "WWWWWW"}},
        {"flat", true, false, false, {"FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}},
        {"flat and hot", true, false, true, {"WWWWWS", "WFFFFS", "WFFFFS", "WFFFFS", "SSSSSS"}},
        {"flat and down", true, true, false, {"SSSSSW", "SWFWFW", "SFWFWW", "SWFWFW", "WWWWWW"}},
        {"flat, down and hot", true, true, true, {"SSSSSW", "SFFFFW", "SFFFFW", "SFFFFW", "WWWWWW"}},
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(100, 60);
        TSpeedButton* button = AddButton(*form, "S", Rect::FromSize(10, 10, 6, 5), 1);
        button->SetFlat(c.Flat);
        button->SetDown(c.Down);
        form->Show();
        robot->Pump();
        if (c.Hot) MoveTo(*button, {20, 20});
        if (c.Hot) MoveTo(*button, {2, 2});
        EXPECT_EQ(button->MouseInControl(), c.Hot) << c.Name;
        EXPECT_EQ(Show(ClientPixels(*robot, *form, *button)), c.Expected) << c.Name;
    }
}

TEST_F(SpeedButtonTest, FlatButtonLightsUpWhileTheMouseIsOverIt) {
    FormPtr form = MakeForm(100, 60);
    TSpeedButton* button = AddButton(*form, "S", Rect::FromSize(10, 10, 6, 5));
    button->SetFlat(true);
    form->Show();
    robot->Pump();
    const char* steps[][2] = {{"outside", "FFFFFF"}, {"over", "WWWWWS"}, {"outside", "FFFFFF"}};
    for (const auto& step : steps) {
        MoveTo(*button, std::string(step[0]) == "over" ? Point{3, 3} : Point{30, 30});
        EXPECT_EQ(Show(ClientPixels(*robot, *form, *button))[0], step[1]) << step[0];
    }
}

TEST_F(SpeedButtonTest, GlyphLeavesOutItsBottomLeftColourAndIsEmbossedWhenDisabled) {
    FormPtr form = MakeForm(100, 60);
    TSpeedButton* button = AddButton(*form, "S", Rect::FromSize(0, 0, 8, 8));
    button->SetFlat(true);
    TBitmap glyph(3, 2);
    // Bottom-left magenta is left out; white counts as background when embossed.
    const ColorRef pixels[2][3] = {{RGB(0, 0, 255), RGB(255, 0, 0), RGB(255, 255, 255)},
                                   {RGB(255, 0, 255), RGB(0, 0, 255), RGB(255, 0, 255)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) glyph.PixelBuffer().SetPixel(x, y, pixels[y][x]);
    button->SetGlyph(glyph);
    // Centred: (8 - 3) / 2 = 2 across, (8 - 2) / 2 = 3 down.
    Rows enabled = Show(PaintAlone(*button));
    EXPECT_EQ(enabled[3], "FFBRWFFF");
    EXPECT_EQ(enabled[4], "FFFBFFFF");
    button->SetEnabled(false);
    Rows disabled = Show(PaintAlone(*button));
    EXPECT_EQ(disabled[3], "FFSSFFFF");
    EXPECT_EQ(disabled[4], "FFFSWFFF");
    EXPECT_EQ(disabled[5], "FFFFWFFF");
}

class LayoutProbe : public TSpeedButton {
public:
    using TSpeedButton::LayoutContent;
    using TSpeedButton::TSpeedButton;
};

TEST_F(SpeedButtonTest, GlyphAndCaptionLayout) {
    struct Case {
        const char* Name;
        TButtonLayout Layout;
        int Margin;
        bool Glyph;
        Point GlyphAt;
        Rect Text;
    } cases[] = {
        // Area 40 x 30, glyph 6 x 4, text 10 x 8, spacing 4.
        {"centred left", TButtonLayout::blGlyphLeft, -1, true, {10, 13}, {20, 11, 30, 19}},
        {"left with margin", TButtonLayout::blGlyphLeft, 2, true, {2, 13}, {12, 11, 22, 19}},
        {"right with margin", TButtonLayout::blGlyphRight, 2, true, {32, 13}, {18, 11, 28, 19}},
        {"centred top", TButtonLayout::blGlyphTop, -1, true, {17, 7}, {15, 15, 25, 23}},
        {"bottom with margin", TButtonLayout::blGlyphBottom, 3, true, {17, 23}, {15, 11, 25, 19}},
        {"caption alone is centred", TButtonLayout::blGlyphLeft, -1, false, {15, 15}, {15, 11, 25, 19}},
    };
    for (const Case& c : cases) {
        TComponentPtr<LayoutProbe> probe(CreateComponent<LayoutProbe>(nullptr));
        probe->SetLayout(c.Layout);
        probe->SetMargin(c.Margin);
        if (c.Glyph) probe->Glyph().SetSize(6, 4);
        Point glyphAt;
        Rect text;
        probe->LayoutContent(Rect::FromSize(0, 0, 40, 30), {10, 8}, glyphAt, text);
        if (c.Glyph) {
            EXPECT_EQ(glyphAt, c.GlyphAt) << c.Name;
        }
        EXPECT_EQ(text, c.Text) << c.Name;
    }
}

}  // namespace
}  // namespace quendar::testing_support
