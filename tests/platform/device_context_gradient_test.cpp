#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/pixel_picture.h"

namespace quendar {
namespace {

using Rows = std::vector<std::string>;

TriVertex Vertex(int x, int y, int red, int green, int blue) {
    return {x,
            y,
            static_cast<std::uint16_t>(red),
            static_cast<std::uint16_t>(green),
            static_cast<std::uint16_t>(blue),
            0};
}

TEST(DeviceContextGradient, RectangleOfTwoTrianglesCoversItsRectExactly) {
    // Red rises by 0x100 per row over five rows, so row y is exactly red y.
    const TriVertex vertices[] = {Vertex(1, 1, 0, 0xFF00, 0), Vertex(4, 1, 0, 0xFF00, 0),
                                  Vertex(4, 6, 0x500, 0xFF00, 0), Vertex(1, 6, 0x500, 0xFF00, 0)};
    const GradientTriangle triangles[] = {{0, 1, 2}, {0, 2, 3}};
    for (const Layout& layout : AllLayouts) {
        Bitmap bitmap(6, 8, layout.Format, layout.Order);
        DeviceContext dc(bitmap);
        ASSERT_TRUE(dc.GradientFillTriangles(vertices, triangles));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 6; ++x) {
                bool inside = x >= 1 && x < 4 && y >= 1 && y < 6;
                EXPECT_EQ(bitmap.PixelAt(x, y), inside ? RGB(y - 1, 255, 0) : RGB(0, 0, 0))
                    << x << "," << y << ", " << layout.Name;
            }
        }
    }
}

TEST(DeviceContextGradient, CornersExactAndInteriorInterpolated) {
    const TriVertex vertices[] = {Vertex(0, 0, 0xFF00, 0, 0), Vertex(8, 0, 0, 0xFF00, 0),
                                  Vertex(0, 8, 0, 0, 0xFF00)};
    const GradientTriangle triangles[] = {{0, 2, 1}};  // either winding
    struct Case {
        Point p;
        ColorRef expected;
    };
    const Case cases[] = {
        {{0, 0}, RGB(255, 0, 0)},                            // the vertex itself
        {{4, 0}, RGB(127, 127, 0)},                          // 0x7F80 each: top edge, drawn
        {{2, 2}, RGB(127, 63, 63)},                          // weights 1/2, 1/4, 1/4
        {{0, 7}, RGB(31, 0, 223)},                           // left edge, drawn
        {{7, 0}, RGB(31, 223, 0)},  {{4, 4}, RGB(0, 0, 0)},  // on the slanted right edge: not drawn
        {{8, 0}, RGB(0, 0, 0)},  // vertices on the right edge belong to a neighbour
        {{0, 8}, RGB(0, 0, 0)},
    };
    for (const Layout& layout : AllLayouts) {
        Bitmap bitmap(9, 9, layout.Format, layout.Order);
        DeviceContext dc(bitmap);
        ASSERT_TRUE(dc.GradientFillTriangles(vertices, triangles));
        for (const Case& c : cases) {
            EXPECT_EQ(bitmap.PixelAt(c.p.X, c.p.Y), c.expected)
                << c.p.X << "," << c.p.Y << ", " << layout.Name;
        }
    }
}

// A rectangle cut into a fan of eight triangles with slanted shared edges:
// every pixel of the rectangle is drawn by exactly one triangle.
TEST(DeviceContextGradient, SharedEdgesAreDrawnOnce) {
    const TriVertex vertices[] = {
        Vertex(4, 3, 0xFF00, 0xFF00, 0xFF00),  // centre
        Vertex(0, 0, 0, 0, 0),
        Vertex(7, 0, 0, 0, 0),
        Vertex(11, 0, 0, 0, 0),
        Vertex(11, 5, 0, 0, 0),
        Vertex(11, 9, 0, 0, 0),
        Vertex(3, 9, 0, 0, 0),
        Vertex(0, 9, 0, 0, 0),
        Vertex(0, 6, 0, 0, 0),
    };
    std::vector<int> coverage(12 * 10, 0);
    for (std::uint32_t i = 1; i <= 8; ++i) {
        const GradientTriangle triangle{0, i, i % 8 + 1};
        Bitmap bitmap(12, 10);
        bitmap.Fill(RGB(1, 2, 3));
        DeviceContext dc(bitmap);
        ASSERT_TRUE(dc.GradientFillTriangles(vertices, std::span(&triangle, 1)));
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 12; ++x) {
                if (bitmap.PixelAt(x, y) != RGB(1, 2, 3)) ++coverage[y * 12 + x];
            }
        }
    }
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            int expected = x < 11 && y < 9 ? 1 : 0;
            EXPECT_EQ(coverage[y * 12 + x], expected) << x << "," << y;
        }
    }
}

TEST(DeviceContextGradient, DrawnVerticesKeepTheirColour) {
    const TriVertex vertices[] = {Vertex(5, 0, 0x1200, 0x3400, 0x5600), Vertex(9, 6, 0xAB00, 0xCD00, 0xEF00),
                                  Vertex(1, 4, 0x7700, 0x8800, 0x9900), Vertex(3, 9, 0x0100, 0xFE00, 0x2000)};
    const GradientTriangle triangles[] = {{0, 1, 2}, {2, 1, 3}};
    Bitmap bitmap(10, 10);
    DeviceContext dc(bitmap);
    ASSERT_TRUE(dc.GradientFillTriangles(vertices, triangles));
    int drawn = 0;
    for (const TriVertex& v : vertices) {
        ColorRef pixel = bitmap.PixelAt(v.X, v.Y);
        if (pixel == RGB(0, 0, 0)) continue;
        ++drawn;
        EXPECT_EQ(pixel, RGB(v.Red >> 8, v.Green >> 8, v.Blue >> 8)) << v.X << "," << v.Y;
    }
    // (1, 4) lies only on left edges; the apex (5, 0) lies on a right edge.
    EXPECT_EQ(drawn, 1);
}

TEST(DeviceContextGradient, OriginClipAndRefusals) {
    const TriVertex vertices[] = {Vertex(0, 0, 0xFF00, 0, 0), Vertex(4, 0, 0xFF00, 0, 0),
                                  Vertex(4, 2, 0xFF00, 0, 0), Vertex(0, 2, 0xFF00, 0, 0)};
    const GradientTriangle triangles[] = {{0, 1, 2}, {0, 2, 3}};
    Bitmap bitmap(6, 4);
    DeviceContext dc(bitmap);
    dc.SetOrigin({1, 1});
    dc.ExcludeClipRect({1, 0, 3, 1});
    ASSERT_TRUE(dc.GradientFillTriangles(vertices, triangles));
    EXPECT_EQ(Picture(bitmap), (Rows{"......", ".R..R.", ".RRRR.", "......"}));

    const GradientTriangle outOfRange[] = {{0, 1, 2}, {0, 2, 4}};
    const TriVertex far[] = {Vertex(0, 0, 0, 0, 0), Vertex(1 << 24, 0, 0, 0, 0), Vertex(0, 3, 0, 0, 0)};
    Bitmap untouched = bitmap;
    EXPECT_FALSE(dc.GradientFillTriangles(vertices, outOfRange));
    EXPECT_FALSE(dc.GradientFillTriangles(far, std::span(triangles, 1)));
    EXPECT_EQ(bitmap, untouched);
}

}  // namespace
}  // namespace quendar
