#pragma once
// Finding the window under a screen point, as mouse routing and
// WindowFromPoint need it. Internal to the window system.

#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

struct WindowHit {
    HWND Window;
    int Code = 0;  // hit-test code; HTCLIENT or HTNOWHERE when windows were not asked
};

// The deepest visible, enabled window whose shape holds `screen`: within
// `topLevel` only when given, else among all top-level windows in stacking
// order. With `askWindows` each candidate answers WM_NCHITTEST and
// HTTRANSPARENT passes the point on to the windows below; without it the
// code is HTCLIENT inside the client area and HTNOWHERE elsewhere.
WindowHit FindWindowAt(Point screen, HWND topLevel, bool askWindows);

}  // namespace quendar
