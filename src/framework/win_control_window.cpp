// TWinControl: making and destroying the window, and the way window
// messages reach the object.

#include <exception>

#include "framework/application.h"
#include "framework/exception.h"
#include "framework/mouse_tracking.h"
#include "framework/win_control.h"
#include "platform/window_system.h"

namespace quendar {

namespace {

// The control whose window is being made: its class procedure binds the new
// window to it at the first message, so creation messages reach it too.
TWinControl* creationControl = nullptr;

constexpr const char* ControlProperty = "QuendarControl";

}  // namespace

LRESULT TWinControl::InitialWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = creationControl;
    if (control == nullptr) return DefWindowProc(window, message, wParam, lParam);
    creationControl = nullptr;
    control->AttachHandle(window);
    return CallWindowProc(GetWindowProc(window), window, message, wParam, lParam);
}

LRESULT TWinControl::Deliver(const std::shared_ptr<WindowLink>& link, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) {
    TWinControl* control = link->Control;
    if (control == nullptr) return DefWindowProc(window, message, wParam, lParam);
    TMessage record{message, wParam, lParam, 0};
    try {
        // A copy: the handler may free the control, and with it WindowProc.
        TWndMethod procedure = control->WindowProc;
        if (procedure)
            procedure(record);
        else
            control->WndProc(record);
    } catch (...) {
        // Errors never cross the window system: the application shows them.
        Application.HandleException(link->Control);
    }
    if (message == WM_NCDESTROY && link->Control != nullptr) link->Control->DetachHandle();
    return record.Result;
}

void TWinControl::AttachHandle(HWND window) {
    handle_ = window;
    link_ = std::make_shared<WindowLink>();
    link_->Control = this;
    SetWindowProc(window, [link = link_](HWND w, UINT m, WPARAM wp, LPARAM lp) { return Deliver(link, w, m, wp, lp); });
    SetProp(window, ControlProperty, this);
}

void TWinControl::DetachHandle() {
    if (link_) link_->Control = nullptr;
    link_.reset();
    // The mouse can no longer be over this window or what it paints.
    TControl* over = MouseControl();
    if (over == this || (over != nullptr && over->Parent() == this && dynamic_cast<TWinControl*>(over) == nullptr))
        ForgetControl(over);
    handle_ = HWND();
}

TWinControl* TWinControl::FindControl(HWND window) {
    if (!IsWindow(window)) return nullptr;
    return static_cast<TWinControl*>(GetProp(window, ControlProperty));
}

HWND TWinControl::Handle() {
    if (!handle_) {
        if (Parent() != nullptr) Parent()->HandleNeeded();
        // Making the parent's window may have made this one.
        if (!handle_) CreateWnd();
    }
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.Caption = Text();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (Contains(ControlStyle(), TControlStyle::csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
    if (Visible()) params.Style |= WS_VISIBLE;
    if (!Enabled()) params.Style |= WS_DISABLED;
    if (tabStop_) params.Style |= WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    if (Parent() != nullptr) params.WndParent = Parent()->Handle();
    params.WinClassName = ClassName();
    params.ClassStyle = CS_HREDRAW | CS_VREDRAW;
    if (Contains(ControlStyle(), TControlStyle::csDoubleClicks)) params.ClassStyle |= CS_DBLCLKS;
    params.ClassCursor = IDC_ARROW;
}

void TWinControl::CreateSubClass(TCreateParams& params, const std::string& platformClass) {
    WNDCLASS found;
    if (!GetClassInfo(platformClass, found)) throw Exception("Window class " + platformClass + " is not registered");
    params.DefaultProcedure = found.lpfnWndProc;
    params.ClassStyle = found.style;
    if (found.hCursor != 0) params.ClassCursor = found.hCursor;
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
    WNDCLASS existing;
    if (!GetClassInfo(params.WinClassName, existing)) {
        WNDCLASS windowClass;
        windowClass.style = params.ClassStyle;
        windowClass.lpfnWndProc = &TWinControl::InitialWindowProc;
        windowClass.hCursor = params.ClassCursor;
        windowClass.lpszClassName = params.WinClassName;
        if (RegisterClass(windowClass) == 0) throw Exception("Cannot register window class " + params.WinClassName);
    }
    defaultProcedure_ = params.DefaultProcedure;
    creationControl = this;
    HWND window = CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X, params.Y,
                                 params.Width, params.Height, params.WndParent);
    // A class procedure of someone else's never bound the window; bind it now.
    if (creationControl == this) {
        creationControl = nullptr;
        if (window) AttachHandle(window);
    }
    if (!window || handle_ != window) {
        handle_ = HWND();
        throw Exception("Error creating window of " + ClassName());
    }
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    CreateWindowHandle(params);
    UpdateBoundsFromWindow();
    // Windows of the children come after this one, bottom of the stack first,
    // so the platform stacks them as the list does.
    std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed != nullptr && windowed->Visible())
            windowed->HandleNeeded();
    }
    Realign();
}

