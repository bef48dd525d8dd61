#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::WindowTest;

class WindowProceduresTest : public WindowTest {};

TEST_F(WindowProceduresTest, SubclassLayersCallOnAndComeOffInReverse) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 10, 10));
    std::vector<std::string> calls;
    WNDPROC first;
    WNDPROC second;
    first = SetWindowProc(window, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) calls.push_back("first");
        return CallWindowProc(first, h, m, w, l);
    });
    second = SetWindowProc(window, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) calls.push_back("second");
        if (m == WM_USER + 1) return 42;  // handled here, never reaches the others
        return CallWindowProc(second, h, m, w, l);
    });
    log.clear();
    SendMessage(window, WM_USER, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_USER}));  // the class procedure last
    EXPECT_EQ(SendMessage(window, WM_USER + 1, 0, 0), 42);
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_USER}));

    calls.clear();
    SetWindowProc(window, second);  // the second layer comes off
    SendMessage(window, WM_USER, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"first"}));
    SetWindowProc(window, first);  // then the first
    calls.clear();
    SendMessage(window, WM_USER, 0, 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(MessagesOf(window), (std::vector<UINT>{WM_USER, WM_USER, WM_USER}));
}

TEST_F(WindowProceduresTest, AProcedureMayDestroyItsOwnWindow) {
    HWND window = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(0, 0, 10, 10));
    int after = 0;
    SetWindowProc(window, [&after, keep = std::string("captured state")](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) {
            DestroyWindow(h);
            after = static_cast<int>(keep.size());  // the procedure object is still alive
            return 5;
        }
        return DefWindowProc(h, m, w, l);
    });
    EXPECT_EQ(SendMessage(window, WM_USER, 0, 0), 5);
    EXPECT_EQ(after, 14);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowProceduresTest, SendMessageIsReentrant) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 10, 10));
    handler = [&](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_USER) return std::nullopt;
        if (w == 0) return 1;
        return static_cast<LRESULT>(w) + SendMessage(h, WM_USER, w - 1, 0);
    };
    EXPECT_EQ(SendMessage(window, WM_USER, 4, 0), 4 + 3 + 2 + 1 + 1);
}

TEST_F(WindowProceduresTest, TextGoesThroughTheMessagesAndKeepsUtf8Whole) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 10, 10));
    EXPECT_TRUE(SetWindowText(window, "Größe"));
    EXPECT_EQ(GetWindowText(window), "Größe");
    EXPECT_EQ(GetWindowTextLength(window), 7);
    EXPECT_EQ(MessagesOf(window, {WM_SETTEXT, WM_GETTEXTLENGTH, WM_GETTEXT}),
              (std::vector<UINT>{WM_SETTEXT, WM_GETTEXTLENGTH, WM_GETTEXT, WM_GETTEXTLENGTH}));
    struct Case {
        WPARAM Capacity;
        std::string Expected;
    };
    // "Gr" + two-byte "ö": a buffer that would split it stops before it.
    const Case cases[] = {{1, ""}, {3, "Gr"}, {4, "Gr"}, {5, "Grö"}, {100, "Größe"}};
    for (const Case& c : cases) {
        std::vector<char> buffer(c.Capacity, 'x');
        LRESULT copied = SendMessage(window, WM_GETTEXT, c.Capacity, PointerToLParam(buffer.data()));
        EXPECT_EQ(std::string(buffer.data()), c.Expected) << c.Capacity;
        EXPECT_EQ(copied, static_cast<LRESULT>(c.Expected.size()));
    }
    EXPECT_EQ(SendMessage(window, WM_GETTEXT, 10, 0), 0);  // no buffer
}

TEST_F(WindowProceduresTest, ASubclassSeesAndChangesText) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 10, 10));
    WNDPROC previous;
    previous = SetWindowProc(window, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_SETTEXT) {
            std::string upper = LParamToPointer<const char>(l);
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return CallWindowProc(previous, h, m, w, PointerToLParam(upper.c_str()));
        }
        return CallWindowProc(previous, h, m, w, l);
    });
    SetWindowText(window, "quendar");
    EXPECT_EQ(GetWindowText(window), "QUENDAR");
}

