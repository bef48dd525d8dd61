#pragma once
// Drawing of the classic desktop's small pieces that the window system's own
// dialogs and menus use: push buttons, focus rectangles, etched lines and
// the message box icons. All rectangles are in the context's logical
// coordinates.

#include <string_view>

#include "platform/device_context.h"
#include "platform/geometry.h"

namespace quendar {

enum class PushButtonLook { Normal, Default, Pressed };

// A raised push button with its label centred ("&x" underlined), or sunken
// when pressed. The default button has an extra black outline.
void DrawPushButton(DeviceContext& dc, const Rect& bounds, std::string_view label, PushButtonLook look);

// A dotted outline: the edge pixels whose x + y has the parity of the
// top-left corner, so the dots form a checkerboard with it.
void DrawFocusRect(DeviceContext& dc, const Rect& bounds, ColorRef color);

// A horizontal etched line: a shadow row at `y` and a highlight row below it.
void DrawEtchedLine(DeviceContext& dc, int left, int right, int y);
// A vertical etched line: a shadow column at `x`, a highlight column right of it.
void DrawEtchedColumn(DeviceContext& dc, int x, int top, int bottom);

// The 32 x 32 icon of a message box for its MB_ICON* flag, with its top-left
// at `at`; nothing for a flag without icon.
void DrawMessageBoxIcon(DeviceContext& dc, Point at, unsigned iconFlag);

}  // namespace quendar
