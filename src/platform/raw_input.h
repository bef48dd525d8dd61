#pragma once
// Input as a display backend reports it, before the window system routes it
// to windows. Backends post events; the message queue turns each into window
// messages when it is retrieved, so routing sees the capture, focus and
// window layout of that moment.

#include <cstdint>

#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

enum class MouseButton { Left, Right, Middle };

struct RawInput {
    enum class Kind {
        MouseMove,
        ButtonDown,
        ButtonUp,
        KeyDown,
        KeyUp,
        // One typed character (a Unicode code point) from the backend's text input.
        Character,
        // The backend's window system gave the keyboard to Window / took it away.
        Activate,
        Deactivate,
    };

    Kind Type = Kind::MouseMove;
    Point Screen;  // mouse position, screen coordinates
    MouseButton Button = MouseButton::Left;
    int VirtualKey = 0;
    char32_t Character = 0;
    // The top-level window the backend saw the event in; null lets the window
    // system find it from its own stacking order.
    HWND Window;
};

void PostRawInput(const RawInput& input);

}  // namespace quendar
