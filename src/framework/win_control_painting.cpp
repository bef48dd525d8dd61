// TWinControl: painting its own content and its non-windowed children, and
// routing the mouse to those children.

#include <algorithm>

#include "framework/graphics_color.h"
#include "framework/mouse_tracking.h"
#include "framework/win_control.h"
#include "platform/window_system.h"

namespace quendar {

// --- painting ----------------------------------------------------------------------------

void TWinControl::Invalidate() {
    if (HandleAllocated()) InvalidateRect(handle_, nullptr, !Contains(ControlStyle(), TControlStyle::csOpaque));
}

void TWinControl::Update() {
    if (HandleAllocated()) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::SetZOrder(bool topmost) {
    if (Parent() != nullptr) {
        Parent()->MoveControl(this, topmost);
    } else if (HandleAllocated()) {
        SetWindowPos(handle_, topmost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
    HDC dc = WParamToDc(message.WParam);
    message.Result = dc != nullptr && EraseBackground(dc) ? 1 : 0;
}

bool TWinControl::EraseBackground(HDC dc) {
    dc->FillSolidRect(ClientRect(), ColorToColorRef(Color()));
    return true;
}

void TWinControl::WMPaint(TMessage& message) { PaintHandler(message); }

void TWinControl::PaintHandler(TMessage& message) {
    HDC dc = WParamToDc(message.WParam);
    PAINTSTRUCT paint;
    bool began = dc == nullptr;
    if (began) dc = BeginPaint(handle_, paint);
    try {
        PaintWindow(dc);
        PaintControls(dc, nullptr);
    } catch (...) {
        if (began) EndPaint(handle_, paint);
        throw;
    }
    if (began) EndPaint(handle_, paint);
}

void TWinControl::PaintWindow(HDC dc) {
    // Our own window classes have no content; only a wrapped class paints here.
    if (!defaultProcedure_) return;
    TMessage message{WM_PAINT, DcToWParam(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto start = controls_.begin();
    if (first != nullptr) {
        start = std::find(controls_.begin(), controls_.end(), first);
        if (start == controls_.end()) start = controls_.begin();
    }
    std::vector<TControl*> children(start, controls_.end());
    for (TControl* child : children) {
        if (dynamic_cast<TWinControl*>(child) != nullptr || !child->Visible()) continue;
        Rect bounds = child->BoundsRect();
        if (bounds.IsEmpty() || !dc->RectVisible(bounds)) continue;
        int saved = dc->SaveDC();
        dc->IntersectClipRect(bounds);
        dc->OffsetOrigin(bounds.Left, bounds.Top);
        try {
            child->Perform(WM_PAINT, DcToWParam(dc), 0);
        } catch (...) {
            dc->RestoreDC(saved);
            throw;
        }
        dc->RestoreDC(saved);
    }
}

// --- mouse --------------------------------------------------------------------------------

TControl* TWinControl::ControlAtPos(Point pos, bool allowDisabled, bool allowWinControls) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* child = *it;
        if (!allowWinControls && dynamic_cast<TWinControl*>(child) != nullptr) continue;
        if (!child->Visible() || (!child->Enabled() && !allowDisabled)) continue;
        if (!child->BoundsRect().Contains(pos)) continue;
        Point local = pos - Point{child->Left(), child->Top()};
        if (child->Perform(CM_HITTEST, 0, LParamFromPoint(local)) != 0) return child;
    }
    return nullptr;
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
    Point at = PointFromLParam(message.LParam);
    TControl* target = nullptr;
    if (GetCapture() == handle_) {
        TControl* holder = CaptureControl();
        if (holder != nullptr && holder != this && holder->Parent() == this) target = holder;
    } else {
        target = ControlAtPos(at, false);
    }
    if (target == nullptr) return false;
    TMessage routed = message;
    routed.LParam = LParamFromPoint(at - Point{target->Left(), target->Top()});
    target->Perform(routed);
    message.Result = routed.Result;
    return true;
}

void TWinControl::TrackMouseOver(Point client) {
    TControl* over = nullptr;
    if (ClientRect().Contains(client)) {
        over = ControlAtPos(client, false);
        if (over == nullptr) over = this;
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = handle_;
        TrackMouseEvent(track);
    }
    TControl* current = MouseControl();
    bool currentIsOurs = current == this || (current != nullptr && current->Parent() == this &&
                                             dynamic_cast<TWinControl*>(current) == nullptr);
    if (over != nullptr || currentIsOurs) SetMouseControl(over);
}

void TWinControl::WMMouseLeave(TMessage& message) {
    TControl* current = MouseControl();
    if (current == this || (current != nullptr && current->Parent() == this && dynamic_cast<TWinControl*>(current) == nullptr))
        SetMouseControl(nullptr);
    DefaultHandler(message);
}

void TWinControl::WMCaptureChanged(TMessage& message) {
    TControl* holder = CaptureControl();
    if (holder != nullptr && (holder == this || holder->Parent() == this)) SetCaptureControl(nullptr);
    DefaultHandler(message);
}

void TWinControl::WMSetCursor(TMessage& message) {
    if (static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(message.LParam))) == HTCLIENT &&
        HandleFromParam(message.WParam) == handle_) {
        Point cursor;
        GetCursorPos(cursor);
        TControl* over = ControlAtPos(ScreenToClient(cursor), false);
        if (over == nullptr) over = this;
        if (over->Cursor() != crDefault) {
            quendar::SetCursor(over->Cursor());
            message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(message);
}

}  // namespace quendar
