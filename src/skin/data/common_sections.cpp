#include "skin/data/common_sections.h"

#include <exception>

#include "framework/conversions.h"
#include "framework/text_utils.h"
#include "skin/data/image_area_rules.h"

namespace quendar {

namespace {

bool SameKey(std::string_view a, std::string_view b) { return UpperCase(a) == UpperCase(b); }

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Decimal or "0x" hexadecimal; -1 and anything else count as absent.
std::optional<int> IntegerValue(const CommonSection& section, std::string_view key) {
    std::optional<std::string> text = section.Value(key);
    int value = 0;
    if (!text || Contains(*text, "$") || !TryStrToInt(*text, value) || value == -1) return std::nullopt;
    return value;
}

std::optional<std::string> StringValue(const CommonSection& section, std::string_view key) {
    std::optional<std::string> text = section.Value(key);
    if (!text || *text == "?") return std::nullopt;
    return text;
}

std::optional<bool> BooleanValue(const CommonSection& section, std::string_view key) {
    std::optional<std::string> text = StringValue(section, key);
    if (!text) return std::nullopt;
    return UpperCase(*text) == "TRUE";
}

std::optional<TsControlBevel> BevelValue(const CommonSection& section, std::string_view key) {
    std::optional<int> number = IntegerValue(section, key);
    // A number outside the bevel kinds counts as absent rather than making
    // an enumeration value that does not exist.
    if (!number || *number < 0 || *number > static_cast<int>(TsControlBevel::cbLoweredHard)) return std::nullopt;
    return static_cast<TsControlBevel>(*number);
}

// The section's own value, else the parent's field, else the default.
template <class T>
void Take(TsGeneralData& record, const TsGeneralData* parent, T TsGeneralData::*field, std::optional<T> own,
          T defaultValue) {
    record.*field = own ? *own : parent != nullptr ? parent->*field : defaultValue;
}

void TakeFontColors(TsFontColors& colors, const TsFontColors* parent, const CommonSection& section,
                    const char* const (&keys)[5]) {
    for (std::size_t i = 0; i < colors.size(); ++i) {
        std::optional<int> own = IntegerValue(section, keys[i]);
        colors[i] = own ? *own : parent != nullptr ? (*parent)[i] : PlainFontColors[i];
    }
}

void ParseGradient(const std::string& text, TsGradArray& bands) {
    bands.clear();
    if (text == " ") return;
    try {
        ParseGradientData(text, bands);
    } catch (const std::exception&) {
        // A bad gradient paints none.
    }
}

const TsGeneralData* ParentRecord(const SkinTables& tables, const std::string& parentClass) {
    if (parentClass == "-1") return nullptr;
    for (const TsGeneralData& record : tables.Sections)
        if (UpperCase(record.SectionName) == parentClass) return &record;
    return nullptr;
}

TsGeneralData MakeRecord(const CommonSection& section, const TsGeneralData* parent) {
    using G = TsGeneralData;
    TsGeneralData record;
    record.SectionName = section.Name;
    std::optional<std::string> parentClass = StringValue(section, "PARENTCLASS");
    record.ParentClass = parentClass ? UpperCase(*parentClass) : "-1";

    Take<TColor>(record, parent, &G::Color, IntegerValue(section, "COLOR"), 0xFFFFFF);
    Take<TsControlBevel>(record, parent, &G::Bevel, BevelValue(section, "BEVEL"), TsControlBevel::cbNone);
    Take<int>(record, parent, &G::ShadowBlur, IntegerValue(section, "SHADOWBLUR"), 6);
    Take<int>(record, parent, &G::ShadowOffset, IntegerValue(section, "SHADOWOFFSET"), 3);
    Take<TColor>(record, parent, &G::ShadowColor, IntegerValue(section, "SHADOWCOLOR"), 0);
    Take<int>(record, parent, &G::ShadowTransparency, IntegerValue(section, "SHADOWTRANSPARENCY"), 50);
    Take<bool>(record, parent, &G::ShadowEnabled, BooleanValue(section, "SHADOWENABLED"), false);
    Take<bool>(record, parent, &G::ReservedBoolean, BooleanValue(section, "RESERVEDBOOLEAN"), false);
    static const char* const fontKeys[5] = {"FONTCOLOR", "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM"};
    static const char* const hotFontKeys[5] = {"HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT",
                                               "HOTTCBOTTOM"};
    TakeFontColors(record.FontColor, parent != nullptr ? &parent->FontColor : nullptr, section, fontKeys);
    TakeFontColors(record.HotFontColor, parent != nullptr ? &parent->HotFontColor : nullptr, section, hotFontKeys);
    Take<int>(record, parent, &G::Transparency, IntegerValue(section, "TRANSPARENCY"), 0);
    Take<int>(record, parent, &G::GradientPercent, IntegerValue(section, "GRADIENTPERCENT"), 0);
    Take<int>(record, parent, &G::ImagePercent, IntegerValue(section, "IMAGEPERCENT"), 0);
    Take<std::string>(record, parent, &G::GradientData, StringValue(section, "GRADIENTDATA"), " ");
    ParseGradient(record.GradientData, record.GradientArray);
    Take<bool>(record, parent, &G::ShowFocus, BooleanValue(section, "SHOWFOCUS"), false);
    Take<bool>(record, parent, &G::FadingEnabled, BooleanValue(section, "FADINGENABLED"), false);
    Take<int>(record, parent, &G::FadingIntervalIn, IntegerValue(section, "FADINGINTERVALIN"), 5);
    Take<int>(record, parent, &G::FadingIntervalOut, IntegerValue(section, "FADINGINTERVALOUT"), 5);
    Take<int>(record, parent, &G::FadingIterations, IntegerValue(section, "FADINGITERATIONS"), 5);
    Take<TColor>(record, parent, &G::HotColor, IntegerValue(section, "HOTCOLOR"), 0xFFFFFF);
    Take<int>(record, parent, &G::HotTransparency, IntegerValue(section, "HOTTRANSPARENCY"), 0);
    Take<TsControlBevel>(record, parent, &G::HotBevel, BevelValue(section, "HOTBEVEL"), TsControlBevel::cbNone);
    Take<int>(record, parent, &G::HotGradientPercent, IntegerValue(section, "HOTGRADIENTPERCENT"), 0);
    Take<std::string>(record, parent, &G::HotGradientData, StringValue(section, "HOTGRADIENTDATA"), "");
    ParseGradient(record.HotGradientData, record.HotGradientArray);
    Take<int>(record, parent, &G::HotImagePercent, IntegerValue(section, "HOTIMAGEPERCENT"), 0);
    Take<TColor>(record, parent, &G::BorderColor1, IntegerValue(section, "BORDERCOLOR1"), 0);
    Take<TColor>(record, parent, &G::BorderColor2, IntegerValue(section, "BORDERCOLOR2"), 0);
    return record;
}

void AppendOwnBitmapArea(SkinTables& tables, const std::string& path, std::string section, std::string property,
                         const TsSkinManager* manager) {
    std::shared_ptr<Bitmap> picture = LoadSkinBitmapFile(path);
    if (picture == nullptr) return;
    TsMaskData area;
    area.Rect = picture->Bounds();
    area.Image = std::move(picture);
    area.SectionName = std::move(section);
    area.PropertyName = std::move(property);
    area.ImageCount = 3;
    area.MaskType = 1;
    ApplyDefaultMargins(area);
    area.Manager = manager;
    tables.ImageAreas.push_back(std::move(area));
}

}  // namespace

std::optional<std::string> CommonSection::Value(std::string_view key) const {
    for (const auto& [name, value] : Entries)
        if (SameKey(name, key)) return value;
    return std::nullopt;
}

std::vector<CommonSection> SplitCommonSections(const TStrings& lines) {
    std::vector<CommonSection> sections;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Strings(i);
        if (line.starts_with(";")) continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (sections.empty() || equals == std::string::npos) continue;
        CommonSection& section = sections.back();
        std::string key = line.substr(0, equals);
        if (!section.Value(key)) section.Entries.emplace_back(std::move(key), line.substr(equals + 1));
    }
    return sections;
}

