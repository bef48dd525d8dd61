#include "framework/std_edit.h"

#include <string>
#include <vector>

#include "control_test_support.h"
#include "platform/menu.h"
#include "platform/modal_loop.h"
#include "platform/raw_input.h"

namespace quendar::testing_support {
namespace {

// A key with the modifiers held around it.
struct Chord {
    int Key = 0;
    bool Shift = false;
    bool Ctrl = false;
    std::string Typed = {};  // typed instead of a key when not empty
};

Chord Key(int key) { return {key}; }
Chord ShiftKey(int key) { return {key, true, false}; }
Chord CtrlKey(int key) { return {key, false, true}; }
Chord CtrlShiftKey(int key) { return {key, true, true}; }
Chord Typing(std::string text) { return {0, false, false, std::move(text)}; }

class StdEditTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = MakeForm(240, 80);
        edit = Add<TEdit>(*form, Rect::FromSize(10, 10, 150, 21));
        edit->OnChange = TNotifyEvent([this](TComponent*) { ++changes; });
        form->Show();
        robot->Pump();
        ASSERT_TRUE(edit->Focused());
    }

    void Play(const Chord& chord) {
        if (!chord.Typed.empty()) {
            robot->Type(chord.Typed);
            return;
        }
        if (chord.Ctrl) robot->KeyDown(VK_CONTROL);
        if (chord.Shift) robot->KeyDown(VK_SHIFT);
        robot->KeyPress(chord.Key);
        if (chord.Shift) robot->KeyUp(VK_SHIFT);
        if (chord.Ctrl) robot->KeyUp(VK_CONTROL);
    }

    void Play(const std::vector<Chord>& chords) {
        for (const Chord& chord : chords) Play(chord);
    }

    // The client x of the boundary before character `index`.
    int BoundaryX(int index) {
        int anchor = edit->Buffer().Anchor();
        int caret = edit->Buffer().Caret();
        edit->SetSelStart(index);
        int x = edit->CaretX();
        edit->SetSelStart(anchor);
        edit->SetSelLength(caret - anchor);
        return x;
    }

    FormPtr form;
    TEdit* edit = nullptr;
    int changes = 0;
};

TEST_F(StdEditTest, OnChangeFiresOnceForEachRealChange) {
    robot->Type("a");
    EXPECT_EQ(edit->Text(), "a");
    EXPECT_EQ(changes, 1);
    edit->SetText("a");
    EXPECT_EQ(changes, 1);
    edit->SetText("ab");
    EXPECT_EQ(changes, 2);
    std::string same = "ab";
    edit->Perform(WM_SETTEXT, 0, PointerToLParam(same.c_str()));
    EXPECT_EQ(changes, 2);
    // Set text puts the caret at the start, where Backspace changes nothing.
    EXPECT_EQ(edit->SelStart(), 0);
    Play(Key(VK_BACK));
    EXPECT_EQ(changes, 2);
    Play({Key(VK_END), Key(VK_BACK)});
    EXPECT_EQ(edit->Text(), "a");
    EXPECT_EQ(changes, 3);
    // Typing over a selection the same character leaves the text as it was.
    Play({CtrlKey('A'), Typing("a")});
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit->SelStart(), 1);
    edit->Clear();
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(StdEditTest, KeyEventsComeFirstAndMaySwallowOrChangeWhatIsTyped) {
    std::vector<int> downs;
    edit->OnKeyDown = [&](TComponent*, int& key, TShiftState) {
        downs.push_back(key);
        if (key == VK_HOME) key = 0;
    };
    edit->OnKeyPress = [](TComponent*, char32_t& key) {
        if (key >= U'0' && key <= U'9') key = 0;
        if (key == U'x') key = U'y';
    };
    robot->Type("a1x2b");
    EXPECT_EQ(edit->Text(), "ayb");
    EXPECT_EQ(changes, 3);
    Play(Key(VK_HOME));  // swallowed: the caret stays at the end
    EXPECT_EQ(edit->SelStart(), 3);
    Play(Key(VK_LEFT));
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(downs, (std::vector<int>{VK_HOME, VK_LEFT}));
}

