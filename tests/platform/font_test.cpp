#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/font_face.h"

namespace quendar {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

int Width(const FontFace& face, std::u32string_view text) {
    int width = 0;
    for (char32_t c : text) width += face.Advance(c);
    return width;
}

TEST(LoadFont, TahomaEightPointHasTheClassicCell) {
    auto face = LoadFont({"Tahoma", -11});
    EXPECT_EQ(face->FamilyName(), "Tahoma");
    EXPECT_TRUE(EndsWith(face->FilePath(), "/tahoma.ttf")) << face->FilePath();
    const TextMetrics& m = face->Metrics();
    EXPECT_EQ(face->PixelSize(), 11);
    EXPECT_EQ(m.Ascent, 11);
    EXPECT_EQ(m.Descent, 2);
    EXPECT_EQ(m.Height, 13);
    EXPECT_EQ(m.InternalLeading, 2);
    EXPECT_EQ(m.AveCharWidth, 5);
    EXPECT_EQ(m.Weight, FW_NORMAL);
    EXPECT_EQ(Width(*face, U"Use Calendar Date"), 90);
    EXPECT_EQ(face->Decorations().UnderlinePosition, 1);
    EXPECT_EQ(face->Decorations().UnderlineThickness, 1);
}

TEST(LoadFont, HeightsAndStyles) {
    struct Case {
        const char* Name;
        FontDescription Description;
        const char* FileTail;
        int PixelSize;
        int CellHeight;
        bool SyntheticBold;
        bool SyntheticItalic;
    };
    const Case cases[] = {
        {"zero is the default size", {"Tahoma", 0}, "/tahoma.ttf", 11, 13, false, false},
        {"positive is the cell height", {"Tahoma", 13}, "/tahoma.ttf", 11, 13, false, false},
        {"larger em", {"Tahoma", -14}, "/tahoma.ttf", 14, 17, false, false},
        {"family in other case", {"TAHOMA", -11}, "/tahoma.ttf", 11, 13, false, false},
        {"bold has its own file", {"Tahoma", -11, FW_BOLD}, "/tahomabd.ttf", 11, 13, false, false},
        {"italic is simulated", {"Tahoma", -11, FW_NORMAL, true}, "/tahoma.ttf", 11, 13, false, true},
        {"unknown family falls back", {"No Such Family 7", -11}, "/DejaVuSans.ttf", 11, 13, false, false},
        {"absurd height is bounded",
         {"Tahoma", INT_MIN},
         "/tahoma.ttf",
         FontFace::MaxPixelSize,
         -1,
         false,
         false},
    };
    for (const Case& c : cases) {
        auto face = LoadFont(c.Description);
        EXPECT_TRUE(EndsWith(face->FilePath(), c.FileTail)) << c.Name << ": " << face->FilePath();
        EXPECT_EQ(face->PixelSize(), c.PixelSize) << c.Name;
        if (c.CellHeight >= 0) {
            EXPECT_EQ(face->Metrics().Height, c.CellHeight) << c.Name;
        }
        EXPECT_EQ(face->IsSyntheticBold(), c.SyntheticBold) << c.Name;
        EXPECT_EQ(face->IsSyntheticItalic(), c.SyntheticItalic) << c.Name;
    }
}

TEST(LoadFont, FacesAreSharedAcrossDecorations) {
    auto plain = LoadFont({"Tahoma", -11});
    EXPECT_EQ(plain.get(), LoadFont({"tahoma", -11, FW_NORMAL, false, true, true}).get());
    EXPECT_EQ(plain.get(), LoadFont({"Tahoma", 0}).get());
    EXPECT_NE(plain.get(), LoadFont({"Tahoma", -12}).get());
    EXPECT_NE(plain.get(), LoadFont({"Tahoma", -11, FW_BOLD}).get());
}

TEST(FontFace, SmallTahomaUsesItsCrispBitmaps) {
    auto face = LoadFont({"Tahoma", -11});
    const Glyph& l = face->GlyphFor(U'l');
    EXPECT_EQ(l.Width, 1);
    EXPECT_EQ(l.Height, 9);
    EXPECT_EQ(l.Top, 9);
    EXPECT_EQ(l.Advance, 2);
    for (char32_t c = U'a'; c <= U'z'; ++c) {
        for (std::uint8_t v : face->GlyphFor(c).Coverage)
            ASSERT_TRUE(v == 0 || v == 255) << "letter " << static_cast<char>(c);
    }
    // Without a bitmap size the outlines are smoothed.
    auto large = LoadFont({"Tahoma", -14});
    int partial = 0;
    for (std::uint8_t v : large->GlyphFor(U'a').Coverage) partial += v > 0 && v < 255;
    EXPECT_GT(partial, 0);
}

TEST(FontFace, MissingGlyphsAndControlCharacters) {
    auto face = LoadFont({"Tahoma", -11});
    const Glyph& missing = face->GlyphFor(U'\uE000');
    EXPECT_GT(missing.Advance, 0);
    EXPECT_GT(missing.Width, 0);
    EXPECT_EQ(face->GlyphFor(U'\uE123').Coverage, missing.Coverage);
    for (char32_t control : {U'\t', U'\n', U'\r', U'\0', U'\x1B'}) {
        EXPECT_EQ(face->GlyphFor(control).Advance, 0) << static_cast<int>(control);
        EXPECT_TRUE(face->GlyphFor(control).Coverage.empty()) << static_cast<int>(control);
    }
}

TEST(FontFace, SimulatedStylesWidenGlyphs) {
    auto regular = LoadFont({"Tahoma", -11});
    auto italic = LoadFont({"Tahoma", -11, FW_NORMAL, true});
    // A slanted upright stroke spans more than one column.
    EXPECT_GT(italic->GlyphFor(U'l').Width, regular->GlyphFor(U'l').Width);

    // The bundled Symbol face has no bold file.
    auto thin = LoadFont({"Symbol", -11});
    auto bold = LoadFont({"Symbol", -11, FW_BOLD});
    ASSERT_EQ(thin->FilePath(), bold->FilePath());
    ASSERT_TRUE(bold->IsSyntheticBold());
    EXPECT_EQ(bold->Metrics().Weight, FW_BOLD);
    const Glyph& before = thin->GlyphFor(U'1');
    const Glyph& after = bold->GlyphFor(U'1');
    ASSERT_GT(before.Width, 0);
    EXPECT_EQ(after.Advance, before.Advance + 1);
    EXPECT_EQ(after.Width, before.Width + 1);
    for (int row = 0; row < before.Height; ++row) {
        for (int column = 0; column < before.Width; ++column) {
            std::uint8_t ink = before.Coverage[row * before.Width + column];
            EXPECT_GE(after.Coverage[row * after.Width + column], ink);
            EXPECT_GE(after.Coverage[row * after.Width + column + 1], ink);
        }
    }
}

}  // namespace
}  // namespace quendar
