#pragma once
// A fresh headless window system per test, the error box recorded instead of
// shown, a robot for input and two small controls that record what reaches
// them: a non-windowed Swatch and a focusable windowed KeyTarget that can act
// as a default or cancel button.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/application.h"
#include "framework/custom_control.h"
#include "framework/form.h"
#include "framework/graphic_control.h"
#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/message_box.h"
#include "platform/window_system.h"

namespace quendar::testing_support {

// Fills itself with its Color; records the framework notifications it gets.
class Swatch : public TGraphicControl {
public:
    explicit Swatch(TComponent* owner) : TGraphicControl(owner) {}
    std::vector<UINT> Notifications;
    int Clicks = 0;

    void Click() override {
        ++Clicks;
        TGraphicControl::Click();
    }

protected:
    void Paint() override {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(ClientRect());
    }
    void WndProc(TMessage& message) override {
        if (IsFrameworkMessage(message.Msg)) Notifications.push_back(message.Msg);
        TGraphicControl::WndProc(message);
    }
};

// A focusable windowed control. As a default (Enter) or cancel (Esc)
// control it answers CM_DIALOGKEY by clicking itself; with WantsReturn it
// keeps Enter for itself.
class KeyTarget : public TCustomControl {
public:
    explicit KeyTarget(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    bool Default = false;
    bool Cancel = false;
    bool WantsReturn = false;
    int Clicks = 0;
    std::u32string Typed;

    void Click() override {
        ++Clicks;
        TCustomControl::Click();
    }

protected:
    void Paint() override {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(ClientRect());
    }
    void Dispatch(TMessage& message) override {
        if (message.Msg == CM_DIALOGKEY) {
            int key = static_cast<int>(message.WParam);
            if ((key == VK_RETURN && Default) || (key == VK_ESCAPE && Cancel)) {
                Click();
                message.Result = 1;
                return;
            }
        }
        if (message.Msg == CM_WANTSPECIALKEY && WantsReturn && message.WParam == VK_RETURN) {
            message.Result = 1;
            return;
        }
        TCustomControl::Dispatch(message);
    }
    void KeyPress(char32_t& key) override {
        Typed += key;
        TCustomControl::KeyPress(key);
    }
};

using FormPtr = TComponentPtr<TForm>;

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        display = &InstallHeadlessBackend({800, 600});
        robot = std::make_unique<Robot>(*display);
        Application.Initialize();
        SetMessageBoxHook([this](const MessageBoxRequest& request) -> std::optional<int> {
            boxes.push_back(request);
            return IDOK;
        });
    }

    void TearDown() override {
        SetMessageBoxHook({});
        InstallHeadlessBackend();
    }

    // An ownerless form with a single border at (100, 100) with the given client size.
    static FormPtr MakeForm(int clientWidth = 200, int clientHeight = 120) {
        FormPtr form(CreateComponent<TForm>(nullptr));
        form->SetBorderStyle(TFormBorderStyle::bsSingle);
        form->SetLeft(100);
        form->SetTop(100);
        form->SetClientWidth(clientWidth);
        form->SetClientHeight(clientHeight);
        return form;
    }

    template <class T>
    static T* Add(TWinControl& parent, Rect bounds) {
        T* control = CreateComponent<T>(&parent);
        control->SetBoundsRect(bounds);
        control->SetParent(&parent);
        return control;
    }

    Point ScreenPoint(const TControl& control, Point client) const { return control.ClientToScreen(client); }

    void MoveTo(const TControl& control, Point client) {
        Point at = ScreenPoint(control, client);
        robot->MouseMove(at.X, at.Y);
    }

    void ClickAt(const TControl& control, Point client) {
        Point at = ScreenPoint(control, client);
        robot->ClickAt(at.X, at.Y);
    }

    void Press(int key, int modifier = 0) {
        if (modifier != 0) robot->KeyDown(modifier);
        robot->KeyPress(key);
        if (modifier != 0) robot->KeyUp(modifier);
    }

    HeadlessBackend* display = nullptr;
    std::unique_ptr<Robot> robot;
    std::vector<MessageBoxRequest> boxes;
};

}  // namespace quendar::testing_support
