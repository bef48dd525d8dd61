#include "platform/backend/headless/robot.h"

#include "platform/message_queue.h"
#include "platform/platform_error.h"
#include "platform/timers.h"
#include "platform/utf8.h"
#include "platform/window_messages.h"
#include "platform/window_tree.h"

namespace quendar {

namespace {

// More dispatches than this without becoming idle means a window keeps
// posting or invalidating itself forever.
constexpr int RunawayLimit = 100000;

}  // namespace

void Robot::Post(RawInput input) {
    input.Screen = cursor_;
    PostRawInput(input);
    Pump();
}

void Robot::MouseMove(int x, int y) {
    cursor_ = {x, y};
    RawInput input;
    input.Type = RawInput::Kind::MouseMove;
    Post(input);
}

void Robot::Press(MouseButton button) {
    RawInput input;
    input.Type = RawInput::Kind::ButtonDown;
    input.Button = button;
    Post(input);
}

void Robot::Release(MouseButton button) {
    RawInput input;
    input.Type = RawInput::Kind::ButtonUp;
    input.Button = button;
    Post(input);
}

void Robot::Click(MouseButton button) {
    Press(button);
    Release(button);
}

void Robot::ClickAt(int x, int y, MouseButton button) {
    MouseMove(x, y);
    Click(button);
}

void Robot::KeyDown(int virtualKey) {
    RawInput input;
    input.Type = RawInput::Kind::KeyDown;
    input.VirtualKey = virtualKey;
    Post(input);
}

void Robot::KeyUp(int virtualKey) {
    RawInput input;
    input.Type = RawInput::Kind::KeyUp;
    input.VirtualKey = virtualKey;
    Post(input);
}

void Robot::KeyPress(int virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void Robot::Type(std::string_view utf8) {
    for (char32_t character : DecodeUtf8(utf8)) {
        RawInput input;
        input.Type = RawInput::Kind::Character;
        input.Character = character;
        Post(input);
    }
}

void Robot::AdvanceTime(std::uint64_t milliseconds) {
    std::uint64_t target = display_.NowMilliseconds() + milliseconds;
    for (int steps = 0; steps < RunawayLimit; ++steps) {
        std::optional<std::uint64_t> due = NextTimerDue();
        if (!due || *due > target) break;
        display_.SetNow(*due);
        Pump();
    }
    display_.SetNow(target);
    Pump();
}

int Robot::Pump() {
    MSG message;
    int dispatched = 0;
    while (PeekMessage(message, HWND(), 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitCode_ = static_cast<int>(message.wParam);
            continue;
        }
        if (++dispatched > RunawayLimit) throw PlatformError("headless display: the message loop never became idle");
        TranslateMessage(message);
        DispatchMessage(message);
    }
    return dispatched;
}

Bitmap Robot::RenderWindow(HWND window) {
    Pump();
    FlushPresentation();
    return display_.Screenshot(window);
}

}  // namespace quendar
