#include "skin/data/image_area_rules.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <vector>

#include "framework/conversions.h"
#include "framework/text_utils.h"
#include "platform/bmp_file.h"
#include "platform/file_bytes.h"
#include "skin/data/external_skin_files.h"

namespace quendar {

namespace {

std::optional<int> IntegerWord(const std::vector<std::string_view>& words, std::size_t index) {
    int value = 0;
    if (index < words.size() && TryStrToInt(words[index], value)) return value;
    return std::nullopt;
}

}  // namespace

bool IsAcceptedSkinPictureSize(int width, int height) {
    return width >= 0 && height >= 0 && width <= MaxSkinPictureSide && height <= MaxSkinPictureSide;
}

std::int16_t ToInt16(long long value) {
    return static_cast<std::int16_t>(std::clamp<long long>(value, std::numeric_limits<std::int16_t>::min(),
                                                            std::numeric_limits<std::int16_t>::max()));
}

void ApplyDefaultMargins(TsMaskData& area) {
    if (area.WL != 0 || area.WT != 0 || area.WR != 0 || area.WB != 0) return;
    if (area.BorderWidth != 0) {
        area.WL = area.WT = area.WR = area.WB = area.BorderWidth;
        return;
    }
    const long long across = std::max<long long>(1, area.ImageCount) * 3;
    const long long down = (std::max<long long>(0, area.MaskType) + 1) * 3;
    area.WL = area.WR = ToInt16(WideWidth(area.Rect) / across);
    area.WT = area.WB = ToInt16(WideHeight(area.Rect) / down);
}

std::shared_ptr<Bitmap> To24BitPixels(const TBitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    return std::make_shared<Bitmap>(bitmap.PixelBuffer().ConvertedTo(PixelFormat::Bits24));
}

std::optional<std::string> SkinFilePath(std::string_view skinFolder, std::string_view name) {
    if (name.empty()) return std::nullopt;
    if (name.find(':') != std::string_view::npos || name.front() == '/') return std::string(name);
    if (skinFolder.empty()) return std::nullopt;
    std::string path(skinFolder);
    if (path.back() != '/' && path.back() != '\\') path += '/';
    path += name;
    return path;
}

std::shared_ptr<Bitmap> LoadSkinBitmapFile(const std::string& path) {
    try {
        Bitmap pixels = ReadSkinBitmap(path);
        if (pixels.IsEmpty()) return nullptr;
        return std::make_shared<Bitmap>(std::move(pixels));
    } catch (const std::exception&) {
        // A missing or broken picture adds nothing; the skin loads without it.
        return nullptr;
    }
}

std::shared_ptr<TJPEGImage> LoadSkinJpegFile(const std::string& path) {
    try {
        std::shared_ptr<TJPEGImage> image = ReadSkinJpeg(path);
        return image->Empty() ? nullptr : image;
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::optional<TsMaskData> ParseMasterRectValue(std::string_view value, bool isPattern) {
    const std::vector<std::string_view> words = SplitWords(value, " ()");
    if (words.size() < 2) return std::nullopt;
    const std::vector<std::string_view> corners = SplitWords(words[1], " ,");
    std::optional<int> left = IntegerWord(corners, 0), top = IntegerWord(corners, 1);
    std::optional<int> right = IntegerWord(corners, 2), bottom = IntegerWord(corners, 3);
    if (!left || !top || !right || !bottom) return std::nullopt;

    const std::vector<std::string_view> parameters =
        words.size() > 2 ? SplitWords(words[2], " ,") : std::vector<std::string_view>{};
    TsMaskData area;
    area.Rect = {*left, *top, *right, *bottom};
    area.ImageCount = ToInt16(std::max(1, IntegerWord(parameters, 0).value_or(1)));
    area.MaskType = ToInt16(std::max(0, IntegerWord(parameters, 1).value_or(0)));
    area.BorderWidth = ToInt16(std::max(0, IntegerWord(parameters, 2).value_or(0)));
    if (isPattern) {
        area.ImgType = TacImgType::itisaTexture;
        area.StretchMode = 0;
    } else {
        area.ImgType = TacImgType::itisaBorder;
        area.StretchMode = ToInt16(IntegerWord(parameters, 3).value_or(1));
    }
    ApplyDefaultMargins(area);
    return area;
}

bool IsPatternProperty(std::string_view upperPropertyName) {
    return upperPropertyName == "PATTERN" || upperPropertyName == "HOTPATTERN";
}

}  // namespace quendar
