#pragma once
// Mouse and keyboard state the program can ask for or change: capture,
// leave notifications, key states and the cursor position.
//
// Routing (backend-neutral, done when the queue retrieves raw input):
// - Mouse: the window under the cursor answers WM_NCHITTEST (the capture
//   window gets everything as client messages without being asked); it is
//   sent WM_SETCURSOR, and a button press on an inactive top-level window
//   first sends WM_MOUSEACTIVATE and activates it. Client hits become
//   WM_MOUSEMOVE / WM_LBUTTONDOWN ... in client coordinates, others
//   WM_NCMOUSEMOVE / WM_NCLBUTTONDOWN ... with the hit code and screen
//   coordinates. A second press within GetDoubleClickTime() and
//   SM_CXDOUBLECLK / SM_CYDOUBLECLK becomes a double click (client area: only
//   for classes with CS_DBLCLKS).
// - Keyboard: to the focus window; WM_SYSKEYDOWN / WM_SYSKEYUP while Alt is
//   held (without Ctrl), for F10, or when no window has the focus (then to
//   the active window). Characters come from text input as WM_CHAR.

#include <cstdint>

#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

// Answers the previous capture window. Sends WM_CAPTURECHANGED to the window
// losing the capture (lParam: the new one).
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// TME_LEAVE (with TME_NONCLIENT for the non-client area) posts one
// WM_MOUSELEAVE / WM_NCMOUSELEAVE when the mouse leaves that area of the
// window, at once when it is not there now. One window is tracked at a time.
// TME_CANCEL stops it, TME_QUERY fills in the current tracking.
BOOL TrackMouseEvent(TRACKMOUSEEVENT& track);

// High bit (negative result): the key is down; low bit: toggled.
std::int16_t GetKeyState(int virtualKey);
BOOL GetCursorPos(Point& out);

}  // namespace quendar
