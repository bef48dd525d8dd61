#include "framework/custom_form.h"

#include "framework/application.h"
#include "framework/exception.h"
#include "framework/screen.h"
#include "platform/default_frame.h"
#include "platform/window_system.h"

namespace quendar {

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(TControlStyle::csAcceptsControls | TControlStyle::csCaptureMouse | TControlStyle::csClickEvents |
                    TControlStyle::csSetCaption | TControlStyle::csDoubleClicks);
    SetVisible(false);
    SetParentFont(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm() { Screen().RemoveForm(this); }

void TCustomForm::BeforeDestruction() {
    if (!destroyFired_) {
        destroyFired_ = true;
        OnDestroy(this);
    }
    Screen().RemoveForm(this);
    TWinControl::BeforeDestruction();
}

void TCustomForm::AfterConstruction() {
    if (createFired_) return;
    createFired_ = true;
    OnCreate(this);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    if (pendingClientSize_) {
        Size size = *pendingClientSize_;
        pendingClientSize_.reset();
        SetClientSize(size);
    }
}

// --- frame and place ---------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style &= ~(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP);
    params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.WndParent = HWND();
    params.ClassStyle |= CS_DBLCLKS;
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone: params.Style |= WS_POPUP; break;
        case TFormBorderStyle::bsSingle: params.Style |= WS_CAPTION | WS_BORDER; break;
        case TFormBorderStyle::bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
        case TFormBorderStyle::bsDialog:
            params.Style |= WS_POPUP | WS_CAPTION;
            params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
        case TFormBorderStyle::bsToolWindow:
            params.Style |= WS_CAPTION | WS_BORDER;
            params.ExStyle |= WS_EX_TOOLWINDOW;
            break;
        case TFormBorderStyle::bsSizeToolWin:
            params.Style |= WS_CAPTION | WS_THICKFRAME;
            params.ExStyle |= WS_EX_TOOLWINDOW;
            break;
    }
    if (borderStyle_ == TFormBorderStyle::bsNone) return;
    if (Contains(borderIcons_, TBorderIcons::biSystemMenu)) params.Style |= WS_SYSMENU;
    bool boxes = borderStyle_ == TFormBorderStyle::bsSingle || borderStyle_ == TFormBorderStyle::bsSizeable;
    if (boxes && Contains(borderIcons_, TBorderIcons::biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (boxes && Contains(borderIcons_, TBorderIcons::biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    // The help button shares the caption only with the close button.
    if (Contains(borderIcons_, TBorderIcons::biHelp) &&
        (borderStyle_ == TFormBorderStyle::bsDialog || !(params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))))
        params.ExStyle |= WS_EX_CONTEXTHELP;
}

Size TCustomForm::FrameSize() const {
    TCreateParams params;
    const_cast<TCustomForm*>(this)->CreateParams(params);
    constexpr int probe = 1000;
    Rect client = DefaultClientArea(params.Style, params.ExStyle, Rect{0, 0, probe, probe});
    return {probe - client.Width(), probe - client.Height()};
}

Rect TCustomForm::ClientRect() const {
    if (pendingClientSize_) return Rect::FromSize(0, 0, pendingClientSize_->Width, pendingClientSize_->Height);
    if (HandleAllocated()) return TWinControl::ClientRect();
    Size frame = FrameSize();
    return Rect::FromSize(0, 0, std::max(0, Width() - frame.Width), std::max(0, Height() - frame.Height));
}

void TCustomForm::SetClientSize(Size size) {
    if (Contains(ComponentState(), TComponentState::csLoading | TComponentState::csReading)) {
        pendingClientSize_ = size;
        return;
    }
    Size frame = FrameSize();
    SetBounds(Left(), Top(), size.Width + frame.Width, size.Height + frame.Height);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
    if (value == borderIcons_) return;
    borderIcons_ = value;
    RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState value) {
    if (value == windowState_) return;
    windowState_ = value;
    if (!HandleAllocated() || !Visible()) return;
    switch (value) {
        case TWindowState::wsNormal: ShowWindow(WindowHandle(), SW_RESTORE); break;
        case TWindowState::wsMinimized: ShowWindow(WindowHandle(), SW_MINIMIZE); break;
        case TWindowState::wsMaximized: ShowWindow(WindowHandle(), SW_MAXIMIZE); break;
    }
}

void TCustomForm::ApplyPosition() {
    Size area{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    Point offset;
    switch (position_) {
        case TPosition::poScreenCenter:
        case TPosition::poDesktopCenter:
        case TPosition::poOwnerFormCenter:
            break;
        case TPosition::poMainFormCenter: {
            TCustomForm* main = Application.MainForm();
            if (main != nullptr && main != this) {
                area = {main->Width(), main->Height()};
                offset = {main->Left(), main->Top()};
            }
            break;
        }
        default:
            return;
    }
    SetBounds(offset.X + (area.Width - Width()) / 2, offset.Y + (area.Height - Height()) / 2, Width(), Height());
}

// --- showing and closing ------------------------------------------------------------------

void TCustomForm::UpdateShowing() {
    if (Contains(ComponentState(), TComponentState::csDestroying)) return;
    if (Parent() != nullptr) {
        TWinControl::UpdateShowing();
        return;
    }
    if (Visible()) {
        HandleNeeded();
        if (!shownOnce_) {
            shownOnce_ = true;
            ApplyPosition();
        }
        DoShow();
        int command = SW_SHOWNORMAL;
        if (windowState_ == TWindowState::wsMinimized) command = SW_SHOWMINIMIZED;
        if (windowState_ == TWindowState::wsMaximized) command = SW_SHOWMAXIMIZED;
        ShowWindow(WindowHandle(), command);
    } else if (HandleAllocated()) {
        DoHide();
        ShowWindow(WindowHandle(), SW_HIDE);
    }
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
    if (HandleAllocated() && GetActiveWindow() != WindowHandle() && !IsIconic(WindowHandle()))
        SetActiveWindow(WindowHandle());
}

void TCustomForm::DoShow() { OnShow(this); }

void TCustomForm::DoHide() { OnHide(this); }

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
    if (!CloseQuery()) return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone) return;
    if (Application.MainForm() == this) {
        Application.Terminate();
        return;
    }
    switch (action) {
        case TCloseAction::caHide: Hide(); break;
        case TCloseAction::caMinimize: SetWindowState(TWindowState::wsMinimized); break;
        case TCloseAction::caFree: Release(); break;
        case TCloseAction::caNone: break;
    }
}

void TCustomForm::Release() {
    if (HandleAllocated())
        PostMessage(WindowHandle(), CM_RELEASE, 0, 0);
    else
        Free();
}

void TCustomForm::PaintWindow(HDC dc) {
    TWinControl::PaintWindow(dc);
    if (!OnPaint) return;
    canvas_.SetHandle(dc);
    try {
        OnPaint(this);
    } catch (...) {
        canvas_.SetHandle(static_cast<DeviceContext*>(nullptr));
        throw;
    }
    canvas_.SetHandle(static_cast<DeviceContext*>(nullptr));
}

// --- focus -----------------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
    bool loading = Contains(ComponentState(), TComponentState::csLoading | TComponentState::csReading);
    if (control != nullptr && (control == this || !ContainsControl(control) || (!loading && !control->CanFocus())))
        throw Exception("Cannot focus a disabled or invisible window");
    activeControl_ = control;
    if (!loading && active_ && control != nullptr) quendar::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
    bool wasActive = active_;
    SetActiveControl(control);
    if (!wasActive && HandleAllocated() && Showing()) SetActiveWindow(WindowHandle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    TWinControl* previous = focusedControl_;
    Screen().SetFocusedControl(this, control == this ? nullptr : control);
    if (previous == control) return;
    focusedControl_ = control;
    if (control != this) activeControl_ = control;
    if (previous != nullptr && previous != this) previous->Perform(CM_EXIT);
    if (control != nullptr && control != this && focusedControl_ == control) control->Perform(CM_ENTER);
    Perform(CM_FOCUSCHANGED, 0, PointerToLParam(static_cast<TControl*>(control)));
}

void TCustomForm::DefocusControl(TControl* control, bool removing) {
    auto* windowed = dynamic_cast<TWinControl*>(control);
    auto inside = [&](const TWinControl* focused) {
        return focused != nullptr && windowed != nullptr && windowed->ContainsControl(focused);
    };
    if (inside(activeControl_)) activeControl_ = nullptr;
    if (inside(focusedControl_)) {
        focusedControl_ = nullptr;
        if (removing) Screen().SetFocusedControl(this, nullptr);
    }
}

void TCustomForm::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (value) {
        Screen().SetFocusedControl(this, focusedControl_ == this ? nullptr : focusedControl_);
        OnActivate(this);
    } else {
        OnDeactivate(this);
    }
}

// --- messages ------------------------------------------------------------------------------------

void TCustomForm::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_ACTIVATE: WMActivate(message); break;
        case WM_CLOSE: WMClose(message); break;
        case CM_RELEASE: CMRelease(message); break;
        default: TWinControl::Dispatch(message); break;
    }
}

