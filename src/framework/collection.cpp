#include "framework/collection.h"

#include <algorithm>

#include "framework/exception.h"

namespace quendar {

namespace {

[[noreturn]] void ThrowIndexError(int index) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

int TCollectionItem::Index() const {
    if (collection_ == nullptr) return -1;
    const auto& items = collection_->items_;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

void TCollectionItem::SetIndex(int index) {
    int current = Index();
    if (current < 0) return;
    index = std::clamp(index, 0, collection_->Count() - 1);
    if (index == current) return;
    collection_->MoveItem(current, index);
    Changed(true);
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ == nullptr || collection_->updateCount_ != 0) return;
    collection_->Update(allItems ? nullptr : this);
}

TCollection::TCollection(ItemFactory itemFactory, TPersistent* owner)
    : itemFactory_(std::move(itemFactory)), owner_(owner) {}

TCollection::~TCollection() {
    // Items go without notifications: a derived collection is already gone.
    for (auto& item : items_) item->collection_ = nullptr;
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) ThrowIndexError(index);
    return items_[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int index) {
    if (index < 0 || index > Count()) ThrowIndexError(index);
    std::unique_ptr<TCollectionItem> item = itemFactory_();
    if (!item) throw Exception("The item class of " + ClassName() + " made no item");
    return Adopt(std::move(item), index);
}

TCollectionItem* TCollection::Adopt(std::unique_ptr<TCollectionItem> item, int index) {
    item->collection_ = this;
    item->id_ = nextId_++;
    TCollectionItem* added = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    Notify(added, TCollectionNotification::cnAdded);
    Changed();
    return added;
}

void TCollection::Delete(int index) {
    TCollectionItem* item = Items(index);
    Notify(item, TCollectionNotification::cnDeleting);
    // Notify may have moved things; find the item again.
    auto found = std::find_if(items_.begin(), items_.end(), [&](const auto& p) { return p.get() == item; });
    if (found == items_.end()) return;
    std::unique_ptr<TCollectionItem> doomed = std::move(*found);
    items_.erase(found);
    doomed->collection_ = nullptr;
    doomed.reset();
    Changed();
}

void TCollection::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty()) Delete(Count() - 1);
    EndUpdate();
}

std::unique_ptr<TCollectionItem> TCollection::Extract(TCollectionItem* item) {
    auto found = std::find_if(items_.begin(), items_.end(), [&](const auto& p) { return p.get() == item; });
    if (found == items_.end()) return nullptr;
    Notify(item, TCollectionNotification::cnExtracting);
    found = std::find_if(items_.begin(), items_.end(), [&](const auto& p) { return p.get() == item; });
    if (found == items_.end()) return nullptr;
    std::unique_ptr<TCollectionItem> taken = std::move(*found);
    items_.erase(found);
    taken->collection_ = nullptr;
    taken->id_ = -1;
    Changed();
    return taken;
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (const auto& item : items_) {
        if (item->id_ == id) return item.get();
    }
    return nullptr;
}

void TCollection::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TCollection*>(&source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    try {
        Clear();
        for (const auto& item : other->items_) Add()->Assign(*item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) Changed();
}

void TCollection::Changed() {
    if (updateCount_ == 0) Update(nullptr);
}

void TCollection::MoveItem(int from, int to) {
    std::unique_ptr<TCollectionItem> item = std::move(items_[static_cast<std::size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

}  // namespace quendar
