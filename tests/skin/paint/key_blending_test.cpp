// Exact bytes of the key-colour blend and copies on tiny bitmaps.

#include <gtest/gtest.h>

#include "paint_test_support.h"
#include "skin/paint/paint_colors.h"
#include "skin/paint/pixel_blending.h"

namespace quendar {
namespace {

using namespace quendar::testing;
using Rows = std::vector<std::vector<ColorRef>>;

constexpr ColorRef M = KeyColor;
constexpr ColorRef K = RGB(0, 0, 0);
constexpr ColorRef G = RGB(200, 200, 200);
constexpr ColorRef P = RGB(100, 100, 100);
constexpr ColorRef X = RGB(1, 2, 3);
constexpr ColorRef NoKey = 0xFF000000;

TEST(BlendRectOver, DestinationKeepsTheFactor) {
    const struct { double factor; ColorRef key; ColorRef source; ColorRef expected; } cases[] = {
        {0.4, M, P, RGB(140, 140, 140)},  // 100 - 0.4 * (100 - 200)
        {0.5, M, RGB(1, 3, 5), RGB(100, 102, 102)},  // 100.5, 101.5, 102.5 to even
        {0.0, M, P, P},
        {1.0, M, P, G},
        {0.4, M, M, G},  // key pixel skipped
        {0.5, NoKey, M, RGB(228, 100, 228)},  // key blended too
        {0.5, KeyColor | 0x01000000, M, G},  // only 0xFF in the high byte means no key
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap dst = FilledBitmap(2, 2, G, order);
            BlendRectOver(dst, 0, 0, c.key, c.factor, {0, 0, 1, 1}, FilledBitmap(2, 2, c.source, order));
            EXPECT_EQ(PixelsOf(dst), Rows(2, {c.expected, c.expected})) << c.factor << OrderName(order);
        }
    }
}

TEST(BlendRectOver, SourceRectangleIsInclusiveAndShiftsWhenCut) {
    const Bitmap source = BitmapOf({{K, X}, {X, K}}, RowOrder::TopDown);
    const struct { int x, y; Rect rect; Rows expected; } cases[] = {
        {0, 0, {0, 0, 0, 0}, {{K, G, G}, {G, G, G}}},          // one pixel: right is inside
        {1, 0, {0, 0, 1, 1}, {{G, K, X}, {G, X, K}}},
        {0, 0, {-1, 0, 1, 0}, {{G, K, X}, {G, G, G}}},         // cut left moves right
        {0, 0, {0, -1, 0, 0}, {{G, G, G}, {K, G, G}}},         // cut top moves down
        {2, 1, {0, 0, 5, 5}, {{G, G, G}, {G, G, K}}},          // cut to both bitmaps
        {-1, -1, {0, 0, 1, 1}, {{K, G, G}, {G, G, G}}},        // destination left and above
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap dst = FilledBitmap(3, 2, G, order);
            BlendRectOver(dst, c.x, c.y, NoKey, 0.0, c.rect, source);
            EXPECT_EQ(PixelsOf(dst), c.expected) << c.x << "," << c.y << OrderName(order);
        }
    }
}

TEST(CopyWithKey, KeyPixelsNeverArrive) {
    const Bitmap source = BitmapOf({{M, X}, {X, M}}, RowOrder::BottomUp);
    const struct { int x, y; Rows expected; } cases[] = {
        {0, 0, {{G, X, G}, {X, G, G}, {G, G, G}}},
        {2, 2, {{G, G, G}, {G, G, G}, {G, G, G}}},  // only a key pixel lands inside
        {-1, 1, {{G, G, G}, {X, G, G}, {G, G, G}}},
        {1, -1, {{G, X, G}, {G, G, G}, {G, G, G}}},
        {3, 0, {{G, G, G}, {G, G, G}, {G, G, G}}},
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap dst = FilledBitmap(3, 3, G, order);
            CopyWithKey(dst, source, c.x, M, c.y);
            EXPECT_EQ(PixelsOf(dst), c.expected) << c.x << "," << c.y << OrderName(order);
        }
    }
}

