// Lookups of sections, image areas and patterns, with inheritance.

#include <gtest/gtest.h>

#include "framework/jpeg_image.h"
#include "platform/system_colors.h"
#include "skin/data/skin_image_lookup.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

TsGeneralData Section(const char* name, const char* parent = "") {
    TsGeneralData record;
    record.SectionName = name;
    record.ParentClass = parent;
    return record;
}

TsMaskData Area(const char* section, const char* property, Rect rect, TacImgType type = TacImgType::itisaBorder) {
    TsMaskData area;
    area.SectionName = section;
    area.PropertyName = property;
    area.Rect = rect;
    area.ImageCount = 1;
    area.ImgType = type;
    return area;
}

class SkinLookup : public ::testing::Test {
protected:
    SkinLookup() {
        tables.Sections = {Section("GLOBALINFO"),         Section("TABCONTROLBOTTOM", "PAGECONTROLBOTTOM"),
                           Section("PAGECONTROLBOTTOM", "PAGECONTROL"), Section("PAGECONTROL"),
                           Section("LOOPA", "LOOPB"),     Section("LOOPB", "LOOPA"),
                           Section("SELF", "SELF"),       Section("FORM")};
        tables.ImageAreas = {Area("PAGECONTROLBOTTOM", "BORDERSMASK", {0, 0, 18, 12}),
                             Area("PAGECONTROL", "PATTERN", {0, 0, 9, 9}, TacImgType::itisaTexture),
                             Area("FORM", "PATTERN", {0, 0, 9, 9}, TacImgType::itisaBorder),
                             Area("FORM", "PATTERN", {0, 0, 6, 6}, TacImgType::itisaTexture)};
        tables.Patterns = {{std::make_shared<TJPEGImage>(), "PAGECONTROL", "HOTPATTERN"}};
        UpdateGlobalInfoIndex(tables);
    }
    int Index(const char* name) const { return SectionIndexOf(tables, name); }

    SkinTables tables;
};

TEST_F(SkinLookup, SectionNamesMatchExactly) {
    EXPECT_EQ(Index("PAGECONTROL"), 3);
    EXPECT_EQ(Index("pagecontrol"), -1);
    EXPECT_EQ(Index("PAGECONTROL "), -1);
    EXPECT_EQ(tables.GlobalInfoIndex, 0);
    EXPECT_FALSE(IsValidSectionIndex(tables, -1));
    EXPECT_FALSE(IsValidSectionIndex(tables, 8));
    EXPECT_TRUE(IsValidSectionIndex(tables, 7));
}

