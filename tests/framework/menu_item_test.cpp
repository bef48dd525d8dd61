#include "framework/menu_item.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "framework/exception.h"
#include "framework/popup_menu.h"

namespace quendar {
namespace {

using ItemPtr = TComponentPtr<TMenuItem>;

TMenuItem* AddItem(TMenuItem& parent, const std::string& caption) {
    auto* item = CreateComponent<TMenuItem>(nullptr);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
}

std::vector<std::string> Captions(const TMenuItem& parent) {
    std::vector<std::string> captions;
    for (int i = 0; i < parent.Count(); ++i) captions.push_back(parent.Items(i)->Caption());
    return captions;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.Message();
    }
    return "(none)";
}

TEST(MenuItemTest, ListKeepsOrderThroughAddInsertDeleteAndRemove) {
    ItemPtr root(CreateComponent<TMenuItem>(nullptr));
    TMenuItem* a = AddItem(*root, "a");
    TMenuItem* c = AddItem(*root, "c");
    ItemPtr b(CreateComponent<TMenuItem>(nullptr));
    b->SetCaption("b");
    root->Insert(1, b.release());
    EXPECT_EQ(Captions(*root), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(root->IndexOf(c), 2);
    EXPECT_EQ(c->MenuIndex(), 2);
    EXPECT_EQ(c->Parent(), root.get());

    ItemPtr taken(root->Items(0));
    root->Delete(0);
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a->MenuIndex(), -1);
    EXPECT_EQ(root->IndexOf(a), -1);
    ItemPtr removed(c);
    root->Remove(c);
    EXPECT_EQ(Captions(*root), (std::vector<std::string>{"b"}));
    EXPECT_EQ(ErrorOf([&] { root->Remove(c); }), "Menu item not found");
}

TEST(MenuItemTest, RefusedInsertionsLeaveTheListsAlone) {
    ItemPtr root(CreateComponent<TMenuItem>(nullptr));
    TMenuItem* parent = AddItem(*root, "parent");
    TMenuItem* child = AddItem(*parent, "child");
    ItemPtr loose(CreateComponent<TMenuItem>(nullptr));
    TPopupMenu menu(nullptr);
    struct Case {
        const char* Name;
        std::function<void()> Action;
        const char* Error;
    };
    const std::vector<Case> cases = {
        {"already listed", [&] { root->Add(child); }, "Menu item inserted twice"},
        {"itself", [&] { loose->Add(loose.get()); }, "A menu item cannot contain itself"},
        {"a menu's root", [&] { loose->Add(&menu.Items()); }, "A menu item cannot contain itself"},
        {"index past the end", [&] { root->Insert(2, loose.get()); }, "Menu index out of range"},
        {"negative index", [&] { root->Insert(-1, loose.get()); }, "Menu index out of range"},
        {"missing item", [&] { root->Add(nullptr); }, "Cannot insert a missing menu item"},
        {"item out of range", [&] { root->Items(1); }, "Menu index out of range"},
        {"delete out of range", [&] { root->Delete(1); }, "Menu index out of range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ErrorOf(c.Action), c.Error);
    }
    // An item whose list holds the would-be parent is refused too.
    root->Delete(0);
    ItemPtr detached(parent);
    EXPECT_EQ(ErrorOf([&] { child->Add(parent); }), "A menu item cannot contain itself");
    EXPECT_EQ(root->Count(), 0);
    EXPECT_EQ(child->Count(), 0);
    EXPECT_EQ(loose->Parent(), nullptr);
}

TEST(MenuItemTest, AParentFreesItsItemsAndAFreedItemLeavesItsParent) {
    auto* owner = new TComponent(nullptr);
    ItemPtr root(CreateComponent<TMenuItem>(nullptr));
    auto* named = CreateComponent<TMenuItem>(owner);
    named->SetName("Named");
    root->Add(named);
    TMenuItem* nested = AddItem(*named, "nested");
    TMenuItem* other = AddItem(*root, "other");
    other->Free();
    EXPECT_EQ(root->Count(), 1);
    // Freeing the parent frees what it lists and takes it from its owner.
    named->Free();
    EXPECT_EQ(root->Count(), 0);
    EXPECT_EQ(owner->ComponentCount(), 0);
    (void)nested;
    // An owner dying first frees its items, which leave their parent's list.
    auto* owned = CreateComponent<TMenuItem>(owner);
    root->Add(owned);
    AddItem(*owned, "deep");
    owner->Free();
    EXPECT_EQ(root->Count(), 0);
}

class CountedItem : public TMenuItem {
public:
    explicit CountedItem(TComponent* owner) : TMenuItem(owner) {}
    ~CountedItem() override { ++Destroyed; }
    static inline int Destroyed = 0;
};

TEST(MenuItemTest, ItemsOwnedAndListedByTheSameMenuOrItemDieOnce) {
    CountedItem::Destroyed = 0;
    auto* menu = CreateComponent<TPopupMenu>(nullptr);
    auto* top = CreateComponent<CountedItem>(menu);
    menu->Items().Add(top);
    auto* ownedByItem = CreateComponent<CountedItem>(top);
    top->Add(ownedByItem);
    auto* ownedByMenu = CreateComponent<CountedItem>(menu);
    top->Add(ownedByMenu);
    CreateComponent<CountedItem>(menu);  // owned, never listed
    EXPECT_EQ(menu->ComponentCount(), 3);
    menu->Free();
    EXPECT_EQ(CountedItem::Destroyed, 4);
}

TEST(MenuItemTest, CommandsAreUniqueAndFindable) {
    ItemPtr root(CreateComponent<TMenuItem>(nullptr));
    std::set<UINT> commands{root->Command()};
    TMenuItem* sub = AddItem(*root, "sub");
    TMenuItem* deep = AddItem(*sub, "deep");
    for (int i = 0; i < 50; ++i) commands.insert(AddItem(*root, "x")->Command());
    commands.insert(sub->Command());
    commands.insert(deep->Command());
    EXPECT_EQ(commands.size(), 53u);
    EXPECT_EQ(commands.count(0), 0u);
    EXPECT_EQ(root->FindItem(deep->Command()), deep);
    EXPECT_EQ(sub->FindItem(root->Command()), nullptr);
}

TEST(MenuItemTest, CheckingARadioItemUnchecksItsGroupOnly) {
    ItemPtr root(CreateComponent<TMenuItem>(nullptr));
    auto radio = [&](const char* caption, std::uint8_t group) {
        TMenuItem* item = AddItem(*root, caption);
        item->SetRadioItem(true);
        item->SetGroupIndex(group);
        return item;
    };
    TMenuItem* a = radio("a", 1);
    TMenuItem* b = radio("b", 1);
    TMenuItem* other = radio("other group", 2);
    TMenuItem* plain = AddItem(*root, "plain");
    plain->SetGroupIndex(1);
    for (TMenuItem* item : {a, other, plain}) item->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_TRUE(plain->Checked());
    // Moving a checked radio item into the group takes the check there.
    other->SetGroupIndex(1);
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(other->Checked());
    // While loading, stored checks stay as they were.
    a->IncludeComponentState(TComponentState::csLoading);
    a->SetChecked(true);
    EXPECT_TRUE(other->Checked());
}

TEST(MenuItemTest, ClickChecksWhenAutoCheckAndDoesNothingWhenDisabled) {
    ItemPtr root(CreateComponent<TMenuItem>(nullptr));
    TMenuItem* toggle = AddItem(*root, "toggle");
    TMenuItem* radioA = AddItem(*root, "a");
    TMenuItem* radioB = AddItem(*root, "b");
    std::vector<std::string> clicks;
    for (TMenuItem* item : {toggle, radioA, radioB}) {
        item->SetAutoCheck(true);
        item->OnClick = TNotifyEvent([&](TComponent* sender) {
            auto* clicked = static_cast<TMenuItem*>(sender);
            clicks.push_back(clicked->Caption() + (clicked->Checked() ? "+" : "-"));
        });
    }
    radioA->SetRadioItem(true);
    radioB->SetRadioItem(true);
    toggle->Click();
    toggle->Click();
    radioA->Click();
    radioA->Click();  // stays the checked one
    radioB->Click();
    radioA->SetEnabled(false);
    radioA->Click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"toggle+", "toggle-", "a+", "a+", "b+"}));
    EXPECT_FALSE(radioA->Checked());
}

