#pragma once
// The classes a window definition may name: for each class name its
// property table and, for component classes, how to make one.
//
// Sub-objects (a font, a picture) and collection items are registered with
// their table only; the reader finds the table of any object through its
// ClassName. A later registration of a name replaces the earlier one.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "framework/component.h"
#include "framework/property_table.h"

namespace quendar {

// Makes a component that `owner` (which may be nullptr) owns.
using ComponentFactory = std::function<TComponent*(TComponent* owner)>;

class ClassRegistry {
public:
    // The registry the program's classes register with at start-up.
    static ClassRegistry& Global();

    void RegisterClass(std::string className, const PropertyTable& properties, ComponentFactory factory = {});

    // A component class T whose constructor takes its owner.
    template <class T>
    void RegisterComponentClass(std::string className, const PropertyTable& properties) {
        RegisterClass(std::move(className), properties,
                      [](TComponent* owner) -> TComponent* { return CreateComponent<T>(owner); });
    }

    bool IsRegistered(std::string_view className) const;
    // The table of a registered class, or nullptr.
    const PropertyTable* FindProperties(std::string_view className) const;
    // The factory of a registered component class, or nullptr.
    const ComponentFactory* FindFactory(std::string_view className) const;

private:
    struct Entry {
        std::shared_ptr<const PropertyTable> Properties;
        ComponentFactory Factory;
    };
    const Entry* FindEntry(std::string_view className) const;

    std::map<std::string, Entry, std::less<>> classes_;
};

}  // namespace quendar
