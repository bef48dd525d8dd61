#pragma once
// Plain implementations of the pixel routines, written straight from their
// formulas, pixel by pixel through PixelAt/SetPixel and std::nearbyint. The
// optimised routines must produce the same bytes.

#include <algorithm>
#include <cmath>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/system_colors.h"

namespace quendar::reference {

inline int RoundedClamped(double value) {
    return static_cast<int>(std::clamp(std::nearbyint(value), 0.0, 255.0));
}

inline bool SameRGB(ColorRef a, ColorRef b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

inline void Mix(Bitmap& bmp, Rect r, int percent, ColorRef color) {
    const ColorRef c = ColorToRGB(color);
    const double f = percent / 100.0;
    const double g = 1 - f;
    for (int y = std::max(r.Top, 0); y <= std::min(r.Bottom, bmp.Height() - 1); ++y) {
        for (int x = std::max(r.Left, 0); x <= std::min(r.Right, bmp.Width() - 1); ++x) {
            const ColorRef p = bmp.PixelAt(x, y);
            bmp.SetPixel(x, y,
                         RGB(RoundedClamped(f * GetRValue(p) + g * GetRValue(c)),
                             RoundedClamped(f * GetGValue(p) + g * GetGValue(c)),
                             RoundedClamped(f * GetBValue(p) + g * GetBValue(c))));
        }
    }
}

inline int Sum(int d, int s, int w) { return (d * w + s * (255 - w) + 127) >> 8; }

inline void SumRect(Bitmap& dst, const Bitmap& src, int w, Point pt, Rect sr) {
    if (dst.Width() < 2 || dst.Height() < 2 || src.Width() < 2 || src.Height() < 2) return;
    if (pt.X < 0) { sr.Left -= pt.X; pt.X = 0; }
    if (pt.Y < 0) { sr.Top -= pt.Y; pt.Y = 0; }
    if (sr.Left < 0) { pt.X -= sr.Left; sr.Left = 0; }
    if (sr.Top < 0) { pt.Y -= sr.Top; sr.Top = 0; }
    sr.Right = std::min(sr.Right, src.Width());
    sr.Bottom = std::min(sr.Bottom, src.Height());
    const int width = std::min(sr.Right - sr.Left, dst.Width() - pt.X);
    const int height = std::min(sr.Bottom - sr.Top, dst.Height() - pt.Y);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const ColorRef d = dst.PixelAt(pt.X + i, pt.Y + j);
            const ColorRef s = src.PixelAt(sr.Left + i, sr.Top + j);
            dst.SetPixel(pt.X + i, pt.Y + j,
                         RGB(Sum(GetRValue(d), GetRValue(s), w), Sum(GetGValue(d), GetGValue(s), w),
                             Sum(GetBValue(d), GetBValue(s), w)));
        }
    }
}

inline int Over(int s, int d, double factor) { return RoundedClamped(s - factor * (s - d)); }

inline void BlendOver(Bitmap& dst, int x, int y, ColorRef key, double factor, Rect sr,
                      const Bitmap& src) {
    const bool all = (key >> 24) == 0xFF;
    for (int sy = std::max(sr.Top, 0); sy <= std::min(sr.Bottom, src.Height() - 1); ++sy) {
        for (int sx = std::max(sr.Left, 0); sx <= std::min(sr.Right, src.Width() - 1); ++sx) {
            const int dx = x + sx - sr.Left;
            const int dy = y + sy - sr.Top;
            if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height()) continue;
            const ColorRef s = src.PixelAt(sx, sy);
            if (!all && SameRGB(s, key)) continue;
            const ColorRef d = dst.PixelAt(dx, dy);
            dst.SetPixel(dx, dy,
                         RGB(Over(GetRValue(s), GetRValue(d), factor),
                             Over(GetGValue(s), GetGValue(d), factor),
                             Over(GetBValue(s), GetBValue(d), factor)));
        }
    }
}

inline void KeyCopy(Bitmap& dst, const Bitmap& src, int x, ColorRef key, int y) {
    for (int sy = 0; sy < src.Height(); ++sy) {
        for (int sx = 0; sx < src.Width(); ++sx) {
            const ColorRef s = src.PixelAt(sx, sy);
            if (!SameRGB(s, key)) dst.SetPixel(x + sx, y + sy, s);  // SetPixel ignores outside
        }
    }
}

// With `parent` null, key pixels are left out.
inline void KeyCopyBackdrop(Bitmap& dst, const Bitmap& src, int x, const Bitmap* parent,
                            int offsetX, int offsetY, ColorRef key, Rect sr, int y) {
    for (int sy = std::max(sr.Top, 0); sy <= std::min(sr.Bottom, src.Height() - 1); ++sy) {
        for (int sx = std::max(sr.Left, 0); sx <= std::min(sr.Right, src.Width() - 1); ++sx) {
            const int dx = x + sx - sr.Left;
            const int dy = y + sy - sr.Top;
            if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height()) continue;
            const ColorRef s = src.PixelAt(sx, sy);
            if (!SameRGB(s, key)) {
                dst.SetPixel(dx, dy, s);
                continue;
            }
            if (parent == nullptr) continue;
            const int px = offsetX + dx;
            const int py = offsetY + dy;
            if (px >= parent->Width()) break;
            if (px < 0 || py < 0 || py >= parent->Height()) continue;
            dst.SetPixel(dx, dy, parent->PixelAt(px, py));
        }
    }
}

inline void Gray(Bitmap& bmp, bool exceptKey, ColorRef key) {
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
            const ColorRef p = bmp.PixelAt(x, y);
            if (exceptKey && SameRGB(p, key)) continue;
            const int g = (GetRValue(p) + GetGValue(p) + GetBValue(p)) / 3;
            bmp.SetPixel(x, y, RGB(g, g, g));
        }
    }
}

inline void Tint(Bitmap& bmp, const Bitmap& weights, ColorRef color) {
    if (bmp.Dimensions() != weights.Dimensions()) return;
    const ColorRef c = ColorToRGB(color);
    auto channel = [](int p, int w, int k) { return std::clamp((k * 256 + w * (p - k)) >> 8, 0, 255); };
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
            const ColorRef p = bmp.PixelAt(x, y);
            const ColorRef w = weights.PixelAt(x, y);
            bmp.SetPixel(x, y,
                         RGB(channel(GetRValue(p), GetRValue(w), GetRValue(c)),
                             channel(GetGValue(p), GetGValue(w), GetGValue(c)),
                             channel(GetBValue(p), GetBValue(w), GetBValue(c))));
        }
    }
}

}  // namespace quendar::reference
