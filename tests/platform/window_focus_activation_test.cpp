#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::WindowTest;

class WindowFocusActivationTest : public WindowTest {};

const std::set<UINT> ActivationMessages = {WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS};
using Entry = std::pair<HWND, UINT>;

TEST_F(WindowFocusActivationTest, ShowingWindowsActivatesThemInOrder) {
    HWND first = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 50, 50));
    EXPECT_EQ(Sequence(ActivationMessages), (std::vector<Entry>{{first, WM_ACTIVATEAPP},
                                                                {first, WM_NCACTIVATE},
                                                                {first, WM_ACTIVATE},
                                                                {first, WM_SETFOCUS}}));
    EXPECT_EQ(Last(first, WM_ACTIVATEAPP)->WParam, WPARAM{TRUE});
    log.clear();
    HWND second = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(60, 0, 50, 50));
    EXPECT_EQ(Sequence(ActivationMessages), (std::vector<Entry>{{first, WM_NCACTIVATE},
                                                                {first, WM_ACTIVATE},
                                                                {second, WM_NCACTIVATE},
                                                                {second, WM_ACTIVATE},
                                                                {first, WM_KILLFOCUS},
                                                                {second, WM_SETFOCUS}}));
    EXPECT_EQ(Last(first, WM_NCACTIVATE)->WParam, WPARAM{FALSE});
    EXPECT_EQ(LOWORD(Last(first, WM_ACTIVATE)->WParam), WA_INACTIVE);
    EXPECT_EQ(HandleFromParam(static_cast<std::uintptr_t>(Last(first, WM_ACTIVATE)->LParam)), second);
    EXPECT_EQ(HandleFromParam(static_cast<std::uintptr_t>(Last(second, WM_ACTIVATE)->LParam)), first);
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(GetTopWindow(HWND()), second);
}

TEST_F(WindowFocusActivationTest, FocusMovesWithKillBeforeSet) {
    HWND top = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 50, 50));
    HWND a = Child(top, Rect::FromSize(0, 0, 10, 10));
    HWND b = Child(top, Rect::FromSize(20, 0, 10, 10));
    SetFocus(a);
    log.clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(Sequence(ActivationMessages), (std::vector<Entry>{{a, WM_KILLFOCUS}, {b, WM_SETFOCUS}}));
    EXPECT_EQ(HandleFromParam(Last(a, WM_KILLFOCUS)->WParam), b);
    EXPECT_EQ(HandleFromParam(Last(b, WM_SETFOCUS)->WParam), a);
    log.clear();
    EXPECT_EQ(SetFocus(b), b);  // already there: nothing sent
    EXPECT_TRUE(Sequence(ActivationMessages).empty());
}

TEST_F(WindowFocusActivationTest, FocusInAnInactiveWindowActivatesItFirst) {
    HWND first = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 50, 50));
    HWND child = Child(first, Rect::FromSize(0, 0, 10, 10));
    HWND second = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(60, 0, 50, 50));
    log.clear();
    SetFocus(child);
    EXPECT_EQ(Sequence(ActivationMessages), (std::vector<Entry>{{second, WM_NCACTIVATE},
                                                                {second, WM_ACTIVATE},
                                                                {first, WM_NCACTIVATE},
                                                                {first, WM_ACTIVATE},
                                                                {second, WM_KILLFOCUS},
                                                                {first, WM_SETFOCUS},
                                                                {first, WM_KILLFOCUS},
                                                                {child, WM_SETFOCUS}}));
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), child);
}

TEST_F(WindowFocusActivationTest, LosingTheActiveOrFocusedWindowMovesOn) {
    HWND first = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 50, 50));
    HWND second = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(60, 0, 50, 50));
    HWND child = Child(second, Rect::FromSize(0, 0, 10, 10));
    SetFocus(child);
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ(GetFocus(), second);
    DestroyWindow(second);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), first);
    log.clear();
    DestroyWindow(first);
    EXPECT_FALSE(GetActiveWindow());
    EXPECT_FALSE(GetFocus());
    EXPECT_EQ(Sequence({WM_ACTIVATEAPP}), (std::vector<Entry>{{first, WM_ACTIVATEAPP}}));
    EXPECT_EQ(Last(first, WM_ACTIVATEAPP)->WParam, WPARAM{FALSE});
}

TEST_F(WindowFocusActivationTest, TheDisplayCanTakeActivationAway) {
    HWND top = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 50, 50));
    log.clear();
    RawInput away;
    away.Type = RawInput::Kind::Deactivate;
    PostRawInput(away);
    robot->Pump();
    EXPECT_EQ(Sequence(ActivationMessages), (std::vector<Entry>{{top, WM_NCACTIVATE},
                                                                {top, WM_ACTIVATE},
                                                                {top, WM_ACTIVATEAPP},
                                                                {top, WM_KILLFOCUS}}));
    EXPECT_FALSE(GetActiveWindow());
    RawInput back;
    back.Type = RawInput::Kind::Activate;
    back.Window = top;
    PostRawInput(back);
    robot->Pump();
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(WindowFocusActivationTest, ShowingWithoutActivationLeavesTheActiveWindow) {
    HWND first = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 50, 50));
    HWND second = Top(WS_POPUP, Rect::FromSize(60, 0, 50, 50));
    EXPECT_FALSE(ShowWindow(second, SW_SHOWNA));
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(MessagesOf(second, {WM_SHOWWINDOW}), (std::vector<UINT>{WM_SHOWWINDOW}));
    EXPECT_TRUE(ShowWindow(second, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(second));
    ASSERT_NE(display->StateOf(second), nullptr);
    EXPECT_FALSE(display->StateOf(second)->Visible);
}

}  // namespace
}  // namespace quendar
