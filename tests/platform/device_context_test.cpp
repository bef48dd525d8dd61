#include "platform/device_context.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/pixel_picture.h"
#include "platform/system_colors.h"

namespace quendar {
namespace {

using Rows = std::vector<std::string>;

TEST(DeviceContextFill, RightAndBottomStayOutsideAndEdgesClip) {
    for (const Layout& layout : AllLayouts) {
        Bitmap bitmap(6, 4, layout.Format, layout.Order);
        DeviceContext dc(bitmap);
        dc.FillSolidRect({1, 1, 3, 3}, RGB(255, 0, 0));
        dc.FillSolidRect({4, -5, 99, 2}, RGB(0, 0, 255));
        dc.FillRect({0, 3, 2, 9}, Brush::Solid(SystemColorRef(COLOR_BTNFACE)));
        dc.FillRect({0, 0, 6, 4}, Brush::Null());
        dc.FillSolidRect({3, 3, 2, 4}, RGB(255, 255, 255));  // inverted: nothing
        EXPECT_EQ(Picture(bitmap), (Rows{"....BB", ".RR.BB", ".RR...", "FF...."})) << layout.Name;
    }
}

TEST(DeviceContextFill, ThirtyTwoBitPixelsGetAlphaZero) {
    Bitmap bitmap(2, 1, PixelFormat::Bits32);
    bitmap.ScanLine(0)[3] = 0x77;
    bitmap.ScanLine(0)[7] = 0x77;
    DeviceContext dc(bitmap);
    dc.FillSolidRect({0, 0, 1, 1}, RGB(1, 2, 3));
    const std::uint8_t* p = bitmap.ScanLine(0);
    EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3], p[7]}), (std::vector<int>{3, 2, 1, 0, 0x77}));
}

TEST(DeviceContextFill, FrameAndRectangleOutlines) {
    struct Case {
        const char* name;
        Pen pen;
        Brush brush;
        bool frameOnly;
        Rows expected;
    };
    const Case cases[] = {
        {"frame",
         Pen::Solid(0),
         Brush::Solid(RGB(255, 0, 0)),
         true,
         {"......", ".RRRR.", ".R..R.", ".RRRR.", "......"}},
        {"pen and brush",
         Pen::Solid(RGB(0, 0, 255)),
         Brush::Solid(RGB(255, 255, 0)),
         false,
         {"......", ".BBBB.", ".BYYB.", ".BBBB.", "......"}},
        {"hollow brush",
         Pen::Solid(RGB(0, 0, 255)),
         Brush::Null(),
         false,
         {"......", ".BBBB.", ".B..B.", ".BBBB.", "......"}},
        {"null pen fills one less",
         Pen::None(),
         Brush::Solid(RGB(255, 255, 0)),
         false,
         {"......", ".YYY..", ".YYY..", "......", "......"}},
    };
    for (const Layout& layout : AllLayouts) {
        for (const Case& c : cases) {
            Bitmap bitmap(6, 5, layout.Format, layout.Order);
            DeviceContext dc(bitmap);
            if (c.frameOnly) {
                dc.FrameRect({1, 1, 5, 4}, c.brush);
            } else {
                dc.SelectPen(c.pen);
                dc.SelectBrush(c.brush);
                dc.Rectangle({5, 4, 1, 1});  // corners in either order
            }
            EXPECT_EQ(Picture(bitmap), c.expected) << c.name << ", " << layout.Name;
        }
    }
}

