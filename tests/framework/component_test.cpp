#include "framework/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/exception.h"

namespace quendar {
namespace {

// Records what happens to it in a shared journal and holds one reference to
// another component, cleared on removal as every framework class must.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::string label, std::vector<std::string>* journal)
        : TComponent(owner), label_(std::move(label)), journal_(journal) {}
    ~TProbe() override { journal_->push_back("free " + label_); }

    std::string ClassName() const override { return "TProbe"; }

    void Watch(TComponent* other) {
        watched_ = other;
        if (other != nullptr) other->FreeNotification(this);
    }
    TComponent* Watched() const { return watched_; }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        auto* probe = dynamic_cast<TProbe*>(component);
        journal_->push_back(label_ + (operation == TOperation::opInsert ? " +" : " -") +
                            (probe ? probe->label_ : std::string("?")));
        if (operation == TOperation::opRemove && component == watched_) watched_ = nullptr;
    }

private:
    std::string label_;
    std::vector<std::string>* journal_;
    TComponent* watched_ = nullptr;
};

TEST(Component, OwnerFreesItsComponentsLastAddedFirst) {
    std::vector<std::string> journal;
    auto* form = CreateComponent<TProbe>(nullptr, "form", &journal);
    CreateComponent<TProbe>(form, "a", &journal);
    auto* b = CreateComponent<TProbe>(form, "b", &journal);
    CreateComponent<TProbe>(b, "b1", &journal);
    CreateComponent<TProbe>(form, "c", &journal);
    EXPECT_EQ(form->ComponentCount(), 3);
    journal.clear();

    form->Free();
    // The form's own destructor body runs first, then its components go,
    // last first. Each departure is announced to the components still
    // present (and, through them, to theirs), the departing one included.
    const std::vector<std::string> expected = {
        "free form",                                                   //
        "c -c",      "b1 -c",  "b -c", "a -c",   "free c",             //
        "b1 -b",     "b -b",   "a -b", "free b", "b1 -b1", "free b1",  //
        "a -a",      "free a",
    };
    EXPECT_EQ(journal, expected);
}

TEST(Component, InsertionIsAnnouncedToTheOwnersComponents) {
    std::vector<std::string> journal;
    TComponentPtr<TProbe> form(CreateComponent<TProbe>(nullptr, "form", &journal));
    CreateComponent<TProbe>(form.get(), "a", &journal);
    CreateComponent<TProbe>(form.get(), "b", &journal);
    EXPECT_EQ(journal, (std::vector<std::string>{"a +a", "form +a", "b +b", "a +b", "form +b"}));

    // Built with new, the component joins before its class exists: the
    // owner is told, but cannot see what it is.
    journal.clear();
    new TProbe(form.get(), "c", &journal);
    EXPECT_EQ(journal, (std::vector<std::string>{"b +?", "a +?", "form +?"}));
    EXPECT_EQ(form->ComponentCount(), 3);
}

TEST(Component, FreeNotificationClearsReferencesAcrossOwners) {
    std::vector<std::string> journal;
    TComponentPtr<TProbe> left(new TProbe(nullptr, "left", &journal));
    TComponentPtr<TProbe> right(new TProbe(nullptr, "right", &journal));
    auto* watcher = new TProbe(left.get(), "watcher", &journal);
    auto* target = new TProbe(right.get(), "target", &journal);
    watcher->Watch(target);
    journal.clear();

    target->Free();
    EXPECT_EQ(watcher->Watched(), nullptr);
    EXPECT_EQ(journal.front(), "watcher -target");
    EXPECT_EQ(right->ComponentCount(), 0);

    // The link is gone on both sides: freeing the watcher later tells nobody.
    journal.clear();
    watcher->Free();
    EXPECT_EQ(journal, (std::vector<std::string>{"watcher -watcher", "left -watcher", "free watcher"}));
}

TEST(Component, SiblingReferencesDieCleanlyWhenTheOwnerDies) {
    // The first sibling watches the last; the owner frees the last first, so
    // the first must have let go before it is freed itself.
    std::vector<std::string> journal;
    auto* form = new TProbe(nullptr, "form", &journal);
    auto* first = new TProbe(form, "first", &journal);
    auto* last = new TProbe(form, "last", &journal);
    first->Watch(last);
    last->Watch(first);
    bool firstClearedBeforeLastDied = false;
    journal.clear();
    form->Free();
    for (std::size_t i = 0; i < journal.size(); ++i) {
        if (journal[i] == "free last") {
            firstClearedBeforeLastDied =
                std::find(journal.begin(), journal.begin() + static_cast<std::ptrdiff_t>(i), "first -last") !=
                journal.begin() + static_cast<std::ptrdiff_t>(i);
        }
    }
    EXPECT_TRUE(firstClearedBeforeLastDied);
}

TEST(Component, RemoveFreeNotificationStopsTheMessage) {
    std::vector<std::string> journal;
    TComponentPtr<TProbe> watcher(new TProbe(nullptr, "watcher", &journal));
    auto* target = new TProbe(nullptr, "target", &journal);
    watcher->Watch(target);
    watcher->RemoveFreeNotification(target);
    journal.clear();
    target->Free();
    EXPECT_EQ(journal, (std::vector<std::string>{"free target"}));
    EXPECT_EQ(watcher->Watched(), target);  // it asked not to be told
}

