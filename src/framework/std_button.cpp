#include "framework/std_button.h"

#include "framework/control_text.h"
#include "framework/custom_form.h"
#include "platform/classic_controls_painting.h"
#include "platform/system_colors.h"
#include "platform/virtual_keys.h"

namespace quendar {

namespace {

constexpr TShiftState ModifierKeys = TShiftState::ssShift | TShiftState::ssCtrl | TShiftState::ssAlt;

}  // namespace

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
    // No double clicks: a quick second press is a second click.
    SetControlStyle(TControlStyle::csSetCaption | TControlStyle::csCaptureMouse |
                    TControlStyle::csClickEvents | TControlStyle::csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::SetDefault(bool value) {
    if (value == default_) return;
    default_ = value;
    TCustomForm* form = ParentForm();
    UpdateActive(form != nullptr ? form->ActiveControl() : nullptr);
}

void TButton::UpdateActive(const TControl* focused) {
    bool active = dynamic_cast<const TButton*>(focused) != nullptr ? focused == this : default_;
    if (active == active_) return;
    active_ = active;
    Invalidate();
}

void TButton::SetHeld(bool mouseHeld, bool mouseOver, bool spaceHeld) {
    bool wasPressed = Pressed();
    mouseHeld_ = mouseHeld;
    mouseOver_ = mouseOver;
    spaceHeld_ = spaceHeld;
    if (Pressed() != wasPressed) Invalidate();
}

// --- painting ----------------------------------------------------------------------

bool TButton::EraseBackground(HDC) { return true; }

void TButton::Paint() {
    DeviceContext& dc = Canvas().Handle();
    Rect bounds = ClientRect();
    PushButtonLook look = Pressed() ? PushButtonLook::Pressed
                          : active_ ? PushButtonLook::Default
                                    : PushButtonLook::Normal;
    DrawPushButton(dc, bounds, {}, look);
    Canvas().Refresh();
    Canvas().Font().Assign(Font());
    Rect text = Pressed() ? bounds.Offset(1, 1) : bounds;
    DrawControlText(Canvas(), text, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused()) DrawFocusRect(dc, bounds.Inflate(-4, -4), GetSysColor(COLOR_BTNTEXT));
}

// --- mouse and keys ----------------------------------------------------------------

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && Enabled()) {
        if (!Focused() && CanFocus()) SetFocus();
        SetHeld(true, ClientRect().Contains({x, y}), spaceHeld_);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
    if (mouseHeld_) SetHeld(true, ClientRect().Contains({x, y}), spaceHeld_);
    TCustomControl::MouseMove(shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // Released before the click, so a click that opens a dialog shows the button up.
    if (button == TMouseButton::mbLeft) SetHeld(false, false, spaceHeld_);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && !Contains(shift, ModifierKeys) && Enabled()) SetHeld(mouseHeld_, mouseOver_, true);
}

void TButton::KeyUp(int& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && spaceHeld_) {
        SetHeld(mouseHeld_, mouseOver_, false);
        Click();
    }
}

// --- messages ------------------------------------------------------------------------

void TButton::WMSetFocus(TMessage& message) {
    TCustomControl::WMSetFocus(message);
    Invalidate();
}

void TButton::WMKillFocus(TMessage& message) {
    // Space held while the focus leaves is no click.
    SetHeld(mouseHeld_, mouseOver_, false);
    TCustomControl::WMKillFocus(message);
    Invalidate();
}

void TButton::WMCaptureChanged(TMessage& message) {
    SetHeld(false, false, spaceHeld_);
    TCustomControl::WMCaptureChanged(message);
}

void TButton::WMCancelMode(TMessage& message) {
    SetHeld(false, false, false);
    TCustomControl::WMCancelMode(message);
}

void TButton::CMDialogKey(TMessage& message) {
    int key = static_cast<int>(message.WParam);
    auto shift = static_cast<TShiftState>(message.LParam);
    bool wanted = (key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_);
    if (wanted && !Contains(shift, ModifierKeys) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogKey(message);
}

void TButton::CMDialogChar(TMessage& message) {
    if (IsAccelerator(static_cast<char32_t>(message.WParam), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(message);
}

void TButton::CMFocusChanged(TMessage& message) {
    UpdateActive(LParamToPointer<TControl>(message.LParam));
    TCustomControl::CMFocusChanged(message);
}

}  // namespace quendar
