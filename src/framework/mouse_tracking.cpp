#include "framework/mouse_tracking.h"

#include "framework/control.h"

namespace quendar {

namespace {

TControl* mouseControl = nullptr;
TControl* captureControl = nullptr;

}  // namespace

TControl* MouseControl() { return mouseControl; }

void SetMouseControl(TControl* control) {
    if (control == mouseControl) return;
    TControl* previous = mouseControl;
    mouseControl = control;
    if (previous != nullptr) previous->Perform(CM_MOUSELEAVE);
    // The leave handler may have moved the mouse state on; enter only if still current.
    if (control != nullptr && mouseControl == control) control->Perform(CM_MOUSEENTER);
}

TControl* CaptureControl() { return captureControl; }

void SetCaptureControl(TControl* control) { captureControl = control; }

void ForgetControl(const TControl* control) {
    if (mouseControl == control) mouseControl = nullptr;
    if (captureControl == control) captureControl = nullptr;
}

}  // namespace quendar
