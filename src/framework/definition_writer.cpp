#include "framework/definition_writer.h"

#include <algorithm>

#include "framework/definition_binary.h"
#include "framework/property_stream_values.h"

namespace quendar {

namespace {

class DefinitionTreeBuilder {
public:
    DefinitionTreeBuilder(const TComponent& root, const ClassRegistry& registry)
        : root_(root), registry_(registry) {}

    DefinitionObject Build() {
        DefinitionObject tree = ObjectOf(root_, 0);
        // A component nested in one outside the root (or in a loop of
        // parents) is reached from nowhere; leaving it out would lose it.
        if (static_cast<int>(visited_.size()) != root_.ComponentCount()) {
            for (int i = 0; i < root_.ComponentCount(); ++i) {
                const TComponent* component = root_.Components(i);
                if (std::find(visited_.begin(), visited_.end(), component) == visited_.end())
                    throw EWriteError("The " + component->ClassName() + " " + component->Name() +
                                      " is nested in a component that the definition does not hold");
            }
        }
        return tree;
    }

private:
    const PropertyTable& TableOf(const TPersistent& object) const {
        const PropertyTable* table = registry_.FindProperties(object.ClassName());
        if (table == nullptr) throw EWriteError("The class " + object.ClassName() + " is not registered");
        return *table;
    }

    DefinitionObject ObjectOf(const TComponent& component, int depth) {
        if (depth >= MaxDefinitionNesting)
            throw EWriteError("Components cannot nest deeper than " + std::to_string(MaxDefinitionNesting) +
                              " levels in a window definition");
        DefinitionObject object;
        object.ClassName = component.ClassName();
        object.Name = component.Name();
        AddProperties(component, "", object.Properties, depth);
        for (int i = 0; i < root_.ComponentCount(); ++i) {
            const TComponent* child = root_.Components(i);
            if (ContainerOf(*child) != &component) continue;
            visited_.push_back(child);
            object.Children.push_back(ObjectOf(*child, depth + 1));
        }
        return object;
    }

    const TComponent* ContainerOf(const TComponent& component) const {
        const TComponent* parent = TableOf(component).ParentOf(component);
        return parent == nullptr ? &root_ : parent;
    }

    void AddProperties(const TPersistent& object, const std::string& prefix,
                       std::vector<DefinitionProperty>& properties, int depth) {
        if (depth >= MaxDefinitionNesting)
            throw EWriteError("Sub-objects cannot nest deeper than " + std::to_string(MaxDefinitionNesting) +
                              " levels in a window definition");
        for (const PublishedProperty& property : TableOf(object).Properties()) {
            const std::string name = prefix + property.Name;
            switch (property.Kind) {
                case PropertyKind::pkValue:
                case PropertyKind::pkComponent:
                case PropertyKind::pkEvent:
                    if (property.IsStored(object)) properties.push_back({name, property.Get(object), 0});
                    break;
                case PropertyKind::pkObject:
                    // Reading a sub-object does not change it; the accessor just is not const.
                    if (TPersistent* sub = property.SubObject(const_cast<TPersistent&>(object)))
                        AddProperties(*sub, name + ".", properties, depth + 1);
                    break;
                case PropertyKind::pkCollection:
                    if (auto* collection =
                            dynamic_cast<TCollection*>(property.SubObject(const_cast<TPersistent&>(object))))
                        properties.push_back({name, CollectionValueOf(*collection, depth + 1), 0});
                    break;
            }
        }
    }

    DefinitionValue CollectionValueOf(const TCollection& collection, int depth) {
        std::vector<DefinitionItem> items;
        for (int i = 0; i < collection.Count(); ++i) {
            DefinitionItem item;
            AddProperties(*collection.Items(i), "", item.Properties, depth);
            items.push_back(std::move(item));
        }
        return DefinitionValue::OfCollection(std::move(items));
    }

    const TComponent& root_;
    const ClassRegistry& registry_;
    std::vector<const TComponent*> visited_;
};

}  // namespace

DefinitionObject DefinitionTreeOf(const TComponent& root, const ClassRegistry& registry) {
    return DefinitionTreeBuilder(root, registry).Build();
}

std::vector<std::uint8_t> WriteDefinition(const TComponent& root, const ClassRegistry& registry) {
    return EncodeDefinition(DefinitionTreeOf(root, registry));
}

}  // namespace quendar
