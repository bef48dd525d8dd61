#include "platform/default_frame.h"

#include "platform/system_metrics.h"
#include "platform/window_messages.h"
#include "platform/window_styles.h"

namespace quendar {

int DefaultFrameThickness(DWORD style, DWORD exStyle) {
    if (style & WS_THICKFRAME) return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_BORDER) return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

namespace {

int CaptionHeight(DWORD exStyle) {
    return GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

}  // namespace

CaptionLayout LayoutCaption(DWORD style, DWORD exStyle, Size window) {
    CaptionLayout layout;
    if (!HasCaption(style)) return layout;
    int frame = DefaultFrameThickness(style, exStyle);
    int height = CaptionHeight(exStyle);
    layout.Caption = {frame, frame, window.Width - frame, frame + height - 1};
    if ((style & WS_SYSMENU) == 0) return layout;

    bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    int buttonWidth = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    int buttonHeight = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE) - 4;
    int top = frame + 2;
    int right = window.Width - frame - 2;
    layout.Close = Rect::FromSize(right - buttonWidth, top, buttonWidth, buttonHeight);
    if (!tool) {
        layout.HasSystemMenu = true;
        layout.SystemMenu = {frame, frame, frame + height - 1, frame + height - 1};
        layout.HasMinMax = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    }
    if (layout.HasMinMax) {
        layout.MinimizeEnabled = (style & WS_MINIMIZEBOX) != 0;
        layout.MaximizeEnabled = (style & WS_MAXIMIZEBOX) != 0;
        layout.Maximize = Rect::FromSize(layout.Close.Left - 2 - buttonWidth, top, buttonWidth, buttonHeight);
        layout.Minimize = Rect::FromSize(layout.Maximize.Left - buttonWidth, top, buttonWidth, buttonHeight);
    }
    return layout;
}

Rect DefaultClientArea(DWORD style, DWORD exStyle, const Rect& window) {
    int frame = DefaultFrameThickness(style, exStyle);
    Rect client = window.Inflate(-frame, -frame);
    if (HasCaption(style)) client.Top += CaptionHeight(exStyle);
    int edge = (exStyle & WS_EX_CLIENTEDGE)   ? GetSystemMetrics(SM_CXEDGE)
               : (exStyle & WS_EX_STATICEDGE) ? GetSystemMetrics(SM_CXBORDER)
                                              : 0;
    client = client.Inflate(-edge, -edge);
    if (style & WS_VSCROLL) client.Right -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) client.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
    if (client.Right < client.Left) client.Right = client.Left;
    if (client.Bottom < client.Top) client.Bottom = client.Top;
    return client;
}

int DefaultHitTest(DWORD style, DWORD exStyle, Size window, const Rect& client, Point point) {
    if (!Rect::FromSize(0, 0, window.Width, window.Height).Contains(point)) return HTNOWHERE;
    if (style & WS_MINIMIZE) return HTCAPTION;
    if (client.Contains(point)) return HTCLIENT;
    int frame = DefaultFrameThickness(style, exStyle);
    bool inFrame = point.X < frame || point.Y < frame || point.X >= window.Width - frame ||
                   point.Y >= window.Height - frame;
    if (inFrame && (style & WS_THICKFRAME) && (style & WS_MAXIMIZE) == 0) {
        // Corner zones reach along the edges as far as a caption button is wide.
        int corner = GetSystemMetrics(SM_CXSIZE) + frame;
        bool left = point.X < corner;
        bool right = point.X >= window.Width - corner;
        bool top = point.Y < corner;
        bool bottom = point.Y >= window.Height - corner;
        if (point.Y < frame) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        if (point.Y >= window.Height - frame) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (point.X < frame) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
        return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
    }
    if (inFrame) return HTBORDER;
    CaptionLayout layout = LayoutCaption(style, exStyle, window);
    if (!layout.Caption.IsEmpty() && point.Y >= layout.Caption.Top && point.Y <= layout.Caption.Bottom) {
        if (layout.Close.Contains(point)) return HTCLOSE;
        if (layout.Maximize.Contains(point)) return HTMAXBUTTON;
        if (layout.Minimize.Contains(point)) return HTMINBUTTON;
        if (layout.SystemMenu.Contains(point)) return HTSYSMENU;
        return HTCAPTION;
    }
    if ((style & WS_VSCROLL) && point.X >= client.Right && point.Y < client.Bottom) return HTVSCROLL;
    if ((style & WS_HSCROLL) && point.Y >= client.Bottom && point.X < client.Right) return HTHSCROLL;
    return HTBORDER;
}

}  // namespace quendar
