// TCustomLabel / TLabel: auto-sizing, word wrap, layout, accelerators and
// the embossed disabled text.

#include "framework/std_label.h"

#include <gtest/gtest.h>

#include "framework/control_text.h"
#include "std_controls_test_support.h"

namespace quendar::testing_support {
namespace {

class LabelTest : public ControlTest {
protected:
    TLabel* AddLabel(TWinControl& parent, Rect bounds, const std::string& caption) {
        TLabel* label = Add<TLabel>(parent, bounds);
        label->SetCaption(caption);
        return label;
    }
    static int TextWidth(const TControl& control, const std::string& text) {
        return MeasureControlText(control.Font(), text, Rect{}, DT_EXPANDTABS).Width();
    }
    static int LineHeight(const TControl& control) {
        return MeasureControlText(control.Font(), "W", Rect{}, DT_EXPANDTABS).Height();
    }
};

TEST_F(LabelTest, AutoSizeKeepsTheEdgeOfItsAlignment) {
    struct Case {
        TAlignment Alignment;
        bool KeepsRightEdge;
    } cases[] = {
        {TAlignment::taRightJustify, true},
        {TAlignment::taLeftJustify, false},
        {TAlignment::taCenter, false},
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(300, 100);
        TLabel* label = AddLabel(*form, Rect::FromSize(19, 86, 67, 13), "");
        label->SetAlignment(c.Alignment);
        for (const std::string text : {"Date 1 (Start)", "Total Days", "A much longer caption than before"}) {
            int right = label->Left() + label->Width();
            int left = label->Left();
            label->SetCaption(text);
            EXPECT_EQ(label->Width(), TextWidth(*label, text)) << text;
            EXPECT_EQ(label->Height(), LineHeight(*label)) << text;
            if (c.KeepsRightEdge)
                EXPECT_EQ(label->Left() + label->Width(), right) << text;
            else
                EXPECT_EQ(label->Left(), left) << text;
        }
    }
}

TEST_F(LabelTest, AutoSizeFollowsFontAndLeavesAFixedLabelAlone) {
    FormPtr form = MakeForm(300, 100);
    TLabel* label = AddLabel(*form, Rect::FromSize(10, 10, 20, 20), "Total Days");
    int narrow = label->Width();
    label->Font().SetHeight(-24);
    EXPECT_GT(label->Width(), narrow);
    EXPECT_EQ(label->Height(), LineHeight(*label));

    label->SetAutoSize(false);
    label->SetBounds(10, 10, 20, 20);
    label->SetCaption("Something else entirely");
    EXPECT_EQ(label->BoundsRect(), Rect::FromSize(10, 10, 20, 20));

    // An empty label still keeps one line's height.
    label->SetAutoSize(true);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), LineHeight(*label));
    EXPECT_EQ(label->Width(), TextWidth(*label, " "));
}

TEST_F(LabelTest, WordWrapKeepsTheWidthAndGrowsDown) {
    FormPtr form = MakeForm(300, 100);
    TLabel* label = AddLabel(*form, Rect::FromSize(10, 10, 100, 13), "");
    // Each word fits, no two do.
    int width = TextWidth(*label, "aaa bbb") - 1;
    label->SetWidth(width);
    label->SetWordWrap(true);
    label->SetCaption("aaa bbb ccc");
    EXPECT_EQ(label->Height(), 3 * LineHeight(*label));
    EXPECT_LE(label->Width(), width);
    EXPECT_GE(label->Width(), TextWidth(*label, "aaa"));
}

TEST_F(LabelTest, LayoutPlacesTheTextBlockVertically) {
    FormPtr form = MakeForm(100, 100);
    TLabel* label = AddLabel(*form, Rect::FromSize(0, 0, 40, 40), "Hx");
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 40, 40);
    label->Font().SetColor(clBlack);
    label->SetColor(clWhite);
    int line = LineHeight(*label);
    int topInk = InkBounds(PaintAlone(*label), RGB(255, 255, 255)).Top;
    struct Case {
        TTextLayout Layout;
        int Shift;
    } cases[] = {
        {TTextLayout::tlTop, 0},
        {TTextLayout::tlCenter, (40 - line) / 2},
        {TTextLayout::tlBottom, 40 - line},
    };
    for (const Case& c : cases) {
        label->SetLayout(c.Layout);
        EXPECT_EQ(InkBounds(PaintAlone(*label), RGB(255, 255, 255)).Top, topInk + c.Shift)
            << static_cast<int>(c.Layout);
    }
}

