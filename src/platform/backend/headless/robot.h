#pragma once
// Drives the window system like a user at a headless display: every action
// posts raw input and then runs the message loop until nothing is left to
// do (posted messages, input, painting and due timers).

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/backend/headless/headless_backend.h"
#include "platform/raw_input.h"

namespace quendar {

class Robot {
public:
    explicit Robot(HeadlessBackend& display) : display_(display) {}

    void MouseMove(int x, int y);  // screen coordinates
    void Press(MouseButton button = MouseButton::Left);
    void Release(MouseButton button = MouseButton::Left);
    void Click(MouseButton button = MouseButton::Left);
    void ClickAt(int x, int y, MouseButton button = MouseButton::Left);
    void KeyDown(int virtualKey);
    void KeyUp(int virtualKey);
    void KeyPress(int virtualKey);
    // One WM_CHAR per code point; invalid UTF-8 arrives as U+FFFD.
    void Type(std::string_view utf8);
    // Moves the clock forward, stopping at each moment a timer is due so
    // that every timer fires as often as it would in real time.
    void AdvanceTime(std::uint64_t milliseconds);

    // Dispatches until idle; answers how many messages were dispatched.
    // A WM_QUIT is remembered (QuitCode) rather than dispatched.
    int Pump();
    std::optional<int> QuitCode() const { return quitCode_; }

    // The window's picture as the display last received it.
    Bitmap RenderWindow(HWND window);

private:
    void Post(RawInput input);

    HeadlessBackend& display_;
    Point cursor_;
    std::optional<int> quitCode_;
};

}  // namespace quendar
