#pragma once
// The editing model of a single-line text field, without pixels: the text as
// code points, the caret and the selection anchor, word boundaries, the
// length limit and one level of undo.
//
// Positions are character indices 0..Length() (a caret sits between
// characters). The selection runs between the anchor and the caret, so a
// selection made leftwards keeps its caret at the start.
//
// Undo holds one earlier state, as the classic desktop edit does: undoing
// swaps it with the current one, so undoing twice redoes. Typed characters
// in a row, and deletions in a row, form one undo step; moving the caret or
// any other edit starts a new one.

#include <string>
#include <string_view>
#include <utility>

namespace quendar {

class EditBuffer {
public:
    // --- text --------------------------------------------------------------------
    const std::u32string& Characters() const { return text_; }
    std::string Text() const { return ToUtf8(text_); }
    int Length() const { return static_cast<int>(text_.size()); }
    // Replaces the text (invalid UTF-8 becomes U+FFFD); caret at the start,
    // no selection, nothing to undo. The length limit does not apply.
    void SetText(std::string_view utf8);
    // UTF-8 of the characters from..to (clamped).
    std::string TextOf(int from, int to) const;
    static std::string ToUtf8(std::u32string_view characters);

    // 0: no limit. Limits typing and pasting only.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }

    // --- caret and selection ------------------------------------------------------
    int Caret() const { return caret_; }
    int Anchor() const { return anchor_; }
    int SelStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    int SelEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    int SelLength() const { return SelEnd() - SelStart(); }
    bool HasSelection() const { return caret_ != anchor_; }
    std::string SelText() const { return TextOf(SelStart(), SelEnd()); }
    // Both clamped to the text.
    void SetSelection(int anchor, int caret);
    // Moves the caret; `extend` keeps the anchor, so the selection grows or shrinks.
    void MoveCaret(int index, bool extend);
    void SelectAll() { SetSelection(0, Length()); }

    // --- words ----------------------------------------------------------------------
    // Words are runs of letters and digits, or runs of other visible
    // characters; white space separates them.
    // The start of the word before `from` (skipping white space first).
    int PreviousWordStart(int from) const;
    // The start of the word after the one at `from` (skipping the white space after it).
    int NextWordStart(int from) const;
    // The run of one kind (word, punctuation or white space) holding the
    // character at `index`, as [first, last); the run left of the text's end
    // when `index` is the end.
    std::pair<int, int> RunAt(int index) const;

    // --- edits: each answers whether the text changed --------------------------------
    // Replaces the selection with the text's first line, cut short at the
    // length limit; control characters other than tab are dropped.
    bool Insert(std::string_view utf8);
    // A typed character: replaces the selection, one undo step with the
    // characters typed just before it.
    bool Type(char32_t character);
    // The selection, or the character before / after the caret.
    bool DeleteBackward();
    bool DeleteForward();
    // The selection, or back to the previous word start / on to the next.
    bool DeleteWordBackward();
    bool DeleteWordForward();
    bool DeleteSelection();

    bool CanUndo() const { return canUndo_; }
    bool Undo();

private:
    enum class EditRun { None, Typing, Deleting };
    struct State {
        std::u32string Text;
        int Caret = 0;
        int Anchor = 0;
    };

    int Clamp(int index) const;
    // Replaces [from, to) with `characters`, leaving the caret after them.
    void Replace(int from, int to, std::u32string_view characters);
    // Remembers the state before an edit unless it continues the current run.
    void BeginEdit(EditRun run);
    bool DeleteRange(int from, int to);

    std::u32string text_;
    int caret_ = 0;
    int anchor_ = 0;
    int maxLength_ = 0;
    State undo_;
    bool canUndo_ = false;
    EditRun run_ = EditRun::None;
};

}  // namespace quendar
