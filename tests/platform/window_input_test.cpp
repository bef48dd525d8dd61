#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::Recorded;
using testing_support::WindowTest;

class WindowInputTest : public WindowTest {
protected:
    // A borderless 40 x 30 window at (100, 100) with a 10 x 10 child at (10, 10).
    void MakeScene(const std::string& childClass = "Recorder") {
        top = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(100, 100, 40, 30));
        child = Child(top, Rect::FromSize(10, 10, 10, 10), WS_CHILD | WS_VISIBLE, 0, childClass);
        robot->Pump();
        log.clear();
    }

    HWND top;
    HWND child;
};

const std::set<UINT> MouseButtons = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP};

TEST_F(WindowInputTest, MouseInputIsHitTestedAndArrivesInClientCoordinates) {
    MakeScene();
    robot->MouseMove(115, 116);
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE}));
    EXPECT_EQ(PointFromLParam(Last(child, WM_MOUSEMOVE)->LParam), (Point{5, 6}));
    log.clear();
    robot->Click();
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_NCHITTEST, WM_SETCURSOR, WM_LBUTTONDOWN, WM_NCHITTEST,
                                                     WM_LBUTTONUP}));
    EXPECT_EQ(Last(child, WM_LBUTTONDOWN)->WParam, WPARAM{MK_LBUTTON});
    EXPECT_EQ(Last(child, WM_LBUTTONUP)->WParam, WPARAM{0});
    EXPECT_EQ(MessagesOf(top), (std::vector<UINT>{WM_SETCURSOR}));  // the child's default asks its parent first
    robot->Click(MouseButton::Right);
    EXPECT_EQ(MessagesOf(child, {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}),
              (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU}));
    EXPECT_EQ(PointFromLParam(Last(top, WM_CONTEXTMENU)->LParam), (Point{115, 116}));  // passed up to the parent
}

TEST_F(WindowInputTest, NonClientInputCarriesTheHitCodeAndScreenPoint) {
    top = Top(WS_POPUP | WS_VISIBLE | WS_CAPTION, Rect::FromSize(100, 100, 100, 60));
    robot->Pump();
    log.clear();
    robot->MouseMove(130, 110);
    auto move = Last(top, WM_NCMOUSEMOVE);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->WParam, WPARAM{HTCAPTION});
    EXPECT_EQ(PointFromLParam(move->LParam), (Point{130, 110}));
    EXPECT_TRUE(MessagesOf(top, {WM_MOUSEMOVE}).empty());
}

TEST_F(WindowInputTest, PressingAnInactiveWindowActivatesItFirst) {
    HWND first = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 50, 50));
    HWND second = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(200, 0, 50, 50));
    robot->Pump();
    ASSERT_EQ(GetActiveWindow(), second);
    log.clear();
    robot->ClickAt(10, 10);
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence({WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN}),
              (std::vector<Entry>{{first, WM_MOUSEACTIVATE},
                                  {second, WM_NCACTIVATE},
                                  {second, WM_ACTIVATE},
                                  {first, WM_NCACTIVATE},
                                  {first, WM_ACTIVATE},
                                  {second, WM_KILLFOCUS},
                                  {first, WM_SETFOCUS},
                                  {first, WM_LBUTTONDOWN}}));
    EXPECT_EQ(LOWORD(Last(first, WM_ACTIVATE)->WParam), WA_CLICKACTIVE);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(display->RaiseOrder().front(), first);

    handler = [](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_MOUSEACTIVATE) return MA_ACTIVATEANDEAT;
        return std::nullopt;
    };
    log.clear();
    robot->ClickAt(210, 10);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_TRUE(MessagesOf(second, {WM_LBUTTONDOWN}).empty());  // eaten
    EXPECT_EQ(MessagesOf(second, {WM_LBUTTONUP}).size(), 1u);
}

TEST_F(WindowInputTest, CaptureKeepsTheMouseAndAnnouncesItsEnd) {
    MakeScene();
    handler = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window == child && message == WM_LBUTTONDOWN) SetCapture(child);
        if (window == child && message == WM_LBUTTONUP) ReleaseCapture();
        return std::nullopt;
    };
    robot->MouseMove(115, 115);
    robot->Press();
    EXPECT_EQ(GetCapture(), child);
    log.clear();
    robot->MouseMove(300, 50);
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_MOUSEMOVE}));  // no hit test, no cursor question
    EXPECT_EQ(PointFromLParam(Last(child, WM_MOUSEMOVE)->LParam), (Point{190, -60}));
    robot->Release();
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONUP, WM_CAPTURECHANGED}));
    EXPECT_EQ(Last(child, WM_CAPTURECHANGED)->LParam, 0);
    EXPECT_FALSE(GetCapture());

    SetCapture(child);
    log.clear();
    SetCapture(top);
    EXPECT_EQ(HandleFromParam(static_cast<std::uintptr_t>(Last(child, WM_CAPTURECHANGED)->LParam)), top);
}

