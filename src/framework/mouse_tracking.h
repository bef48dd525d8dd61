#pragma once
// The process-wide mouse state of the controls: which control the mouse is
// over (for CM_MOUSEENTER / CM_MOUSELEAVE, non-windowed controls included)
// and which control holds the mouse capture.
//
// A control that dies is forgotten here first (ForgetControl), so neither
// pointer ever names a freed control.

namespace quendar {

class TControl;

// The control under the mouse, or nullptr.
TControl* MouseControl();
// Makes `control` the one under the mouse: the previous one is sent
// CM_MOUSELEAVE, then `control` CM_MOUSEENTER. Nothing when unchanged.
void SetMouseControl(TControl* control);

// The control that keeps the mouse while a button is held, or nullptr.
TControl* CaptureControl();
void SetCaptureControl(TControl* control);

void ForgetControl(const TControl* control);

}  // namespace quendar
