#include "framework/collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exception.h"

namespace quendar {
namespace {

class TNamedItem : public TCollectionItem {
public:
    std::string ClassName() const override { return "TNamedItem"; }
    void Assign(const TPersistent& source) override {
        if (const auto* other = dynamic_cast<const TNamedItem*>(&source)) {
            Name = other->Name;
            return;
        }
        TCollectionItem::Assign(source);
    }
    std::string Name;
};

class TOtherItem : public TCollectionItem {
public:
    std::string ClassName() const override { return "TOtherItem"; }
};

// Keeps a journal of the collection's change reports.
class TJournalCollection : public TCollection {
public:
    explicit TJournalCollection(TPersistent* owner = nullptr) : TCollection(FactoryOf<TNamedItem>(), owner) {}
    TNamedItem* Named(int index) const { return static_cast<TNamedItem*>(Items(index)); }
    TNamedItem* AddNamed(const std::string& name) {
        auto* item = static_cast<TNamedItem*>(Add());
        item->Name = name;
        return item;
    }
    std::string Names() const {
        std::string names;
        for (int i = 0; i < Count(); ++i) names += Named(i)->Name;
        return names;
    }
    std::vector<std::string> Journal;

protected:
    void Update(TCollectionItem* item) override {
        Journal.push_back(item == nullptr ? "all" : static_cast<TNamedItem*>(item)->Name);
    }
    void Notify(TCollectionItem* item, TCollectionNotification action) override {
        const char* verbs[] = {"added", "extracting", "deleting"};
        Journal.push_back(std::string(verbs[static_cast<int>(action)]) + " " +
                          static_cast<TNamedItem*>(item)->Name);
    }
};

class TOwnerObject : public TPersistent {};

TEST(Collection, ItemsKnowTheirCollectionWhichKnowsItsOwner) {
    TOwnerObject owner;
    TJournalCollection skins(&owner);
    TCollectionItem* item = skins.Add();
    EXPECT_EQ(item->Collection(), &skins);
    EXPECT_EQ(item->GetOwner(), &skins);
    EXPECT_EQ(skins.GetOwner(), &owner);
    EXPECT_EQ(item->ClassName(), "TNamedItem");
}

TEST(Collection, AddInsertDeleteAndMove) {
    TJournalCollection list;
    list.AddNamed("a");
    list.AddNamed("c");
    static_cast<TNamedItem*>(list.Insert(1))->Name = "b";
    list.AddNamed("d");
    EXPECT_EQ(list.Names(), "abcd");
    EXPECT_EQ(list.Named(2)->Index(), 2);

    struct Move {
        int from;
        int to;
        const char* result;
    };
    const Move moves[] = {{0, 3, "bcda"}, {3, 0, "abcd"},  {1, 2, "acbd"},
                          {2, 1, "abcd"}, {1, 99, "acdb"}, {3, -5, "bacd"}};
    for (const Move& move : moves) {
        list.Named(move.from)->SetIndex(move.to);
        EXPECT_EQ(list.Names(), move.result) << move.from << " -> " << move.to;
    }

    list.Delete(0);
    EXPECT_EQ(list.Names(), "acd");
    EXPECT_THROW(list.Delete(3), Exception);
    EXPECT_THROW(list.Insert(5), Exception);
    try {
        list.Items(-1);
        ADD_FAILURE() << "accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (-1)");
    }
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(Collection, ChangesAreReportedOnceInsideAnUpdate) {
    TJournalCollection list;
    list.AddNamed("a");
    list.Journal.clear();
    list.BeginUpdate();
    list.AddNamed("b");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(list.Journal, (std::vector<std::string>{"added ", "deleting a", "all"}));

    list.Journal.clear();
    list.Clear();
    EXPECT_EQ(list.Journal, (std::vector<std::string>{"deleting b", "all"}));
}

TEST(Collection, AssignCopiesEveryItem) {
    TJournalCollection source;
    source.AddNamed("x");
    source.AddNamed("y");
    TJournalCollection copy;
    copy.AddNamed("old");
    copy.Assign(source);
    EXPECT_EQ(copy.Names(), "xy");
    EXPECT_NE(copy.Items(0), source.Items(0));
    EXPECT_EQ(copy.Items(1)->Collection(), &copy);

    copy.Assign(copy);  // itself: nothing happens
    EXPECT_EQ(copy.Names(), "xy");
}

TEST(Collection, AssignOfForeignItemsFailsWithBothClassNames) {
    TCollection others(TCollection::FactoryOf<TOtherItem>());
    others.Add();
    TJournalCollection list;
    try {
        list.Assign(others);
        ADD_FAILURE() << "accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TOtherItem to a TNamedItem");
    }
    EXPECT_EQ(list.UpdateCount(), 0);
}

TEST(Collection, IdsAreNeverReusedAndExtractedItemsAreFree) {
    TJournalCollection list;
    TCollectionItem* first = list.Add();
    TCollectionItem* second = list.Add();
    EXPECT_EQ(first->ID(), 0);
    EXPECT_EQ(second->ID(), 1);
    list.Delete(0);
    EXPECT_EQ(list.Add()->ID(), 2);
    EXPECT_EQ(list.FindItemID(1), second);
    EXPECT_EQ(list.FindItemID(0), nullptr);

    std::unique_ptr<TCollectionItem> taken = list.Extract(second);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->Collection(), nullptr);
    EXPECT_EQ(taken->Index(), -1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Extract(second), nullptr);
}

}  // namespace
}  // namespace quendar
