#pragma once
// TCollection: an ordered list of items of one class, owned by the
// collection; TCollectionItem: an element that knows its collection and its
// position. The collection's owner (a component or another persistent) is
// what GetOwner answers, so items can reach the object they belong to.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/persistent.h"

namespace quendar {

class TCollection;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
public:
    TCollectionItem() = default;
    ~TCollectionItem() override = default;

    std::string ClassName() const override { return "TCollectionItem"; }
    TPersistent* GetOwner() const override;

    TCollection* Collection() const { return collection_; }
    // Position in the collection, -1 while the item belongs to none.
    int Index() const;
    // Moves the item to `index` (clamped into range); the others close up.
    virtual void SetIndex(int index);
    // Unique within its collection, never reused; -1 outside one.
    int ID() const { return id_; }
    virtual std::string DisplayName() const { return ClassName(); }

protected:
    // Tells the collection that this item (or, with allItems, every item)
    // changed, unless the collection is between BeginUpdate and EndUpdate.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = -1;
};

class TCollection : public TPersistent {
public:
    using ItemFactory = std::function<std::unique_ptr<TCollectionItem>()>;

    template <class TItem>
    static ItemFactory FactoryOf() {
        return [] { return std::make_unique<TItem>(); };
    }

    // `owner` is what GetOwner answers; it may be nullptr.
    explicit TCollection(ItemFactory itemFactory, TPersistent* owner = nullptr);
    ~TCollection() override;

    std::string ClassName() const override { return "TCollection"; }
    TPersistent* GetOwner() const override { return owner_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises Exception "List index out of bounds (<index>)" outside 0..count-1.
    TCollectionItem* Items(int index) const;

    // A new item from the factory, appended (Add) or placed at `index`
    // (Insert, 0..Count).
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    // Takes the item out without destroying it; the caller owns it then.
    std::unique_ptr<TCollectionItem> Extract(TCollectionItem* item);
    TCollectionItem* FindItemID(int id) const;

    // Replaces every item with a copy of the items of `source`, a collection;
    // each new item takes its values through Assign.
    void Assign(const TPersistent& source) override;

    void BeginUpdate() { ++updateCount_; }
    // The last EndUpdate reports one change of the whole collection.
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

protected:
    // `item` changed, or nullptr for a change of the whole collection.
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);

private:
    friend class TCollectionItem;
    void Changed();
    void MoveItem(int from, int to);
    TCollectionItem* Adopt(std::unique_ptr<TCollectionItem> item, int index);

    ItemFactory itemFactory_;
    TPersistent* owner_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
};

}  // namespace quendar
