#pragma once
// Where windows are: position, size, stacking, visibility, coordinate
// mapping and finding the window under a point.

#include <span>

#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

// Moves, sizes, restacks, shows or hides. Sends WM_WINDOWPOSCHANGING (the
// handler may change the WINDOWPOS), WM_NCCALCSIZE when the size or frame
// changes, activates a top-level window unless SWP_NOACTIVATE, and sends
// WM_WINDOWPOSCHANGED, whose default handling sends WM_MOVE and WM_SIZE.
// Positions are in the parent's client coordinates (screen for top-level windows).
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
// SW_* commands; answers whether the window was visible before. Sends
// WM_SHOWWINDOW when visibility changes.
BOOL ShowWindow(HWND window, int command);

// Screen coordinates.
BOOL GetWindowRect(HWND window, Rect& out);
// Client coordinates: the top-left is (0, 0).
BOOL GetClientRect(HWND window, Rect& out);
BOOL ScreenToClient(HWND window, Point& point);
BOOL ClientToScreen(HWND window, Point& point);
// From one window's client coordinates to another's (null: the screen);
// answers the offset as MAKELONG(dx, dy).
int MapWindowPoints(HWND from, HWND to, std::span<Point> points);
int MapWindowRect(HWND from, HWND to, Rect& rect);

// The deepest visible, enabled window under a screen point. Shapes are
// honoured; windows answering WM_NCHITTEST with HTTRANSPARENT are passed over.
HWND WindowFromPoint(Point screen);
// The child of `parent` containing a point in the parent's client
// coordinates, the parent itself when no child does, null outside the parent.
HWND ChildWindowFromPoint(HWND parent, Point client);

// The sizes offered with WM_GETMINMAXINFO before the window adjusts them.
MINMAXINFO DefaultMinMaxInfo(HWND window);

}  // namespace quendar
