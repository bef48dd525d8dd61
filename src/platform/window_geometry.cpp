#include "platform/window_geometry.h"

#include <algorithm>

#include "platform/default_frame.h"
#include "platform/focus_activation.h"
#include "platform/system_metrics.h"
#include "platform/window_attributes.h"
#include "platform/window_hit_search.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

void Restack(WindowRecord& record, HWND insertAfter) {
    auto& siblings = SiblingList(record);
    auto at = std::find(siblings.begin(), siblings.end(), record.Handle);
    if (at == siblings.end()) return;
    siblings.erase(at);
    if (insertAfter == HWND_BOTTOM) {
        siblings.push_back(record.Handle);
        return;
    }
    auto after = std::find(siblings.begin(), siblings.end(), insertAfter);
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST ||
        after == siblings.end()) {
        siblings.insert(siblings.begin(), record.Handle);
    } else {
        siblings.insert(after + 1, record.Handle);
    }
}

}  // namespace

Point WindowScreenOrigin(const WindowRecord& window) {
    if (!window.Parent) return window.WindowRect.TopLeft();
    WindowRecord* parent = LookUp(window.Parent);
    if (parent == nullptr) return window.WindowRect.TopLeft();
    return ClientScreenOrigin(*parent) + window.WindowRect.TopLeft();
}

Point ClientScreenOrigin(const WindowRecord& window) {
    return WindowScreenOrigin(window) + window.ClientRect.TopLeft();
}

Point OriginInTopLevel(const WindowRecord& window) {
    WindowRecord* top = LookUp(TopLevelOf(window.Handle));
    if (top == nullptr) return {};
    return WindowScreenOrigin(window) - WindowScreenOrigin(*top);
}

void RecalculateClientRect(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    Rect proposal = record->WindowRect;
    SendMessage(window, WM_NCCALCSIZE, FALSE, PointerToLParam(&proposal));
    record = LookUp(window);
    if (record == nullptr) return;
    Rect client = proposal.Offset(-record->WindowRect.Left, -record->WindowRect.Top);
    int width = record->WindowRect.Width();
    int height = record->WindowRect.Height();
    client.Left = std::clamp(client.Left, 0, width);
    client.Right = std::clamp(client.Right, client.Left, width);
    client.Top = std::clamp(client.Top, 0, height);
    client.Bottom = std::clamp(client.Bottom, client.Top, height);
    record->ClientRect = client;
}

void NotifyBackend(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || record->Parent) return;
    TopLevelState state;
    state.ScreenRect = record->WindowRect;
    state.Visible = (record->Style & WS_VISIBLE) != 0;
    state.Minimized = (record->Style & WS_MINIMIZE) != 0;
    state.Popup = (record->ExStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) == (WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    state.Title = record->Text;
    state.Shape = record->Shape;
    CurrentBackend().TopLevelChanged(window, state);
}

