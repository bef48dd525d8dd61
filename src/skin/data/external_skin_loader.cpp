#include "skin/data/external_skin_loader.h"

#include <filesystem>
#include <system_error>

#include "framework/exception.h"
#include "framework/mem_ini_file.h"
#include "skin/data/external_skin_images.h"
#include "skin/data/external_skin_sections.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {

void LoadExternalSkin(SkinTables& tables, const std::string& folder, const TsSkinManager* manager,
                      SkinProblemList* problems) {
    const std::filesystem::path path = std::filesystem::path(folder) / ExternalSkinFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw Exception("No skin in \"" + folder + "\": " + ExternalSkinFileName + " not found");
    }
    const TMemIniFile ini(path.string());

    FillSectionsFromIni(tables, ini, problems);
    FillImagesFromIni(tables, ini, folder, manager, problems);
    UpdateGlobalInfoIndex(tables);
    tables.SkinData.SkinPath = folder.ends_with('/') ? folder : folder + "/";
}

}  // namespace quendar
