// The built-in skin's image areas: counts per property and type, the
// telling rows, derived sizes and margins, inheritance, and the artwork
// under each rectangle (mask convention: black opaque, white transparent,
// and a transparent picture pixel is magenta).

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "built_in_skin_fixture.h"
#include "skin/data/skin_image_lookup.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

using Names = std::vector<std::string>;

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

int AreaIndex(const SkinTables& tables, const std::string& section, const std::string& property) {
    return ImageAreaIndexExact(tables, section, property);
}

TEST_F(BuiltInSkin, EveryPropertyNameIsCarriedByTheListedSections) {
    const std::map<std::string, Names> expected = {
        {"BORDERSMASK",
         Words("SPLITTER MAINMENU DIVIDER DIALOG EDIT TABCONTROL PAGECONTROLBOTTOM PAGECONTROLRIGHT PANEL "
               "ALPHACOMBOBOX GROUPBOX PAGECONTROLLEFT GAUGE ALPHAEDIT PANEL_LOW TOOLBAR FORMTITLE SCROLLSLIDERH "
               "SCROLLBTNLEFT SCROLLBTNRIGHT SCROLLBAR1V STATUSBAR SCROLLSLIDERV SCROLLBTNTOP SCROLLBTNBOTTOM "
               "PROGRESSH PROGRESSV MENUITEM DRAGBAR BARPANEL FORM SCROLLBAR1H SCROLLBAR2H SCROLLBAR2V BAR BARTITLE "
               "BUTTON BUTTON_BIG SPEEDBUTTON SPEEDBUTTON_SMALL TOOLBUTTON PAGECONTROL TABBOTTOM TABLEFT TABRIGHT "
               "TABTOP HINT MDIAREA BUTTON_HUGE COLHEADER")},
        {"PATTERN", Words("MAINMENU DIALOG TABCONTROL PANEL GAUGE PANEL_LOW TOOLBAR PROGRESSH PROGRESSV BARPANEL "
                          "FORM BAR BARTITLE PAGECONTROL GRIPH TABBOTTOM TABLEFT TABRIGHT TABTOP")},
        {"HOTPATTERN", Words("MAINMENU DIALOG TABCONTROL PANEL GAUGE TOOLBAR BARPANEL FORM BARTITLE PAGECONTROL "
                             "TABBOTTOM TABLEFT TABRIGHT TABTOP")},
        {"GLYPHMASK", Words("ALPHACOMBOBOX COMBOBOX SCROLLBTNLEFT SCROLLBTNRIGHT STATUSBAR SCROLLBTNTOP "
                            "SCROLLBTNBOTTOM")},
    };
    std::map<std::string, Names> found;
    for (const TsMaskData& area : Tables().ImageAreas) found[area.PropertyName].push_back(area.SectionName);
    for (const auto& [property, sections] : expected) {
        SCOPED_TRACE(property);
        Names sorted = found[property];
        Names wanted = sections;
        std::sort(sorted.begin(), sorted.end());
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(sorted, wanted);
    }
    for (const char* glyph : {"GRIPIMAGE", "BICONCLOSE", "BICONHELP", "BICONMAX", "BICONMIN", "BICONNORM",
                              "TITLEBUTTON"})
        EXPECT_EQ(found[glyph], Names({"GLOBALINFO", "FORM"})) << glyph;
    for (const char* glyph : {"BOXCHECKED", "BOXUNCHECKED", "BOXGRAYED", "RADIOCHECKED", "RADIOUNCHECKED",
                              "SMALLCHECKED", "SMALLUNCHECKED", "SMALLGRAYED", "CHECK"})
        EXPECT_EQ(found[glyph], Names({"GLOBALINFO"})) << glyph;
    for (const char* glyph : {"SLIDERCHANNEL", "SLIDERMASK", "SLIDERVMASK", "TICKHORZ", "TICKVERT"})
        EXPECT_EQ(found[glyph], Names({"TRACKBAR"})) << glyph;
    EXPECT_EQ(Tables().ImageAreas.size(), 118u);
    EXPECT_EQ(found.size(), 4u + 7u + 9u + 5u);
    EXPECT_TRUE(Tables().Patterns.empty());
}

TEST_F(BuiltInSkin, ImageAreaTypesAreCounted) {
    std::map<TacImgType, int> counts;
    for (const TsMaskData& area : Tables().ImageAreas) ++counts[area.ImgType];
    EXPECT_EQ(counts[TacImgType::itisaBorder], 51);
    EXPECT_EQ(counts[TacImgType::itisaTexture], 33);
    EXPECT_EQ(counts[TacImgType::itisaGlyph], 34);
}

