#include "platform/bmp_file.h"

#include <SDL.h>

#include <climits>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "platform/bmp_header.h"
#include "platform/bmp_rle8.h"
#include "platform/file_bytes.h"
#include "platform/platform_error.h"

namespace quendar {

namespace {

// The largest file worth reading: the largest pixel buffer plus headers and a
// full palette, with room for trailing bytes some writers leave.
constexpr std::size_t MaxFileBytes = Bitmap::MaxBytes + (std::size_t{1} << 20);

constexpr std::size_t PaletteEntries8 = 256;

[[noreturn]] void Refuse(const std::string& reason) { throw PlatformError("BMP: " + reason); }

RowOrder OrderOf(const BmpHeader& header) { return header.TopDown ? RowOrder::TopDown : RowOrder::BottomUp; }

// Picture row of the index-th stored row.
int PictureRow(const BmpHeader& header, int storedRow) {
    return header.TopDown ? storedRow : header.Height - 1 - storedRow;
}

// Copied by hand because SDL makes a 32-bit picture whose fourth bytes are
// all zero opaque, and the fourth bytes are to be kept as stored.
Bitmap Read32(std::span<const std::uint8_t> file, const BmpHeader& header) {
    Bitmap bitmap(header.Width, header.Height, PixelFormat::Bits32, OrderOf(header));
    std::size_t rowBytes = BmpRowBytes(header.Width, 32);
    const std::uint8_t* stored = file.data() + header.DataOffset;
    for (int row = 0; row < header.Height; ++row, stored += rowBytes) {
        std::memcpy(bitmap.ScanLine(PictureRow(header, row)), stored,
                    static_cast<std::size_t>(header.Width) * 4);
    }
    return bitmap;
}

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfaceHandle = std::unique_ptr<SDL_Surface, SurfaceFree>;

// SDL 2.26 refuses indexes beyond the palette itself; older versions did not,
// so the check stays rather than trusting the library underneath.
void CopyIndexedRow(const std::uint8_t* from, std::uint8_t* to, int width, const SDL_Palette& palette) {
    for (int x = 0; x < width; ++x, to += 3) {
        if (from[x] >= palette.ncolors) {
            Refuse("palette index " + std::to_string(from[x]) + " is out of range (the palette has " +
                   std::to_string(palette.ncolors) + " colours)");
        }
        const SDL_Color& color = palette.colors[from[x]];
        to[0] = color.b;
        to[1] = color.g;
        to[2] = color.r;
    }
}

void CopyPackedRow(const std::uint8_t* from, std::uint8_t* to, int width, const SDL_PixelFormat& format,
                   int targetBytes) {
    int sourceBytes = format.BytesPerPixel;
    for (int x = 0; x < width; ++x, from += sourceBytes, to += targetBytes) {
        Uint32 pixel = 0;
        std::memcpy(&pixel, from, static_cast<std::size_t>(sourceBytes));
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) pixel >>= 8 * (4 - sourceBytes);
        Uint8 red, green, blue, alpha;
        SDL_GetRGBA(pixel, &format, &red, &green, &blue, &alpha);
        to[0] = blue;
        to[1] = green;
        to[2] = red;
        if (targetBytes == 4) to[3] = alpha;
    }
}

// Everything the hand-written paths do not cover goes through SDL; the header
// has been checked, so SDL only allocates what the file can fill. A freshly
// loaded surface is never RLE-accelerated, so its pixels need no lock.
Bitmap ReadThroughSdl(std::span<const std::uint8_t> file, const BmpHeader& header) {
    if (file.size() > static_cast<std::size_t>(INT_MAX)) Refuse("file is too large");
    SDL_RWops* stream = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    if (stream == nullptr) Refuse(SDL_GetError());
    SurfaceHandle surface(SDL_LoadBMP_RW(stream, 1));
    if (!surface) Refuse(SDL_GetError());
    if (surface->w != header.Width || surface->h != header.Height) {
        Refuse("SDL read an unexpected picture size");
    }

    const SDL_PixelFormat& format = *surface->format;
    PixelFormat target = header.BitsPerPixel == 32 ? PixelFormat::Bits32 : PixelFormat::Bits24;
    Bitmap bitmap(header.Width, header.Height, target, OrderOf(header));
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    for (int row = 0; row < header.Height; ++row) {
        const std::uint8_t* from = pixels + static_cast<std::ptrdiff_t>(row) * surface->pitch;
        std::uint8_t* to = bitmap.ScanLine(row);
        if (format.palette != nullptr && format.BytesPerPixel == 1) {
            CopyIndexedRow(from, to, header.Width, *format.palette);
        } else if (format.format == SDL_PIXELFORMAT_BGR24) {
            std::memcpy(to, from, static_cast<std::size_t>(header.Width) * 3);
        } else if (format.palette == nullptr && format.BytesPerPixel >= 2) {
            CopyPackedRow(from, to, header.Width, format, bitmap.BytesPerPixel());
        } else {
            Refuse(std::string("unexpected pixel layout ") + SDL_GetPixelFormatName(format.format));
        }
    }
    return bitmap;
}

class BmpBuilder {
public:
    BmpBuilder(const Bitmap& bitmap, int bitsPerPixel, std::size_t paletteEntries) {
        std::size_t offset = BmpFileHeaderSize + BmpInfoHeaderSize + paletteEntries * 4;
        std::size_t imageSize =
            BmpRowBytes(bitmap.Width(), bitsPerPixel) * static_cast<std::size_t>(bitmap.Height());
        bytes_.assign(offset + imageSize, 0);
        bytes_[0] = 'B';
        bytes_[1] = 'M';
        Put32(2, offset + imageSize);
        Put32(10, offset);
        Put32(14, BmpInfoHeaderSize);
        Put32(18, static_cast<std::uint32_t>(bitmap.Width()));
        Put32(22, static_cast<std::uint32_t>(bitmap.Height()));
        Put16(26, 1);
        Put16(28, static_cast<std::uint16_t>(bitsPerPixel));
        Put32(30, BI_RGB);
        Put32(34, imageSize);
        Put32(46, static_cast<std::uint32_t>(paletteEntries));
        dataOffset_ = offset;
        rowBytes_ = BmpRowBytes(bitmap.Width(), bitsPerPixel);
        height_ = bitmap.Height();
    }