void TWinControl::DestroyWnd() {
    // The text lives in the object; nothing to save from the window.
    DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
    if (!handle_) return;
    HWND window = handle_;
    DestroyWindow(window);
    // A window that refused to die is let go all the same.
    if (handle_ == window) DetachHandle();
}

void TWinControl::RecreateWnd() {
    if (!HandleAllocated()) return;
    bool hadFocus = Focused();
    DestroyWnd();
    if (Parent() != nullptr || Visible()) UpdateShowing();
    if (!HandleAllocated() && Parent() == nullptr) HandleNeeded();
    if (hadFocus && CanFocus()) quendar::SetFocus(handle_);
}

// --- dispatch ------------------------------------------------------------------------------

void TWinControl::WndProc(TMessage& message) {
    if (message.Msg >= WM_MOUSEFIRST && message.Msg < WM_MOUSEWHEEL) {
        if (message.Msg == WM_MOUSEMOVE) TrackMouseOver(PointFromLParam(message.LParam));
        if (RouteMouseToChild(message)) return;
    }
    TControl::WndProc(message);
}

void TWinControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_ERASEBKGND: WMEraseBkgnd(message); break;
        case WM_SIZE: WMSize(message); break;
        case WM_MOVE: WMMove(message); break;
        case WM_SETFOCUS: WMSetFocus(message); break;
        case WM_KILLFOCUS: WMKillFocus(message); break;
        case WM_KEYDOWN: WMKeyDown(message); break;
        case WM_KEYUP: WMKeyUp(message); break;
        case WM_CHAR: WMChar(message); break;
        case WM_SYSCHAR: WMSysChar(message); break;
        case WM_SETCURSOR: WMSetCursor(message); break;
        case WM_MOUSELEAVE: WMMouseLeave(message); break;
        case WM_CAPTURECHANGED: WMCaptureChanged(message); break;
        case CM_SHOWHINTCHANGED: CMShowHintChanged(message); break;
        case CM_DIALOGKEY: CMDialogKey(message); break;
        case CM_DIALOGCHAR: CMDialogChar(message); break;
        case CM_CHILDKEY: CMChildKey(message); break;
        case CM_FOCUSCHANGED: CMFocusChanged(message); break;
        case CM_ENTER: CMEnter(message); break;
        case CM_EXIT: CMExit(message); break;
        case CM_RECREATEWND: CMRecreateWnd(message); break;
        default: TControl::Dispatch(message); break;
    }
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (message.Msg == WM_SETTEXT || message.Msg == WM_GETTEXTLENGTH) {
        TControl::DefaultHandler(message);
        if (message.Msg == WM_GETTEXTLENGTH) return;
    }
    // Our own notifications mean nothing to the window class.
    if (!HandleAllocated() || IsFrameworkMessage(message.Msg)) return;
    message.Result = CallWindowProc(defaultProcedure_, handle_, message.Msg, message.WParam, message.LParam);
}

}  // namespace quendar
