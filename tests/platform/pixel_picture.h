#pragma once
// Test helpers: a bitmap as rows of characters, one per pixel, so expected
// pictures read as pictures. Unknown colours show as '?'.

#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace quendar {

struct PaletteEntry {
    ColorRef Color;
    char Symbol;
};

inline const std::vector<PaletteEntry>& DefaultPalette() {
    static const std::vector<PaletteEntry> palette = {
        {RGB(0, 0, 0), '.'},   {RGB(255, 255, 255), 'W'}, {RGB(255, 0, 0), 'R'},     {RGB(0, 255, 0), 'G'},
        {RGB(0, 0, 255), 'B'}, {RGB(255, 255, 0), 'Y'},   {RGB(212, 208, 200), 'F'},
    };
    return palette;
}

inline std::vector<std::string> Picture(const Bitmap& bitmap,
                                        const std::vector<PaletteEntry>& palette = DefaultPalette()) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            char symbol = '?';
            for (const PaletteEntry& entry : palette) {
                if (entry.Color == bitmap.PixelAt(x, y)) symbol = entry.Symbol;
            }
            row += symbol;
        }
        rows.push_back(row);
    }
    return rows;
}

// Every layout a device context must draw the same picture on.
struct Layout {
    PixelFormat Format;
    RowOrder Order;
    const char* Name;
};

inline constexpr Layout AllLayouts[] = {
    {PixelFormat::Bits24, RowOrder::BottomUp, "24-bit bottom-up"},
    {PixelFormat::Bits24, RowOrder::TopDown, "24-bit top-down"},
    {PixelFormat::Bits32, RowOrder::BottomUp, "32-bit bottom-up"},
    {PixelFormat::Bits32, RowOrder::TopDown, "32-bit top-down"},
};

}  // namespace quendar
