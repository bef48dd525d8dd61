#include "skin/paint/row_fill.h"

#include <cstring>

#include "platform/system_colors.h"

namespace quendar {

void FillRow24(std::uint8_t* row, int left, int right, ColorRef rgb) {
    if (right <= left) return;
    // Four pixels are three 32-bit words; sixteen pixels (48 bytes) are whole
    // 16-byte words, so the block copy below becomes three plain stores.
    const std::uint32_t blue = GetBValue(rgb), green = GetGValue(rgb), red = GetRValue(rgb);
    const std::uint32_t words[3] = {blue | green << 8 | red << 16 | blue << 24,
                                    green | red << 8 | blue << 16 | green << 24,
                                    red | blue << 8 | green << 16 | red << 24};
    constexpr int BlockPixels = 16;
    std::uint8_t block[BlockPixels * 3];
    for (int i = 0; i < BlockPixels / 4; ++i) std::memcpy(block + 12 * i, words, sizeof words);
    std::uint8_t* out = row + static_cast<std::ptrdiff_t>(left) * 3;
    int count = right - left;
    for (; count >= BlockPixels; count -= BlockPixels, out += sizeof block) {
        std::memcpy(out, block, sizeof block);
    }
    std::memcpy(out, block, static_cast<std::size_t>(count) * 3);
}

void FillRect24(Bitmap& bitmap, const Rect& rect, ColorRef color) {
    if (bitmap.Format() != PixelFormat::Bits24) return;
    Rect area = rect.Intersect(bitmap.Bounds());
    if (area.IsEmpty()) return;
    ColorRef rgb = ColorToRGB(color);
    FillRow24(bitmap.ScanLine(area.Top), area.Left, area.Right, rgb);
    const std::size_t skip = static_cast<std::size_t>(area.Left) * 3;
    const std::size_t bytes = static_cast<std::size_t>(area.Width()) * 3;
    const std::uint8_t* first = bitmap.ScanLine(area.Top) + skip;
    for (int y = area.Top + 1; y < area.Bottom; ++y) std::memcpy(bitmap.ScanLine(y) + skip, first, bytes);
}

}  // namespace quendar
