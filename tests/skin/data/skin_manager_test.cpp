// The data half of the skin manager: applying SkinName, Active and
// CommonSections to its tables.

#include <gtest/gtest.h>

#include "framework/string_list.h"
#include "skin/data/skin_image_lookup.h"
#include "skin/data/skin_manager.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

void AddSkin(TsSkinManager& manager, const char* name, TColor globalColor) {
    TsStoredSkin& skin = *manager.InternalSkins().Add();
    skin.SetName(name);
    skin.Version = ExtendedFloat::FromDecimalText("4.81");
    TsSkinGeneral& form = *skin.GeneralData().Add();
    form.SectionName = "FORM";
    TsSkinGeneral& info = *skin.GeneralData().Add();
    info.SectionName = "GLOBALINFO";
    info.Color = globalColor;
    info.FontColor = "5391682 8484210 -1 -1 -1";
    TsSkinImage& frame = *skin.Images().Add();
    frame.SectionName = "form";
    frame.PropertyName = "BordersMask";
    frame.Right = 18;
    frame.Bottom = 12;
    skin.MasterBitmap().SetSize(20, 20);
}

TEST(SkinManagerData, SkinNameLoadsTheInternalSkin) {
    TsSkinManager manager(nullptr);
    AddSkin(manager, "One", 14604248);
    AddSkin(manager, "Two", 0x123456);
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    manager.SetSkinName("One");
    const SkinTables& tables = manager.Tables();
    ASSERT_EQ(tables.Sections.size(), 2u);
    EXPECT_EQ(tables.GlobalInfoIndex, 1);
    EXPECT_EQ(GlobalColor(tables), 0xDED7D8);
    EXPECT_EQ(GlobalFontColor(tables), 5391682);
    EXPECT_EQ(ImageAreaIndexOf(tables, 0, "FORM", "BORDERSMASK"), 0);
    EXPECT_EQ(tables.ImageAreas[0].Manager, &manager);
    EXPECT_EQ(manager.SkinInfo(), "4.81");

    manager.SetSkinName("two");  // no such skin: the loaded one stays
    EXPECT_EQ(GlobalColor(manager.Tables()), 0xDED7D8);
    manager.SetSkinName("Two");
    EXPECT_EQ(GlobalColor(manager.Tables()), 0x123456);
}

TEST(SkinManagerData, InactiveOrLoadingManagersDoNotLoad) {
    TsSkinManager manager(nullptr);
    AddSkin(manager, "One", 1);
    manager.SetActive(false);
    manager.SetSkinName("One");
    EXPECT_TRUE(manager.Tables().Sections.empty());
    manager.SetActive(true);
    EXPECT_EQ(manager.Tables().Sections.size(), 2u);
    manager.SetActive(false);
    EXPECT_TRUE(manager.Tables().Sections.empty());
    EXPECT_EQ(manager.SkinInfo(), "N/A");

    TsSkinManager reading(nullptr);
    reading.IncludeComponentState(TComponentState::csLoading);
    reading.SetSkinName("One");
    AddSkin(reading, "One", 1);
    EXPECT_TRUE(reading.Tables().Sections.empty());
    reading.SetSkinDirectory("");
    reading.Loaded();
    EXPECT_EQ(reading.Tables().Sections.size(), 2u);
    EXPECT_EQ(reading.SkinDirectory(), "c:\\Skins");
    EXPECT_EQ(reading.MenuSupport().IcoLineSkin, "ICOLINE");
}

TEST(SkinManagerData, CommonSectionsLoseBlanksAndReload) {
    TsSkinManager manager(nullptr);
    AddSkin(manager, "One", 1);
    manager.SetSkinName("One");
    TStringList lines;
    lines.Add("; a comment  stays");
    lines.Add("[ EXTRA ]");
    lines.Add("PARENT CLASS = ?");
    lines.Add("PARENTCLASS = form");
    lines.Add("COLOR = 0x0A0B0C");
    manager.SetCommonSections(lines);
    EXPECT_EQ(manager.CommonSections().Strings(0), "; a comment  stays");
    EXPECT_EQ(manager.CommonSections().Strings(1), "[EXTRA]");
    EXPECT_EQ(manager.CommonSections().Strings(2), "PARENTCLASS=?");
    const SkinTables& tables = manager.Tables();
    ASSERT_EQ(tables.Sections.size(), 3u);
    EXPECT_EQ(tables.Sections[2].SectionName, "EXTRA");
    EXPECT_EQ(tables.Sections[2].ParentClass, "-1");  // "?" comes first and counts as absent
    EXPECT_EQ(tables.Sections[2].Color, 0x0A0B0C);
}

}  // namespace
}  // namespace quendar
