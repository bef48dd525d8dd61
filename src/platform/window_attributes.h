#pragma once
// Attributes of a window: styles and the other GetWindowLongPtr values, text,
// named properties, enabled and visible state, and the window's shape.

#include <optional>
#include <string>
#include <string_view>

#include "platform/region.h"
#include "platform/window_types.h"

namespace quendar {

// GWL_STYLE, GWL_EXSTYLE, GWLP_USERDATA, GWLP_ID, GWLP_HWNDPARENT; 0 otherwise.
// Procedures are not numbers here: use GetWindowProc / SetWindowProc.
LONG_PTR GetWindowLongPtr(HWND window, int index);
// Answers the previous value. Style changes send WM_STYLECHANGING (which may
// alter STYLESTRUCT::styleNew) and WM_STYLECHANGED; the frame is recomputed
// only by SetWindowPos with SWP_FRAMECHANGED.
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);

// Through WM_SETTEXT / WM_GETTEXT, so subclasses see them. Text is UTF-8.
BOOL SetWindowText(HWND window, std::string_view text);
std::string GetWindowText(HWND window);
int GetWindowTextLength(HWND window);

// Named values attached to a window; names compare without regard to ASCII case.
BOOL SetProp(HWND window, const std::string& name, HANDLE value);
HANDLE GetProp(HWND window, const std::string& name);
// Removes the property and answers its value (null when there was none).
HANDLE RemoveProp(HWND window, const std::string& name);

// Answers whether the window was disabled before. Disabling sends
// WM_CANCELMODE, moves the focus away and then sends WM_ENABLE.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
// WS_VISIBLE on the window and all its ancestors.
BOOL IsWindowVisible(HWND window);
BOOL IsIconic(HWND window);
BOOL IsZoomed(HWND window);

// Gives the window a shape in window coordinates (null: the whole rectangle).
// Painting and hit testing keep inside it. Sends WM_WINDOWPOSCHANGING and
// WM_WINDOWPOSCHANGED; repaints the window when `redraw` is set.
int SetWindowRgn(HWND window, const Region* shape, BOOL redraw);
// Copies the shape into `out` and answers its kind; ERROR when there is none.
int GetWindowRgn(HWND window, Region& out);

}  // namespace quendar
