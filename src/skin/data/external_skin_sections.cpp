#include "skin/data/external_skin_sections.h"

#include <set>
#include <stdexcept>
#include <string>

#include "framework/conversions.h"
#include "framework/exception.h"
#include "framework/graphics_color.h"
#include "framework/mem_ini_file.h"
#include "framework/string_list.h"
#include "framework/text_utils.h"

namespace quendar {
namespace {

constexpr std::string_view GlobalInfo = "GLOBALINFO";
constexpr std::string_view ParentKey = "PARENTCLASS";

// Reads one section's keys, following its PARENTCLASS chain for the keys
// it leaves unset.
class InheritingReader {
public:
    InheritingReader(const TMemIniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}

    int Integer(std::string_view key, int defaultValue) const {
        int value = -1;
        const bool found = Find([&](const std::string& section) {
            value = ini_.ReadInteger(section, key, -1);
            return value != -1;
        });
        return found ? value : defaultValue;
    }

    std::string Text(std::string_view key, const std::string& defaultValue) const {
        std::string value;
        if (!Find([&](const std::string& section) {
                value = ini_.ReadString(section, key, "?");
                return value != "?";
            })) {
            value = defaultValue;
        }
        return value;
    }

    bool Boolean(std::string_view key) const { return UpperCase(Text(key, "FALSE")) == "TRUE"; }

private:
    // Walks the section and its ancestors until `found` says the key is set.
    template <typename Probe>
    bool Find(Probe found) const {
        std::set<std::string> visited;
        std::string current = section_;
        while (true) {
            if (found(current)) return true;
            visited.insert(UpperCase(current));
            const std::string parent = ini_.ReadString(current, ParentKey, "");
            if (parent.empty() || parent == "?" || visited.contains(UpperCase(parent))) return false;
            current = parent;
        }
    }

