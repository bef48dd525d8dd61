#include "skin/paint/disabled_look.h"

#include <gtest/gtest.h>

#include "paint_test_support.h"
#include "platform/system_colors.h"

namespace quendar {
namespace {

using namespace quendar::testing;

class RenderDisabledTest : public ::testing::Test {
protected:
    void TearDown() override { ResetSharedPaintColors(); }
};

TEST_F(RenderDisabledTest, ExactPixelsForEachKind) {
    // Parent 4x3; the control's background starts at parent (2, 1).
    Bitmap parent = FilledBitmap(4, 3, RGB(0, 0, 0), RowOrder::BottomUp);
    parent.SetPixel(2, 1, RGB(0, 0, 150));
    parent.SetPixel(3, 2, RGB(100, 100, 100));
    const ParentBackground ready{&parent, 1, 0, 1};
    const ParentBackground notReady{&parent, 1, 0, 0};
    const ColorRef control = RGB(30, 60, 90);
    const struct { TsDisabledKind kind; const ParentBackground* bg; ColorRef fill; ColorRef at00; ColorRef at11; } cases[] = {
        {TsDisabledKind::dkGrayed, &ready, KeyColor, RGB(60, 60, 60), RGB(60, 60, 60)},
        // 40 % control, 60 % parent.
        {TsDisabledKind::dkBlended, &ready, KeyColor, RGB(12, 24, 126), RGB(72, 84, 96)},
        // Grey first, then blend: the parent's blue survives.
        {TsDisabledKind::dkGrayed | TsDisabledKind::dkBlended, &ready, KeyColor, RGB(24, 24, 114), RGB(84, 84, 84)},
        // No background: half with the parent's colour (101, 51, 7) -> 65.5, 55.5, 48.5.
        {TsDisabledKind::dkBlended, &notReady, KeyColor, RGB(66, 56, 48), RGB(66, 56, 48)},
        {TsDisabledKind::dkBlended, &notReady, RGB(0, 0, 0), RGB(15, 30, 45), RGB(15, 30, 45)},
        {TsDisabledKind{}, &ready, KeyColor, control, control},
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            SharedFillColor = c.fill;
            Bitmap bmp = FilledBitmap(2, 2, control, order);
            RenderDisabled(bmp, c.kind, RGB(101, 51, 7), {1, 1}, *c.bg);
            EXPECT_EQ(bmp.PixelAt(0, 0), c.at00) << static_cast<int>(c.kind) << OrderName(order);
            EXPECT_EQ(bmp.PixelAt(1, 1), c.at11) << static_cast<int>(c.kind) << OrderName(order);
        }
    }
}

TEST_F(RenderDisabledTest, ParentColourIsResolved) {
    Bitmap bmp = FilledBitmap(2, 2, RGB(0, 0, 0), RowOrder::TopDown);
    RenderDisabled(bmp, TsDisabledKind::dkBlended, SystemColorRef(COLOR_BTNFACE), {0, 0}, ParentBackground{});
    Bitmap expected = FilledBitmap(2, 2, RGB(0, 0, 0), RowOrder::TopDown);
    const ColorRef face = GetSysColor(COLOR_BTNFACE);
    auto half = [](int v) { return static_cast<int>(std::nearbyint(v * 0.5)); };
    expected.Fill(RGB(half(GetRValue(face)), half(GetGValue(face)), half(GetBValue(face))));
    EXPECT_EQ(bmp, expected);
}

}  // namespace
}  // namespace quendar
