#include "skin/data/stored_skin_loading.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "framework/conversions.h"
#include "framework/exception.h"
#include "framework/text_utils.h"
#include "skin/data/image_area_rules.h"

namespace quendar {

namespace {

void RequireAcceptedSize(const TsStoredSkin& skin, int width, int height) {
    if (IsAcceptedSkinPictureSize(width, height)) return;
    throw Exception("The skin \"" + skin.Name() + "\" holds a picture of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels; at most " + std::to_string(MaxSkinPictureSide) + " x " +
                    std::to_string(MaxSkinPictureSide) + " are accepted");
}

void CheckPictureSizes(const TsStoredSkin& skin) {
    RequireAcceptedSize(skin, skin.MasterBitmap().Width(), skin.MasterBitmap().Height());
    for (int i = 0; i < skin.Images().Count(); ++i) {
        const TBitmap& image = skin.Images().Items(i)->Image();
        RequireAcceptedSize(skin, image.Width(), image.Height());
    }
    for (int i = 0; i < skin.Patterns().Count(); ++i) {
        const TJPEGImage& image = skin.Patterns().Items(i)->Image();
        RequireAcceptedSize(skin, image.Width(), image.Height());
    }
}

// Copies in the order the fields are listed for a stored section, so that a
// failure part way leaves exactly the fields before it filled.
void CopySection(const TsSkinGeneral& stored, TsGeneralData& record) {
    record.SectionName = stored.SectionName;
    record.ParentClass = stored.ParentClass;
    record.Color = stored.Color;
    record.Bevel = stored.Bevel;
    record.ShadowBlur = stored.ShadowBlur;
    record.ShadowOffset = stored.ShadowOffset;
    record.ShadowColor = stored.ShadowColor;
    record.ShadowTransparency = stored.ShadowTransparency;
    record.ShadowEnabled = stored.ShadowEnabled;
    record.ReservedBoolean = stored.ReservedBoolean;
    record.Transparency = stored.Transparency;
    record.GradientPercent = stored.GradientPercent;
    record.ImagePercent = stored.ImagePercent;
    record.GradientData = stored.GradientData;
    ParseGradientData(record.GradientData, record.GradientArray);
    record.ShowFocus = stored.ShowFocus;
    record.FadingEnabled = stored.FadingEnabled;
    record.FadingIntervalIn = stored.FadingIntervalIn;
    record.FadingIntervalOut = stored.FadingIntervalOut;
    record.FadingIterations = stored.FadingIterations;
    record.HotColor = stored.HotColor;
    record.HotTransparency = stored.HotTransparency;
    record.HotBevel = stored.HotBevel;
    record.HotGradientPercent = stored.HotGradientPercent;
    record.HotGradientData = stored.HotGradientData;
    ParseGradientData(record.HotGradientData, record.HotGradientArray);
    record.HotImagePercent = stored.HotImagePercent;
    FillFontColors(stored.HotFontColor, record.HotFontColor);
    FillFontColors(stored.FontColor, record.FontColor);
    record.BorderColor1 = stored.BorderColor1;
    record.BorderColor2 = stored.BorderColor2;
}

// Nothing when the area's own picture is empty.
std::optional<TsMaskData> MakeImageArea(const TsSkinImage& stored, const TsSkinManager* manager) {
    TsMaskData area;
    if (!stored.Name.empty()) {
        area.Image = To24BitPixels(stored.Image());
        if (area.Image == nullptr) return std::nullopt;
        area.Rect = area.Image->Bounds();
    } else {
        area.Rect = {stored.Left, stored.Top, stored.Right, stored.Bottom};
    }
    area.PropertyName = UpperCase(stored.PropertyName);
    area.SectionName = UpperCase(stored.SectionName);
    if (stored.ImageCount == 0) {
        area.ImageCount = 3;
        area.MaskType = 1;
    } else {
        area.ImageCount = ToInt16(std::max(1, stored.ImageCount));
        // A negative mask type would divide by zero in the geometry.
        area.MaskType = ToInt16(std::max(0, stored.MaskType));
    }
    area.BorderWidth = ToInt16(stored.BorderWidth);
    if (IsPatternProperty(area.PropertyName)) {
        area.ImgType = TacImgType::itisaTexture;
        area.StretchMode = stored.ImgType == TacImgType::itisaTexture ? ToInt16(stored.StretchMode) : 0;
    } else {
        area.StretchMode = ToInt16(stored.StretchMode);
        area.ImgType = stored.ImgType;
    }
    area.WL = ToInt16(stored.WL);
    area.WT = ToInt16(stored.WT);
    area.WR = ToInt16(stored.WR);
    area.WB = ToInt16(stored.WB);
    ApplyDefaultMargins(area);
    area.Manager = manager;
    return area;
}

}  // namespace

void FillFontColors(std::string_view text, TsFontColors& colors) {
    const std::vector<std::string_view> words = SplitWords(text, " ");
    if (words.size() != colors.size()) {
        colors = PlainFontColors;
        return;
    }
    for (std::size_t i = 0; i < colors.size(); ++i) colors[i] = StrToInt(words[i]);
}

void FillSectionsFromStoredSkin(SkinTables& tables, const TsStoredSkin& skin) {
    tables.Sections.clear();
    TsSkinData& data = tables.SkinData;
    data.Version = skin.Version.ToDouble();
    data.Author = skin.Author;
    data.Description = skin.Description;
    data.Shadow1Color = skin.Shadow1Color;
    data.Shadow1Offset = skin.Shadow1Offset;
    data.Shadow1Blur = skin.Shadow1Blur;
    data.Shadow1Transparency = skin.Shadow1Transparency;
    data.SkinPath.clear();

    const TsSkinGenerals& sections = skin.GeneralData();
    tables.Sections.reserve(static_cast<std::size_t>(sections.Count()));
    for (int i = 0; i < sections.Count(); ++i) {
        TsGeneralData& record = tables.Sections.emplace_back();
        try {
            CopySection(*sections.Items(i), record);
        } catch (const std::exception&) {
            // The section keeps what was copied; the next one is read.
        }
    }
}

void FillImageAreasFromStoredSkin(SkinTables& tables, const TsStoredSkin& skin, const TsSkinManager* manager) {
    tables.ImageAreas.clear();
    tables.MasterBitmap.reset();
    if (std::shared_ptr<Bitmap> master = To24BitPixels(skin.MasterBitmap()))
        tables.MasterBitmap = std::make_unique<Bitmap>(std::move(*master));

    const TsSkinImages& images = skin.Images();
    for (int i = 0; i < images.Count(); ++i)
        if (std::optional<TsMaskData> area = MakeImageArea(*images.Items(i), manager))
            tables.ImageAreas.push_back(std::move(*area));
}

void FillPatternsFromStoredSkin(SkinTables& tables, const TsStoredSkin& skin) {
    tables.Patterns.clear();
    const TsSkinPatterns& patterns = skin.Patterns();
    for (int i = 0; i < patterns.Count(); ++i) {
        const TsSkinPattern& stored = *patterns.Items(i);
        const TJPEGImage* source = &stored.Image();
        if (source->Empty()) {
            for (int j = 0; j < patterns.Count(); ++j) {
                const TsSkinPattern& other = *patterns.Items(j);
                if (j != i && other.Name == stored.Name && !other.Image().Empty()) {
                    source = &other.Image();
                    break;
                }
            }
        }
        TsPatternData record;
        record.Image = std::make_shared<TJPEGImage>();
        if (!source->Empty()) record.Image->Assign(*source);
        record.SectionName = UpperCase(stored.SectionName);
        record.PropertyName = UpperCase(stored.PropertyName);
        tables.Patterns.push_back(std::move(record));
    }
}

void LoadStoredSkin(SkinTables& tables, const TsStoredSkin& skin, const TsSkinManager* manager) {
    CheckPictureSizes(skin);
    FillImageAreasFromStoredSkin(tables, skin, manager);
    FillPatternsFromStoredSkin(tables, skin);
    FillSectionsFromStoredSkin(tables, skin);
}

}  // namespace quendar