void TCustomForm::WMActivate(TMessage& message) {
    bool activating = LOWORD(message.WParam) != WA_INACTIVE;
    SetActive(activating);
    if (activating && HIWORD(message.WParam) == 0) {
        if (activeControl_ == nullptr) activeControl_ = FindNextControl(nullptr, true, true, false);
        if (activeControl_ != nullptr && activeControl_->CanFocus()) {
            quendar::SetFocus(activeControl_->Handle());
            return;
        }
    }
    DefaultHandler(message);
}

void TCustomForm::WMSetFocus(TMessage& message) {
    if (activeControl_ != nullptr && activeControl_->CanFocus()) {
        quendar::SetFocus(activeControl_->Handle());
        return;
    }
    TWinControl::WMSetFocus(message);
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::CMRelease(TMessage&) { Free(); }

void TCustomForm::CMDialogKey(TMessage& message) {
    auto shift = static_cast<TShiftState>(message.LParam);
    if (!Contains(shift, TShiftState::ssAlt)) {
        int key = static_cast<int>(message.WParam);
        if (key == VK_TAB && !Contains(shift, TShiftState::ssCtrl)) {
            SelectNext(activeControl_, !Contains(shift, TShiftState::ssShift), true);
            message.Result = 1;
            return;
        }
        if (key >= VK_LEFT && key <= VK_DOWN) {
            if (activeControl_ != nullptr && activeControl_->Parent() != nullptr) {
                activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
                message.Result = 1;
            }
            return;
        }
    }
    TWinControl::CMDialogKey(message);
}

}  // namespace quendar