MINMAXINFO DefaultMinMaxInfo(HWND window) {
    MINMAXINFO info;
    WindowRecord* record = LookUp(window);
    int frame = record != nullptr ? DefaultFrameThickness(record->Style, record->ExStyle) : 0;
    Rect work = GetWorkArea();
    info.ptMaxSize = {work.Width() + 2 * frame, work.Height() + 2 * frame};
    info.ptMaxPosition = {work.Left - frame, work.Top - frame};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    return info;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    Rect old = record->WindowRect;
    bool wasVisible = (record->Style & WS_VISIBLE) != 0;
    if (wasVisible) flags &= ~SWP_SHOWWINDOW;
    else flags &= ~SWP_HIDEWINDOW;

    WINDOWPOS position{window, insertAfter, x, y, width, height, flags};
    if (flags & SWP_NOMOVE) {
        position.x = old.Left;
        position.y = old.Top;
    }
    if (flags & SWP_NOSIZE) {
        position.cx = old.Width();
        position.cy = old.Height();
    }
    if ((flags & SWP_NOSENDCHANGING) == 0) {
        SendMessage(window, WM_WINDOWPOSCHANGING, 0, PointerToLParam(&position));
        record = LookUp(window);
        if (record == nullptr) return FALSE;
    }
    flags = position.flags;
    Rect now = Rect::FromSize(position.x, position.y, std::max(position.cx, 0), std::max(position.cy, 0));
    bool moved = now.TopLeft() != old.TopLeft();
    bool sized = now.Width() != old.Width() || now.Height() != old.Height();
    bool showing = (flags & SWP_SHOWWINDOW) != 0;
    bool hiding = (flags & SWP_HIDEWINDOW) != 0;
    bool restacked = (flags & SWP_NOZORDER) == 0;

    Rect oldInParent = WindowArea(*record).Bounds();
    record->WindowRect = now;
    if (restacked) Restack(*record, position.hwndInsertAfter);
    if (showing) record->Style |= WS_VISIBLE;
    if (hiding) record->Style &= ~WS_VISIBLE;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        RecalculateClientRect(window);
        record = LookUp(window);
        if (record == nullptr) return FALSE;
    }
    bool topLevel = !record->Parent;
    if (topLevel && (sized || showing || !record->BackBuffer)) ResizeBackBuffer(*record);
    if (topLevel) NotifyBackend(window);

    bool visibleNow = (record->Style & WS_VISIBLE) != 0;
    if ((flags & SWP_NOREDRAW) == 0) {
        if (!topLevel) {
            if (wasVisible && (moved || sized || hiding || restacked)) InvalidateInParent(*record, oldInParent);
            if (visibleNow && (moved || sized || showing || restacked || (flags & SWP_FRAMECHANGED))) {
                InvalidateWhole(window);
                if (record->Shape) InvalidateInParent(*record, WindowArea(*record).Bounds());
            }
        } else if (visibleNow && (sized || showing || (flags & SWP_FRAMECHANGED))) {
            InvalidateWhole(window);
        }
    }

    WindowSystemState& state = State();
    if (hiding) {
        if (IsDescendantOrSelf(window, state.Focus)) {
            HWND parent = record->Parent;
            SetFocus(IsWindowVisible(parent) ? parent : HWND());
        }
        if (topLevel && state.Active == window) ActivateAnother(window);
        ForgetWindowInInput(window);
    } else if (topLevel && visibleNow && (flags & SWP_NOACTIVATE) == 0) {
        ActivateTopLevel(window, WA_ACTIVE);
    }

    record = LookUp(window);
    if (record == nullptr) return TRUE;
    WINDOWPOS changed{window, position.hwndInsertAfter, now.Left, now.Top, now.Width(), now.Height(),
                      flags | (moved ? 0u : UINT{SWP_NOMOVE}) | (sized ? 0u : UINT{SWP_NOSIZE})};
    SendMessage(window, WM_WINDOWPOSCHANGED, 0, PointerToLParam(&changed));
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(window, HWND(), x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : UINT{SWP_NOREDRAW}));
}

BOOL GetWindowRect(HWND window, Rect& out) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    Point origin = WindowScreenOrigin(*record);
    out = Rect::FromSize(origin.X, origin.Y, record->WindowRect.Width(), record->WindowRect.Height());
    return TRUE;
}

BOOL GetClientRect(HWND window, Rect& out) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    out = Rect::FromSize(0, 0, record->ClientRect.Width(), record->ClientRect.Height());
    return TRUE;
}

BOOL ScreenToClient(HWND window, Point& point) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    point = point - ClientScreenOrigin(*record);
    return TRUE;
}

BOOL ClientToScreen(HWND window, Point& point) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    point = point + ClientScreenOrigin(*record);
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, std::span<Point> points) {
    Point offset;
    if (from) {
        WindowRecord* record = LookUp(from);
        if (record == nullptr) return 0;
        offset = offset + ClientScreenOrigin(*record);
    }
    if (to) {
        WindowRecord* record = LookUp(to);
        if (record == nullptr) return 0;
        offset = offset - ClientScreenOrigin(*record);
    }
    for (Point& p : points) p = p + offset;
    return static_cast<int>(MAKELONG(offset.X, offset.Y));
}

int MapWindowRect(HWND from, HWND to, Rect& rect) {
    Point corners[2] = {{rect.Left, rect.Top}, {rect.Right, rect.Bottom}};
    int result = MapWindowPoints(from, to, corners);
    rect = {corners[0].X, corners[0].Y, corners[1].X, corners[1].Y};
    return result;
}

HWND WindowFromPoint(Point screen) { return FindWindowAt(screen, HWND(), true).Window; }

HWND ChildWindowFromPoint(HWND parent, Point client) {
    WindowRecord* record = LookUp(parent);
    if (record == nullptr) return HWND();
    if (!Rect::FromSize(0, 0, record->ClientRect.Width(), record->ClientRect.Height()).Contains(client))
        return HWND();
    for (HWND child : record->Children) {
        WindowRecord* childRecord = LookUp(child);
        if (childRecord != nullptr && WindowArea(*childRecord).Contains(client)) return child;
    }
    return parent;
}

}  // namespace quendar
