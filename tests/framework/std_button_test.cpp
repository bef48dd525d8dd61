// TButton: clicks by mouse, Space, Enter and Esc through real input, and the
// classic looks.

#include "framework/std_button.h"

#include <gtest/gtest.h>

#include "std_controls_test_support.h"

namespace quendar::testing_support {
namespace {

class ButtonTest : public ControlTest {
protected:
    TButton* AddButton(TWinControl& parent, const std::string& name, Rect bounds) {
        TButton* button = Add<TButton>(parent, bounds);
        button->SetName(name);
        button->OnClick = TNotifyEvent([this, name](TComponent*) { clicks.push_back(name); });
        return button;
    }
    std::vector<std::string> clicks;
};

TEST_F(ButtonTest, MouseClicksOnlyWhenReleasedOverTheButton) {
    FormPtr form = MakeForm(200, 100);
    TButton* button = AddButton(*form, "Ok", Rect::FromSize(20, 20, 75, 25));
    form->Show();
    robot->Pump();

    struct Case {
        const char* Name;
        std::vector<Point> Path;  // moves while held, client coordinates of the button
        bool PressedAtEnd;
        int Clicks;
    } cases[] = {
        {"released where pressed", {}, true, 1},
        {"released on the far edge", {{74, 24}}, true, 1},
        {"released just outside", {{75, 10}}, false, 0},
        {"released outside", {{120, 60}}, false, 0},
        {"dragged out and back in", {{-5, 10}, {30, 10}}, true, 1},
    };
    for (const Case& c : cases) {
        clicks.clear();
        MoveTo(*button, {10, 10});
        robot->Press();
        EXPECT_TRUE(button->Pressed()) << c.Name;
        for (Point at : c.Path) MoveTo(*button, at);
        EXPECT_EQ(button->Pressed(), c.PressedAtEnd) << c.Name;
        robot->Release();
        EXPECT_FALSE(button->Pressed()) << c.Name;
        EXPECT_EQ(static_cast<int>(clicks.size()), c.Clicks) << c.Name;
    }
    EXPECT_TRUE(button->Focused());  // a press focuses the button
}

TEST_F(ButtonTest, QuickSecondPressIsASecondClick) {
    FormPtr form = MakeForm(200, 100);
    TButton* button = AddButton(*form, "Ok", Rect::FromSize(20, 20, 75, 25));
    form->Show();
    robot->Pump();
    ClickAt(*button, {10, 10});
    ClickAt(*button, {10, 10});
    EXPECT_EQ(clicks, (std::vector<std::string>{"Ok", "Ok"}));
}

TEST_F(ButtonTest, SpaceClicksOnReleaseOfTheFocusedButton) {
    FormPtr form = MakeForm(200, 100);
    TButton* first = AddButton(*form, "First", Rect::FromSize(10, 10, 75, 25));
    TButton* second = AddButton(*form, "Second", Rect::FromSize(10, 50, 75, 25));
    form->Show();
    robot->Pump();
    second->SetFocus();
    robot->Pump();

    robot->KeyDown(VK_SPACE);
    EXPECT_TRUE(second->Pressed());
    EXPECT_TRUE(clicks.empty());
    robot->KeyUp(VK_SPACE);
    EXPECT_FALSE(second->Pressed());
    EXPECT_EQ(clicks, (std::vector<std::string>{"Second"}));

    // Space held while the focus moves away is no click anywhere.
    clicks.clear();
    robot->KeyDown(VK_SPACE);
    first->SetFocus();
    robot->Pump();
    EXPECT_FALSE(second->Pressed());
    robot->KeyUp(VK_SPACE);
    EXPECT_TRUE(clicks.empty());

    // Ctrl+Space is not a press.
    Press(VK_SPACE, VK_CONTROL);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonTest, EnterClicksTheActiveButtonAndEscTheCancelButton) {
    FormPtr form = MakeForm(300, 100);
    KeyTarget* field = Add<KeyTarget>(*form, Rect::FromSize(0, 0, 40, 20));
    TButton* ok = AddButton(*form, "Ok", Rect::FromSize(50, 0, 75, 25));
    TButton* other = AddButton(*form, "Other", Rect::FromSize(130, 0, 75, 25));
    TButton* cancel = AddButton(*form, "Cancel", Rect::FromSize(210, 0, 75, 25));
    ok->SetDefault(true);
    cancel->SetCancel(true);
    form->Show();
    robot->Pump();

    struct Case {
        const char* Name;
        TWinControl* Focus;
        int Key;
        int Modifier;
        std::vector<std::string> Clicks;
    } cases[] = {
        {"Enter in a field clicks the default", field, VK_RETURN, 0, {"Ok"}},
        {"Enter on another button clicks that one", other, VK_RETURN, 0, {"Other"}},
        {"Enter on the cancel button clicks it", cancel, VK_RETURN, 0, {"Cancel"}},
        {"Esc in a field clicks cancel", field, VK_ESCAPE, 0, {"Cancel"}},
        {"Esc on another button clicks cancel", other, VK_ESCAPE, 0, {"Cancel"}},
        {"Shift+Enter clicks nothing", field, VK_RETURN, VK_SHIFT, {}},
    };
    for (const Case& c : cases) {
        c.Focus->SetFocus();
        robot->Pump();
        clicks.clear();
        Press(c.Key, c.Modifier);
        EXPECT_EQ(clicks, c.Clicks) << c.Name;
    }

    field->SetFocus();
    robot->Pump();
    EXPECT_TRUE(ok->Active());
    ok->SetEnabled(false);
    cancel->Hide();
    clicks.clear();
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    EXPECT_TRUE(clicks.empty()) << "a disabled default and a hidden cancel button stay quiet";
}

TEST_F(ButtonTest, ActiveFollowsTheFocus) {
    FormPtr form = MakeForm(300, 100);
    KeyTarget* field = Add<KeyTarget>(*form, Rect::FromSize(0, 0, 40, 20));
    TButton* ok = AddButton(*form, "Ok", Rect::FromSize(50, 0, 75, 25));
    TButton* other = AddButton(*form, "Other", Rect::FromSize(130, 0, 75, 25));
    form->Show();
    robot->Pump();
    field->SetFocus();
    robot->Pump();
    EXPECT_FALSE(ok->Active());
    ok->SetDefault(true);
    EXPECT_TRUE(ok->Active());
    other->SetFocus();
    robot->Pump();
    EXPECT_FALSE(ok->Active());
    EXPECT_TRUE(other->Active());
    field->SetFocus();
    robot->Pump();
    EXPECT_TRUE(ok->Active());
    EXPECT_FALSE(other->Active());
}

TEST_F(ButtonTest, AcceleratorClicksThroughTheDialogCharacter) {
    FormPtr form = MakeForm(200, 100);
    AddButton(*form, "Ok", Rect::FromSize(10, 10, 75, 25))->SetCaption("&Report");
    form->Show();
    robot->Pump();
    struct Case {
        char32_t Character;
        bool Taken;
    } cases[] = {{U'r', true}, {U'R', true}, {U'e', false}, {U'&', false}};
    for (const Case& c : cases) {
        clicks.clear();
        LRESULT taken = form->Perform(CM_DIALOGCHAR, static_cast<WPARAM>(c.Character));
        EXPECT_EQ(taken != 0, c.Taken) << static_cast<int>(c.Character);
        EXPECT_EQ(clicks.size(), c.Taken ? 1u : 0u) << static_cast<int>(c.Character);
    }
}

TEST_F(ButtonTest, ClassicLooksOfASmallButton) {
    struct Case {
        const char* Name;
        bool Default;
        bool Pressed;
        Rows Expected;
    } cases[] = {
        {"raised", false, false, {"WWWWWD", "WFFFSD", "WFFFSD", "WSSSSD", "DDDDDD"}},
        {"default", true, false, {"DDDDDDD", "DWWWWDD", "DWFFSDD", "DWSSSDD", "DDDDDDD", "DDDDDDD"}},
        {"pressed", false, true, {"DDDDDD", "DSSSSD", "DSFFSD", "DSSSSD", "DDDDDD"}},
    };
    for (const Case& c : cases) {
        FormPtr form = MakeForm(100, 60);
        KeyTarget* field = Add<KeyTarget>(*form, Rect::FromSize(0, 0, 5, 5));
        Size size{static_cast<int>(c.Expected[0].size()), static_cast<int>(c.Expected.size())};
        TButton* button = AddButton(*form, "Small", Rect::FromSize(10, 10, size.Width, size.Height));
        button->SetDefault(c.Default);
        form->Show();
        robot->Pump();
        field->SetFocus();
        robot->Pump();
        if (c.Pressed) {
            MoveTo(*button, {2, 2});
            robot->Press();
        }
        EXPECT_EQ(Show(ClientPixels(*robot, *form, *button)), c.Expected) << c.Name;
        if (c.Pressed) robot->Release();
    }
}

TEST_F(ButtonTest, FocusedButtonShowsADottedRectangleFourPixelsIn) {
    FormPtr form = MakeForm(100, 60);
    KeyTarget* field = Add<KeyTarget>(*form, Rect::FromSize(0, 0, 10, 10));
    TButton* button = AddButton(*form, "Ok", Rect::FromSize(20, 20, 14, 12));
    form->Show();
    robot->Pump();
    field->SetFocus();
    robot->Pump();
    Rows unfocused = Show(ClientPixels(*robot, *form, *button));
    EXPECT_EQ(unfocused[4], "WFFFFFFFFFFFSD");
    button->SetFocus();
    robot->Pump();
    Rows focused = Show(ClientPixels(*robot, *form, *button));
    // Dots on the edge of (4, 4)-(10, 8), in step with the top-left corner;
    // the focused button is the active one and has the dark outline.
    EXPECT_EQ(focused[4], "DWFF.F.F.FFSDD");
    EXPECT_EQ(focused[5], "DWFFFFFFF.FSDD");
    EXPECT_EQ(focused[6], "DWFF.FFFFFFSDD");
    EXPECT_EQ(focused[7], "DWFFF.F.F.FSDD");
}

}  // namespace
}  // namespace quendar::testing_support
