#include "framework/timer_component.h"

#include "platform/timers.h"

namespace quendar {

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() { StopTimer(); }

void TTimer::BeforeDestruction() {
    StopTimer();
    TComponent::BeforeDestruction();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    if (value == interval_) return;
    interval_ = value;
    UpdateTimer();
}

void TTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    UpdateTimer();
}

void TTimer::Timer() {
    // A copy, so that a handler that frees this timer keeps running.
    TNotifyEvent handler = OnTimer;
    handler(this);
}

void TTimer::StopTimer() {
    if (timerId_ == 0) return;
    KillTimer(HWND{}, timerId_);
    timerId_ = 0;
}

void TTimer::UpdateTimer() {
    bool wanted = enabled_ && interval_ != 0 &&
                  !Contains(ComponentState(), TComponentState::csLoading | TComponentState::csReading |
                                                  TComponentState::csDestroying);
    if (!wanted) {
        StopTimer();
        return;
    }
    // Setting the same number again restarts its count with the new interval.
    timerId_ = SetTimer(HWND{}, timerId_, interval_, [this](HWND, UINT, UINT_PTR, DWORD) { Timer(); });
}

}  // namespace quendar
