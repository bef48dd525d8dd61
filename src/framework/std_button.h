#pragma once
// TButton: the classic push button.
//
// It clicks when the left button is released over it after a press on it
// (the mouse is held meanwhile; a release elsewhere does nothing), when
// Space is pressed and released while it has the focus, on its "&"
// accelerator, and through the form's dialog keys: Enter clicks the active
// button (the focused button, or the Default one while the focus is on a
// control that is not a button) and Esc clicks a Cancel button.
//
// Look: raised; sunken and its caption moved by (1, 1) while pressed; a
// dark outline while active; a dotted focus rectangle while focused.

#include <string>

#include "framework/custom_control.h"

namespace quendar {

class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* owner);

    std::string ClassName() const override { return "TButton"; }

    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Whether Enter clicks this button now.
    bool Active() const { return active_; }

    // Whether the button shows pressed: held by the mouse with the mouse
    // over it, or held by Space.
    bool Pressed() const { return (mouseHeld_ && mouseOver_) || spaceHeld_; }

protected:
    void Paint() override;
    bool EraseBackground(HDC dc) override;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyUp(int& key, TShiftState shift) override;

    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void WMCaptureChanged(TMessage& message) override;
    void WMCancelMode(TMessage& message) override;
    void CMDialogKey(TMessage& message) override;
    void CMDialogChar(TMessage& message) override;
    void CMFocusChanged(TMessage& message) override;

    // Follows the focus: active when `focused` is this button, or when it is
    // not a button and this one is the default.
    void UpdateActive(const TControl* focused);

private:
    void SetHeld(bool mouseHeld, bool mouseOver, bool spaceHeld);

    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    bool mouseHeld_ = false;
    bool mouseOver_ = false;
    bool spaceHeld_ = false;
};

}  // namespace quendar
