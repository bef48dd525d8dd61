#include "platform/program_icon.h"

#include <array>

namespace quendar {

namespace {

// A calendar page: a dark frame, a red band with two rings at the top and a
// grid of day cells, one of them marked.
Icon DrawCalendarIcon(int size) {
    Icon icon;
    icon.Picture = Bitmap(size, size);
    icon.Picture.Fill(icon.TransparentColor);
    DeviceContext dc(icon.Picture);
    int unit = size / 16;
    Rect page{unit, 2 * unit, size - unit, size - unit};
    dc.FillSolidRect(page, RGB(58, 74, 104));
    Rect inside = page.Inflate(-unit, -unit);
    dc.FillSolidRect(inside, RGB(255, 255, 255));
    dc.FillSolidRect({inside.Left, inside.Top, inside.Right, inside.Top + 3 * unit}, RGB(196, 48, 48));
    for (int ring : {4 * unit, size - 5 * unit}) {
        dc.FillSolidRect({ring, 0, ring + unit, 4 * unit}, RGB(58, 74, 104));
    }
    int cellTop = inside.Top + 4 * unit;
    int cell = 2 * unit;
    int gap = unit == 1 ? 0 : unit / 2;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            int x = inside.Left + unit / 2 + column * (cell + gap + (unit == 1 ? 1 : 0));
            int y = cellTop + row * (cell + gap);
            if (y + cell > inside.Bottom) continue;
            bool marked = row == 2 && column == 2;
            dc.FillSolidRect({x, y, x + cell - (unit == 1 ? 1 : 0), y + cell - (unit == 1 ? 1 : 0)},
                             marked ? RGB(40, 96, 200) : RGB(176, 188, 208));
        }
    }
    return icon;
}

}  // namespace

HICON GetProgramIcon(int size) {
    static const Icon small = DrawCalendarIcon(16);
    static const Icon big = DrawCalendarIcon(32);
    return size == ICON_BIG ? &big : &small;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height) {
    if (dc == nullptr || icon == nullptr || icon->Picture.IsEmpty()) return FALSE;
    const Bitmap& picture = icon->Picture;
    if (width <= 0) width = picture.Width();
    if (height <= 0) height = picture.Height();
    for (int row = 0; row < height; ++row) {
        int sourceRow = row * picture.Height() / height;
        for (int column = 0; column < width; ++column) {
            ColorRef pixel = picture.PixelAt(column * picture.Width() / width, sourceRow);
            if (pixel != icon->TransparentColor) dc->SetPixel(x + column, y + row, pixel);
        }
    }
    return TRUE;
}

}  // namespace quendar
