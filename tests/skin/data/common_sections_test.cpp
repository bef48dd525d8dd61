// The skin manager's CommonSections: splitting, section records and the
// image areas and patterns they name.

#include <gtest/gtest.h>

#include "external_skin_test_folder.h"
#include "framework/jpeg_image.h"
#include "framework/string_list.h"
#include "skin/data/common_sections.h"
#include "skin/data/skin_image_lookup.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

std::unique_ptr<TStringList> Lines(std::initializer_list<std::string> lines) {
    auto list = std::make_unique<TStringList>();
    for (const std::string& line : lines) list->Add(line);
    return list;
}

TEST(CommonSectionSplit, SectionsKeysAndComments) {
    const auto lines = Lines({"COLOR=1", "[A]", ";COLOR=2", "color=3", "COLOR=4", "[B", "X=[Y]", "NOEQUALS",
                                     "[A]", "K=a=b", "[]"});
    const std::vector<CommonSection> sections = SplitCommonSections(*lines);
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].Name, "A");
    EXPECT_EQ(sections[0].Value("Color"), "3");
    EXPECT_EQ(sections[0].Value("x"), "[Y]");
    EXPECT_EQ(sections[0].Entries.size(), 2u);
    EXPECT_EQ(sections[1].Name, "A");  // named again: another section
    EXPECT_EQ(sections[1].Value("K"), "a=b");
    EXPECT_FALSE(sections[1].Value("COLOR"));
    EXPECT_EQ(sections[2].Name, "");
}

TEST(CommonSectionSplit, BlanksGoExceptInComments) {
    EXPECT_EQ(WithoutBlanks(" GRADIENT DATA = 1 ; 2 "), "GRADIENTDATA=1;2");
    EXPECT_EQ(WithoutBlanks("; keep  this"), "; keep  this");
    EXPECT_EQ(WithoutBlanks(" ;not a comment"), ";notacomment");
}

class CommonSectionRecords : public ::testing::Test {
protected:
    CommonSectionRecords() {
        TsGeneralData& edit = tables.Sections.emplace_back();
        edit.SectionName = "EDIT";
        edit.Color = 16118514;
        edit.Transparency = 30;
        edit.FontColor = {1, 2, 3, 4, 5};
        edit.GradientData = "255;0;100;0;0";
        ParseGradientData(edit.GradientData, edit.GradientArray);
        edit.FadingIterations = 20;
        edit.BorderColor1 = 111;
        edit.BorderColor2 = 222;
        edit.ShowFocus = true;
    }
    const TsGeneralData& Append(std::initializer_list<std::string> lines) {
        AppendCommonSectionRecords(tables, SplitCommonSections(*Lines(lines)));
        return tables.Sections.back();
    }
    SkinTables tables;
};

TEST_F(CommonSectionRecords, WithParentUnsetFieldsComeFromIt) {
    const TsGeneralData& mine =
        Append({"[MyEdit]", "PARENTCLASS=edit", "COLOR=0x00FF00", "TRANSPARENCY=-1", "TCTOP=9", "SHOWFOCUS=?",
                "FADINGITERATIONS=abc"});
    ASSERT_EQ(tables.Sections.size(), 2u);
    EXPECT_EQ(mine.SectionName, "MyEdit");
    EXPECT_EQ(mine.ParentClass, "EDIT");
    EXPECT_EQ(mine.Color, 0x00FF00);
    EXPECT_EQ(mine.Transparency, 30);
    EXPECT_EQ(mine.FontColor, (TsFontColors{1, 2, 9, 4, 5}));
    EXPECT_TRUE(mine.ShowFocus);
    EXPECT_EQ(mine.FadingIterations, 20);
    EXPECT_EQ(mine.BorderColor1, 111);
    EXPECT_EQ(mine.BorderColor2, 222);
    EXPECT_EQ(mine.GradientData, "255;0;100;0;0");
    EXPECT_EQ(mine.GradientArray.size(), tables.Sections[0].GradientArray.size());
    EXPECT_EQ(tables.Sections[0].Color, 16118514);
}

TEST_F(CommonSectionRecords, WithoutParentTheDefaultsApply) {
    const TsGeneralData& plain = Append({"[PLAIN]", "SHADOWENABLED=true", "BEVEL=3", "HOTBEVEL=9", "$5=1"});
    EXPECT_EQ(plain.ParentClass, "-1");
    EXPECT_EQ(plain.Color, 0xFFFFFF);
    EXPECT_EQ(plain.HotColor, 0xFFFFFF);
    EXPECT_EQ(plain.ShadowBlur, 6);
    EXPECT_EQ(plain.ShadowOffset, 3);
    EXPECT_EQ(plain.ShadowTransparency, 50);
    EXPECT_TRUE(plain.ShadowEnabled);
    EXPECT_EQ(plain.Bevel, TsControlBevel::cbRaisedHard);
    EXPECT_EQ(plain.HotBevel, TsControlBevel::cbNone);
    EXPECT_EQ(plain.FontColor, PlainFontColors);
    EXPECT_EQ(plain.FadingIntervalIn, 5);
    EXPECT_EQ(plain.GradientData, " ");
    EXPECT_TRUE(plain.GradientArray.empty());
    EXPECT_EQ(plain.HotGradientData, "");
    EXPECT_EQ(plain.BorderColor1, 0);
    EXPECT_EQ(plain.BorderColor2, 0);
    EXPECT_EQ(tables.Sections[0].BorderColor1, 111);
}

