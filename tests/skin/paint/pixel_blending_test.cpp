// Exact bytes of the pixel routines on tiny bitmaps, in both row orders.

#include "skin/paint/pixel_blending.h"

#include <gtest/gtest.h>

#include "paint_test_support.h"
#include "platform/system_colors.h"
#include "skin/paint/assertion_failed.h"
#include "skin/paint/paint_colors.h"

namespace quendar {
namespace {

using namespace quendar::testing;
using Rows = std::vector<std::vector<ColorRef>>;

constexpr ColorRef A = RGB(10, 20, 30);
constexpr ColorRef B = RGB(200, 100, 50);
constexpr ColorRef M = KeyColor;

TEST(MixRectWithColor, PercentIsTheShareThePictureKeeps) {
    const struct { int percent; ColorRef pixel; ColorRef color; ColorRef expected; } cases[] = {
        {100, B, RGB(0, 0, 0), B},                   // unchanged
        {0, B, RGB(1, 2, 3), RGB(1, 2, 3)},          // exactly the colour
        {50, RGB(0, 0, 0), RGB(5, 7, 9), RGB(2, 4, 4)},  // 2.5, 3.5, 4.5 to even
        {30, RGB(100, 200, 0), RGB(0, 0, 100), RGB(30, 60, 70)},
        {0, A, SystemColorRef(COLOR_WINDOW), GetSysColor(COLOR_WINDOW)},
        {200, RGB(200, 10, 100), RGB(0, 100, 100), RGB(255, 0, 100)},  // beyond 100: limited
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap bmp = FilledBitmap(2, 2, c.pixel, order);
            MixRectWithColor(bmp, {0, 0, 1, 1}, static_cast<std::uint8_t>(c.percent), c.color);
            EXPECT_EQ(PixelsOf(bmp), Rows(2, {c.expected, c.expected})) << c.percent << OrderName(order);
        }
    }
}

TEST(MixRectWithColor, RightAndBottomAreInside) {
    const ColorRef W = RGB(255, 255, 255);
    const struct { Rect rect; Rows expected; } cases[] = {
        {{1, 0, 1, 0}, {{A, W, A}, {A, A, A}}},
        {{0, 0, 1, 1}, {{W, W, A}, {W, W, A}}},
        {{-5, 1, 9, 9}, {{A, A, A}, {W, W, W}}},  // clipped to the bitmap
        {{2, 1, 1, 1}, {{A, A, A}, {A, A, A}}},   // right before left: nothing
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap bmp = FilledBitmap(3, 2, A, order);
            MixRectWithColor(bmp, c.rect, 0, W);
            EXPECT_EQ(PixelsOf(bmp), c.expected) << OrderName(order);
        }
    }
}

TEST(WeightedSum, WeightIsTheDestinationsShare) {
    const struct { int weight; ColorRef destination; ColorRef source; ColorRef expected; } cases[] = {
        {0, RGB(0, 0, 0), RGB(255, 255, 255), RGB(254, 254, 254)},  // never quite the source
        {255, RGB(100, 0, 255), RGB(0, 255, 0), RGB(100, 0, 254)},
        {128, RGB(200, 0, 10), RGB(100, 255, 10), RGB(150, 127, 10)},
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap dst = FilledBitmap(2, 2, c.destination, order);
            const Bitmap src = FilledBitmap(2, 2, c.source, order);
            WeightedSum(dst, src, static_cast<std::uint8_t>(c.weight));
            EXPECT_EQ(PixelsOf(dst), Rows(2, {c.expected, c.expected})) << c.weight << OrderName(order);
        }
    }
}

TEST(WeightedSum, RefusedBitmapsStayUnchanged) {
    const struct { Size destination; Size source; } cases[] = {
        {{3, 2}, {2, 3}},  // different sizes
        {{1, 4}, {1, 4}},  // under 2x2
    };
    for (const auto& c : cases) {
        Bitmap dst = FilledBitmap(c.destination.Width, c.destination.Height, A, RowOrder::BottomUp);
        const Bitmap before = dst;
        WeightedSum(dst, FilledBitmap(c.source.Width, c.source.Height, B, RowOrder::TopDown), 0);
        EXPECT_EQ(dst, before);
    }
}

