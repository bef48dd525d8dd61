#pragma once
// PNG files through libpng: 8-bit RGB out, most kinds in.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace quendar {

// An 8-bit RGB PNG of the picture; the fourth bytes of a 32-bit bitmap are
// not written. An empty bitmap raises PlatformError: PNG has no empty picture.
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);
void WritePngFile(const Bitmap& bitmap, const std::string& path);

// A 24-bit bottom-up bitmap of any PNG: palettes and grey are expanded, 16-bit
// samples reduced to 8 and alpha dropped. Corrupt, truncated or oversized
// files raise PlatformError "PNG: ...".
Bitmap DecodePng(std::span<const std::uint8_t> bytes);
Bitmap ReadPngFile(const std::string& path);

}  // namespace quendar