TEST_F(WindowInputTest, DisablingAWindowCancelsItsModeFirst) {
    MakeScene();
    SetCapture(child);
    SetFocus(child);
    log.clear();
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_EQ(MessagesOf(child, {WM_CANCELMODE, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_ENABLE}),
              (std::vector<UINT>{WM_CANCELMODE, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_ENABLE}));
    EXPECT_FALSE(GetCapture());
    EXPECT_FALSE(GetFocus());
    EXPECT_FALSE(IsWindowEnabled(child));
    // Clicks over a disabled child go to its parent.
    log.clear();
    robot->ClickAt(115, 115);
    EXPECT_EQ(MessagesOf(top, {WM_LBUTTONDOWN}).size(), 1u);
    EXPECT_TRUE(MessagesOf(child, {WM_LBUTTONDOWN}).empty());
    EXPECT_TRUE(EnableWindow(child, TRUE));
}

TEST_F(WindowInputTest, LeaveNotificationsComeOnceWhenTheMouseLeaves) {
    MakeScene();
    handler = [&](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (window == child && message == WM_MOUSEMOVE) {
            TRACKMOUSEEVENT track{TME_LEAVE, child, 0};
            TrackMouseEvent(track);
        }
        return std::nullopt;
    };
    robot->MouseMove(112, 112);
    robot->MouseMove(118, 118);
    EXPECT_TRUE(MessagesOf(child, {WM_MOUSELEAVE}).empty());
    TRACKMOUSEEVENT query{TME_QUERY, HWND(), 0};
    TrackMouseEvent(query);
    EXPECT_EQ(query.hwndTrack, child);
    EXPECT_EQ(query.dwFlags, DWORD{TME_LEAVE});
    robot->MouseMove(105, 105);
    robot->MouseMove(104, 104);
    EXPECT_EQ(MessagesOf(child, {WM_MOUSELEAVE, WM_MOUSEMOVE}),
              (std::vector<UINT>{WM_MOUSEMOVE, WM_MOUSEMOVE, WM_MOUSELEAVE}));
    // Asking while the mouse is elsewhere answers at once.
    log.clear();
    TRACKMOUSEEVENT elsewhere{TME_LEAVE, child, 0};
    TrackMouseEvent(elsewhere);
    robot->Pump();
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_MOUSELEAVE}));
}

TEST_F(WindowInputTest, NonClientLeaveComesWhenTheMouseEntersTheClientArea) {
    top = Top(WS_POPUP | WS_VISIBLE | WS_CAPTION, Rect::FromSize(100, 100, 100, 60));
    robot->MouseMove(130, 110);
    TRACKMOUSEEVENT track{TME_LEAVE | TME_NONCLIENT, top, 0};
    TrackMouseEvent(track);
    robot->MouseMove(135, 108);
    EXPECT_TRUE(MessagesOf(top, {WM_NCMOUSELEAVE}).empty());
    robot->MouseMove(135, 140);
    EXPECT_EQ(MessagesOf(top, {WM_NCMOUSELEAVE}).size(), 1u);
    EXPECT_TRUE(MessagesOf(top, {WM_MOUSELEAVE}).empty());
}

TEST_F(WindowInputTest, DoubleClicksNeedTheClassStyleAndCloseTimeAndPlace) {
    struct Case {
        std::string ChildClass;
        std::uint64_t Gap;
        int Shift;
        UINT Second;
    };
    const Case cases[] = {
        {"Recorder", 100, 0, WM_LBUTTONDBLCLK}, {"Recorder", 500, 2, WM_LBUTTONDBLCLK},
        {"Recorder", 501, 0, WM_LBUTTONDOWN},   {"Recorder", 100, 3, WM_LBUTTONDOWN},
        {"Plain", 100, 0, WM_LBUTTONDOWN},
    };
    for (const Case& c : cases) {
        MakeScene(c.ChildClass);
        robot->ClickAt(112, 112);
        robot->AdvanceTime(c.Gap);
        robot->ClickAt(112 + c.Shift, 112);
        EXPECT_EQ(MessagesOf(child, MouseButtons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, c.Second, WM_LBUTTONUP}))
            << c.ChildClass << " " << c.Gap << " " << c.Shift;
        DestroyWindow(top);
        robot->AdvanceTime(1000);
    }
    // A third quick click starts over.
    MakeScene();
    robot->ClickAt(112, 112);
    robot->Click();
    robot->Click();
    EXPECT_EQ(MessagesOf(child, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

TEST_F(WindowInputTest, KeysGoToTheFocusWindowWithTheirFlags) {
    MakeScene();
    SetFocus(child);
    log.clear();
    robot->KeyDown('A');
    robot->KeyDown('A');  // auto-repeat
    robot->KeyUp('A');
    auto keys = std::vector<Recorded>();
    for (const auto& entry : log) {
        if (entry.Window == child && (entry.Message == WM_KEYDOWN || entry.Message == WM_KEYUP)) keys.push_back(entry);
    }
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].WParam, WPARAM{'A'});
    EXPECT_EQ(static_cast<std::uint32_t>(keys[0].LParam), 0x00000001u);
    EXPECT_EQ(static_cast<std::uint32_t>(keys[1].LParam), 0x40000001u);
    EXPECT_EQ(keys[2].Message, WM_KEYUP);
    EXPECT_EQ(static_cast<std::uint32_t>(keys[2].LParam), 0xC0000001u);
    EXPECT_TRUE(MessagesOf(child, {WM_CHAR}).empty());  // printable characters come from text input
    EXPECT_TRUE(MessagesOf(top, {WM_KEYDOWN}).empty());
}

