#pragma once
// TComponent: a named object with an owner.
//
// Ownership: an owner holds its components and destroys them in its own
// destructor, the last added first. A component is destroyed through Free
// (or by its owner, which uses the same path); plain delete works too, but
// then the notifications below run after the derived parts are gone.
//
// Notifications: when a component joins or leaves an owner, the owner's
// Notification is called with opInsert or opRemove, and TComponent's
// Notification passes it on to every component the owner holds. A component
// that keeps a pointer to a component of another owner (or of none) calls
// FreeNotification on it and is told opRemove before that one dies. Either
// way a receiver may be told twice about one removal and must clear its
// pointer idempotently. During the notification the dying component is
// still whole; receivers compare the pointer and call nothing on it.
//
// Construction: a component built with `new T(owner)` joins its owner inside
// the TComponent constructor, before its own class exists, so receivers of
// that opInsert cannot tell its class. CreateComponent<T>(owner) builds it
// ownerless and inserts it afterwards; the stream reader and any code whose
// owner reacts to the class of new components use it.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/component_state.h"
#include "framework/persistent.h"

namespace quendar {

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    std::string ClassName() const override { return "TComponent"; }
    TPersistent* GetOwner() const override { return owner_; }

    // Announces the end of life to everyone concerned, then deletes this.
    void Free();

    TComponent* Owner() const { return owner_; }

    const std::string& Name() const { return name_; }
    // Names are empty or identifiers (a letter or "_", then letters, digits
    // and "_"), unique within the owner regardless of case. Raises Exception
    // "'<name>' is not a valid component name" or
    // "A component named <name> already exists".
    virtual void SetName(const std::string& name);

    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }
    // For the stream reader and the framework's controls; Loaded clears
    // csLoading, Destroying sets csDestroying.
    void IncludeComponentState(TComponentState flags) { state_ |= flags; }
    void ExcludeComponentState(TComponentState flags) { state_ &= ~flags; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Raises Exception "List index out of bounds (<index>)" outside 0..count-1.
    TComponent* Components(int index) const;
    // Position in the owner's list, -1 without owner.
    int ComponentIndex() const;
    // The owned component whose name matches without regard to case, or
    // nullptr; an empty name finds nothing.
    TComponent* FindComponent(std::string_view name) const;

    // Takes `component` from its current owner (if any) into this one.
    void InsertComponent(TComponent* component);
    // Releases `component` without destroying it; it then has no owner and
    // whoever removed it is responsible for it.
    void RemoveComponent(TComponent* component);

    // Asks to be told (Notification with opRemove) before `component` dies.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Marks this component and every component it owns, recursively, as
    // being destroyed.
    void Destroying();

    // Called once the stream reader has set every property of the form.
    virtual void Loaded();

    // Hook of the destruction path while the object is still whole; overrides
    // call the base last.
    virtual void BeforeDestruction();

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    // Validates a new name; the default checks form and uniqueness.
    virtual void ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const;

private:
    void InsertIntoList(TComponent* component);
    void RemoveFromList(TComponent* component);
    void TellFreeNotifiers();
    void LeaveOwner();

    TComponent* owner_ = nullptr;
    std::string name_;
    std::intptr_t tag_ = 0;
    TComponentState state_ = TComponentState::csNone;
    bool destructionAnnounced_ = false;
    // Owned; destroyed by this component's destructor.
    std::vector<TComponent*> components_;
    // Components to tell when this one dies, and those that would tell this
    // one; both sides drop the link when either dies.
    std::vector<TComponent*> freeNotifies_;
};

// Lets a unique_ptr hold an ownerless component and free it the proper way.
struct TComponentDeleter {
    void operator()(TComponent* component) const { component->Free(); }
};
template <class T>
using TComponentPtr = std::unique_ptr<T, TComponentDeleter>;

template <class T, class... Args>
T* CreateComponent(TComponent* owner, Args&&... args) {
    auto* component = new T(nullptr, std::forward<Args>(args)...);
    if (owner != nullptr) {
        try {
            owner->InsertComponent(component);
        } catch (...) {
            component->Free();
            throw;
        }
    }
    return component;
}

bool IsValidIdent(std::string_view name);

}  // namespace quendar
