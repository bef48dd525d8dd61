#include "framework/win_control.h"

#include <algorithm>

#include "framework/custom_form.h"
#include "framework/exception.h"
#include "framework/mouse_tracking.h"
#include "platform/window_system.h"

namespace quendar {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // Reached after BeforeDestruction (Free) or by plain delete; in the latter
    // case the derived parts are gone, so no message may reach this object.
    Destroying();
    if (link_) link_->Control = nullptr;
    while (ComponentCount() > 0) Components(ComponentCount() - 1)->Free();
    FreeChildren();
    if (handle_) {
        HWND window = handle_;
        handle_ = HWND();
        DestroyWindow(window);
    }
}

void TWinControl::BeforeDestruction() {
    if (!destructionStarted_) {
        destructionStarted_ = true;
        Destroying();
        // While everything is whole: the window goes first, taking the child
        // windows with it, then the components this control owns and the
        // children it shows, so that none of them outlives the parts of this
        // control it may call on.
        if (HandleAllocated()) DestroyWindowHandle();
        while (ComponentCount() > 0) Components(ComponentCount() - 1)->Free();
        FreeChildren();
    }
    TControl::BeforeDestruction();
}

void TWinControl::FreeChildren() {
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        child->Free();
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    FixupTabList();
    for (TControl* child : controls_) child->UpdateAnchorRules();
    Realign();
}

// --- children ------------------------------------------------------------------------

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return controls_[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
    if (control == nullptr || control->parent_ == this) return;
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
    controls_.push_back(control);
    control->parent_ = this;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed != nullptr) tabList_.push_back(windowed);
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    control->UpdateAnchorRules();
    if (windowed != nullptr) {
        if (windowed->HandleAllocated()) {
            if (HandleAllocated())
                quendar::SetParent(windowed->handle_, handle_);
            else
                windowed->DestroyWindowHandle();
        }
        if (HandleAllocated()) windowed->UpdateShowing();
    }
    control->InvalidateControl(false, control->Visible());
    Realign();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
    if (control == nullptr || control->parent_ != this) return;
    bool dying = Contains(ComponentState(), TComponentState::csDestroying);
    if (!dying) {
        if (TCustomForm* form = ParentForm()) form->DefocusControl(control, true);
        Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
    }
    TControl* over = MouseControl();
    if (over != nullptr) {
        auto* windowed = dynamic_cast<TWinControl*>(control);
        if (over == control || (windowed != nullptr && windowed->ContainsControl(over))) ForgetControl(over);
    }
    if (CaptureControl() == control) SetCaptureControl(nullptr);
    control->InvalidateControl(control->Visible(), false);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        if (windowed->HandleAllocated()) windowed->DestroyWindowHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), windowed), tabList_.end());
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    control->parent_ = nullptr;
    control->anchorRulesValid_ = false;
    if (!dying) {
        Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
        Realign();
    }
}

bool TWinControl::ContainsControl(const TControl* control) const {
    while (control != nullptr && control != this) control = control->Parent();
    return control == this;
}

void TWinControl::MoveControl(TControl* control, bool topmost) {
    auto found = std::find(controls_.begin(), controls_.end(), control);
    if (found == controls_.end()) return;
    controls_.erase(found);
    if (topmost)
        controls_.push_back(control);
    else
        controls_.insert(controls_.begin(), control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed != nullptr && windowed->HandleAllocated())
        SetWindowPos(windowed->handle_, topmost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::Broadcast(TMessage& message) {
    // A receiver may change the list; each child is looked up again.
    std::vector<TControl*> children = controls_;
    for (TControl* child : children) {
        if (std::find(controls_.begin(), controls_.end(), child) == controls_.end()) continue;
        child->Perform(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT message) {
    TMessage record{message, 0, PointerToLParam(this), 0};
    Broadcast(record);
}

// --- bounds and state -------------------------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    if (HandleAllocated()) {
        SetWindowPos(handle_, HWND(), left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateBoundsFromWindow();
        if (!anchorMove_) UpdateAnchorRules();
        RequestAlign();
    } else {
        TControl::SetBounds(left, top, width, height);
        Realign();
    }
}

void TWinControl::UpdateBoundsFromWindow() {
    Rect window;
    if (!GetWindowRect(handle_, window)) return;
    if (HWND parent = GetParent(handle_); parent && (GetWindowLongPtr(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowRect(HWND(), parent, window);
    // Only the fields: the window is already where it must be.
    left_ = window.Left;
    top_ = window.Top;
    width_ = window.Width();
    height_ = window.Height();
}

Rect TWinControl::ClientRect() const {
    Rect client;
    if (HandleAllocated() && GetClientRect(handle_, client)) return client;
    return TControl::ClientRect();
}

Point TWinControl::ClientOrigin() const {
    if (!HandleAllocated()) return TControl::ClientOrigin();
    Point origin;
    quendar::ClientToScreen(handle_, origin);
    return origin;
}

bool TWinControl::Showing() const {
    if (!Visible()) return false;
    if (Parent() != nullptr) return Parent()->Showing();
    return HandleAllocated() && IsWindowVisible(handle_);
}

void TWinControl::SetBorderWidth(int value) {
    value = std::max(0, value);
    if (value == borderWidth_) return;
    borderWidth_ = value;
    Perform(CM_BORDERCHANGED);
    Realign();
    Invalidate();
}

void TWinControl::UpdateShowing() {
    if (Contains(ComponentState(), TComponentState::csDestroying)) return;
    bool wanted = Visible() && Parent() != nullptr && Parent()->HandleAllocated();
    if (wanted) {
        HandleNeeded();
        if (!(GetWindowLongPtr(handle_, GWL_STYLE) & WS_VISIBLE)) ShowWindow(handle_, SW_SHOWNA);
    } else if (HandleAllocated()) {
        ShowWindow(handle_, SW_HIDE);
    }
}

void TWinControl::CMEnabledChanged(TMessage& message) {
    if (!Enabled() && Focused() && Parent() != nullptr) {
        if (TCustomForm* form = ParentForm()) form->DefocusControl(this, false);
    }
    if (HandleAllocated()) EnableWindow(handle_, Enabled() ? TRUE : FALSE);
    TControl::CMEnabledChanged(message);
}

void TWinControl::CMVisibleChanged(TMessage& message) {
    if (!Visible() && Parent() != nullptr) {
        if (TCustomForm* form = ParentForm()) form->DefocusControl(this, false);
    }
    UpdateShowing();
    DefaultHandler(message);
}

void TWinControl::CMFontChanged(TMessage& message) {
    TControl::CMFontChanged(message);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& message) {
    TControl::CMColorChanged(message);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage& message) {
    NotifyControls(CM_PARENTSHOWHINTCHANGED);
    DefaultHandler(message);
}

void TWinControl::CMRecreateWnd(TMessage& message) {
    RecreateWnd();
    DefaultHandler(message);
}

}  // namespace quendar
