#pragma once
// The pixels a control shows on screen, cut from its form's rendered window,
// as rows of palette symbols (see platform/pixel_picture.h).

#include <string>
#include <vector>

#include "framework/control.h"
#include "framework/form.h"
#include "platform/backend/headless/robot.h"
#include "platform/pixel_picture.h"
#include "platform/window_geometry.h"

namespace quendar::testing_support {

// `area` is in the control's client coordinates.
inline std::vector<std::string> ControlPicture(Robot& robot, TForm& form, const TControl& control,
                                               const Rect& area, const std::vector<PaletteEntry>& palette) {
    Bitmap window = robot.RenderWindow(form.Handle());
    Rect formRect;
    GetWindowRect(form.Handle(), formRect);
    Point origin = control.ClientOrigin();
    Bitmap cut(area.Width(), area.Height());
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x)
            cut.SetPixel(x, y,
                         window.PixelAt(origin.X - formRect.Left + area.Left + x,
                                        origin.Y - formRect.Top + area.Top + y));
    return Picture(cut, palette);
}

}  // namespace quendar::testing_support
