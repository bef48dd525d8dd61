#include "framework/string_list.h"

#include <algorithm>

#include "framework/exception.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

[[noreturn]] void ThrowSortedListError() { throw Exception("Operation not allowed on sorted list"); }

}  // namespace

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) ThrowIndexError(index);
}

std::string TStringList::Strings(int index) const {
    CheckIndex(index);
    return lines_[static_cast<std::size_t>(index)].Text;
}

void TStringList::SetStrings(int index, const std::string& text) {
    if (sorted_) ThrowSortedListError();
    CheckIndex(index);
    Changing();
    lines_[static_cast<std::size_t>(index)].Text = text;
    Changed();
}

void* TStringList::Objects(int index) const {
    CheckIndex(index);
    return lines_[static_cast<std::size_t>(index)].Object;
}

void TStringList::SetObjects(int index, void* object) {
    CheckIndex(index);
    Changing();
    lines_[static_cast<std::size_t>(index)].Object = object;
    Changed();
}

int TStringList::Add(const std::string& text) { return AddObject(text, nullptr); }

int TStringList::AddObject(const std::string& text, void* object) {
    int index = Count();
    if (sorted_ && Find(text, index)) {
        if (duplicates_ == TDuplicates::dupIgnore) return index;
        if (duplicates_ == TDuplicates::dupError) throw Exception("String list does not allow duplicates");
        // Accepted duplicates go after their equals, keeping the insertion order.
        while (index < Count() && CompareStrings(lines_[static_cast<std::size_t>(index)].Text, text) == 0)
            ++index;
    }
    InsertLine(index, text, object);
    return index;
}

void TStringList::Insert(int index, const std::string& text) { InsertObject(index, text, nullptr); }

void TStringList::InsertObject(int index, const std::string& text, void* object) {
    if (sorted_) ThrowSortedListError();
    if (index < 0 || index > Count()) ThrowIndexError(index);
    InsertLine(index, text, object);
}

void TStringList::InsertLine(int index, const std::string& text, void* object) {
    Changing();
    lines_.insert(lines_.begin() + index, Line{text, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    lines_.erase(lines_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (lines_.empty()) return;
    Changing();
    lines_.clear();
    Changed();
}

void TStringList::Exchange(int first, int second) {
    CheckIndex(first);
    CheckIndex(second);
    if (first == second) return;
    Changing();
    std::swap(lines_[static_cast<std::size_t>(first)], lines_[static_cast<std::size_t>(second)]);
    Changed();
}

int TStringList::IndexOf(std::string_view text) const {
    if (!sorted_) return TStrings::IndexOf(text);
    int index = 0;
    return Find(text, index) ? index : -1;
}

bool TStringList::Find(std::string_view text, int& index) const {
    auto first = std::lower_bound(
        lines_.begin(), lines_.end(), text,
        [this](const Line& line, std::string_view value) { return CompareStrings(line.Text, value) < 0; });
    index = static_cast<int>(first - lines_.begin());
    return first != lines_.end() && CompareStrings(first->Text, text) == 0;
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive == caseSensitive_) return;
    caseSensitive_ = caseSensitive;
    if (sorted_) Sort();
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.CompareStrings(list.lines_[static_cast<std::size_t>(a)].Text,
                                   list.lines_[static_cast<std::size_t>(b)].Text);
    });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
    if (lines_.size() < 2) return;
    // The comparison takes indexes into this list, so sort a permutation.
    std::vector<int> order(lines_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    Changing();
    std::vector<Line> sortedLines;
    sortedLines.reserve(lines_.size());
    for (int i : order) sortedLines.push_back(std::move(lines_[static_cast<std::size_t>(i)]));
    lines_ = std::move(sortedLines);
    Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? CompareStr(a, b) : CompareText(a, b);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging();
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange();
}

void TStringList::SetUpdateState(bool updating) {
    if (updating) {
        if (OnChanging) OnChanging();
    } else if (OnChange) {
        OnChange();
    }
}

}  // namespace quendar
