#include "skin/data/skin_section_lookup.h"

namespace quendar {

namespace {

const TsGeneralData* GlobalInfo(const SkinTables& tables) {
    return IsValidSectionIndex(tables, tables.GlobalInfoIndex)
               ? &tables.Sections[static_cast<std::size_t>(tables.GlobalInfoIndex)]
               : nullptr;
}

}  // namespace

int SectionIndexOf(const SkinTables& tables, std::string_view sectionName) {
    for (std::size_t i = 0; i < tables.Sections.size(); ++i)
        if (tables.Sections[i].SectionName == sectionName) return static_cast<int>(i);
    return -1;
}

bool IsValidSectionIndex(const SkinTables& tables, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < tables.Sections.size();
}

TColor GlobalColor(const SkinTables& tables) {
    const TsGeneralData* info = GlobalInfo(tables);
    return ColorToRGB(info != nullptr ? info->Color : clBtnFace);
}

TColor GlobalFontColor(const SkinTables& tables) {
    const TsGeneralData* info = GlobalInfo(tables);
    return info != nullptr ? ColorToRGB(info->FontColor[0]) : TColor{0xFF00FF};
}

TColor ActiveEditColor(const SkinTables& tables) {
    const TsGeneralData* info = GlobalInfo(tables);
    return ColorToRGB(info != nullptr ? info->HotColor : clWindow);
}

void UpdateGlobalInfoIndex(SkinTables& tables) { tables.GlobalInfoIndex = SectionIndexOf(tables, "GLOBALINFO"); }

}  // namespace quendar
