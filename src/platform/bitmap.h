#pragma once
// Device-independent bitmaps with their own pixel buffer.
//
// A pixel is blue, green, red bytes (24 bits) or blue, green, red, alpha
// (32 bits). Rows are padded to a multiple of four bytes. Row 0 is the top row
// of the picture; in a bottom-up bitmap it lies last in memory, so the stride
// (ScanLine(1) - ScanLine(0)) is negative. Painting code derives the stride
// from row addresses and works for both orders.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

namespace quendar {

enum class PixelFormat { Bits24 = 24, Bits32 = 32 };
enum class RowOrder { BottomUp, TopDown };

class Bitmap {
public:
    // Largest side and largest pixel buffer accepted; more is refused with a
    // PlatformError instead of attempting a huge allocation.
    static constexpr int MaxSide = 32768;
    static constexpr std::size_t MaxBytes = std::size_t{512} << 20;

    Bitmap() = default;
    // A bitmap of the given size; every byte zero (black, alpha 0).
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Bits24,
           RowOrder order = RowOrder::BottomUp);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Size Dimensions() const { return {width_, height_}; }
    Rect Bounds() const { return {0, 0, width_, height_}; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    PixelFormat Format() const { return format_; }
    RowOrder Order() const { return order_; }
    int BytesPerPixel() const { return format_ == PixelFormat::Bits32 ? 4 : 3; }
    // Bytes from one row to the next in memory order, padding included.
    int RowBytes() const { return rowBytes_; }

    // Address of the first byte of picture row `row` (0 = top). Callers keep
    // 0 <= row < Height().
    std::uint8_t* ScanLine(int row) { return pixels_.data() + RowOffset(row); }
    const std::uint8_t* ScanLine(int row) const { return pixels_.data() + RowOffset(row); }
    // Signed distance in bytes from row 0 to row 1.
    std::ptrdiff_t Stride() const { return order_ == RowOrder::TopDown ? rowBytes_ : -rowBytes_; }

    // Changes the size; the part both sizes share keeps its pixels, new pixels
    // are zero.
    void Resize(int width, int height);
    // Changes the depth in place; colours are kept, alpha becomes 0 going to 32 bits.
    void SetFormat(PixelFormat format);
    Bitmap ConvertedTo(PixelFormat format) const;

    // Slow single-pixel access for tests and tools; outside the bitmap
    // PixelAt answers CLR_INVALID and SetPixel does nothing.
    ColorRef PixelAt(int x, int y) const;
    void SetPixel(int x, int y, ColorRef color);
    // Fills the whole bitmap with one colour (alpha 0 in 32-bit bitmaps).
    void Fill(ColorRef color);

    friend bool operator==(const Bitmap& a, const Bitmap& b);

private:
    std::size_t RowOffset(int row) const {
        int memoryRow = order_ == RowOrder::TopDown ? row : height_ - 1 - row;
        return static_cast<std::size_t>(memoryRow) * static_cast<std::size_t>(rowBytes_);
    }

    int width_ = 0;
    int height_ = 0;
    PixelFormat format_ = PixelFormat::Bits24;
    RowOrder order_ = RowOrder::BottomUp;
    int rowBytes_ = 0;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace quendar
