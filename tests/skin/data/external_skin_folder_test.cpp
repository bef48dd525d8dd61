#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "skin/data/external_skin_loader.h"
#include "skin/data/skin_check.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

// The skins of the repository, drawn at build time into the folder that
// QUENDAR_SKINS_DIR names (the build passes it).
std::string SlateDuskFolder() { return std::string(QUENDAR_SKINS_DIR) + "/Slate Dusk"; }

const TsMaskData* FindArea(const SkinTables& tables, const std::string& section, const std::string& property) {
    for (const TsMaskData& area : tables.ImageAreas) {
        if (area.SectionName == section && area.PropertyName == property) return &area;
    }
    return nullptr;
}

TEST(SlateDuskSkin, PassesTheCheck) {
    const std::string folder = SlateDuskFolder();
    EXPECT_EQ(CheckExternalSkin(folder), std::vector<std::string>{});
}

TEST(SlateDuskSkin, LoadsEveryKindOfEntry) {
    const std::string folder = SlateDuskFolder();
    SkinTables tables;
    LoadExternalSkin(tables, folder);

    for (const char* name : {"GLOBALINFO", "FORM", "FORMTITLE", "DRAGBAR", "EDIT", "BUTTON", "PANEL", "WEBBUTTON"}) {
        EXPECT_GE(SectionIndexOf(tables, name), 0) << name;
    }
    EXPECT_EQ(GlobalColor(tables), 4864046);
    EXPECT_EQ(GlobalFontColor(tables), 15458006);
    ASSERT_NE(tables.MasterBitmap, nullptr);
    EXPECT_EQ(tables.MasterBitmap->Dimensions(), (Size{120, 72}));
    // The close glyph's normal state has a transparent corner and light ink at its centre.
    EXPECT_EQ(tables.MasterBitmap->PixelAt(0, 12), SkinTransparentColor);
    EXPECT_EQ(tables.MasterBitmap->PixelAt(6, 22), RGB(214, 222, 235));

    struct Expected {
        const char* Section;
        const char* Property;
        TacImgType Type;
        bool OwnImage;
    };
    for (const Expected& e : std::vector<Expected>{{"GLOBALINFO", "BICONCLOSE", TacImgType::itisaGlyph, false},
                                                   {"GLOBALINFO", "BICONMIN", TacImgType::itisaGlyph, false},
                                                   {"BUTTON", "BORDERSMASK", TacImgType::itisaBorder, false},
                                                   {"EDIT", "BORDERSMASK", TacImgType::itisaBorder, false},
                                                   {"PANEL", "PATTERN", TacImgType::itisaTexture, false},
                                                   {"FORM", "PATTERN", TacImgType::itisaTexture, true},
                                                   {"BUTTON_HUGE", "BORDERSMASK", TacImgType::itisaBorder, true},
                                                   {"SPEEDBUTTON", "BORDERSMASK", TacImgType::itisaBorder, true}}) {
        const TsMaskData* area = FindArea(tables, e.Section, e.Property);
        ASSERT_NE(area, nullptr) << e.Section << " " << e.Property;
        EXPECT_EQ(area->ImgType, e.Type) << e.Section << " " << e.Property;
        EXPECT_EQ(area->Image != nullptr, e.OwnImage) << e.Section << " " << e.Property;
    }
    // DRAGBAR takes its gradient and transparency from FORMTITLE.
    const TsGeneralData& dragBar = tables.Sections[SectionIndexOf(tables, "DRAGBAR")];
    EXPECT_EQ(dragBar.GradientData, "6834746;3679774;100;0;0");
    EXPECT_EQ(dragBar.GradientPercent, 100);
    EXPECT_EQ(dragBar.FontColor[3], 1971216);
    EXPECT_EQ(FindArea(tables, "EDIT", "BORDERSMASK")->WL, 1);
}

}  // namespace
}  // namespace quendar
