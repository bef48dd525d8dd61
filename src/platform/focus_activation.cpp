#include "platform/focus_activation.h"

#include <algorithm>
#include <vector>

#include "platform/window_attributes.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

HWND Living(HWND window) { return LookUp(window) != nullptr ? window : HWND(); }

void RaiseSilently(HWND top) {
    auto& tops = State().TopLevels;
    auto at = std::find(tops.begin(), tops.end(), top);
    if (at == tops.end()) return;
    tops.erase(at);
    tops.insert(tops.begin(), top);
    CurrentBackend().RaiseTopLevel(top);
}

void TellApplication(bool active) {
    std::vector<HWND> tops = State().TopLevels;
    for (HWND top : tops) SendMessage(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

}  // namespace

void ActivateTopLevel(HWND window, int how) {
    WindowSystemState& state = State();
    if (window) {
        window = TopLevelOf(window);
        WindowRecord* record = LookUp(window);
        if (record == nullptr || record->Destroying) return;
    }
    HWND old = Living(state.Active);
    if (window == old) return;
    if (old) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), HandleToLParam(window));
    }
    if (!old && window) TellApplication(true);
    if (old && !window) TellApplication(false);
    window = Living(window);
    state.Active = window;
    if (window) {
        RaiseSilently(window);
        SendMessage(window, WM_NCACTIVATE, TRUE, 0);
        SendMessage(window, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(window)), HandleToLParam(old));
    }
    HWND focus = Living(state.Focus);
    if (focus && !IsDescendantOrSelf(Living(state.Active), focus)) {
        SendMessage(focus, WM_KILLFOCUS, 0, 0);
        if (state.Focus == focus) state.Focus = HWND();
    }
}

void ActivateAnother(HWND leaving) {
    auto usable = [leaving](HWND top) {
        WindowRecord* record = LookUp(top);
        return record != nullptr && top != leaving && !record->Destroying && (record->Style & WS_VISIBLE) &&
               (record->Style & (WS_DISABLED | WS_MINIMIZE)) == 0;
    };
    HWND next;
    if (WindowRecord* record = LookUp(leaving); record != nullptr && usable(record->Owner)) next = record->Owner;
    if (!next) {
        for (HWND top : State().TopLevels) {
            if (usable(top)) {
                next = top;
                break;
            }
        }
    }
    if (next) {
        ActivateTopLevel(next, WA_ACTIVE);
    } else {
        ActivateTopLevel(HWND(), WA_INACTIVE);
        State().Active = HWND();
    }
}

HWND SetFocus(HWND window) {
    WindowSystemState& state = State();
    if (window) {
        WindowRecord* record = LookUp(window);
        if (record == nullptr || record->Destroying) return HWND();
        HWND top = TopLevelOf(window);
        if (Living(state.Active) != top) {
            ActivateTopLevel(top, WA_ACTIVE);
            if (LookUp(window) == nullptr) return Living(state.Focus);
        }
    }
    HWND old = Living(state.Focus);
    if (old == window) return old;
    if (old) SendMessage(old, WM_KILLFOCUS, HandleToWParam(window), 0);
    window = Living(window);
    state.Focus = window;
    if (window) SendMessage(window, WM_SETFOCUS, HandleToWParam(old), 0);
    return old;
}

HWND GetFocus() { return Living(State().Focus); }

HWND SetActiveWindow(HWND window) {
    HWND old = Living(State().Active);
    if (LookUp(window) == nullptr) return HWND();
    ActivateTopLevel(window, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow() { return Living(State().Active); }

BOOL SetForegroundWindow(HWND window) {
    if (LookUp(window) == nullptr) return FALSE;
    ActivateTopLevel(window, WA_ACTIVE);
    return TRUE;
}

HWND GetForegroundWindow() { return GetActiveWindow(); }

}  // namespace quendar
