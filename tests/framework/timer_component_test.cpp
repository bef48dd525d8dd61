// TTimer on the advanced clock: firing, stopping, restarting and dying.

#include "framework/timer_component.h"

#include <gtest/gtest.h>

#include "control_test_support.h"

namespace quendar::testing_support {
namespace {

class TimerComponentTest : public ControlTest {
protected:
    TTimer* MakeTimer(TComponent* owner, unsigned interval) {
        TTimer* timer = CreateComponent<TTimer>(owner);
        timer->SetInterval(interval);
        timer->OnTimer = TNotifyEvent([this, timer](TComponent* sender) {
            EXPECT_EQ(sender, timer);
            ++fired;
        });
        return timer;
    }
    int fired = 0;
};

TEST_F(TimerComponentTest, FiresEveryIntervalWhileEnabled) {
    FormPtr form = MakeForm();
    TTimer* timer = MakeTimer(form.get(), 100);
    EXPECT_EQ(TTimer(nullptr).Interval(), 1000u);
    struct Step {
        const char* Name;
        void (*Change)(TTimer&);
        unsigned Advance;
        int Fired;  // so far
    } steps[] = {
        {"just short of the interval", nullptr, 99, 0},
        {"the interval", nullptr, 1, 1},
        {"two more", nullptr, 200, 3},
        {"disabled", [](TTimer& t) { t.SetEnabled(false); }, 500, 3},
        {"enabled again counts from now", [](TTimer& t) { t.SetEnabled(true); }, 99, 3},
        {"", nullptr, 1, 4},
        {"a new interval restarts the count", [](TTimer& t) { t.SetInterval(300); }, 299, 4},
        {"", nullptr, 1, 5},
        {"interval 0 stops", [](TTimer& t) { t.SetInterval(0); }, 1000, 5},
    };
    for (const Step& step : steps) {
        if (step.Change != nullptr) step.Change(*timer);
        robot->AdvanceTime(step.Advance);
        EXPECT_EQ(fired, step.Fired) << step.Name;
    }
    EXPECT_FALSE(timer->Running());
}

TEST_F(TimerComponentTest, ADestroyedTimerNeverFiresAgain) {
    FormPtr form = MakeForm();
    TTimer* timer = MakeTimer(form.get(), 100);
    TTimer* survivor = CreateComponent<TTimer>(form.get());
    survivor->SetInterval(100);
    int survivorFired = 0;
    survivor->OnTimer = TNotifyEvent([&](TComponent*) { ++survivorFired; });
    robot->AdvanceTime(100);
    timer->Free();
    robot->AdvanceTime(500);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(survivorFired, 6);
    form.reset();  // the owner frees the survivor
    robot->AdvanceTime(500);
    EXPECT_EQ(survivorFired, 6);
}

TEST_F(TimerComponentTest, AHandlerMayFreeItsOwnTimer) {
    TTimer* timer = CreateComponent<TTimer>(nullptr);
    timer->SetInterval(50);
    timer->OnTimer = TNotifyEvent([&](TComponent* sender) {
        ++fired;
        sender->Free();
    });
    robot->AdvanceTime(500);
    EXPECT_EQ(fired, 1);
}

TEST_F(TimerComponentTest, WaitsForLoadingToEnd) {
    TComponentPtr<TTimer> timer(CreateComponent<TTimer>(nullptr));
    timer->IncludeComponentState(TComponentState::csLoading);
    timer->SetInterval(100);
    timer->OnTimer = TNotifyEvent([this](TComponent*) { ++fired; });
    robot->AdvanceTime(300);
    EXPECT_EQ(fired, 0);
    timer->Loaded();
    robot->AdvanceTime(300);
    EXPECT_EQ(fired, 3);
}

}  // namespace
}  // namespace quendar::testing_support
