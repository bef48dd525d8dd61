#pragma once
// TStringList: the ordinary string list. Optionally kept sorted, in which
// case IndexOf and Find use binary search and Duplicates decides what Add
// does with a line already present.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/string_lines.h"

namespace quendar {

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    std::string ClassName() const override { return "TStringList"; }

    int Count() const override { return static_cast<int>(lines_.size()); }
    std::string Strings(int index) const override;
    // A sorted list refuses it: Exception "Operation not allowed on sorted list".
    void SetStrings(int index, const std::string& text) override;
    void* Objects(int index) const override;
    void SetObjects(int index, void* object) override;

    // In a sorted list the line goes to its sorted place, which is returned;
    // an existing equal line is returned (dupIgnore) or raises Exception
    // "String list does not allow duplicates" (dupError).
    int Add(const std::string& text) override;
    int AddObject(const std::string& text, void* object) override;
    // A sorted list refuses it: Exception "Operation not allowed on sorted list".
    void Insert(int index, const std::string& text) override;
    void InsertObject(int index, const std::string& text, void* object) override;
    void Delete(int index) override;
    void Clear() override;
    void Exchange(int first, int second) override;

    int IndexOf(std::string_view text) const override;
    // Binary search of a sorted list: true when found, `index` is then the
    // first equal line; otherwise it is where the line would go. Only
    // meaningful while Sorted.
    bool Find(std::string_view text, int& index) const;

    bool Sorted() const { return sorted_; }
    // Turning it on sorts the list.
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    // A sorted list is sorted again under the new comparison.
    void SetCaseSensitive(bool caseSensitive);
    // Stable: equal lines keep their order.
    void Sort();
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

    int CompareStrings(std::string_view a, std::string_view b) const override;

    // Called after every change, or once at the last EndUpdate.
    std::function<void()> OnChange;
    // Called before every change, or once at the first BeginUpdate.
    std::function<void()> OnChanging;

protected:
    void SetUpdateState(bool updating) override;

private:
    struct Line {
        std::string Text;
        void* Object = nullptr;
    };

    void CheckIndex(int index) const;
    void Changing();
    void Changed();
    void InsertLine(int index, const std::string& text, void* object);

    std::vector<Line> lines_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace quendar
