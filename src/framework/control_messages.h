#pragma once
// The message record controls dispatch, and the framework's own message
// numbers: notifications between controls (CM_*) and notifications a parent
// hands back to the control they concern (CN_*).
//
// Our numbers sit in 0xB000..0xB1FF: above the window system's messages and
// the controls' WM_USER range (below 0x8000), clear of the skin engine's
// fixed numbers (0xA100, 0xBC4D, 0xBCB3, 0xBCB4) and below the numbers that
// RegisterWindowMessage hands out (0xC000 and up).

#include "platform/window_messages.h"
#include "platform/window_types.h"

namespace quendar {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr UINT CM_BASE = 0xB000;

enum : UINT {
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_MOUSEENTER = CM_BASE + 2,  // lParam: 0
    CM_MOUSELEAVE = CM_BASE + 3,
    CM_ENABLEDCHANGED = CM_BASE + 4,
    CM_VISIBLECHANGED = CM_BASE + 5,  // wParam: the new visibility
    CM_TEXTCHANGED = CM_BASE + 6,
    CM_FONTCHANGED = CM_BASE + 7,
    CM_COLORCHANGED = CM_BASE + 8,
    CM_PARENTFONTCHANGED = CM_BASE + 9,
    CM_PARENTCOLORCHANGED = CM_BASE + 10,
    CM_PARENTSHOWHINTCHANGED = CM_BASE + 11,
    CM_SHOWHINTCHANGED = CM_BASE + 12,
    // wParam: the character. A control that takes it answers nonzero.
    CM_DIALOGCHAR = CM_BASE + 13,
    // wParam: the virtual key, lParam: the shift state bits (TShiftState).
    // Sent to the form for keys the focused control does not want; the form
    // and then every control (Broadcast) may act on it; nonzero: taken.
    CM_DIALOGKEY = CM_BASE + 14,
    // lParam: the control that got the focus (TControl*), or 0.
    CM_FOCUSCHANGED = CM_BASE + 15,
    CM_SHOWINGCHANGED = CM_BASE + 16,
    // wParam: the control (TControl*), lParam: 1 inserted, 0 removed.
    CM_CONTROLLISTCHANGE = CM_BASE + 17,
    // wParam: the control (TControl*), lParam: 1 inserted, 0 removed.
    CM_CONTROLCHANGE = CM_BASE + 18,
    // wParam: the virtual key, lParam: the control that has the key. Sent up
    // the parent chain before the form sees the key; nonzero: taken.
    CM_CHILDKEY = CM_BASE + 19,
    // wParam: the virtual key; nonzero: the control handles that key itself
    // (Tab, Enter, Escape, arrows) instead of leaving it to the form.
    CM_WANTSPECIALKEY = CM_BASE + 20,
    // lParam: a client point (MAKELPARAM); nonzero: the point is on the control.
    CM_HITTEST = CM_BASE + 21,
    CM_ENTER = CM_BASE + 22,
    CM_EXIT = CM_BASE + 23,
    CM_INVALIDATE = CM_BASE + 24,  // wParam: 1 when the control is opaque
    CM_RECREATEWND = CM_BASE + 25,
    CM_CANCELMODE = CM_BASE + 26,  // lParam: the control keeping its mode
    CM_TABSTOPCHANGED = CM_BASE + 27,
    CM_BORDERCHANGED = CM_BASE + 28,
    CM_HINTSHOW = CM_BASE + 29,
    CM_CURSORCHANGED = CM_BASE + 30,
    CM_MOUSEWHEEL = CM_BASE + 31,
    CM_RELEASE = CM_BASE + 32,  // posted to a form to free it from its own loop
    CM_LAST = CM_BASE + 0xFF,
};

constexpr UINT CN_BASE = 0xB100;

// Window messages reflected to the child window they concern: wParam and
// lParam as in the original message.
enum : UINT {
    CN_COMMAND = CN_BASE + WM_COMMAND % 0x100,
    CN_NOTIFY = CN_BASE + WM_NOTIFY % 0x100,
    CN_DRAWITEM = CN_BASE + WM_DRAWITEM % 0x100,
    CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM % 0x100,
    CN_KEYDOWN = CN_BASE + 0xC0,
    CN_CHAR = CN_BASE + 0xC1,
    CN_LAST = CN_BASE + 0xFF,
};

constexpr bool IsFrameworkMessage(UINT message) { return message >= CM_BASE && message <= CN_LAST; }

static_assert(CM_BASE > WM_USER + 0x7BFF, "framework messages must not meet the controls' WM_USER range");
static_assert(CM_LAST < CN_BASE, "control and reflected notifications must not overlap");
static_assert(CN_LAST < RegisteredMessageFirst, "framework messages must stay below registered ones");
static_assert(!IsFrameworkMessage(0xA100) && !IsFrameworkMessage(0xBC4D) && !IsFrameworkMessage(0xBCB3) &&
                  !IsFrameworkMessage(0xBCB4),
              "framework messages must not meet the skin engine's fixed numbers");
static_assert(CN_COMMAND < CN_KEYDOWN && CN_NOTIFY < CN_KEYDOWN && CN_DRAWITEM < CN_KEYDOWN &&
                  CN_MEASUREITEM < CN_KEYDOWN,
              "reflected numbers must be distinct");

}  // namespace quendar
