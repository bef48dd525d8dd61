#pragma once
// Painting: each window keeps an invalid (update) region; the message queue
// turns it into WM_NCPAINT, WM_ERASEBKGND and WM_PAINT, in that order, when no
// posted message or input waits. Windows hidden, minimised or with redraw
// switched off (WM_SETREDRAW 0) collect no invalid areas and get no painting.
//
// Invalidating a window includes its children when RDW_ALLCHILDREN is given,
// or when the window lacks WS_CLIPCHILDREN and RDW_NOCHILDREN is not given.

#include "platform/geometry.h"
#include "platform/region.h"
#include "platform/window_dc.h"
#include "platform/window_types.h"

namespace quendar {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    // The background still needs erasing: WM_ERASEBKGND answered 0.
    bool fErase = false;
    Rect rcPaint;  // client coordinates
};

// Sends a pending WM_NCPAINT and WM_ERASEBKGND, validates the window and
// answers a context clipped to what was invalid.
HDC BeginPaint(HWND window, PAINTSTRUCT& paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT& paint);

// Rectangles and regions in client coordinates; null means the whole client area.
BOOL InvalidateRect(HWND window, const Rect* rect, BOOL erase);
BOOL InvalidateRgn(HWND window, const Region* region, BOOL erase);
BOOL ValidateRect(HWND window, const Rect* rect);
BOOL ValidateRgn(HWND window, const Region* region);
// Paints the window now (WM_NCPAINT, WM_ERASEBKGND, WM_PAINT) when it has an
// invalid area; its children are left to the queue.
BOOL UpdateWindow(HWND window);
// RDW_* flags. RDW_FRAME with no rectangle or region includes the frame.
BOOL RedrawWindow(HWND window, const Rect* rect, const Region* region, UINT flags);
// The bounding box of the invalid area; false when it is empty. With `erase`
// a pending background erase is carried out first.
BOOL GetUpdateRect(HWND window, Rect* rect, BOOL erase);
// Copies the invalid area and answers its kind.
int GetUpdateRgn(HWND window, Region& out, BOOL erase);

}  // namespace quendar
