#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "external_skin_test_folder.h"
#include "framework/exception.h"
#include "framework/graphics_color.h"
#include "platform/system_colors.h"
#include "skin/data/external_skin_loader.h"

namespace quendar {
namespace {

const char* const SectionSkin = R"(; sections with inheritance
[GLOBALINFO]
VERSION=4.5
AUTHOR=Test Author
DESCRIPTION=A skin for tests
SHADOW1COLOR=123
SHADOW1OFFSET=2
SHADOW1TRANSPARENCY=40
COLOR=0xFF00000F
FONTCOLOR=5391682
[GRANDPARENT]
TRANSPARENCY=30
BEVEL=2
SHADOWCOLOR=99
SHOWFOCUS=True
GRADIENTDATA=1;2;100;0;0
BORDERCOLOR2=77
[PARENT]
PARENTCLASS=GRANDPARENT
TRANSPARENCY=-1
FADINGENABLED=?
[Child]
PARENTCLASS=parent
TRANSPARENCY=-1
COLOR=255
HOTCOLOR=0xFF000005
FADINGENABLED=yes
[SELF]
PARENTCLASS=SELF
TRANSPARENCY=-1
[LOOPA]
PARENTCLASS=LOOPB
[LOOPB]
PARENTCLASS=LOOPA
[BADNUMBERS]
TRANSPARENCY=abc
BEVEL=9
HOTBEVEL=4
GRADIENTDATA=x;y;z;1;2
HOTGRADIENTDATA=N/A
[TRUNCATED
COLOR
)";

class ExternalSkinSectionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.WriteOptions(SectionSkin);
        LoadExternalSkin(tables_, folder_.Path());
    }
    const TsGeneralData& Section(const std::string& name) const {
        for (const TsGeneralData& section : tables_.Sections) {
            if (section.SectionName == name) return section;
        }
        throw std::runtime_error("no section " + name);
    }

    ExternalSkinTestFolder folder_;
    SkinTables tables_;
};

