#pragma once
// Timers on the GUI thread. Intervals are whole milliseconds of at least 10
// (shorter ones are raised to 10), measured on the backend's monotonic clock.
// A due timer produces one WM_TIMER at a time, the lowest-priority message of
// the queue; the next one is due an interval after it was delivered. Timers
// due at the same moment fire in the order they were set.

#include <cstdint>
#include <optional>

#include "platform/window_types.h"

namespace quendar {

constexpr UINT USER_TIMER_MINIMUM = 10;

// With a window: (re)starts the window's timer `id` and answers `id` (1 for
// id 0); 0 for a stale window. Without a window: a new thread timer whose
// number is answered (an existing one when `id` names one). A callback, when
// given, is called by DispatchMessage instead of the window procedure.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback = {});
BOOL KillTimer(HWND window, UINT_PTR id);

// When the earliest timer is due; none without timers. For backends and tests.
std::optional<std::uint64_t> NextTimerDue();

}  // namespace quendar
