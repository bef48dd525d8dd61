#include "framework/definition_reader.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/definition_binary.h"
#include "framework/property_stream_values.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

// Where a reference sits, from the component that holds it: sub-objects by
// property name, collection items by name and position. The path is walked
// again when the reference is resolved, so a setter that replaced a
// sub-object or an item in the meantime leaves nothing dangling.
struct PathStep {
    std::string Property;
    int Item = -1;
};

struct PendingReference {
    TComponent* Holder = nullptr;  // cleared when the holder dies early
    std::vector<PathStep> Path;
    std::string Property;
    std::string QualifiedName;  // "TLabel.FocusControl" for messages
    PropertyKind Kind = PropertyKind::pkComponent;
    std::string Target;
    std::size_t Offset = 0;
};

// Told when a component made by the reader dies before reading ends (a
// setter or Loaded may free one), so the reader never reaches it again.
class ReaderWatch : public TComponent {
public:
    ReaderWatch(TComponent* owner, std::vector<TComponent*>* created, std::vector<TComponent*>* loaded,
                std::vector<PendingReference>* references)
        : TComponent(owner), created_(created), loaded_(loaded), references_(references) {}

    std::string ClassName() const override { return "TDefinitionReaderWatch"; }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation != TOperation::opRemove) return;
        std::replace(created_->begin(), created_->end(), component, static_cast<TComponent*>(nullptr));
        std::replace(loaded_->begin(), loaded_->end(), component, static_cast<TComponent*>(nullptr));
        for (PendingReference& reference : *references_) {
            if (reference.Holder == component) reference.Holder = nullptr;
        }
    }

private:
    std::vector<TComponent*>* created_;
    std::vector<TComponent*>* loaded_;
    std::vector<PendingReference>* references_;
};

// Runs `action`, turning the framework's failures into EReadError at `offset`:
// a refused value names `subject`, any other failure `context`.
template <class Action>
auto Guarded(std::size_t offset, const std::string& subject, const std::string& context, Action&& action)
    -> decltype(action()) {
    try {
        return action();
    } catch (const EReadError&) {
        throw;
    } catch (const EPropertyValueError& error) {
        throw EReadError(offset, error.Expected + " for " + subject, error.Found);
    } catch (const Exception& error) {
        throw EReadError(offset, context, "the error \"" + error.Message() + "\"");
    }
}

class DefinitionLoader {
public:
    DefinitionLoader(TComponent& root, const ClassRegistry& registry)
        : root_(root),
          registry_(registry),
          watch_(CreateComponent<ReaderWatch>(nullptr, &created_, &loaded_, &references_)) {}

    // The components must not hear of the watch's end.
    ~DefinitionLoader() {
        for (TComponent* component : created_) {
            if (component != nullptr) watch_->RemoveFreeNotification(component);
        }
    }

    void Load(const DefinitionObject& tree) {
        root_.IncludeComponentState(TComponentState::csLoading | TComponentState::csReading);
        loaded_.push_back(&root_);
        try {
            if (tree.ClassName != root_.ClassName())
                throw EReadError(tree.Offset, "an object of class " + root_.ClassName(),
                                 "'" + tree.ClassName + "'");
            if (!tree.Name.empty() && tree.Name != root_.Name())
                Guarded(tree.Offset, root_.ClassName() + ".Name", "a name for the " + root_.ClassName(),
                        [&] { root_.SetName(tree.Name); });
            ReadContents(root_, tree);
            root_.ExcludeComponentState(TComponentState::csReading);
            ResolveReferences();
            CallLoaded();
        } catch (...) {
            Undo();
            throw;
        }
    }

private:
    const PropertyTable& TableOf(const TPersistent& object, std::size_t offset) const {
        const PropertyTable* table = registry_.FindProperties(object.ClassName());
        if (table == nullptr)
            throw EReadError(offset, "an object of a registered class", "the class " + object.ClassName());
        return *table;
    }

    void ReadContents(TComponent& component, const DefinitionObject& object) {
        for (const DefinitionProperty& property : object.Properties)
            ApplyProperty(component, component, {}, property, property.Name);
        for (const DefinitionObject& child : object.Children) ReadChild(child, component);
    }

    void ReadChild(const DefinitionObject& object, TComponent& container) {
        const ComponentFactory* factory = registry_.FindFactory(object.ClassName);
        if (factory == nullptr)
            throw EReadError(object.Offset, "a registered component class", "'" + object.ClassName + "'");
        const std::string subject = object.ClassName + " " + object.Name;
        TComponentPtr<TComponent> made(Guarded(object.Offset, subject, "a new " + object.ClassName,
                                               [&] { return (*factory)(nullptr); }));
        if (!made) throw EReadError(object.Offset, "a new " + object.ClassName, "no component");
        made->IncludeComponentState(TComponentState::csLoading | TComponentState::csReading);
        Guarded(object.Offset, subject, "a name for the " + object.ClassName, [&] {
            made->SetName(object.Name);
            root_.InsertComponent(made.get());
        });
        created_.push_back(made.get());
        loaded_.push_back(made.get());
        TComponent& component = *made.release();
        watch_->FreeNotification(&component);

        Guarded(object.Offset, subject, "a place in the " + container.ClassName() + " " + container.Name(),
                [&] { TableOf(component, object.Offset).SetParent(component, container); });
        ReadContents(component, object);
        component.ExcludeComponentState(TComponentState::csReading);
    }

