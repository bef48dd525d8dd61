#include "framework/edit_buffer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quendar {
namespace {

EditBuffer Holding(const std::string& text, int anchor, int caret) {
    EditBuffer buffer;
    buffer.SetText(text);
    buffer.SetSelection(anchor, caret);
    return buffer;
}

TEST(EditBufferTest, WordBoundariesSkipWhiteSpaceAndSeparatePunctuation) {
    // 0123456789012345678
    // one two,three  four
    EditBuffer buffer = Holding("one two,three  four", 0, 0);
    struct Case {
        int From;
        int Next;
        int Previous;
    };
    const Case cases[] = {
        {0, 4, 0},   {2, 4, 0},   {3, 4, 0},   {4, 7, 0},    {5, 7, 4},  {7, 8, 4},    {8, 15, 7},
        {13, 15, 8}, {14, 15, 8}, {15, 19, 8}, {19, 19, 15}, {-3, 4, 0}, {40, 19, 15},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buffer.NextWordStart(c.From), c.Next) << "from " << c.From;
        EXPECT_EQ(buffer.PreviousWordStart(c.From), c.Previous) << "from " << c.From;
    }
}

TEST(EditBufferTest, RunAtFindsTheWordPunctuationOrSpaceUnderACharacter) {
    EditBuffer buffer = Holding("one two,three  four", 0, 0);
    struct Case {
        int Index;
        std::pair<int, int> Run;
    };
    const Case cases[] = {{0, {0, 3}}, {2, {0, 3}},    {3, {3, 4}},    {5, {4, 7}},
                          {7, {7, 8}}, {13, {13, 15}}, {18, {15, 19}}, {19, {15, 19}}};
    for (const Case& c : cases) EXPECT_EQ(buffer.RunAt(c.Index), c.Run) << "at " << c.Index;
    EXPECT_EQ(EditBuffer().RunAt(0), (std::pair<int, int>{0, 0}));
}

