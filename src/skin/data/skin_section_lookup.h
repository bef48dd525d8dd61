#pragma once
// Lookups in the section table of a loaded skin. None raises an error.

#include <string_view>

#include "framework/graphics_color.h"
#include "skin/data/skin_tables.h"

namespace quendar {

// Index of the first section whose name equals `sectionName` exactly
// (case-sensitive); -1 when none.
int SectionIndexOf(const SkinTables& tables, std::string_view sectionName);
bool IsValidSectionIndex(const SkinTables& tables, int index);

// The colours of "GLOBALINFO" as RGB (system colours resolved), found
// through tables.GlobalInfoIndex. Without it: the button-face colour, 0xFF00FF
// and the window colour.
TColor GlobalColor(const SkinTables& tables);
TColor GlobalFontColor(const SkinTables& tables);
TColor ActiveEditColor(const SkinTables& tables);

// Caches the index of "GLOBALINFO" after the section table was rebuilt.
void UpdateGlobalInfoIndex(SkinTables& tables);

}  // namespace quendar
