#include "framework/menu_item.h"

#include <algorithm>
#include <unordered_set>

#include "framework/exception.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

// Commands fit the low word of WM_COMMAND; 0 means "nothing chosen".
constexpr UINT LastCommand = 0xFFFF;

std::unordered_set<UINT>& CommandsInUse() {
    static std::unordered_set<UINT> inUse;
    return inUse;
}

UINT AllocateCommand() {
    static UINT next = 0;
    auto& inUse = CommandsInUse();
    if (inUse.size() >= LastCommand) throw Exception("Too many menu items");
    do {
        next = next % LastCommand + 1;
    } while (inUse.contains(next));
    inUse.insert(next);
    return next;
}

std::string WithoutAccelerators(std::string_view caption) {
    std::string plain;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        // "&x" shows x, "&&" shows "&"; a lone "&" at the end shows nothing.
        if (caption[at] == '&') ++at;
        if (at < caption.size()) plain += caption[at];
    }
    return plain;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
    Clear();
    if (parent_ != nullptr) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_ = nullptr;
    }
    CommandsInUse().erase(command_);
}

void TMenuItem::SetChecked(bool value) {
    if (checked_ == value) return;
    checked_ = value;
    if (value && radioItem_) TurnSiblingsOff();
}

void TMenuItem::SetRadioItem(bool value) {
    if (radioItem_ == value) return;
    radioItem_ = value;
    if (value && checked_) TurnSiblingsOff();
}

void TMenuItem::SetGroupIndex(std::uint8_t value) {
    if (groupIndex_ == value) return;
    groupIndex_ = value;
    if (radioItem_ && checked_) TurnSiblingsOff();
}

void TMenuItem::TurnSiblingsOff() {
    // A definition stores each item's check as it was; loading must not undo them.
    if (parent_ == nullptr || Contains(ComponentState(), TComponentState::csLoading)) return;
    for (TMenuItem* sibling : parent_->items_) {
        if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
            sibling->checked_ = false;
    }
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw Exception("Menu index out of range");
    return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item == nullptr) throw Exception("Cannot insert a missing menu item");
    if (item->parent_ != nullptr) throw Exception("Menu item inserted twice");
    bool cycle = item->menu_ != nullptr;
    for (const TMenuItem* up = this; up != nullptr && !cycle; up = up->parent_) cycle = up == item;
    if (cycle) throw Exception("A menu item cannot contain itself");
    if (index < 0 || index > Count()) throw Exception("Menu index out of range");
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
}

void TMenuItem::Remove(TMenuItem* item) {
    int index = IndexOf(item);
    if (index < 0) throw Exception("Menu item not found");
    Delete(index);
}

void TMenuItem::Clear() {
    // Each item leaves the list as it dies.
    while (!items_.empty()) items_.back()->Free();
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
    std::string wanted = WithoutAccelerators(caption);
    for (TMenuItem* item : items_) {
        if (SameText(WithoutAccelerators(item->caption_), wanted)) return item;
    }
    return nullptr;
}

TPopupMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_ != nullptr) root = root->parent_;
    return root->menu_;
}

TMenuItem* TMenuItem::FindItem(UINT command) {
    if (command_ == command) return this;
    for (TMenuItem* item : items_) {
        if (TMenuItem* found = item->FindItem(command)) return found;
    }
    return nullptr;
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (autoCheck_) SetChecked(radioItem_ ? true : !checked_);
    OnClick(this);
}

}  // namespace quendar
