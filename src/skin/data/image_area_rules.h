#pragma once
// Rules shared by every source of image areas: the picture size limit, the
// default margins, the conversion of pictures to the 24-bit form the tables
// hold, skin picture files, and the "#" rectangle values of ini-layout
// skin text ("#(left,top,right,bottom)(count,mask,border,stretch)").

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/graphics_bitmap.h"
#include "framework/jpeg_image.h"
#include "platform/bitmap.h"
#include "skin/data/skin_image_data.h"

namespace quendar {

// Skin pictures wider or higher than this are refused: a skin is outside
// input, and no skin picture needs more.
inline constexpr int MaxSkinPictureSide = 4096;

bool IsAcceptedSkinPictureSize(int width, int height);

// Saturates into the 16-bit fields of TsMaskData.
std::int16_t ToInt16(long long value);

// Width and height of a rectangle as a skin states it; edges from outside
// input may lie so far apart that their difference overflows an int.
inline long long WideWidth(const Rect& rect) { return static_cast<long long>(rect.Right) - rect.Left; }
inline long long WideHeight(const Rect& rect) { return static_cast<long long>(rect.Bottom) - rect.Top; }

// When WL, WT, WR and WB are all 0: all become BorderWidth when that is not
// 0, else WL = WR = Rect width / (ImageCount * 3) and WT = WB = Rect height
// / ((MaskType + 1) * 3). Callers have made ImageCount >= 1, MaskType >= 0.
void ApplyDefaultMargins(TsMaskData& area);

// The pixels of `bitmap` as a 24-bit bitmap; null for an empty one.
std::shared_ptr<Bitmap> To24BitPixels(const TBitmap& bitmap);

// Where a picture file named in skin text lies: a name holding ":" or
// starting with "/" is used as it is; any other name lies in `skinFolder`,
// and without a folder (an internal skin) it names no file.
std::optional<std::string> SkinFilePath(std::string_view skinFolder, std::string_view name);

// The 24-bit picture of a BMP file; null when the file is missing,
// unreadable, not a bitmap, empty or larger than MaxSkinPictureSide.
std::shared_ptr<Bitmap> LoadSkinBitmapFile(const std::string& path);
// The same for a JPEG file.
std::shared_ptr<TJPEGImage> LoadSkinJpegFile(const std::string& path);

// The image area a "#" value describes: words split at blanks and
// parentheses, the second holding the rectangle and the third the
// parameters, both split at blanks and commas. Parameters: ImageCount
// (below 1 becomes 1), MaskType (negative becomes 0), BorderWidth (absent
// or negative becomes 0) and, unless `isPattern`, StretchMode (absent
// becomes 1). A pattern is a texture with StretchMode 0; every other area
// a border. Margins follow ApplyDefaultMargins. Names and Manager are left
// to the caller. Nothing when the rectangle is not four integers.
std::optional<TsMaskData> ParseMasterRectValue(std::string_view value, bool isPattern);

// Whether an upper-case property name is "PATTERN" or "HOTPATTERN".
bool IsPatternProperty(std::string_view upperPropertyName);

}  // namespace quendar