TEST(CopyWithKey, LongRowsWithScatteredKeys) {
    // 37 pixels: two whole blocks of 16 and a tail; keys in both blocks and the tail.
    for (RowOrder order : BothRowOrders) {
        std::vector<ColorRef> row(37);
        for (int i = 0; i < 37; ++i) row[i] = (i % 7 == 3) ? M : RGB(i, 2 * i, 3 * i);
        Bitmap dst = FilledBitmap(37, 2, G, order);
        CopyWithKey(dst, BitmapOf({row, row}, order), 0, M, 0);
        for (int i = 0; i < 37; ++i) EXPECT_EQ(dst.PixelAt(i, 1), i % 7 == 3 ? G : row[i]) << i;
    }
}

TEST(CopyWithKey, OntoItselfCopiesThePixelsAsTheyWere) {
    // Long rows so the vector loops run; shifted right and down by a few pixels.
    std::mt19937 random(7);
    for (RowOrder order : BothRowOrders) {
        for (auto [dx, dy] : {std::pair{3, 1}, std::pair{-5, 0}, std::pair{17, -2}}) {
            Bitmap picture = RandomBitmap(random, 90, 6, order, M);
            Bitmap expected = picture;
            CopyWithKey(expected, Bitmap(picture), dx, M, dy);
            CopyWithKey(picture, picture, dx, M, dy);
            EXPECT_EQ(PixelsOf(picture), PixelsOf(expected)) << dx << "," << dy << OrderName(order);
        }
    }
}

TEST(CopyWithKeyBackdrop, KeyPixelsTakeTheParentBehindThem) {
    Bitmap parent = BitmapOf({{RGB(0, 0, 1), RGB(0, 0, 2), RGB(0, 0, 3), RGB(0, 0, 4)},
                              {RGB(0, 0, 5), RGB(0, 0, 6), RGB(0, 0, 7), RGB(0, 0, 8)}},
                             RowOrder::BottomUp);
    const Bitmap source = BitmapOf({{M, X, M}, {X, M, M}}, RowOrder::TopDown);
    const ColorRef p2 = RGB(0, 0, 2), p4 = RGB(0, 0, 4), p5 = RGB(0, 0, 5), p6 = RGB(0, 0, 6),
                   p7 = RGB(0, 0, 7), p8 = RGB(0, 0, 8);
    const struct { bool fill; std::uint8_t ready; int offsetX; int x; Rect rect; Rows expected; } cases[] = {
        // Parent column = offset + destination column.
        {true, 1, 1, 0, {0, 0, 2, 1}, {{p2, X, p4}, {X, p7, p8}}},
        {true, 1, 2, 0, {1, 0, 2, 1}, {{X, p4, G}, {p7, p8, G}}},
        {true, 1, 3, 0, {0, 0, 1, 1}, {{p4, X, G}, {X, G, G}}},
        // Beyond the parent's right edge the row stops: the X after it is not copied.
        {true, 1, 4, 0, {0, 0, 1, 1}, {{G, G, G}, {X, G, G}}},
        {false, 1, 1, 0, {0, 0, 2, 1}, {{G, X, G}, {X, G, G}}},  // no fill: keys left out
        {true, 0, 1, 0, {0, 0, 2, 1}, {{G, X, G}, {X, G, G}}},   // background not ready
        {true, 1, 0, 1, {0, 0, 1, 0}, {{G, p2, X}, {G, G, G}}},  // placed at x = 1
        {true, 1, -1, 0, {0, 0, 2, 1}, {{G, X, p2}, {X, p5, p6}}},  // parent column -1 skipped
    };
    for (RowOrder order : BothRowOrders) {
        for (const auto& c : cases) {
            Bitmap dst = FilledBitmap(3, 2, G, order);
            const ParentBackground bg{&parent, c.offsetX, 0, c.ready};
            CopyWithKeyBackdrop(dst, source, c.x, c.fill, bg, M, c.rect, 0);
            EXPECT_EQ(PixelsOf(dst), c.expected) << c.offsetX << OrderName(order);
        }
    }
}

}  // namespace
}  // namespace quendar
