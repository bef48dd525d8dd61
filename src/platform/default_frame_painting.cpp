// Paints the classic frame: raised outer edge, border, caption band with its
// text and buttons, client edges. The caller's context is in window
// coordinates; the client area is left untouched.

#include "platform/default_frame.h"
#include "platform/program_icon.h"
#include "platform/platform_error.h"
#include "platform/system_colors.h"
#include "platform/system_metrics.h"
#include "platform/text_format.h"
#include "platform/window_messages.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

ColorRef Sys(int index) { return GetSysColor(index); }

// One-pixel ring: top row and left column in `topLeft`, bottom row and right
// column (corners included) in `bottomRight`.
void Ring(DeviceContext& dc, const Rect& r, ColorRef topLeft, ColorRef bottomRight) {
    if (r.IsEmpty()) return;
    dc.FillSolidRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
    dc.FillSolidRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
    dc.FillSolidRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    dc.FillSolidRect({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}

void RaisedEdge(DeviceContext& dc, const Rect& r) {
    Ring(dc, r, Sys(COLOR_3DLIGHT), Sys(COLOR_3DDKSHADOW));
    Ring(dc, r.Inflate(-1, -1), Sys(COLOR_BTNHIGHLIGHT), Sys(COLOR_BTNSHADOW));
}

void SunkenEdge(DeviceContext& dc, const Rect& r) {
    Ring(dc, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
    Ring(dc, r.Inflate(-1, -1), Sys(COLOR_3DDKSHADOW), Sys(COLOR_3DLIGHT));
}

void SolidRings(DeviceContext& dc, const Rect& r, int count, ColorRef color) {
    for (int i = 0; i < count; ++i) Ring(dc, r.Inflate(-i, -i), color, color);
}

void Glyph(DeviceContext& dc, const Rect& button, int code, Point shift, ColorRef color) {
    int x = button.Left + shift.X;
    int y = button.Top + shift.Y;
    switch (code) {
        case HTCLOSE:
            for (int i = 0; i < 7; ++i) {
                dc.FillSolidRect(Rect::FromSize(x + 4 + i, y + 3 + i, 2, 1), color);
                dc.FillSolidRect(Rect::FromSize(x + 10 - i, y + 3 + i, 2, 1), color);
            }
            break;
        case HTMINBUTTON:
            dc.FillSolidRect(Rect::FromSize(x + 4, y + 9, 6, 2), color);
            break;
        case HTMAXBUTTON:
            dc.FillSolidRect(Rect::FromSize(x + 3, y + 2, 9, 2), color);
            Ring(dc, Rect::FromSize(x + 3, y + 2, 9, 9), color, color);
            break;
        default:
            break;
    }
}

void CaptionButton(DeviceContext& dc, const Rect& button, int code, bool pressed, bool enabled) {
    if (button.IsEmpty()) return;
    dc.FillSolidRect(button, Sys(COLOR_BTNFACE));
    if (pressed) {
        Ring(dc, button, Sys(COLOR_3DDKSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        Ring(dc, button.Inflate(-1, -1), Sys(COLOR_BTNSHADOW), Sys(COLOR_3DLIGHT));
    } else {
        RaisedEdge(dc, button);
    }
    Point shift = pressed ? Point{1, 1} : Point{0, 0};
    if (enabled) {
        Glyph(dc, button, code, shift, Sys(COLOR_BTNTEXT));
    } else {
        Glyph(dc, button, code, shift + Point{1, 1}, Sys(COLOR_BTNHIGHLIGHT));
        Glyph(dc, button, code, shift, Sys(COLOR_GRAYTEXT));
    }
}

void CaptionText(DeviceContext& dc, const WindowRecord& window, Rect area) {
    if (window.Text.empty() || area.IsEmpty()) return;
    try {
        dc.SelectFont(GetNonClientMetrics().lfCaptionFont);
        dc.SetTextColor(Sys(window.NcActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(window.Text, area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    } catch (const PlatformError&) {
        // Without any font the caption stays without text; the frame is still usable.
    }
}

void Caption(DeviceContext& dc, const WindowRecord& window) {
    Size size{window.WindowRect.Width(), window.WindowRect.Height()};
    CaptionLayout layout = LayoutCaption(window.Style, window.ExStyle, size);
    if (layout.Caption.IsEmpty()) return;
    dc.FillSolidRect(layout.Caption, Sys(window.NcActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    dc.FillSolidRect({layout.Caption.Left, layout.Caption.Bottom, layout.Caption.Right, layout.Caption.Bottom + 1},
                     Sys(COLOR_BTNFACE));

    const SystemTracking& tracker = State().Tracker;
    int pressed = tracker.Type == SystemTracking::Kind::CaptionButton && tracker.Window == window.Handle &&
                          tracker.Inside
                      ? tracker.Code
                      : 0;
    bool closeEnabled = (window.Class->Style & CS_NOCLOSE) == 0;
    CaptionButton(dc, layout.Close, HTCLOSE, pressed == HTCLOSE, closeEnabled);
    CaptionButton(dc, layout.Maximize, HTMAXBUTTON, pressed == HTMAXBUTTON, layout.MaximizeEnabled);
    CaptionButton(dc, layout.Minimize, HTMINBUTTON, pressed == HTMINBUTTON, layout.MinimizeEnabled);

    if (layout.HasSystemMenu) {
        const Rect& box = layout.SystemMenu;
        DrawIconEx(&dc, box.Left + (box.Width() - 16) / 2, box.Top + (box.Height() - 16) / 2,
                   GetProgramIcon(ICON_SMALL));
    }

    Rect text = layout.Caption;
    text.Left = (layout.HasSystemMenu ? layout.SystemMenu.Right : layout.Caption.Left) + 2;
    int buttonsLeft = !layout.Minimize.IsEmpty() ? layout.Minimize.Left
                      : !layout.Close.IsEmpty()  ? layout.Close.Left
                                                 : layout.Caption.Right;
    text.Right = buttonsLeft - 2;
    CaptionText(dc, window, text);
}

}  // namespace

void PaintDefaultFrame(DeviceContext& dc, const WindowRecord& window) {
    dc.SaveDC();
    dc.ExcludeClipRect(window.ClientRect);
    Rect r = Rect::FromSize(0, 0, window.WindowRect.Width(), window.WindowRect.Height());
    int frame = DefaultFrameThickness(window.Style, window.ExStyle);
    bool sizing = (window.Style & WS_THICKFRAME) != 0;
    if (frame >= 2 && (sizing || (window.Style & WS_DLGFRAME) || (window.ExStyle & WS_EX_DLGMODALFRAME))) {
        RaisedEdge(dc, r);
        int border = sizing ? (window.NcActive ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_BTNFACE;
        SolidRings(dc, r.Inflate(-2, -2), frame - 2, Sys(border));
    } else if (frame > 0) {
        SolidRings(dc, r, frame, Sys(COLOR_WINDOWFRAME));
    }
    r = r.Inflate(-frame, -frame);
    Caption(dc, window);
    if (HasCaption(window.Style)) {
        r.Top += GetSystemMetrics((window.ExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    }
    if (window.ExStyle & WS_EX_CLIENTEDGE) {
        SunkenEdge(dc, r);
        r = r.Inflate(-2, -2);
    } else if (window.ExStyle & WS_EX_STATICEDGE) {
        Ring(dc, r, Sys(COLOR_BTNSHADOW), Sys(COLOR_BTNHIGHLIGHT));
        r = r.Inflate(-1, -1);
    }
    // What is left outside the client area is room for scroll bars.
    dc.FillSolidRect(r, Sys(COLOR_BTNFACE));
    dc.RestoreDC(-1);
}

}  // namespace quendar
