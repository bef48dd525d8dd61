#include "platform/message_box.h"

#include "platform/backend/headless/message_box_recorder.h"
#include "platform/modal_loop.h"
#include "platform/system_colors.h"
#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::WindowTest;

class MessageBoxTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        owner = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(100, 100, 300, 200));
        focused = Child(owner, Rect::FromSize(10, 10, 50, 20));
        other = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(500, 100, 100, 100));
        SetFocus(focused);
        robot->Pump();
        log.clear();
    }

    // Runs `whileOpen` once, the first time the box's loop waits for input.
    void OnFirstIdle(std::function<void(HWND box)> whileOpen) {
        handler = [this, whileOpen, done = false](HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) mutable -> std::optional<LRESULT> {
            if (window == owner && message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && !done) {
                done = true;
                whileOpen(HandleFromParam(static_cast<std::uintptr_t>(lParam)));
            }
            return std::nullopt;
        };
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
        RawInput input;
        input.Type = RawInput::Kind::Character;
        input.Character = character;
        PostRawInput(input);
    }

    static void PostClick(Point screen) {
        for (RawInput::Kind kind :
             {RawInput::Kind::MouseMove, RawInput::Kind::ButtonDown, RawInput::Kind::ButtonUp}) {
            RawInput input;
            input.Type = kind;
            input.Screen = screen;
            PostRawInput(input);
        }
    }

    // Where the button `id` of a box showing "Text" under "Quendar" is on the screen (its centre).
    static Point ButtonCentre(HWND box, UINT flags, int id) {
        MessageBoxLayout layout = LayOutMessageBox("Text", "Quendar", flags, 480, 400);
        for (const MessageBoxButton& button : layout.Buttons) {
            if (button.Id != id) continue;
            Point centre{(button.Bounds.Left + button.Bounds.Right) / 2,
                         (button.Bounds.Top + button.Bounds.Bottom) / 2};
            ClientToScreen(box, centre);
            return centre;
        }
        return {};
    }

    HWND owner;
    HWND focused;
    HWND other;
};

TEST_F(MessageBoxTest, AHookedBoxIsRecordedAndAnsweredWithoutAWindow) {
    MessageBoxRecorder recorder(IDCANCEL);
    int windowsBefore = 0;
    EnumWindows([&](HWND) { return ++windowsBefore > 0; });
    int answer = MessageBox(focused, "'31.02.2024' is not a valid date.", "Quendar", MB_OK | MB_ICONSTOP);
    EXPECT_EQ(answer, IDCANCEL);
    ASSERT_EQ(recorder.Requests().size(), 1u);
    const MessageBoxRequest& request = recorder.Requests().front();
    EXPECT_EQ(request.Text, "'31.02.2024' is not a valid date.");
    EXPECT_EQ(request.Caption, "Quendar");
    EXPECT_EQ(request.Flags & MB_ICONMASK, UINT{MB_ICONERROR});
    EXPECT_EQ(request.Owner, owner);  // a child stands for its top-level window
    int windowsAfter = 0;
    EnumWindows([&](HWND) { return ++windowsAfter > 0; });
    EXPECT_EQ(windowsAfter, windowsBefore);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetFocus(), focused);
}

TEST_F(MessageBoxTest, TheRealBoxIsModalAndGivesEverythingBackWhenEnterClosesIt) {
    HWND seenBox;
    bool ownerEnabled = true;
    bool otherEnabled = true;
    HWND focusWhileOpen;
    std::string className;
    std::string caption;
    OnFirstIdle([&](HWND box) {
        seenBox = box;
        ownerEnabled = IsWindowEnabled(owner);
        otherEnabled = IsWindowEnabled(other);
        focusWhileOpen = GetFocus();
        className = GetClassName(box);
        caption = GetWindowText(box);
        PostKey(VK_RETURN);
    });
    int answer = MessageBox(owner, "Enter valid dates", "Quendar", MB_OK | MB_ICONSTOP);
    EXPECT_EQ(answer, IDOK);
    ASSERT_TRUE(seenBox);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_FALSE(otherEnabled);
    EXPECT_EQ(focusWhileOpen, seenBox);
    EXPECT_EQ(className, "#32770");
    EXPECT_EQ(caption, "Quendar");
    EXPECT_FALSE(IsWindow(seenBox));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_TRUE(IsWindowEnabled(other));
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(GetFocus(), focused);
}