    // Sets `property` (whose name from `name` on is still to be followed) on
    // `object`, which `holder` owns through `path`.
    void ApplyProperty(TPersistent& object, TComponent& holder, std::vector<PathStep> path,
                       const DefinitionProperty& property, std::string_view name) {
        const std::size_t dot = name.find('.');
        const std::string head(name.substr(0, dot));
        const PublishedProperty* published = TableOf(object, property.Offset).Find(head);
        if (published == nullptr)
            throw EReadError(property.Offset, "a published property of " + object.ClassName(),
                             "'" + property.Name + "'");
        const std::string subject = object.ClassName() + "." + published->Name;

        if (dot != std::string_view::npos) {
            if (published->Kind != PropertyKind::pkObject)
                throw EReadError(property.Offset, "a property with sub-properties",
                                 "'" + property.Name + "'");
            TPersistent* sub = Guarded(property.Offset, subject, "the sub-object " + subject,
                                       [&] { return published->SubObject(object); });
            if (sub == nullptr) throw EReadError(property.Offset, "the sub-object " + subject, "none");
            path.push_back({published->Name, -1});
            ApplyProperty(*sub, holder, std::move(path), property, name.substr(dot + 1));
            return;
        }

        const DefinitionValue& value = property.Value;
        switch (published->Kind) {
            case PropertyKind::pkValue:
                Guarded(property.Offset, subject, "a value that " + subject + " accepts",
                        [&] { published->Set(object, value); });
                return;
            case PropertyKind::pkObject:
                throw EReadError(property.Offset, "a property of the sub-object " + subject,
                                 DescribeValueKind(value.Kind));
            case PropertyKind::pkCollection:
                ReadCollection(object, holder, std::move(path), *published, subject, property);
                return;
            case PropertyKind::pkComponent:
            case PropertyKind::pkEvent:
                DeferReference(object, holder, std::move(path), *published, subject, property);
                return;
        }
    }

    void ReadCollection(TPersistent& object, TComponent& holder, std::vector<PathStep> path,
                        const PublishedProperty& published, const std::string& subject,
                        const DefinitionProperty& property) {
        if (property.Value.Kind != DefinitionValueKind::dvCollection)
            throw EReadError(property.Offset, "a collection for " + subject,
                             DescribeValueKind(property.Value.Kind));
        auto* collection =
            dynamic_cast<TCollection*>(Guarded(property.Offset, subject, "the collection " + subject,
                                               [&] { return published.SubObject(object); }));
        if (collection == nullptr) throw EReadError(property.Offset, "the collection " + subject, "none");

        collection->BeginUpdate();
        try {
            Guarded(property.Offset, subject, "an emptied " + subject, [&] { collection->Clear(); });
            const auto& items = property.Value.Items;
            for (std::size_t i = 0; i < items.size(); ++i) {
                TCollectionItem* item = Guarded(items[i].Offset, subject, "a new item of " + subject,
                                                [&] { return collection->Add(); });
                std::vector<PathStep> itemPath = path;
                itemPath.push_back({published.Name, collection->Count() - 1});
                for (const DefinitionProperty& itemProperty : items[i].Properties)
                    ApplyProperty(*item, holder, itemPath, itemProperty, itemProperty.Name);
            }
        } catch (...) {
            collection->EndUpdate();
            throw;
        }
        Guarded(property.Offset, subject, "a filled " + subject, [&] { collection->EndUpdate(); });
    }

    void DeferReference(TPersistent& object, TComponent& holder, std::vector<PathStep> path,
                        const PublishedProperty& published, const std::string& subject,
                        const DefinitionProperty& property) {
        const DefinitionValue& value = property.Value;
        const bool isComponent = published.Kind == PropertyKind::pkComponent;
        if (value.Kind == DefinitionValueKind::dvNil) {
            Guarded(property.Offset, subject, "nil for " + subject, [&] {
                if (isComponent)
                    published.SetComponent(object, nullptr);
                else
                    published.SetEvent(object, TNotifyEvent());
            });
            return;
        }
        if (value.Kind != DefinitionValueKind::dvIdent)
            throw EReadError(
                property.Offset,
                std::string(isComponent ? "a component name" : "a method name") + " or nil for " + subject,
                DescribeValueKind(value.Kind));
        references_.push_back(
            {&holder, std::move(path), published.Name, subject, published.Kind, value.Text, property.Offset});
    }