TEST_F(WindowInputTest, TypedTextArrivesAsCodePoints) {
    MakeScene();
    SetFocus(child);
    log.clear();
    robot->Type("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xFF");
    std::vector<WPARAM> characters;
    for (const auto& entry : log) {
        if (entry.Message == WM_CHAR) characters.push_back(entry.WParam);
    }
    EXPECT_EQ(characters, (std::vector<WPARAM>{0x61, 0xE9, 0x20AC, 0x1F600, 0xFFFD}));
}

TEST_F(WindowInputTest, TranslationAddsOnlyControlCharacters) {
    MakeScene();
    SetFocus(child);
    struct Case {
        std::vector<int> Held;
        int Key;
        std::vector<WPARAM> Characters;
    };
    const Case cases[] = {
        {{}, VK_BACK, {8}},  {{}, VK_RETURN, {13}}, {{}, VK_ESCAPE, {27}}, {{}, VK_TAB, {9}},
        {{}, 'C', {}},       {{VK_CONTROL}, 'C', {3}}, {{VK_CONTROL}, 'V', {22}}, {{}, VK_LEFT, {}},
    };
    for (const Case& c : cases) {
        for (int key : c.Held) robot->KeyDown(key);
        log.clear();
        robot->KeyPress(c.Key);
        std::vector<WPARAM> characters;
        for (const auto& entry : log) {
            if (entry.Message == WM_CHAR) characters.push_back(entry.WParam);
        }
        EXPECT_EQ(characters, c.Characters) << c.Key;
        if (!c.Characters.empty()) {
            EXPECT_EQ(MessagesOf(child, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}),
                      (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
        }
        for (int key : c.Held) robot->KeyUp(key);
    }
}

TEST_F(WindowInputTest, AltMakesSystemKeysAndAltF4Closes) {
    MakeScene();
    SetFocus(child);
    log.clear();
    robot->KeyDown(VK_MENU);
    robot->KeyDown('X');
    robot->KeyUp('X');
    robot->KeyUp(VK_MENU);
    EXPECT_EQ(MessagesOf(child, {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP}),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSKEYUP}));
    EXPECT_NE(Last(child, WM_SYSKEYDOWN)->LParam & (LPARAM{1} << 29), 0);
    robot->KeyDown(VK_MENU);
    robot->KeyDown(VK_F4);
    EXPECT_FALSE(IsWindow(top));
    robot->KeyUp(VK_F4);
    robot->KeyUp(VK_MENU);
}

TEST_F(WindowInputTest, KeyStateFollowsPressesAndToggles) {
    MakeScene();
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
    robot->KeyDown(VK_LSHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_LT(GetKeyState(VK_LSHIFT), 0);
    robot->KeyUp(VK_LSHIFT);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
    robot->KeyPress(VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL), 1);
    robot->KeyPress(VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL), 0);
    robot->MouseMove(115, 115);
    robot->Press();
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    robot->Release();
    EXPECT_EQ(GetKeyState(VK_LBUTTON) & 0x8000, 0);
    EXPECT_EQ(GetKeyState(-1), 0);
    EXPECT_EQ(GetKeyState(0x1234), 0);
}

TEST_F(WindowInputTest, KeysWithoutFocusGoToTheActiveWindowAsSystemKeys) {
    MakeScene();
    SetFocus(HWND());
    log.clear();
    robot->KeyPress('A');
    EXPECT_EQ(MessagesOf(top, {WM_KEYDOWN, WM_SYSKEYDOWN, WM_SYSKEYUP}),
              (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYUP}));
}

}  // namespace
}  // namespace quendar
