// The message box: its window (class "#32770"), its input handling and the
// modal run that disables the program's other windows meanwhile.

#include "platform/message_box.h"

#include <algorithm>
#include <cctype>

#include "platform/classic_controls_painting.h"
#include "platform/default_frame.h"
#include "platform/focus_activation.h"
#include "platform/input.h"
#include "platform/modal_loop.h"
#include "platform/painting.h"
#include "platform/system_colors.h"
#include "platform/system_metrics.h"
#include "platform/virtual_keys.h"
#include "platform/window_attributes.h"
#include "platform/window_class.h"
#include "platform/window_geometry.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_tree.h"

namespace quendar {

namespace {

constexpr DWORD BoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD BoxExStyle = WS_EX_DLGMODALFRAME;
constexpr const char* StateProperty = "QuendarMessageBox";
constexpr int PreferredTextWidth = 480;
constexpr int FocusInset = 4;

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

struct BoxState {
    MessageBoxLayout Layout;
    std::string Text;
    UINT Flags = 0;
    std::size_t Focused = 0;
    // The button held down by the mouse or Space, and whether the mouse is on it.
    std::optional<std::size_t> Pressed;
    bool PressedByKey = false;
    bool PressedInside = false;
    std::optional<int> Answer;
};

BoxState* StateOf(HWND box) { return static_cast<BoxState*>(GetProp(box, StateProperty)); }

std::optional<std::size_t> ButtonAt(const BoxState& state, Point client) {
    for (std::size_t index = 0; index < state.Layout.Buttons.size(); ++index) {
        if (state.Layout.Buttons[index].Bounds.Contains(client)) return index;
    }
    return std::nullopt;
}

char AcceleratorOf(std::string_view label) {
    for (std::size_t at = 0; at + 1 < label.size(); ++at) {
        if (label[at] == '&' && label[at + 1] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(label[at + 1])));
        if (label[at] == '&') ++at;
    }
    return 0;
}

void Paint(HWND box, BoxState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, paint);
    if (!state.Layout.Icon.IsEmpty()) DrawMessageBoxIcon(*dc, state.Layout.Icon.TopLeft(), state.Flags);
    dc->SaveDC();
    dc->SelectFont(GetNonClientMetrics().lfMessageFont);
    dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    Rect text = state.Layout.Text;
    dc->IntersectClipRect(text);
    dc->DrawText(state.Text, text, MessageBoxTextFormat());
    dc->RestoreDC(-1);
    bool focused = GetFocus() == box;
    for (std::size_t index = 0; index < state.Layout.Buttons.size(); ++index) {
        const MessageBoxButton& button = state.Layout.Buttons[index];
        PushButtonLook look = index == state.Focused ? PushButtonLook::Default : PushButtonLook::Normal;
        if (state.Pressed == index && state.PressedInside) look = PushButtonLook::Pressed;
        DrawPushButton(*dc, button.Bounds, button.Label, look);
        if (focused && index == state.Focused)
            DrawFocusRect(*dc, button.Bounds.Inflate(-FocusInset, -FocusInset), GetSysColor(COLOR_BTNTEXT));
    }
    EndPaint(box, paint);
}

void Redraw(HWND box) { InvalidateRect(box, nullptr, TRUE); }

void MoveFocus(HWND box, BoxState& state, int step) {
    int count = static_cast<int>(state.Layout.Buttons.size());
    state.Focused = static_cast<std::size_t>((static_cast<int>(state.Focused) + step + count) % count);
    Redraw(box);
}

