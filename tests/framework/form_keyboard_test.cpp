#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/screen.h"

namespace quendar::testing_support {
namespace {

class Group : public TCustomControl {
public:
    explicit Group(TComponent* owner) : TCustomControl(owner) {
        SetControlStyle(ControlStyle() | TControlStyle::csAcceptsControls);
    }
};

class FormKeyboardTest : public ControlTest {
protected:
    KeyTarget* Target(TWinControl& parent, const std::string& name, int x) {
        KeyTarget* target = Add<KeyTarget>(parent, Rect::FromSize(x, 10, 20, 20));
        target->SetName(name);
        return target;
    }
    static std::string FocusedName() {
        TWinControl* focused = TWinControl::FindControl(GetFocus());
        return focused != nullptr ? focused->Name() : "(none)";
    }
};

TEST_F(FormKeyboardTest, TabAndShiftTabFollowTabOrderAndSkipWhatCannotTakeFocus) {
    FormPtr form = MakeForm(300, 100);
    KeyTarget* a = Target(*form, "A", 0);
    KeyTarget* b = Target(*form, "B", 30);
    KeyTarget* c = Target(*form, "C", 60);
    KeyTarget* d = Target(*form, "D", 90);
    KeyTarget* off = Target(*form, "Off", 120);
    KeyTarget* hidden = Target(*form, "Hidden", 150);
    Group* group = Add<Group>(*form, Rect::FromSize(180, 0, 100, 50));
    group->SetName("Group");
    KeyTarget* inner = Target(*group, "Inner", 0);
    c->SetTabOrder(0);
    a->SetTabOrder(1);
    d->SetTabOrder(2);
    off->SetEnabled(false);
    hidden->Hide();
    // b, off, hidden, group (inner) follow in the order they were added.
    EXPECT_EQ(b->TabOrder(), 3);
    EXPECT_EQ(group->TabOrder(), 6);

    form->Show();
    robot->Pump();
    EXPECT_EQ(FocusedName(), "C");  // first in tab order
    std::vector<std::string> forward;
    for (int i = 0; i < 6; ++i) {
        Press(VK_TAB);
        forward.push_back(FocusedName());
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"A", "D", "B", "Inner", "C", "A"}));
    std::vector<std::string> backward;
    for (int i = 0; i < 3; ++i) {
        Press(VK_TAB, VK_SHIFT);
        backward.push_back(FocusedName());
    }
    EXPECT_EQ(backward, (std::vector<std::string>{"C", "Inner", "B"}));
    EXPECT_EQ(form->ActiveControl(), b);
    EXPECT_EQ(Screen().ActiveControl(), b);
    EXPECT_EQ(Screen().ActiveForm(), form.get());
    // Tab characters never reach the controls.
    for (KeyTarget* t : {a, b, c, d, inner}) EXPECT_TRUE(t->Typed.empty()) << t->Name();
}

TEST_F(FormKeyboardTest, StoredTabOrdersAreSortedWhenLoadingEnds) {
    FormPtr form = MakeForm(300, 100);
    form->IncludeComponentState(TComponentState::csLoading);
    std::vector<KeyTarget*> targets;
    const int stored[] = {3, 0, 2, 1};
    const char* names[] = {"T0", "T1", "T2", "T3"};
    for (int i = 0; i < 4; ++i) {
        KeyTarget* target = Target(*form, names[i], i * 30);
        target->IncludeComponentState(TComponentState::csLoading);
        target->SetTabOrder(stored[i]);
        targets.push_back(target);
    }
    for (KeyTarget* target : targets) target->Loaded();
    form->Loaded();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(targets[static_cast<std::size_t>(i)]->TabOrder(), stored[i]) << i;
}

TEST_F(FormKeyboardTest, EnterAndEscapeReachDefaultAndCancelControls) {
    FormPtr form = MakeForm(300, 100);
    KeyTarget* editor = Target(*form, "Editor", 0);
    KeyTarget* ok = Target(*form, "Ok", 30);
    KeyTarget* cancel = Target(*form, "Cancel", 60);
    ok->Default = true;
    cancel->Cancel = true;
    form->Show();
    robot->Pump();
    ASSERT_EQ(FocusedName(), "Editor");

    struct Step {
        int Key;
        bool EditorWantsReturn;
        int OkClicks;
        int CancelClicks;
        std::u32string EditorTyped;
    } steps[] = {
        {VK_RETURN, false, 1, 0, U""},
        {VK_ESCAPE, false, 1, 1, U""},
        {VK_RETURN, true, 1, 1, U"\r"},  // the focused control keeps Enter
        {VK_ESCAPE, true, 1, 2, U"\r"},
    };
    for (const Step& step : steps) {
        editor->WantsReturn = step.EditorWantsReturn;
        Press(step.Key);
        EXPECT_EQ(ok->Clicks, step.OkClicks);
        EXPECT_EQ(cancel->Clicks, step.CancelClicks);
        EXPECT_EQ(editor->Typed, step.EditorTyped);
        EXPECT_EQ(FocusedName(), "Editor");
    }
}

TEST_F(FormKeyboardTest, EnterAndExitAccompanyFocusChanges) {
    FormPtr form = MakeForm(300, 100);
    KeyTarget* a = Target(*form, "A", 0);
    KeyTarget* b = Target(*form, "B", 30);
    std::vector<std::string> log;
    for (KeyTarget* t : {a, b}) {
        std::string name = t->Name();
        t->OnEnter = TNotifyEvent([&log, name](TComponent*) { log.push_back("enter " + name); });
        t->OnExit = TNotifyEvent([&log, name](TComponent*) { log.push_back("exit " + name); });
    }
    form->Show();
    robot->Pump();
    b->SetFocus();
    a->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"enter A", "exit A", "enter B", "exit B", "enter A"}));
    b->SetEnabled(false);
    EXPECT_THROW(form->SetActiveControl(b), Exception);
}

}  // namespace
}  // namespace quendar::testing_support
