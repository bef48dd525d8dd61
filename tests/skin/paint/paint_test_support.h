#pragma once
// Helpers for the paint tests: tiny bitmaps from pixel lists, random
// pictures, and the row orders every routine must handle alike.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/color.h"

namespace quendar::testing {

inline constexpr RowOrder BothRowOrders[] = {RowOrder::BottomUp, RowOrder::TopDown};

inline std::string OrderName(RowOrder order) {
    return order == RowOrder::TopDown ? "top-down" : "bottom-up";
}

// Rows of 0x00BBGGRR values, top row first.
inline Bitmap BitmapOf(const std::vector<std::vector<ColorRef>>& rows, RowOrder order) {
    Bitmap bmp(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
               PixelFormat::Bits24, order);
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) bmp.SetPixel(x, y, rows[y][x]);
    }
    return bmp;
}

inline std::vector<std::vector<ColorRef>> PixelsOf(const Bitmap& bmp) {
    std::vector<std::vector<ColorRef>> rows(bmp.Height(), std::vector<ColorRef>(bmp.Width()));
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) rows[y][x] = bmp.PixelAt(x, y);
    }
    return rows;
}

inline Bitmap FilledBitmap(int width, int height, ColorRef color, RowOrder order) {
    Bitmap bmp(width, height, PixelFormat::Bits24, order);
    bmp.Fill(color);
    return bmp;
}

// Random pixels; about one in `keyShare` is `key`, so key handling is hit.
inline Bitmap RandomBitmap(std::mt19937& random, int width, int height, RowOrder order,
                           ColorRef key = 0x00FF00FF, int keyShare = 5) {
    Bitmap bmp(width, height, PixelFormat::Bits24, order);
    std::uniform_int_distribution<std::uint32_t> colors(0, 0xFFFFFF);
    std::uniform_int_distribution<int> share(0, keyShare - 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bmp.SetPixel(x, y, share(random) == 0 ? (key & 0xFFFFFF) : colors(random));
        }
    }
    return bmp;
}

inline int RandomInt(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

}  // namespace quendar::testing
