#include "platform/bmp_header.h"

#include <climits>
#include <string>

#include "platform/bitmap.h"
#include "platform/platform_error.h"

namespace quendar {

namespace {

constexpr std::size_t BmpCoreHeaderSize = 12;

std::uint32_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::int32_t ReadI32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(bytes, at));
}

[[noreturn]] void Refuse(const std::string& reason) { throw PlatformError("BMP: " + reason); }

bool IsKnownHeaderSize(std::uint32_t size) {
    // Core, info, the two info extensions with colour masks, V4 and V5.
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool IsKnownDepth(int bits, bool core) {
    if (core) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

void CheckCompression(const BmpHeader& header) {
    switch (header.Compression) {
        case BI_RGB:
            return;
        case BI_RLE8:
            if (header.BitsPerPixel != 8) {
                Refuse("RLE8 compression needs 8 bits per pixel, not " + std::to_string(header.BitsPerPixel));
            }
            if (header.TopDown) Refuse("a top-down bitmap cannot be compressed");
            return;
        case BI_RLE4:
            Refuse("4-bit RLE compression is not supported");
        case BI_BITFIELDS:
            if (header.BitsPerPixel != 16 && header.BitsPerPixel != 32) {
                Refuse("colour masks need 16 or 32 bits per pixel, not " +
                       std::to_string(header.BitsPerPixel));
            }
            return;
        default:
            Refuse("unsupported compression " + std::to_string(header.Compression));
    }
}

void CheckSize(std::int64_t width, std::int64_t height, int bits) {
    std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width <= 0 || height <= 0) Refuse("bad picture size " + size);
    if (width > Bitmap::MaxSide || height > Bitmap::MaxSide)
        Refuse("picture of " + size + " pixels is too large");
    // Compare with the bitmap the file becomes, so nothing is decoded that
    // could not be held afterwards.
    std::size_t bytesPerPixel = bits == 32 ? 4 : 3;
    std::size_t rowBytes = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~std::size_t{3};
    if (rowBytes * static_cast<std::size_t>(height) > Bitmap::MaxBytes) {
        Refuse("picture of " + size + " pixels is too large");
    }
}

}  // namespace

std::size_t BmpRowBytes(int width, int bitsPerPixel) {
    std::size_t bits = static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel);
    return (bits + 31) / 32 * 4;
}

BmpHeader ParseBmpHeader(std::span<const std::uint8_t> file) {
    if (file.size() < BmpFileHeaderSize + 4) {
        Refuse("file is too short to be a bitmap (" + std::to_string(file.size()) + " bytes)");
    }
    if (file[0] != 'B' || file[1] != 'M') Refuse("not a bitmap file (no \"BM\" signature)");
    // The file size field is ignored: writers disagree about it, and the
    // checks below measure the real file instead.
    std::size_t dataOffset = ReadU32(file, 10);
    std::uint32_t headerSize = ReadU32(file, BmpFileHeaderSize);
    if (!IsKnownHeaderSize(headerSize))
        Refuse("unsupported info header of " + std::to_string(headerSize) + " bytes");
    if (file.size() < BmpFileHeaderSize + headerSize) Refuse("file ends inside the info header");

    const std::size_t info = BmpFileHeaderSize;
    const bool core = headerSize == BmpCoreHeaderSize;
    BmpHeader header;
    std::int64_t width;
    std::int64_t height;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    if (core) {
        width = ReadU16(file, info + 4);
        height = ReadU16(file, info + 6);
        header.BitsPerPixel = static_cast<int>(ReadU16(file, info + 10));
    } else {
        width = ReadI32(file, info + 4);
        height = ReadI32(file, info + 8);
        header.BitsPerPixel = static_cast<int>(ReadU16(file, info + 14));
        header.Compression = ReadU32(file, info + 16);
        imageSize = ReadU32(file, info + 20);
        colorsUsed = ReadU32(file, info + 32);
    }
    // A negative height marks rows stored top row first; int64 keeps the
    // negation of INT_MIN defined.
    header.TopDown = height < 0;
    if (height < 0) height = -height;
    if (!IsKnownDepth(header.BitsPerPixel, core)) {
        Refuse("unsupported depth of " + std::to_string(header.BitsPerPixel) + " bits per pixel");
    }
    CheckSize(width, height, header.BitsPerPixel);
    header.Width = static_cast<int>(width);
    header.Height = static_cast<int>(height);
    CheckCompression(header);

    // Masks stored after a plain info header come before any palette.
    std::size_t tablesStart = BmpFileHeaderSize + headerSize;
    if (headerSize == BmpInfoHeaderSize && header.Compression == BI_BITFIELDS) tablesStart += 12;
    std::size_t tablesEnd = tablesStart;
    if (header.BitsPerPixel <= 8) {
        std::uint32_t maxColors = 1u << header.BitsPerPixel;
        std::uint32_t colors = colorsUsed != 0 ? colorsUsed : maxColors;
        if (colors > maxColors) {
            Refuse("palette of " + std::to_string(colors) + " colours does not suit " +
                   std::to_string(header.BitsPerPixel) + " bits per pixel");
        }
        std::size_t entryBytes = core ? 3 : 4;
        tablesEnd += colors * entryBytes;
        if (tablesEnd > file.size()) Refuse("file ends inside the palette");
        header.Palette.reserve(colors);
        for (std::size_t at = tablesStart; at < tablesEnd; at += entryBytes) {
            header.Palette.push_back(RGB(file[at + 2], file[at + 1], file[at]));
        }
    }
    if (tablesEnd > file.size()) Refuse("file ends inside the colour masks");
    if (dataOffset > file.size()) {
        Refuse("pixel data offset " + std::to_string(dataOffset) + " lies beyond the end of the file (" +
               std::to_string(file.size()) + " bytes)");
    }
    if (dataOffset < tablesEnd) {
        Refuse("pixel data offset " + std::to_string(dataOffset) + " lies inside the headers (they end at " +
               std::to_string(tablesEnd) + ")");
    }
    header.DataOffset = dataOffset;

    std::size_t available = file.size() - dataOffset;
    std::size_t needed = header.Compression == BI_RLE8 ? (imageSize != 0 ? imageSize : available)
                                                       : BmpRowBytes(header.Width, header.BitsPerPixel) *
                                                             static_cast<std::size_t>(header.Height);
    if (needed > available) {
        Refuse("pixel data is truncated (" + std::to_string(needed) + " bytes needed, " +
               std::to_string(available) + " present)");
    }
    header.DataSize = needed;
    return header;
}

}  // namespace quendar
