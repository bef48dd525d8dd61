// Canvas drawing, checked pixel by pixel on tiny bitmaps.

#include "framework/canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exception.h"
#include "framework/graphics_bitmap.h"
#include "platform/pixel_picture.h"

namespace quendar {
namespace {

using Rows = std::vector<std::string>;

// A white bitmap of the given size.
void MakeWhite(TBitmap& bitmap, int width, int height) {
    bitmap.SetSize(width, height);
    bitmap.PixelBuffer().Fill(RGB(255, 255, 255));
}

TEST(CanvasTest, ShapesDrawExactPixels) {
    struct Case {
        const char* Name;
        void (*Draw)(TCanvas&);
        Rows Expected;
    };
    const Case cases[] = {
        {"FillRect with the brush",
         [](TCanvas& c) {
             c.Brush().SetColor(clRed);
             c.FillRect({1, 1, 4, 3});
         },
         {"WWWWW", "WRRRW", "WRRRW", "WWWWW"}},
        {"FillRect with a clear brush",
         [](TCanvas& c) {
             c.Brush().SetStyle(TBrushStyle::bsClear);
             c.FillRect({0, 0, 5, 4});
         },
         {"WWWWW", "WWWWW", "WWWWW", "WWWWW"}},
        {"FrameRect in the brush colour",
         [](TCanvas& c) {
             c.Brush().SetColor(clBlue);
             c.FrameRect({0, 0, 4, 4});
         },
         {"BBBBW", "BWWBW", "BWWBW", "BBBBW"}},
        {"Rectangle: pen outline, brush inside",
         [](TCanvas& c) {
             c.Brush().SetColor(clRed);
             c.Rectangle(0, 0, 5, 4);
         },
         {".....", ".RRR.", ".RRR.", "....."}},
        {"Rectangle with a clear brush",
         [](TCanvas& c) {
             c.Brush().SetStyle(TBrushStyle::bsClear);
             c.Pen().SetColor(clLime);
             c.Rectangle(1, 0, 5, 4);
         },
         {"WGGGG", "WGWWG", "WGWWG", "WGGGG"}},
        {"Rectangle with a two-pixel pen",
         [](TCanvas& c) {
             c.Brush().SetColor(clYellow);
             c.Pen().SetWidth(2);
             c.Rectangle(0, 0, 5, 5);
         },
         {".....", ".....", "..Y..", ".....", "....."}},
        {"LineTo leaves its end point",
         [](TCanvas& c) {
             c.MoveTo(0, 1);
             c.LineTo(4, 1);
         },
         {"WWWWW", "....W", "WWWWW", "WWWWW"}},
        {"Polyline leaves its last point",
         [](TCanvas& c) {
             c.Pen().SetColor(clRed);
             const Point points[] = {{0, 0}, {0, 3}, {4, 3}};
             c.Polyline(points);
         },
         {"RWWWW", "RWWWW", "RWWWW", "RRRRW"}},
        {"SetPixels resolves system colours",
         [](TCanvas& c) {
             c.SetPixels(2, 2, clBtnFace);
             c.SetPixels(0, 0, clBlue);
         },
         {"BWWWW", "WWWWW", "WWFWW", "WWWWW"}},
        {"A changed brush is used by the next fill",
         [](TCanvas& c) {
             c.Brush().SetColor(clRed);
             c.FillRect({0, 0, 5, 2});
             c.Brush().SetColor(clBlue);
             c.Rectangle(0, 2, 5, 4);
         },
         {"RRRRR", "RRRRR", ".....", "....."}},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        MakeWhite(bitmap, static_cast<int>(c.Expected[0].size()), static_cast<int>(c.Expected.size()));
        c.Draw(bitmap.Canvas());
        EXPECT_EQ(Picture(bitmap.PixelBuffer()), c.Expected) << c.Name;
    }
}

TEST(CanvasTest, PenPositionFollowsLinesAndText) {
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.MoveTo(2, 3);
    canvas.LineTo(7, 3);
    EXPECT_EQ(canvas.PenPos(), (Point{7, 3}));
    canvas.TextOut(1, 2, "ab");
    EXPECT_EQ(canvas.PenPos(), (Point{1 + canvas.TextWidth("ab"), 2}));
}

TEST(CanvasTest, PixelsReadsBackAndAnswersMinusOneOutside) {
    TBitmap bitmap;
    MakeWhite(bitmap, 3, 2);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetPixels(1, 1, 0x123456);
    EXPECT_EQ(canvas.Pixels(1, 1), 0x123456);
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixels(3, 0), -1);
    EXPECT_EQ(canvas.Pixels(0, -1), -1);
    EXPECT_EQ(canvas.ClipRect(), (Rect{0, 0, 3, 2}));
}

TEST(CanvasTest, RefreshSelectsTheToolsAgainAfterDirectChanges) {
    TBitmap bitmap;
    MakeWhite(bitmap, 3, 3);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(clRed);
    canvas.Rectangle(0, 0, 3, 3);
    canvas.Handle().SelectBrush(Brush::Solid(RGB(0, 0, 255)));
    canvas.Refresh();
    canvas.Rectangle(0, 0, 3, 3);
    EXPECT_EQ(bitmap.PixelBuffer().PixelAt(1, 1), RGB(255, 0, 0));
}

TEST(CanvasTest, WithoutAContextDrawingRaises) {
    TCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    try {
        canvas.FillRect({0, 0, 1, 1});
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Canvas does not allow drawing");
    }
}

TEST(CanvasTest, BorrowedContextKeepsItsClip) {
    Bitmap target(4, 3);
    target.Fill(RGB(255, 255, 255));
    DeviceContext context(target);
    context.IntersectClipRect({1, 0, 3, 3});
    TCanvas canvas(&context);
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect({0, 0, 4, 3});
    EXPECT_EQ(Picture(target), (Rows{"W..W", "W..W", "W..W"}));
    EXPECT_EQ(canvas.ClipRect(), (Rect{1, 0, 3, 3}));
}

TEST(CanvasTest, TextOutUsesFontColourAndBrush) {
    TBitmap bitmap;
    MakeWhite(bitmap, 40, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetColor(clRed);
    canvas.Brush().SetColor(clBlue);
    canvas.TextOut(2, 2, "Hi");
    Size extent = canvas.TextExtent("Hi");
    ASSERT_GT(extent.Width, 0);
    ASSERT_GT(extent.Height, 0);
    int red = 0;
    int blue = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            ColorRef pixel = bitmap.PixelBuffer().PixelAt(x, y);
            bool inCell = Rect::FromSize(2, 2, extent.Width, extent.Height).Contains({x, y});
            if (!inCell) {
                EXPECT_EQ(pixel, RGB(255, 255, 255)) << x << "," << y;
            }
            if (pixel == RGB(255, 0, 0)) ++red;
            if (pixel == RGB(0, 0, 255)) ++blue;
        }
    }
    EXPECT_GT(red, 0);
    EXPECT_GT(blue, 0);
}