TEST(Component, DestroyingMarksTheWholeTreeBeforeAnyoneIsFreed) {
    std::vector<std::string> journal;
    auto* form = new TComponent(nullptr);
    auto* panel = new TComponent(form);
    auto* button = new TComponent(panel);
    form->Destroying();
    EXPECT_TRUE(Contains(panel->ComponentState(), TComponentState::csDestroying));
    EXPECT_TRUE(Contains(button->ComponentState(), TComponentState::csDestroying));
    form->Free();
}

TEST(Component, FindComponentIgnoresCase) {
    TComponentPtr<TComponent> form(new TComponent(nullptr));
    auto* edit = new TComponent(form.get());
    edit->SetName("sEdit_StartDate");
    auto* button = new TComponent(form.get());
    button->SetName("sButton_Clipboard");
    EXPECT_EQ(form->FindComponent("SEDIT_STARTDATE"), edit);
    EXPECT_EQ(form->FindComponent("sbutton_clipboard"), button);
    EXPECT_EQ(form->FindComponent("sEdit"), nullptr);
    EXPECT_EQ(form->FindComponent(""), nullptr);
    EXPECT_EQ(button->ComponentIndex(), 1);
    EXPECT_EQ(form->Components(0), edit);
    EXPECT_THROW(form->Components(2), Exception);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
    TComponentPtr<TComponent> form(new TComponent(nullptr));
    auto* first = new TComponent(form.get());
    first->SetName("Edit1");
    auto* second = new TComponent(form.get());

    struct Case {
        const char* name;
        const char* message;  // nullptr: accepted
    };
    const Case cases[] = {
        {"edit1", "A component named edit1 already exists"},
        {"1Edit", "'1Edit' is not a valid component name"},
        {"Edit 2", "'Edit 2' is not a valid component name"},
        {"Edit-2", "'Edit-2' is not a valid component name"},
        {"_Edit2", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.message == nullptr) {
            EXPECT_NO_THROW(second->SetName(c.name));
            EXPECT_EQ(second->Name(), c.name);
            continue;
        }
        try {
            second->SetName(c.name);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
    first->SetName("EDIT1");  // a change of case only is no clash with itself
    EXPECT_EQ(first->Name(), "EDIT1");
}

TEST(Component, MovingToAnotherOwnerIsAnnouncedOnBothSides) {
    std::vector<std::string> journal;
    TComponentPtr<TProbe> left(new TProbe(nullptr, "left", &journal));
    TComponentPtr<TProbe> right(new TProbe(nullptr, "right", &journal));
    auto* moved = new TProbe(left.get(), "moved", &journal);
    journal.clear();
    right->InsertComponent(moved);
    EXPECT_EQ(journal,
              (std::vector<std::string>{"moved -moved", "left -moved", "moved +moved", "right +moved"}));
    EXPECT_EQ(moved->Owner(), right.get());
    EXPECT_EQ(left->ComponentCount(), 0);

    // A name clash in the new owner refuses the move and leaves it where it was.
    auto* clash = new TComponent(left.get());
    clash->SetName("Same");
    auto* other = new TComponent(right.get());
    other->SetName("same");
    EXPECT_THROW(right->InsertComponent(clash), Exception);
    EXPECT_EQ(clash->Owner(), left.get());

    EXPECT_THROW(moved->InsertComponent(right.get()), Exception);  // would own its owner
}

TEST(Component, LoadedClearsTheLoadingState) {
    TComponentPtr<TComponent> form(new TComponent(nullptr));
    form->IncludeComponentState(TComponentState::csLoading | TComponentState::csReading);
    form->ExcludeComponentState(TComponentState::csReading);
    EXPECT_EQ(form->ComponentState(), TComponentState::csLoading);
    form->Loaded();
    EXPECT_EQ(form->ComponentState(), TComponentState::csNone);
}

TEST(Component, AssignBetweenUnrelatedClassesNamesBoth) {
    std::vector<std::string> journal;
    TComponentPtr<TProbe> probe(new TProbe(nullptr, "p", &journal));
    TComponentPtr<TComponent> plain(new TComponent(nullptr));
    try {
        plain->Assign(*probe);
        ADD_FAILURE() << "accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TProbe to a TComponent");
    }
}

TEST(Component, PlainDeleteStillTellsEveryone) {
    std::vector<std::string> journal;
    TComponentPtr<TProbe> form(new TProbe(nullptr, "form", &journal));
    auto* doomed = new TProbe(form.get(), "doomed", &journal);
    TComponentPtr<TProbe> watcher(new TProbe(nullptr, "watcher", &journal));
    watcher->Watch(doomed);
    delete doomed;
    EXPECT_EQ(watcher->Watched(), nullptr);
    EXPECT_EQ(form->ComponentCount(), 0);
}

}  // namespace
}  // namespace quendar