    void SetPaletteEntry(std::size_t index, ColorRef color) {
        std::uint8_t* entry = bytes_.data() + BmpFileHeaderSize + BmpInfoHeaderSize + index * 4;
        entry[0] = static_cast<std::uint8_t>(GetBValue(color));
        entry[1] = static_cast<std::uint8_t>(GetGValue(color));
        entry[2] = static_cast<std::uint8_t>(GetRValue(color));
    }

    // Stored rows run from the bottom of the picture up.
    std::uint8_t* Row(int pictureRow) {
        return bytes_.data() + dataOffset_ + static_cast<std::size_t>(height_ - 1 - pictureRow) * rowBytes_;
    }

    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    void Put16(std::size_t at, std::uint32_t value) {
        bytes_[at] = static_cast<std::uint8_t>(value);
        bytes_[at + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    void Put32(std::size_t at, std::size_t value) {
        for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }

    std::vector<std::uint8_t> bytes_;
    std::size_t dataOffset_ = 0;
    std::size_t rowBytes_ = 0;
    int height_ = 0;
};

void RefuseEmpty(const Bitmap& bitmap) {
    if (bitmap.IsEmpty()) {
        Refuse("cannot write an empty bitmap (" + std::to_string(bitmap.Width()) + " x " +
               std::to_string(bitmap.Height()) + ")");
    }
}

}  // namespace

Bitmap ReadBmp(std::span<const std::uint8_t> bytes) {
    BmpHeader header = ParseBmpHeader(bytes);
    if (header.Compression == BI_RLE8) {
        return DecodeRle8(bytes.subspan(header.DataOffset, header.DataSize), header.Width, header.Height,
                          header.Palette);
    }
    if (header.BitsPerPixel == 32 && header.Compression == BI_RGB) return Read32(bytes, header);
    return ReadThroughSdl(bytes, header);
}

Bitmap ReadBmpFile(const std::string& path) { return ReadBmp(ReadFileBytes("BMP", path, MaxFileBytes)); }

std::vector<std::uint8_t> WriteBmp8(const Bitmap& bitmap) {
    RefuseEmpty(bitmap);
    BmpBuilder file(bitmap, 8, PaletteEntries8);
    std::unordered_map<ColorRef, std::uint8_t> indexOf;
    int bytesPerPixel = bitmap.BytesPerPixel();
    for (int row = 0; row < bitmap.Height(); ++row) {
        const std::uint8_t* from = bitmap.ScanLine(row);
        std::uint8_t* to = file.Row(row);
        for (int x = 0; x < bitmap.Width(); ++x, from += bytesPerPixel) {
            ColorRef color = RGB(from[2], from[1], from[0]);
            auto [entry, added] = indexOf.try_emplace(color, static_cast<std::uint8_t>(indexOf.size()));
            if (added) {
                if (indexOf.size() > PaletteEntries8) {
                    Refuse("picture has more than 256 colours; an 8-bit file cannot hold it");
                }
                file.SetPaletteEntry(entry->second, color);
            }
            to[x] = entry->second;
        }
    }
    return file.Take();
}

std::vector<std::uint8_t> WriteBmp24(const Bitmap& bitmap) {
    RefuseEmpty(bitmap);
    BmpBuilder file(bitmap, 24, 0);
    int bytesPerPixel = bitmap.BytesPerPixel();
    for (int row = 0; row < bitmap.Height(); ++row) {
        const std::uint8_t* from = bitmap.ScanLine(row);
        std::uint8_t* to = file.Row(row);
        if (bytesPerPixel == 3) {
            std::memcpy(to, from, static_cast<std::size_t>(bitmap.Width()) * 3);
            continue;
        }
        for (int x = 0; x < bitmap.Width(); ++x, from += bytesPerPixel, to += 3) std::memcpy(to, from, 3);
    }
    return file.Take();
}

void WriteBmpFile8(const Bitmap& bitmap, const std::string& path) {
    WriteFileBytes("BMP", path, WriteBmp8(bitmap));
}

void WriteBmpFile24(const Bitmap& bitmap, const std::string& path) {
    WriteFileBytes("BMP", path, WriteBmp24(bitmap));
}

}  // namespace quendar
