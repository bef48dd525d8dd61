#include "platform/bitmap.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/platform_error.h"

namespace quendar {

namespace {

int RowBytesFor(int width, PixelFormat format) {
    int bytes = width * (format == PixelFormat::Bits32 ? 4 : 3);
    return (bytes + 3) & ~3;
}

void CheckSize(int width, int height, PixelFormat format) {
    if (width < 0 || height < 0 || width > Bitmap::MaxSide || height > Bitmap::MaxSide) {
        throw PlatformError("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                            " is out of range");
    }
    std::size_t bytes = static_cast<std::size_t>(RowBytesFor(width, format)) * static_cast<std::size_t>(height);
    if (bytes > Bitmap::MaxBytes) {
        throw PlatformError("Bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                            " pixels is too large");
    }
}

}  // namespace

Bitmap::Bitmap(int width, int height, PixelFormat format, RowOrder order)
    : format_(format), order_(order) {
    CheckSize(width, height, format);
    width_ = width;
    height_ = height;
    rowBytes_ = RowBytesFor(width, format);
    pixels_.assign(static_cast<std::size_t>(rowBytes_) * static_cast<std::size_t>(height), 0);
}

void Bitmap::Resize(int width, int height) {
    if (width == width_ && height == height_) return;
    Bitmap resized(width, height, format_, order_);
    int copyBytes = std::min(width_, width) * BytesPerPixel();
    for (int row = 0; row < std::min(height_, height); ++row) {
        std::memcpy(resized.ScanLine(row), ScanLine(row), static_cast<std::size_t>(copyBytes));
    }
    *this = std::move(resized);
}

Bitmap Bitmap::ConvertedTo(PixelFormat format) const {
    if (format == format_) return *this;
    Bitmap converted(width_, height_, format, order_);
    int fromBytes = BytesPerPixel();
    int toBytes = converted.BytesPerPixel();
    for (int row = 0; row < height_; ++row) {
        const std::uint8_t* from = ScanLine(row);
        std::uint8_t* to = converted.ScanLine(row);
        for (int x = 0; x < width_; ++x) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            from += fromBytes;
            to += toBytes;
        }
    }
    return converted;
}

void Bitmap::SetFormat(PixelFormat format) {
    if (format != format_) *this = ConvertedTo(format);
}

ColorRef Bitmap::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const std::uint8_t* p = ScanLine(y) + x * BytesPerPixel();
    return RGB(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, ColorRef color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    std::uint8_t* p = ScanLine(y) + x * BytesPerPixel();
    p[0] = static_cast<std::uint8_t>(GetBValue(color));
    p[1] = static_cast<std::uint8_t>(GetGValue(color));
    p[2] = static_cast<std::uint8_t>(GetRValue(color));
}

void Bitmap::Fill(ColorRef color) {
    if (IsEmpty()) return;
    int bpp = BytesPerPixel();
    std::uint8_t* first = ScanLine(0);
    for (int x = 0; x < width_; ++x) {
        std::uint8_t* p = first + x * bpp;
        p[0] = static_cast<std::uint8_t>(GetBValue(color));
        p[1] = static_cast<std::uint8_t>(GetGValue(color));
        p[2] = static_cast<std::uint8_t>(GetRValue(color));
        if (bpp == 4) p[3] = 0;
    }
    for (int row = 1; row < height_; ++row) {
        std::memcpy(ScanLine(row), first, static_cast<std::size_t>(width_ * bpp));
    }
}

bool operator==(const Bitmap& a, const Bitmap& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_ || a.format_ != b.format_) return false;
    std::size_t used = static_cast<std::size_t>(a.width_ * a.BytesPerPixel());
    for (int row = 0; row < a.height_; ++row) {
        if (std::memcmp(a.ScanLine(row), b.ScanLine(row), used) != 0) return false;
    }
    return true;
}

}  // namespace quendar
