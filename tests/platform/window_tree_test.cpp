#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::WindowTest;

class WindowTreeTest : public WindowTest {};

TEST_F(WindowTreeTest, CreationSendsItsMessagesInOrder) {
    HWND top = Top(WS_OVERLAPPEDWINDOW, Rect::FromSize(10, 20, 300, 200));
    ASSERT_TRUE(top);
    EXPECT_EQ(MessagesOf(top), (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
                                                   WM_SIZE, WM_MOVE}));
    log.clear();
    HWND child = Child(top, Rect::FromSize(5, 5, 50, 20), WS_CHILD, 7);
    EXPECT_EQ(MessagesOf(child), (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    auto notice = Last(top, WM_PARENTNOTIFY);
    ASSERT_TRUE(notice);
    EXPECT_EQ(LOWORD(notice->WParam), WM_CREATE);
    EXPECT_EQ(HIWORD(notice->WParam), 7);
    EXPECT_EQ(HandleFromParam(static_cast<std::uintptr_t>(notice->LParam)), child);
}

TEST_F(WindowTreeTest, CreationCarriesTextSizeAndClientPlace) {
    HWND top = Top(WS_POPUP | WS_CAPTION, Rect::FromSize(10, 20, 200, 100), "Brisvane Quendar");
    EXPECT_EQ(GetWindowText(top), "Brisvane Quendar");
    auto size = Last(top, WM_SIZE);
    ASSERT_TRUE(size);
    EXPECT_EQ(GET_X_LPARAM(size->LParam), 194);
    EXPECT_EQ(GET_Y_LPARAM(size->LParam), 76);
    auto move = Last(top, WM_MOVE);
    EXPECT_EQ(PointFromLParam(move->LParam), (Point{13, 41}));
}

TEST_F(WindowTreeTest, RefusedCreationAnswersNullAndCleansUp) {
    struct Case {
        UINT Refused;
        LRESULT Answer;
        std::vector<UINT> Expected;
    };
    const Case cases[] = {
        {WM_NCCREATE, 0, {WM_NCCREATE, WM_DESTROY, WM_NCDESTROY}},
        {WM_CREATE, -1, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}},
    };
    for (const Case& c : cases) {
        log.clear();
        handler = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message == c.Refused) return c.Answer;
            return std::nullopt;
        };
        HWND refused = Top(WS_POPUP, Rect::FromSize(0, 0, 10, 10));
        EXPECT_FALSE(refused);
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(MessagesOf(log.front().Window), c.Expected);
        EXPECT_FALSE(IsWindow(log.front().Window));
    }
}

TEST_F(WindowTreeTest, CreationFailsForUnknownClassOrMissingParent) {
    EXPECT_FALSE(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, HWND()));
    EXPECT_FALSE(CreateWindowEx(0, "Recorder", "", WS_CHILD, 0, 0, 10, 10, HWND()));
    EXPECT_FALSE(CreateWindowEx(0, "Recorder", "", WS_CHILD, 0, 0, 10, 10, HWND::FromValue(0x7777)));
    EXPECT_TRUE(log.empty());
}

TEST_F(WindowTreeTest, DestructionSendsDestroyParentsFirstAndNcDestroyChildrenFirst) {
    HWND top = Top(WS_POPUP, Rect::FromSize(0, 0, 100, 100));
    HWND child = Child(top, Rect::FromSize(0, 0, 50, 50));
    HWND grandchild = Child(child, Rect::FromSize(0, 0, 10, 10));
    HWND sibling = Child(top, Rect::FromSize(50, 50, 50, 50));
    log.clear();
    EXPECT_TRUE(DestroyWindow(top));
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence({WM_DESTROY, WM_NCDESTROY}),
              (std::vector<Entry>{{top, WM_DESTROY},
                                  {child, WM_DESTROY},
                                  {grandchild, WM_DESTROY},
                                  {sibling, WM_DESTROY},
                                  {grandchild, WM_NCDESTROY},
                                  {child, WM_NCDESTROY},
                                  {sibling, WM_NCDESTROY},
                                  {top, WM_NCDESTROY}}));
    for (HWND window : {top, child, grandchild, sibling}) EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowTreeTest, DestroyingAChildTellsTheParentAndLeavesSiblings) {
    HWND top = Top(WS_POPUP, Rect::FromSize(0, 0, 100, 100));
    HWND first = Child(top, Rect::FromSize(0, 0, 10, 10), WS_CHILD, 1);
    HWND second = Child(top, Rect::FromSize(0, 0, 10, 10), WS_CHILD, 2);
    EXPECT_TRUE(DestroyWindow(first));
    auto notice = Last(top, WM_PARENTNOTIFY);
    ASSERT_TRUE(notice);
    EXPECT_EQ(LOWORD(notice->WParam), WM_DESTROY);
    EXPECT_EQ(GetWindow(top, GW_CHILD), second);
    EXPECT_FALSE(GetWindow(second, GW_HWNDNEXT));
}

