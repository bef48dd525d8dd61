#pragma once
// Pixel-level drawing for the built-in skin's artwork: one state picture of
// an image area at a time, with its mask written beside it.
//
// Mask convention (the painting code reads masks this way): a mask pixel is a
// grey level G = the share of the background that shows through the picture
// pixel above it. Black (0) is an opaque picture pixel, white (255) a fully
// transparent one, greys in between blend. A fully transparent picture pixel
// is also magenta (0xFF00FF), so code that only knows the key colour treats
// it as a hole too. Areas without a mask have no blending: a pixel is either
// a colour or magenta.

#include <algorithm>
#include <cmath>

#include "platform/bitmap.h"
#include "platform/geometry.h"

namespace quendar::artwork {

inline constexpr ColorRef Magenta = RGB(255, 0, 255);

// Linear blend: amount 0 gives a, 255 gives b.
inline ColorRef Mix(ColorRef a, ColorRef b, int amount) {
    const auto channel = [amount](int x, int y) { return (x * (255 - amount) + y * amount + 127) / 255; };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

// Opacities are kept to a few steps so both bitmaps stay within one
// 256-entry palette.
inline int QuantizedOpacity(int opacity) {
    const int clamped = std::clamp(opacity, 0, 255);
    return std::min(255, (clamped + 16) / 32 * 32);
}

// Share of the pixel (x, y) covered by a disc, from 4 x 4 samples.
inline int DiscCoverage(int x, int y, double centreX, double centreY, double radius) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double dx = x + (sx + 0.5) / 4 - centreX;
            const double dy = y + (sy + 0.5) / 4 - centreY;
            if (dx * dx + dy * dy <= radius * radius) ++inside;
        }
    return inside * 255 / 16;
}

// Draws state `state` of an image area whose rectangle holds `imageCount`
// pictures side by side and, with `masked`, their masks in its lower half.
// Coordinates are relative to the state picture; pixels outside it are
// ignored, so callers need not clip.
class StatePainter {
public:
    StatePainter(Bitmap& target, const Rect& area, int imageCount, bool masked, int state)
        : target_(target), masked_(masked) {
        width_ = area.Width() / imageCount;
        height_ = area.Height() / (masked ? 2 : 1);
        left_ = area.Left + state * width_;
        top_ = area.Top;
    }

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Opacity 255 is opaque, 0 leaves the pixel transparent.
    void Put(int x, int y, ColorRef color, int opacity = 255) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
        const int level = QuantizedOpacity(opacity);
        if (!masked_) {
            target_.SetPixel(left_ + x, top_ + y, level >= 128 ? color : Magenta);
            return;
        }
        target_.SetPixel(left_ + x, top_ + y, level == 0 ? Magenta : color);
        const int grey = 255 - level;
        target_.SetPixel(left_ + x, top_ + height_ + y, RGB(grey, grey, grey));
    }
    void Clear(int x, int y) { Put(x, y, Magenta, 0); }

    void Fill(const Rect& r, ColorRef color, int opacity = 255) {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) Put(x, y, color, opacity);
    }
    // One-pixel outline inside r.
    void Frame(const Rect& r, ColorRef color, int opacity = 255) {
        for (int x = r.Left; x < r.Right; ++x) {
            Put(x, r.Top, color, opacity);
            Put(x, r.Bottom - 1, color, opacity);
        }
        for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
            Put(r.Left, y, color, opacity);
            Put(r.Right - 1, y, color, opacity);
        }
    }
    // Top-to-bottom blend over r, one colour per row.
    void VerticalGradient(const Rect& r, ColorRef top, ColorRef bottom, int opacity = 255) {
        const int rows = std::max(1, r.Height() - 1);
        for (int y = r.Top; y < r.Bottom; ++y) {
            const ColorRef row = Mix(top, bottom, (y - r.Top) * 255 / rows);
            for (int x = r.Left; x < r.Right; ++x) Put(x, y, row, opacity);
        }
    }
    // A line of square pixels from (x0, y0) to (x1, y1), `thickness` wide
    // downward and rightward.
    void Line(int x0, int y0, int x1, int y1, ColorRef color, int thickness = 1) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            const int x = steps == 0 ? x0 : x0 + (x1 - x0) * i / steps;
            const int y = steps == 0 ? y0 : y0 + (y1 - y0) * i / steps;
            for (int t = 0; t < thickness; ++t) {
                Put(x + t, y, color);
                if (x0 != x1 && y0 != y1) Put(x, y + t, color);
            }
        }
    }

private:
    Bitmap& target_;
    bool masked_;
    int width_ = 0;
    int height_ = 0;
    int left_ = 0;
    int top_ = 0;
};

}  // namespace quendar::artwork
