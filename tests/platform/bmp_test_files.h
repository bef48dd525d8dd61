#pragma once
// Builds bitmap files of every header kind byte by byte, so tests can make
// well-formed and malformed files without any sample on disk.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/color.h"

namespace quendar {

struct TestBmp {
    int HeaderSize = 40;  // 12 writes the old core header
    int Width = 0;
    int Height = 0;  // negative for a top-down file
    int BitsPerPixel = 8;
    std::uint32_t Compression = 0;
    std::vector<ColorRef> Palette;
    std::vector<std::uint32_t> Masks;         // written right after the info header
    std::vector<std::uint8_t> Pixels;         // the stored pixel data, as it goes into the file
    std::optional<std::uint32_t> ColorsUsed;  // default: the palette's size
    std::optional<std::uint32_t> DataOffset;  // default: right after the palette
    std::optional<std::uint32_t> ImageSize;   // default: the pixel data's size
};

inline void PutLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline std::vector<std::uint8_t> MakeBmpFile(const TestBmp& bmp) {
    const bool core = bmp.HeaderSize == 12;
    const std::size_t entryBytes = core ? 3 : 4;
    const std::size_t tables = bmp.Masks.size() * 4 + bmp.Palette.size() * entryBytes;
    const std::uint32_t offset =
        bmp.DataOffset.value_or(static_cast<std::uint32_t>(14 + bmp.HeaderSize + tables));

    std::vector<std::uint8_t> bytes = {'B', 'M'};
    PutLittleEndian(bytes, static_cast<std::uint32_t>(offset + bmp.Pixels.size()), 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, offset, 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(bmp.HeaderSize), 4);
    if (core) {
        PutLittleEndian(bytes, static_cast<std::uint32_t>(bmp.Width), 2);
        PutLittleEndian(bytes, static_cast<std::uint32_t>(bmp.Height), 2);
        PutLittleEndian(bytes, 1, 2);
        PutLittleEndian(bytes, static_cast<std::uint32_t>(bmp.BitsPerPixel), 2);
    } else {
        PutLittleEndian(bytes, static_cast<std::uint32_t>(bmp.Width), 4);
        PutLittleEndian(bytes, static_cast<std::uint32_t>(bmp.Height), 4);
        PutLittleEndian(bytes, 1, 2);
        PutLittleEndian(bytes, static_cast<std::uint32_t>(bmp.BitsPerPixel), 2);
        PutLittleEndian(bytes, bmp.Compression, 4);
        PutLittleEndian(bytes, bmp.ImageSize.value_or(static_cast<std::uint32_t>(bmp.Pixels.size())), 4);
        PutLittleEndian(bytes, 2835, 4);
        PutLittleEndian(bytes, 2835, 4);
        PutLittleEndian(bytes, bmp.ColorsUsed.value_or(static_cast<std::uint32_t>(bmp.Palette.size())), 4);
        PutLittleEndian(bytes, 0, 4);
        bytes.resize(14 + static_cast<std::size_t>(bmp.HeaderSize), 0);  // V4 and V5 fields stay zero
    }
    for (std::uint32_t mask : bmp.Masks) PutLittleEndian(bytes, mask, 4);
    for (ColorRef color : bmp.Palette) {
        bytes.push_back(static_cast<std::uint8_t>(GetBValue(color)));
        bytes.push_back(static_cast<std::uint8_t>(GetGValue(color)));
        bytes.push_back(static_cast<std::uint8_t>(GetRValue(color)));
        if (!core) bytes.push_back(0);
    }
    if (bytes.size() < offset) bytes.resize(offset, 0);
    bytes.insert(bytes.end(), bmp.Pixels.begin(), bmp.Pixels.end());
    return bytes;
}

inline TestBmp IndexedBmp(int width, int height, int bits, std::vector<ColorRef> palette,
                          std::vector<std::uint8_t> pixels) {
    TestBmp bmp;
    bmp.Width = width;
    bmp.Height = height;
    bmp.BitsPerPixel = bits;
    bmp.Palette = std::move(palette);
    bmp.Pixels = std::move(pixels);
    return bmp;
}

inline TestBmp Rle8Bmp(int width, int height, std::vector<ColorRef> palette, std::vector<std::uint8_t> data) {
    TestBmp bmp = IndexedBmp(width, height, 8, std::move(palette), std::move(data));
    bmp.Compression = 1;
    return bmp;
}

inline TestBmp DirectBmp(int width, int height, int bits, std::vector<std::uint8_t> pixels) {
    return IndexedBmp(width, height, bits, {}, std::move(pixels));
}

// Stores palette indexes given top row first at 1, 4 or 8 bits per pixel,
// the leftmost pixel in the highest bits, rows padded to four bytes.
inline std::vector<std::uint8_t> PackIndexes(const std::vector<std::vector<int>>& rows, int bits,
                                             bool topDown) {
    std::vector<std::uint8_t> data;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<int>& row = rows[topDown ? i : rows.size() - 1 - i];
        std::size_t rowBytes = (row.size() * static_cast<std::size_t>(bits) + 31) / 32 * 4;
        std::vector<std::uint8_t> stored(rowBytes, 0);
        for (std::size_t x = 0; x < row.size(); ++x) {
            std::size_t bit = x * static_cast<std::size_t>(bits);
            int shift = 8 - bits - static_cast<int>(bit % 8);
            stored[bit / 8] = static_cast<std::uint8_t>(stored[bit / 8] | (row[x] << shift));
        }
        data.insert(data.end(), stored.begin(), stored.end());
    }
    return data;
}

}  // namespace quendar