TEST(DeviceContextFill, RoundRectCorners) {
    struct Case {
        Rect rect;
        int ellipseWidth;
        int ellipseHeight;
        Rows expected;
    };
    const Case cases[] = {
        {{0, 0, 7, 6}, 4, 4, {".BBBBB.", "BYYYYYB", "BYYYYYB", "BYYYYYB", "BYYYYYB", ".BBBBB."}},
        {{0, 0, 7, 6}, 0, 0, {"BBBBBBB", "BYYYYYB", "BYYYYYB", "BYYYYYB", "BYYYYYB", "BBBBBBB"}},
        {{0, 0, 7, 6}, 7, 6, {"..BBB..", "BBYYYBB", "BYYYYYB", "BYYYYYB", "BBYYYBB", "..BBB.."}},
        {{0, 0, 8, 2}, 8, 8, {"BBBBBBBB", "BBBBBBBB"}},  // too flat to round
        {{0, 0, 8, 3}, 8, 8, {".BBBBBB.", "BYYYYYYB", ".BBBBBB."}},
        {{0, 0, 9, 9},
         8,
         8,
         {"..BBBBB..", ".BYYYYYB.", "BYYYYYYYB", "BYYYYYYYB", "BYYYYYYYB", "BYYYYYYYB", "BYYYYYYYB",
          ".BYYYYYB.", "..BBBBB.."}},
    };
    for (const Layout& layout : AllLayouts) {
        for (const Case& c : cases) {
            Bitmap bitmap(c.rect.Width(), c.rect.Height(), layout.Format, layout.Order);
            DeviceContext dc(bitmap);
            dc.SelectPen(Pen::Solid(RGB(0, 0, 255)));
            dc.SelectBrush(Brush::Solid(RGB(255, 255, 0)));
            dc.RoundRect(c.rect, c.ellipseWidth, c.ellipseHeight);
            EXPECT_EQ(Picture(bitmap), c.expected)
                << c.ellipseWidth << "x" << c.ellipseHeight << ", " << layout.Name;
        }
    }
}

// For many sizes: the shape is mirror-symmetric both ways, touches all four
// sides, and the brush never reaches past the outline.
TEST(DeviceContextFill, RoundRectIsSymmetricAndClosed) {
    for (int width = 1; width <= 12; ++width) {
        for (int height = 1; height <= 12; ++height) {
            for (int corner : {2, 3, 5, 8, 30}) {
                Bitmap bitmap(width + 2, height + 2);
                DeviceContext dc(bitmap);
                dc.SelectPen(Pen::Solid(RGB(0, 0, 255)));
                dc.SelectBrush(Brush::Solid(RGB(255, 255, 0)));
                dc.RoundRect({1, 1, width + 1, height + 1}, corner, corner);
                Rows rows = Picture(bitmap);
                std::string where = std::to_string(width) + "x" + std::to_string(height) + " corner " +
                                    std::to_string(corner);
                for (int y = 0; y < height + 2; ++y) {
                    std::string mirrored(rows[y].rbegin(), rows[y].rend());
                    ASSERT_EQ(rows[y], mirrored) << where;
                    ASSERT_EQ(rows[y], rows[height + 1 - y]) << where;
                    for (int x = 0; x < width + 2; ++x) {
                        if (rows[y][x] != 'Y') continue;
                        for (Point n : {Point{x - 1, y}, Point{x + 1, y}, Point{x, y - 1}, Point{x, y + 1}}) {
                            ASSERT_NE(rows[n.Y][n.X], '.') << where << " leaks at " << x << "," << y;
                        }
                    }
                }
                ASSERT_NE(rows[1].find('B'), std::string::npos) << where;
                ASSERT_EQ(rows[0], std::string(width + 2, '.')) << where;
                std::string column;
                for (int y = 0; y < height + 2; ++y) column += rows[y][1];
                ASSERT_NE(column.find('B'), std::string::npos) << where;
            }
        }
    }
}

TEST(DeviceContextLine, LastPointIsNotDrawn) {
    struct Case {
        const char* name;
        Point from;
        Point to;
        Rows expected;
    };
    const Case cases[] = {
        {"horizontal", {1, 1}, {5, 1}, {"......", ".RRRR.", "......", "......"}},
        {"horizontal backwards", {5, 2}, {1, 2}, {"......", "......", "..RRRR", "......"}},
        {"vertical", {0, 0}, {0, 3}, {"R.....", "R.....", "R.....", "......"}},
        {"diagonal", {0, 0}, {3, 3}, {"R.....", ".R....", "..R...", "......"}},
        {"shallow", {0, 0}, {6, 2}, {"RR....", "..RRR.", ".....R", "......"}},
        {"steep up", {1, 3}, {2, 0}, {"......", "..R...", ".R....", ".R...."}},
        {"single point draws nothing", {2, 2}, {2, 2}, {"......", "......", "......", "......"}},
    };
    for (const Layout& layout : AllLayouts) {
        for (const Case& c : cases) {
            Bitmap bitmap(6, 4, layout.Format, layout.Order);
            DeviceContext dc(bitmap);
            dc.SelectPen(Pen::Solid(RGB(255, 0, 0)));
            dc.MoveTo(c.from);
            dc.LineTo(c.to);
            EXPECT_EQ(Picture(bitmap), c.expected) << c.name << ", " << layout.Name;
            EXPECT_EQ(dc.MoveTo({0, 0}), c.to) << c.name;
        }
    }
}

