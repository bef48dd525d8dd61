#include "platform/focus_activation.h"
#include "platform/input.h"
#include "platform/virtual_keys.h"
#include "platform/window_messages.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

// The generic key a left or right variant stands for; the key itself otherwise.
int GenericKey(int key) {
    switch (key) {
        case VK_LSHIFT:
        case VK_RSHIFT:
            return VK_SHIFT;
        case VK_LCONTROL:
        case VK_RCONTROL:
            return VK_CONTROL;
        case VK_LMENU:
        case VK_RMENU:
            return VK_MENU;
        default:
            return key;
    }
}

void SetKeyDown(int key, bool down) {
    auto& keys = State().Keys;
    std::uint8_t& state = keys[static_cast<std::size_t>(key)];
    if (down && (state & 0x80) == 0) state ^= 0x01;
    if (down) state |= 0x80;
    else state &= static_cast<std::uint8_t>(~0x80);
}

void RouteKey(const RawInput& input) {
    WindowSystemState& state = State();
    int key = input.VirtualKey & 0xFF;
    if (key == 0) return;
    bool down = input.Type == RawInput::Kind::KeyDown;
    int generic = GenericKey(key);
    bool wasDown = (state.Keys[static_cast<std::size_t>(generic)] & 0x80) != 0;
    SetKeyDown(key, down);
    if (generic != key) SetKeyDown(generic, down);

    bool alt = (state.Keys[VK_MENU] & 0x80) != 0;
    bool control = (state.Keys[VK_CONTROL] & 0x80) != 0;
    bool system = (alt && !control) || generic == VK_F10 || (generic == VK_MENU && !control);
    HWND target = LookUp(state.Focus) != nullptr ? state.Focus : HWND();
    if (!target) {
        target = LookUp(state.Active) != nullptr ? state.Active : HWND();
        system = true;
    }
    if (!target) return;
    UINT message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    std::uint32_t flags = 1;  // repeat count
    if (alt) flags |= 1u << 29;
    if (!down || wasDown) flags |= 1u << 30;
    if (!down) flags |= 1u << 31;
    state.InputMessages.push_back(MSG{target, message, static_cast<WPARAM>(generic), static_cast<LPARAM>(flags),
                                      static_cast<DWORD>(Now()), state.Cursor});
}

void RouteCharacter(const RawInput& input) {
    WindowSystemState& state = State();
    if (input.Character == 0 || input.Character > 0x10FFFF) return;
    HWND target = LookUp(state.Focus) != nullptr ? state.Focus : HWND();
    if (!target) return;
    state.InputMessages.push_back(MSG{target, WM_CHAR, static_cast<WPARAM>(input.Character), 1,
                                      static_cast<DWORD>(Now()), state.Cursor});
}

}  // namespace

void RouteRawInput(const RawInput& input) {
    switch (input.Type) {
        case RawInput::Kind::MouseMove:
        case RawInput::Kind::ButtonDown:
        case RawInput::Kind::ButtonUp:
            RouteMouseInput(input);
            break;
        case RawInput::Kind::KeyDown:
        case RawInput::Kind::KeyUp:
            RouteKey(input);
            break;
        case RawInput::Kind::Character:
            RouteCharacter(input);
            break;
        case RawInput::Kind::Activate:
            if (LookUp(input.Window) != nullptr) ActivateTopLevel(input.Window, WA_ACTIVE);
            break;
        case RawInput::Kind::Deactivate:
            ActivateTopLevel(HWND(), WA_INACTIVE);
            break;
    }
}

std::int16_t GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 0xFF) return 0;
    std::uint8_t state = State().Keys[static_cast<std::size_t>(virtualKey)];
    return static_cast<std::int16_t>(((state & 0x80) ? 0x8000 : 0) | (state & 0x01));
}

}  // namespace quendar
