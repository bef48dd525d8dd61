#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/pixel_picture.h"

namespace quendar {
namespace {

using Rows = std::vector<std::string>;

// A distinct colour for every pixel of a small bitmap.
ColorRef Distinct(int x, int y) { return RGB(10 + 20 * x, 10 + 20 * y, 99); }

Bitmap DistinctBitmap(int width, int height, PixelFormat format, RowOrder order) {
    Bitmap bitmap(width, height, format, order);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Distinct(x, y));
    }
    return bitmap;
}

// The bitmap as "x,y" source coordinates per pixel ("--" for black).
std::vector<std::string> Origins(const Bitmap& bitmap) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            ColorRef c = bitmap.PixelAt(x, y);
            row += c == 0 ? std::string("-- ")
                          : std::to_string((GetRValue(c) - 10) / 20) +
                                std::to_string((GetGValue(c) - 10) / 20) + " ";
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(DeviceContextCopy, BlockCopyClipsToSourceAndDestination) {
    for (const Layout& to : AllLayouts) {
        for (const Layout& from : AllLayouts) {
            Bitmap source = DistinctBitmap(3, 3, from.Format, from.Order);
            Bitmap target(4, 3, to.Format, to.Order);
            DeviceContext sourceDc(source);
            DeviceContext dc(target);
            // Source columns 1..3 of which 3 lies outside; destination row -1 is cut off.
            EXPECT_TRUE(dc.BitBlt(2, -1, 3, 3, sourceDc, 1, 0));
            EXPECT_EQ(Origins(target), (Rows{"-- -- 11 21 ", "-- -- 12 22 ", "-- -- -- -- "}))
                << from.Name << " -> " << to.Name;
        }
    }
}

TEST(DeviceContextCopy, SourceOriginAndDestinationClipApply) {
    Bitmap source = DistinctBitmap(4, 4, PixelFormat::Bits24, RowOrder::BottomUp);
    Bitmap target(4, 2);
    DeviceContext sourceDc(source);
    sourceDc.SetOrigin({2, 2});
    DeviceContext dc(target);
    dc.ExcludeClipRect({1, 0, 2, 1});
    EXPECT_TRUE(dc.BitBlt(0, 0, 3, 2, sourceDc, -2, -1));  // source bitmap (0, 1)
    EXPECT_EQ(Origins(target), (Rows{"01 -- 21 -- ", "02 12 22 -- "}));
    EXPECT_FALSE(dc.BitBlt(0, 0, -1, 2, sourceDc, 0, 0));
}

TEST(DeviceContextCopy, ThirtyTwoBitAlphaTravelsOnlyBetweenThirtyTwoBitBitmaps) {
    Bitmap wide(1, 1, PixelFormat::Bits32);
    wide.ScanLine(0)[3] = 0x80;
    Bitmap wideCopy(1, 1, PixelFormat::Bits32);
    Bitmap narrow(1, 1, PixelFormat::Bits24);
    Bitmap wideFromNarrow(1, 1, PixelFormat::Bits32);
    wideFromNarrow.ScanLine(0)[3] = 0x55;
    DeviceContext wideDc(wide), wideCopyDc(wideCopy), narrowDc(narrow), wideFromNarrowDc(wideFromNarrow);
    wideCopyDc.BitBlt(0, 0, 1, 1, wideDc, 0, 0);
    wideFromNarrowDc.BitBlt(0, 0, 1, 1, narrowDc, 0, 0);
    EXPECT_EQ(wideCopy.ScanLine(0)[3], 0x80);
    EXPECT_EQ(wideFromNarrow.ScanLine(0)[3], 0);
}

TEST(DeviceContextCopy, RasterOperations) {
    const ColorRef destination = RGB(0xF0, 0x0F, 0x33);
    const ColorRef source = RGB(0xAA, 0x55, 0x0F);
    struct Case {
        RasterOp op;
        ColorRef expected;
    };
    const Case cases[] = {
        {RasterOp::SRCCOPY, source},
        {RasterOp::SRCPAINT, RGB(0xFA, 0x5F, 0x3F)},
        {RasterOp::SRCAND, RGB(0xA0, 0x05, 0x03)},
        {RasterOp::SRCINVERT, RGB(0x5A, 0x5A, 0x3C)},
        {RasterOp::DSTINVERT, RGB(0x0F, 0xF0, 0xCC)},
        {RasterOp::BLACKNESS, RGB(0, 0, 0)},
        {RasterOp::WHITENESS, RGB(255, 255, 255)},
    };
    for (const Layout& layout : AllLayouts) {
        for (const Case& c : cases) {
            Bitmap from(2, 1, layout.Format, layout.Order);
            from.Fill(source);
            Bitmap to(3, 1, layout.Format, layout.Order);
            to.Fill(destination);
            DeviceContext fromDc(from), toDc(to);
            EXPECT_TRUE(toDc.BitBlt(1, 0, 2, 1, fromDc, 0, 0, c.op));
            EXPECT_EQ(to.PixelAt(0, 0), destination) << layout.Name;
            EXPECT_EQ(to.PixelAt(1, 0), c.expected) << static_cast<unsigned>(c.op) << ", " << layout.Name;
            EXPECT_EQ(to.PixelAt(2, 0), c.expected) << static_cast<unsigned>(c.op) << ", " << layout.Name;
        }
    }
}

