#include "framework/component.h"

#include <algorithm>

#include "framework/exception.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

void EraseOne(std::vector<TComponent*>& list, TComponent* component) {
    auto found = std::find(list.begin(), list.end(), component);
    if (found != list.end()) list.erase(found);
}

}  // namespace

bool IsValidIdent(std::string_view name) {
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (name.empty() || !isLetter(name.front())) return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return isLetter(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    if (!destructionAnnounced_) {
        destructionAnnounced_ = true;
        Destroying();
        TellFreeNotifiers();
    }
    while (!components_.empty()) {
        TComponent* child = components_.back();
        child->BeforeDestruction();
        // An override that skipped the base call leaves the child listed.
        if (!components_.empty() && components_.back() == child) RemoveFromList(child);
        delete child;
    }
    // Someone may have asked for a notification while the children died.
    TellFreeNotifiers();
    LeaveOwner();
}

void TComponent::Free() {
    BeforeDestruction();
    delete this;
}

void TComponent::BeforeDestruction() {
    if (destructionAnnounced_) return;
    destructionAnnounced_ = true;
    Destroying();
    TellFreeNotifiers();
    LeaveOwner();
}

void TComponent::Destroying() {
    if (Contains(state_, TComponentState::csDestroying)) return;
    state_ |= TComponentState::csDestroying;
    for (TComponent* child : components_) child->Destroying();
}

void TComponent::TellFreeNotifiers() {
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        EraseOne(other->freeNotifies_, this);
        other->Notification(this, TOperation::opRemove);
    }
}

void TComponent::LeaveOwner() {
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name)) throw Exception("'" + name + "' is not a valid component name");
    if (owner_ != nullptr)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) const {
    if (component == nullptr || newName.empty() || SameText(currentName, newName)) return;
    TComponent* existing = FindComponent(newName);
    if (existing != nullptr && existing != component)
        throw Exception("A component named " + newName + " already exists");
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (owner_ == nullptr) return -1;
    const auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* child : components_) {
        if (SameText(child->name_, name)) return child;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component == nullptr || component->owner_ == this) return;
    if (component == this) throw Exception("A component cannot own itself");
    for (TComponent* up = owner_; up != nullptr; up = up->owner_) {
        if (up == component) throw Exception("A component cannot be owned by one it owns");
    }
    // Checked before leaving the old owner, so a refused move changes nothing.
    ValidateRename(component, "", component->name_);
    if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
    InsertIntoList(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component == nullptr || component->owner_ != this) return;
    Notification(component, TOperation::opRemove);
    RemoveFromList(component);
}

void TComponent::InsertIntoList(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::RemoveFromList(TComponent* component) {
    EraseOne(components_, component);
    component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
    if (component == nullptr || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    auto& theirs = component->freeNotifies_;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
    component->state_ |= TComponentState::csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (component == nullptr) return;
    EraseOne(freeNotifies_, component);
    EraseOne(component->freeNotifies_, this);
}

void TComponent::Loaded() { state_ &= ~TComponentState::csLoading; }

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) RemoveFreeNotification(component);
    // A receiver may free or move components; the index is rechecked each step.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i < ComponentCount())
            components_[static_cast<std::size_t>(i)]->Notification(component, operation);
    }
}

}  // namespace quendar
