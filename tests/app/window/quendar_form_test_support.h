#pragma once
// The main window in a fresh headless window system: US dates (M/d/yyyy),
// today fixed at 15 March 2026, error boxes recorded, a robot for input.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/calendar/month_calendar.h"
#include "app/dates/date_clock.h"
#include "app/dates/date_settings.h"
#include "app/window/quendar_form.h"
#include "framework/application.h"
#include "framework/class_registry.h"
#include "framework/jpeg_image.h"
#include "framework/std_button.h"
#include "framework/std_edit.h"
#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/virtual_keys.h"
#include "platform/message_box.h"

namespace quendar::testing_support {

class QuendarFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        display = &InstallHeadlessBackend({800, 600});
        robot = std::make_unique<Robot>(*display);
        Application.Initialize();
        Application.SetTitle("Quendar");
        SetMessageBoxHook([this](const MessageBoxRequest& request) -> std::optional<int> {
            boxes.push_back(request);
            return IDOK;
        });
        previousClock = SetLocalDaySource([] { return CalendarDay{2026, 3, 15}; });
        previousSettings = LocaleDateSettings();
        DateFormatSettings us;
        us.ShortDatePattern = "M/d/yyyy";
        LocaleDateSettings() = us;
        RegisterJpegImageFormat();
        RegisterQuendarWindowClasses(registry);
        form.reset(new TForm_Quendar(nullptr, registry));
        form->Show();
        robot->Pump();
    }

    void TearDown() override {
        form.reset();
        LocaleDateSettings() = previousSettings;
        SetLocalDaySource(std::move(previousClock));
        SetMessageBoxHook({});
        InstallHeadlessBackend();
    }

    void ClickAt(const TControl& control, Point client) {
        Point at = control.ClientToScreen(client);
        robot->ClickAt(at.X, at.Y);
        robot->Pump();
    }
    void ClickCentre(const TControl& control) { ClickAt(control, {control.Width() / 2, control.Height() / 2}); }

    // Clicks into the field, selects all and types the text, replacing it.
    void TypeInto(TEdit& edit, const std::string& text) {
        ClickCentre(edit);
        edit.SelectAll();
        if (text.empty()) {
            robot->KeyPress(VK_DELETE);
        } else {
            robot->Type(text);
        }
        robot->Pump();
    }

    // Types the text one character after another, noting the day count after each.
    std::vector<std::string> CountsWhileTyping(TEdit& edit, const std::string& text) {
        ClickCentre(edit);
        std::vector<std::string> counts;
        for (char c : text) {
            robot->Type(std::string(1, c));
            robot->Pump();
            counts.push_back(form->sEdit_DurationDays->Text());
        }
        return counts;
    }

    HeadlessBackend* display = nullptr;
    std::unique_ptr<Robot> robot;
    std::vector<MessageBoxRequest> boxes;
    ClassRegistry registry;
    TComponentPtr<TForm_Quendar> form;

private:
    LocalDaySource previousClock;
    DateFormatSettings previousSettings;
};

}  // namespace quendar::testing_support
