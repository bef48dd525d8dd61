#pragma once
// The headers of a Windows bitmap file: file header, info header (or the old
// 12-byte core header) and palette, read and checked before any pixel work.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/color.h"

namespace quendar {

// Compression codes of the info header.
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

constexpr std::size_t BmpFileHeaderSize = 14;
constexpr std::size_t BmpInfoHeaderSize = 40;

struct BmpHeader {
    int Width = 0;
    int Height = 0;  // rows of the picture; positive whatever the row order
    bool TopDown = false;
    int BitsPerPixel = 0;
    std::uint32_t Compression = BI_RGB;
    // Entries the pixels may index; filled for 1, 4 and 8 bits per pixel only.
    std::vector<ColorRef> Palette;
    std::size_t DataOffset = 0;
    // Bytes of pixel data, all of them inside the file.
    std::size_t DataSize = 0;
};

// Checks everything that can be known without decoding pixels: the signature,
// the header kind, the picture size against the Bitmap limits (for the bitmap
// the file becomes), the palette and the pixel data lying inside the file.
// Raises PlatformError "BMP: ..." on the first fault.
BmpHeader ParseBmpHeader(std::span<const std::uint8_t> file);

// Bytes of one stored row: the pixels' bits rounded up to whole 32-bit words.
std::size_t BmpRowBytes(int width, int bitsPerPixel);

}  // namespace quendar
