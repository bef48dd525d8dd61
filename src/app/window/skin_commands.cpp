#include "app/window/skin_commands.h"

#include <exception>
#include <vector>

#include "app/window/program_startup.h"
#include "app/window/quendar_form.h"
#include "framework/class_registry.h"
#include "platform/backend/headless/headless_backend.h"
#include "skin/data/external_skin_loader.h"
#include "skin/data/skin_check.h"
#include "skin/data/skin_manager.h"

namespace quendar {

namespace {

// The main window's skin, read from its definition without showing it.
std::string BuiltInSkinInfo() {
    InstallHeadlessBackend();
    InitializeQuendarProgram("quendar");
    ClassRegistry registry;
    RegisterQuendarWindowClasses(registry);
    TComponentPtr<TForm_Quendar> form(new TForm_Quendar(nullptr, registry));
    const TsSkinManager& manager = *form->sSkinManager1;
    return SkinInfoText(manager.Tables(), manager.SkinName());
}

std::string ExternalSkinInfo(const std::string& folder) {
    SkinTables tables;
    LoadExternalSkin(tables, folder);
    std::string name = folder;
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    const std::size_t slash = name.rfind('/');
    if (slash != std::string::npos) name = name.substr(slash + 1);
    return SkinInfoText(tables, name);
}

}  // namespace

int RunSkinInfo(const std::string& folder, std::FILE* out, std::FILE* err) {
    try {
        const std::string text = folder.empty() ? BuiltInSkinInfo() : ExternalSkinInfo(folder);
        std::fputs(text.c_str(), out);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(err, "quendar: %s\n", error.what());
        return 1;
    }
}

int RunSkinCheck(const std::string& folder, std::FILE* out, std::FILE* err) {
    try {
        const std::vector<std::string> problems = CheckExternalSkin(folder);
        for (const std::string& problem : problems) std::fprintf(out, "%s\n", problem.c_str());
        if (problems.empty()) std::fprintf(out, "%s: no problems found\n", folder.c_str());
        return problems.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(err, "quendar: %s\n", error.what());
        return 1;
    }
}

}  // namespace quendar
