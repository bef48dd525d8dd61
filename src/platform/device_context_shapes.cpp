// Outlined shapes and lines of the device context: Rectangle, RoundRect,
// MoveTo/LineTo and Polyline. Pens are one pixel wide.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/device_context.h"
#include "platform/device_pixels.h"
#include "platform/system_colors.h"

namespace quendar {

namespace {

Rect Normalized(const Rect& r) {
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
            std::max(r.Top, r.Bottom)};
}

// How far row `k` (counted from the nearer of the top and bottom edges) of a
// rounded rectangle starts inside its left edge. A pixel belongs to the shape
// when its centre lies inside the corner ellipse, whose box is `cornerWidth`
// x `cornerHeight` pixels. No row is empty and the middle row is full, so the
// shape touches all four sides of its rectangle.
std::vector<int> RoundedRowInsets(int width, int height, int cornerWidth, int cornerHeight) {
    std::vector<int> insets(static_cast<std::size_t>((height + 1) / 2), 0);
    if (cornerWidth < 2 || cornerHeight < 2) return insets;
    double radiusX = cornerWidth / 2.0;
    double radiusY = cornerHeight / 2.0;
    int widest = (width - 1) / 2;
    for (std::size_t k = 0; k < insets.size(); ++k) {
        double dy = radiusY - (static_cast<double>(k) + 0.5);
        if (dy <= 0) break;
        double ratio = dy / radiusY;
        double dx = radiusX * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
        int inset = static_cast<int>(std::ceil(radiusX - dx - 0.5 - 1e-9));
        insets[k] = std::clamp(inset, 0, widest);
    }
    // The middle row spans the full width even when a flat ellipse's centres
    // miss the first and last pixel, so the sides are always reached.
    insets.back() = 0;
    return insets;
}

}  // namespace

void DeviceContext::Rectangle(const Rect& rect) { RoundRect(rect, 0, 0); }

// The pen runs along the edge pixels of the rectangle (Right - 1 and Bottom - 1
// included) and the brush fills what lies inside it. Without a pen the brush
// covers the rectangle less its last column and row, as the window system does.
void DeviceContext::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight) {
    Rect r = Normalized(rect).Offset(origin_.X, origin_.Y);
    if (pen_.Null) r = {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    if (r.IsEmpty()) return;
    int width = r.Width();
    int height = r.Height();
    std::vector<int> insets = RoundedRowInsets(width, height, std::clamp(ellipseWidth, 0, width),
                                               std::clamp(ellipseHeight, 0, height));
    bool fill = !brush_.Hollow;
    ColorRef fillColor = ColorToRGB(brush_.Color);
    ColorRef penColor = ColorToRGB(pen_.Color);
    for (int y = r.Top; y < r.Bottom; ++y) {
        int k = std::min(y - r.Top, r.Bottom - 1 - y);
        int inset = insets[static_cast<std::size_t>(k)];
        if (pen_.Null) {
            if (fill)
                FillClippedRect(*target_, effectiveClip_, {r.Left + inset, y, r.Right - inset, y + 1},
                                fillColor);
            continue;
        }
        if (k == 0) {
            FillClippedRect(*target_, effectiveClip_, {r.Left + inset, y, r.Right - inset, y + 1}, penColor);
            continue;
        }
        // The outline reaches over to where the row nearer the edge starts, so
        // it stays connected along the curve.
        int outlineEnd = std::max(inset, insets[static_cast<std::size_t>(k - 1)] - 1) + 1;
        FillClippedRect(*target_, effectiveClip_, {r.Left + inset, y, r.Left + outlineEnd, y + 1}, penColor);
        FillClippedRect(*target_, effectiveClip_, {r.Right - outlineEnd, y, r.Right - inset, y + 1},
                        penColor);
        if (fill) {
            FillClippedRect(*target_, effectiveClip_, {r.Left + outlineEnd, y, r.Right - outlineEnd, y + 1},
                            fillColor);
        }
    }
}

Point DeviceContext::MoveTo(Point p) {
    Point previous = penPosition_;
    penPosition_ = p;
    return previous;
}

namespace {

// Bresenham's line in bitmap coordinates, `to` excluded.
void DrawClippedLine(Bitmap& bitmap, const Region& clip, Point from, Point to, ColorRef rgb) {
    Rect box = Normalized({from.X, from.Y, to.X, to.Y});
    if (!Rect{box.Left, box.Top, box.Right + 1, box.Bottom + 1}.Intersects(clip.Bounds())) return;
    std::int64_t x = from.X;
    std::int64_t y = from.Y;
    const std::int64_t dx = std::llabs(std::int64_t{to.X} - from.X);
    const std::int64_t dy = -std::llabs(std::int64_t{to.Y} - from.Y);
    const int stepX = from.X < to.X ? 1 : -1;
    const int stepY = from.Y < to.Y ? 1 : -1;
    std::int64_t error = dx + dy;
    while (x != to.X || y != to.Y) {
        PutClippedPixel(bitmap, clip, {static_cast<int>(x), static_cast<int>(y)}, rgb);
        std::int64_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

}  // namespace

void DeviceContext::LineTo(Point p) {
    if (!pen_.Null) {
        DrawClippedLine(*target_, effectiveClip_, penPosition_ + origin_, p + origin_,
                        ColorToRGB(pen_.Color));
    }
    penPosition_ = p;
}

void DeviceContext::Polyline(std::span<const Point> points) {
    if (pen_.Null || points.size() < 2) return;
    ColorRef rgb = ColorToRGB(pen_.Color);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        DrawClippedLine(*target_, effectiveClip_, points[i] + origin_, points[i + 1] + origin_, rgb);
    }
}

}  // namespace quendar
