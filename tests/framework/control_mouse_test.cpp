#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/mouse_tracking.h"

namespace quendar::testing_support {
namespace {

class ControlMouseTest : public ControlTest {
protected:
    void Watch(TControl& control, const std::string& name) {
        control.OnMouseEnter = TNotifyEvent([this, name](TComponent*) { log.push_back("enter " + name); });
        control.OnMouseLeave = TNotifyEvent([this, name](TComponent*) { log.push_back("leave " + name); });
    }
    std::vector<std::string> log;
};

TEST_F(ControlMouseTest, EnterAndLeaveFollowTheControlUnderTheMouse) {
    FormPtr form = MakeForm(200, 100);
    Swatch* a = Add<Swatch>(*form, Rect::FromSize(10, 10, 30, 30));
    Swatch* b = Add<Swatch>(*form, Rect::FromSize(40, 10, 30, 30));  // touches a: x 40 is b's
    KeyTarget* windowed = Add<KeyTarget>(*form, Rect::FromSize(100, 10, 30, 30));
    Watch(*form, "form");
    Watch(*a, "a");
    Watch(*b, "b");
    Watch(*windowed, "w");
    form->Show();
    robot->Pump();

    struct Step {
        Point At;  // form client coordinates
        std::vector<std::string> Log;
    } steps[] = {
        {{5, 5}, {"enter form"}},
        {{10, 10}, {"leave form", "enter a"}},
        {{39, 39}, {}},  // still inside a: nothing
        {{40, 39}, {"leave a", "enter b"}},
        {{70, 20}, {"leave b", "enter form"}},  // x 70 is outside b
        {{100, 10}, {"leave form", "enter w"}},
        {{129, 39}, {}},
        {{130, 39}, {"leave w", "enter form"}},
    };
    for (const Step& step : steps) {
        log.clear();
        MoveTo(*form, step.At);
        EXPECT_EQ(log, step.Log) << "at " << step.At.X << "," << step.At.Y;
    }
    log.clear();
    robot->MouseMove(790, 590);
    EXPECT_EQ(log, (std::vector<std::string>{"leave form"}));
    EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(ControlMouseTest, DisabledOrHiddenGraphicControlIsPassedOver) {
    FormPtr form = MakeForm();
    Swatch* hidden = Add<Swatch>(*form, Rect::FromSize(10, 10, 30, 30));
    Swatch* disabled = Add<Swatch>(*form, Rect::FromSize(50, 10, 30, 30));
    hidden->Hide();
    disabled->SetEnabled(false);
    form->Show();
    robot->Pump();
    MoveTo(*form, {20, 20});
    EXPECT_EQ(MouseControl(), form.get());
    MoveTo(*form, {60, 20});
    EXPECT_EQ(MouseControl(), form.get());
    ClickAt(*form, {60, 20});
    EXPECT_EQ(disabled->Clicks, 0);
}

TEST_F(ControlMouseTest, ClickNeedsPressAndReleaseInsideAndCaptureKeepsTheRelease) {
    FormPtr form = MakeForm();
    Swatch* swatch = Add<Swatch>(*form, Rect::FromSize(10, 10, 30, 30));
    std::vector<Point> ups;
    swatch->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int x, int y) { ups.push_back({x, y}); };
    form->Show();
    robot->Pump();

    ClickAt(*form, {15, 15});
    EXPECT_EQ(swatch->Clicks, 1);

    MoveTo(*form, {15, 15});
    robot->Press();
    EXPECT_TRUE(swatch->MouseCapture());
    MoveTo(*form, {100, 80});
    robot->Release();
    EXPECT_EQ(swatch->Clicks, 1);
    EXPECT_FALSE(swatch->MouseCapture());
    // The release outside still went to the swatch, in its own coordinates.
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_EQ(ups[1], (Point{90, 70}));
}

TEST_F(ControlMouseTest, TopmostOfOverlappingChildrenGetsTheMouse) {
    FormPtr form = MakeForm();
    Swatch* lower = Add<Swatch>(*form, Rect::FromSize(10, 10, 30, 30));
    Swatch* upper = Add<Swatch>(*form, Rect::FromSize(20, 20, 30, 30));
    form->Show();
    robot->Pump();
    ClickAt(*form, {25, 25});
    EXPECT_EQ(upper->Clicks, 1);
    EXPECT_EQ(lower->Clicks, 0);
    upper->SendToBack();
    ClickAt(*form, {25, 25});
    EXPECT_EQ(lower->Clicks, 1);
    EXPECT_EQ(upper->Clicks, 1);
}

}  // namespace
}  // namespace quendar::testing_support
