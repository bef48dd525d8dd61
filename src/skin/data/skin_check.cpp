#include "skin/data/skin_check.h"

#include <filesystem>
#include <memory>
#include <set>
#include <stdexcept>
#include <system_error>

#include "framework/conversions.h"
#include "framework/mem_ini_file.h"
#include "framework/string_list.h"
#include "framework/text_utils.h"
#include "skin/data/external_skin_loader.h"
#include "skin/data/external_skin_sections.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {
namespace {

std::string Where(const std::string& section, std::string_view key) {
    return "[" + section + "] " + std::string(key) + ": ";
}

bool NamesNoParent(const std::string& parent) { return parent.empty() || parent == "?" || parent == "-1"; }

void CheckGlobalValues(const TMemIniFile& ini, std::vector<std::string>& problems) {
    if (!ini.SectionExists("GLOBALINFO")) {
        problems.push_back("[GLOBALINFO] missing: the skin has no global colours, glyphs or master bitmap");
        return;
    }
    if (ini.ValueExists("GLOBALINFO", "VERSION")) {
        const std::string version = ini.ReadString("GLOBALINFO", "VERSION", "");
        double number = 0;
        if (!TryStrToFloat(version, number)) {
            problems.push_back(Where("GLOBALINFO", "VERSION") + "'" + version + "' is not a number (\".\" separates decimals)");
        }
    }
}

void CheckParent(const TMemIniFile& ini, const std::string& section, std::vector<std::string>& problems) {
    const std::string parent = ini.ReadString(section, "PARENTCLASS", "");
    if (NamesNoParent(parent) || SameText(parent, section)) return;
    if (!ini.SectionExists(parent)) {
        problems.push_back(Where(section, "PARENTCLASS") + "section \"" + parent + "\" does not exist");
        return;
    }
    std::string chain = section;
    std::set<std::string> visited{UpperCase(section)};
    for (std::string current = parent; !NamesNoParent(current) && ini.SectionExists(current);
         current = ini.ReadString(current, "PARENTCLASS", "")) {
        chain += " -> " + current;
        if (SameText(current, section)) {
            problems.push_back(Where(section, "PARENTCLASS") + "the chain " + chain + " loops");
            return;
        }
        if (!visited.insert(UpperCase(current)).second) return;  // a loop further up, reported there
    }
}

void CheckSectionValues(const TMemIniFile& ini, const std::string& section, std::vector<std::string>& problems) {
    for (std::string_view key : ExternalSectionIntegerKeys()) {
        if (!ini.ValueExists(section, key)) continue;
        const std::string text = ini.ReadString(section, key, "");
        int number = 0;
        if (!TryStrToInt(text, number)) {
            problems.push_back(Where(section, key) + "'" + text + "' is not a number");
        } else if ((key == "BEVEL" || key == "HOTBEVEL") && number != -1 && (number < 0 || number > 4)) {
            problems.push_back(Where(section, key) + IntToStr(number) + " is no bevel (0 to 4)");
        }
    }
    for (std::string_view key : {std::string_view("GRADIENTDATA"), std::string_view("HOTGRADIENTDATA")}) {
        const std::string text = ini.ReadString(section, key, "?");
        if (text == "?" || text == " ") continue;
        try {
            TsGradArray bands;
            ParseGradientData(text, bands);
        } catch (const std::exception& error) {
            problems.push_back(Where(section, key) + error.what());
        }
    }
    CheckParent(ini, section, problems);
}

std::string RectangleText(const Rect& rect) {
    return IntToStr(rect.Left) + "," + IntToStr(rect.Top) + "," + IntToStr(rect.Right) + "," + IntToStr(rect.Bottom);
}

void CheckRectangles(const SkinTables& tables, std::vector<std::string>& problems) {
    for (const TsMaskData& area : tables.ImageAreas) {
        if (area.Image != nullptr) continue;
        const Rect& rect = area.Rect;
        const std::string where = Where(area.SectionName, area.PropertyName) + "rectangle " + RectangleText(rect);
        if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) {
            problems.push_back(where + " is empty or inverted");
        } else if (tables.MasterBitmap == nullptr) {
            problems.push_back(where + " needs a master bitmap, and the skin has none");
        } else if (rect.Left < 0 || rect.Top < 0 || rect.Right > tables.MasterBitmap->Width() ||
                   rect.Bottom > tables.MasterBitmap->Height()) {
            problems.push_back(where + " lies outside the master bitmap (" + IntToStr(tables.MasterBitmap->Width()) +
                               " x " + IntToStr(tables.MasterBitmap->Height()) + ")");
        }
    }
}

std::string ColorText(TColor color) {
    return IntToStr(color) + " (0x" + IntToHex(static_cast<std::uint32_t>(color), 6) + ")";
}

}  // namespace

std::vector<std::string> CheckExternalSkin(const std::string& folder) {
    std::vector<std::string> problems;
    const std::filesystem::path path = std::filesystem::path(folder) / ExternalSkinFileName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        problems.push_back(std::string(ExternalSkinFileName) + " not found in \"" + folder + "\"");
        return problems;
    }
    std::unique_ptr<TMemIniFile> ini;
    try {
        ini = std::make_unique<TMemIniFile>(path.string());
    } catch (const std::exception& failure) {
        problems.push_back(failure.what());
        return problems;
    }

    CheckGlobalValues(*ini, problems);
    TStringList sections;
    ini->ReadSections(sections);
    for (int i = 0; i < sections.Count(); ++i) CheckSectionValues(*ini, sections.Strings(i), problems);

    SkinTables tables;
    try {
        LoadExternalSkin(tables, folder, nullptr, &problems);
    } catch (const std::exception& failure) {
        problems.push_back(failure.what());
        return problems;
    }
    CheckRectangles(tables, problems);
    return problems;
}

std::string SkinInfoText(const SkinTables& tables, const std::string& name) {
    int frames = 0;
    int textures = 0;
    int glyphs = 0;
    for (const TsMaskData& area : tables.ImageAreas) {
        switch (area.ImgType) {
            case TacImgType::itisaBorder: ++frames; break;
            case TacImgType::itisaTexture: ++textures; break;
            case TacImgType::itisaGlyph: ++glyphs; break;
        }
    }
    const Bitmap* master = tables.MasterBitmap.get();
    std::string text;
    text += "Name: " + name + "\n";
    text += "Version: " + FloatToStr(tables.SkinData.Version) + "\n";
    text += "Author: " + tables.SkinData.Author + "\n";
    text += "Description: " + tables.SkinData.Description + "\n";
    text += "Sections: " + IntToStr(static_cast<std::int64_t>(tables.Sections.size())) + "\n";
    text += "Image areas: " + IntToStr(static_cast<std::int64_t>(tables.ImageAreas.size())) + " (" +
            IntToStr(frames) + " frames, " + IntToStr(textures) + " textures, " + IntToStr(glyphs) + " glyphs)\n";
    text += "Patterns: " + IntToStr(static_cast<std::int64_t>(tables.Patterns.size())) + "\n";
    text += "Master bitmap: " +
            (master != nullptr ? IntToStr(master->Width()) + " x " + IntToStr(master->Height()) : std::string("none")) +
            "\n";
    text += "Global colour: " + ColorText(GlobalColor(tables)) + "\n";
    text += "Global font colour: " + ColorText(GlobalFontColor(tables)) + "\n";
    return text;
}

}  // namespace quendar
