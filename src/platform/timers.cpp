#include "platform/timers.h"

#include <algorithm>

#include "platform/window_messages.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

auto FindTimer(HWND window, UINT_PTR id) {
    auto& timers = State().Timers;
    return std::find_if(timers.begin(), timers.end(),
                        [&](const TimerRecord& t) { return t.Window == window && t.Id == id; });
}

}  // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    WindowSystemState& state = State();
    if (window && LookUp(window) == nullptr) return 0;
    if (!window && (id == 0 || FindTimer(window, id) == state.Timers.end())) id = state.NextThreadTimerId++;
    if (window && id == 0) id = 1;
    elapse = std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, 0x7FFFFFFF);
    std::uint64_t due = Now() + elapse;
    auto existing = FindTimer(window, id);
    if (existing != state.Timers.end()) {
        existing->Elapse = elapse;
        existing->Due = due;
        existing->Callback = std::move(callback);
        return id;
    }
    state.Timers.push_back({window, id, elapse, due, state.NextTimerSerial++, std::move(callback)});
    return id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
    auto found = FindTimer(window, id);
    if (found == State().Timers.end()) return FALSE;
    State().Timers.erase(found);
    return TRUE;
}

void KillTimersOf(HWND window) {
    auto& timers = State().Timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const TimerRecord& t) { return t.Window == window; }),
                 timers.end());
}

std::optional<std::uint64_t> NextTimerDue() {
    std::optional<std::uint64_t> due;
    for (const TimerRecord& timer : State().Timers) {
        if (!due || timer.Due < *due) due = timer.Due;
    }
    return due;
}

bool TakeDueTimer(HWND filter, MSG& message, bool remove) {
    std::uint64_t now = Now();
    TimerRecord* earliest = nullptr;
    for (TimerRecord& timer : State().Timers) {
        if (timer.Due > now) continue;
        if (filter && !IsDescendantOrSelf(filter, timer.Window)) continue;
        if (earliest == nullptr || timer.Due < earliest->Due ||
            (timer.Due == earliest->Due && timer.Serial < earliest->Serial))
            earliest = &timer;
    }
    if (earliest == nullptr) return false;
    message = MSG{earliest->Window, WM_TIMER, earliest->Id,
                  earliest->Callback ? static_cast<LPARAM>(earliest->Serial) : 0,
                  static_cast<DWORD>(now), State().Cursor};
    if (remove) earliest->Due = now + earliest->Elapse;
    return true;
}

}  // namespace quendar