TEST_F(ExternalSkinSectionsTest, EveryIniSectionIsOneRecordInFileOrder) {
    const std::vector<std::string> expected = {"GLOBALINFO", "GRANDPARENT", "PARENT", "Child", "SELF",
                                               "LOOPA",      "LOOPB",       "BADNUMBERS", "TRUNCATED"};
    ASSERT_EQ(tables_.Sections.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(tables_.Sections[i].SectionName, expected[i]);
    EXPECT_EQ(tables_.GlobalInfoIndex, 0);
    EXPECT_EQ(tables_.SkinData.SkinPath, folder_.Path() + "/");
}

TEST_F(ExternalSkinSectionsTest, SkinWideValuesComeFromGlobalInfo) {
    EXPECT_DOUBLE_EQ(tables_.SkinData.Version, 4.5);
    EXPECT_EQ(tables_.SkinData.Author, "Test Author");
    EXPECT_EQ(tables_.SkinData.Description, "A skin for tests");
    EXPECT_EQ(tables_.SkinData.Shadow1Color, 123);
    EXPECT_EQ(tables_.SkinData.Shadow1Offset, 2);
    EXPECT_EQ(tables_.SkinData.Shadow1Blur, -1);  // absent: its own default
    EXPECT_EQ(tables_.SkinData.Shadow1Transparency, 40);
}

struct FieldCase {
    const char* Section;
    const char* What;
    std::function<long long(const TsGeneralData&)> Field;
    long long Expected;
};

TEST_F(ExternalSkinSectionsTest, FieldsFollowInheritanceAndDefaults) {
    const auto sysBtnFace = static_cast<long long>(GetSysColor(COLOR_BTNFACE));
    const std::vector<FieldCase> cases = {
        // Two levels up, passing over -1 in the child and in the parent.
        {"Child", "Transparency", [](auto& s) { return s.Transparency; }, 30},
        {"PARENT", "Transparency", [](auto& s) { return s.Transparency; }, 30},
        {"Child", "Bevel", [](auto& s) { return static_cast<long long>(s.Bevel); }, 2},
        {"Child", "ShowFocus", [](auto& s) { return s.ShowFocus; }, 1},
        {"Child", "BorderColor2", [](auto& s) { return s.BorderColor2; }, 77},
        {"Child", "GradientArray size", [](auto& s) { return static_cast<long long>(s.GradientArray.size()); }, 1},
        // SHADOWCOLOR is never inherited.
        {"Child", "ShadowColor", [](auto& s) { return s.ShadowColor; }, 0},
        {"GRANDPARENT", "ShadowColor", [](auto& s) { return s.ShadowColor; }, 99},
        // Booleans are true only for "TRUE" in any case; "?" inherits.
        {"Child", "FadingEnabled", [](auto& s) { return s.FadingEnabled; }, 0},
        {"PARENT", "FadingEnabled", [](auto& s) { return s.FadingEnabled; }, 0},
        // COLOR is resolved to RGB, HOTCOLOR is kept as written.
        {"Child", "Color", [](auto& s) { return s.Color; }, 255},
        {"GLOBALINFO", "Color", [](auto& s) { return s.Color; }, sysBtnFace},
        {"Child", "HotColor", [](auto& s) { return static_cast<std::uint32_t>(s.HotColor); }, 0xFF000005LL},
        {"PARENT", "Color", [](auto& s) { return s.Color; }, 0xFFFFFF},
        // A section naming itself, and a loop of two, end at the defaults.
        {"SELF", "Transparency", [](auto& s) { return s.Transparency; }, 0},
        {"LOOPA", "ShadowBlur", [](auto& s) { return s.ShadowBlur; }, 6},
        {"LOOPB", "FadingIterations", [](auto& s) { return s.FadingIterations; }, 5},
        // Defaults.
        {"SELF", "ShadowOffset", [](auto& s) { return s.ShadowOffset; }, 3},
        {"SELF", "ShadowTransparency", [](auto& s) { return s.ShadowTransparency; }, 50},
        {"SELF", "FadingIntervalIn", [](auto& s) { return s.FadingIntervalIn; }, 5},
        {"SELF", "FadingIntervalOut", [](auto& s) { return s.FadingIntervalOut; }, 5},
        {"SELF", "HotColor", [](auto& s) { return s.HotColor; }, 0xFFFFFF},
        {"SELF", "FontColor[0]", [](auto& s) { return s.FontColor[0]; }, 0},
        {"SELF", "FontColor[4]", [](auto& s) { return s.FontColor[4]; }, -1},
        {"SELF", "HotFontColor[1]", [](auto& s) { return s.HotFontColor[1]; }, -1},
        {"GLOBALINFO", "FontColor[0]", [](auto& s) { return s.FontColor[0]; }, 5391682},
        // Values that are not numbers fall back; bevels beyond 4 draw none.
        {"BADNUMBERS", "Transparency", [](auto& s) { return s.Transparency; }, 0},
        {"BADNUMBERS", "Bevel", [](auto& s) { return static_cast<long long>(s.Bevel); }, 0},
        {"BADNUMBERS", "HotBevel", [](auto& s) { return static_cast<long long>(s.HotBevel); }, 4},
        {"BADNUMBERS", "GradientArray size", [](auto& s) { return static_cast<long long>(s.GradientArray.size()); }, 0},
        {"TRUNCATED", "Color", [](auto& s) { return s.Color; }, 0xFFFFFF},
    };
    for (const FieldCase& c : cases) {
        EXPECT_EQ(c.Field(Section(c.Section)), c.Expected) << c.Section << " " << c.What;
    }
}

TEST_F(ExternalSkinSectionsTest, TextFieldsKeepTheirMarkers) {
    EXPECT_EQ(Section("Child").ParentClass, "parent");
    EXPECT_EQ(Section("SELF").GradientData, " ");
    EXPECT_TRUE(Section("SELF").GradientArray.empty());
    EXPECT_EQ(Section("SELF").HotGradientData, "");
    EXPECT_EQ(Section("Child").GradientData, "1;2;100;0;0");
    EXPECT_EQ(Section("BADNUMBERS").GradientData, "x;y;z;1;2");
    EXPECT_EQ(Section("BADNUMBERS").HotGradientData, "N/A");
    EXPECT_EQ(Section("GLOBALINFO").ParentClass, "");
}

TEST(ExternalSkinShadowValues, ANonIntegerFailsTheLoadAndKeepsTheTables) {
    for (const char* key : {"SHADOW1COLOR", "SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY"}) {
        ExternalSkinTestFolder folder;
        folder.WriteOptions(std::string("[GLOBALINFO]\n") + key + "=2px\n[FORM]\nCOLOR=1\n");
        SkinTables tables;
        tables.Sections.emplace_back().SectionName = "KEPT";
        try {
            LoadExternalSkin(tables, folder.Path());
            ADD_FAILURE() << key << " loaded";
        } catch (const EConvertError& error) {
            EXPECT_STREQ(error.what(), "'2px' is not a valid integer value") << key;
        }
        ASSERT_EQ(tables.Sections.size(), 1u) << key;
        EXPECT_EQ(tables.Sections[0].SectionName, "KEPT") << key;
    }
}

TEST(ExternalSkinLoad, AMissingOptionsFileIsRefusedWithItsFolder) {
    ExternalSkinTestFolder folder;
    SkinTables tables;
    try {
        LoadExternalSkin(tables, folder.Path());
        ADD_FAILURE() << "loaded";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "No skin in \"" + folder.Path() + "\": Options.dat not found");
    }
}

}  // namespace
}  // namespace quendar
