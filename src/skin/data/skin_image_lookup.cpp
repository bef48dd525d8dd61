#include "skin/data/skin_image_lookup.h"

#include <algorithm>
#include <limits>
#include <string>

#include "skin/data/image_area_rules.h"
#include "skin/data/skin_section_lookup.h"

namespace quendar {

namespace {

// Follows the ParentClass chain from `sectionIndex` until `find` answers an
// index. Every step moves to another section of the table, so more steps
// than the table has sections means the chain has come round.
template <class Find>
int FindInherited(const SkinTables& tables, int sectionIndex, std::string_view sectionName, Find find) {
    std::string name(sectionName);
    int index = sectionIndex;
    for (std::size_t step = 0; step <= tables.Sections.size(); ++step) {
        if (index < 0 || name.empty()) return -1;
        if (int found = find(name); found >= 0) return found;
        if (!IsValidSectionIndex(tables, index)) return -1;
        const std::string& parent = tables.Sections[static_cast<std::size_t>(index)].ParentClass;
        if (parent.empty() || parent == name) return -1;
        index = SectionIndexOf(tables, parent);
        name = parent;
    }
    return -1;
}

template <class Table, class Accept>
int FindExact(const Table& table, std::string_view sectionName, std::string_view propertyName, Accept accept) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].SectionName == sectionName && table[i].PropertyName == propertyName && accept(table[i]))
            return static_cast<int>(i);
    return -1;
}

const TsMaskData* AreaAt(const SkinTables& tables, int index) {
    return IsValidImageAreaIndex(tables, index) ? &tables.ImageAreas[static_cast<std::size_t>(index)] : nullptr;
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int Across(const TsMaskData& area) { return std::max<int>(1, area.ImageCount); }
int Down(const TsMaskData& area) { return std::max<int>(0, area.MaskType) + 1; }

int Margin(const SkinTables& tables, int index, std::int16_t TsMaskData::*own, bool horizontal) {
    const TsMaskData* area = AreaAt(tables, index);
    if (area == nullptr) return -1;
    if (area->*own > 0) return area->*own;
    if (area->BorderWidth > 0) return area->BorderWidth;
    return ClampToInt(horizontal ? WideWidth(area->Rect) / (Across(*area) * 3)
                                 : WideHeight(area->Rect) / (Down(*area) * 3));
}

}  // namespace

int ImageAreaIndexOf(const SkinTables& tables, int sectionIndex, std::string_view sectionName,
                     std::string_view propertyName) {
    return FindInherited(tables, sectionIndex, sectionName, [&](const std::string& name) {
        return FindExact(tables.ImageAreas, name, propertyName, [](const TsMaskData&) { return true; });
    });
}

int TextureIndexOf(const SkinTables& tables, int sectionIndex, std::string_view sectionName,
                   std::string_view propertyName) {
    if (tables.ImageAreas.empty()) return -1;
    return FindInherited(tables, sectionIndex, sectionName, [&](const std::string& name) {
        return FindExact(tables.ImageAreas, name, propertyName,
                         [](const TsMaskData& area) { return area.ImgType == TacImgType::itisaTexture; });
    });
}

int PatternIndexOf(const SkinTables& tables, int sectionIndex, std::string_view sectionName,
                   std::string_view propertyName) {
    if (tables.Patterns.empty()) return -1;
    return FindInherited(tables, sectionIndex, sectionName, [&](const std::string& name) {
        return FindExact(tables.Patterns, name, propertyName, [](const TsPatternData&) { return true; });
    });
}

int ImageAreaIndexExact(const SkinTables& tables, std::string_view sectionName, std::string_view propertyName) {
    if (sectionName.empty()) return -1;
    return FindExact(tables.ImageAreas, sectionName, propertyName, [](const TsMaskData&) { return true; });
}

bool IsValidImageAreaIndex(const SkinTables& tables, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < tables.ImageAreas.size();
}

Size ImageAreaSize(const SkinTables& tables, int index) {
    const TsMaskData* area = AreaAt(tables, index);
    if (area == nullptr) return {-1, -1};
    if (area->Image != nullptr) return {area->Image->Width() / 3, area->Image->Height() / 2};
    return {ClampToInt(WideWidth(area->Rect) / Across(*area)), ClampToInt(WideHeight(area->Rect) / Down(*area))};
}

int MarginLeft(const SkinTables& tables, int index) { return Margin(tables, index, &TsMaskData::WL, true); }
int MarginTop(const SkinTables& tables, int index) { return Margin(tables, index, &TsMaskData::WT, false); }
int MarginRight(const SkinTables& tables, int index) { return Margin(tables, index, &TsMaskData::WR, true); }
int MarginBottom(const SkinTables& tables, int index) { return Margin(tables, index, &TsMaskData::WB, false); }

bool IsImageAreaInside(const SkinTables& tables, int index) {
    const TsMaskData* area = AreaAt(tables, index);
    if (area == nullptr) return false;
    const Bitmap* source = area->Image != nullptr ? area->Image.get() : tables.MasterBitmap.get();
    if (source == nullptr) return false;
    const Rect& r = area->Rect;
    return r.Left >= 0 && r.Top >= 0 && r.Left < r.Right && r.Top < r.Bottom && r.Right <= source->Width() &&
           r.Bottom <= source->Height();
}

}  // namespace quendar