TEST_F(SkinLookup, ImageAreasAreInheritedThroughParentClass) {
    struct Case {
        const char* section;
        const char* property;
        int expected;
    };
    const Case cases[] = {
        {"TABCONTROLBOTTOM", "BORDERSMASK", 0},  // from its parent
        {"TABCONTROLBOTTOM", "PATTERN", 1},      // from its grandparent
        {"PAGECONTROL", "BORDERSMASK", -1},      // parents do not inherit from children
        {"LOOPA", "BORDERSMASK", -1},            // A -> B -> A ends
        {"SELF", "BORDERSMASK", -1},
        {"FORM", "PATTERN", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImageAreaIndexOf(tables, Index(c.section), c.section, c.property), c.expected)
            << c.section << " " << c.property;
    EXPECT_EQ(ImageAreaIndexOf(tables, -1, "PAGECONTROLBOTTOM", "BORDERSMASK"), -1);
    EXPECT_EQ(ImageAreaIndexOf(tables, 2, "", "BORDERSMASK"), -1);
}

TEST_F(SkinLookup, TexturesSkipOtherTypesAndPatternsInheritToo) {
    EXPECT_EQ(TextureIndexOf(tables, Index("FORM"), "FORM", "PATTERN"), 3);
    EXPECT_EQ(TextureIndexOf(tables, Index("PAGECONTROLBOTTOM"), "PAGECONTROLBOTTOM", "BORDERSMASK"), -1);
    EXPECT_EQ(TextureIndexOf(tables, Index("TABCONTROLBOTTOM"), "TABCONTROLBOTTOM", "PATTERN"), 1);
    EXPECT_EQ(TextureIndexOf(tables, Index("LOOPB"), "LOOPB", "PATTERN"), -1);
    EXPECT_EQ(PatternIndexOf(tables, Index("TABCONTROLBOTTOM"), "TABCONTROLBOTTOM", "HOTPATTERN"), 0);
    EXPECT_EQ(PatternIndexOf(tables, Index("LOOPA"), "LOOPA", "HOTPATTERN"), -1);
    EXPECT_EQ(PatternIndexOf(SkinTables{}, 0, "PAGECONTROL", "HOTPATTERN"), -1);
}

TEST_F(SkinLookup, ExactLookupDoesNotInherit) {
    EXPECT_EQ(ImageAreaIndexExact(tables, "PAGECONTROLBOTTOM", "BORDERSMASK"), 0);
    EXPECT_EQ(ImageAreaIndexExact(tables, "TABCONTROLBOTTOM", "BORDERSMASK"), -1);
    EXPECT_EQ(ImageAreaIndexExact(tables, "", "BORDERSMASK"), -1);
}

TEST(ImageAreaGeometry, SizesAndMargins) {
    struct Case {
        Rect rect;
        int imageCount, maskType, borderWidth, wl, wt, wr, wb;
        Size size;
        int left, top, right, bottom;
    };
    const Case cases[] = {
        {{0, 64, 18, 76}, 3, 1, 0, 0, 0, 0, 0, {6, 6}, 2, 2, 2, 2},
        {{78, 48, 156, 99}, 1, 0, 1, 0, 0, 0, 0, {78, 51}, 1, 1, 1, 1},
        {{78, 54, 80, 59}, 1, 0, 1, 1, 0, 0, 0, {2, 5}, 1, 1, 1, 1},
        {{0, 64, 18, 76}, 3, 1, 1, 2, 2, 2, 2, {6, 6}, 2, 2, 2, 2},
        {{0, 0, 20, 10}, 2, 0, 3, 4, 0, 5, 0, {10, 10}, 4, 3, 5, 3},
        // Records made by hand with nonsense counts divide safely.
        {{0, 0, 9, 9}, 0, -1, 0, 0, 0, 0, 0, {9, 9}, 3, 3, 3, 3},
    };
    for (const Case& c : cases) {
        SkinTables tables;
        TsMaskData& area = tables.ImageAreas.emplace_back();
        area.Rect = c.rect;
        area.ImageCount = static_cast<std::int16_t>(c.imageCount);
        area.MaskType = static_cast<std::int16_t>(c.maskType);
        area.BorderWidth = static_cast<std::int16_t>(c.borderWidth);
        area.WL = static_cast<std::int16_t>(c.wl);
        area.WT = static_cast<std::int16_t>(c.wt);
        area.WR = static_cast<std::int16_t>(c.wr);
        area.WB = static_cast<std::int16_t>(c.wb);
        SCOPED_TRACE(c.rect.Right);
        EXPECT_EQ(ImageAreaSize(tables, 0), c.size);
        EXPECT_EQ(MarginLeft(tables, 0), c.left);
        EXPECT_EQ(MarginTop(tables, 0), c.top);
        EXPECT_EQ(MarginRight(tables, 0), c.right);
        EXPECT_EQ(MarginBottom(tables, 0), c.bottom);
    }
    SkinTables empty;
    EXPECT_EQ(ImageAreaSize(empty, 0), (Size{-1, -1}));
    EXPECT_EQ(MarginLeft(empty, -1), -1);
    EXPECT_FALSE(IsValidImageAreaIndex(empty, 0));
}

TEST(ImageAreaGeometry, AreasOutsideTheirPictureAreFlagged) {
    SkinTables tables;
    tables.MasterBitmap = std::make_unique<Bitmap>(10, 10);
    tables.ImageAreas = {Area("A", "P", {0, 0, 10, 10}), Area("A", "P", {5, 5, 11, 6}),
                         Area("A", "P", {-1, 0, 3, 3}), Area("A", "P", {-2147483647 - 1, 0, 2147483647, 3})};
    EXPECT_TRUE(IsImageAreaInside(tables, 0));
    EXPECT_FALSE(IsImageAreaInside(tables, 1));
    EXPECT_FALSE(IsImageAreaInside(tables, 2));
    EXPECT_FALSE(IsImageAreaInside(tables, 3));
    EXPECT_EQ(MarginLeft(tables, 3), 1431655765);  // (2^32 - 1) / 3 without overflow
    tables.MasterBitmap.reset();
    EXPECT_FALSE(IsImageAreaInside(tables, 0));
}

TEST(GlobalColors, FromGlobalInfoOrTheFallbacks) {
    SkinTables tables;
    EXPECT_EQ(GlobalColor(tables), static_cast<TColor>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(GlobalFontColor(tables), 0xFF00FF);
    EXPECT_EQ(ActiveEditColor(tables), static_cast<TColor>(GetSysColor(COLOR_WINDOW)));

    TsGeneralData info = Section("GLOBALINFO");
    info.Color = 14604248;
    info.FontColor = {5391682, 8484210, -1, -1, -1};
    info.HotColor = clWindow;
    tables.Sections = {Section("FORM"), info};
    tables.GlobalInfoIndex = 5;  // stale cache: out of range
    EXPECT_EQ(GlobalFontColor(tables), 0xFF00FF);
    UpdateGlobalInfoIndex(tables);
    EXPECT_EQ(tables.GlobalInfoIndex, 1);
    EXPECT_EQ(GlobalColor(tables), 0xDED7D8);
    EXPECT_EQ(GlobalFontColor(tables), 5391682);
    EXPECT_EQ(ActiveEditColor(tables), static_cast<TColor>(GetSysColor(COLOR_WINDOW)));
}

}  // namespace
}  // namespace quendar
