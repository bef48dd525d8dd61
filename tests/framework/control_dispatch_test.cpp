#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "control_test_support.h"

namespace quendar::testing_support {
namespace {

class ControlDispatchTest : public ControlTest {};

TEST_F(ControlDispatchTest, ReplacedWindowProcSeesMessagesFirstAndRestoringItEndsThat) {
    FormPtr form = MakeForm();
    Swatch* swatch = Add<Swatch>(*form, Rect::FromSize(10, 10, 20, 20));
    swatch->Notifications.clear();
    std::vector<UINT> seen;
    TWndMethod saved = swatch->WindowProc;
    swatch->WindowProc = [&](TMessage& message) {
        seen.push_back(message.Msg);
        if (message.Msg == CM_HITTEST) {
            message.Result = 0;  // taken here: the control never sees it
            return;
        }
        saved(message);
    };

    EXPECT_EQ(swatch->Perform(CM_HITTEST, 0, 0), 0);
    swatch->SetText("new");
    EXPECT_EQ(swatch->Text(), "new");
    EXPECT_EQ(seen, (std::vector<UINT>{CM_HITTEST, WM_SETTEXT, CM_TEXTCHANGED}));
    EXPECT_EQ(swatch->Notifications, (std::vector<UINT>{CM_TEXTCHANGED}));

    swatch->WindowProc = saved;
    seen.clear();
    EXPECT_EQ(swatch->Perform(CM_HITTEST, 0, 0), HTCLIENT);
    EXPECT_TRUE(seen.empty());
}

TEST_F(ControlDispatchTest, ReplacedFormWindowProcSeesPlatformMessages) {
    FormPtr form = MakeForm();
    std::vector<UINT> seen;
    TWndMethod saved = form->WindowProc;
    form->WindowProc = [&](TMessage& message) {
        seen.push_back(message.Msg);
        saved(message);
    };
    form->Show();
    robot->Pump();
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT{WM_PAINT}), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT{WM_ACTIVATE}), seen.end());

    form->WindowProc = saved;
    seen.clear();
    InvalidateRect(form->Handle(), nullptr, TRUE);
    robot->Pump();
    EXPECT_TRUE(seen.empty());
}

TEST_F(ControlDispatchTest, TextChangeNotifiesOnceAndSameTextNotAtAll) {
    FormPtr form = MakeForm();
    Swatch* swatch = Add<Swatch>(*form, Rect::FromSize(0, 0, 5, 5));
    struct Step {
        const char* Text;
        std::size_t NotificationsAfter;
    } steps[] = {{"", 0}, {"a", 1}, {"a", 1}, {"ab", 2}, {"", 3}, {"", 3}};
    swatch->Notifications.clear();
    for (const Step& step : steps) {
        swatch->SetText(step.Text);
        auto count = static_cast<std::size_t>(std::count(swatch->Notifications.begin(), swatch->Notifications.end(),
                                                    UINT{CM_TEXTCHANGED}));
        EXPECT_EQ(count, step.NotificationsAfter) << "after \"" << step.Text << "\"";
    }
}

TEST_F(ControlDispatchTest, FormCaptionIsWindowText) {
    FormPtr form = MakeForm();
    form->SetCaption("Brisvane Quendar");
    EXPECT_EQ(GetWindowText(form->Handle()), "Brisvane Quendar");
    form->SetCaption("Other");
    EXPECT_EQ(GetWindowText(form->Handle()), "Other");
    SetWindowText(form->Handle(), "From outside");
    EXPECT_EQ(form->Caption(), "From outside");
}

TEST_F(ControlDispatchTest, ParentFontAndColorFollowUntilSetOwn) {
    FormPtr form = MakeForm();
    Swatch* swatch = Add<Swatch>(*form, Rect::FromSize(0, 0, 5, 5));
    swatch->SetParentColor(true);
    form->SetColor(clRed);
    form->Font().SetHeight(-20);
    EXPECT_EQ(swatch->Color(), clRed);
    EXPECT_EQ(swatch->Font().Height(), -20);
    EXPECT_TRUE(swatch->ParentFont());

    swatch->Font().SetHeight(-9);
    swatch->SetColor(clBlue);
    EXPECT_FALSE(swatch->ParentFont());
    EXPECT_FALSE(swatch->ParentColor());
    form->SetColor(clGreen);
    form->Font().SetHeight(-30);
    EXPECT_EQ(swatch->Color(), clBlue);
    EXPECT_EQ(swatch->Font().Height(), -9);
}

}  // namespace
}  // namespace quendar::testing_support