    const TMemIniFile& ini_;
    std::string section_;
};

TsControlBevel BevelOf(int number) {
    // Numbers outside the enumeration draw no bevel rather than an undefined one.
    if (number < 0 || number > static_cast<int>(TsControlBevel::cbLoweredHard)) return TsControlBevel::cbNone;
    return static_cast<TsControlBevel>(number);
}

// A gradient that does not parse paints nothing; `skin check` names it.
void ParseGradientUnlessBlank(const std::string& text, TsGradArray& bands) {
    bands.clear();
    if (text == " ") return;
    try {
        ParseGradientData(text, bands);
    } catch (const EConvertError&) {
        bands.clear();
    }
}

int StrictInteger(const TMemIniFile& ini, std::string_view key, const char* defaultText, SkinProblemList* problems) {
    const std::string text = ini.ReadString(GlobalInfo, key, defaultText);
    if (problems == nullptr) return StrToInt(text);
    int value = 0;
    if (!TryStrToInt(text, value)) {
        ReportSkinProblem(problems, "[GLOBALINFO] " + std::string(key) + ": '" + text +
                                        "' is not a valid integer value (the skin does not load)");
    }
    return value;
}

TsGeneralData ReadSection(const TMemIniFile& ini, const std::string& name) {
    const InheritingReader read(ini, name);
    TsGeneralData record;
    record.SectionName = name;
    record.ParentClass = ini.ReadString(name, ParentKey, "");
    record.Color = ColorToRGB(read.Integer("COLOR", 0xFFFFFF));
    record.Bevel = BevelOf(read.Integer("BEVEL", 0));
    record.ShadowBlur = read.Integer("SHADOWBLUR", 6);
    record.ShadowOffset = read.Integer("SHADOWOFFSET", 3);
    record.ShadowColor = ini.ReadInteger(name, "SHADOWCOLOR", 0);
    record.ShadowTransparency = read.Integer("SHADOWTRANSPARENCY", 50);
    record.ShadowEnabled = read.Boolean("SHADOWENABLED");
    record.ReservedBoolean = read.Boolean("RESERVEDBOOLEAN");
    record.FontColor = {read.Integer("FONTCOLOR", 0), read.Integer("TCLEFT", -1), read.Integer("TCTOP", -1),
                        read.Integer("TCRIGHT", -1), read.Integer("TCBOTTOM", -1)};
    record.HotFontColor = {read.Integer("HOTFONTCOLOR", 0), read.Integer("HOTTCLEFT", -1),
                           read.Integer("HOTTCTOP", -1), read.Integer("HOTTCRIGHT", -1),
                           read.Integer("HOTTCBOTTOM", -1)};
    record.Transparency = read.Integer("TRANSPARENCY", 0);
    record.GradientPercent = read.Integer("GRADIENTPERCENT", 0);
    record.ImagePercent = read.Integer("IMAGEPERCENT", 0);
    record.GradientData = read.Text("GRADIENTDATA", " ");
    ParseGradientUnlessBlank(record.GradientData, record.GradientArray);
    record.ShowFocus = read.Boolean("SHOWFOCUS");
    record.FadingEnabled = read.Boolean("FADINGENABLED");
    record.FadingIntervalIn = read.Integer("FADINGINTERVALIN", 5);
    record.FadingIntervalOut = read.Integer("FADINGINTERVALOUT", 5);
    record.FadingIterations = read.Integer("FADINGITERATIONS", 5);
    record.HotColor = read.Integer("HOTCOLOR", 0xFFFFFF);
    record.HotTransparency = read.Integer("HOTTRANSPARENCY", 0);
    record.HotBevel = BevelOf(read.Integer("HOTBEVEL", 0));
    record.HotGradientPercent = read.Integer("HOTGRADIENTPERCENT", 0);
    record.HotGradientData = read.Text("HOTGRADIENTDATA", "");
    ParseGradientUnlessBlank(record.HotGradientData, record.HotGradientArray);
    record.HotImagePercent = read.Integer("HOTIMAGEPERCENT", 0);
    record.BorderColor1 = read.Integer("BORDERCOLOR1", 0);
    record.BorderColor2 = read.Integer("BORDERCOLOR2", 0);
    return record;
}

}  // namespace

const std::vector<std::string_view>& ExternalSectionIntegerKeys() {
    static const std::vector<std::string_view> keys = {
        "COLOR",           "BEVEL",           "SHADOWBLUR",         "SHADOWOFFSET",      "SHADOWCOLOR",
        "SHADOWTRANSPARENCY", "FONTCOLOR",    "TCLEFT",             "TCTOP",             "TCRIGHT",
        "TCBOTTOM",        "HOTFONTCOLOR",    "HOTTCLEFT",          "HOTTCTOP",          "HOTTCRIGHT",
        "HOTTCBOTTOM",     "TRANSPARENCY",    "GRADIENTPERCENT",    "IMAGEPERCENT",      "FADINGINTERVALIN",
        "FADINGINTERVALOUT", "FADINGITERATIONS", "HOTCOLOR",        "HOTTRANSPARENCY",   "HOTBEVEL",
        "HOTGRADIENTPERCENT", "HOTIMAGEPERCENT", "BORDERCOLOR1",    "BORDERCOLOR2"};
    return keys;
}

void FillSectionsFromIni(SkinTables& tables, const TMemIniFile& ini, SkinProblemList* problems) {
    // All conversions that can fail come first, so a failed load leaves the
    // tables as they were.
    TsSkinData values = tables.SkinData;
    values.Shadow1Color = StrictInteger(ini, "SHADOW1COLOR", "0", problems);
    values.Shadow1Offset = StrictInteger(ini, "SHADOW1OFFSET", "0", problems);
    values.Shadow1Blur = StrictInteger(ini, "SHADOW1BLUR", "-1", problems);
    values.Shadow1Transparency = StrictInteger(ini, "SHADOW1TRANSPARENCY", "0", problems);
    values.Version = ini.ReadFloat(GlobalInfo, "VERSION", 0);
    values.Author = ini.ReadString(GlobalInfo, "AUTHOR", "");
    values.Description = ini.ReadString(GlobalInfo, "DESCRIPTION", "");
    tables.SkinData = values;

    TStringList names;
    ini.ReadSections(names);
    tables.Sections.clear();
    tables.Sections.reserve(static_cast<std::size_t>(names.Count()));
    for (int i = 0; i < names.Count(); ++i) tables.Sections.push_back(ReadSection(ini, names.Strings(i)));
}

}  // namespace quendar
