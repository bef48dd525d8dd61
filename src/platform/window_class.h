#pragma once
// Window classes: the procedure, class style, background and cursor that
// windows created with a class name start with.

#include <optional>
#include <string>

#include "platform/color.h"
#include "platform/window_types.h"

namespace quendar {

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc;
    HCURSOR hCursor = 0;
    // Colour WM_ERASEBKGND fills with by default (system colour references
    // allowed); none leaves the background alone.
    std::optional<ColorRef> hbrBackground;
    std::string lpszClassName;
};

// Registers a class; 0 when the name is empty or already taken. Names compare
// without regard to ASCII case. A class without procedure uses DefWindowProc.
ATOM RegisterClass(const WNDCLASS& windowClass);
// Removes a class; existing windows keep it. False when unknown.
BOOL UnregisterClass(const std::string& name);
// Fills `out` for a registered class; false when unknown.
BOOL GetClassInfo(const std::string& name, WNDCLASS& out);
// The class name of a window; empty for a stale handle.
std::string GetClassName(HWND window);

// Standard cursors.
enum : int {
    IDC_ARROW = 32512,
    IDC_IBEAM = 32513,
    IDC_WAIT = 32514,
    IDC_CROSS = 32515,
    IDC_SIZENWSE = 32642,
    IDC_SIZENESW = 32643,
    IDC_SIZEWE = 32644,
    IDC_SIZENS = 32645,
    IDC_SIZEALL = 32646,
    IDC_HAND = 32649,
};

inline HCURSOR LoadCursor(std::nullptr_t, int cursor) { return cursor; }
// Shows `cursor`; answers the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

}  // namespace quendar
