#pragma once
// Everything a loaded skin consists of: the skin-wide values, the section
// table, the image-area and pattern tables and the master bitmap. The skin
// manager owns one and rebuilds it on every skin load; painting reads it.
//
// Loading (from a stored skin, from an external skin folder, then the
// manager's CommonSections) and the lookups by name live in their own
// files; all of them work on this object.

#include <memory>

#include "platform/bitmap.h"
#include "skin/data/skin_image_data.h"
#include "skin/data/skin_section_data.h"

namespace quendar {

struct SkinTables {
    TsSkinData SkinData;
    TsGeneralDataArray Sections;
    TsMaskArray ImageAreas;
    TsPatternArray Patterns;
    // 24 bits per pixel; 0xFF00FF is transparent. Null when the skin has none.
    std::unique_ptr<Bitmap> MasterBitmap;
    // The index of "GLOBALINFO", cached after every load; -1 when missing.
    int GlobalInfoIndex = -1;

    // Empties everything, as when the skin is removed.
    void Clear() {
        SkinData = {};
        Sections.clear();
        ImageAreas.clear();
        Patterns.clear();
        MasterBitmap.reset();
        GlobalInfoIndex = -1;
    }
};

}  // namespace quendar
