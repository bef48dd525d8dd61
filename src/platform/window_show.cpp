#include <algorithm>

#include "platform/focus_activation.h"
#include "platform/window_geometry.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

constexpr UINT KeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;

void AnnounceShowing(HWND window, bool wasVisible) {
    if (!wasVisible) SendMessage(window, WM_SHOWWINDOW, TRUE, 0);
}

void SendSize(HWND window, int kind) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    SendMessage(window, WM_SIZE, static_cast<WPARAM>(kind),
                MAKELPARAM(record->ClientRect.Width(), record->ClientRect.Height()));
}

void Minimize(HWND window, bool wasVisible) {
    WindowRecord* record = LookUp(window);
    if ((record->Style & WS_MINIMIZE) != 0 && wasVisible) return;
    AnnounceShowing(window, wasVisible);
    record = LookUp(window);
    if (record == nullptr) return;
    record->Style |= WS_MINIMIZE;
    SetWindowPos(window, HWND(), 0, 0, 0, 0, KeepPlace | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SendSize(window, SIZE_MINIMIZED);
    if (State().Active == window) ActivateAnother(window);
}

void Maximize(HWND window, bool wasVisible, bool activate) {
    AnnounceShowing(window, wasVisible);
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    record->Style &= ~WS_MINIMIZE;
    if ((record->Style & WS_MAXIMIZE) == 0) record->NormalRect = record->WindowRect;
    MINMAXINFO info = DefaultMinMaxInfo(window);
    SendMessage(window, WM_GETMINMAXINFO, 0, PointerToLParam(&info));
    record = LookUp(window);
    if (record == nullptr) return;
    record->Style |= WS_MAXIMIZE;
    SetWindowPos(window, HWND(), info.ptMaxPosition.X, info.ptMaxPosition.Y, info.ptMaxSize.X,
                 info.ptMaxSize.Y,
                 SWP_NOZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED | (activate ? 0u : UINT{SWP_NOACTIVATE}));
}

// Back to the normal (or, from minimised, the maximised) placement.
void Restore(HWND window, bool wasVisible, bool activate) {
    AnnounceShowing(window, wasVisible);
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    UINT activation = activate ? 0u : UINT{SWP_NOACTIVATE};
    if ((record->Style & WS_MINIMIZE) != 0) {
        record->Style &= ~WS_MINIMIZE;
        SetWindowPos(window, HWND(), 0, 0, 0, 0, KeepPlace | SWP_SHOWWINDOW | activation);
        InvalidateWhole(window);
        record = LookUp(window);
        if (record != nullptr) SendSize(window, (record->Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED);
        return;
    }
    if ((record->Style & WS_MAXIMIZE) != 0) {
        record->Style &= ~WS_MAXIMIZE;
        Rect normal = record->NormalRect;
        SetWindowPos(window, HWND(), normal.Left, normal.Top, normal.Width(), normal.Height(),
                     SWP_NOZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED | activation);
        return;
    }
    SetWindowPos(window, HWND(), 0, 0, 0, 0, KeepPlace | SWP_SHOWWINDOW | activation);
}

}  // namespace

BOOL ShowWindow(HWND window, int command) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    bool wasVisible = (record->Style & WS_VISIBLE) != 0;
    bool child = static_cast<bool>(record->Parent);
    switch (command) {
        case SW_HIDE:
            if (!wasVisible) return FALSE;
            SendMessage(window, WM_SHOWWINDOW, FALSE, 0);
            SetWindowPos(window, HWND(), 0, 0, 0, 0, KeepPlace | SWP_HIDEWINDOW | SWP_NOACTIVATE);
            return TRUE;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
        case SW_SHOWMINNOACTIVE:
            if (child) break;
            Minimize(window, wasVisible);
            return wasVisible ? TRUE : FALSE;
        case SW_MAXIMIZE:
            if (child) break;
            Maximize(window, wasVisible, true);
            return wasVisible ? TRUE : FALSE;
        case SW_RESTORE:
        case SW_SHOWNORMAL:
            Restore(window, wasVisible, !child);
            return wasVisible ? TRUE : FALSE;
        default:
            break;
    }
    if (wasVisible) return TRUE;
    bool activate = !child && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE;
    AnnounceShowing(window, false);
    SetWindowPos(window, HWND(), 0, 0, 0, 0, KeepPlace | SWP_SHOWWINDOW | (activate ? 0u : UINT{SWP_NOACTIVATE}));
    return FALSE;
}

}  // namespace quendar
