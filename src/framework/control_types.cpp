#include "framework/control_types.h"

#include "platform/input.h"
#include "platform/virtual_keys.h"

namespace quendar {

TShiftState ShiftStateFromMouseKeys(unsigned keys) {
    TShiftState shift = TShiftState::ssNone;
    if (keys & MK_SHIFT) shift |= TShiftState::ssShift;
    if (keys & MK_CONTROL) shift |= TShiftState::ssCtrl;
    if (keys & MK_LBUTTON) shift |= TShiftState::ssLeft;
    if (keys & MK_RBUTTON) shift |= TShiftState::ssRight;
    if (keys & MK_MBUTTON) shift |= TShiftState::ssMiddle;
    if (GetKeyState(VK_MENU) < 0) shift |= TShiftState::ssAlt;
    return shift;
}

TShiftState KeyboardShiftState() {
    TShiftState shift = TShiftState::ssNone;
    if (GetKeyState(VK_SHIFT) < 0) shift |= TShiftState::ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift |= TShiftState::ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= TShiftState::ssAlt;
    return shift;
}

}  // namespace quendar