TEST_F(StdEditTest, KeysEditAndSelect) {
    struct Case {
        const char* Name;
        const char* Start;
        std::vector<Chord> Chords;
        const char* Text;
        int SelStart;
        int SelLength;
    };
    const std::vector<Case> cases = {
        {"ctrl+left goes to the word start", "one two", {Key(VK_END), CtrlKey(VK_LEFT)}, "one two", 4, 0},
        {"ctrl+right goes to the next word",
         "one two",
         {CtrlKey(VK_RIGHT), CtrlKey(VK_RIGHT)},
         "one two",
         7,
         0},
        {"shift+home selects to the start",
         "one two",
         {Key(VK_END), ShiftKey(VK_HOME), Typing("X")},
         "X",
         1,
         0},
        {"ctrl+shift+left selects a word", "one two", {Key(VK_END), CtrlShiftKey(VK_LEFT)}, "one two", 4, 3},
        {"shift+arrows then delete",
         "one two",
         {Key(VK_END), ShiftKey(VK_LEFT), ShiftKey(VK_LEFT), Key(VK_DELETE)},
         "one t",
         5,
         0},
        {"ctrl+backspace deletes a word", "one two", {Key(VK_END), CtrlKey(VK_BACK)}, "one ", 4, 0},
        {"delete", "one two", {Key(VK_DELETE)}, "ne two", 0, 0},
        {"ctrl+delete deletes to the next word", "one two", {CtrlKey(VK_DELETE)}, "two", 0, 0},
        {"ctrl+a then typing replaces all", "one two", {CtrlKey('A'), Typing("z")}, "z", 1, 0},
        {"left collapses a selection to its start",
         "one two",
         {Key(VK_RIGHT), ShiftKey(VK_RIGHT), ShiftKey(VK_RIGHT), Key(VK_LEFT)},
         "one two",
         1,
         0},
        {"right collapses a selection to its end",
         "one two",
         {ShiftKey(VK_END), Key(VK_RIGHT)},
         "one two",
         7,
         0},
        {"up and down move like left and right",
         "one two",
         {Key(VK_END), Key(VK_UP), Key(VK_UP), Key(VK_DOWN)},
         "one two",
         6,
         0},
        {"the caret moves by character",
         "\xC3\xA4\xC3\xB6\xC3\xBC",
         {Key(VK_END), Key(VK_LEFT), Key(VK_BACK)},
         "\xC3\xA4\xC3\xBC",
         1,
         0},
        {"typed UTF-8", "", {Typing("\xE2\x82\xAC 5")}, "\xE2\x82\xAC 5", 3, 0},
        {"enter and escape are not typed", "ab", {Key(VK_RETURN), Key(VK_ESCAPE)}, "ab", 0, 0},
        {"home and end", "abc", {Key(VK_END), Key(VK_HOME), Key(VK_RIGHT)}, "abc", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        edit->SetText(c.Start);
        edit->SetSelStart(0);
        Play(c.Chords);
        EXPECT_EQ(edit->Text(), c.Text);
        EXPECT_EQ(edit->SelStart(), c.SelStart);
        EXPECT_EQ(edit->SelLength(), c.SelLength);
    }
}

TEST_F(StdEditTest, ClipboardKeysRoundTrip) {
    edit->SetText("hello");
    changes = 0;
    Play({CtrlKey('A'), CtrlKey('C')});
    EXPECT_EQ(GetClipboardText(), "hello");
    Play({Key(VK_END), CtrlKey('V')});
    EXPECT_EQ(edit->Text(), "hellohello");
    Play({CtrlKey('A'), CtrlKey('X')});
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(GetClipboardText(), "hellohello");
    Play(ShiftKey(VK_INSERT));
    EXPECT_EQ(edit->Text(), "hellohello");
    SetClipboardText("other");
    Play({ShiftKey(VK_HOME), ShiftKey(VK_RIGHT), CtrlKey(VK_INSERT)});
    EXPECT_EQ(GetClipboardText(), "ellohello");
    Play(ShiftKey(VK_DELETE));
    EXPECT_EQ(edit->Text(), "h");
    EXPECT_EQ(changes, 4);  // paste, cut, paste, cut
}

TEST_F(StdEditTest, PastedLineBreaksKeepTheFirstLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"first\r\nsecond", "first"}, {"first\nsecond", "first"}, {"one\rtwo", "one"}, {"\r\nlater", ""}};
    for (const auto& [clipboard, expected] : cases) {
        edit->SetText("");
        SetClipboardText(clipboard);
        Play(CtrlKey('V'));
        EXPECT_EQ(edit->Text(), expected) << clipboard;
    }
}