TEST(MenuItemTest, FindIgnoresAcceleratorsAndCase) {
    ItemPtr root(CreateComponent<TMenuItem>(nullptr));
    AddItem(*root, "&Open");
    TMenuItem* saveAs = AddItem(*root, "Save &As");
    TMenuItem* both = AddItem(*root, "Fish && Chips");
    EXPECT_EQ(root->Find("save as"), saveAs);
    EXPECT_EQ(root->Find("S&ave As"), saveAs);
    // The caption looked for is read the same way: "&&" is a plain "&".
    EXPECT_EQ(root->Find("Fish && Chips"), both);
    EXPECT_EQ(root->Find("Fish & Chips"), nullptr);
    EXPECT_EQ(root->Find("Close"), nullptr);
}

TEST(MenuItemTest, ItemsKnowTheirPopupMenu) {
    TPopupMenu menu(nullptr);
    TMenuItem* top = AddItem(menu.Items(), "top");
    TMenuItem* deep = AddItem(*top, "deep");
    ItemPtr loose(CreateComponent<TMenuItem>(nullptr));
    EXPECT_EQ(deep->GetParentMenu(), &menu);
    EXPECT_EQ(menu.Items().GetParentMenu(), &menu);
    EXPECT_EQ(loose->GetParentMenu(), nullptr);
    EXPECT_EQ(menu.FindItem(deep->Command()), deep);
}

}  // namespace
}  // namespace quendar