TEST_F(LabelTest, TransparentLabelLeavesItsBackgroundAlone) {
    FormPtr form = MakeForm(100, 100);
    TLabel* label = AddLabel(*form, Rect::FromSize(0, 0, 30, 20), "");
    label->SetColor(clRed);
    EXPECT_EQ(PaintAlone(*label).PixelAt(0, 0), RGB(255, 0, 0));
    EXPECT_TRUE(Contains(label->ControlStyle(), TControlStyle::csOpaque));
    label->SetTransparent(true);
    EXPECT_EQ(PaintAlone(*label).PixelAt(0, 0), Backdrop);
    EXPECT_FALSE(Contains(label->ControlStyle(), TControlStyle::csOpaque));
}

TEST_F(LabelTest, DisabledTextIsEmbossed) {
    FormPtr form = MakeForm(100, 100);
    TLabel* label = AddLabel(*form, Rect::FromSize(0, 0, 10, 10), "I");
    label->Font().SetHeight(-40);
    label->Font().SetColor(clBlack);
    label->SetColor(clRed);
    Bitmap enabled = PaintAlone(*label);
    label->SetEnabled(false);
    Bitmap disabled = PaintAlone(*label);
    auto full = [&](int x, int y) { return enabled.PixelAt(x, y) == RGB(0, 0, 0); };
    auto bare = [&](int x, int y) { return enabled.PixelAt(x, y) == RGB(255, 0, 0); };
    int inked = 0;
    int lit = 0;
    for (int y = 0; y < enabled.Height(); ++y) {
        for (int x = 0; x < enabled.Width(); ++x) {
            if (full(x, y)) {
                ++inked;
                EXPECT_EQ(disabled.PixelAt(x, y), RGB(128, 128, 128)) << x << "," << y;
            } else if (bare(x, y) && x > 0 && y > 0 && full(x - 1, y - 1)) {
                ++lit;
                EXPECT_EQ(disabled.PixelAt(x, y), RGB(255, 255, 255)) << x << "," << y;
            } else if (bare(x, y) && (x == 0 || y == 0 || bare(x - 1, y - 1))) {
                EXPECT_EQ(disabled.PixelAt(x, y), RGB(255, 0, 0)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inked, 20);
    EXPECT_GT(lit, 5);
}

TEST_F(LabelTest, AcceleratorFocusesTheFocusControl) {
    FormPtr form = MakeForm(200, 100);
    KeyTarget* first = Add<KeyTarget>(*form, Rect::FromSize(100, 0, 20, 20));
    KeyTarget* target = Add<KeyTarget>(*form, Rect::FromSize(100, 40, 20, 20));
    TLabel* label = AddLabel(*form, Rect::FromSize(0, 40, 60, 13), "&Name");
    label->SetFocusControl(target);
    form->Show();
    robot->Pump();

    struct Case {
        const char* Name;
        char32_t Character;
        bool ShowAccelChar;
        bool Enabled;
        bool Taken;
    } cases[] = {
        {"lower case", U'n', true, true, true},       {"upper case", U'N', true, true, true},
        {"another letter", U'a', true, true, false},  {"accelerators off", U'n', false, true, false},
        {"disabled label", U'n', true, false, false},
    };
    for (const Case& c : cases) {
        first->SetFocus();
        robot->Pump();
        label->SetShowAccelChar(c.ShowAccelChar);
        label->SetEnabled(c.Enabled);
        LRESULT taken = form->Perform(CM_DIALOGCHAR, static_cast<WPARAM>(c.Character));
        robot->Pump();
        EXPECT_EQ(taken != 0, c.Taken) << c.Name;
        EXPECT_EQ(target->Focused(), c.Taken) << c.Name;
    }

    // From the keyboard: Alt+N, typed while another control has the focus.
    label->SetShowAccelChar(true);
    label->SetEnabled(true);
    first->SetFocus();
    robot->Pump();
    Press('N', VK_MENU);
    EXPECT_TRUE(target->Focused());

    // A freed focus control is forgotten.
    target->Free();
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, U'n'), 0);
}

TEST(ControlTextTest, AcceleratorIsTheCharacterAfterASingleAmpersand) {
    struct Case {
        const char* Caption;
        char32_t Accelerator;
    } cases[] = {
        {"&Open", U'O'},
        {"Save &as", U'a'},
        {"R&&D", 0},
        {"R&&&D", U'D'},
        {"End&", 0},
        {"", 0},
        {"&\xC3\xA9t\xC3\xA9", U'\u00E9'},
    };
    for (const Case& c : cases) EXPECT_EQ(AcceleratorOf(c.Caption), c.Accelerator) << c.Caption;
    EXPECT_TRUE(IsAccelerator(U'\u00C9', "&\xC3\xA9t\xC3\xA9"));
    EXPECT_FALSE(IsAccelerator(U'&', "R&&D"));
}

}  // namespace
}  // namespace quendar::testing_support
