#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/silent_abort.h"

namespace quendar::testing_support {
namespace {

class ApplicationTest : public ControlTest {
protected:
    void TearDown() override {
        Application.OnException = nullptr;
        ControlTest::TearDown();
    }
};

TEST_F(ApplicationTest, ErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    FormPtr form = MakeForm(300, 100);
    KeyTarget* thrower = Add<KeyTarget>(*form, Rect::FromSize(0, 0, 40, 20));
    KeyTarget* other = Add<KeyTarget>(*form, Rect::FromSize(50, 0, 40, 20));
    std::function<void()> failure;
    thrower->OnClick = TNotifyEvent([&](TComponent*) { failure(); });
    form->Show();
    robot->Pump();

    struct Case {
        std::function<void()> Failure;
        bool Shown;
        std::string Text;
    } cases[] = {
        {[] { throw Exception("'abc' is not a valid date"); }, true, "'abc' is not a valid date."},
        {[] { throw EConvertError("x."); }, true, "x."},
        {[] { throw Exception(""); }, true, ""},
        {[] { throw std::runtime_error("boom"); }, true, "boom."},
        {[] { Abort(); }, false, ""},
    };
    for (const Case& c : cases) {
        boxes.clear();
        failure = c.Failure;
        ClickAt(*thrower, {5, 5});
        ASSERT_EQ(boxes.size(), c.Shown ? 1u : 0u) << c.Text;
        if (!c.Shown) continue;
        EXPECT_EQ(boxes[0].Text, c.Text);
        EXPECT_EQ(boxes[0].Caption, Application.Title());
        EXPECT_EQ(boxes[0].Flags, UINT{MB_OK | MB_ICONSTOP});
        EXPECT_EQ(boxes[0].Owner, form->Handle());
    }
    // The loop goes on: keys and clicks still work.
    other->SetFocus();
    Press(VK_TAB, VK_SHIFT);
    EXPECT_TRUE(thrower->Focused());
    failure = [] {};
    ClickAt(*thrower, {5, 5});
    EXPECT_EQ(thrower->Clicks, static_cast<int>(std::size(cases)) + 1);
}

TEST_F(ApplicationTest, CaptureWindowGetsCancelModeBeforeTheBox) {
    FormPtr form = MakeForm(300, 100);
    Swatch* swatch = Add<Swatch>(*form, Rect::FromSize(0, 0, 40, 20));
    KeyTarget* focused = Add<KeyTarget>(*form, Rect::FromSize(50, 0, 40, 20));
    focused->OnKeyDown = [](TComponent*, int& key, TShiftState) {
        if (key == 'Q') throw Exception("stop");
    };
    std::vector<std::string> order;
    TWndMethod saved = form->WindowProc;
    form->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_CANCELMODE) order.push_back("cancel mode");
        saved(message);
    };
    SetMessageBoxHook([&](const MessageBoxRequest& request) -> std::optional<int> {
        order.push_back("box " + request.Text);
        return IDOK;
    });
    form->Show();
    robot->Pump();
    MoveTo(*form, {5, 5});
    robot->Press();
    ASSERT_TRUE(swatch->MouseCapture());
    robot->KeyPress('Q');
    EXPECT_EQ(order, (std::vector<std::string>{"cancel mode", "box stop."}));
    EXPECT_FALSE(swatch->MouseCapture());
    EXPECT_EQ(GetCapture(), HWND());
    form->WindowProc = saved;
}

TEST_F(ApplicationTest, OnExceptionReplacesTheBox) {
    std::vector<std::string> seen;
    Application.OnException = [&](TComponent*, const Exception& error) { seen.push_back(error.Message()); };
    FormPtr form = MakeForm();
    KeyTarget* thrower = Add<KeyTarget>(*form, Rect::FromSize(0, 0, 40, 20));
    thrower->OnClick = TNotifyEvent([](TComponent*) { throw Exception("quiet"); });
    form->Show();
    robot->Pump();
    ClickAt(*thrower, {5, 5});
    EXPECT_EQ(seen, (std::vector<std::string>{"quiet"}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(ApplicationTest, LoopShowsErrorsOfAnyWindowProcedure) {
    WNDCLASS failing;
    failing.lpszClassName = "Failing";
    failing.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_USER) throw Exception("from a plain window");
        return DefWindowProc(window, message, wParam, lParam);
    };
    ASSERT_NE(RegisterClass(failing), 0);
    HWND window = CreateWindowEx(0, "Failing", "", WS_POPUP, 0, 0, 10, 10, HWND());
    PostMessage(window, WM_USER, 0, 0);
    PostMessage(window, WM_USER, 0, 0);
    Application.ProcessMessages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].Text, "from a plain window.");
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsRun) {
    auto* form = Application.CreateForm<TForm>();
    ASSERT_EQ(Application.MainForm(), form);
    int closes = 0;
    form->OnClose = [&](TComponent*, TCloseAction& action) {
        // The first close is refused, the second goes through.
        if (++closes == 1) action = TCloseAction::caNone;
    };
    ASSERT_TRUE(PostMessage(form->Handle(), WM_CLOSE, 0, 0));
    ASSERT_TRUE(PostMessage(form->Handle(), WM_CLOSE, 0, 0));
    Application.Run();
    EXPECT_TRUE(Application.Terminated());
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    form->Free();
    EXPECT_EQ(Application.MainForm(), nullptr);
}

class CreatedForm : public TForm {
public:
    explicit CreatedForm(TComponent* owner) : TForm(owner) {
        OnCreate = TNotifyEvent([this](TComponent* sender) { CreatedBy.push_back(sender); });
    }
    std::vector<TComponent*> CreatedBy;
};

TEST_F(ApplicationTest, SecondFormIsHiddenOnCloseAndFreedWhenAsked) {
    auto* main = Application.CreateForm<CreatedForm>();
    EXPECT_EQ(main->CreatedBy, (std::vector<TComponent*>{main}));
    auto* second = Application.CreateForm<TForm>();
    EXPECT_EQ(Application.MainForm(), main);
    second->Show();
    robot->Pump();
    second->Close();
    EXPECT_FALSE(second->Visible());
    EXPECT_FALSE(Application.Terminated());
    EXPECT_FALSE(robot->QuitCode().has_value());
    second->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    second->Show();
    HWND secondWindow = second->Handle();
    second->Close();
    robot->Pump();
    EXPECT_FALSE(IsWindow(secondWindow));
    EXPECT_EQ(Application.ComponentCount(), 1);
    main->Free();
}

}  // namespace
}  // namespace quendar::testing_support
