#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/pixel_picture.h"
#include "platform/system_colors.h"
#include "platform/text_format.h"

namespace quendar {
namespace {

using Rows = std::vector<std::string>;
constexpr ColorRef White = RGB(255, 255, 255);
constexpr ColorRef Black = RGB(0, 0, 0);
constexpr ColorRef Yellow = RGB(255, 255, 0);

Bitmap WhiteBitmap(int width, int height) {
    Bitmap bitmap(width, height);
    bitmap.Fill(White);
    return bitmap;
}

// A context drawing black Tahoma 8 pt text without a background.
void Prepare(DeviceContext& dc) {
    dc.SelectFont({"Tahoma", -11});
    dc.SetTextColor(Black);
    dc.SetBkMode(TRANSPARENT);
}

int TextWidth(std::string_view text) {
    Bitmap scratch(1, 1);
    DeviceContext dc(scratch);
    Prepare(dc);
    return dc.GetTextExtent(text).Width;
}

// The smallest rectangle holding every pixel that is not white.
Rect InkBounds(const Bitmap& bitmap) {
    Rect bounds;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.PixelAt(x, y) != White) bounds = bounds.Union({x, y, x + 1, y + 1});
    return bounds;
}

TEST(DeviceContextText, ExactPixelsOfALetter) {
    Bitmap bitmap = WhiteBitmap(5, 13);
    DeviceContext dc(bitmap);
    dc.SelectFont({"Tahoma", -11});
    dc.SetTextColor(Black);  // opaque white background: the cell stays white
    EXPECT_TRUE(dc.TextOut(1, 0, "I"));
    EXPECT_EQ(Picture(bitmap), (Rows{"WWWWW", "WWWWW", "WWWWW", "W...W", "WW.WW", "WW.WW", "WW.WW", "WW.WW",
                                     "WW.WW", "WW.WW", "W...W", "WWWWW", "WWWWW"}));
}

TEST(DeviceContextText, AcceleratorUnderlineSitsUnderItsLetter) {
    const Rows underlined{"WWWWWWWW", "WWWWWWWW", "WWWWWWWW", "....WWWW", ".WWW.WWW", ".WWWW.WW", ".WWWW.WW",
                          ".WWWW.WW", ".WWWW.WW", ".WWW.WWW", "....WWWW", "WWWWWWWW", ".......W"};
    Rows plain = underlined;
    plain[12] = "WWWWWWWW";
    struct Case {
        const char* Name;
        const char* Text;
        unsigned Format;
        Rows Expected;
    };
    const Case cases[] = {
        {"prefix underlines", "&D", 0, underlined},
        {"hidden prefix", "&D", DT_HIDEPREFIX, plain},
        {"no prefix processing", "D", DT_NOPREFIX, plain},
    };
    for (const Case& c : cases) {
        Bitmap bitmap = WhiteBitmap(8, 13);
        DeviceContext dc(bitmap);
        Prepare(dc);
        Rect rect{0, 0, 8, 13};
        dc.DrawText(c.Text, rect, c.Format | DT_SINGLELINE);
        EXPECT_EQ(Picture(bitmap), c.Expected) << c.Name;
    }
}

TEST(DeviceContextText, DoubleAmpersandDrawsOneAmpersand) {
    Bitmap doubled = WhiteBitmap(20, 13);
    Bitmap literal = WhiteBitmap(20, 13);
    DeviceContext a(doubled);
    DeviceContext b(literal);
    Prepare(a);
    Prepare(b);
    Rect first{0, 0, 20, 13};
    Rect second = first;
    a.DrawText("x&&y", first, DT_SINGLELINE);
    b.DrawText("x&y", second, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(doubled, literal);
    EXPECT_FALSE(InkBounds(doubled).IsEmpty());
}

TEST(DeviceContextText, AlignmentMatchesTextOutAtTheComputedPlace) {
    const int width = TextWidth("Use Calendar Date");
    ASSERT_EQ(width, 90);
    struct Case {
        const char* Name;
        unsigned Format;
        int X;
        int Y;
        int Returned;
    };
    const Case cases[] = {
        {"left top", DT_SINGLELINE, 0, 0, 13},
        {"centred", DT_SINGLELINE | DT_CENTER, (129 - 90) / 2, 0, 13},
        {"right", DT_SINGLELINE | DT_RIGHT, 129 - 90, 0, 13},
        {"centred both ways", DT_SINGLELINE | DT_CENTER | DT_VCENTER, 19, (25 - 13) / 2, 19},
        {"bottom", DT_SINGLELINE | DT_BOTTOM, 0, 25 - 13, 25},
        {"vertical centre needs single line", DT_CENTER | DT_VCENTER, 19, 0, 13},
    };
    for (const Case& c : cases) {
        Bitmap drawn = WhiteBitmap(129, 25);
        Bitmap expected = WhiteBitmap(129, 25);
        DeviceContext dc(drawn);
        DeviceContext reference(expected);
        Prepare(dc);
        Prepare(reference);
        Rect rect{0, 0, 129, 25};
        EXPECT_EQ(dc.DrawText("Use Calendar Date", rect, c.Format), c.Returned) << c.Name;
        reference.TextOut(c.X, c.Y, "Use Calendar Date");
        EXPECT_EQ(drawn, expected) << c.Name;
        EXPECT_EQ(rect, (Rect{0, 0, 129, 25})) << c.Name;
    }
}

TEST(DeviceContextText, CentredLinesAreCentredEachOnItsOwn) {
    Bitmap drawn = WhiteBitmap(129, 30);
    Bitmap expected = WhiteBitmap(129, 30);
    DeviceContext dc(drawn);
    DeviceContext reference(expected);
    Prepare(dc);
    Prepare(reference);
    Rect rect{0, 0, 129, 30};
    EXPECT_EQ(dc.DrawText("Date\nUse Calendar Date", rect, DT_CENTER), 26);
    reference.TextOut((129 - TextWidth("Date")) / 2, 0, "Date");
    reference.TextOut(19, 13, "Use Calendar Date");
    EXPECT_EQ(drawn, expected);
}

TEST(DeviceContextText, CalculatedRectangles) {
    const int use = TextWidth("Use");
    const int calendar = TextWidth("Calendar");
    const int date = TextWidth("Date");
    const int useCalendar = TextWidth("Use Calendar");
    struct Case {
        const char* Name;
        const char* Text;
        unsigned Format;
        Rect In;
        Rect Out;
        int Returned;
    };
    const Case cases[] = {
        {"single line", "Use Calendar Date", DT_SINGLELINE, {10, 20, 10, 20}, {10, 20, 100, 33}, 13},
        {"empty text", "", DT_SINGLELINE, {10, 20, 50, 60}, {10, 20, 10, 20}, 0},
        {"two lines", "Date\nUse Calendar Date", 0, {10, 20, 10, 20}, {10, 20, 100, 46}, 26},
        {"word break, room for all", "Use Calendar Date", DT_WORDBREAK, {0, 0, 200, 0}, {0, 0, 90, 13}, 13},
        {"word break, two lines",
         "Use Calendar Date",
         DT_WORDBREAK,
         {0, 0, useCalendar, 0},
         {0, 0, useCalendar, 26},
         26},
        {"word break, zero width",
         "Use Calendar Date",
         DT_WORDBREAK,
         {0, 0, 0, 0},
         {0, 0, std::max({use, calendar, date}), 39},
         39},
        {"ellipsis stays inside",
         "Use Calendar Date",
         DT_SINGLELINE | DT_END_ELLIPSIS,
         {0, 0, 40, 0},
         {0, 0, TextWidth("Use C..."), 13},
         13},
        {"prefix takes no room", "&Use", DT_SINGLELINE, {0, 0, 0, 0}, {0, 0, use, 13}, 13},
    };
    for (const Case& c : cases) {
        Bitmap bitmap = WhiteBitmap(8, 8);
        DeviceContext dc(bitmap);
        Prepare(dc);
        Rect rect = c.In;
        EXPECT_EQ(dc.DrawText(c.Text, rect, c.Format | DT_CALCRECT), c.Returned) << c.Name;
        EXPECT_EQ(rect, c.Out) << c.Name;
        EXPECT_TRUE(InkBounds(bitmap).IsEmpty()) << c.Name << ": measuring drew";
    }
}

TEST(DeviceContextText, EllipsisDrawsTheShortenedText) {
    Bitmap drawn = WhiteBitmap(60, 13);
    Bitmap expected = WhiteBitmap(60, 13);
    DeviceContext dc(drawn);
    DeviceContext reference(expected);
    Prepare(dc);
    Prepare(reference);
    Rect rect{0, 0, 40, 13};
    dc.DrawText("Use Calendar Date", rect, DT_SINGLELINE | DT_END_ELLIPSIS);
    reference.TextOut(0, 0, "Use C...");
    EXPECT_EQ(drawn, expected);
    EXPECT_LE(InkBounds(drawn).Right, 40);
}

TEST(DeviceContextText, OpaqueFillsTheCellTransparentDoesNot) {
    const int width = TextWidth("Ab");
    for (int mode : {OPAQUE, TRANSPARENT}) {
        Bitmap bitmap = WhiteBitmap(width + 4, 16);
        DeviceContext dc(bitmap);
        Prepare(dc);
        dc.SetBkMode(mode);
        dc.SetBkColor(Yellow);
        dc.TextOut(2, 1, "Ab");
        Rect cell{2, 1, 2 + width, 14};
        int yellow = 0;
        int black = 0;
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                ColorRef pixel = bitmap.PixelAt(x, y);
                if (!cell.Contains({x, y})) {
                    EXPECT_EQ(pixel, White) << "outside the cell at " << x << "," << y;
                    continue;
                }
                yellow += pixel == Yellow;
                black += pixel == Black;
                if (mode == OPAQUE) {
                    EXPECT_TRUE(pixel == Yellow || pixel == Black) << x << "," << y;
                }
            }
        }
        EXPECT_GT(black, 0);
        if (mode == OPAQUE) {
            EXPECT_EQ(yellow + black, width * 13);
        } else {
            EXPECT_EQ(yellow, 0);
        }
    }
}

