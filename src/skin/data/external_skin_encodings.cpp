#include "skin/data/external_skin_encodings.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "framework/conversions.h"
#include "framework/text_utils.h"
#include "skin/data/image_area_rules.h"

namespace quendar {
namespace {


// Reads one number; an empty field is absent (nullopt) without complaint,
// anything else that is not an integer is absent and listed.
std::optional<int> Number(std::string_view text, std::string_view what, std::vector<std::string>& problems) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return std::nullopt;
    int value = 0;
    if (TryStrToInt(trimmed, value)) return value;
    problems.push_back(std::string(what) + " '" + trimmed + "' is not a number");
    return std::nullopt;
}

// Characters first..last of the value, counted from 1; shorter when the
// value ends early.
std::string_view Characters(std::string_view value, std::size_t first, std::size_t last) {
    if (value.size() < first) return {};
    return value.substr(first - 1, last - first + 1);
}

std::optional<int> Positions(std::string_view value, std::size_t first, std::size_t last,
                             std::vector<std::string>& problems) {
    const std::string what = first == last ? "character " + IntToStr(static_cast<std::int64_t>(first))
                                           : "characters " + IntToStr(static_cast<std::int64_t>(first)) + "-" +
                                                 IntToStr(static_cast<std::int64_t>(last));
    return Number(Characters(value, first, last), what, problems);
}

void SetCountAndMask(TsMaskData& area, std::optional<int> count, std::optional<int> mask) {
    area.ImageCount = std::max<std::int16_t>(ToInt16(count.value_or(1)), 1);
    area.MaskType = std::max<std::int16_t>(ToInt16(mask.value_or(0)), 0);
}

// The rectangle of the three fixed-position forms; false when it is
// incomplete, which makes the value no image area.
bool ReadFixedRectangle(std::string_view value, SkinImageValue& result) {
    if (value.size() < 20) {
        result.Problems.push_back("too short for a rectangle (" + IntToStr(static_cast<std::int64_t>(value.size())) +
                                  " characters, at least 20 needed)");
        return false;
    }
    const auto left = Positions(value, 2, 5, result.Problems);
    const auto top = Positions(value, 7, 10, result.Problems);
    const auto right = Positions(value, 12, 15, result.Problems);
    const auto bottom = Positions(value, 17, 20, result.Problems);
    if (!left || !top || !right || !bottom) return false;
    result.Area.Rect = {*left, *top, *right, *bottom};
    return true;
}

void ParseGlyph(std::string_view value, SkinImageValue& result) {
    if (!ReadFixedRectangle(value, result)) return;
    result.Kind = SkinValueKind::MasterArea;
    result.Area.ImgType = TacImgType::itisaGlyph;
    SetCountAndMask(result.Area, Positions(value, 22, 22, result.Problems), Positions(value, 24, 24, result.Problems));
}

void ParseFrame(std::string_view value, SkinImageValue& result) {
    if (!ReadFixedRectangle(value, result)) return;
    result.Kind = SkinValueKind::MasterArea;
    TsMaskData& area = result.Area;
    area.ImgType = TacImgType::itisaBorder;
    area.WL = ToInt16(Positions(value, 22, 25, result.Problems).value_or(0));
    area.WT = ToInt16(Positions(value, 27, 30, result.Problems).value_or(0));
    area.WR = ToInt16(Positions(value, 32, 35, result.Problems).value_or(0));
    area.WB = ToInt16(Positions(value, 37, 40, result.Problems).value_or(0));
    SetCountAndMask(area, Positions(value, 42, 42, result.Problems), Positions(value, 44, 44, result.Problems));
    area.StretchMode = ToInt16(Positions(value, 46, 46, result.Problems).value_or(0));
    area.BorderWidth = std::max<std::int16_t>(ToInt16(Positions(value, 48, 48, result.Problems).value_or(0)), 0);
    ApplyDefaultMargins(area);
}

void ParseTexture(std::string_view value, SkinImageValue& result) {
    if (!ReadFixedRectangle(value, result)) return;
    result.Kind = SkinValueKind::MasterArea;
    TsMaskData& area = result.Area;
    area.ImgType = TacImgType::itisaTexture;
    area.ImageCount = 1;
    area.StretchMode = ToInt16(Positions(value, 22, 23, result.Problems).value_or(0));
    area.MaskType = std::max<std::int16_t>(ToInt16(Positions(value, 25, 25, result.Problems).value_or(0)), 0);
}

void ParseOlderOwnBitmap(std::string_view value, SkinImageValue& result) {
    const std::vector<std::string_view> words = SplitWords(value, "!");
    if (words.empty() || words[0].find(".BMP") == std::string::npos) {
        result.Problems.push_back("the first word does not name a \".BMP\" file");
        return;
    }
    result.Kind = SkinValueKind::OwnBitmap;
    result.FileName = words[0];
    const auto word = [&](std::size_t index, std::string_view what) {
        return index < words.size() ? Number(words[index], what, result.Problems) : std::nullopt;
    };
    TsMaskData& area = result.Area;
    SetCountAndMask(area, word(1, "image count"), word(2, "mask type"));
    const int type = word(3, "image type").value_or(0);
    if (type < 0 || type > static_cast<int>(TacImgType::itisaGlyph)) {
        result.Problems.push_back("image type " + IntToStr(type) + " is not 0, 1 or 2");
    } else {
        area.ImgType = static_cast<TacImgType>(type);
    }
    if (words.size() >= 5) {
        result.MarginsGiven = true;
        area.WL = ToInt16(word(4, "left margin").value_or(0));
        area.WT = ToInt16(word(5, "top margin").value_or(0));
        area.WR = ToInt16(word(6, "right margin").value_or(0));
        area.WB = ToInt16(word(7, "bottom margin").value_or(0));
    }
}

// Coordinates this far out lie in no picture; refusing them keeps every
// later width and height computation far from integer overflow.
constexpr int MaxRectangleCoordinate = 1000000;

bool HasAbsurdCoordinate(std::string_view value) {
    const std::vector<std::string_view> words = SplitWords(value, " ()");
    if (words.size() < 2) return false;
    for (std::string_view corner : SplitWords(words[1], " ,")) {
        int number = 0;
        if (TryStrToInt(corner, number) && (number > MaxRectangleCoordinate || number < -MaxRectangleCoordinate)) {
            return true;
        }
    }
    return false;
}

void ParseMasterRectangle(std::string_view value, SkinImageValue& result) {
    if (HasAbsurdCoordinate(value)) {
        result.Problems.push_back("a rectangle coordinate lies beyond " + IntToStr(MaxRectangleCoordinate) +
                                  " pixels");
        return;
    }
    std::optional<TsMaskData> area = ParseMasterRectValue(value, IsPatternProperty(result.Area.PropertyName));
    if (!area) {
        result.Problems.push_back("the rectangle needs four integers: left, top, right, bottom");
        return;
    }
    area->SectionName = std::move(result.Area.SectionName);
    area->PropertyName = std::move(result.Area.PropertyName);
    result.Area = std::move(*area);
    result.Kind = SkinValueKind::MasterArea;
}

}  // namespace

SkinImageValue ParseSkinImageValue(std::string_view section, std::string_view key, std::string_view value) {
    SkinImageValue result;
    if (value.empty()) return result;
    const char first = value.front();
    if (first == '!' || first == '@' || first == '^' || first == '~') {
        result.Area.SectionName = std::string(section);
        result.Area.PropertyName = std::string(key);
        switch (first) {
            case '!': ParseOlderOwnBitmap(value, result); break;
            case '@': ParseGlyph(value, result); break;
            case '^': ParseFrame(value, result); break;
            default: ParseTexture(value, result); break;
        }
        return result;
    }

    result.Area.SectionName = UpperCase(section);
    result.Area.PropertyName = UpperCase(key);
    const std::string upper = UpperCase(value);
    if (value.find('#') != std::string_view::npos) {
        ParseMasterRectangle(value, result);
    } else if (upper.find(".BMP") != std::string::npos) {
        result.Kind = SkinValueKind::OwnBitmap;
        result.FileName = std::string(value);
        result.Area.ImageCount = 3;
        result.Area.MaskType = 1;
    } else if (upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos) {
        result.Kind = SkinValueKind::Pattern;
        result.FileName = std::string(value);
    }
    return result;
}

}  // namespace quendar
