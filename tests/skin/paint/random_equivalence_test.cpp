// The optimised routines against the plain references on random pictures and
// random rectangles (partly outside, negative corners), on both row orders.

#include <gtest/gtest.h>

#include <random>

#include "paint_test_support.h"
#include "reference_blending.h"
#include "skin/paint/paint_colors.h"
#include "skin/paint/pixel_blending.h"

namespace quendar {
namespace {

using namespace quendar::testing;

Rect RandomRect(std::mt19937& random, int width, int height) {
    const int left = RandomInt(random, -12, width + 4);
    const int top = RandomInt(random, -12, height + 4);
    return {left, top, left + RandomInt(random, -2, width + 12), top + RandomInt(random, -2, height + 12)};
}

// Mostly small pictures; every fourth one large enough for the table paths.
Size RandomSize(std::mt19937& random, int round) {
    if (round % 4 == 3) return {RandomInt(random, 60, 130), RandomInt(random, 50, 90)};
    return {RandomInt(random, 1, 24), RandomInt(random, 1, 18)};
}

double RandomFactor(std::mt19937& random) {
    static constexpr double common[] = {0.0, 0.4, 0.5, 1.0, 0.25, 0.75, -0.3, 1.7};
    const int pick = RandomInt(random, 0, 11);
    if (pick < 8) return common[pick];
    return std::uniform_real_distribution<double>(-0.2, 1.2)(random);
}

class RandomEquivalence : public ::testing::TestWithParam<RowOrder> {};

TEST_P(RandomEquivalence, MixRectWithColor) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const Size size = RandomSize(random, round);
        Bitmap actual = RandomBitmap(random, size.Width, size.Height, GetParam());
        Bitmap expected = actual;
        const Rect r = RandomRect(random, size.Width, size.Height);
        const int percent = RandomInt(random, 0, 255);
        const ColorRef color = RandomInt(random, 0, 7) == 0 ? SystemColorRef(RandomInt(random, 0, 30))
                                                            : RandomInt(random, 0, 0xFFFFFF);
        MixRectWithColor(actual, r, static_cast<std::uint8_t>(percent), color);
        reference::Mix(expected, r, percent, color);
        ASSERT_EQ(actual, expected) << "round " << round << " percent " << percent;
    }
}

