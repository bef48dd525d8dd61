#include "skin/paint/device_drawing.h"

#include <array>

#include "platform/system_colors.h"

namespace quendar {
namespace {

constexpr ColorRef Black = 0x00000000;
constexpr ColorRef White = 0x00FFFFFF;

// Puts the pen and brush back however the drawing ends.
class PenAndBrushKeeper {
public:
    explicit PenAndBrushKeeper(DeviceContext& dc)
        : dc_(dc), pen_(dc.CurrentPen()), brush_(dc.CurrentBrush()) {}
    ~PenAndBrushKeeper() {
        dc_.SelectPen(pen_);
        dc_.SelectBrush(brush_);
    }
    PenAndBrushKeeper(const PenAndBrushKeeper&) = delete;
    PenAndBrushKeeper& operator=(const PenAndBrushKeeper&) = delete;

private:
    DeviceContext& dc_;
    Pen pen_;
    Brush brush_;
};

// Restores the whole saved state however the drawing ends.
class StateKeeper {
public:
    explicit StateKeeper(DeviceContext& dc) : dc_(dc), level_(dc.SaveDC()) {}
    ~StateKeeper() { dc_.RestoreDC(level_); }
    StateKeeper(const StateKeeper&) = delete;
    StateKeeper& operator=(const StateKeeper&) = delete;

private:
    DeviceContext& dc_;
    int level_;
};

}  // namespace

void FillDeviceRect(DeviceContext& dc, const Rect& rect, ColorRef color) {
    StateKeeper state(dc);
    PenAndBrushKeeper tools(dc);
    const Brush brush = Brush::Solid(ColorToRGB(color));
    dc.SelectBrush(brush);
    dc.FillRect(rect, brush);
}

void DrawFrame3D(DeviceContext& dc, Rect& rect, ColorRef topLeft, int width, ColorRef bottomRight) {
    PenAndBrushKeeper tools(dc);
    const Pen topPen = Pen::Solid(ColorToRGB(topLeft));
    const Pen bottomPen = Pen::Solid(bottomRight);
    dc.SelectBrush(Brush::Null());
    // The lines run on the last column and row, so the far edges count inside
    // while drawing.
    --rect.Right;
    --rect.Bottom;
    for (; width > 0; --width) {
        dc.SelectPen(topPen);
        const std::array<Point, 3> topAndLeft{
            Point{rect.Left, rect.Bottom}, Point{rect.Left, rect.Top}, Point{rect.Right, rect.Top}};
        dc.Polyline(topAndLeft);
        dc.SelectPen(bottomPen);
        const std::array<Point, 3> rightAndBottom{Point{rect.Right, rect.Top},
                                                  Point{rect.Right, rect.Bottom},
                                                  Point{rect.Left - 1, rect.Bottom}};
        dc.Polyline(rightAndBottom);
        rect = rect.Inflate(-1, -1);
    }
    ++rect.Right;
    ++rect.Bottom;
}

void DrawDottedFocusFrame(DeviceContext& dc, const Rect& rect) {
    for (int i = 0; i <= (rect.Right - rect.Left) / 3; ++i) {
        const int x = rect.Left + 3 * i;
        dc.SetPixel(x, rect.Top, Black);
        dc.SetPixel(x, rect.Bottom, Black);
        dc.SetPixel(x - 1, rect.Top - 1, White);
        dc.SetPixel(x - 1, rect.Bottom - 1, White);
    }
    for (int j = 0; j <= (rect.Bottom - rect.Top) / 3; ++j) {
        const int y = rect.Top + 3 * j;
        dc.SetPixel(rect.Left, y, Black);
        dc.SetPixel(rect.Right, y, Black);
        dc.SetPixel(rect.Left - 1, y - 1, White);
        dc.SetPixel(rect.Right - 1, y - 1, White);
    }
}

}  // namespace quendar
