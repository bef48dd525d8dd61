// The built-in skin's sections: the telling rows, the values every named
// section shares, inheritance links and the unnamed last record.

#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "built_in_skin_fixture.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

constexpr TColor White = 0xFFFFFF;

struct TellingRow {
    const char* Section;
    TColor Color;
    int Transparency, GradientPercent, ImagePercent;
    TsFontColors FontColor;
    TColor HotColor;
    int HotTransparency, HotGradientPercent, HotImagePercent;
    TsFontColors HotFontColor;
};

constexpr TsFontColors Plain{0, -1, -1, -1, -1};
constexpr TsFontColors Text{5391682, -1, -1, -1, -1};

const TellingRow TellingRows[] = {
    {"GLOBALINFO", 14604248, 0, 0, 0, {5391682, 8484210, -1, -1, -1}, White, 0, 0, 0, Plain},
    {"FORM", 14675954, 0, 0, 100, Plain, 14675954, 0, 0, 100, Plain},
    {"FORMTITLE", White, 0, 100, 0, {15461355, -1, -1, 8079147, 8079147}, White, 0, 100, 0,
     {16777215, -1, -1, 5780255, 5780255}},
    {"EDIT", 16118514, 0, 0, 0, Plain, 16118514, 0, 0, 0, Plain},
    {"BUTTON", 15724527, 50, 100, 0, Text, 12233127, 50, 100, 0, Plain},
    {"PANEL", 14215660, 0, 0, 100, Text, White, 0, 0, 0, Plain},
    {"PANEL_LOW", 14605018, 0, 0, 0, Text, 14215660, 0, 0, 0, Plain},
    {"SPEEDBUTTON", 15791348, 100, 0, 0, Text, White, 50, 100, 0, Plain},
    {"COMBOBOX", 16118514, 0, 0, 0, Plain, 16118514, 0, 0, 0, Plain},
    {"GROUPBOX", 14215660, 100, 0, 0, Text, White, 0, 0, 0, Plain},
    {"HINT", 13697023, 11, 0, 0, Plain, White, 0, 0, 0, Plain},
    {"PROGRESSH", White, 11, 80, 20, {16777215, -1, -1, 16777215, 16777215}, White, 0, 100, 0,
     {16777215, -1, -1, -1, -1}},
    {"WEBBUTTON", White, 100, 0, 0, {7887963, -1, -1, -1, -1}, White, 100, 0, 0, {16711680, -1, -1, -1, -1}},
    {"MDIAREA", 7692893, 0, 0, 0, Plain, 7692893, 0, 0, 0, Plain},
};

const TsGeneralData& Section(const SkinTables& tables, const std::string& name) {
    const int index = SectionIndexOf(tables, name);
    if (index < 0) throw std::runtime_error("no section " + name);
    return tables.Sections[index];
}

TEST_F(BuiltInSkin, TellingSectionRowsHoldTheirValues) {
    for (const TellingRow& row : TellingRows) {
        SCOPED_TRACE(row.Section);
        const TsGeneralData& s = Section(Tables(), row.Section);
        EXPECT_EQ(s.Color, row.Color);
        EXPECT_EQ(s.Transparency, row.Transparency);
        EXPECT_EQ(s.GradientPercent, row.GradientPercent);
        EXPECT_EQ(s.ImagePercent, row.ImagePercent);
        EXPECT_EQ(s.FontColor, row.FontColor);
        EXPECT_EQ(s.HotColor, row.HotColor);
        EXPECT_EQ(s.HotTransparency, row.HotTransparency);
        EXPECT_EQ(s.HotGradientPercent, row.HotGradientPercent);
        EXPECT_EQ(s.HotImagePercent, row.HotImagePercent);
        EXPECT_EQ(s.HotFontColor, row.HotFontColor);
    }
}

TEST_F(BuiltInSkin, GradientTextsAreStoredAndParsed) {
    struct Case {
        const char* Section;
        const char* Gradient;
        const char* HotGradient;  // nullptr: not checked
        std::size_t Bands;
    };
    const Case cases[] = {
        {"BUTTON", "15132390;13027014;100;0;0;13027014;13027014;0;0;0",
         "14732489;11509661;100;0;0;11509661;11509661;0;0;0", 2},
        {"FORMTITLE",
         "14934497;9406856;33;0;0;9406856;8747639;4;0;0;8747639;11050135;64;0;0;11050135;11050135;0;0;0",
         "14998746;9404282;36;0;0;9404282;7692893;4;0;0;7692893;11112584;61;0;0;11112584;11112584;0;0;0", 4},
        {"PANEL_LOW", "11971498;14144981;100;0;0;14144981;14144981;0;0;0", nullptr, 2},
        {"EDIT", " ", nullptr, 0},
        {"FORM", " ", nullptr, 0},
        {"PANEL", " ", nullptr, 0},
        {"GLOBALINFO", " ", nullptr, 0},
        {"SPLITTER", "N/A", nullptr, 0},
        {"DIALOG", "N/A", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Section);
        const TsGeneralData& s = Section(Tables(), c.Section);
        EXPECT_EQ(s.GradientData, c.Gradient);
        EXPECT_EQ(s.GradientArray.size(), c.Bands);
        if (c.HotGradient != nullptr) {
            EXPECT_EQ(s.HotGradientData, c.HotGradient);
            EXPECT_EQ(s.HotGradientArray.size(), c.Bands);
        }
    }
    const TsGeneralData& title = Section(Tables(), "FORMTITLE");
    ASSERT_EQ(title.GradientArray.size(), 4u);
    EXPECT_EQ(title.GradientArray[2].Percent, 64);
}