TEST_F(WindowProceduresTest, StyleChangesAreAnnouncedAndMayBeAdjusted) {
    HWND window = Top(WS_POPUP | WS_SYSMENU, Rect::FromSize(0, 0, 10, 10));
    handler = [](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_STYLECHANGING && w == static_cast<WPARAM>(GWL_STYLE)) {
            LParamToPointer<STYLESTRUCT>(l)->styleNew |= WS_BORDER;  // insists on a border
        }
        return std::nullopt;
    };
    LONG_PTR old = SetWindowLongPtr(window, GWL_STYLE, GetWindowLongPtr(window, GWL_STYLE) & ~LONG_PTR{WS_SYSMENU});
    EXPECT_EQ(static_cast<DWORD>(old), WS_POPUP | WS_SYSMENU);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(window, GWL_STYLE)), WS_POPUP | WS_BORDER);
    auto changed = Last(window, WM_STYLECHANGED);
    ASSERT_TRUE(changed);
    EXPECT_EQ(MessagesOf(window, {WM_STYLECHANGING, WM_STYLECHANGED}),
              (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));

    SetWindowLongPtr(window, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtr(window, GWL_EXSTYLE)), DWORD{WS_EX_CLIENTEDGE});
    EXPECT_EQ(SetWindowLongPtr(window, GWLP_USERDATA, 1234), 0);
    EXPECT_EQ(SetWindowLongPtr(window, GWLP_USERDATA, 99), 1234);
    EXPECT_EQ(GetWindowLongPtr(window, GWLP_USERDATA), 99);
    HWND child = Child(window, Rect::FromSize(0, 0, 1, 1), WS_CHILD, 77);
    EXPECT_EQ(GetWindowLongPtr(child, GWLP_ID), 77);
}

TEST_F(WindowProceduresTest, PropertiesAreNamedWithoutCase) {
    HWND window = Top(WS_POPUP, Rect::FromSize(0, 0, 10, 10));
    int object = 0;
    EXPECT_TRUE(SetProp(window, "ACSBSC", &object));
    EXPECT_EQ(GetProp(window, "acsbsc"), &object);
    EXPECT_EQ(GetProp(window, "other"), nullptr);
    EXPECT_EQ(RemoveProp(window, "AcSbSc"), &object);
    EXPECT_EQ(GetProp(window, "ACSBSC"), nullptr);
    EXPECT_EQ(RemoveProp(window, "ACSBSC"), nullptr);
    EXPECT_FALSE(SetProp(window, "", &object));
}

TEST_F(WindowProceduresTest, RegisteredMessagesAreStableByName) {
    UINT first = RegisterWindowMessage("QuendarSkinChange");
    UINT second = RegisterWindowMessage("Another");
    EXPECT_EQ(first, RegisteredMessageFirst);
    EXPECT_EQ(second, RegisteredMessageFirst + 1);
    EXPECT_EQ(RegisterWindowMessage("quendarskinchange"), first);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST_F(WindowProceduresTest, ClassesRegisterOnceAndDefaultToDefWindowProc) {
    WNDCLASS duplicate;
    duplicate.lpszClassName = "recorder";
    EXPECT_EQ(RegisterClass(duplicate), 0);
    WNDCLASS bare;
    bare.lpszClassName = "Bare";
    EXPECT_NE(RegisterClass(bare), 0);
    HWND window = CreateWindowEx(0, "BARE", "bare text", WS_POPUP, 0, 0, 10, 10, HWND());
    ASSERT_TRUE(window);
    EXPECT_EQ(GetWindowText(window), "bare text");
    EXPECT_EQ(GetClassName(window), "Bare");
    EXPECT_TRUE(UnregisterClass("bare"));
    EXPECT_TRUE(IsWindow(window));  // existing windows keep their class
    EXPECT_FALSE(CreateWindowEx(0, "Bare", "", WS_POPUP, 0, 0, 10, 10, HWND()));
}

}  // namespace
}  // namespace quendar