// Copies inside one bitmap must read every pixel before it is overwritten,
// in every direction and through a clip of several rectangles.
TEST(DeviceContextCopy, OverlappingCopyInsideOneBitmap) {
    const Point shifts[] = {{1, 1}, {-1, -1}, {2, 0}, {-2, 0}, {0, 2}, {0, -1}, {1, -2}};
    for (const Layout& layout : AllLayouts) {
        for (Point shift : shifts) {
            for (bool holed : {false, true}) {
                Bitmap bitmap = DistinctBitmap(6, 5, layout.Format, layout.Order);
                Bitmap expected = bitmap;
                Bitmap untouched = bitmap;
                DeviceContext dc(bitmap);
                DeviceContext expectedDc(expected);
                DeviceContext untouchedDc(untouched);
                if (holed) {
                    dc.ExcludeClipRect({2, 1, 4, 3});
                    expectedDc.ExcludeClipRect({2, 1, 4, 3});
                }
                dc.BitBlt(1 + shift.X, 1 + shift.Y, 4, 3, dc, 1, 1);
                expectedDc.BitBlt(1 + shift.X, 1 + shift.Y, 4, 3, untouchedDc, 1, 1);
                EXPECT_EQ(Origins(bitmap), Origins(expected))
                    << shift.X << "," << shift.Y << (holed ? " holed, " : ", ") << layout.Name;
            }
        }
    }
}

TEST(DeviceContextStretch, NearestNeighbourAndMirrors) {
    struct Case {
        const char* name;
        Rect destination;  // Left, Top, width, height as passed
        Rect source;       // Left, Top, width, height as passed
        Rows expected;
    };
    const Case cases[] = {
        {"double", {0, 0, 4, 2}, {0, 0, 2, 1}, {"00 00 10 10 ", "00 00 10 10 "}},
        {"halve picks centres", {0, 0, 2, 1}, {0, 0, 4, 2}, {"11 31 -- -- ", "-- -- -- -- "}},
        {"mirror by negative destination", {3, 0, -4, 1}, {0, 0, 4, 1}, {"30 20 10 00 ", "-- -- -- -- "}},
        {"mirror by negative source", {0, 1, 3, 1}, {2, 0, -3, 1}, {"-- -- -- -- ", "20 10 00 -- "}},
        {"both negative is upright", {3, 1, -2, -2}, {1, 1, -2, -2}, {"-- -- 00 10 ", "-- -- 01 11 "}},
        {"flip vertically", {0, 1, 2, -2}, {0, 0, 2, 2}, {"01 11 -- -- ", "00 10 -- -- "}},
        {"source outside skipped", {0, 0, 4, 1}, {2, 0, 4, 1}, {"20 30 -- -- ", "-- -- -- -- "}},
    };
    for (const Layout& layout : AllLayouts) {
        for (const Case& c : cases) {
            Bitmap source = DistinctBitmap(4, 2, PixelFormat::Bits24, RowOrder::TopDown);
            Bitmap target(4, 2, layout.Format, layout.Order);
            DeviceContext sourceDc(source), dc(target);
            const Rect& d = c.destination;
            const Rect& s = c.source;
            EXPECT_TRUE(
                dc.StretchBlt(d.Left, d.Top, d.Right, d.Bottom, sourceDc, s.Left, s.Top, s.Right, s.Bottom));
            EXPECT_EQ(Origins(target), c.expected) << c.name << ", " << layout.Name;
        }
    }
}

TEST(DeviceContextStretch, InsideOneBitmapAndRefusals) {
    Bitmap bitmap = DistinctBitmap(4, 1, PixelFormat::Bits24, RowOrder::BottomUp);
    DeviceContext dc(bitmap);
    EXPECT_TRUE(dc.StretchBlt(3, 0, -4, 1, dc, 0, 0, 4, 1));  // mirror in place
    EXPECT_EQ(Origins(bitmap), (Rows{"30 20 10 00 "}));
    EXPECT_FALSE(dc.StretchBlt(0, 0, 2, 1, dc, 0, 0, 0, 1));
    EXPECT_FALSE(dc.StretchBlt(0, 0, 2, 1, dc, 0, 0, 2, 1, static_cast<RasterOp>(0x1234)));
    EXPECT_EQ(Origins(bitmap), (Rows{"30 20 10 00 "}));
}

}  // namespace
}  // namespace quendar
