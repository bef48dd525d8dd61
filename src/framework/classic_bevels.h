#pragma once
// The classic desktop's 3-D edges for controls that draw their own frame
// (panels, speed buttons). Rectangles are in the context's logical
// coordinates, Right and Bottom outside.

#include "platform/color.h"
#include "platform/device_context.h"
#include "platform/geometry.h"

namespace quendar {

// `width` rings inside `rect`: `topLeft` along the top and left edges,
// `bottomRight` along the bottom and right ones, which own the top-right and
// bottom-left corners. `rect` shrinks by `width` on every side.
void Frame3D(DeviceContext& dc, Rect& rect, ColorRef topLeft, ColorRef bottomRight, int width);

// A two-ring raised edge (highlight and light outside-in at the top left,
// dark shadow and shadow at the bottom right); `rect` shrinks by 2.
void DrawRaisedEdge(DeviceContext& dc, Rect& rect);
// A two-ring sunken edge, the raised one turned inside out; `rect` shrinks by 2.
void DrawSunkenEdge(DeviceContext& dc, Rect& rect);

// A checkerboard of button highlight and button face whose highlight squares
// have an even x + y in logical coordinates: the look of a button that stays down.
void FillDitheredFace(DeviceContext& dc, const Rect& rect);

}  // namespace quendar
