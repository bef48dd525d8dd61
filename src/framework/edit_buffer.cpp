#include "framework/edit_buffer.h"

#include <algorithm>

#include "platform/utf8.h"

namespace quendar {

namespace {

enum class CharacterKind { Space, Word, Punctuation };

CharacterKind KindOf(char32_t c) {
    if (c == U' ' || c == U'\t' || c == 0xA0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200A))
        return CharacterKind::Space;
    if ((c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || c == U'_' ||
        c >= 0x80)
        return CharacterKind::Word;
    return CharacterKind::Punctuation;
}

// Characters a single-line field never holds: they would draw as boxes and
// would not survive a round trip through the clipboard. Tab stays.
bool IsDropped(char32_t c) { return (c < 0x20 && c != U'\t') || c == 0x7F; }

}  // namespace

// --- text ----------------------------------------------------------------------------

std::string EditBuffer::ToUtf8(std::u32string_view characters) {
    std::string out;
    out.reserve(characters.size());
    for (char32_t c : characters) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

void EditBuffer::SetText(std::string_view utf8) {
    text_ = DecodeUtf8(utf8);
    caret_ = anchor_ = 0;
    canUndo_ = false;
    undo_ = {};
    run_ = EditRun::None;
}

std::string EditBuffer::TextOf(int from, int to) const {
    from = Clamp(from);
    to = Clamp(to);
    if (to <= from) return {};
    return ToUtf8(std::u32string_view(text_).substr(static_cast<std::size_t>(from),
                                                    static_cast<std::size_t>(to - from)));
}

int EditBuffer::Clamp(int index) const { return std::clamp(index, 0, Length()); }

// --- caret and selection -------------------------------------------------------------

void EditBuffer::SetSelection(int anchor, int caret) {
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
    run_ = EditRun::None;
}

void EditBuffer::MoveCaret(int index, bool extend) { SetSelection(extend ? anchor_ : index, index); }

// --- words -----------------------------------------------------------------------------

int EditBuffer::PreviousWordStart(int from) const {
    int i = Clamp(from);
    while (i > 0 && KindOf(text_[static_cast<std::size_t>(i - 1)]) == CharacterKind::Space) --i;
    if (i == 0) return 0;
    CharacterKind kind = KindOf(text_[static_cast<std::size_t>(i - 1)]);
    while (i > 0 && KindOf(text_[static_cast<std::size_t>(i - 1)]) == kind) --i;
    return i;
}

int EditBuffer::NextWordStart(int from) const {
    int i = Clamp(from);
    int length = Length();
    if (i < length) {
        CharacterKind kind = KindOf(text_[static_cast<std::size_t>(i)]);
        if (kind != CharacterKind::Space)
            while (i < length && KindOf(text_[static_cast<std::size_t>(i)]) == kind) ++i;
    }
    while (i < length && KindOf(text_[static_cast<std::size_t>(i)]) == CharacterKind::Space) ++i;
    return i;
}

std::pair<int, int> EditBuffer::RunAt(int index) const {
    int length = Length();
    if (length == 0) return {0, 0};
    int at = std::clamp(index, 0, length - 1);
    CharacterKind kind = KindOf(text_[static_cast<std::size_t>(at)]);
    int first = at;
    int last = at + 1;
    while (first > 0 && KindOf(text_[static_cast<std::size_t>(first - 1)]) == kind) --first;
    while (last < length && KindOf(text_[static_cast<std::size_t>(last)]) == kind) ++last;
    return {first, last};
}

// --- edits -----------------------------------------------------------------------------

void EditBuffer::Replace(int from, int to, std::u32string_view characters) {
    text_.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    text_.insert(static_cast<std::size_t>(from), characters);
    caret_ = anchor_ = from + static_cast<int>(characters.size());
}

void EditBuffer::BeginEdit(EditRun run) {
    if (run != EditRun::None && run == run_) return;
    undo_ = {text_, caret_, anchor_};
    canUndo_ = true;
    run_ = run;
}

bool EditBuffer::Insert(std::string_view utf8) {
    std::size_t lineEnd = utf8.find_first_of("\r\n");
    std::u32string characters = DecodeUtf8(utf8.substr(0, lineEnd));
    std::erase_if(characters, IsDropped);
    if (maxLength_ > 0) {
        int room = std::max(0, maxLength_ - (Length() - SelLength()));
        if (static_cast<int>(characters.size()) > room) characters.resize(static_cast<std::size_t>(room));
    }
    if (characters.empty() && !HasSelection()) return false;
    if (std::u32string_view(text_).substr(static_cast<std::size_t>(SelStart()),
                                          static_cast<std::size_t>(SelLength())) == characters) {
        MoveCaret(SelEnd(), false);
        return false;
    }
    BeginEdit(EditRun::None);
    Replace(SelStart(), SelEnd(), characters);
    run_ = EditRun::None;
    return true;
}

bool EditBuffer::Type(char32_t character) {
    if (IsDropped(character)) return false;
    if (maxLength_ > 0 && Length() - SelLength() + 1 > maxLength_) return false;
    if (SelLength() == 1 && text_[static_cast<std::size_t>(SelStart())] == character) {
        MoveCaret(SelEnd(), false);
        return false;
    }
    if (HasSelection()) run_ = EditRun::None;
    BeginEdit(EditRun::Typing);
    Replace(SelStart(), SelEnd(), std::u32string_view(&character, 1));
    return true;
}

bool EditBuffer::DeleteRange(int from, int to) {
    if (from >= to) return false;
    if (from != SelStart() || to != SelEnd()) {
        BeginEdit(EditRun::Deleting);
    } else {
        BeginEdit(EditRun::None);
        run_ = EditRun::Deleting;
    }
    Replace(from, to, {});
    return true;
}

bool EditBuffer::DeleteSelection() { return DeleteRange(SelStart(), SelEnd()); }

bool EditBuffer::DeleteBackward() {
    if (HasSelection()) return DeleteSelection();
    return DeleteRange(caret_ - 1 < 0 ? 0 : caret_ - 1, caret_);
}

bool EditBuffer::DeleteForward() {
    if (HasSelection()) return DeleteSelection();
    return DeleteRange(caret_, std::min(caret_ + 1, Length()));
}

bool EditBuffer::DeleteWordBackward() {
    if (HasSelection()) return DeleteSelection();
    return DeleteRange(PreviousWordStart(caret_), caret_);
}

bool EditBuffer::DeleteWordForward() {
    if (HasSelection()) return DeleteSelection();
    return DeleteRange(caret_, NextWordStart(caret_));
}

bool EditBuffer::Undo() {
    if (!canUndo_) return false;
    State current{text_, caret_, anchor_};
    text_ = std::move(undo_.Text);
    caret_ = undo_.Caret;
    anchor_ = undo_.Anchor;
    undo_ = std::move(current);
    run_ = EditRun::None;
    return text_ != undo_.Text;
}

}  // namespace quendar