    // Follows a reference's path from its holder to the object that has the property.
    TPersistent& Locate(const PendingReference& reference) const {
        TPersistent* object = reference.Holder;
        for (const PathStep& step : reference.Path) {
            const PublishedProperty* published = TableOf(*object, reference.Offset).Find(step.Property);
            TPersistent* sub = published == nullptr ? nullptr : published->SubObject(*object);
            if (step.Item >= 0) {
                auto* collection = dynamic_cast<TCollection*>(sub);
                sub = collection != nullptr && step.Item < collection->Count() ? collection->Items(step.Item)
                                                                               : nullptr;
            }
            if (sub == nullptr)
                throw EReadError(reference.Offset, "the object holding " + reference.QualifiedName,
                                 "none any more");
            object = sub;
        }
        return *object;
    }

    void ResolveReferences() {
        for (std::size_t i = 0; i < references_.size(); ++i) {
            const PendingReference reference = references_[i];
            if (reference.Holder == nullptr) continue;
            TPersistent& object = Guarded(reference.Offset, reference.QualifiedName,
                                          "the object holding " + reference.QualifiedName,
                                          [&]() -> TPersistent& { return Locate(reference); });
            const PublishedProperty* published = TableOf(object, reference.Offset).Find(reference.Property);
            if (published == nullptr)
                throw EReadError(reference.Offset, "a published property of " + object.ClassName(),
                                 "'" + reference.Property + "'");
            if (reference.Kind == PropertyKind::pkComponent)
                ResolveComponent(object, *published, reference);
            else
                ResolveEvent(object, *published, reference);
        }
        references_.clear();
    }

    void ResolveComponent(TPersistent& object, const PublishedProperty& published,
                          const PendingReference& reference) {
        TComponent* target =
            SameText(root_.Name(), reference.Target) ? &root_ : root_.FindComponent(reference.Target);
        if (target == nullptr)
            throw EReadError(reference.Offset,
                             "a component named " + reference.Target + " for " + reference.QualifiedName,
                             "none");
        Guarded(reference.Offset, reference.QualifiedName,
                "a value that " + reference.QualifiedName + " accepts",
                [&] { published.SetComponent(object, target); });
    }

    void ResolveEvent(TPersistent& object, const PublishedProperty& published,
                      const PendingReference& reference) {
        const PublishedMethod* method = TableOf(root_, reference.Offset).FindMethod(reference.Target);
        if (method == nullptr)
            throw EReadError(reference.Offset,
                             "a method of " + root_.ClassName() + " named " + reference.Target + " for " +
                                 reference.QualifiedName,
                             "none");
        TComponent* form = &root_;
        auto call = method->Call;
        TNotifyEvent event([form, call](TComponent* sender) { call(*form, sender); }, method->Name);
        Guarded(reference.Offset, reference.QualifiedName, "a handler for " + reference.QualifiedName,
                [&] { published.SetEvent(object, std::move(event)); });
    }

    void CallLoaded() {
        for (std::size_t i = 0; i < loaded_.size(); ++i) {
            if (loaded_[i] != nullptr) loaded_[i]->Loaded();
            if (loaded_[i] != nullptr) loaded_[i]->ExcludeComponentState(TComponentState::csLoading);
        }
    }

    void Undo() {
        for (std::size_t i = created_.size(); i-- > 0;) {
            if (created_[i] != nullptr) created_[i]->Free();
        }
        root_.ExcludeComponentState(TComponentState::csLoading | TComponentState::csReading);
    }

    TComponent& root_;
    const ClassRegistry& registry_;
    std::vector<TComponent*> created_;
    std::vector<TComponent*> loaded_;
    std::vector<PendingReference> references_;
    TComponentPtr<ReaderWatch> watch_;
};

}  // namespace

void ReadDefinitionTree(TComponent& root, const DefinitionObject& tree, const ClassRegistry& registry) {
    DefinitionLoader(root, registry).Load(tree);
}

void ReadDefinition(TComponent& root, std::span<const std::uint8_t> bytes, const ClassRegistry& registry) {
    const DefinitionObject tree = DecodeDefinition(bytes);
    ReadDefinitionTree(root, tree, registry);
}

TComponent* CreateFromDefinition(std::span<const std::uint8_t> bytes, TComponent* owner,
                                 const ClassRegistry& registry) {
    const DefinitionObject tree = DecodeDefinition(bytes);
    const ComponentFactory* factory = registry.FindFactory(tree.ClassName);
    if (factory == nullptr)
        throw EReadError(tree.Offset, "a registered component class", "'" + tree.ClassName + "'");
    TComponentPtr<TComponent> root(
        Guarded(tree.Offset, tree.ClassName, "a new " + tree.ClassName, [&] { return (*factory)(nullptr); }));
    if (!root) throw EReadError(tree.Offset, "a new " + tree.ClassName, "no component");
    ReadDefinitionTree(*root, tree, registry);
    if (owner != nullptr) owner->InsertComponent(root.get());
    return root.release();
}

}  // namespace quendar