TEST(EditBufferTest, EditsChangeTextAndCaretOrAnswerNoChange) {
    using Edit = std::function<bool(EditBuffer&)>;
    struct Case {
        const char* Name;
        const char* Text;
        int Anchor;
        int Caret;
        Edit Run;
        bool Changed;
        const char* After;
        int CaretAfter;
    };
    const std::vector<Case> cases = {
        {"type at caret", "ac", 1, 1, [](EditBuffer& b) { return b.Type(U'b'); }, true, "abc", 2},
        {"type replaces selection", "abcd", 3, 1, [](EditBuffer& b) { return b.Type(U'x'); }, true, "axd", 2},
        {"control characters are not typed", "ab", 1, 1, [](EditBuffer& b) { return b.Type(U'\r'); }, false,
         "ab", 1},
        {"backspace", "abc", 2, 2, [](EditBuffer& b) { return b.DeleteBackward(); }, true, "ac", 1},
        {"backspace at the start", "abc", 0, 0, [](EditBuffer& b) { return b.DeleteBackward(); }, false,
         "abc", 0},
        {"backspace takes the selection", "abcd", 1, 3, [](EditBuffer& b) { return b.DeleteBackward(); },
         true, "ad", 1},
        {"delete", "abc", 1, 1, [](EditBuffer& b) { return b.DeleteForward(); }, true, "ac", 1},
        {"delete at the end", "abc", 3, 3, [](EditBuffer& b) { return b.DeleteForward(); }, false, "abc", 3},
        {"word back", "one two", 7, 7, [](EditBuffer& b) { return b.DeleteWordBackward(); }, true, "one ", 4},
        {"word back over spaces", "one  two  ", 10, 10, [](EditBuffer& b) { return b.DeleteWordBackward(); },
         true, "one  ", 5},
        {"word forward", "one two", 0, 0, [](EditBuffer& b) { return b.DeleteWordForward(); }, true, "two",
         0},
        {"insert keeps the first line", "<>", 1, 1, [](EditBuffer& b) { return b.Insert("ab\r\ncd"); }, true,
         "<ab>", 3},
        {"insert of a leading line break deletes the selection", "abc", 0, 3,
         [](EditBuffer& b) { return b.Insert("\nzz"); }, true, "", 0},
        {"insert drops control characters but keeps tabs", "", 0, 0,
         [](EditBuffer& b) { return b.Insert(std::string("a\tb\x01", 4) + std::string(1, '\0') + "c"); },
         true, "a\tbc", 4},
        {"insert of the selected text itself", "abc", 1, 2, [](EditBuffer& b) { return b.Insert("b"); },
         false, "abc", 2},
        {"insert nothing", "abc", 1, 1, [](EditBuffer& b) { return b.Insert(""); }, false, "abc", 1},
        {"characters, not bytes", "\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80", 3, 3,
         [](EditBuffer& b) { return b.DeleteBackward(); }, true, "\xC3\xA4\xE2\x82\xAC", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EditBuffer buffer = Holding(c.Text, c.Anchor, c.Caret);
        EXPECT_EQ(c.Run(buffer), c.Changed);
        EXPECT_EQ(buffer.Text(), c.After);
        EXPECT_EQ(buffer.Caret(), c.CaretAfter);
        EXPECT_EQ(buffer.Anchor(), buffer.Caret());
    }
}

TEST(EditBufferTest, MaxLengthLimitsTypingAndInsertingButNotSetText) {
    EditBuffer buffer;
    buffer.SetMaxLength(4);
    buffer.SetText("abcdef");
    EXPECT_EQ(buffer.Text(), "abcdef");

    buffer.SetText("ab");
    buffer.MoveCaret(2, false);
    EXPECT_TRUE(buffer.Insert("xyz"));
    EXPECT_EQ(buffer.Text(), "abxy");
    EXPECT_FALSE(buffer.Type(U'q'));
    EXPECT_FALSE(buffer.Insert("q"));
    // Replacing a selection makes room.
    buffer.SetSelection(0, 2);
    EXPECT_TRUE(buffer.Type(U'Q'));
    EXPECT_EQ(buffer.Text(), "Qxy");
    buffer.SetSelection(0, 1);
    EXPECT_TRUE(buffer.Insert("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"));
    EXPECT_EQ(buffer.Text(),
              "\xE2\x82\xAC\xE2\x82\xAC"
              "xy");
    EXPECT_EQ(buffer.Length(), 4);
}

TEST(EditBufferTest, UndoTakesBackARunOfTypingAndUndoingAgainRedoes) {
    EditBuffer buffer;
    EXPECT_FALSE(buffer.CanUndo());
    EXPECT_FALSE(buffer.Undo());
    for (char32_t c : std::u32string(U"abc")) buffer.Type(c);
    buffer.MoveCaret(1, false);
    buffer.Type(U'X');
    buffer.Type(U'Y');
    EXPECT_EQ(buffer.Text(), "aXYbc");

    EXPECT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), "abc");
    EXPECT_EQ(buffer.Caret(), 1);
    EXPECT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), "aXYbc");
    EXPECT_EQ(buffer.Caret(), 3);

    // Backspaces in a row are one step; typing after them is the next.
    buffer.MoveCaret(5, false);
    buffer.DeleteBackward();
    buffer.DeleteBackward();
    EXPECT_EQ(buffer.Text(), "aXY");
    buffer.Type(U'z');
    EXPECT_TRUE(buffer.Undo());
    EXPECT_EQ(buffer.Text(), "aXY");
    buffer.Undo();
    buffer.SelectAll();
    buffer.DeleteSelection();
    buffer.Undo();
    EXPECT_EQ(buffer.Text(), "aXYz");
    EXPECT_EQ(buffer.SelLength(), 4);

    buffer.SetText("fresh");
    EXPECT_FALSE(buffer.CanUndo());
}

TEST(EditBufferTest, SelectionIsClampedAndKeepsItsDirection) {
    EditBuffer buffer = Holding("abcdef", 9, -2);
    EXPECT_EQ(buffer.Anchor(), 6);
    EXPECT_EQ(buffer.Caret(), 0);
    EXPECT_EQ(buffer.SelStart(), 0);
    EXPECT_EQ(buffer.SelLength(), 6);
    buffer.MoveCaret(2, true);
    EXPECT_EQ(buffer.SelText(), "cdef");
    buffer.MoveCaret(3, false);
    EXPECT_FALSE(buffer.HasSelection());
    EXPECT_EQ(buffer.TextOf(4, 99), "ef");
    EXPECT_EQ(buffer.TextOf(4, 2), "");
    // Invalid UTF-8 from outside becomes one replacement character per bad byte.
    buffer.SetText("a\xFF");
    EXPECT_EQ(buffer.Length(), 2);
    EXPECT_EQ(buffer.Text(), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace quendar
