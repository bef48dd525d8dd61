#include "platform/classic_controls_painting.h"

#include <cmath>
#include <cstdlib>

#include "platform/message_box.h"
#include "platform/system_colors.h"
#include "platform/system_metrics.h"
#include "platform/text_format.h"

namespace quendar {

namespace {

void HorizontalLine(DeviceContext& dc, int left, int right, int y, ColorRef color) {
    dc.FillSolidRect({left, y, right, y + 1}, color);
}

void VerticalLine(DeviceContext& dc, int x, int top, int bottom, ColorRef color) {
    dc.FillSolidRect({x, top, x + 1, bottom}, color);
}

// One-pixel edge: `topLeft` along the top and left, `bottomRight` along the
// bottom and right (which own the two far corners).
void Edge(DeviceContext& dc, const Rect& r, ColorRef topLeft, ColorRef bottomRight) {
    if (r.IsEmpty()) return;
    HorizontalLine(dc, r.Left, r.Right - 1, r.Top, topLeft);
    VerticalLine(dc, r.Left, r.Top, r.Bottom - 1, topLeft);
    HorizontalLine(dc, r.Left, r.Right, r.Bottom - 1, bottomRight);
    VerticalLine(dc, r.Right - 1, r.Top, r.Bottom, bottomRight);
}

// --- icons ----------------------------------------------------------------------

constexpr int IconSize = 32;
constexpr double IconCentre = 15.5;
constexpr double IconRadius = 14.6;

double DistanceFromCentre(int x, int y, double centre) { return std::hypot(x - centre, y - centre); }

// A round plate with a darker rim and a soft shadow down and right.
void Disc(DeviceContext& dc, Point at, ColorRef fill, ColorRef rim) {
    ColorRef shadow = RGB(128, 128, 128);
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            double d = DistanceFromCentre(x, y, IconCentre);
            if (d <= IconRadius)
                dc.SetPixel(at.X + x, at.Y + y, d > IconRadius - 1.2 ? rim : fill);
            else if (std::hypot(x - IconCentre - 1.5, y - IconCentre - 1.5) <= IconRadius)
                dc.SetPixel(at.X + x, at.Y + y, shadow);
        }
    }
}

void StopIcon(DeviceContext& dc, Point at) {
    Disc(dc, at, RGB(255, 0, 0), RGB(128, 0, 0));
    // The white X: two strokes through the centre, each arm 6.5 pixels long.
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x) {
            double dx = x - IconCentre;
            double dy = y - IconCentre;
            if (std::abs(dx) > 7 || std::abs(dy) > 7) continue;
            if (std::abs(dx - dy) <= 2.2 || std::abs(dx + dy) <= 2.2)
                dc.SetPixel(at.X + x, at.Y + y, RGB(255, 255, 255));
        }
    }
}

void WarningIcon(DeviceContext& dc, Point at) {
    // A triangle standing on its base, apex at the top centre.
    for (int y = 1; y < IconSize - 1; ++y) {
        double half = (y - 1) * 0.53 + 0.5;
        for (int x = 0; x < IconSize; ++x) {
            double dx = std::abs(x - IconCentre);
            if (dx > half) continue;
            bool rim = dx > half - 1.3 || y >= IconSize - 3;
            dc.SetPixel(at.X + x, at.Y + y, rim ? RGB(0, 0, 0) : RGB(255, 255, 0));
        }
    }
}

void Glyph(DeviceContext& dc, Point at, std::string_view glyph, ColorRef color, int top) {
    FontDescription font;
    font.Height = -20;
    font.Weight = FW_BOLD;
    dc.SaveDC();
    dc.SelectFont(font);
    dc.SetTextColor(color);
    dc.SetBkMode(TRANSPARENT);
    Rect box = Rect::FromSize(at.X, at.Y + top, IconSize, IconSize - top);
    dc.DrawText(glyph, box, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    dc.RestoreDC(-1);
}

}  // namespace

void DrawPushButton(DeviceContext& dc, const Rect& bounds, std::string_view label, PushButtonLook look) {
    ColorRef face = GetSysColor(COLOR_BTNFACE);
    ColorRef highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    ColorRef light = GetSysColor(COLOR_3DLIGHT);
    ColorRef shadow = GetSysColor(COLOR_BTNSHADOW);
    ColorRef dark = GetSysColor(COLOR_3DDKSHADOW);
    Rect inner = bounds;
    if (look != PushButtonLook::Normal) {
        dc.FrameRect(inner, Brush::Solid(dark));
        inner = inner.Inflate(-1, -1);
    }
    dc.FillSolidRect(inner, face);
    int shift = 0;
    if (look == PushButtonLook::Pressed) {
        dc.FrameRect(inner, Brush::Solid(shadow));
        shift = 1;
    } else {
        Edge(dc, inner, highlight, dark);
        Edge(dc, inner.Inflate(-1, -1), light, shadow);
    }
    dc.SaveDC();
    dc.SelectFont(GetNonClientMetrics().lfMessageFont);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    dc.SetBkMode(TRANSPARENT);
    Rect text = bounds.Offset(shift, shift);
    dc.DrawText(label, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.RestoreDC(-1);
}

void DrawFocusRect(DeviceContext& dc, const Rect& bounds, ColorRef color) {
    if (bounds.IsEmpty()) return;
    int phase = (bounds.Left + bounds.Top) & 1;
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == phase) dc.SetPixel(x, y, color);
    };
    for (int x = bounds.Left; x < bounds.Right; ++x) {
        dot(x, bounds.Top);
        dot(x, bounds.Bottom - 1);
    }
    for (int y = bounds.Top + 1; y < bounds.Bottom - 1; ++y) {
        dot(bounds.Left, y);
        dot(bounds.Right - 1, y);
    }
}

void DrawEtchedLine(DeviceContext& dc, int left, int right, int y) {
    HorizontalLine(dc, left, right, y, GetSysColor(COLOR_BTNSHADOW));
    HorizontalLine(dc, left, right, y + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
}

void DrawEtchedColumn(DeviceContext& dc, int x, int top, int bottom) {
    VerticalLine(dc, x, top, bottom, GetSysColor(COLOR_BTNSHADOW));
    VerticalLine(dc, x + 1, top, bottom, GetSysColor(COLOR_BTNHIGHLIGHT));
}

void DrawMessageBoxIcon(DeviceContext& dc, Point at, unsigned iconFlag) {
    switch (iconFlag & MB_ICONMASK) {
        case MB_ICONSTOP:
            StopIcon(dc, at);
            break;
        case MB_ICONQUESTION:
            Disc(dc, at, RGB(255, 255, 255), RGB(0, 0, 0));
            Glyph(dc, at, "?", RGB(0, 0, 255), 4);
            break;
        case MB_ICONWARNING:
            WarningIcon(dc, at);
            Glyph(dc, at, "!", RGB(0, 0, 0), 8);
            break;
        case MB_ICONINFORMATION:
            Disc(dc, at, RGB(255, 255, 255), RGB(0, 0, 0));
            Glyph(dc, at, "i", RGB(0, 0, 255), 4);
            break;
        default:
            break;
    }
}

}  // namespace quendar