TEST_F(WindowTreeTest, OwnedWindowsAreDestroyedBeforeTheirOwner) {
    HWND owner = Top(WS_POPUP, Rect::FromSize(0, 0, 100, 100));
    HWND owned = CreateWindowEx(0, "Recorder", "", WS_POPUP, 0, 0, 10, 10, owner);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    EXPECT_EQ(GetParent(owned), owner);
    log.clear();
    DestroyWindow(owner);
    using Entry = std::pair<HWND, UINT>;
    EXPECT_EQ(Sequence({WM_DESTROY}), (std::vector<Entry>{{owned, WM_DESTROY}, {owner, WM_DESTROY}}));
}

TEST_F(WindowTreeTest, SiblingsStackInCreationOrderAndRestack) {
    HWND top = Top(WS_POPUP, Rect::FromSize(0, 0, 100, 100));
    HWND a = Child(top, Rect::FromSize(0, 0, 10, 10));
    HWND b = Child(top, Rect::FromSize(0, 0, 10, 10));
    HWND c = Child(top, Rect::FromSize(0, 0, 10, 10));
    auto order = [&] {
        std::vector<HWND> result;
        for (HWND w = GetWindow(top, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) result.push_back(w);
        return result;
    };
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{c, a, b}));
    SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
    SetWindowPos(a, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{b, a, c}));
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(a, GW_HWNDFIRST), b);
    EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
}

TEST_F(WindowTreeTest, EnumChildWindowsWalksDepthFirstAndStopsWhenAsked) {
    HWND top = Top(WS_POPUP, Rect::FromSize(0, 0, 100, 100));
    HWND a = Child(top, Rect::FromSize(0, 0, 10, 10));
    HWND a1 = Child(a, Rect::FromSize(0, 0, 5, 5));
    HWND b = Child(top, Rect::FromSize(0, 0, 10, 10));
    std::vector<HWND> seen;
    EnumChildWindows(top, [&](HWND w) {
        seen.push_back(w);
        return true;
    });
    EXPECT_EQ(seen, (std::vector<HWND>{a, a1, b}));
    seen.clear();
    EnumChildWindows(top, [&](HWND w) {
        seen.push_back(w);
        return w != a1;
    });
    EXPECT_EQ(seen, (std::vector<HWND>{a, a1}));
    EXPECT_TRUE(IsChild(top, a1));
    EXPECT_FALSE(IsChild(a1, top));
    EXPECT_EQ(GetAncestor(a1, GA_ROOT), top);
}