TEST(DeviceContextText, ClippingToTheRectangleAndTheContext) {
    struct Case {
        const char* Name;
        unsigned Format;
        Rect ContextClip;   // empty: none
        int LastInkColumn;  // exclusive bound the ink must stay under
        bool InkBeyond20;
    };
    const Case cases[] = {
        {"clipped to the rectangle", DT_SINGLELINE, {}, 20, false},
        {"no clip", DT_SINGLELINE | DT_NOCLIP, {}, 200, true},
        {"context clip still holds", DT_SINGLELINE | DT_NOCLIP, {0, 0, 12, 13}, 12, false},
    };
    for (const Case& c : cases) {
        Bitmap bitmap = WhiteBitmap(120, 13);
        DeviceContext dc(bitmap);
        Prepare(dc);
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(Yellow);
        if (!c.ContextClip.IsEmpty()) dc.IntersectClipRect(c.ContextClip);
        Rect rect{0, 0, 20, 13};
        dc.DrawText("Use Calendar Date", rect, c.Format);
        Rect ink = InkBounds(bitmap);
        EXPECT_FALSE(ink.IsEmpty()) << c.Name;
        EXPECT_LE(ink.Right, c.LastInkColumn) << c.Name;
        EXPECT_EQ(ink.Right > 20, c.InkBeyond20) << c.Name;
    }
}

