#include "platform/region.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quendar {
namespace {

enum class Op { Union, Intersect, Subtract, Xor };

Region Apply(Op op, const Region& a, const Region& b) {
    switch (op) {
        case Op::Union:
            return a.Union(b);
        case Op::Intersect:
            return a.Intersect(b);
        case Op::Subtract:
            return a.Subtract(b);
        case Op::Xor:
            return a.Xor(b);
    }
    return {};
}

TEST(Region, CombinationsGiveTheCanonicalRectangles) {
    struct Case {
        const char* name;
        std::vector<Rect> a;
        Op op;
        std::vector<Rect> b;
        std::vector<Rect> expected;
    };
    const Case cases[] = {
        {"side by side touching merge", {{0, 0, 2, 2}}, Op::Union, {{2, 0, 5, 2}}, {{0, 0, 5, 2}}},
        {"stacked touching merge", {{1, 0, 3, 2}}, Op::Union, {{1, 2, 3, 4}}, {{1, 0, 3, 4}}},
        {"gap keeps two", {{0, 0, 2, 1}}, Op::Union, {{3, 0, 4, 1}}, {{0, 0, 2, 1}, {3, 0, 4, 1}}},
        {"overlapping L shape", {{0, 0, 4, 2}}, Op::Union, {{0, 0, 2, 4}}, {{0, 0, 4, 2}, {0, 2, 2, 4}}},
        {"cross overlap", {{0, 0, 4, 4}}, Op::Intersect, {{2, 1, 6, 3}}, {{2, 1, 4, 3}}},
        {"disjoint intersect is empty", {{0, 0, 2, 2}}, Op::Intersect, {{2, 0, 4, 2}}, {}},
        {"hole in the middle",
         {{0, 0, 4, 4}},
         Op::Subtract,
         {{1, 1, 3, 3}},
         {{0, 0, 4, 1}, {0, 1, 1, 3}, {3, 1, 4, 3}, {0, 3, 4, 4}}},
        {"subtract all", {{0, 0, 2, 2}}, Op::Subtract, {{-1, -1, 3, 3}}, {}},
        {"subtract nothing", {{0, 0, 2, 2}}, Op::Subtract, {}, {{0, 0, 2, 2}}},
        {"xor of overlapping squares",
         {{0, 0, 2, 2}},
         Op::Xor,
         {{1, 1, 3, 3}},
         {{0, 0, 2, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {1, 2, 3, 3}}},
        {"xor with itself", {{0, 0, 3, 3}}, Op::Xor, {{0, 0, 3, 3}}, {}},
        {"empty rectangles ignored", {{5, 5, 5, 9}}, Op::Union, {{0, 0, 1, 1}, {3, 3, 2, 4}}, {{0, 0, 1, 1}}},
    };
    for (const Case& c : cases) {
        Region result = Apply(c.op, Region::FromRects(c.a), Region::FromRects(c.b));
        EXPECT_EQ(result.Rects(), c.expected) << c.name;
    }
}

TEST(Region, SamePixelsCompareEqualWhateverTheConstruction) {
    // A 4 x 4 square with its centre 2 x 2 missing, built four ways.
    Region fromStrips = Region::FromRects({{0, 0, 4, 1}, {0, 3, 4, 4}, {0, 1, 1, 3}, {3, 1, 4, 3}});
    Region fromColumns = Region::FromRects({{0, 0, 1, 4}, {3, 0, 4, 4}, {1, 0, 3, 1}, {1, 3, 3, 4}});
    Region carved = Region(Rect{0, 0, 4, 4}).Subtract(Rect{1, 1, 3, 3});
    Region fromPixels;
    for (int y = 3; y >= 0; --y) {
        for (int x = 0; x < 4; ++x) {
            if (x == 0 || x == 3 || y == 0 || y == 3)
                fromPixels = fromPixels.Union(Rect::FromSize(x, y, 1, 1));
        }
    }
    EXPECT_EQ(fromStrips, carved);
    EXPECT_EQ(fromColumns, carved);
    EXPECT_EQ(fromPixels, carved);
    EXPECT_NE(carved, Region(Rect{0, 0, 4, 4}));
}

TEST(Region, QueriesRespectExclusiveRightAndBottom) {
    Region region = Region::FromRects({{0, 0, 4, 2}, {6, 0, 8, 2}});
    struct Case {
        Point p;
        bool contained;
    };
    const Case points[] = {{{0, 0}, true},   {{3, 1}, true},  {{4, 0}, false}, {{5, 1}, false},
                           {{6, 1}, true},   {{7, 1}, true},  {{8, 1}, false}, {{0, 2}, false},
                           {{-1, 0}, false}, {{7, -1}, false}};
    for (const Case& c : points) {
        EXPECT_EQ(region.Contains(c.p), c.contained) << c.p.X << "," << c.p.Y;
    }
    struct RectCase {
        Rect r;
        bool intersects;
        bool contained;
    };
    const RectCase rects[] = {
        {{0, 0, 4, 2}, true, true},   {{0, 0, 5, 2}, true, false}, {{4, 0, 6, 2}, false, false},
        {{3, 1, 7, 2}, true, false},  {{6, 0, 8, 2}, true, true},  {{0, 2, 8, 3}, false, false},
        {{1, 1, 1, 2}, false, false},  // empty
    };
    for (const RectCase& c : rects) {
        EXPECT_EQ(region.Intersects(c.r), c.intersects) << c.r.Left << "," << c.r.Top;
        EXPECT_EQ(region.ContainsRect(c.r), c.contained) << c.r.Left << "," << c.r.Top;
    }
}

TEST(Region, KindBoundsAndOffset) {
    EXPECT_EQ(Region().Kind(), NULLREGION);
    EXPECT_EQ(Region(Rect{2, 2, 2, 5}).Kind(), NULLREGION);
    EXPECT_EQ(Region(Rect{0, 0, 3, 3}).Kind(), SIMPLEREGION);
    Region two = Region::FromRects({{0, 0, 2, 2}, {5, 4, 7, 9}});
    EXPECT_EQ(two.Kind(), COMPLEXREGION);
    EXPECT_EQ(two.Bounds(), (Rect{0, 0, 7, 9}));
    EXPECT_EQ(Region().Bounds(), Rect{});
    EXPECT_EQ(two.Offset(-3, 10), Region::FromRects({{-3, 10, -1, 12}, {2, 14, 4, 19}}));
}

// Random rectangle sets on a small grid: every operation must agree with the
// same operation done pixel by pixel, and the result must be canonical.
TEST(Region, OperationsAgreeWithPixelSets) {
    constexpr int side = 12;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(0, side);
    auto randomRects = [&] {
        std::vector<Rect> rects;
        int count = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < count; ++i) {
            int x1 = coordinate(random), x2 = coordinate(random), y1 = coordinate(random),
                y2 = coordinate(random);
            rects.push_back({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
        }
        return rects;
    };
    auto inRects = [](const std::vector<Rect>& rects, Point p) {
        for (const Rect& r : rects) {
            if (r.Contains(p)) return true;
        }
        return false;
    };
    for (int round = 0; round < 300; ++round) {
        std::vector<Rect> a = randomRects();
        std::vector<Rect> b = randomRects();
        for (Op op : {Op::Union, Op::Intersect, Op::Subtract, Op::Xor}) {
            Region result = Apply(op, Region::FromRects(a), Region::FromRects(b));
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    bool inA = inRects(a, {x, y});
                    bool inB = inRects(b, {x, y});
                    bool expected = op == Op::Union       ? inA || inB
                                    : op == Op::Intersect ? inA && inB
                                    : op == Op::Subtract  ? inA && !inB
                                                          : inA != inB;
                    ASSERT_EQ(result.Contains({x, y}), expected)
                        << "round " << round << " at " << x << "," << y;
                }
            }
            const std::vector<Rect>& rects = result.Rects();
            for (std::size_t i = 0; i < rects.size(); ++i) {
                ASSERT_FALSE(rects[i].IsEmpty());
                for (std::size_t j = i + 1; j < rects.size(); ++j)
                    ASSERT_FALSE(rects[i].Intersects(rects[j]));
                if (i > 0) {
                    const Rect& prev = rects[i - 1];
                    bool ordered =
                        prev.Top < rects[i].Top || (prev.Top == rects[i].Top && prev.Right < rects[i].Left);
                    ASSERT_TRUE(ordered) << "round " << round;
                }
            }
            ASSERT_EQ(Region::FromRects(rects), result);
        }
    }
}

}  // namespace
}  // namespace quendar
