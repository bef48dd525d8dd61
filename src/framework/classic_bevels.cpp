#include "framework/classic_bevels.h"

#include "platform/system_colors.h"

namespace quendar {

void Frame3D(DeviceContext& dc, Rect& rect, ColorRef topLeft, ColorRef bottomRight, int width) {
    for (int ring = 0; ring < width && !rect.IsEmpty(); ++ring) {
        dc.FillSolidRect({rect.Left, rect.Top, rect.Right - 1, rect.Top + 1}, topLeft);
        dc.FillSolidRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1}, topLeft);
        dc.FillSolidRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, bottomRight);
        dc.FillSolidRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, bottomRight);
        rect = rect.Inflate(-1, -1);
    }
}

void DrawRaisedEdge(DeviceContext& dc, Rect& rect) {
    Frame3D(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW), 1);
    Frame3D(dc, rect, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_BTNSHADOW), 1);
}

void DrawSunkenEdge(DeviceContext& dc, Rect& rect) {
    Frame3D(dc, rect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), 1);
    Frame3D(dc, rect, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT), 1);
}

void FillDitheredFace(DeviceContext& dc, const Rect& rect) {
    ColorRef face = GetSysColor(COLOR_BTNFACE);
    ColorRef highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    dc.FillSolidRect(rect, face);
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        int first = rect.Left + ((rect.Left + y) & 1);
        for (int x = first; x < rect.Right; x += 2) dc.SetPixel(x, y, highlight);
    }
}

}  // namespace quendar
