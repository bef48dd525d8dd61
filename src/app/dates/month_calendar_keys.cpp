#include "app/dates/month_calendar_keys.h"

#include "platform/virtual_keys.h"

namespace quendar {

CalendarKeyAction CalendarKeyActionOf(int key, TShiftState shift) {
    const bool ctrl = Contains(shift, TShiftState::ssCtrl);
    const bool modified = Contains(shift, TShiftState::ssShift | TShiftState::ssCtrl | TShiftState::ssAlt);
    switch (key) {
        case VK_PRIOR:
            return ctrl ? CalendarKeyAction::PrevYear : CalendarKeyAction::PrevMonth;
        case VK_NEXT:
            return ctrl ? CalendarKeyAction::NextYear : CalendarKeyAction::NextMonth;
        case VK_LEFT:
        case VK_SUBTRACT:
            return modified ? CalendarKeyAction::None : CalendarKeyAction::PreviousDay;
        case VK_RIGHT:
        case VK_ADD:
            return modified ? CalendarKeyAction::None : CalendarKeyAction::NextDay;
        case VK_UP:
            return CalendarKeyAction::WeekBack;
        case VK_DOWN:
            return CalendarKeyAction::WeekForward;
        default:
            return CalendarKeyAction::None;
    }
}

}  // namespace quendar
