#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled.
//
// Runs on a thread timer of the window system, so it needs no window and
// fires from the message loop like any message. Changing Interval restarts
// the count; Interval 0, Enabled off, loading from a definition and
// destruction stop it. A handler may free the timer that called it.

#include <string>

#include "framework/component.h"
#include "framework/notify_event.h"
#include "platform/window_types.h"

namespace quendar {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    std::string ClassName() const override { return "TTimer"; }
    void BeforeDestruction() override;
    void Loaded() override;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Whether the window system's timer is set now.
    bool Running() const { return timerId_ != 0; }

    TNotifyEvent OnTimer;

protected:
    // Called each time the interval has passed; the default calls OnTimer.
    virtual void Timer();

private:
    void UpdateTimer();
    void StopTimer();

    unsigned interval_ = 1000;
    bool enabled_ = true;
    UINT_PTR timerId_ = 0;
};

}  // namespace quendar
