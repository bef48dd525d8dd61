// Colours, fonts, brushes and pens: values, conversions and change notices.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/exception.h"
#include "framework/graphics_brush.h"
#include "framework/graphics_color.h"
#include "framework/graphics_font.h"
#include "framework/graphics_pen.h"

namespace quendar {
namespace {

TEST(GraphicsColorTest, ColorToRgbResolvesOnlySystemReferences) {
    struct Case {
        TColor Color;
        TColor Expected;
    };
    const Case cases[] = {
        {clRed, 0x0000FF},
        {clNavy, 0x800000},
        {clBtnFace, static_cast<TColor>(GetSysColor(COLOR_BTNFACE))},
        {clWindowText, static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT))},
        {clHighlight, static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT))},
        {clNone, 0x1FFFFFFF},
        {clDefault, 0x20000000},
    };
    for (const Case& c : cases) EXPECT_EQ(ColorToRGB(c.Color), c.Expected) << std::hex << c.Color;
    EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0xFF00000Fu);
    EXPECT_EQ(static_cast<std::uint32_t>(clInfoBk), 0xFF000018u);
    EXPECT_EQ(ColorToColorRef(clNone), 0x00FFFFFFu);
}

// Every setter, called with the value the font already has, stays silent;
// with a new value it notifies exactly once.
TEST(GraphicsFontTest, OnChangeFiresOnlyOnRealChange) {
    struct Case {
        const char* Name;
        std::function<void(TFont&)> SameValue;
        std::function<void(TFont&)> NewValue;
    };
    const Case cases[] = {
        {"Name", [](TFont& f) { f.SetName("Tahoma"); }, [](TFont& f) { f.SetName("Arial"); }},
        {"Height", [](TFont& f) { f.SetHeight(-11); }, [](TFont& f) { f.SetHeight(-12); }},
        {"Size", [](TFont& f) { f.SetSize(8); }, [](TFont& f) { f.SetSize(9); }},
        {"Color", [](TFont& f) { f.SetColor(clWindowText); }, [](TFont& f) { f.SetColor(clRed); }},
        {"Style", [](TFont& f) { f.SetStyle(TFontStyles{}); },
         [](TFont& f) { f.SetStyle(TFontStyles::fsBold); }},
        {"Charset", [](TFont& f) { f.SetCharset(DEFAULT_CHARSET); },
         [](TFont& f) { f.SetCharset(ANSI_CHARSET); }},
        {"Pitch", [](TFont& f) { f.SetPitch(TFontPitch::fpDefault); },
         [](TFont& f) { f.SetPitch(TFontPitch::fpFixed); }},
    };
    for (const Case& c : cases) {
        TFont font;
        int notices = 0;
        TPersistent* sender = nullptr;
        font.OnChange = [&](TPersistent* s) {
            ++notices;
            sender = s;
        };
        c.SameValue(font);
        EXPECT_EQ(notices, 0) << c.Name;
        c.NewValue(font);
        EXPECT_EQ(notices, 1) << c.Name;
        EXPECT_EQ(sender, &font) << c.Name;
        c.NewValue(font);
        EXPECT_EQ(notices, 1) << c.Name << " set twice";
    }
}

TEST(GraphicsFontTest, SizeAndHeightConvertAt96DotsPerInch) {
    struct Case {
        int Height;
        int Size;
    };
    // Size from Height, rounded half away from zero.
    const Case fromHeight[] = {{-11, 8}, {-12, 9}, {-13, 10}, {-16, 12}, {-2, 2}, {-1, 1}, {0, 0}, {13, -10}};
    for (const Case& c : fromHeight) {
        TFont font;
        font.SetHeight(c.Height);
        EXPECT_EQ(font.Size(), c.Size) << c.Height;
    }
    // Height from Size.
    const Case fromSize[] = {{-11, 8}, {-12, 9}, {-13, 10}, {-16, 12}, {-1, 1}, {-32, 24}, {11, -8}};
    for (const Case& c : fromSize) {
        TFont font;
        font.SetSize(c.Size);
        EXPECT_EQ(font.Height(), c.Height) << c.Size;
    }
}

TEST(GraphicsFontTest, DefaultsAndSpec) {
    TFont font;
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), 1);
    EXPECT_EQ(font.Style(), TFontStyles{});

    font.SetStyle(TFontStyles::fsBold | TFontStyles::fsUnderline);
    FontDescription description = font.Description();
    EXPECT_EQ(description.Family, "Tahoma");
    EXPECT_EQ(description.Height, -11);
    EXPECT_EQ(description.Weight, FW_BOLD);
    EXPECT_FALSE(description.Italic);
    EXPECT_TRUE(description.Underline);
    EXPECT_FALSE(description.StrikeOut);
}

TEST(GraphicsFontTest, AssignCopiesEverythingWithOneNotice) {
    TFont source;
    source.SetName("DejaVu Sans");
    source.SetHeight(-14);
    source.SetColor(clNavy);
    source.SetStyle(TFontStyles::fsItalic | TFontStyles::fsStrikeOut);
    source.SetCharset(ANSI_CHARSET);

    TFont font;
    int notices = 0;
    font.OnChange = [&](TPersistent*) { ++notices; };
    font.Assign(source);
    EXPECT_EQ(notices, 1);
    EXPECT_TRUE(font.SameAs(source));
    font.Assign(source);
    EXPECT_EQ(notices, 1);

    TBrush brush;
    EXPECT_THROW(font.Assign(brush), Exception);
}

TEST(GraphicsBrushTest, ColourMakesAClearBrushSolid) {
    TBrush brush;
    int notices = 0;
    brush.OnChange = [&](TPersistent*) { ++notices; };
    brush.SetStyle(TBrushStyle::bsClear);
    EXPECT_TRUE(brush.DeviceBrush().Hollow);
    brush.SetColor(clWhite);  // same colour, but the brush was clear
    EXPECT_EQ(brush.Style(), TBrushStyle::bsSolid);
    EXPECT_EQ(notices, 2);
    brush.SetColor(clWhite);
    EXPECT_EQ(notices, 2);
    brush.SetColor(clBtnFace);
    EXPECT_EQ(brush.DeviceBrush(), Brush::Solid(GetSysColor(COLOR_BTNFACE)));
    brush.SetColor(clNone);
    EXPECT_TRUE(brush.DeviceBrush().Hollow);
}

TEST(GraphicsPenTest, WidthAndStyle) {
    TPen pen;
    EXPECT_EQ(pen.DevicePen(), Pen::Solid(0));
    int notices = 0;
    pen.OnChange = [&](TPersistent*) { ++notices; };
    pen.SetWidth(0);  // becomes 1, which it already is
    EXPECT_EQ(notices, 0);
    pen.SetWidth(3);
    pen.SetStyle(TPenStyle::psClear);
    EXPECT_EQ(notices, 2);
    EXPECT_TRUE(pen.DevicePen().Null);

    TPen copy;
    copy.Assign(pen);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Style(), TPenStyle::psClear);
}

}  // namespace
}  // namespace quendar
