// The built-in skin: the stored collection, the manager's properties beside
// it, the stored bitmaps and the section table it loads.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "built_in_skin_fixture.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

using Bytes = std::vector<std::uint8_t>;

const DefinitionValue& PropertyOf(const std::vector<DefinitionProperty>& properties, const std::string& name) {
    for (const DefinitionProperty& p : properties)
        if (p.Name == name) return p.Value;
    throw std::runtime_error("no property " + name);
}

std::uint32_t LittleEndian32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST_F(BuiltInSkin, CollectionHoldsOneCompleteSkin) {
    ASSERT_EQ(manager_->InternalSkins().Count(), 1);
    EXPECT_EQ(manager_->InternalSkins().IndexOf("BlueGauze (internal)"), 0);
    EXPECT_EQ(manager_->InternalSkins().IndexOf("bluegauze (internal)"), -1);
    const TsStoredSkin& skin = Skin();
    EXPECT_EQ(skin.GeneralData().Count(), 65);
    EXPECT_EQ(skin.Images().Count(), 118);
    EXPECT_EQ(skin.Patterns().Count(), 0);
    EXPECT_EQ(skin.MasterBitmap().Width(), 156);
    EXPECT_EQ(skin.MasterBitmap().Height(), 292);
    EXPECT_EQ(skin.Shadow1Color, 13156534);
    EXPECT_EQ(skin.Shadow1Offset, 2);
    EXPECT_EQ(skin.Shadow1Blur, 2);
    EXPECT_EQ(skin.Shadow1Transparency, 50);
    const ExtendedFloat::Bytes version = {0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40};
    EXPECT_EQ(skin.Version.RawBytes(), version);
    EXPECT_FALSE(skin.Author.empty());
    EXPECT_EQ(skin.Description.size(), 64u);
    EXPECT_EQ(skin.Description.find_first_of("\r\n"), std::string::npos);
}

TEST_F(BuiltInSkin, ManagerPropertiesAreStoredBesideTheCollection) {
    EXPECT_EQ(manager_->MenuSupport().IcoLineSkin, "ICOLINE");
    EXPECT_EQ(manager_->MenuSupport().ExtraLineFont().Height(), -11);
    EXPECT_EQ(manager_->MenuSupport().ExtraLineFont().Name(), "Tahoma");
    EXPECT_EQ(manager_->SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(manager_->SkinName(), "BlueGauze (internal)");
    EXPECT_EQ(manager_->SkinInfo(), "4.81");
    EXPECT_EQ(manager_->Left, 195);
    EXPECT_EQ(manager_->Top, 21);
    std::vector<std::string> order;
    for (const DefinitionProperty& p : tree_->Properties) order.push_back(p.Name);
    const std::vector<std::string> expected = {"InternalSkins",
                                               "MenuSupport.IcoLineSkin",
                                               "MenuSupport.ExtraLineFont.Charset",
                                               "MenuSupport.ExtraLineFont.Color",
                                               "MenuSupport.ExtraLineFont.Height",
                                               "MenuSupport.ExtraLineFont.Name",
                                               "MenuSupport.ExtraLineFont.Style",
                                               "SkinDirectory",
                                               "SkinName",
                                               "SkinInfo",
                                               "Left",
                                               "Top"};
    EXPECT_EQ(order, expected);
}

// The stored bitmap form: a byte count, then an 8-bit BMP with a full palette.
TEST_F(BuiltInSkin, BitmapsAreStoredAsPaletteFilesOfTheExpectedSize) {
    const DefinitionItem& skin = PropertyOf(tree_->Properties, "InternalSkins").Items.at(0);
    const DefinitionItem* huge = nullptr;
    for (const DefinitionItem& item : PropertyOf(skin.Properties, "Images").Items)
        if (PropertyOf(item.Properties, "SectionName").Text == "BUTTON_HUGE") huge = &item;
    ASSERT_NE(huge, nullptr);
    EXPECT_EQ(PropertyOf(huge->Properties, "Name").Text, "BUTTONHUGE.BMP");
    struct Case {
        const Bytes* Data;
        std::uint32_t FileBytes;
        int Width;
        int Height;
    };
    const Case cases[] = {
        {&PropertyOf(skin.Properties, "MasterBitmap.Data").Binary, 46630, 156, 292},
        {&PropertyOf(huge->Properties, "Image.Data").Binary, 56374, 288, 192},
    };
    for (const Case& c : cases) {
        const Bytes& data = *c.Data;
        ASSERT_EQ(data.size(), c.FileBytes + 4u);
        EXPECT_EQ(LittleEndian32(data, 0), c.FileBytes);
        EXPECT_EQ(data[4], 'B');
        EXPECT_EQ(data[5], 'M');
        EXPECT_EQ(LittleEndian32(data, 4 + 10), 1078u);                     // pixel data
        EXPECT_EQ(static_cast<int>(LittleEndian32(data, 4 + 18)), c.Width);
        EXPECT_EQ(static_cast<int>(LittleEndian32(data, 4 + 22)), c.Height);
        EXPECT_EQ(data[4 + 28], 8);                                          // bits per pixel
        EXPECT_EQ(LittleEndian32(data, 4 + 30), 0u);                         // uncompressed
    }
}

TEST_F(BuiltInSkin, SectionTableFollowsTheStoredOrder) {
    const std::vector<std::string> names = {
        "GLOBALINFO", "SPLITTER", "MENULINE", "MAINMENU", "DIVIDER", "DIALOG", "EDIT", "TABCONTROLBOTTOM",
        "TABCONTROL", "TABCONTROLLEFT", "TABCONTROLRIGHT", "PAGECONTROLBOTTOM", "PAGECONTROLRIGHT", "PANEL",
        "ALPHACOMBOBOX", "COMBOBOX", "GROUPBOX", "PAGECONTROLLEFT", "GAUGE", "ALPHAEDIT", "PANEL_LOW", "TOOLBAR",
        "FORMTITLE", "SCROLLSLIDERH", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLBAR1V", "STATUSBAR",
        "SCROLLSLIDERV", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "PROGRESSH", "PROGRESSV", "MENUITEM", "DRAGBAR",
        "BARPANEL", "FORM", "SCROLLBAR1H", "SCROLLBAR2H", "SCROLLBAR2V", "BAR", "BARTITLE", "BUTTON", "BUTTON_BIG",
        "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON", "CHECKBOX", "RADIOBUTTON", "WEBBUTTON", "TRACKBAR",
        "PAGECONTROL", "ICOLINE", "EXTRALINE", "GRIPV", "GRIPH", "TABBOTTOM", "TABLEFT", "TABRIGHT", "TABTOP",
        "HINT", "MDIAREA", "BUTTON_HUGE", "COLHEADER", ""};
    ASSERT_EQ(Tables().Sections.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(Tables().Sections[i].SectionName, names[i]) << i;
    EXPECT_EQ(SectionIndexOf(Tables(), "EDIT"), 6);
    EXPECT_EQ(SectionIndexOf(Tables(), "edit"), -1);
    EXPECT_EQ(GlobalColor(Tables()), 14604248u);
    EXPECT_EQ(GlobalFontColor(Tables()), 5391682u);
    EXPECT_EQ(ActiveEditColor(Tables()), 0xFFFFFFu);
}

}  // namespace
}  // namespace quendar