// Stored values, before the loader fills in margins.
TEST_F(BuiltInSkin, TellingImageAreaRowsAreStoredExactly) {
    struct Row {
        const char* Section;
        const char* Property;
        int Left, Top, Right, Bottom, ImageCount, MaskType, BorderWidth, StretchMode;
        TacImgType Type;
        int WL, WT, WR, WB;
    };
    constexpr TacImgType B = TacImgType::itisaBorder, T = TacImgType::itisaTexture, G = TacImgType::itisaGlyph;
    const Row rows[] = {
        {"BUTTON", "BORDERSMASK", 0, 64, 18, 76, 3, 1, 0, 1, B, 0, 0, 0, 0},
        {"EDIT", "BORDERSMASK", 78, 48, 156, 99, 1, 0, 1, 1, B, 0, 0, 0, 0},
        {"PANEL", "BORDERSMASK", 78, 48, 156, 99, 1, 0, 1, 1, B, 0, 0, 0, 0},
        {"PANEL", "PATTERN", 78, 0, 156, 48, 1, 0, 0, 0, T, 0, 0, 0, 0},
        {"FORM", "BORDERSMASK", 78, 48, 156, 99, 1, 0, 1, 1, B, 0, 0, 0, 0},
        {"FORM", "PATTERN", 78, 0, 156, 48, 1, 0, 0, 0, T, 0, 0, 0, 0},
        {"FORM", "HOTPATTERN", 78, 0, 156, 48, 1, 0, 0, 0, T, 0, 0, 0, 0},
        {"FORM", "BICONCLOSE", 0, 144, 54, 176, 3, 1, 0, 0, G, 0, 0, 0, 0},
        {"FORM", "BICONMIN", 0, 80, 54, 112, 3, 1, 0, 0, G, 0, 0, 0, 0},
        {"FORM", "BICONMAX", 0, 112, 54, 144, 3, 1, 0, 0, G, 0, 0, 0, 0},
        {"FORM", "BICONNORM", 0, 112, 54, 144, 3, 1, 0, 0, G, 0, 0, 0, 0},
        {"FORM", "GRIPIMAGE", 117, 174, 130, 187, 1, 0, 0, 0, G, 0, 0, 0, 0},
        {"SPEEDBUTTON_SMALL", "BORDERSMASK", 54, 80, 72, 92, 3, 1, 0, 1, B, 0, 0, 0, 0},
        {"TABTOP", "BORDERSMASK", 54, 92, 72, 104, 3, 1, 0, 1, B, 0, 0, 0, 0},
        {"PANEL_LOW", "BORDERSMASK", 117, 99, 156, 138, 1, 0, 2, 1, B, 0, 0, 0, 0},
        {"DIVIDER", "BORDERSMASK", 78, 54, 80, 59, 1, 0, 1, 1, B, 1, 0, 0, 0},
        {"COLHEADER", "BORDERSMASK", 0, 64, 18, 76, 3, 1, 1, 1, B, 2, 2, 2, 2},
        {"GRIPH", "PATTERN", 39, 197, 42, 199, 1, 1, 0, 10, T, 0, 0, 0, 0},
        {"GLOBALINFO", "BOXCHECKED", 39, 0, 78, 26, 3, 1, 0, 0, G, 0, 0, 0, 0},
        {"GLOBALINFO", "SMALLCHECKED", 36, 52, 72, 64, 3, 0, 0, 0, G, 0, 0, 0, 0},
        {"BUTTON_HUGE", "BORDERSMASK", 0, 0, 0, 0, 3, 1, 0, 0, B, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.Section) + " " + row.Property);
        const TsSkinImage* found = nullptr;
        for (int i = 0; i < Skin().Images().Count() && found == nullptr; ++i) {
            const TsSkinImage* item = Skin().Images().Items(i);
            if (item->SectionName == row.Section && item->PropertyName == row.Property) found = item;
        }
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->Left, row.Left);
        EXPECT_EQ(found->Top, row.Top);
        EXPECT_EQ(found->Right, row.Right);
        EXPECT_EQ(found->Bottom, row.Bottom);
        EXPECT_EQ(found->ImageCount, row.ImageCount);
        EXPECT_EQ(found->MaskType, row.MaskType);
        EXPECT_EQ(found->BorderWidth, row.BorderWidth);
        EXPECT_EQ(found->StretchMode, row.StretchMode);
        EXPECT_EQ(found->ImgType, row.Type);
        EXPECT_EQ(found->WL, row.WL);
        EXPECT_EQ(found->WT, row.WT);
        EXPECT_EQ(found->WR, row.WR);
        EXPECT_EQ(found->WB, row.WB);
    }
}

TEST_F(BuiltInSkin, LoadedFramesHaveTheirPictureSizesAndMargins) {
    struct Case {
        const char* Section;
        int Width, Height, Left, Top, Right, Bottom;
    };
    const Case cases[] = {
        {"BUTTON", 6, 6, 2, 2, 2, 2},       {"COLHEADER", 6, 6, 2, 2, 2, 2},   {"EDIT", 78, 51, 1, 1, 1, 1},
        {"PANEL", 78, 51, 1, 1, 1, 1},      {"FORM", 78, 51, 1, 1, 1, 1},      {"PANEL_LOW", 39, 39, 2, 2, 2, 2},
        {"DIVIDER", 2, 5, 1, 1, 1, 1},      {"BUTTON_HUGE", 96, 96, 32, 32, 32, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Section);
        const int index = AreaIndex(Tables(), c.Section, "BORDERSMASK");
        ASSERT_TRUE(IsValidImageAreaIndex(Tables(), index));
        EXPECT_EQ(ImageAreaSize(Tables(), index), (Size{c.Width, c.Height}));
        EXPECT_EQ(MarginLeft(Tables(), index), c.Left);
        EXPECT_EQ(MarginTop(Tables(), index), c.Top);
        EXPECT_EQ(MarginRight(Tables(), index), c.Right);
        EXPECT_EQ(MarginBottom(Tables(), index), c.Bottom);
    }
    const TsMaskData& huge = Tables().ImageAreas[AreaIndex(Tables(), "BUTTON_HUGE", "BORDERSMASK")];
    ASSERT_NE(huge.Image, nullptr);
    EXPECT_EQ(huge.Image->Dimensions(), (Size{288, 192}));
    EXPECT_EQ(huge.Rect, (Rect{0, 0, 288, 192}));
}

