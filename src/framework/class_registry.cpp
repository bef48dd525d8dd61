#include "framework/class_registry.h"

namespace quendar {

ClassRegistry& ClassRegistry::Global() {
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::RegisterClass(std::string className, const PropertyTable& properties,
                                  ComponentFactory factory) {
    if (className.empty() || className.size() > 255)
        throw Exception("A registered class name must have 1 to 255 characters");
    classes_[std::move(className)] =
        Entry{std::make_shared<const PropertyTable>(properties), std::move(factory)};
}

const ClassRegistry::Entry* ClassRegistry::FindEntry(std::string_view className) const {
    auto found = classes_.find(className);
    return found == classes_.end() ? nullptr : &found->second;
}

bool ClassRegistry::IsRegistered(std::string_view className) const { return FindEntry(className) != nullptr; }

const PropertyTable* ClassRegistry::FindProperties(std::string_view className) const {
    const Entry* entry = FindEntry(className);
    return entry == nullptr ? nullptr : entry->Properties.get();
}

const ComponentFactory* ClassRegistry::FindFactory(std::string_view className) const {
    const Entry* entry = FindEntry(className);
    return entry == nullptr || !entry->Factory ? nullptr : &entry->Factory;
}

}  // namespace quendar