TEST_F(CommonSectionRecords, ParentsAreEarlierRecordsOnly) {
    Append({"[FIRST]", "COLOR=0x10", "[SECOND]", "PARENTCLASS=first", "[LOOP]", "PARENTCLASS=LOOP", "COLOR=-1",
            "[BADNUMBER]", "COLOR=$20"});
    ASSERT_EQ(tables.Sections.size(), 5u);
    EXPECT_EQ(tables.Sections[2].Color, 0x10);
    EXPECT_EQ(tables.Sections[3].Color, 0xFFFFFF);  // a self-parent is no parent
    EXPECT_EQ(tables.Sections[4].Color, 0xFFFFFF);
}

TEST(CommonSectionImages, RectanglesFilesAndPatterns) {
    ExternalSkinTestFolder folder;
    folder.WriteBmp("own.bmp", 9, 6);
    folder.WriteJpeg("small.jpg", 4, 4);
    SkinTables tables;
    tables.MasterBitmap = std::make_unique<Bitmap>(40, 40);
    const std::string own = folder.FilePath("own.bmp");
    const std::string jpeg = folder.FilePath("small.jpg");
    const auto lines = Lines({"[Panel]", "BordersMask=#(0,0,18,12)(3,1)", "Pattern=#(0,12,9,21)(1,0,0,7)",
                                     "GLYPH=#(1,2)", ("Own=" + own), "Relative=own.bmp",
                                     ("Back=" + jpeg), "[GLOBALINFO]", ("Skipped=" + own),
                                     ("Texture=" + jpeg)});
    AppendCommonSectionImages(tables, SplitCommonSections(*lines), nullptr);
    ASSERT_EQ(tables.ImageAreas.size(), 3u);
    const TsMaskData& frame = tables.ImageAreas[0];
    EXPECT_EQ(frame.SectionName, "PANEL");
    EXPECT_EQ(frame.PropertyName, "BORDERSMASK");
    EXPECT_EQ(frame.Rect, (Rect{0, 0, 18, 12}));
    EXPECT_EQ(frame.StretchMode, 1);
    EXPECT_EQ((std::array<int, 4>{frame.WL, frame.WT, frame.WR, frame.WB}), (std::array<int, 4>{2, 2, 2, 2}));
    EXPECT_EQ(tables.ImageAreas[1].ImgType, TacImgType::itisaTexture);
    EXPECT_EQ(tables.ImageAreas[1].StretchMode, 0);
    const TsMaskData& picture = tables.ImageAreas[2];
    ASSERT_NE(picture.Image, nullptr);
    EXPECT_EQ(picture.PropertyName, "OWN");
    EXPECT_EQ(picture.Rect, (Rect{0, 0, 9, 6}));
    EXPECT_EQ(picture.Image->PixelAt(8, 5), RGB(8, 5, 7));
    EXPECT_EQ(ImageAreaSize(tables, 2), (Size{3, 3}));
    // The internal skin has no folder: "own.bmp" alone names no file.
    ASSERT_EQ(tables.Patterns.size(), 2u);
    EXPECT_EQ(tables.Patterns[0].PropertyName, "BACK");
    EXPECT_EQ(tables.Patterns[1].SectionName, "GLOBALINFO");
    EXPECT_EQ(tables.Patterns[1].Image->Width(), 4);

    tables.SkinData.SkinPath = folder.Path();
    tables.ImageAreas.clear();
    AppendCommonSectionImages(tables, SplitCommonSections(*Lines({"[P]", "Relative=own.bmp", "Gone=gone.bmp"})),
                              nullptr);
    ASSERT_EQ(tables.ImageAreas.size(), 1u);
    EXPECT_EQ(tables.ImageAreas[0].PropertyName, "RELATIVE");
}

TEST(CommonSectionImages, WholeAppendKeepsTheSkinFirst) {
    SkinTables tables;
    tables.Sections.emplace_back().SectionName = "EDIT";
    const auto lines = Lines({"[EDIT]", "COLOR=5", "[NEW]", "PARENTCLASS=EDIT"});
    AppendCommonSections(tables, *lines, nullptr);
    ASSERT_EQ(tables.Sections.size(), 3u);
    EXPECT_EQ(SectionIndexOf(tables, "EDIT"), 0);
    EXPECT_EQ(tables.Sections[2].Color, 0);  // the skin's EDIT is the parent
}

}  // namespace
}  // namespace quendar
