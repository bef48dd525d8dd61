#include <algorithm>
#include <cstdlib>

#include "platform/input.h"
#include "platform/system_metrics.h"
#include "platform/virtual_keys.h"
#include "platform/window_attributes.h"
#include "platform/window_geometry.h"
#include "platform/window_hit_search.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"
#include "platform/window_tree.h"

namespace quendar {

namespace {

constexpr UINT NonClientOffset = WM_LBUTTONDOWN - WM_NCLBUTTONDOWN;

UINT ButtonMessage(MouseButton button, bool down, bool doubleClick, bool client) {
    UINT base = button == MouseButton::Left ? WM_LBUTTONDOWN : button == MouseButton::Right ? WM_RBUTTONDOWN
                                                                                             : WM_MBUTTONDOWN;
    UINT message = doubleClick ? base + 2 : down ? base : base + 1;
    return client ? message : message - NonClientOffset;
}

int ButtonKey(MouseButton button) {
    return button == MouseButton::Left ? VK_LBUTTON : button == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
}

WPARAM MouseKeyFlags() {
    const auto& keys = State().Keys;
    WPARAM flags = 0;
    if (keys[VK_LBUTTON] & 0x80) flags |= MK_LBUTTON;
    if (keys[VK_RBUTTON] & 0x80) flags |= MK_RBUTTON;
    if (keys[VK_MBUTTON] & 0x80) flags |= MK_MBUTTON;
    if (keys[VK_SHIFT] & 0x80) flags |= MK_SHIFT;
    if (keys[VK_CONTROL] & 0x80) flags |= MK_CONTROL;
    return flags;
}

void Enqueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystemState& state = State();
    state.InputMessages.push_back(
        MSG{window, message, wParam, lParam, static_cast<DWORD>(Now()), state.Cursor});
}

void EnqueueMouse(HWND window, int code, UINT clientMessage, Point screen) {
    if (code == HTCLIENT) {
        Point client = screen;
        ScreenToClient(window, client);
        Enqueue(window, clientMessage, MouseKeyFlags(), LParamFromPoint(client));
    } else {
        Enqueue(window, clientMessage - NonClientOffset, static_cast<WPARAM>(code), LParamFromPoint(screen));
    }
}

void UpdateLeaveTracking(const WindowHit& under) {
    MouseTracking& tracking = State().Tracking;
    if (!tracking.Window) return;
    bool inClient = under.Code == HTCLIENT;
    if (under.Window == tracking.Window && inClient != tracking.NonClient) return;
    HWND left = tracking.Window;
    bool nonClient = tracking.NonClient;
    tracking = MouseTracking();
    Enqueue(left, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

bool IsDoubleClick(HWND window, UINT downMessage, Point screen) {
    ClickMemory& last = State().LastClick;
    std::uint64_t now = Now();
    bool repeated = last.Valid && last.Window == window && last.DownMessage == downMessage &&
                    now - last.Time <= GetDoubleClickTime() &&
                    std::abs(screen.X - last.Screen.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                    std::abs(screen.Y - last.Screen.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (repeated) {
        last = ClickMemory();
        return true;
    }
    last = ClickMemory{window, downMessage, now, screen, true};
    return false;
}

bool AcceptsDoubleClicks(HWND window, int code) {
    if (code != HTCLIENT) return true;
    WindowRecord* record = LookUp(window);
    return record != nullptr && (record->Class->Style & CS_DBLCLKS) != 0;
}

// --- tracking run by the default window procedure ----------------------------------

void TrackMove(const RawInput& input) {
    SystemTracking& tracker = State().Tracker;
    Point delta = input.Screen - tracker.StartCursor;
    Rect start = tracker.StartRect;
    if (tracker.Type == SystemTracking::Kind::Move) {
        SetWindowPos(tracker.Window, HWND(), start.Left + delta.X, start.Top + delta.Y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (tracker.Type == SystemTracking::Kind::Size) {
        Rect sized = start;
        int edge = tracker.Code;
        if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) sized.Left += delta.X;
        if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT) sized.Right += delta.X;
        if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) sized.Top += delta.Y;
        if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT) sized.Bottom += delta.Y;
        SetWindowPos(tracker.Window, HWND(), sized.Left, sized.Top, std::max(0, sized.Width()),
                     std::max(0, sized.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    bool inside = SendMessage(tracker.Window, WM_NCHITTEST, 0, LParamFromPoint(input.Screen)) == tracker.Code;
    SystemTracking& after = State().Tracker;
    if (after.Type == SystemTracking::Kind::CaptionButton && inside != after.Inside) {
        after.Inside = inside;
        RepaintFrameNow(after.Window);
    }
}

UINT CaptionButtonCommand(HWND window, int code) {
    switch (code) {
        case HTCLOSE:
            return SC_CLOSE;
        case HTMINBUTTON:
            return SC_MINIMIZE;
        case HTMAXBUTTON:
            return IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE;
        default:
            return 0;
    }
}

void TrackSystem(const RawInput& input) {
    WindowSystemState& state = State();
    if (input.Type == RawInput::Kind::MouseMove) {
        TrackMove(input);
        return;
    }
    if (input.Type != RawInput::Kind::ButtonUp) return;
    state.Keys[ButtonKey(input.Button)] &= ~0x80;
    if (input.Button != MouseButton::Left) return;
    SystemTracking finished = state.Tracker;
    state.Tracker = SystemTracking();
    ReleaseCapture();
    if (finished.Type == SystemTracking::Kind::CaptionButton) {
        RepaintFrameNow(finished.Window);
        UINT command = CaptionButtonCommand(finished.Window, finished.Code);
        if (finished.Inside && command != 0)
            SendMessage(finished.Window, WM_SYSCOMMAND, command, LParamFromPoint(input.Screen));
    } else {
        SendMessage(finished.Window, WM_EXITSIZEMOVE, 0, 0);
    }
}

void RouteMouse(const RawInput& input) {
    WindowSystemState& state = State();
    state.Cursor = input.Screen;
    if (state.Tracker.Type != SystemTracking::Kind::None) {
        TrackSystem(input);
        return;
    }
    HWND capture = LookUp(state.Capture) != nullptr ? state.Capture : HWND();
    WindowHit hit = capture ? WindowHit{capture, HTCLIENT} : FindWindowAt(input.Screen, input.Window, true);
    UpdateLeaveTracking(capture ? FindWindowAt(input.Screen, input.Window, false) : hit);

    if (input.Type == RawInput::Kind::MouseMove) {
        if (!hit.Window || hit.Code == HTERROR) return;
        if (!capture) SendMessage(hit.Window, WM_SETCURSOR, HandleToWParam(hit.Window), MAKELPARAM(hit.Code, WM_MOUSEMOVE));
        if (IsWindow(hit.Window)) EnqueueMouse(hit.Window, hit.Code, WM_MOUSEMOVE, input.Screen);
        return;
    }

    bool down = input.Type == RawInput::Kind::ButtonDown;
    int key = ButtonKey(input.Button);
    if (down) state.Keys[key] |= 0x80;
    else state.Keys[key] &= ~0x80;
    if (!hit.Window || hit.Code == HTERROR) return;
    bool client = hit.Code == HTCLIENT;
    UINT message = ButtonMessage(input.Button, down, false, client);
    if (!down) {
        EnqueueMouse(hit.Window, hit.Code, ButtonMessage(input.Button, false, false, true), input.Screen);
        return;
    }

    bool eat = false;
    HWND top = TopLevelOf(hit.Window);
    if (!capture && top != state.Active) {
        LRESULT answer = SendMessage(hit.Window, WM_MOUSEACTIVATE, HandleToWParam(top), MAKELPARAM(hit.Code, message));
        if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) ActivateTopLevel(top, WA_CLICKACTIVE);
        eat = answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
    }
    if (!IsWindow(hit.Window)) return;
    if (!capture) SendMessage(hit.Window, WM_SETCURSOR, HandleToWParam(hit.Window), MAKELPARAM(hit.Code, message));
    if (eat || !IsWindow(hit.Window)) return;
    bool doubleClick = IsDoubleClick(hit.Window, message, input.Screen) && AcceptsDoubleClicks(hit.Window, hit.Code);
    EnqueueMouse(hit.Window, hit.Code, ButtonMessage(input.Button, true, doubleClick, true), input.Screen);
}

}  // namespace

void RouteMouseInput(const RawInput& input) { RouteMouse(input); }

void EndSystemTracking() {
    WindowSystemState& state = State();
    if (state.Tracker.Type == SystemTracking::Kind::None) return;
    SystemTracking finished = state.Tracker;
    state.Tracker = SystemTracking();
    if (finished.Type == SystemTracking::Kind::CaptionButton) RepaintFrameNow(finished.Window);
    else SendMessage(finished.Window, WM_EXITSIZEMOVE, 0, 0);
}

void BeginSystemTracking(HWND window, SystemTracking::Kind kind, int code) {
    WindowSystemState& state = State();
    WindowRecord* record = LookUp(window);
    if (record == nullptr || (state.Keys[VK_LBUTTON] & 0x80) == 0) return;
    EndSystemTracking();
    SetCapture(window);
    record = LookUp(window);
    if (record == nullptr) return;
    SystemTracking tracker;
    tracker.Type = kind;
    tracker.Window = window;
    tracker.Code = code;
    tracker.StartCursor = state.Cursor;
    tracker.StartRect = record->WindowRect;
    state.Tracker = tracker;
    if (tracker.Type == SystemTracking::Kind::CaptionButton) RepaintFrameNow(window);
    else SendMessage(window, WM_ENTERSIZEMOVE, 0, 0);
}

void ForgetWindowInInput(HWND window) {
    WindowSystemState& state = State();
    if (state.Tracking.Window == window) state.Tracking = MouseTracking();
    if (state.LastClick.Window == window) state.LastClick = ClickMemory();
    if (state.Tracker.Window == window) state.Tracker = SystemTracking();
}

HWND SetCapture(HWND window) {
    WindowSystemState& state = State();
    HWND old = LookUp(state.Capture) != nullptr ? state.Capture : HWND();
    if (LookUp(window) == nullptr || old == window) return old;
    if (state.Tracker.Window != window) EndSystemTracking();
    state.Capture = window;
    if (old) SendMessage(old, WM_CAPTURECHANGED, 0, HandleToLParam(window));
    return old;
}

BOOL ReleaseCapture() {
    WindowSystemState& state = State();
    HWND old = LookUp(state.Capture) != nullptr ? state.Capture : HWND();
    state.Capture = HWND();
    EndSystemTracking();
    if (old) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return LookUp(State().Capture) != nullptr ? State().Capture : HWND(); }

BOOL TrackMouseEvent(TRACKMOUSEEVENT& track) {
    MouseTracking& tracking = State().Tracking;
    if (track.dwFlags & TME_QUERY) {
        track.hwndTrack = tracking.Window;
        track.dwFlags = tracking.Window ? (DWORD{TME_LEAVE} | (tracking.NonClient ? DWORD{TME_NONCLIENT} : 0u)) : 0u;
        return TRUE;
    }
    if (LookUp(track.hwndTrack) == nullptr) return FALSE;
    bool nonClient = (track.dwFlags & TME_NONCLIENT) != 0;
    if (track.dwFlags & TME_CANCEL) {
        if (tracking.Window == track.hwndTrack && tracking.NonClient == nonClient) tracking = MouseTracking();
        return TRUE;
    }
    if ((track.dwFlags & TME_LEAVE) == 0) return TRUE;
    WindowHit under = FindWindowAt(State().Cursor, HWND(), false);
    bool inside = under.Window == track.hwndTrack && (under.Code == HTCLIENT) != nonClient;
    if (!inside) {
        Enqueue(track.hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    tracking = MouseTracking{track.hwndTrack, nonClient};
    return TRUE;
}

BOOL GetCursorPos(Point& out) {
    out = State().Cursor;
    return TRUE;
}

}  // namespace quendar