TEST_F(StdEditTest, CtrlZUndoesTypingAndAgainRedoes) {
    robot->Type("abc");
    Play(Key(VK_LEFT));
    robot->Type("X");
    EXPECT_EQ(edit->Text(), "abXc");
    Play(CtrlKey('Z'));
    EXPECT_EQ(edit->Text(), "abc");
    Play(CtrlKey('Z'));
    EXPECT_EQ(edit->Text(), "abXc");
    EXPECT_EQ(changes, 6);
    EXPECT_TRUE(edit->CanUndo());
    edit->SetText("set");
    EXPECT_FALSE(edit->CanUndo());
    Play(CtrlKey('Z'));
    EXPECT_EQ(edit->Text(), "set");
}

TEST_F(StdEditTest, MaxLengthLimitsTypingAndPasting) {
    edit->SetMaxLength(3);
    robot->Type("abcdef");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(changes, 3);
    SetClipboardText("XYZ");
    Play({Key(VK_LEFT), ShiftKey(VK_LEFT), CtrlKey('V')});
    EXPECT_EQ(edit->Text(), "aXc");
    edit->SetText("longer than three");
    EXPECT_EQ(edit->Text(), "longer than three");
}

TEST_F(StdEditTest, ReadOnlyRefusesEveryEditButCopies) {
    edit->SetText("keep");
    edit->SetReadOnly(true);
    changes = 0;
    SetClipboardText("zz");
    Play({Key(VK_END), Typing("x"), Key(VK_BACK), CtrlKey(VK_BACK), Key(VK_HOME), Key(VK_DELETE),
          CtrlKey('V'), ShiftKey(VK_INSERT), ShiftKey(VK_END), CtrlKey('X'), ShiftKey(VK_DELETE),
          CtrlKey('Z')});
    EXPECT_EQ(edit->Text(), "keep");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(GetClipboardText(), "zz");
    Play(CtrlKey('C'));
    EXPECT_EQ(GetClipboardText(), "keep");
}

TEST_F(StdEditTest, PasswordFieldNeverGivesItsTextToTheClipboard) {
    edit->SetPasswordChar(U'*');
    robot->Type("secret");
    SetClipboardText("before");
    Play({CtrlKey('A'), CtrlKey('C'), CtrlKey('X'), CtrlKey(VK_INSERT), ShiftKey(VK_DELETE)});
    EXPECT_EQ(GetClipboardText(), "before");
    EXPECT_EQ(edit->Text(), "secret");
}

TEST_F(StdEditTest, MouseSelectsByDragShiftClickAndDoubleClick) {
    edit->SetText("hello world");
    int x2 = BoundaryX(2);
    int x7 = BoundaryX(7);
    int x9 = BoundaryX(9);
    ASSERT_LT(x2, x7);
    MoveTo(*edit, {x2, 5});
    robot->Press();
    MoveTo(*edit, {x7, 5});
    robot->Release();
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 5);

    // Later moves without the button select nothing more.
    MoveTo(*edit, {x9, 5});
    EXPECT_EQ(edit->SelLength(), 5);
    robot->KeyDown(VK_SHIFT);
    robot->Click();
    robot->KeyUp(VK_SHIFT);
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(edit->SelLength(), 7);

    display->SetNow(display->NowMilliseconds() + 2000);  // the next click starts afresh
    ClickAt(*edit, {x7 + 1, 5});
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), 7);
    ClickAt(*edit, {x7 + 1, 5});
    EXPECT_EQ(edit->SelText(), "world");
}