TEST_P(RandomEquivalence, WeightedSumAndWeightedSumRect) {
    std::mt19937 random(12);
    for (int round = 0; round < 300; ++round) {
        const Size a = RandomSize(random, round);
        const Size b = round % 5 == 0 ? a : RandomSize(random, round);
        Bitmap actual = RandomBitmap(random, a.Width, a.Height, GetParam());
        const Bitmap source = RandomBitmap(random, b.Width, b.Height,
                                           BothRowOrders[RandomInt(random, 0, 1)]);
        Bitmap expected = actual;
        const int weight = RandomInt(random, 0, 255);
        if (round % 5 == 0) {
            WeightedSum(actual, source, static_cast<std::uint8_t>(weight));
            reference::SumRect(expected, source, weight, {0, 0}, source.Bounds());
        } else {
            const Point point{RandomInt(random, -15, a.Width + 2), RandomInt(random, -15, a.Height + 2)};
            const Rect r = RandomRect(random, b.Width, b.Height);
            WeightedSumRect(actual, source, static_cast<std::uint8_t>(weight), point, r);
            reference::SumRect(expected, source, weight, point, r);
        }
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

TEST_P(RandomEquivalence, BlendRectOver) {
    std::mt19937 random(13);
    for (int round = 0; round < 300; ++round) {
        const Size a = RandomSize(random, round);
        const Size b = RandomSize(random, round);
        Bitmap actual = RandomBitmap(random, a.Width, a.Height, GetParam());
        const Bitmap source = RandomBitmap(random, b.Width, b.Height,
                                           BothRowOrders[RandomInt(random, 0, 1)]);
        Bitmap expected = actual;
        const int x = RandomInt(random, -10, a.Width);
        const int y = RandomInt(random, -10, a.Height);
        const ColorRef key = RandomInt(random, 0, 2) == 0 ? 0xFF000000 : KeyColor;
        const double factor = RandomFactor(random);
        const Rect r = RandomRect(random, b.Width, b.Height);
        BlendRectOver(actual, x, y, key, factor, r, source);
        reference::BlendOver(expected, x, y, key, factor, r, source);
        ASSERT_EQ(actual, expected) << "round " << round << " factor " << factor;
    }
}

// Areas large enough for the integer rules, with the factors the engine
// uses and key runs, so whole, mixed and key-free blocks all occur.
TEST_P(RandomEquivalence, BlendRectOverLargeAreas) {
    std::mt19937 random(16);
    static constexpr double factors[] = {0.4, 0.5, 0.25, 0.3, 0.0, 1.0};
    for (int round = 0; round < 24; ++round) {
        const int width = RandomInt(random, 90, 200);
        const int height = RandomInt(random, 60, 90);
        Bitmap actual = RandomBitmap(random, width, height, GetParam());
        const Bitmap source = RandomBitmap(random, width + 5, height, BothRowOrders[round % 2], KeyColor,
                                           round % 3 == 0 ? 2 : 30);
        Bitmap expected = actual;
        const ColorRef key = round % 2 == 0 ? 0xFF000000 : KeyColor;
        const double factor = factors[round % 6];
        const int x = RandomInt(random, -7, 7);
        const int y = RandomInt(random, -7, 7);
        const Rect r{RandomInt(random, -3, 4), RandomInt(random, -3, 4), width + 2, height};
        BlendRectOver(actual, x, y, key, factor, r, source);
        reference::BlendOver(expected, x, y, key, factor, r, source);
        ASSERT_EQ(actual, expected) << "round " << round << " factor " << factor;
    }
}

// Blending a bitmap over itself keeps the pixel-by-pixel order.
TEST_P(RandomEquivalence, BlendRectOverOntoItself) {
    std::mt19937 random(17);
    for (int round = 0; round < 8; ++round) {
        Bitmap actual = RandomBitmap(random, 140, 70, GetParam());
        Bitmap expected = actual;
        const int shift = RandomInt(random, -2, 2);
        BlendRectOver(actual, shift, 1, 0xFF000000, 0.5, {0, 0, 139, 69}, actual);
        reference::BlendOver(expected, shift, 1, 0xFF000000, 0.5, {0, 0, 139, 69}, expected);
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

TEST_P(RandomEquivalence, TintByMask) {
    std::mt19937 random(18);
    for (int round = 0; round < 100; ++round) {
        const Size size = RandomSize(random, round);
        Bitmap actual = RandomBitmap(random, size.Width, size.Height, GetParam());
        const Bitmap weights = RandomBitmap(random, size.Width, size.Height, BothRowOrders[round % 2]);
        Bitmap expected = actual;
        const ColorRef color = round % 7 == 0 ? SystemColorRef(RandomInt(random, 0, 30))
                                              : static_cast<ColorRef>(RandomInt(random, 0, 0xFFFFFF));
        TintByMask(actual, weights, color);
        reference::Tint(expected, weights, color);
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

TEST_P(RandomEquivalence, CopyWithKeyAndBackdrop) {
    std::mt19937 random(14);
    for (int round = 0; round < 300; ++round) {
        const Size a = RandomSize(random, round);
        const Size b = RandomSize(random, round);
        Bitmap actual = RandomBitmap(random, a.Width, a.Height, GetParam());
        // Runs of key pixels as well as single ones, so whole blocks are skipped too.
        const Bitmap source = RandomBitmap(random, b.Width, b.Height,
                                           BothRowOrders[RandomInt(random, 0, 1)], KeyColor,
                                           round % 2 == 0 ? 2 : 40);
        Bitmap expected = actual;
        const int x = RandomInt(random, -30, a.Width);
        const int y = RandomInt(random, -20, a.Height);
        if (round % 2 == 0) {
            CopyWithKey(actual, source, x, KeyColor, y);
            reference::KeyCopy(expected, source, x, KeyColor, y);
        } else {
            Bitmap parent = RandomBitmap(random, RandomInt(random, 1, 40), RandomInt(random, 1, 30),
                                         GetParam());
            const ParentBackground bg{&parent, RandomInt(random, -10, 10), RandomInt(random, -10, 10),
                                      static_cast<std::uint8_t>(RandomInt(random, 0, 1))};
            const bool fill = RandomInt(random, 0, 3) != 0;
            const Rect r = RandomRect(random, b.Width, b.Height);
            CopyWithKeyBackdrop(actual, source, x, fill, bg, KeyColor, r, y);
            const bool usesParent = fill && bg.Ready && parent.Width() >= 2 && parent.Height() >= 2;
            reference::KeyCopyBackdrop(expected, source, x, usesParent ? &parent : nullptr,
                                       bg.OffsetX, bg.OffsetY, KeyColor, r, y);
        }
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

TEST_P(RandomEquivalence, Grayscale) {
    std::mt19937 random(15);
    for (int round = 0; round < 100; ++round) {
        const Size size = RandomSize(random, round);
        Bitmap actual = RandomBitmap(random, size.Width, size.Height, GetParam());
        Bitmap expected = actual;
        const bool exceptKey = round % 2 == 1;
        if (exceptKey) {
            MakeGrayscaleExceptKey(actual, KeyColor);
        } else {
            MakeGrayscale(actual);
        }
        reference::Gray(expected, exceptKey, KeyColor);
        ASSERT_EQ(actual, expected) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(BothRowOrders, RandomEquivalence, ::testing::ValuesIn(BothRowOrders),
                         [](const auto& info) {
                             return info.param == RowOrder::TopDown ? std::string("TopDown")
                                                                    : std::string("BottomUp");
                         });

}  // namespace
}  // namespace quendar
