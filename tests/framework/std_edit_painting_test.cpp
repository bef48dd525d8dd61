#include <map>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/std_edit.h"
#include "platform/system_colors.h"

namespace quendar::testing_support {
namespace {

constexpr ColorRef FieldColor = RGB(242, 242, 245);

// Letters of the expected pictures.
ColorRef ColorOf(char letter) {
    switch (letter) {
        case 'S':
            return GetSysColor(COLOR_BTNSHADOW);
        case 'H':
            return GetSysColor(COLOR_BTNHIGHLIGHT);
        case 'D':
            return GetSysColor(COLOR_3DDKSHADOW);
        case 'L':
            return GetSysColor(COLOR_3DLIGHT);
        case 'F':
            return GetSysColor(COLOR_WINDOWFRAME);
        case 'c':
            return FieldColor;
        default:
            return CLR_INVALID;
    }
}

void ExpectPicture(const Bitmap& picture, Point origin, const std::vector<std::string>& rows) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        const std::string& row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            EXPECT_EQ(picture.PixelAt(origin.X + x, origin.Y + y), ColorOf(row[static_cast<std::size_t>(x)]))
                << "pixel " << x << "," << y;
        }
    }
}

class StdEditPaintingTest : public ControlTest {
protected:
    // A form whose focus rests on another control, so no caret shows.
    void SetUp() override {
        ControlTest::SetUp();
        form = MakeForm(120, 60);
        other = Add<KeyTarget>(*form, Rect::FromSize(100, 40, 10, 10));
    }

    TEdit* AddEdit(Rect bounds) {
        TEdit* edit = Add<TEdit>(*form, bounds);
        edit->SetColor(static_cast<TColor>(FieldColor));
        return edit;
    }

    // Where the edit's window starts in the form's window picture.
    Point PlaceInForm(TEdit* edit) {
        Rect formWindow;
        Rect editWindow;
        GetWindowRect(form->Handle(), formWindow);
        GetWindowRect(edit->Handle(), editWindow);
        return editWindow.TopLeft() - formWindow.TopLeft();
    }

    FormPtr form;
    KeyTarget* other = nullptr;
};

TEST_F(StdEditPaintingTest, FrameRingsInTheNonClientArea) {
    struct Case {
        const char* Name;
        TBorderStyle Border;
        bool Ctl3D;
        TBevelKind Bevel;
        int BorderSize;
        std::vector<std::string> Picture;
    };
    const std::vector<Case> cases = {
        {"sunken 3-D ring",
         TBorderStyle::bsSingle,
         true,
         TBevelKind::bkNone,
         2,
         {"SSSSSSH", "SDDDDLH", "SDcccLH", "SDcccLH", "SLLLLLH", "HHHHHHH"}},
        {"flat single line",
         TBorderStyle::bsSingle,
         false,
         TBevelKind::bkNone,
         1,
         {"FFFFF", "FcccF", "FcccF", "FFFFF"}},
        {"no border", TBorderStyle::bsNone, true, TBevelKind::bkNone, 0, {"ccc", "ccc"}},
        {"bevels without border: lowered outside, raised inside",
         TBorderStyle::bsNone,
         true,
         TBevelKind::bkTile,
         2,
         {"SSSSSH", "SHHHSH", "SHccSH", "SSSSSH", "HHHHHH"}},
    };
    std::vector<TEdit*> edits;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        int width = static_cast<int>(c.Picture.front().size());
        int height = static_cast<int>(c.Picture.size());
        TEdit* edit = AddEdit(Rect::FromSize(5 + 12 * static_cast<int>(i), 5, width, height));
        edit->SetBorderStyle(c.Border);
        edit->SetCtl3D(c.Ctl3D);
        edit->SetBevelKind(c.Bevel);
        edits.push_back(edit);
    }
    form->Show();
    Bitmap screen = robot->RenderWindow(form->Handle());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.Name);
        TEdit* edit = edits[i];
        EXPECT_EQ(edit->BorderSize(), c.BorderSize);
        EXPECT_EQ(edit->ClientWidth(), edit->Width() - 2 * c.BorderSize);
        EXPECT_EQ(edit->ClientHeight(), edit->Height() - 2 * c.BorderSize);
        ExpectPicture(screen, PlaceInForm(edit), c.Picture);

        // Printing renders the same frame and client.
        Bitmap printed(edit->Width(), edit->Height());
        DeviceContext dc(printed);
        PrintWindow(edit->Handle(), &dc, PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
        ExpectPicture(printed, {0, 0}, c.Picture);
    }
}