TEST_F(MessageBoxTest, AClickOnTheButtonClosesTheBoxAndAClickBesideItDoesNot) {
    int idles = 0;
    handler = [&](HWND window, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (window != owner || message != WM_ENTERIDLE) return std::nullopt;
        HWND box = HandleFromParam(static_cast<std::uintptr_t>(lParam));
        Point ok = ButtonCentre(box, MB_OK | MB_ICONSTOP, IDOK);
        if (++idles == 1)
            PostClick({ok.X - 60, ok.Y});  // beside the button, on the box
        else if (idles == 2)
            PostClick(ok);
        return std::nullopt;
    };
    EXPECT_EQ(MessageBox(owner, "Text", "Quendar", MB_OK | MB_ICONSTOP), IDOK);
    EXPECT_EQ(idles, 2);
    EXPECT_EQ(GetFocus(), focused);
}

TEST_F(MessageBoxTest, KeysChooseTheButtonsTheirBoxesOffer) {
    struct Case {
        const char* Name;
        UINT Flags;
        std::vector<int> Keys;  // virtual keys; negative: a typed character
        int Answer;
    };
    const std::vector<Case> cases = {
        {"enter on OK", MB_OK, {VK_RETURN}, IDOK},
        {"space on OK", MB_OK, {VK_SPACE}, IDOK},
        {"escape on OK alone", MB_OK, {VK_ESCAPE}, IDOK},
        {"escape cancels", MB_OKCANCEL, {VK_ESCAPE}, IDCANCEL},
        {"tab moves to cancel", MB_OKCANCEL, {VK_TAB, VK_RETURN}, IDCANCEL},
        {"right moves and wraps", MB_YESNOCANCEL, {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN}, IDYES},
        {"second default button", MB_YESNO | MB_DEFBUTTON2, {VK_RETURN}, IDNO},
        {"default beyond the buttons", MB_YESNO | MB_DEFBUTTON3, {VK_RETURN}, IDNO},
        {"yes/no has no escape", MB_YESNO, {VK_ESCAPE, VK_RETURN}, IDYES},
        {"accelerator letter", MB_YESNO, {-'n'}, IDNO},
        {"upper-case accelerator", MB_ABORTRETRYIGNORE, {-'I'}, IDIGNORE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        for (int key : c.Keys) {
            if (key < 0)
                PostCharacter(static_cast<char32_t>(-key));
            else
                PostKey(key);
        }
        EXPECT_EQ(MessageBox(owner, "Question", "Quendar", c.Flags), c.Answer);
        EXPECT_TRUE(IsWindowEnabled(owner));
    }
}

TEST_F(MessageBoxTest, TheCloseButtonAnswersLikeEscape) {
    OnFirstIdle([](HWND box) { PostMessage(box, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(MessageBox(owner, "Text", "Quendar", MB_OKCANCEL), IDCANCEL);
}

TEST_F(MessageBoxTest, AQuitArrivingWhileOpenClosesTheBoxAndIsPostedAgain) {
    PostQuitMessage(7);
    EXPECT_EQ(MessageBox(owner, "Text", "Quendar", MB_OK), 0);
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG message;
    ASSERT_TRUE(PeekMessage(message, HWND(), 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT{WM_QUIT});
    EXPECT_EQ(message.wParam, WPARAM{7});
}

TEST_F(MessageBoxTest, AFailingLoopStillEnablesTheWindowsAgain) {
    // Nothing drives the box: the headless display reports the endless wait.
    EXPECT_THROW(MessageBox(owner, "Text", "Quendar", MB_OK), PlatformError);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_TRUE(IsWindowEnabled(other));
    int boxes = 0;
    EnumWindows([&](HWND top) { return (boxes += GetClassName(top) == "#32770") >= 0; });
    EXPECT_EQ(boxes, 0);
}

TEST_F(MessageBoxTest, TheBoxIsCentredOverItsOwnerAndKeptOnTheScreen) {
    Rect placed;
    OnFirstIdle([&](HWND box) {
        GetWindowRect(box, placed);
        PostKey(VK_RETURN);
    });
    MessageBox(owner, "Text", "Quendar", MB_OK);
    EXPECT_NEAR(placed.Left + placed.Width() / 2, 250, 1);
    EXPECT_NEAR(placed.Top + placed.Height() / 2, 200, 1);

    SetWindowPos(owner, HWND(), 700, 550, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    OnFirstIdle([&](HWND box) {
        GetWindowRect(box, placed);
        PostKey(VK_RETURN);
    });
    MessageBox(owner, "Text", "Quendar", MB_OK);
    EXPECT_EQ(placed.Right, 800);
    EXPECT_EQ(placed.Bottom, 600);
}

TEST_F(MessageBoxTest, TheStopIconIsARedDiscWithAWhiteCross) {
    Bitmap picture;
    Rect client;
    OnFirstIdle([&](HWND box) {
        FlushPresentation();
        picture = display->Screenshot(box);
        Point origin{0, 0};
        ClientToScreen(box, origin);
        Rect window;
        GetWindowRect(box, window);
        client = Rect::FromSize(origin.X - window.Left, origin.Y - window.Top, 0, 0);
        PostKey(VK_RETURN);
    });
    MessageBox(owner, "Text", "Quendar", MB_OK | MB_ICONSTOP);
    MessageBoxLayout layout = LayOutMessageBox("Text", "Quendar", MB_OK | MB_ICONSTOP, 480, 400);
    Point icon = layout.Icon.TopLeft() + client.TopLeft();
    struct Probe {
        Point At;
        ColorRef Color;
    };
    const std::vector<Probe> probes = {
        {{15, 15}, RGB(255, 255, 255)},                                        // the cross's centre
        {{10, 10}, RGB(255, 255, 255)},                                        // on its arm
        {{15, 5}, RGB(255, 0, 0)},                                             // the disc above the cross
        {{5, 15}, RGB(255, 0, 0)},      {{0, 0}, GetSysColor(COLOR_BTNFACE)},  // outside the disc
    };
    for (const Probe& probe : probes) {
        EXPECT_EQ(picture.PixelAt(icon.X + probe.At.X, icon.Y + probe.At.Y), probe.Color)
            << probe.At.X << "," << probe.At.Y;
    }
}

TEST(MessageBoxLayoutTest, ButtonsAreCentredInARowBelowTheContent) {
    struct Case {
        UINT Flags;
        std::vector<int> Ids;
        std::optional<int> Escape;
    };
    const std::vector<Case> cases = {
        {MB_OK, {IDOK}, IDOK},
        {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
        {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, std::nullopt},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {MB_YESNO, {IDYES, IDNO}, std::nullopt},
        {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDCANCEL},
    };
    for (const Case& c : cases) {
        MessageBoxLayout layout = LayOutMessageBox("Some text", "", c.Flags, 480, 400);
        std::vector<int> ids;
        for (const MessageBoxButton& button : layout.Buttons) ids.push_back(button.Id);
        EXPECT_EQ(ids, c.Ids);
        EXPECT_EQ(layout.EscapeAnswer, c.Escape);
        const Rect first = layout.Buttons.front().Bounds;
        const Rect last = layout.Buttons.back().Bounds;
        int leftMargin = first.Left;
        int rightMargin = layout.Client.Width - last.Right;
        EXPECT_TRUE(rightMargin == leftMargin || rightMargin == leftMargin + 1)
            << leftMargin << " " << rightMargin;
        EXPECT_EQ(first.Width(), 75);
        EXPECT_EQ(first.Height(), 23);
        EXPECT_EQ(layout.Client.Height - first.Bottom, 12);
        EXPECT_GE(first.Top, layout.Text.Bottom + 14);
        for (std::size_t i = 1; i < layout.Buttons.size(); ++i)
            EXPECT_EQ(layout.Buttons[i].Bounds.Left - layout.Buttons[i - 1].Bounds.Right, 6);
    }
}

TEST(MessageBoxLayoutTest, TextIsWrappedAtTheWidthLimitAndSitsBesideTheIcon) {
    std::string longText(60, 'x');
    for (std::size_t i = 5; i < longText.size(); i += 6) longText[i] = ' ';
    MessageBoxLayout wide = LayOutMessageBox(longText, "", MB_OK | MB_ICONSTOP, 1000, 400);
    MessageBoxLayout narrow = LayOutMessageBox(longText, "", MB_OK | MB_ICONSTOP, 100, 400);
    EXPECT_LE(narrow.Text.Width(), 100);
    EXPECT_GT(narrow.Text.Height(), wide.Text.Height());
    EXPECT_EQ(wide.Icon, Rect::FromSize(12, 12, 32, 32));
    EXPECT_EQ(wide.Text.Left, 56);
    MessageBoxLayout plain = LayOutMessageBox(longText, "", MB_OK, 1000, 400);
    EXPECT_TRUE(plain.Icon.IsEmpty());
    EXPECT_EQ(plain.Text.Left, 12);
    MessageBoxLayout capped = LayOutMessageBox(longText, "", MB_OK, 30, 20);
    EXPECT_EQ(capped.Text.Height(), 20);
}

}  // namespace
}  // namespace quendar
