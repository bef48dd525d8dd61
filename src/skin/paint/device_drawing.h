#pragma once
// Small drawing helpers that go through a device context.

#include "platform/color.h"
#include "platform/device_context.h"
#include "platform/geometry.h"

namespace quendar {

// Solid fill with the resolved colour; the context's state is restored.
void FillDeviceRect(DeviceContext& dc, const Rect& rect, ColorRef color);

// `width` nested one-pixel frames: top and left lines in `topLeft` (resolved
// to RGB), bottom and right lines in `bottomRight` (given to the pen as it
// is). `rect` (Right/Bottom outside) comes back shrunk by `width` on every
// side: the area inside the frame.
void DrawFrame3D(DeviceContext& dc, Rect& rect, ColorRef topLeft, int width, ColorRef bottomRight);

// The skin focus rectangle: black dots every third pixel along the four
// edges, each with a white dot up and left of it. `rect` is INCLUSIVE: the
// dots lie on its Right column and Bottom row.
void DrawDottedFocusFrame(DeviceContext& dc, const Rect& rect);

}  // namespace quendar