TEST_F(BuiltInSkin, NamedSectionsShareTheCommonValues) {
    const std::set<std::string> fadingTwenty = {
        "SPLITTER", "TABCONTROLBOTTOM", "TABCONTROLLEFT", "TABCONTROLRIGHT", "PAGECONTROLBOTTOM", "PAGECONTROLRIGHT",
        "PAGECONTROLLEFT", "PAGECONTROL", "BARTITLE", "BUTTON", "BUTTON_BIG", "SPEEDBUTTON", "SPEEDBUTTON_SMALL",
        "TOOLBUTTON", "CHECKBOX", "RADIOBUTTON", "WEBBUTTON", "TRACKBAR", "BUTTON_HUGE"};
    for (int i = 0; i < 64; ++i) {
        const TsGeneralData& s = Tables().Sections[i];
        SCOPED_TRACE(s.SectionName);
        EXPECT_EQ(s.Bevel, TsControlBevel::cbNone);
        EXPECT_EQ(s.HotBevel, TsControlBevel::cbNone);
        EXPECT_FALSE(s.ShadowEnabled);
        EXPECT_EQ(s.ShadowBlur, 6);
        EXPECT_EQ(s.ShadowOffset, 3);
        EXPECT_EQ(s.ShadowTransparency, 60);
        EXPECT_EQ(s.ShadowColor, 0);
        EXPECT_EQ(s.BorderColor1, 0);
        EXPECT_EQ(s.BorderColor2, 0);
        EXPECT_EQ(s.FadingIntervalIn, 5);
        EXPECT_EQ(s.FadingIntervalOut, 5);
        EXPECT_FALSE(s.ReservedBoolean);
        const bool twenty = fadingTwenty.count(s.SectionName) != 0;
        EXPECT_EQ(s.FadingEnabled, twenty || s.SectionName == "ALPHACOMBOBOX");
        EXPECT_EQ(s.FadingIterations, twenty ? 20 : 5);
        EXPECT_EQ(s.ShowFocus, s.SectionName == "ALPHACOMBOBOX" || s.SectionName == "COMBOBOX");
    }
    for (int i = 0; i < 65; ++i) EXPECT_FALSE(Skin().GeneralData().Items(i)->ShadowDontUse) << i;
}

TEST_F(BuiltInSkin, ParentLinksAreOnlyTheListedOnes) {
    const std::map<std::string, std::string> parents = {
        {"SPLITTER", "SPEEDBUTTON_SMALL"},       {"TABCONTROLBOTTOM", "PAGECONTROLBOTTOM"},
        {"TABCONTROLLEFT", "PAGECONTROLLEFT"},   {"TABCONTROLRIGHT", "PAGECONTROLRIGHT"},
        {"PAGECONTROLBOTTOM", "PAGECONTROL"},    {"PAGECONTROLRIGHT", "PAGECONTROL"},
        {"PAGECONTROLLEFT", "PAGECONTROL"},      {"COMBOBOX", "EDIT"}};
    for (const TsGeneralData& s : Tables().Sections) {
        const auto found = parents.find(s.SectionName);
        EXPECT_EQ(s.ParentClass, found == parents.end() ? "" : found->second) << s.SectionName;
    }
}

TEST_F(BuiltInSkin, LastSectionIsUnnamedAndEmpty) {
    const TsSkinGeneral& last = *Skin().GeneralData().Items(64);
    EXPECT_EQ(last.SectionName, "");
    EXPECT_EQ(last.ParentClass, "");
    EXPECT_EQ(last.FontColor, "");
    EXPECT_EQ(last.GradientData, "");
    EXPECT_EQ(last.Color, 0);
    EXPECT_EQ(last.ShadowBlur, 0);
    EXPECT_EQ(last.FadingIterations, 0);
    EXPECT_EQ(last.HotColor, 0);
}

}  // namespace
}  // namespace quendar