TEST(WeightedSumRect, PlacesAndClipsTheSourceRectangle) {
    const ColorRef W = RGB(255, 255, 255);
    const ColorRef S = RGB(254, 254, 254);  // white summed with weight 0 onto black
    const ColorRef K = RGB(0, 0, 0);
    const struct { Point point; Rect source; Rows expected; } cases[] = {
        {{1, 1}, {0, 0, 2, 1}, {{K, K, K}, {K, S, S}, {K, K, K}}},
        {{-1, 0}, {0, 0, 3, 1}, {{S, K, K}, {K, K, K}, {K, K, K}}},  // point left of the bitmap
        {{0, 0}, {-2, 0, 1, 1}, {{K, K, S}, {K, K, K}, {K, K, K}}},  // source corner left of it
        {{2, 2}, {0, 0, 9, 9}, {{K, K, K}, {K, K, K}, {K, K, S}}},  // cut to the destination
        {{0, 0}, {1, 1, 1, 3}, {{K, K, K}, {K, K, K}, {K, K, K}}},  // empty
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap dst = FilledBitmap(3, 3, K, order);
            WeightedSumRect(dst, FilledBitmap(2, 2, W, RowOrder::TopDown), 0, c.point, c.source);
            EXPECT_EQ(PixelsOf(dst), c.expected) << OrderName(order);
        }
    }
}

TEST(Grayscale, AverageOfTheChannelsRoundedDown) {
    for (RowOrder order : BothRowOrders) {
        Bitmap bmp = BitmapOf({{RGB(10, 20, 31), M}, {RGB(255, 255, 254), RGB(0, 0, 2)}}, order);
        Bitmap keyed = bmp;
        MakeGrayscale(bmp);
        EXPECT_EQ(PixelsOf(bmp), (Rows{{RGB(20, 20, 20), RGB(170, 170, 170)},
                                       {RGB(254, 254, 254), RGB(0, 0, 0)}}));
        MakeGrayscaleExceptKey(keyed, M);
        EXPECT_EQ(PixelsOf(keyed), (Rows{{RGB(20, 20, 20), M}, {RGB(254, 254, 254), RGB(0, 0, 0)}}));
    }
}

TEST(TintByMask, WeightIsThePicturesShare) {
    for (RowOrder order : BothRowOrders) {
        Bitmap bmp = BitmapOf({{RGB(200, 200, 200), RGB(7, 8, 9)}}, order);
        bmp.Resize(2, 2);
        const Bitmap weights = BitmapOf({{RGB(255, 0, 128), RGB(0, 0, 0)}, {RGB(0, 0, 0), RGB(0, 0, 0)}},
                                        RowOrder::TopDown);
        TintByMask(bmp, weights, RGB(100, 100, 100));
        // Red: (25600 + 255 * 100) >> 8; green: the colour; blue: (25600 + 128 * 100) >> 8.
        EXPECT_EQ(PixelsOf(bmp), (Rows{{RGB(199, 100, 150), RGB(100, 100, 100)},
                                       {RGB(100, 100, 100), RGB(100, 100, 100)}}));
        Bitmap other = FilledBitmap(3, 2, A, order);
        TintByMask(other, weights, B);
        EXPECT_EQ(other, FilledBitmap(3, 2, A, order));  // sizes differ
    }
}

TEST(PixelRoutines, OtherDepthsAreAProgrammingError) {
    Bitmap wide(3, 3, PixelFormat::Bits32);
    try {
        MakeGrayscale(wide);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(), "Bitmap format is not supported");
        EXPECT_EQ(e.Module(), "sAlphaGraph");
    }
    EXPECT_THROW(MixRectWithColor(wide, {0, 0, 1, 1}, 50, 0), EAssertionFailed);
}

}  // namespace
}  // namespace quendar