std::string WithoutBlanks(std::string_view line) {
    if (line.starts_with(";")) return std::string(line);
    std::string result;
    for (char c : line)
        if (c != ' ') result += c;
    return result;
}

void AppendCommonSectionRecords(SkinTables& tables, const std::vector<CommonSection>& sections) {
    for (const CommonSection& section : sections) {
        std::optional<std::string> parentClass = StringValue(section, "PARENTCLASS");
        const TsGeneralData* parent = parentClass ? ParentRecord(tables, UpperCase(*parentClass)) : nullptr;
        // Made before appending: the push may move the parent record.
        TsGeneralData record = MakeRecord(section, parent);
        tables.Sections.push_back(std::move(record));
    }
}

void AppendCommonSectionImages(SkinTables& tables, const std::vector<CommonSection>& sections,
                               const TsSkinManager* manager) {
    const std::string& folder = tables.SkinData.SkinPath;
    for (const CommonSection& section : sections) {
        const std::string sectionName = UpperCase(section.Name);
        const bool isGlobalInfo = sectionName == "GLOBALINFO";
        for (const auto& [key, value] : section.Entries) {
            const std::string property = UpperCase(key);
            const std::string upperValue = UpperCase(value);
            const bool hasRectangle = Contains(value, "#");
            if (!isGlobalInfo && Contains(upperValue, ".BMP") && (!hasRectangle || tables.MasterBitmap == nullptr)) {
                if (std::optional<std::string> path = SkinFilePath(folder, value))
                    AppendOwnBitmapArea(tables, *path, sectionName, property, manager);
            } else if (!isGlobalInfo && hasRectangle) {
                if (std::optional<TsMaskData> area = ParseMasterRectValue(value, IsPatternProperty(property))) {
                    area->SectionName = sectionName;
                    area->PropertyName = property;
                    area->Manager = manager;
                    tables.ImageAreas.push_back(std::move(*area));
                }
            }
            if (Contains(upperValue, ".JPG") || Contains(upperValue, ".JPEG")) {
                std::optional<std::string> path = SkinFilePath(folder, value);
                std::shared_ptr<TJPEGImage> image = path ? LoadSkinJpegFile(*path) : nullptr;
                if (image != nullptr) tables.Patterns.push_back({std::move(image), sectionName, property});
            }
        }
    }
}

void AppendCommonSections(SkinTables& tables, const TStrings& lines, const TsSkinManager* manager) {
    if (lines.Count() == 0) return;
    const std::vector<CommonSection> sections = SplitCommonSections(lines);
    AppendCommonSectionRecords(tables, sections);
    AppendCommonSectionImages(tables, sections, manager);
}

}  // namespace quendar