void KeyDown(HWND box, BoxState& state, WPARAM key) {
    switch (key) {
        case VK_RETURN:
            state.Answer = state.Layout.Buttons[state.Focused].Id;
            break;
        case VK_ESCAPE:
            if (state.Layout.EscapeAnswer) state.Answer = state.Layout.EscapeAnswer;
            break;
        case VK_SPACE:
            state.Pressed = state.Focused;
            state.PressedByKey = true;
            state.PressedInside = true;
            Redraw(box);
            break;
        case VK_TAB:
            MoveFocus(box, state, (GetKeyState(VK_SHIFT) < 0) ? -1 : 1);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            MoveFocus(box, state, 1);
            break;
        case VK_LEFT:
        case VK_UP:
            MoveFocus(box, state, -1);
            break;
        default:
            break;
    }
}

void KeyUp(HWND box, BoxState& state, WPARAM key) {
    if (key != VK_SPACE || !state.Pressed || !state.PressedByKey) return;
    state.Answer = state.Layout.Buttons[*state.Pressed].Id;
    state.Pressed.reset();
    Redraw(box);
}

void Character(BoxState& state, WPARAM character) {
    if (character >= 0x80) return;
    char typed = static_cast<char>(std::tolower(static_cast<int>(character)));
    for (const MessageBoxButton& button : state.Layout.Buttons) {
        if (typed != 0 && AcceleratorOf(button.Label) == typed) state.Answer = button.Id;
    }
}

void MouseDown(HWND box, BoxState& state, Point client) {
    std::optional<std::size_t> hit = ButtonAt(state, client);
    if (!hit) return;
    state.Pressed = hit;
    state.PressedByKey = false;
    state.PressedInside = true;
    state.Focused = *hit;
    SetCapture(box);
    Redraw(box);
}

void MouseMove(HWND box, BoxState& state, Point client) {
    if (!state.Pressed || state.PressedByKey) return;
    bool inside = ButtonAt(state, client) == state.Pressed;
    if (inside == state.PressedInside) return;
    state.PressedInside = inside;
    Redraw(box);
}

void MouseUp(HWND box, BoxState& state, Point client) {
    if (!state.Pressed || state.PressedByKey) return;
    std::size_t pressed = *state.Pressed;
    state.Pressed.reset();
    ReleaseCapture();
    if (ButtonAt(state, client) == pressed) state.Answer = state.Layout.Buttons[pressed].Id;
    Redraw(box);
}

LRESULT BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = LParamToPointer<const CREATESTRUCT>(lParam);
        if (create != nullptr) SetProp(box, StateProperty, create->lpCreateParams);
        return DefWindowProc(box, message, wParam, lParam);
    }
    BoxState* state = StateOf(box);
    if (state == nullptr) return DefWindowProc(box, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            Paint(box, *state);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Redraw(box);
            return 0;
        case WM_KEYDOWN:
            KeyDown(box, *state, wParam);
            return 0;
        case WM_KEYUP:
            KeyUp(box, *state, wParam);
            return 0;
        case WM_CHAR:
            Character(*state, wParam);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            MouseDown(box, *state, PointFromLParam(lParam));
            return 0;
        case WM_MOUSEMOVE:
            MouseMove(box, *state, PointFromLParam(lParam));
            return 0;
        case WM_LBUTTONUP:
            MouseUp(box, *state, PointFromLParam(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            if (state->Pressed && !state->PressedByKey) {
                state->Pressed.reset();
                Redraw(box);
            }
            return 0;
        case WM_CLOSE:
            // The box ends through its answer; the modal run destroys it.
            if (state->Layout.EscapeAnswer) state->Answer = state->Layout.EscapeAnswer;
            return 0;
        case WM_NCDESTROY:
            RemoveProp(box, StateProperty);
            return DefWindowProc(box, message, wParam, lParam);
        default:
            return DefWindowProc(box, message, wParam, lParam);
    }
}

void EnsureBoxClass() {
    WNDCLASS existing;
    if (GetClassInfo(MessageBoxClassName, existing)) return;
    WNDCLASS boxClass;
    boxClass.lpszClassName = MessageBoxClassName;
    boxClass.lpfnWndProc = BoxProcedure;
    boxClass.hCursor = IDC_ARROW;
    boxClass.hbrBackground = SystemColorRef(COLOR_BTNFACE);
    RegisterClass(boxClass);
}

// The size the frame and caption add to a client area.
Size NonClientExtra() {
    Rect probe{0, 0, 1000, 1000};
    Rect client = DefaultClientArea(BoxStyle, BoxExStyle, probe);
    return {probe.Width() - client.Width(), probe.Height() - client.Height()};
}

Rect CentredPlace(HWND owner, Size size) {
    Rect work = GetWorkArea();
    Rect around = work;
    Rect ownerRect;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, ownerRect))
        around = ownerRect;
    int left = around.Left + (around.Width() - size.Width) / 2;
    int top = around.Top + (around.Height() - size.Height) / 2;
    left = std::max(work.Left, std::min(left, work.Right - size.Width));
    top = std::max(work.Top, std::min(top, work.Bottom - size.Height));
    return Rect::FromSize(left, top, size.Width, size.Height);
}

