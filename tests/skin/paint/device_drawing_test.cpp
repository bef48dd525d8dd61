#include "skin/paint/device_drawing.h"

#include <gtest/gtest.h>

#include "paint_test_support.h"
#include "platform/system_colors.h"

namespace quendar {
namespace {

using namespace quendar::testing;

// One character a pixel: '.' background, 'K' black, 'W' white.
std::vector<std::string> Picture(const Bitmap& bmp, ColorRef background) {
    std::vector<std::string> rows;
    for (int y = 0; y < bmp.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bmp.Width(); ++x) {
            const ColorRef c = bmp.PixelAt(x, y);
            row += c == background ? '.' : c == 0 ? 'K' : c == 0xFFFFFF ? 'W' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

constexpr ColorRef Gray = RGB(128, 128, 128);

TEST(DrawDottedFocusFrame, DotsEveryThirdPixelOnTheInclusiveEdges) {
    for (RowOrder order : BothRowOrders) {
        Bitmap bmp = FilledBitmap(7, 7, Gray, order);
        DeviceContext dc(bmp);
        DrawDottedFocusFrame(dc, {0, 0, 6, 6});
        const std::vector<std::string> expected{"K..K..K", ".......", ".....W.", "K.....K",
                                                ".......", "..W..W.", "K..K..K"};
        EXPECT_EQ(Picture(bmp, Gray), expected) << OrderName(order);
    }
}

TEST(DrawFrame3D, NestedFramesAndTheAreaInside) {
    const struct { int width; Rect expectedInside; std::vector<std::string> expected; } cases[] = {
        {1, {1, 1, 4, 3}, {"WWWWK", "W...K", "W...K", "KKKKK"}},
        {2, {2, 2, 4, 4}, {"WWWWWK", "WWWWKK", "WW..KK", "WW..KK", "WKKKKK", "KKKKKK"}},
        {0, {0, 0, 6, 6}, {"......", "......", "......", "......", "......", "......"}},
    };
    for (const auto& c : cases) {
        const int side = c.width == 1 ? 0 : 6;
        Bitmap bmp = FilledBitmap(side ? 6 : 5, side ? 6 : 4, Gray, RowOrder::BottomUp);
        DeviceContext dc(bmp);
        dc.SelectPen(Pen::Solid(RGB(1, 2, 3)));
        dc.SelectBrush(Brush::Solid(RGB(4, 5, 6)));
        Rect r = bmp.Bounds();
        DrawFrame3D(dc, r, SystemColorRef(COLOR_BTNHIGHLIGHT), c.width, RGB(0, 0, 0));
        EXPECT_EQ(Picture(bmp, Gray), c.expected) << c.width;
        EXPECT_EQ(r, c.expectedInside) << c.width;
        EXPECT_EQ(dc.CurrentPen(), Pen::Solid(RGB(1, 2, 3)));
        EXPECT_EQ(dc.CurrentBrush(), Brush::Solid(RGB(4, 5, 6)));
    }
}

TEST(FillDeviceRect, FillsTheResolvedColourAndRestoresTheContext) {
    Bitmap bmp = FilledBitmap(4, 3, Gray, RowOrder::TopDown);
    DeviceContext dc(bmp);
    dc.SelectBrush(Brush::Solid(RGB(9, 9, 9)));
    FillDeviceRect(dc, {1, 1, 3, 3}, SystemColorRef(COLOR_WINDOW));
    const ColorRef w = GetSysColor(COLOR_WINDOW);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x < 3 && y >= 1;
            EXPECT_EQ(bmp.PixelAt(x, y), inside ? w : Gray) << x << "," << y;
        }
    }
    EXPECT_EQ(dc.CurrentBrush(), Brush::Solid(RGB(9, 9, 9)));
}

}  // namespace
}  // namespace quendar
