#pragma once
// The geometry of the window system's own classic frame: border thickness,
// caption band, caption buttons, the client area inside them, and the
// hit-test codes of its parts. All rectangles are window coordinates
// (0, 0 = the window's top-left corner).

#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

// Outer frame: SM_CXFRAME with WS_THICKFRAME, SM_CXDLGFRAME with WS_DLGFRAME
// or WS_EX_DLGMODALFRAME, SM_CXBORDER with WS_BORDER alone, else 0.
int DefaultFrameThickness(DWORD style, DWORD exStyle);
// Both WS_CAPTION bits set.
bool HasCaption(DWORD style);

struct CaptionLayout {
    Rect Caption;  // the coloured band (its last row separates it from the client area)
    Rect SystemMenu;
    Rect Close;
    Rect Maximize;
    Rect Minimize;
    bool HasSystemMenu = false;
    bool HasMinMax = false;  // both buttons show when either box style is set
    bool MinimizeEnabled = false;
    bool MaximizeEnabled = false;
};

// Empty rectangles for parts a window does not have.
CaptionLayout LayoutCaption(DWORD style, DWORD exStyle, Size window);

// The client area for the default WM_NCCALCSIZE: the frame, the caption, a
// client edge (SM_CXEDGE) or static edge (SM_CXBORDER), and room for the
// standard scroll bars taken off the window rectangle.
Rect DefaultClientArea(DWORD style, DWORD exStyle, const Rect& window);

// The default WM_NCHITTEST answer for a point in window coordinates.
int DefaultHitTest(DWORD style, DWORD exStyle, Size window, const Rect& client, Point point);

}  // namespace quendar