TEST_F(WindowTreeTest, StaleHandlesFailHarmlessly) {
    HWND top = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 100, 100));
    HWND gone = Child(top, Rect::FromSize(0, 0, 10, 10));
    DestroyWindow(gone);
    HWND fresh = Child(top, Rect::FromSize(0, 0, 10, 10));
    EXPECT_NE(fresh, gone);  // handles are never reused

    EXPECT_FALSE(IsWindow(gone));
    EXPECT_EQ(SendMessage(gone, WM_USER, 1, 2), 0);
    EXPECT_FALSE(PostMessage(gone, WM_USER, 1, 2));
    EXPECT_FALSE(DestroyWindow(gone));
    EXPECT_FALSE(SetWindowText(gone, "x"));
    EXPECT_EQ(GetWindowText(gone), "");
    EXPECT_FALSE(SetWindowPos(gone, HWND(), 1, 1, 1, 1, 0));
    EXPECT_FALSE(ShowWindow(gone, SW_SHOW));
    EXPECT_FALSE(EnableWindow(gone, FALSE));
    EXPECT_FALSE(SetProp(gone, "A", nullptr));
    EXPECT_EQ(GetProp(gone, "A"), nullptr);
    EXPECT_FALSE(GetParent(gone));
    EXPECT_FALSE(GetWindow(gone, GW_HWNDNEXT));
    EXPECT_FALSE(InvalidateRect(gone, nullptr, TRUE));
    EXPECT_EQ(SetTimer(gone, 1, 10), 0u);
    EXPECT_FALSE(SetWindowProc(gone, [](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; }));
    EXPECT_EQ(GetWindowLongPtr(gone, GWL_STYLE), 0);
    EXPECT_FALSE(SetFocus(gone));
    EXPECT_FALSE(SetCapture(gone));
    EXPECT_FALSE(GetCapture());
    Rect rect;
    EXPECT_FALSE(GetWindowRect(gone, rect));
    WindowDC dc = GetDC(gone);
    dc->FillSolidRect({0, 0, 10, 10}, RGB(1, 2, 3));  // draws nowhere
    EXPECT_TRUE(IsWindow(fresh));
    EXPECT_EQ(robot->RenderWindow(top).PixelAt(0, 0), testing_support::RecorderBackground);
}

TEST_F(WindowTreeTest, DefaultClientAreaFollowsTheFrameStyles) {
    struct Case {
        DWORD Style;
        DWORD ExStyle;
        Rect Client;  // window coordinates of a 200 x 100 window
    };
    const Case cases[] = {
        {WS_POPUP, 0, {0, 0, 200, 100}},
        {WS_POPUP | WS_BORDER, 0, {1, 1, 199, 99}},
        {WS_POPUP | WS_DLGFRAME, 0, {3, 3, 197, 97}},
        {WS_POPUP | WS_CAPTION, 0, {3, 21, 197, 97}},
        {WS_POPUP | WS_CAPTION | WS_THICKFRAME, 0, {4, 22, 196, 96}},
        {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {3, 18, 197, 97}},
        {WS_POPUP, WS_EX_CLIENTEDGE, {2, 2, 198, 98}},
        {WS_POPUP, WS_EX_STATICEDGE, {1, 1, 199, 99}},
        {WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, {0, 0, 184, 84}},
    };
    for (const Case& c : cases) {
        HWND window = CreateWindowEx(c.ExStyle, "Recorder", "", c.Style, 30, 40, 200, 100, HWND());
        Rect client;
        GetClientRect(window, client);
        Point origin;
        ClientToScreen(window, origin);
        EXPECT_EQ(Rect::FromSize(origin.X - 30, origin.Y - 40, client.Width(), client.Height()), c.Client)
            << std::hex << c.Style << " " << c.ExStyle;
        DestroyWindow(window);
    }
}

TEST_F(WindowTreeTest, CoordinatesMapThroughTheTree) {
    HWND top = Top(WS_POPUP | WS_BORDER, Rect::FromSize(100, 50, 300, 200));
    HWND child = Child(top, Rect::FromSize(10, 20, 100, 100), WS_CHILD | WS_VISIBLE | WS_BORDER);
    Point p{0, 0};
    ClientToScreen(child, p);
    EXPECT_EQ(p, (Point{100 + 1 + 10 + 1, 50 + 1 + 20 + 1}));
    ScreenToClient(top, p);
    EXPECT_EQ(p, (Point{11, 21}));
    Rect r{0, 0, 5, 5};
    MapWindowRect(child, top, r);
    EXPECT_EQ(r, (Rect{11, 21, 16, 26}));
    Rect screen;
    GetWindowRect(child, screen);
    EXPECT_EQ(screen, Rect::FromSize(111, 71, 100, 100));
}

TEST_F(WindowTreeTest, SetParentMovesAWindowAndRefusesCycles) {
    HWND top = Top(WS_POPUP, Rect::FromSize(0, 0, 100, 100));
    HWND a = Child(top, Rect::FromSize(0, 0, 50, 50));
    HWND b = Child(top, Rect::FromSize(0, 0, 50, 50));
    EXPECT_EQ(SetParent(b, a), top);
    EXPECT_EQ(GetParent(b), a);
    EXPECT_FALSE(SetParent(a, b));  // a cycle
    EXPECT_EQ(GetParent(a), top);
}

}  // namespace
}  // namespace quendar
