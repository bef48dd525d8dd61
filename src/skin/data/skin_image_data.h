#pragma once
// The run-time records of a skin's pictures: image areas (rectangles of the
// master bitmap, or bitmaps of their own) and large JPEG patterns. Indexes
// into either table are -1 for none.
//
// Geometry of an area cut from the master bitmap: ImageCount state pictures
// side by side, each Rect width / ImageCount wide and Rect height /
// (MaskType + 1) high; with MaskType 1 each picture's mask lies directly
// below it. An area with its own bitmap has state pictures of a third of its
// width and half its height, whatever ImageCount and MaskType say.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace quendar {

class TJPEGImage;
class TsSkinManager;

enum class TacImgType : std::uint8_t { itisaBorder, itisaTexture, itisaGlyph };

// Pixels of this colour in the master bitmap and in own bitmaps are transparent.
inline constexpr ColorRef SkinTransparentColor = RGB(255, 0, 255);

struct TsMaskData {
    std::shared_ptr<Bitmap> Image;  // own 24-bit picture; null when cut from the master bitmap
    std::string SectionName;        // upper case
    std::string PropertyName;       // upper case: "BORDERSMASK", "PATTERN", ...
    quendar::Rect Rect{};           // in the master bitmap; 0, 0, width, height for an own picture
    std::int16_t ImageCount = 0;    // at least 1 once loaded
    std::int16_t MaskType = 0;      // 1: the lower half holds the masks
    std::int16_t BorderWidth = 0;
    std::int16_t StretchMode = 0;
    TacImgType ImgType = TacImgType::itisaBorder;
    const TsSkinManager* Manager = nullptr;
    std::int16_t WL = 0;
    std::int16_t WT = 0;
    std::int16_t WR = 0;
    std::int16_t WB = 0;
};

using TsMaskArray = std::vector<TsMaskData>;

struct TsPatternData {
    std::shared_ptr<TJPEGImage> Image;
    std::string SectionName;   // upper case
    std::string PropertyName;  // upper case
};

using TsPatternArray = std::vector<TsPatternData>;

}  // namespace quendar