TEST(DeviceContextLine, PolylineDrawsCornersOnceAndLeavesThePenWhereItWas) {
    Bitmap bitmap(5, 4);
    DeviceContext dc(bitmap);
    dc.SelectPen(Pen::Solid(RGB(0, 255, 0)));
    dc.MoveTo({4, 3});
    const Point points[] = {{0, 0}, {3, 0}, {3, 3}, {0, 3}};
    dc.Polyline(points);
    EXPECT_EQ(Picture(bitmap), (Rows{"GGGG.", "...G.", "...G.", ".GGG."}));
    EXPECT_EQ(dc.MoveTo({0, 0}), (Point{4, 3}));

    dc.SelectPen(Pen::None());
    dc.MoveTo({0, 1});
    dc.LineTo({4, 1});
    EXPECT_EQ(Picture(bitmap)[1], "...G.");
    EXPECT_EQ(dc.MoveTo({0, 0}), (Point{4, 1}));  // a null pen still moves
}

TEST(DeviceContextLine, LinesFollowOriginAndClip) {
    for (const Layout& layout : AllLayouts) {
        Bitmap bitmap(6, 3, layout.Format, layout.Order);
        DeviceContext dc(bitmap);
        dc.SetOrigin({1, 1});
        dc.ExcludeClipRect({1, -1, 3, 0});
        dc.SelectPen(Pen::Solid(SystemColorRef(COLOR_BTNFACE)));
        dc.MoveTo({-3, -1});
        dc.LineTo({9, -1});  // bitmap row 0, columns 2 and 3 excluded
        dc.MoveTo({-1, 0});
        dc.LineTo({-1, 5});  // bitmap column 0 from row 1 down
        EXPECT_EQ(Picture(bitmap), (Rows{"FF..FF", "F.....", "F....."})) << layout.Name;
    }
}

TEST(DeviceContextPixels, SetAndGetFollowOriginAndClip) {
    for (const Layout& layout : AllLayouts) {
        Bitmap bitmap(4, 3, layout.Format, layout.Order);
        DeviceContext dc(bitmap, {1, 1}, Region(Rect{0, 0, 3, 3}));
        dc.SetPixel(0, 0, RGB(255, 0, 0));                        // bitmap (1, 1)
        dc.SetPixel(2, 0, RGB(255, 0, 0));                        // bitmap (3, 1): outside the system clip
        dc.SetPixel(-1, -1, SystemColorRef(COLOR_BTNHIGHLIGHT));  // bitmap (0, 0)
        dc.SetPixel(5, 5, RGB(255, 0, 0));
        EXPECT_EQ(Picture(bitmap), (Rows{"W...", ".R..", "...."})) << layout.Name;
        EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(dc.GetPixel(2, 0), CLR_INVALID);
        EXPECT_EQ(dc.GetPixel(-2, 0), CLR_INVALID);
        EXPECT_EQ(dc.GetPixel(1, 1), RGB(0, 0, 0));
    }
}

