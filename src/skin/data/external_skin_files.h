#pragma once
// The files an external skin names: finding them in the skin's folder and
// reading its pictures. Skin folders are untrusted input, so every picture
// is measured from its header and refused when too large before any pixel
// buffer is allocated.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/geometry.h"
#include "skin/data/image_area_rules.h"

namespace quendar {

class TJPEGImage;

// Largest width and largest height of a BMP or JPEG picture of an external
// skin: the limit of every skin picture.
inline constexpr int MaxExternalImageSide = MaxSkinPictureSide;

// Problems met while reading a skin, one line each, for `skin check`. Loading
// passes a null list and skips what it cannot use without a word.
using SkinProblemList = std::vector<std::string>;

inline void ReportSkinProblem(SkinProblemList* problems, std::string text) {
    if (problems != nullptr) problems->push_back(std::move(text));
}

// The path of a file named in Options.dat, or an empty string when there is
// no such file. A name containing ":" is taken as it is: such names are
// Windows drive paths and are never found on this system. Other names are
// relative to `folder`, with "\" read as "/"; when the exact name is missing,
// a file in the same folder whose name differs only in ASCII case is taken,
// as skins are made on file systems that ignore case.
std::string FindSkinFile(const std::string& folder, const std::string& name);

// Picture size from a file's header without decoding it; 0 x 0 when the
// header does not say (the decoder then reports the fault).
Size BmpHeaderSize(std::span<const std::uint8_t> bytes);
Size JpegHeaderSize(std::span<const std::uint8_t> bytes);

// Reads a BMP file as a 24-bit bitmap. Raises Exception with the reason when
// the file cannot be read, is no valid BMP, or is wider or higher than
// MaxExternalImageSide.
Bitmap ReadSkinBitmap(const std::string& path);
// Reads and decodes a JPEG file under the same rules.
std::shared_ptr<TJPEGImage> ReadSkinJpeg(const std::string& path);

}  // namespace quendar
