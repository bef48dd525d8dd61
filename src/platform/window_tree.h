#pragma once
// The tree of windows: creation and destruction, parents and owners, the
// stacking order among siblings.
//
// Creation sends, in order: WM_GETMINMAXINFO (framed top-level windows),
// WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY to
// the parents (child windows), then shows the window when WS_VISIBLE was
// asked for. A new child goes to the bottom of its siblings, a new top-level
// window to the top.
//
// Destruction: owned windows first; WM_PARENTNOTIFY to the parents; hidden;
// then WM_DESTROY to the window and to its descendants, parents before
// children, and WM_NCDESTROY to them, children before parents.

#include <functional>
#include <string>

#include "platform/window_types.h"

namespace quendar {

// Null when the class is unknown, a child lacks a valid parent, or the window
// refuses creation (WM_NCCREATE answering 0, WM_CREATE answering -1).
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent,
                    LONG_PTR childId = 0, void* createParams = nullptr);
BOOL DestroyWindow(HWND window);
// True from creation until WM_NCDESTROY has been handled.
BOOL IsWindow(HWND window);

// The parent of a child window, the owner of an owned popup window, else null.
HWND GetParent(HWND window);
HWND GetAncestor(HWND window, UINT relation);
// Makes `window` a child of `parent` (null: a top-level window); answers the old parent.
HWND SetParent(HWND window, HWND parent);
BOOL IsChild(HWND parent, HWND window);
HWND GetWindow(HWND window, UINT relation);
// The topmost child; with a null window the topmost top-level window.
HWND GetTopWindow(HWND window);
// Every descendant, depth first, each before its own children, in stacking
// order; stops when the callback answers false.
BOOL EnumChildWindows(HWND parent, const std::function<bool(HWND)>& callback);
// Every top-level window in stacking order.
BOOL EnumWindows(const std::function<bool(HWND)>& callback);

}  // namespace quendar
