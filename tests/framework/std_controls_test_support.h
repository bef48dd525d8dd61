#pragma once
// Helpers for the standard button, label and panel tests: the classic
// palette as picture symbols, painting one control alone onto a bitmap,
// reading a control's pixels from its form's rendered window, and the
// rows and columns that text inked.

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/device_context.h"
#include "platform/pixel_picture.h"

namespace quendar::testing_support {

using Rows = std::vector<std::string>;

// '.' black, W highlight, F face (and 3-D light), S shadow, D dark shadow,
// R red, Y yellow, B blue, M magenta, g the backdrop a lone control is painted on.
inline const std::vector<PaletteEntry>& ClassicPalette() {
    static const std::vector<PaletteEntry> palette = {
        {RGB(0, 0, 0), '.'},       {RGB(255, 255, 255), 'W'}, {RGB(212, 208, 200), 'F'},
        {RGB(128, 128, 128), 'S'}, {RGB(64, 64, 64), 'D'},    {RGB(255, 0, 0), 'R'},
        {RGB(255, 255, 0), 'Y'},   {RGB(0, 0, 255), 'B'},     {RGB(255, 0, 255), 'M'},
        {RGB(0, 128, 0), 'g'},
    };
    return palette;
}

constexpr ColorRef Backdrop = RGB(0, 128, 0);

// The control painted by itself (WM_PAINT with a context) on a backdrop-filled bitmap of its size.
inline Bitmap PaintAlone(TControl& control) {
    Bitmap picture(control.Width(), control.Height());
    picture.Fill(Backdrop);
    DeviceContext dc(picture);
    control.Perform(WM_PAINT, DcToWParam(&dc));
    return picture;
}

inline Rows Show(const Bitmap& picture) { return Picture(picture, ClassicPalette()); }

// The part of the form's rendered window that shows `control`'s client area.
inline Bitmap ClientPixels(Robot& robot, TWinControl& form, const TControl& control) {
    Bitmap window = robot.RenderWindow(form.Handle());
    Rect frame;
    GetWindowRect(form.Handle(), frame);
    Point origin = control.ClientOrigin() - Point{frame.Left, frame.Top};
    Rect client = control.ClientRect();
    Bitmap part(client.Width(), client.Height());
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
            part.SetPixel(x, y, window.PixelAt(origin.X + x, origin.Y + y));
    return part;
}

// The smallest rectangle holding every pixel that differs from `background`.
inline Rect InkBounds(const Bitmap& picture, ColorRef background) {
    Rect ink{picture.Width(), picture.Height(), 0, 0};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.PixelAt(x, y) != background) {
                ink.Left = std::min(ink.Left, x);
                ink.Top = std::min(ink.Top, y);
                ink.Right = std::max(ink.Right, x + 1);
                ink.Bottom = std::max(ink.Bottom, y + 1);
            }
    return ink;
}

}  // namespace quendar::testing_support
