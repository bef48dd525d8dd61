#pragma once
// The program's own icon, drawn by code in a small (16 x 16) and a large
// (32 x 32) size: a calendar page. Title bars show it when a window has no
// icon of its own.

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/window_dc.h"
#include "platform/window_types.h"

namespace quendar {

// An icon is a picture and the colour that marks its transparent pixels.
struct Icon {
    Bitmap Picture;  // 24-bit
    ColorRef TransparentColor = RGB(255, 0, 255);
};
using HICON = const Icon*;

enum : int { ICON_SMALL = 0, ICON_BIG = 1 };

// The program's icon in the size asked for; lives as long as the process.
HICON GetProgramIcon(int size);

// Draws an icon with its top-left corner at (x, y), stretched to width x height
// when those are not 0; transparent pixels leave the destination alone.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width = 0, int height = 0);

// Visual styles do not exist here; switching them off always succeeds.
inline long SetWindowTheme(HWND, const char*, const char*) { return 0; }

}  // namespace quendar
