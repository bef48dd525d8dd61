#pragma once
// Which calendar action a key pressed on the day grid stands for.
//
//   Page Up / Page Down          previous / next month; with Ctrl the year
//   Left, numeric-pad minus      previous day  (no Shift, Ctrl or Alt)
//   Right, numeric-pad plus      next day      (no Shift, Ctrl or Alt)
//   Up / Down                    one week back / forward (modifiers ignored)
//
// Any other key, and Left or Right with a modifier, is left to the grid's
// standard cell navigation. The T key arrives as a typed character instead.

#include "framework/control_types.h"

namespace quendar {

enum class CalendarKeyAction {
    None,
    PrevMonth,
    NextMonth,
    PrevYear,
    NextYear,
    PreviousDay,
    NextDay,
    WeekBack,
    WeekForward,
};

// `key` is a virtual-key code; mouse-button bits in `shift` do not count.
CalendarKeyAction CalendarKeyActionOf(int key, TShiftState shift);

}  // namespace quendar
