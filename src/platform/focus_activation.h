#pragma once
// Keyboard focus and window activation.
//
// Activating a top-level window: the previously active one gets
// WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE); when the program gains or
// loses activation every top-level window gets WM_ACTIVATEAPP; the new one is
// raised and gets WM_NCACTIVATE(TRUE) and WM_ACTIVATE (whose default handling
// gives it the focus). Focus left in another top-level window is then taken
// away. Focus changes send WM_KILLFOCUS to the old window, then WM_SETFOCUS to
// the new one.

#include "platform/window_types.h"

namespace quendar {

// Activates the window's top-level window first when needed; null takes the
// focus away. Answers the previous focus window (null when the window is stale).
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();

}  // namespace quendar