TEST_F(BuiltInSkin, TabControlBottomFindsItsParentsFrame) {
    const int section = SectionIndexOf(Tables(), "TABCONTROLBOTTOM");
    ASSERT_GE(section, 0);
    EXPECT_EQ(AreaIndex(Tables(), "TABCONTROLBOTTOM", "BORDERSMASK"), -1);
    const int inherited = ImageAreaIndexOf(Tables(), section, "TABCONTROLBOTTOM", "BORDERSMASK");
    EXPECT_EQ(inherited, AreaIndex(Tables(), "PAGECONTROLBOTTOM", "BORDERSMASK"));
    EXPECT_GE(inherited, 0);
}

TEST_F(BuiltInSkin, EveryRectangleLiesInsideTheMasterBitmap) {
    ASSERT_NE(Tables().MasterBitmap, nullptr);
    const Rect master = Tables().MasterBitmap->Bounds();
    EXPECT_EQ(master, (Rect{0, 0, 156, 292}));
    for (std::size_t i = 0; i < Tables().ImageAreas.size(); ++i) {
        const TsMaskData& a = Tables().ImageAreas[i];
        SCOPED_TRACE(a.SectionName + " " + a.PropertyName);
        EXPECT_TRUE(IsImageAreaInside(Tables(), static_cast<int>(i)));
        if (a.Image) continue;
        EXPECT_FALSE(a.Rect.IsEmpty());
        EXPECT_TRUE(a.Rect.Left >= 0 && a.Rect.Top >= 0 && a.Rect.Right <= 156 && a.Rect.Bottom <= 292);
        EXPECT_EQ(a.Rect.Width() % a.ImageCount, 0);
        EXPECT_EQ(a.Rect.Height() % (a.MaskType + 1), 0);
    }
}

// Each area shows something, and every masked one keeps the convention: a
// magenta picture pixel has a white mask, any other a darker one.
TEST_F(BuiltInSkin, ArtworkUnderEveryAreaFollowsTheMaskConvention) {
    const Bitmap& master = *Tables().MasterBitmap;
    for (const TsMaskData& a : Tables().ImageAreas) {
        SCOPED_TRACE(a.SectionName + " " + a.PropertyName);
        const Bitmap& source = a.Image ? *a.Image : master;
        const int pictureHeight = a.Rect.Height() / (a.MaskType + 1);
        int shown = 0;
        int broken = 0;
        for (int y = a.Rect.Top; y < a.Rect.Top + pictureHeight; ++y)
            for (int x = a.Rect.Left; x < a.Rect.Right; ++x) {
                const bool hole = source.PixelAt(x, y) == SkinTransparentColor;
                if (!hole) ++shown;
                if (a.MaskType == 1) {
                    const ColorRef mask = source.PixelAt(x, y + pictureHeight);
                    const bool grey = GetRValue(mask) == GetGValue(mask) && GetGValue(mask) == GetBValue(mask);
                    if (!grey || hole != (mask == RGB(255, 255, 255))) ++broken;
                }
            }
        EXPECT_GT(shown, 0);
        EXPECT_EQ(broken, 0);
    }
}

// Pixels the frames are drawn with: corners of the button frame fade,
// its centre lets the section's fill through, and the form's outline is
// square so no window corner is cut away.
TEST_F(BuiltInSkin, FramePixelsSitWhereTheMarginsCut) {
    const Bitmap& master = *Tables().MasterBitmap;
    struct Case {
        int X, Y;
        bool Hole;
        int MaskGrey;  // -1: no mask to check
    };
    const Case cases[] = {
        {0, 64, false, 255 - 96},  // BUTTON top-left corner: soft
        {1, 64, false, 0},         // its top edge: opaque
        {2, 66, true, 255},        // its centre: transparent
        {78, 48, false, -1},       // FORM frame corner: outline colour
        {79, 50, false, -1},       // second column: the divider's light half
        {80, 50, true, -1},        // inside the frame: key colour
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.X) + "," + std::to_string(c.Y));
        EXPECT_EQ(master.PixelAt(c.X, c.Y) == SkinTransparentColor, c.Hole);
        if (c.MaskGrey >= 0) {
            EXPECT_EQ(master.PixelAt(c.X, c.Y + 6), RGB(c.MaskGrey, c.MaskGrey, c.MaskGrey));
        }
    }
}

}  // namespace
}  // namespace quendar
