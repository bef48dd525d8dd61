#pragma once
// Popup menus under test: a plain window that stands for the form a menu
// belongs to (its WindowHandle), answering the open menu from WM_ENTERIDLE,
// and input posted for the menu's own modal loop.

#include <functional>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/menu_item.h"
#include "framework/popup_menu.h"
#include "platform/menu.h"
#include "platform/modal_loop.h"

namespace quendar::testing_support {

class PopupMenuTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        WNDCLASS formClass;
        formClass.lpszClassName = "MenuForm";
        ASSERT_NE(RegisterClass(formClass), 0);
        form = CreateWindowEx(0, "MenuForm", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, HWND());
        SetWindowProc(form, [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            received.push_back(message);
            if (message == WM_ENTERIDLE && wParam == MSGF_MENU && whileOpen)
                whileOpen(++idles, HandleFromParam(static_cast<std::uintptr_t>(lParam)));
            return DefWindowProc(window, message, wParam, lParam);
        });
        robot->Pump();
        menu.reset(CreateComponent<TPopupMenu>(nullptr));
        menu->SetWindowHandle(form);
    }

    void TearDown() override {
        menu.reset();
        ControlTest::TearDown();
    }

    TMenuItem* Item(TMenuItem& parent, const std::string& caption) {
        auto* item = CreateComponent<TMenuItem>(nullptr);
        item->SetCaption(caption);
        item->OnClick = TNotifyEvent(
            [this](TComponent* sender) { clicked.push_back(static_cast<TMenuItem*>(sender)->Caption()); });
        parent.Add(item);
        return item;
    }

    // Opens the menu at (150, 150) and answers it with `answer` each time it waits.
    void PopupAnswering(std::function<void(int idle, HWND popup)> answer) {
        idles = 0;
        whileOpen = std::move(answer);
        menu->Popup(150, 150);
        whileOpen = {};
    }

    static void PostKey(int key) {
        for (RawInput::Kind kind : {RawInput::Kind::KeyDown, RawInput::Kind::KeyUp}) {
            RawInput input;
            input.Type = kind;
            input.VirtualKey = key;
            PostRawInput(input);
        }
    }

    static void PostCharacter(char32_t character) {
        RawInput typed;
        typed.Type = RawInput::Kind::Character;
        typed.Character = character;
        PostRawInput(typed);
    }

    static void PostMouse(RawInput::Kind kind, Point screen, MouseButton button = MouseButton::Left) {
        RawInput input;
        input.Type = kind;
        input.Screen = screen;
        input.Button = button;
        PostRawInput(input);
    }

    static void PostClick(Point screen, MouseButton button = MouseButton::Left) {
        PostMouse(RawInput::Kind::MouseMove, screen);
        PostMouse(RawInput::Kind::ButtonDown, screen, button);
        PostMouse(RawInput::Kind::ButtonUp, screen, button);
    }

    // The screen centre of an item of the menu shown in `popup`.
    static Point ItemCentre(HWND popup, UINT position) {
        HMENU shown = MenuFromParam(static_cast<std::uintptr_t>(SendMessage(popup, MN_GETHMENU, 0, 0)));
        Rect item;
        EXPECT_TRUE(GetMenuItemRect(shown, position, item));
        return {(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2};
    }

    HWND form;
    TComponentPtr<TPopupMenu> menu;
    std::vector<std::string> clicked;
    std::vector<UINT> received;
    std::function<void(int idle, HWND popup)> whileOpen;
    int idles = 0;
};

}  // namespace quendar::testing_support
