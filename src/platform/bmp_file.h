#pragma once
// Windows bitmap files: reading every common kind, writing 8-bit palette and
// 24-bit files.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace quendar {

// Reads 1, 4, 8 (plain or RLE8), 16, 24 and 32 bits per pixel, bottom-up and
// top-down, with palettes. The result is a 24-bit bitmap in the file's row
// order, or a 32-bit one for a 32-bit file: its fourth bytes are the file's,
// or the alpha its colour masks give (255 without an alpha mask).
// A malformed, truncated or oversized file raises PlatformError "BMP: ...";
// its size is checked before any pixel buffer is allocated.
Bitmap ReadBmp(std::span<const std::uint8_t> bytes);
Bitmap ReadBmpFile(const std::string& path);

// An 8-bit file with a 256-entry palette of the picture's colours in order of
// first appearance (top row first), so the pixels start at byte 1078. A
// picture of more than 256 colours raises PlatformError: it is never quantised.
std::vector<std::uint8_t> WriteBmp8(const Bitmap& bitmap);
// A 24-bit file; the fourth bytes of a 32-bit bitmap are dropped.
std::vector<std::uint8_t> WriteBmp24(const Bitmap& bitmap);
// Both files are bottom-up with rows padded to four bytes. An empty bitmap
// raises PlatformError: the format has no empty picture.
void WriteBmpFile8(const Bitmap& bitmap, const std::string& path);
void WriteBmpFile24(const Bitmap& bitmap, const std::string& path);

}  // namespace quendar
