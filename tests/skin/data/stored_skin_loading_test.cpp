// Filling the skin tables from a stored skin.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "framework/exception.h"
#include "skin/data/image_area_rules.h"
#include "skin/data/skin_image_lookup.h"
#include "skin/data/stored_skin_loading.h"

namespace quendar {
namespace {

TEST(FontColorText, FiveWordsOrTheDefault) {
    struct Case {
        const char* text;
        TsFontColors expected;
    };
    const Case cases[] = {
        {"5391682 8484210 -1 -1 -1", {5391682, 8484210, -1, -1, -1}},
        {"15461355  -1 -1 8079147 8079147", {15461355, -1, -1, 8079147, 8079147}},
        {"1 2 3 4", {0, -1, -1, -1, -1}},
        {"1 2 3 4 5 6", {0, -1, -1, -1, -1}},
        {"", {0, -1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        TsFontColors colors{7, 7, 7, 7, 7};
        FillFontColors(c.text, colors);
        EXPECT_EQ(colors, c.expected) << '"' << c.text << '"';
    }
}

TEST(StoredSections, BadFontColorWordAbandonsTheRestOfThatSectionOnly) {
    TsStoredSkin skin;
    TsSkinGeneral& bad = *skin.GeneralData().Add();
    bad.SectionName = "BAD";
    bad.Color = 123;
    bad.HotImagePercent = 40;
    bad.HotFontColor = "1 2 x 4 5";
    bad.FontColor = "9 -1 -1 -1 -1";
    bad.BorderColor1 = 77;
    TsSkinGeneral& good = *skin.GeneralData().Add();
    good.SectionName = "GOOD";
    good.FontColor = "9 -1 -1 -1 -1";
    good.BorderColor2 = 5;

    SkinTables tables;
    FillSectionsFromStoredSkin(tables, skin);
    ASSERT_EQ(tables.Sections.size(), 2u);
    const TsGeneralData& first = tables.Sections[0];
    EXPECT_EQ(first.SectionName, "BAD");
    EXPECT_EQ(first.Color, 123);
    EXPECT_EQ(first.HotImagePercent, 40);
    EXPECT_EQ(first.HotFontColor, (TsFontColors{1, 2, 0, 0, 0}));
    EXPECT_EQ(first.FontColor, (TsFontColors{0, 0, 0, 0, 0}));
    EXPECT_EQ(first.BorderColor1, 0);
    EXPECT_EQ(tables.Sections[1].FontColor, (TsFontColors{9, -1, -1, -1, -1}));
    EXPECT_EQ(tables.Sections[1].HotFontColor, PlainFontColors);
    EXPECT_EQ(tables.Sections[1].BorderColor2, 5);
    EXPECT_EQ(tables.Sections[1].ParentClass, "");
}

TEST(StoredSections, SkinWideValuesAreCopied) {
    TsStoredSkin skin;
    skin.Version = ExtendedFloat::FromDecimalText("4.81");
    skin.Shadow1Color = 13156534;
    skin.Shadow1Blur = 2;
    skin.Author = "A";
    SkinTables tables;
    FillSectionsFromStoredSkin(tables, skin);
    EXPECT_DOUBLE_EQ(tables.SkinData.Version, 4.81);
    EXPECT_EQ(tables.SkinData.Shadow1Color, 13156534);
    EXPECT_EQ(tables.SkinData.Shadow1Blur, 2);
    EXPECT_EQ(tables.SkinData.Author, "A");
}

struct StoredArea {
    const char* property;
    Rect rect;
    int imageCount, maskType, borderWidth, stretchMode;
    TacImgType imgType;
    int wl, wt, wr, wb;
};

struct LoadedArea {
    int imageCount, maskType, stretchMode;
    TacImgType imgType;
    int wl, wt, wr, wb;
};

TEST(StoredImageAreas, CountsTypesAndMargins) {
    using enum TacImgType;
    struct Case {
        StoredArea stored;
        LoadedArea loaded;
    };
    const Case cases[] = {
        // A count of 0 means three states over their masks; margins a third.
        {{"BORDERSMASK", {0, 64, 18, 76}, 0, 0, 0, 1, itisaBorder, 0, 0, 0, 0}, {3, 1, 1, itisaBorder, 2, 2, 2, 2}},
        {{"BORDERSMASK", {0, 64, 18, 76}, 3, 1, 0, 1, itisaBorder, 0, 0, 0, 0}, {3, 1, 1, itisaBorder, 2, 2, 2, 2}},
        // BorderWidth beats the thirds; given margins beat both.
        {{"BORDERSMASK", {78, 48, 156, 99}, 1, 0, 1, 1, itisaBorder, 0, 0, 0, 0}, {1, 0, 1, itisaBorder, 1, 1, 1, 1}},
        {{"BORDERSMASK", {78, 54, 80, 59}, 1, 0, 1, 1, itisaBorder, 1, 0, 0, 0}, {1, 0, 1, itisaBorder, 1, 0, 0, 0}},
        // Patterns are textures; a pattern stored as another type loses its stretch mode.
        {{"PATTERN", {39, 197, 42, 199}, 1, 1, 0, 10, itisaTexture, 0, 0, 0, 0}, {1, 1, 10, itisaTexture, 1, 0, 1, 0}},
        {{"HOTPATTERN", {0, 0, 30, 30}, 1, 0, 0, 10, itisaGlyph, 0, 0, 0, 0}, {1, 0, 0, itisaTexture, 10, 10, 10, 10}},
        {{"BOXCHECKED", {39, 0, 78, 26}, 3, 1, 0, 0, itisaGlyph, 0, 0, 0, 0}, {3, 1, 0, itisaGlyph, 4, 4, 4, 4}},
        // Nonsense counts cannot reach a division by zero later.
        {{"GLYPHMASK", {0, 0, 12, 12}, -2, -1, 0, 0, itisaGlyph, 0, 0, 0, 0}, {1, 0, 0, itisaGlyph, 4, 4, 4, 4}},
    };
    for (const Case& c : cases) {
        TsStoredSkin skin;
        TsSkinImage& item = *skin.Images().Add();
        item.SectionName = "button";
        item.PropertyName = c.stored.property;
        item.Left = c.stored.rect.Left;
        item.Top = c.stored.rect.Top;
        item.Right = c.stored.rect.Right;
        item.Bottom = c.stored.rect.Bottom;
        item.ImageCount = c.stored.imageCount;
        item.MaskType = c.stored.maskType;
        item.BorderWidth = c.stored.borderWidth;
        item.StretchMode = c.stored.stretchMode;
        item.ImgType = c.stored.imgType;
        item.WL = c.stored.wl;
        item.WT = c.stored.wt;
        item.WR = c.stored.wr;
        item.WB = c.stored.wb;
        SkinTables tables;
        FillImageAreasFromStoredSkin(tables, skin, nullptr);
        ASSERT_EQ(tables.ImageAreas.size(), 1u);
        const TsMaskData& area = tables.ImageAreas[0];
        SCOPED_TRACE(std::string(c.stored.property) + " " + std::to_string(c.stored.rect.Left));
        EXPECT_EQ(area.SectionName, "BUTTON");
        EXPECT_EQ(area.Rect, c.stored.rect);
        EXPECT_EQ(area.ImageCount, c.loaded.imageCount);
        EXPECT_EQ(area.MaskType, c.loaded.maskType);
        EXPECT_EQ(area.StretchMode, c.loaded.stretchMode);
        EXPECT_EQ(area.ImgType, c.loaded.imgType);
        EXPECT_EQ((std::array<int, 4>{area.WL, area.WT, area.WR, area.WB}),
                  (std::array<int, 4>{c.loaded.wl, c.loaded.wt, c.loaded.wr, c.loaded.wb}));
    }
}

TEST(StoredImageAreas, OwnPictureAndMasterBitmapAre24Bit) {
    TsStoredSkin skin;
    skin.MasterBitmap().SetSize(4, 3);
    skin.MasterBitmap().SetPixelFormat(TPixelFormat::pf32bit);
    skin.MasterBitmap().PixelBuffer().SetPixel(3, 2, RGB(255, 0, 255));
    TsSkinImage& own = *skin.Images().Add();
    own.SectionName = "BUTTON_HUGE";
    own.PropertyName = "BORDERSMASK";
    own.Name = "BUTTONHUGE.BMP";
    own.Left = 5;  // ignored: an own picture covers its whole bitmap
    own.ImageCount = 3;
    own.MaskType = 1;
    own.Image().SetSize(288, 192);
    TsSkinImage& empty = *skin.Images().Add();
    empty.Name = "GONE.BMP";  // names a picture it does not hold
    SkinTables tables;
    FillImageAreasFromStoredSkin(tables, skin, nullptr);
    ASSERT_NE(tables.MasterBitmap, nullptr);
    EXPECT_EQ(tables.MasterBitmap->Format(), PixelFormat::Bits24);
    EXPECT_EQ(tables.MasterBitmap->PixelAt(3, 2), SkinTransparentColor);
    ASSERT_EQ(tables.ImageAreas.size(), 1u);
    const TsMaskData& area = tables.ImageAreas[0];
    ASSERT_NE(area.Image, nullptr);
    EXPECT_EQ(area.Image->Format(), PixelFormat::Bits24);
    EXPECT_EQ(area.Rect, (Rect{0, 0, 288, 192}));
    EXPECT_EQ(ImageAreaSize(tables, 0), (Size{96, 96}));
    EXPECT_EQ((std::array<int, 4>{area.WL, area.WT, area.WR, area.WB}), (std::array<int, 4>{32, 32, 32, 32}));
}

TEST(StoredImageAreas, OversizedPictureIsRefusedBeforeTheTablesChange) {
    TsStoredSkin skin;
    skin.SetName("Big");
    skin.MasterBitmap().SetSize(MaxSkinPictureSide + 1, 1);
    SkinTables tables;
    tables.Sections.emplace_back().SectionName = "KEPT";
    EXPECT_THROW(LoadStoredSkin(tables, skin, nullptr), Exception);
    EXPECT_EQ(tables.Sections.size(), 1u);
}

TEST(StoredPatterns, EmptyPatternSharesThePictureOfItsName) {
    TBitmap picture(2, 2);
    TsStoredSkin skin;
    TsSkinPattern& first = *skin.Patterns().Add();
    first.Name = "A.JPG";
    first.SectionName = "form";
    first.PropertyName = "pattern";
    TsSkinPattern& holder = *skin.Patterns().Add();
    holder.Name = "A.JPG";
    holder.Image().Assign(picture);
    TsSkinPattern& lonely = *skin.Patterns().Add();
    lonely.Name = "B.JPG";
    SkinTables tables;
    FillPatternsFromStoredSkin(tables, skin);
    ASSERT_EQ(tables.Patterns.size(), 3u);
    EXPECT_EQ(tables.Patterns[0].SectionName, "FORM");
    EXPECT_EQ(tables.Patterns[0].PropertyName, "PATTERN");
    EXPECT_EQ(tables.Patterns[0].Image->Data(), holder.Image().Data());
    EXPECT_EQ(tables.Patterns[0].Image->Width(), 2);
    EXPECT_TRUE(tables.Patterns[2].Image->Empty());
}

}  // namespace
}  // namespace quendar
