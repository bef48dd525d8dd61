#include "skin/paint/fast_bitmap_access.h"

#include <gtest/gtest.h>

#include "paint_test_support.h"
#include "skin/paint/assertion_failed.h"
#include "skin/paint/working_bitmap.h"

namespace quendar {
namespace {

using namespace quendar::testing;

TEST(TacFast24, RefusesBitmapsUnderTwoByTwo) {
    const struct { int width, height; bool accepted; } cases[] = {
        {1, 5, false}, {5, 1, false}, {0, 0, false}, {2, 2, true}, {7, 3, true}};
    for (const auto& c : cases) {
        Bitmap bmp(c.width, c.height);
        TacFast24 fast;
        fast.Width = 99;
        EXPECT_EQ(fast.Attach(&bmp), c.accepted) << c.width << "x" << c.height;
        EXPECT_EQ(fast.Width, c.accepted ? c.width : 0);
    }
    TacFast24 fast;
    EXPECT_FALSE(fast.Attach(nullptr));
}

TEST(TacFast24, OtherDepthsRaiseTheAssertion) {
    Bitmap wide(3, 3, PixelFormat::Bits32);
    TacFast24 fast;
    try {
        fast.Attach(&wide);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(), "Bitmap format is not supported");
        EXPECT_EQ(e.Module(), "sAlphaGraph");
    }
    Bitmap narrow(3, 3);
    TacFastSum24 sum;
    EXPECT_THROW(sum.Attach(&wide, &narrow), EAssertionFailed);
}

TEST(TacFast24, PixelReadsBlueGreenRedBytesInBothOrders) {
    for (RowOrder order : BothRowOrders) {
        Bitmap bmp(3, 2, PixelFormat::Bits24, order);
        bmp.ScanLine(1)[3] = 0x11;  // blue of (1, 1)
        bmp.ScanLine(1)[4] = 0x22;
        bmp.ScanLine(1)[5] = 0x33;
        TacFast24 fast;
        ASSERT_TRUE(fast.Attach(&bmp));
        EXPECT_EQ(fast.Stride, bmp.ScanLine(1) - bmp.ScanLine(0)) << OrderName(order);
        EXPECT_EQ(fast.Pixel(1, 1), 0x00112233u) << OrderName(order);
        EXPECT_EQ(fast.Pixel(1, 0), 0u);
    }
}

TEST(TacFastSum24, TakesTheSmallerSizeAndRefusesRectanglesOutside) {
    Bitmap destination = NewBitmap24(4, 3);
    Bitmap source = NewBitmap24(3, 5);
    source.Fill(RGB(255, 255, 255));
    TacFastSum24 sum;
    ASSERT_TRUE(sum.Attach(&source, &destination));
    EXPECT_EQ(sum.Width, 3);
    EXPECT_EQ(sum.Height, 3);
    sum.Weight = 0;
    const Bitmap before = destination;
    const Rect refused[] = {{2, 0, 5, 1}, {-1, 0, 1, 1}, {0, 2, 1, 4}};
    for (const Rect& r : refused) {
        sum.DestinationRect = r;
        sum.SourceRect = {0, 0, r.Width(), r.Height()};
        EXPECT_FALSE(sum.Run());
        EXPECT_EQ(destination, before);
    }
    sum.DestinationRect = {3, 2, 4, 3};  // the last pixel: Right and Bottom outside
    sum.SourceRect = {2, 4, 3, 5};
    EXPECT_TRUE(sum.Run());
    EXPECT_EQ(destination.PixelAt(3, 2), RGB(254, 254, 254));
    EXPECT_EQ(destination.PixelAt(2, 2), RGB(0, 0, 0));
    sum.SourceRect = {3, 4, 4, 5};  // source column 3 lies outside
    EXPECT_FALSE(sum.Run());
}

TEST(SharedAccessorSet, FreesOnlyOnTheFirstReleaseAndCountsEvery) {
    SharedAccessorSet set;
    EXPECT_FALSE(set.Released());
    EXPECT_EQ(&set.Fast24(), &set.Fast24());
    EXPECT_NE(&set.Fast24(), &set.SecondFast24());
    EXPECT_EQ(set.Release(), 1);
    EXPECT_TRUE(set.Released());
    EXPECT_EQ(set.Release(), 2);
    EXPECT_EQ(set.ReleaseCalls(), 2);
    EXPECT_THROW(set.FastSum24(), EAssertionFailed);
}

TEST(SharedAccessors, OneSetPerProcess) {
    EXPECT_EQ(&SharedAccessors(), &SharedAccessors());
    EXPECT_FALSE(SharedAccessors().Released());
    EXPECT_EQ(&SharedFast24(), &SharedAccessors().Fast24());
    EXPECT_NE(&SharedFast24(), &SharedSecondFast24());
}

TEST(WorkingBitmap, NewBitmapsHaveTheAskedDepthAndSize) {
    const Bitmap a = NewBitmap24(5, 3);
    const Bitmap b = NewBitmap32(2, 7);
    EXPECT_EQ(a.Dimensions(), (Size{5, 3}));
    EXPECT_EQ(a.BytesPerPixel(), 3);
    EXPECT_EQ(b.Dimensions(), (Size{2, 7}));
    EXPECT_EQ(b.BytesPerPixel(), 4);
    EXPECT_EQ(a.PixelAt(4, 2), RGB(0, 0, 0));
}

}  // namespace
}  // namespace quendar
