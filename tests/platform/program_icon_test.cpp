#include "platform/program_icon.h"

#include <gtest/gtest.h>

namespace quendar {
namespace {

TEST(ProgramIcon, BothSizesAreCalendarPagesWithTransparentCorners) {
    for (auto [which, size] : {std::pair{ICON_SMALL, 16}, std::pair{ICON_BIG, 32}}) {
        HICON icon = GetProgramIcon(which);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->Picture.Width(), size);
        EXPECT_EQ(icon->Picture.Height(), size);
        EXPECT_EQ(icon->Picture.PixelAt(0, 0), icon->TransparentColor);
        EXPECT_EQ(icon->Picture.PixelAt(size / 2, size / 2 + 2), RGB(255, 255, 255)) << size;
    }
}

TEST(ProgramIcon, DrawingKeepsTheBackgroundUnderTransparentPixels) {
    Bitmap target(20, 20);
    target.Fill(RGB(1, 2, 3));
    DeviceContext dc(target);
    ASSERT_TRUE(DrawIconEx(&dc, 2, 2, GetProgramIcon(ICON_SMALL)));
    EXPECT_EQ(target.PixelAt(2, 2), RGB(1, 2, 3));
    EXPECT_EQ(target.PixelAt(2 + 1, 2 + 8), RGB(58, 74, 104));  // the frame's left edge
    EXPECT_EQ(target.PixelAt(19, 19), RGB(1, 2, 3));
    EXPECT_FALSE(DrawIconEx(&dc, 0, 0, nullptr));
}

}  // namespace
}  // namespace quendar