TEST(DeviceContextText, OriginMovesTheText) {
    Bitmap moved = WhiteBitmap(40, 20);
    Bitmap placed = WhiteBitmap(40, 20);
    DeviceContext a(moved);
    DeviceContext b(placed);
    Prepare(a);
    Prepare(b);
    a.SetOrigin({7, 3});
    a.TextOut(0, 0, "Ag");
    b.TextOut(7, 3, "Ag");
    EXPECT_EQ(moved, placed);
}

TEST(DeviceContextText, SystemColourReferenceIsResolved) {
    Bitmap bitmap = WhiteBitmap(10, 13);
    DeviceContext dc(bitmap);
    Prepare(dc);
    dc.SetTextColor(SystemColorRef(COLOR_HIGHLIGHT));
    dc.TextOut(0, 0, "I");
    EXPECT_EQ(bitmap.PixelAt(1, 5), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(DeviceContextText, FontUnderlineAndStrikeOutSpanTheLine) {
    const int width = TextWidth("ab");
    for (bool strike : {false, true}) {
        Bitmap bitmap = WhiteBitmap(width + 2, 13);
        DeviceContext dc(bitmap);
        Prepare(dc);
        FontDescription font{"Tahoma", -11};
        font.Underline = !strike;
        font.StrikeOut = strike;
        dc.SelectFont(font);
        dc.TextOut(0, 0, "ab");
        int row = strike ? 11 - 4 : 12;
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(bitmap.PixelAt(x, row), Black) << x << (strike ? " strike" : "");
        EXPECT_EQ(bitmap.PixelAt(width, row), White);
    }
}

TEST(DeviceContextText, ExpandedTabsMatchTextAtTheTabStop) {
    Bitmap drawn = WhiteBitmap(60, 13);
    Bitmap expected = WhiteBitmap(60, 13);
    DeviceContext dc(drawn);
    DeviceContext reference(expected);
    Prepare(dc);
    Prepare(reference);
    ASSERT_EQ(dc.GetTextMetrics().AveCharWidth, 5);
    Rect rect{0, 0, 60, 13};
    dc.DrawText("a\tb", rect, DT_SINGLELINE | DT_EXPANDTABS);
    reference.TextOut(0, 0, "a");
    reference.TextOut(40, 0, "b");
    EXPECT_EQ(drawn, expected);
}

TEST(DeviceContextText, InvalidUtf8IsDrawnAsReplacementCharacters) {
    Bitmap bitmap = WhiteBitmap(60, 13);
    DeviceContext dc(bitmap);
    Prepare(dc);
    const std::string bad = "\xFF\xC0\xAF";
    EXPECT_EQ(dc.GetTextExtent(bad).Width, 3 * dc.GetTextExtent("\xEF\xBF\xBD").Width);
    EXPECT_GT(dc.GetTextExtent(bad).Width, 0);
    Rect rect{0, 0, 60, 13};
    EXPECT_EQ(dc.DrawText(bad + "\xE2\x82", rect, 0), 13);
    EXPECT_FALSE(InkBounds(bitmap).IsEmpty());
}

TEST(DeviceContextText, ExtentsGrowWithTheText) {
    Bitmap bitmap(1, 1);
    DeviceContext dc(bitmap);
    Prepare(dc);
    EXPECT_EQ(dc.GetTextExtent(""), (Size{0, 13}));
    int previous = 0;
    std::string text;
    for (char c : std::string("Date 1 (Start)")) {
        text += c;
        Size extent = dc.GetTextExtent(text);
        EXPECT_GT(extent.Width, previous) << text;
        EXPECT_EQ(extent.Height, 13);
        previous = extent.Width;
    }
    dc.SelectFont({"Tahoma", -11, FW_BOLD});
    EXPECT_GT(dc.GetTextExtent(text).Width, previous);
    EXPECT_EQ(dc.GetTextMetrics().Weight, FW_BOLD);
}

}  // namespace
}  // namespace quendar
