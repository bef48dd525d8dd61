#pragma once
// Rendering a window into a caller's context (WM_PRINT). The context's
// origin is the window's top-left; PRF_NONCLIENT paints the default frame,
// PRF_ERASEBKGND sends WM_ERASEBKGND and PRF_CLIENT WM_PRINTCLIENT with the
// origin moved to the client area and the clip kept inside it, PRF_CHILDREN
// sends WM_PRINT to each visible child (bottom of the stack first) with the
// origin on the child and the clip inside the child's shape.

#include "platform/window_dc.h"
#include "platform/window_types.h"

namespace quendar {

void PrintWindowInto(HWND window, HDC dc, UINT flags);

// Sends WM_PRINT with `flags`.
BOOL PrintWindow(HWND window, HDC dc, UINT flags);

}  // namespace quendar
