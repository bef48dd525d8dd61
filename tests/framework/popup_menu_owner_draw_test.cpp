#include "framework/canvas.h"
#include "platform/system_colors.h"
#include "platform/system_metrics.h"
#include "popup_menu_test_support.h"

namespace quendar::testing_support {
namespace {

constexpr TColor Marker = 0x0000FF;     // red
constexpr TColor TwoColour = 0xFF0000;  // blue
constexpr int Frame = 3;                // the popup's raised frame

class OwnerDrawTest : public PopupMenuTest {
protected:
    // The popup's picture as the display has it now.
    Bitmap Picture(HWND popup) {
        FlushPresentation();
        return display->Screenshot(popup);
    }
};

TEST_F(OwnerDrawTest, HooksMeasureAndDrawOnACanvasOverTheItem) {
    menu->SetOwnerDraw(true);
    TMenuItem* one = Item(menu->Items(), "One");
    TMenuItem* two = Item(menu->Items(), "Two");
    two->SetChecked(true);
    std::string measureFont;
    int measuredTextWidth = 0;
    one->OnMeasureItem = [&](TComponent* sender, TCanvas& canvas, int& width, int& height) {
        EXPECT_EQ(sender, one);
        measureFont = canvas.Font().Name();
        measuredTextWidth = canvas.TextWidth("One");
        width = 200;
        height = 20;
    };
    std::vector<Rect> oneRects;
    one->OnDrawItem = [&](TComponent*, TCanvas& canvas, const Rect& rect, bool) {
        oneRects.push_back(rect);
        canvas.FillRect(rect);  // the brush comes set for the item's state
        canvas.SetPixels(rect.Left, rect.Top, Marker);
    };
    std::vector<TOwnerDrawState> twoStates;
    Rect twoRect;
    two->OnAdvancedDrawItem = [&](TComponent*, TCanvas& canvas, const Rect& rect, TOwnerDrawState state) {
        twoStates.push_back(state);
        twoRect = rect;
        canvas.Brush().SetColor(TwoColour);
        canvas.FillRect(rect);
    };
    std::vector<Bitmap> pictures;
    PopupAnswering([&](int idle, HWND popup) {
        pictures.push_back(Picture(popup));
        PostKey(idle < 3 ? VK_DOWN : VK_ESCAPE);
    });
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(measureFont, GetNonClientMetrics().lfMenuFont.Family);
    EXPECT_GT(measuredTextWidth, 0);
    ASSERT_FALSE(oneRects.empty());
    EXPECT_EQ(oneRects.front(), (Rect{0, 0, 200, 20}));
    // Without a measure hook Two keeps the size of a classic item.
    EXPECT_EQ(twoRect.Top, 20);
    EXPECT_EQ(twoRect.Right, 200);

    struct Probe {
        const char* Name;
        std::size_t Picture;  // 0: nothing selected, 1: One selected, 2: Two selected
        Point At;             // in the popup window
        ColorRef Expected;
    };
    const ColorRef menuColour = GetSysColor(COLOR_MENU);
    const ColorRef highlight = GetSysColor(COLOR_HIGHLIGHT);
    const Probe probes[] = {
        {"One's top-left", 0, {Frame, Frame}, Marker},
        {"One's brush", 0, {Frame + 1, Frame + 1}, menuColour},
        {"One's last pixel", 0, {Frame + 199, Frame + 19}, menuColour},
        {"Two's first row", 0, {Frame + 1, Frame + 20}, TwoColour},
        {"Two's last pixel", 0, {Frame + 199, Frame + twoRect.Bottom - 1}, TwoColour},
        {"frame below Two", 0, {Frame + 1, Frame + twoRect.Bottom}, menuColour},
        {"One selected", 1, {Frame + 1, Frame + 1}, highlight},
        {"One selected keeps its marker", 1, {Frame, Frame}, Marker},
        {"One unselected again", 2, {Frame + 1, Frame + 1}, menuColour},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.Name);
        EXPECT_EQ(pictures[probe.Picture].PixelAt(probe.At.X, probe.At.Y), probe.Expected);
    }
    EXPECT_EQ(pictures[0].Width(), 200 + 2 * Frame);
    EXPECT_EQ(pictures[0].Height(), twoRect.Bottom + 2 * Frame);
    ASSERT_GE(twoStates.size(), 2u);
    EXPECT_EQ(twoStates.front(), TOwnerDrawState::odChecked);
    EXPECT_EQ(twoStates.back(), TOwnerDrawState::odChecked | TOwnerDrawState::odSelected);
}

TEST_F(OwnerDrawTest, AnOwnerDrawnItemWithoutHooksLooksClassic) {
    TMenuItem* plain = Item(menu->Items(), "&Plain");
    plain->SetShortCut(ShortCut('P', TShiftState::ssCtrl));
    Item(menu->Items(), "-");
    Item(menu->Items(), "Checked")->SetChecked(true);
    Item(menu->Items(), "Off")->SetEnabled(false);
    std::vector<Bitmap> looks;
    for (bool ownerDraw : {false, true}) {
        menu->SetOwnerDraw(ownerDraw);
        PopupAnswering([&](int idle, HWND popup) {
            if (idle == 1) {
                PostKey(VK_DOWN);
                return;
            }
            looks.push_back(Picture(popup));
            PostKey(VK_ESCAPE);
        });
    }
    ASSERT_EQ(looks.size(), 2u);
    ASSERT_EQ(looks[0].Width(), looks[1].Width());
    ASSERT_EQ(looks[0].Height(), looks[1].Height());
    int differing = 0;
    for (int y = 0; y < looks[0].Height(); ++y) {
        for (int x = 0; x < looks[0].Width(); ++x)
            differing += looks[0].PixelAt(x, y) != looks[1].PixelAt(x, y);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(looks[1].PixelAt(Frame + 1, Frame + 1), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(OwnerDrawTest, AFailingHookIsReportedAndTheMenuStillCloses) {
    TMenuItem* broken = Item(menu->Items(), "Broken");
    broken->OnDrawItem = [](TComponent*, TCanvas&, const Rect&, bool) { throw Exception("Cannot draw"); };
    // The error box cancels the menu; should it stay open, Escape closes it.
    PopupAnswering([&](int, HWND) { PostKey(VK_ESCAPE); });
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front().Text, "Cannot draw.");
    EXPECT_TRUE(clicked.empty());
    EXPECT_FALSE(GetCapture());
}

}  // namespace
}  // namespace quendar::testing_support