TEST(DeviceContextClip, RegionsExclusionsAndOrigin) {
    for (const Layout& layout : AllLayouts) {
        Bitmap bitmap(8, 5, layout.Format, layout.Order);
        DeviceContext dc(bitmap);
        dc.SetOrigin({1, 1});
        EXPECT_EQ(dc.IntersectClipRect({0, 0, 6, 3}), SIMPLEREGION);  // bitmap (1,1)-(7,4)
        EXPECT_EQ(dc.ExcludeClipRect({2, 1, 4, 2}), COMPLEXREGION);   // bitmap (3,2)-(5,3)
        EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 6, 3}));
        EXPECT_TRUE(dc.RectVisible({5, 2, 9, 9}));
        EXPECT_FALSE(dc.RectVisible({2, 1, 4, 2}));
        // Moving the origin keeps the clip on the same pixels.
        EXPECT_EQ(dc.SetOrigin({0, 0}), (Point{1, 1}));
        EXPECT_EQ(dc.GetClipBox(), (Rect{1, 1, 7, 4}));
        EXPECT_EQ(dc.GetClipRegion(), Region(Rect{1, 1, 7, 4}).Subtract(Rect{3, 2, 5, 3}));
        dc.FillSolidRect({0, 0, 8, 5}, RGB(255, 0, 0));
        EXPECT_EQ(Picture(bitmap), (Rows{"........", ".RRRRRR.", ".RR..RR.", ".RRRRRR.", "........"}))
            << layout.Name;

        Region corner(Rect{0, 0, 2, 2});
        dc.SetOrigin({6, 3});
        EXPECT_EQ(dc.SelectClipRegion(&corner), SIMPLEREGION);
        dc.FillSolidRect({-9, -9, 9, 9}, RGB(0, 0, 255));
        EXPECT_EQ(dc.SelectClipRegion(nullptr), SIMPLEREGION);
        EXPECT_FALSE(dc.HasClipRegion());
        dc.SetPixel(-6, -3, RGB(0, 255, 0));
        EXPECT_EQ(Picture(bitmap), (Rows{"G.......", ".RRRRRR.", ".RR..RR.", ".RRRRRBB", "......BB"}))
            << layout.Name;
    }
}

TEST(DeviceContextClip, SystemClipBoundsEverything) {
    Bitmap bitmap(6, 2);
    DeviceContext dc(bitmap, {0, 0}, Region::FromRects({{0, 0, 2, 2}, {4, 0, 9, 2}}));
    EXPECT_EQ(dc.DeviceClip(), Region::FromRects({{0, 0, 2, 2}, {4, 0, 6, 2}}));
    EXPECT_EQ(dc.IntersectClipRect({1, 0, 5, 1}), COMPLEXREGION);
    dc.FillSolidRect({0, 0, 6, 2}, RGB(255, 0, 0));
    EXPECT_EQ(Picture(bitmap), (Rows{".R..R.", "......"}));
    EXPECT_EQ(dc.ExcludeClipRect({0, 0, 9, 9}), NULLREGION);
    EXPECT_EQ(dc.GetClipBox(), Rect{});
}

TEST(DeviceContextState, SaveAndRestoreLevels) {
    Bitmap bitmap(4, 1);
    DeviceContext dc(bitmap);
    dc.SelectBrush(Brush::Solid(RGB(255, 0, 0)));
    EXPECT_EQ(dc.SaveDC(), 1);
    dc.SetOrigin({1, 0});
    dc.IntersectClipRect({0, 0, 1, 1});
    dc.SelectBrush(Brush::Solid(RGB(0, 255, 0)));
    dc.SetTextColor(RGB(1, 2, 3));
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SelectBrush(Brush::Solid(RGB(0, 0, 255)));
    dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(dc.SaveDC(), 3);
    dc.ExcludeClipRect({0, 0, 9, 9});

    EXPECT_FALSE(dc.RestoreDC(0));
    EXPECT_FALSE(dc.RestoreDC(4));
    EXPECT_FALSE(dc.RestoreDC(-4));
    EXPECT_TRUE(dc.RestoreDC(-1));  // back to level 3: blue, transparent
    EXPECT_EQ(dc.CurrentBrush(), Brush::Solid(RGB(0, 0, 255)));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_TRUE(dc.RestoreDC(2));  // green, clip one pixel at bitmap x = 1
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    dc.FillRect({-9, 0, 9, 1}, dc.CurrentBrush());
    EXPECT_EQ(Picture(bitmap), (Rows{".G.."}));
    EXPECT_FALSE(dc.RestoreDC(2));  // that save is gone now
    EXPECT_TRUE(dc.RestoreDC(-1));  // level 1: red, no clip, origin 0
    EXPECT_FALSE(dc.HasClipRegion());
    EXPECT_EQ(dc.Origin(), (Point{0, 0}));
    dc.FillRect({0, 0, 1, 1}, dc.CurrentBrush());
    EXPECT_EQ(Picture(bitmap), (Rows{"RG.."}));
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.SaveDC(), 1);
}

}  // namespace
}  // namespace quendar
