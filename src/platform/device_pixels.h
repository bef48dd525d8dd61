#pragma once
// Pixel stores shared by the device context's drawing files. Coordinates are
// bitmap coordinates; every routine here stays inside the given clip, which
// callers keep inside the bitmap.

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/region.h"

namespace quendar {

// Writes an RGB colour (no system colour reference) into one pixel; a 32-bit
// pixel gets alpha 0, as every drawing operation leaves it.
inline void StoreColor(std::uint8_t* pixel, int bytesPerPixel, ColorRef rgb) {
    pixel[0] = static_cast<std::uint8_t>(GetBValue(rgb));
    pixel[1] = static_cast<std::uint8_t>(GetGValue(rgb));
    pixel[2] = static_cast<std::uint8_t>(GetRValue(rgb));
    if (bytesPerPixel == 4) pixel[3] = 0;
}

inline std::uint8_t* PixelAddress(Bitmap& bitmap, int x, int y) {
    return bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
}

// Fills the part of `area` inside `clip` with an RGB colour.
void FillClippedRect(Bitmap& bitmap, const Region& clip, const Rect& area, ColorRef rgb);

// Puts one pixel when the clip holds it.
inline void PutClippedPixel(Bitmap& bitmap, const Region& clip, Point p, ColorRef rgb) {
    if (clip.Contains(p)) StoreColor(PixelAddress(bitmap, p.X, p.Y), bitmap.BytesPerPixel(), rgb);
}

}  // namespace quendar
