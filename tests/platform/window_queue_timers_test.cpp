#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::WindowTest;

class WindowQueueTimersTest : public WindowTest {};

TEST_F(WindowQueueTimersTest, PostedMessagesComeInOrderBeforePaintAndQuitLast) {
    HWND window = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 20, 20));
    InvalidateRect(window, nullptr, TRUE);
    PostMessage(window, WM_USER + 1, 1, 0);
    PostQuitMessage(3);
    PostMessage(window, WM_USER + 2, 2, 0);
    std::vector<UINT> retrieved;
    MSG message;
    while (PeekMessage(message, HWND(), 0, 0, PM_REMOVE)) {
        retrieved.push_back(message.message);
        if (message.message != WM_QUIT) DispatchMessage(message);
    }
    EXPECT_EQ(retrieved, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_QUIT, WM_PAINT}));
}

TEST_F(WindowQueueTimersTest, PeekWithoutRemovingLeavesTheMessageAndFiltersApply) {
    HWND first = Top(WS_POPUP, Rect::FromSize(0, 0, 20, 20));
    HWND second = Top(WS_POPUP, Rect::FromSize(0, 0, 20, 20));
    PostMessage(first, WM_USER, 0, 0);
    PostMessage(second, WM_USER + 5, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessage(message, HWND(), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.hwnd, first);
    ASSERT_TRUE(PeekMessage(message, second, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER + 5);
    EXPECT_FALSE(PeekMessage(message, HWND(), WM_USER + 1, WM_USER + 10, PM_REMOVE));
    ASSERT_TRUE(GetMessage(message, HWND(), 0, 0));
    EXPECT_EQ(message.message, WM_USER);
    PostQuitMessage(7);
    EXPECT_FALSE(GetMessage(message, HWND(), 0, 0));
    EXPECT_EQ(message.wParam, WPARAM{7});
}

TEST_F(WindowQueueTimersTest, MessagesForDestroyedWindowsAreDropped) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 20, 20));
    PostMessage(window, WM_USER, 0, 0);
    DestroyWindow(window);
    MSG message;
    EXPECT_FALSE(PeekMessage(message, HWND(), 0, 0, PM_REMOVE));
    EXPECT_EQ(DispatchMessage(MSG{window, WM_USER, 0, 0, 0, {}}), 0);
}

TEST_F(WindowQueueTimersTest, TimersFireInOrderOnTheAdvancedClock) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 20, 20));
    SetTimer(window, 1, 30);
    SetTimer(window, 2, 20);
    SetTimer(window, 3, 3);  // raised to the 10 ms minimum
    robot->AdvanceTime(9);
    EXPECT_TRUE(MessagesOf(window, {WM_TIMER}).empty());
    robot->AdvanceTime(51);  // to 60 ms
    std::vector<WPARAM> fired;
    for (const auto& entry : log) {
        if (entry.Message == WM_TIMER) fired.push_back(entry.WParam);
    }
    // 10: 3 | 20: 2 3 | 30: 1 3 | 40: 2 3 | 50: 3 | 60: 1 2 3 (ties in the order the timers were set)
    EXPECT_EQ(fired, (std::vector<WPARAM>{3, 2, 3, 1, 3, 2, 3, 3, 1, 2, 3}));
    EXPECT_TRUE(KillTimer(window, 3));
    EXPECT_FALSE(KillTimer(window, 3));
    log.clear();
    robot->AdvanceTime(20);
    fired.clear();
    for (const auto& entry : log) {
        if (entry.Message == WM_TIMER) fired.push_back(entry.WParam);
    }
    EXPECT_EQ(fired, (std::vector<WPARAM>{2}));
}

TEST_F(WindowQueueTimersTest, SettingATimerAgainRestartsItAndDestructionKillsIt) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 20, 20));
    EXPECT_EQ(SetTimer(window, 9, 50), 9u);
    robot->AdvanceTime(40);
    EXPECT_EQ(SetTimer(window, 9, 50), 9u);
    robot->AdvanceTime(40);
    EXPECT_TRUE(MessagesOf(window, {WM_TIMER}).empty());
    robot->AdvanceTime(10);
    EXPECT_EQ(MessagesOf(window, {WM_TIMER}).size(), 1u);
    DestroyWindow(window);
    EXPECT_FALSE(NextTimerDue());
}

TEST_F(WindowQueueTimersTest, TimerCallbacksRunInsteadOfTheWindowProcedure) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 20, 20));
    std::vector<UINT_PTR> calls;
    SetTimer(window, 4, 10, [&](HWND h, UINT message, UINT_PTR id, DWORD) {
        EXPECT_EQ(h, window);
        EXPECT_EQ(message, WM_TIMER);
        calls.push_back(id);
    });
    UINT_PTR threadTimer = SetTimer(HWND(), 0, 25, [&](HWND h, UINT, UINT_PTR id, DWORD) {
        EXPECT_FALSE(h);
        calls.push_back(id);
    });
    EXPECT_NE(threadTimer, 0u);
    robot->AdvanceTime(30);
    EXPECT_EQ(calls, (std::vector<UINT_PTR>{4, 4, threadTimer, 4}));
    EXPECT_TRUE(MessagesOf(window, {WM_TIMER}).empty());
    EXPECT_TRUE(KillTimer(HWND(), threadTimer));
}

TEST_F(WindowQueueTimersTest, AWaitingMessageLoopMovesTheHeadlessClockToTheNextTimer) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 20, 20));
    std::uint64_t start = display->NowMilliseconds();
    SetTimer(window, 1, 250);
    MSG message;
    ASSERT_TRUE(GetMessage(message, HWND(), 0, 0));
    EXPECT_EQ(message.message, WM_TIMER);
    EXPECT_EQ(display->NowMilliseconds(), start + 250);
    KillTimer(window, 1);
    EXPECT_THROW(GetMessage(message, HWND(), 0, 0), PlatformError);  // would wait forever
}

TEST_F(WindowQueueTimersTest, ClipboardTextRoundTrips) {
    EXPECT_EQ(GetClipboardText(), "");
    const std::string report = "20240101\r\n20241231\r\n365 Days";
    EXPECT_TRUE(SetClipboardText(report));
    EXPECT_EQ(GetClipboardText(), report);
    EXPECT_EQ(display->GetClipboardText(), report);
    SetClipboardText("Größe");
    EXPECT_EQ(GetClipboardText(), "Größe");
}

TEST_F(WindowQueueTimersTest, MetricsComeFromTheClassicTableAndTheScreen) {
    struct Case {
        int Index;
        int Value;
    };
    const Case cases[] = {{SM_CXSCREEN, 800}, {SM_CYSCREEN, 600}, {SM_CYCAPTION, 18}, {SM_CXFRAME, 4},
                          {SM_CXDLGFRAME, 3}, {SM_CXBORDER, 1},   {SM_CXEDGE, 2},     {SM_CXSIZE, 18},
                          {SM_CXDOUBLECLK, 4}, {SM_CXVSCROLL, 16}, {SM_CXMAXTRACK, 808}, {-5, 0}, {9999, 0}};
    for (const Case& c : cases) EXPECT_EQ(GetSystemMetrics(c.Index), c.Value) << c.Index;
    Rect work;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, (Rect{0, 0, 800, 600}));
    NONCLIENTMETRICS metrics;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
    EXPECT_EQ(metrics.lfCaptionFont.Weight, FW_BOLD);
    EXPECT_FALSE(SystemParametersInfo(SPI_GETWORKAREA, 0, nullptr, 0));
    EXPECT_EQ(GetDoubleClickTime(), 500u);
}

}  // namespace
}  // namespace quendar