// Disables the program's visible, enabled top-level windows for the time
// the box is open and gives everything back when it ends, on every path.
class ModalScope {
public:
    explicit ModalScope(HWND owner) : focusBefore_(GetFocus()) {
        std::vector<HWND> tops;
        EnumWindows([&](HWND top) {
            tops.push_back(top);
            return true;
        });
        if (owner && std::find(tops.begin(), tops.end(), owner) == tops.end()) tops.push_back(owner);
        for (HWND top : tops) {
            if (IsWindowVisible(top) && IsWindowEnabled(top)) {
                EnableWindow(top, FALSE);
                disabled_.push_back(top);
            }
        }
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    void Adopt(HWND box) { box_ = box; }

    ~ModalScope() {
        try {
            // Enabled before the box goes, so that its owner takes the activation back.
            for (auto top = disabled_.rbegin(); top != disabled_.rend(); ++top) EnableWindow(*top, TRUE);
            if (IsWindow(box_)) DestroyWindow(box_);
            if (IsWindow(focusBefore_) && IsWindowEnabled(focusBefore_)) SetFocus(focusBefore_);
        } catch (...) {
            // A window procedure failing while the box closes must not end the program here.
        }
    }

private:
    HWND focusBefore_;
    HWND box_;
    std::vector<HWND> disabled_;
};

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
    if (owner && !IsWindow(owner)) owner = HWND();
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    MessageBoxRequest request{owner, std::string(text),
                              caption.empty() ? std::string("Error") : std::string(caption), flags};
    if (Hook()) {
        MessageBoxHook hook = Hook();
        if (std::optional<int> answer = hook(request)) return *answer;
    }

    EnsureBoxClass();
    Rect work = GetWorkArea();
    Size extra = NonClientExtra();
    int maxTextWidth = std::min(PreferredTextWidth, work.Width() - extra.Width - 100);
    int maxTextHeight = work.Height() - extra.Height - 100;
    BoxState state;
    state.Layout = LayOutMessageBox(request.Text, request.Caption, flags, maxTextWidth, maxTextHeight);
    state.Text = request.Text;
    state.Flags = flags;
    state.Focused = state.Layout.DefaultButton;

    ModalScope scope(owner);
    Size size{state.Layout.Client.Width + extra.Width, state.Layout.Client.Height + extra.Height};
    Rect place = CentredPlace(owner, size);
    HWND box = CreateWindowEx(BoxExStyle, MessageBoxClassName, request.Caption, BoxStyle, place.Left,
                              place.Top, place.Width(), place.Height(), owner, 0, &state);
    if (!box) return 0;
    scope.Adopt(box);
    ShowWindow(box, SW_SHOW);
    SetFocus(box);

    bool ended = RunModalLoop(
        {owner, MSGF_DIALOGBOX, box}, [&] { return state.Answer.has_value() || !IsWindow(box); }, nullptr);
    return ended && state.Answer ? *state.Answer : 0;
}

}  // namespace quendar