TEST_F(StdEditTest, KeyboardFocusSelectsAllAndAClickPlacesTheCaret) {
    TEdit* second = Add<TEdit>(*form, Rect::FromSize(10, 40, 150, 21));
    second->SetText("second");
    edit->SetText("first");
    Play(Key(VK_TAB));
    ASSERT_TRUE(second->Focused());
    EXPECT_EQ(second->SelLength(), 6);
    // Tab reached the form, not the text.
    EXPECT_EQ(second->Text(), "second");

    int x1 = BoundaryX(1);
    ClickAt(*edit, {x1, 5});
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(StdEditTest, LongTextScrollsToKeepTheCaretInside) {
    edit->SetWidth(50);
    robot->Type("the quick brown fox jumps over");
    int inner = edit->ClientWidth();
    EXPECT_GT(edit->ScrollOffset(), 0);
    EXPECT_EQ(edit->CaretX(), inner - 1 - TCustomEdit::TextMargin);
    Play(Key(VK_HOME));
    EXPECT_EQ(edit->ScrollOffset(), 0);
    EXPECT_EQ(edit->CaretX(), TCustomEdit::TextMargin);
    Play(Key(VK_END));
    EXPECT_EQ(edit->CaretX(), inner - 1 - TCustomEdit::TextMargin);
    // Deleting everything leaves nothing scrolled away.
    Play({CtrlKey('A'), Key(VK_BACK)});
    EXPECT_EQ(edit->ScrollOffset(), 0);
}

class ContextMenuTest : public StdEditTest {
protected:
    // Opens the edit's context menu with a right click, records its items
    // and their grayed state, then types `accelerator` (0: presses Escape).
    void ChooseWith(char32_t accelerator) {
        TEdit* target = edit;
        items.clear();
        posted = false;
        // The window system calls a copy of WindowProc: state lives in the fixture.
        edit->WindowProc = [this, target, accelerator](TMessage& message) {
            if (message.Msg == WM_ENTERIDLE && message.WParam == MSGF_MENU && !posted) {
                posted = true;
                HWND popup = HandleFromParam(static_cast<std::uintptr_t>(message.LParam));
                HMENU menu =
                    MenuFromParam(static_cast<std::uintptr_t>(SendMessage(popup, MN_GETHMENU, 0, 0)));
                for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                    std::string text = GetMenuString(menu, static_cast<UINT>(i), MF_BYPOSITION);
                    if (text.empty()) continue;
                    bool grayed = (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0;
                    items.push_back(text + (grayed ? " (grayed)" : ""));
                }
                PostChoice(accelerator);
            }
            target->WndProc(message);
        };
        Point at = ScreenPoint(*edit, {5, 5});
        robot->MouseMove(at.X, at.Y);
        robot->Click(MouseButton::Right);
        edit->WindowProc = {};
    }

    static void PostChoice(char32_t accelerator) {
        if (accelerator != 0) {
            RawInput typed;
            typed.Type = RawInput::Kind::Character;
            typed.Character = accelerator;
            PostRawInput(typed);
            return;
        }
        for (RawInput::Kind kind : {RawInput::Kind::KeyDown, RawInput::Kind::KeyUp}) {
            RawInput key;
            key.Type = kind;
            key.VirtualKey = VK_ESCAPE;
            PostRawInput(key);
        }
    }

    bool posted = false;
    std::vector<std::string> items;
};

TEST_F(ContextMenuTest, OffersTheEditCommandsAndRunsTheChosenOne) {
    robot->Type("abc");
    SetClipboardText("");
    ChooseWith(U'a');  // Select All
    EXPECT_EQ(items, (std::vector<std::string>{"&Undo", "Cu&t (grayed)", "&Copy (grayed)", "&Paste (grayed)",
                                               "&Delete (grayed)", "Select &All"}));
    EXPECT_EQ(edit->SelLength(), 3);

    ChooseWith(U'c');  // Copy
    EXPECT_EQ(GetClipboardText(), "abc");
    ChooseWith(U'd');  // Delete
    EXPECT_EQ(edit->Text(), "");
    ChooseWith(U'p');  // Paste
    EXPECT_EQ(edit->Text(), "abc");
    ChooseWith(U'u');  // Undo
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(changes, 3 + 3);

    edit->SetReadOnly(true);
    ChooseWith(0);
    EXPECT_EQ(items,
              (std::vector<std::string>{"&Undo (grayed)", "Cu&t (grayed)", "&Copy (grayed)",
                                        "&Paste (grayed)", "&Delete (grayed)", "Select &All (grayed)"}));
    EXPECT_EQ(edit->Text(), "");
}

}  // namespace
}  // namespace quendar::testing_support