TEST_F(StdEditPaintingTest, ChangingTheBorderRecomputesTheClientArea) {
    TEdit* edit = AddEdit(Rect::FromSize(5, 5, 7, 6));
    form->Show();
    robot->Pump();
    EXPECT_EQ(edit->ClientRect(), Rect::FromSize(0, 0, 3, 2));
    edit->SetCtl3D(false);
    robot->Pump();
    EXPECT_EQ(edit->ClientRect(), Rect::FromSize(0, 0, 5, 4));
    edit->SetBorderStyle(TBorderStyle::bsNone);
    robot->Pump();
    EXPECT_EQ(edit->ClientRect(), Rect::FromSize(0, 0, 7, 6));
    Bitmap screen = robot->RenderWindow(form->Handle());
    ExpectPicture(screen, PlaceInForm(edit), {"ccccccc", "ccccccc"});
}

TEST_F(StdEditPaintingTest, SelectionBandAndBlinkingCaret) {
    TEdit* edit = AddEdit(Rect::FromSize(5, 5, 60, 21));
    edit->SetText("    ");  // spaces draw no glyph pixels
    form->Show();
    robot->Pump();
    edit->SetFocus();
    robot->Pump();
    ASSERT_TRUE(edit->Focused());
    // Focus from the program selects everything (AutoSelect).
    ASSERT_EQ(edit->SelLength(), 4);
    Point client = PlaceInForm(edit) + Point{2, 2};
    int margin = TCustomEdit::TextMargin;
    ColorRef highlight = GetSysColor(COLOR_HIGHLIGHT);
    ColorRef text = ColorToColorRef(edit->Font().Color());
    edit->SetSelStart(2);
    int bandLeft = edit->CaretX();
    edit->SetSelStart(4);
    int end = edit->CaretX();
    edit->SetSelStart(2);
    edit->SetSelLength(2);  // the caret at the band's end

    Bitmap screen = robot->RenderWindow(form->Handle());
    struct Probe {
        Point At;
        ColorRef Expected;
    };
    const Probe probes[] = {
        {{0, margin}, FieldColor},             // the margin column
        {{bandLeft - 1, margin}, FieldColor},  // just left of the band
        {{bandLeft, margin}, highlight},
        {{end - 1, margin + 3}, highlight},
        {{end, margin + 3}, text},  // the caret
        {{end + 1, margin + 3}, FieldColor},
        {{bandLeft, 0}, FieldColor},  // above the line
    };
    for (const Probe& p : probes)
        EXPECT_EQ(screen.PixelAt(client.X + p.At.X, client.Y + p.At.Y), p.Expected)
            << p.At.X << "," << p.At.Y;

    // The caret blinks: hidden after one blink interval, back after the next.
    robot->AdvanceTime(TCustomEdit::CaretBlinkMilliseconds);
    screen = robot->RenderWindow(form->Handle());
    EXPECT_FALSE(edit->CaretShowing());
    EXPECT_EQ(screen.PixelAt(client.X + end, client.Y + margin + 3), FieldColor);
    robot->AdvanceTime(TCustomEdit::CaretBlinkMilliseconds);
    screen = robot->RenderWindow(form->Handle());
    EXPECT_EQ(screen.PixelAt(client.X + end, client.Y + margin + 3), text);

    // Without the focus the selection hides and the caret goes.
    other->SetFocus();
    screen = robot->RenderWindow(form->Handle());
    EXPECT_EQ(screen.PixelAt(client.X + bandLeft, client.Y + margin), FieldColor);
    EXPECT_EQ(screen.PixelAt(client.X + end, client.Y + margin + 3), FieldColor);
    edit->SetHideSelection(false);
    screen = robot->RenderWindow(form->Handle());
    EXPECT_EQ(screen.PixelAt(client.X + bandLeft, client.Y + margin), highlight);
}

TEST_F(StdEditPaintingTest, TextTakesFontColorAndPasswordCharactersHideIt) {
    TEdit* edit = AddEdit(Rect::FromSize(5, 5, 100, 21));
    edit->Font().SetColor(static_cast<TColor>(RGB(200, 0, 0)));
    edit->SetText("lllll");
    form->Show();
    Point client = PlaceInForm(edit) + Point{2, 2};
    auto countTextPixels = [&](const Bitmap& picture) {
        int count = 0;
        for (int y = 0; y < edit->ClientHeight(); ++y)
            for (int x = 0; x < edit->ClientWidth(); ++x)
                if (picture.PixelAt(client.X + x, client.Y + y) == RGB(200, 0, 0)) ++count;
        return count;
    };
    Bitmap plain = robot->RenderWindow(form->Handle());
    EXPECT_GT(countTextPixels(plain), 10);
    edit->SetPasswordChar(U'-');
    Bitmap hidden = robot->RenderWindow(form->Handle());
    EXPECT_NE(countTextPixels(hidden), countTextPixels(plain));
    EXPECT_EQ(edit->Text(), "lllll");
    edit->SetEnabled(false);
    Bitmap disabled = robot->RenderWindow(form->Handle());
    EXPECT_EQ(countTextPixels(disabled), 0);
}

}  // namespace
}  // namespace quendar::testing_support