TEST(CanvasTest, TextRectStaysInsideItsRectangle) {
    TBitmap bitmap;
    MakeWhite(bitmap, 30, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetColor(clYellow);
    const Rect box{5, 4, 12, 14};
    canvas.TextRect(box, 0, 4, "WWWWWWWW");
    int black = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            ColorRef pixel = bitmap.PixelBuffer().PixelAt(x, y);
            if (!box.Contains({x, y})) {
                EXPECT_EQ(pixel, RGB(255, 255, 255)) << x << "," << y;
            } else if (pixel != RGB(255, 255, 0)) {
                ++black;
            }
        }
    }
    EXPECT_GT(black, 0);
    // The brush filled the box's corner, which no glyph reaches.
    EXPECT_EQ(bitmap.PixelBuffer().PixelAt(11, 13), RGB(255, 255, 0));
}

TEST(CanvasTest, TextRectMeasuresWithCalcRect) {
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    Rect rect{3, 4, 3, 4};
    int height = canvas.TextRect(rect, "Date", DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(rect, Rect::FromSize(3, 4, canvas.TextWidth("Date"), canvas.TextHeight("Date")));
    EXPECT_EQ(height, canvas.TextHeight("Date"));
}

TEST(CanvasTest, CopyRectCopiesAndScales) {
    TBitmap source;
    MakeWhite(source, 2, 2);
    source.Canvas().SetPixels(0, 0, clRed);
    source.Canvas().SetPixels(1, 1, clBlue);
    TBitmap target;
    MakeWhite(target, 5, 4);
    target.Canvas().CopyRect({0, 0, 2, 2}, source.Canvas(), {0, 0, 2, 2});
    target.Canvas().CopyRect({2, 0, 4, 4}, source.Canvas(), {0, 0, 1, 2});
    EXPECT_EQ(Picture(target.PixelBuffer()), (Rows{"RWRRW", "WBRRW", "WWWWW", "WWWWW"}));
}

}  // namespace
}  // namespace quendar
