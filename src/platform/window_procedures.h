#pragma once
// Window procedures: sending messages, replacing a window's procedure
// (subclassing) and calling on to the procedure that was replaced.
//
// Subclassing: SetWindowProc installs a new procedure and answers the one it
// replaced; the new procedure passes what it does not handle to
// CallWindowProc(previous, ...). Layers are removed in reverse order by
// installing the saved procedure again.

#include "platform/window_types.h"

namespace quendar {

// Calls the window's procedure now and answers its result; 0 for a stale handle.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Replaces the procedure; answers the previous one (empty for a stale handle,
// which is left alone). An empty procedure means DefWindowProc.
WNDPROC SetWindowProc(HWND window, WNDPROC procedure);
WNDPROC GetWindowProc(HWND window);

// Calls `procedure`, or DefWindowProc when it is empty.
LRESULT CallWindowProc(const WNDPROC& procedure, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam);

// The window system's default answers (default_window_proc.cpp).
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quendar
