#include <gtest/gtest.h>

#include <string>

#include "external_skin_test_folder.h"
#include "framework/jpeg_image.h"
#include "skin/data/external_skin_files.h"
#include "skin/data/external_skin_loader.h"

namespace quendar {
namespace {

// Expected values of one image area; margins in the order WL, WT, WR, WB.
struct AreaCase {
    const char* Value;
    const char* Section;   // as the area records it
    const char* Property;  // as the area records it
    Rect ExpectedRect;
    int ImageCount, MaskType, BorderWidth, StretchMode;
    TacImgType Type;
    int WL, WT, WR, WB;
    bool OwnImage;
};

class ExternalSkinImagesTest : public ::testing::Test {
protected:
    // Loads a skin whose section [Form] holds the single key given.
    void LoadOne(const std::string& key, const std::string& value) {
        folder_.WriteOptions("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[Form]\n" + key + "=" + value + "\n");
        tables_ = SkinTables{};
        LoadExternalSkin(tables_, folder_.Path());
    }
    void SetUp() override {
        folder_.WriteBmp("master.bmp", 40, 30);
        folder_.WriteBmp("OWN.BMP", 30, 20);
    }

    ExternalSkinTestFolder folder_;
    SkinTables tables_;
};

TEST_F(ExternalSkinImagesTest, EveryEncodingGivesItsArea) {
    using enum TacImgType;
    const std::vector<AreaCase> cases = {
        // "#" rectangles: parameters count, mask, border, stretch.
        {"#(0,0,18,12)(3,1,0,1)", "FORM", "BICONCLOSE", {0, 0, 18, 12}, 3, 1, 0, 1, itisaBorder, 2, 2, 2, 2, false},
        {"#(0,0,18,12)", "FORM", "BICONCLOSE", {0, 0, 18, 12}, 1, 0, 0, 1, itisaBorder, 6, 4, 6, 4, false},
        {"# 0,0,18,12 0,-2,-5", "FORM", "BICONCLOSE", {0, 0, 18, 12}, 1, 0, 0, 1, itisaBorder, 6, 4, 6, 4, false},
        {"#(1,2,19,14)(1,0,2,3)", "FORM", "BICONCLOSE", {1, 2, 19, 14}, 1, 0, 2, 3, itisaBorder, 2, 2, 2, 2, false},
        // Rectangles outside the master bitmap are kept as written.
        {"#(100,100,200,200)", "FORM", "BICONCLOSE", {100, 100, 200, 200}, 1, 0, 0, 1, itisaBorder, 33, 33, 33, 33, false},
        // Older forms keep section and key as written.
        {"@0001,0002,0013,0014,3,1", "Form", "BiconClose", {1, 2, 13, 14}, 3, 1, 0, 0, itisaGlyph, 0, 0, 0, 0, false},
        {"@0001,0002,0013,0014", "Form", "BiconClose", {1, 2, 13, 14}, 1, 0, 0, 0, itisaGlyph, 0, 0, 0, 0, false},
        {"^0000,0000,0018,0012,0001,0002,0003,0004,3,1,1,0", "Form", "BiconClose", {0, 0, 18, 12}, 3, 1, 0, 1,
         itisaBorder, 1, 2, 3, 4, false},
        {"^0000,0000,0018,0012,0000,0000,0000,0000,3,1,1,2", "Form", "BiconClose", {0, 0, 18, 12}, 3, 1, 2, 1,
         itisaBorder, 2, 2, 2, 2, false},
        {"^0000,0000,0018,0012,0000,0000,0000,0000,3,1,1,0", "Form", "BiconClose", {0, 0, 18, 12}, 3, 1, 0, 1,
         itisaBorder, 2, 2, 2, 2, false},
        {"^  10,  20,  30,  40", "Form", "BiconClose", {10, 20, 30, 40}, 1, 0, 0, 0, itisaBorder, 6, 6, 6, 6, false},
        {"~0002,0003,0010,0011,10,1", "Form", "BiconClose", {2, 3, 10, 11}, 1, 1, 0, 10, itisaTexture, 0, 0, 0, 0, false},
        {"~0002,0003,0010,0011,10", "Form", "BiconClose", {2, 3, 10, 11}, 1, 0, 0, 10, itisaTexture, 0, 0, 0, 0, false},
        // Own bitmaps: one-third margins of 30 x 20 with three states and masks.
        {"OWN.BMP", "FORM", "BICONCLOSE", {0, 0, 30, 20}, 3, 1, 0, 0, itisaBorder, 3, 3, 3, 3, true},
        {"own.bmp", "FORM", "BICONCLOSE", {0, 0, 30, 20}, 3, 1, 0, 0, itisaBorder, 3, 3, 3, 3, true},
        {"!OWN.BMP!3!1!2", "Form", "BiconClose", {0, 0, 30, 20}, 3, 1, 0, 0, itisaGlyph, 3, 3, 3, 3, true},
        {"!OWN.BMP!1!0!1", "Form", "BiconClose", {0, 0, 30, 20}, 1, 0, 0, 0, itisaTexture, 10, 6, 10, 6, true},
        {"!OWN.BMP!1!0!0!4!5!6!7", "Form", "BiconClose", {0, 0, 30, 20}, 1, 0, 0, 0, itisaBorder, 4, 5, 6, 7, true},
    };
    for (const AreaCase& c : cases) {
        LoadOne("BiconClose", c.Value);
        ASSERT_EQ(tables_.ImageAreas.size(), 1u) << c.Value;
        const TsMaskData& area = tables_.ImageAreas[0];
        EXPECT_EQ(area.SectionName, c.Section) << c.Value;
        EXPECT_EQ(area.PropertyName, c.Property) << c.Value;
        EXPECT_EQ(area.Rect, c.ExpectedRect) << c.Value;
        EXPECT_EQ(area.ImageCount, c.ImageCount) << c.Value;
        EXPECT_EQ(area.MaskType, c.MaskType) << c.Value;
        EXPECT_EQ(area.BorderWidth, c.BorderWidth) << c.Value;
        EXPECT_EQ(area.StretchMode, c.StretchMode) << c.Value;
        EXPECT_EQ(area.ImgType, c.Type) << c.Value;
        EXPECT_EQ((std::array<int, 4>{area.WL, area.WT, area.WR, area.WB}), (std::array<int, 4>{c.WL, c.WT, c.WR, c.WB}))
            << c.Value;
        EXPECT_EQ(area.Image != nullptr, c.OwnImage) << c.Value;
    }
}

TEST_F(ExternalSkinImagesTest, PatternKeysOfRectanglesAreTextures) {
    LoadOne("Pattern", "#(1,2,10,20)(2,1,0,5)");
    ASSERT_EQ(tables_.ImageAreas.size(), 1u);
    EXPECT_EQ(tables_.ImageAreas[0].PropertyName, "PATTERN");
    EXPECT_EQ(tables_.ImageAreas[0].ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(tables_.ImageAreas[0].StretchMode, 0);
}

TEST_F(ExternalSkinImagesTest, OwnBitmapPixelsAreTheFile) {
    LoadOne("BORDERSMASK", "OWN.BMP");
    ASSERT_EQ(tables_.ImageAreas.size(), 1u);
    const Bitmap& image = *tables_.ImageAreas[0].Image;
    EXPECT_EQ(image.Format(), PixelFormat::Bits24);
    EXPECT_EQ(image.PixelAt(29, 19), RGB(29, 19, 7));
    ASSERT_NE(tables_.MasterBitmap, nullptr);
    EXPECT_EQ(tables_.MasterBitmap->Dimensions(), (Size{40, 30}));
    EXPECT_EQ(tables_.MasterBitmap->PixelAt(39, 0), RGB(39, 0, 7));
}

TEST_F(ExternalSkinImagesTest, UnusableValuesAddNothing) {
    folder_.WriteBmp("wide.bmp", MaxExternalImageSide + 1, 1);
    // A header that claims a picture of 100000 x 10 and holds no pixels.
    std::vector<std::uint8_t> huge = WriteBmp24(ExternalSkinTestFolder::Pattern(1, 1));
    huge[18] = 0xA0, huge[19] = 0x86, huge[20] = 0x01, huge[21] = 0x00;
    folder_.WriteBytes("huge.bmp", huge);
    folder_.WriteText("broken.jpg", "not a picture");
    for (const char* value : {"missing.bmp", "C:\\Skins\\OWN.BMP", "!own.bmp!3!1!0", "!MISSING.BMP!3!1!0",
                              "^0000,0000,0018", "@00x1,0002,0013,0014,3,1", "#(1,2,3)", "#(a,2,3,4)",
                              "#(-2000000000,0,2000000000,10)", "wide.bmp", "huge.bmp", "broken.jpg", "missing.jpg",
                              "clBtnFace", "12345", ""}) {
        LoadOne("BORDERSMASK", value);
        EXPECT_TRUE(tables_.ImageAreas.empty()) << value;
        EXPECT_TRUE(tables_.Patterns.empty()) << value;
    }
}

TEST_F(ExternalSkinImagesTest, JpegsUpTo89999PixelsBecomeTextures) {
    folder_.WriteJpeg("square.jpg", 300, 300);
    folder_.WriteJpeg("narrow.JPEG", 299, 300);
    folder_.WriteOptions("[PANEL]\nPattern=square.jpg\nHotPattern=narrow.JPEG\n");
    LoadExternalSkin(tables_, folder_.Path());

    ASSERT_EQ(tables_.Patterns.size(), 1u);
    EXPECT_EQ(tables_.Patterns[0].SectionName, "PANEL");
    EXPECT_EQ(tables_.Patterns[0].PropertyName, "PATTERN");
    EXPECT_EQ(tables_.Patterns[0].Image->Width(), 300);

    ASSERT_EQ(tables_.ImageAreas.size(), 1u);
    const TsMaskData& texture = tables_.ImageAreas[0];
    EXPECT_EQ(texture.SectionName, "PANEL");
    EXPECT_EQ(texture.PropertyName, "HOTPATTERN");
    EXPECT_EQ(texture.ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(texture.ImageCount, 1);
    EXPECT_EQ(texture.MaskType, 0);
    EXPECT_EQ(texture.Rect, (Rect{0, 0, 0, 0}));
    ASSERT_NE(texture.Image, nullptr);
    EXPECT_EQ(texture.Image->Dimensions(), (Size{299, 300}));
    EXPECT_EQ(texture.Image->Format(), PixelFormat::Bits24);
    EXPECT_EQ(tables_.MasterBitmap, nullptr);
}

TEST_F(ExternalSkinImagesTest, AreasFollowFileOrderAndSkipTheMasterBitmapKey) {
    folder_.WriteOptions(
        "[GLOBALINFO]\nMASTERBITMAP=master.bmp\nBOXCHECKED=#(0,0,9,3)(3,0,0,0)\n"
        "[EDIT]\nCOLOR=1\nBORDERSMASK=#(0,3,6,9)(1,0,1,1)\n[BUTTON]\nBORDERSMASK=OWN.BMP\n");
    LoadExternalSkin(tables_, folder_.Path());
    ASSERT_EQ(tables_.ImageAreas.size(), 3u);
    EXPECT_EQ(tables_.ImageAreas[0].SectionName + "." + tables_.ImageAreas[0].PropertyName, "GLOBALINFO.BOXCHECKED");
    EXPECT_EQ(tables_.ImageAreas[1].SectionName + "." + tables_.ImageAreas[1].PropertyName, "EDIT.BORDERSMASK");
    EXPECT_EQ(tables_.ImageAreas[2].SectionName + "." + tables_.ImageAreas[2].PropertyName, "BUTTON.BORDERSMASK");
}

struct HeaderCase {
    const char* What;
    std::vector<std::uint8_t> Bytes;
    Size Expected;
};

TEST(ExternalSkinFiles, PictureSizesComeFromHeaders) {
    std::vector<std::uint8_t> topDown = WriteBmp24(ExternalSkinTestFolder::Pattern(5, 3));
    topDown[22] = 0xFD, topDown[23] = 0xFF, topDown[24] = 0xFF, topDown[25] = 0xFF;  // height -3
    const std::vector<HeaderCase> cases = {
        {"bmp", WriteBmp24(ExternalSkinTestFolder::Pattern(5, 3)), {5, 3}},
        {"top-down bmp", topDown, {5, 3}},
        {"short bmp", {'B', 'M', 0, 0}, {0, 0}},
        {"jpeg", EncodeJpeg(ExternalSkinTestFolder::Pattern(17, 9), JpegEncodeOptions{}), {17, 9}},
        {"jpeg without frame", {0xFF, 0xD8, 0xFF, 0xD9}, {0, 0}},
        {"not jpeg", {1, 2, 3, 4, 5}, {0, 0}},
    };
    for (const HeaderCase& c : cases) {
        const Size size = c.What[0] == 'j' || c.What[0] == 'n' ? JpegHeaderSize(c.Bytes) : BmpHeaderSize(c.Bytes);
        EXPECT_EQ(size, c.Expected) << c.What;
    }
}

}  // namespace
}  // namespace quendar
