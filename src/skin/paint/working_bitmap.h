#pragma once
// The engine's working bitmaps: device-independent, bottom-up like the window
// system's own, every byte zero. Returned by value; the caller owns them.
// Sizes outside Bitmap's limits throw PlatformError.

#include "platform/bitmap.h"

namespace quendar {

inline Bitmap NewBitmap24(int width, int height) {
    return Bitmap(width, height, PixelFormat::Bits24, RowOrder::BottomUp);
}

// Only the output-window feature paints on 32 bits.
inline Bitmap NewBitmap32(int width, int height) {
    return Bitmap(width, height, PixelFormat::Bits32, RowOrder::BottomUp);
}

}  // namespace quendar
