#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include "platform/platform_error.h"

namespace quendar {
namespace {

TEST(Bitmap, StrideSignFollowsRowOrder) {
    for (RowOrder order : {RowOrder::BottomUp, RowOrder::TopDown}) {
        Bitmap bmp(5, 3, PixelFormat::Bits24, order);
        EXPECT_EQ(bmp.RowBytes(), 16);  // 15 bytes padded to 16
        EXPECT_EQ(bmp.ScanLine(1) - bmp.ScanLine(0), bmp.Stride());
        EXPECT_EQ(bmp.Stride(), order == RowOrder::TopDown ? 16 : -16);
    }
}

TEST(Bitmap, BothRowOrdersHoldTheSamePicture) {
    Bitmap bottomUp(4, 3, PixelFormat::Bits24, RowOrder::BottomUp);
    Bitmap topDown(4, 3, PixelFormat::Bits24, RowOrder::TopDown);
    for (Bitmap* bmp : {&bottomUp, &topDown}) {
        bmp->SetPixel(0, 0, RGB(1, 2, 3));
        bmp->SetPixel(3, 2, RGB(4, 5, 6));
    }
    EXPECT_EQ(bottomUp, topDown);
    EXPECT_EQ(bottomUp.ScanLine(2)[9], 6);  // blue byte of (3, 2)
}

TEST(Bitmap, ResizeKeepsTheSharedPart) {
    Bitmap bmp(2, 2);
    bmp.Fill(RGB(10, 20, 30));
    bmp.Resize(3, 1);
    EXPECT_EQ(bmp.PixelAt(1, 0), RGB(10, 20, 30));
    EXPECT_EQ(bmp.PixelAt(2, 0), RGB(0, 0, 0));
    EXPECT_EQ(bmp.PixelAt(0, 1), CLR_INVALID);
}

TEST(Bitmap, ConversionBetweenDepthsKeepsColours) {
    Bitmap bmp(3, 2);
    bmp.SetPixel(2, 1, RGB(200, 100, 50));
    Bitmap wide = bmp.ConvertedTo(PixelFormat::Bits32);
    EXPECT_EQ(wide.BytesPerPixel(), 4);
    EXPECT_EQ(wide.PixelAt(2, 1), RGB(200, 100, 50));
    EXPECT_EQ(wide.ConvertedTo(PixelFormat::Bits24), bmp);
}

TEST(Bitmap, AbsurdSizesAreRefused) {
    EXPECT_THROW(Bitmap(-1, 5), PlatformError);
    EXPECT_THROW(Bitmap(Bitmap::MaxSide + 1, 1), PlatformError);
    EXPECT_THROW(Bitmap(Bitmap::MaxSide, Bitmap::MaxSide, PixelFormat::Bits32), PlatformError);
}

}  // namespace
}  // namespace quendar
