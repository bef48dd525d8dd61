#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/mouse_tracking.h"
#include "framework/screen.h"

namespace quendar::testing_support {
namespace {

std::vector<std::string> deaths;

// A container that notes when it dies.
class Box : public TCustomControl {
public:
    explicit Box(TComponent* owner) : TCustomControl(owner) {
        SetControlStyle(ControlStyle() | TControlStyle::csAcceptsControls);
    }
    ~Box() override { deaths.push_back("box " + Name()); }
};

class NotedTarget : public KeyTarget {
public:
    explicit NotedTarget(TComponent* owner) : KeyTarget(owner) {}
    ~NotedTarget() override { deaths.push_back("target " + Name()); }
};

class ControlOwnershipTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        deaths.clear();
    }
};

TEST_F(ControlOwnershipTest, FreeingFormFreesOwnedControlsAndTheirWindows) {
    FormPtr form = MakeForm();
    Box* box = Add<Box>(*form, Rect::FromSize(0, 0, 100, 100));
    box->SetName("Outer");
    // Owned by the form, shown by the box.
    auto* inner = CreateComponent<NotedTarget>(form.get());
    inner->SetName("Inner");
    inner->SetBoundsRect(Rect::FromSize(5, 5, 20, 20));
    inner->SetParent(box);
    auto* late = Add<NotedTarget>(*form, Rect::FromSize(120, 0, 20, 20));
    late->SetName("Late");
    form->Show();
    robot->Pump();
    HWND formWindow = form->Handle();
    HWND innerWindow = inner->Handle();
    inner->SetFocus();
    ASSERT_EQ(GetFocus(), innerWindow);
    // Messages still queued for the windows must not reach the freed objects.
    PostMessage(innerWindow, WM_KEYDOWN, VK_TAB, 0);
    PostMessage(formWindow, CM_DIALOGKEY, VK_RETURN, 0);

    form.reset();
    robot->Pump();

    // Last made first; the box frees what it shows.
    EXPECT_EQ(deaths, (std::vector<std::string>{"target Late", "target Inner", "box Outer"}));
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_FALSE(IsWindow(innerWindow));
    EXPECT_EQ(Screen().ActiveControl(), nullptr);
    EXPECT_EQ(Screen().FormCount(), 0);
}

TEST_F(ControlOwnershipTest, FreeingOneChildLeavesParentWorking) {
    FormPtr form = MakeForm();
    Box* box = Add<Box>(*form, Rect::FromSize(0, 0, 100, 100));
    auto* first = Add<NotedTarget>(*box, Rect::FromSize(0, 0, 10, 10));
    first->SetName("First");
    auto* second = Add<NotedTarget>(*box, Rect::FromSize(20, 0, 10, 10));
    second->SetName("Second");
    form->Show();
    robot->Pump();
    first->SetFocus();
    HWND firstWindow = first->Handle();

    first->Free();
    robot->Pump();

    EXPECT_EQ(deaths, (std::vector<std::string>{"target First"}));
    EXPECT_FALSE(IsWindow(firstWindow));
    ASSERT_EQ(box->ControlCount(), 1);
    EXPECT_EQ(box->Controls(0), second);
    EXPECT_EQ(second->TabOrder(), 0);
    // Tab still works and finds the one left.
    Press(VK_TAB);
    EXPECT_TRUE(second->Focused());
}

TEST_F(ControlOwnershipTest, PlainDeleteOfFormIsSafeToo) {
    auto* form = CreateComponent<TForm>(nullptr);
    Box* box = Add<Box>(*form, Rect::FromSize(0, 0, 50, 50));
    box->SetName("Only");
    Add<Swatch>(*box, Rect::FromSize(1, 1, 5, 5));
    form->Show();
    robot->Pump();
    HWND boxWindow = box->Handle();
    delete form;
    robot->Pump();
    EXPECT_EQ(deaths, (std::vector<std::string>{"box Only"}));
    EXPECT_FALSE(IsWindow(boxWindow));
}

TEST_F(ControlOwnershipTest, ControlUnderMouseIsForgottenWhenFreed) {
    FormPtr form = MakeForm();
    Swatch* swatch = Add<Swatch>(*form, Rect::FromSize(10, 10, 30, 30));
    form->Show();
    robot->Pump();
    MoveTo(*form, {20, 20});
    ASSERT_EQ(MouseControl(), swatch);
    swatch->Free();
    EXPECT_EQ(MouseControl(), nullptr);
    // Neither moving nor leaving may reach the freed swatch.
    MoveTo(*form, {21, 21});
    EXPECT_EQ(MouseControl(), form.get());
    robot->MouseMove(700, 500);
    EXPECT_EQ(MouseControl(), nullptr);
}

}  // namespace
}  // namespace quendar::testing_support
