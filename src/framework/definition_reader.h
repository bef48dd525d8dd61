#pragma once
// Window definition to component tree.
//
// Reading a definition into a root component:
//   1. the whole stream is decoded and checked first, so a truncated or
//      garbled one fails before any component changes;
//   2. the root (whose class must be the definition's root class) takes the
//      stored name and properties; every nested object becomes a component
//      of its registered class, owned by the root, named, told its enclosing
//      component (PropertyTable::Nesting) and then given its properties.
//      Each component holds csLoading from its creation to its Loaded and
//      csReading while its own object is read;
//   3. component references and events, stored as names, are resolved once
//      every component exists;
//   4. Loaded is called once on every component, the root first and then in
//      reading order, and csLoading is cleared.
//
// Failures raise EReadError naming what was expected and the byte offset of
// the object or property concerned: an unknown class or property, a value of
// the wrong kind, a value a setter refused, a reference to no component.
// After a failure the components created so far are destroyed again, and
// the root keeps the properties set before the failure, without csLoading or
// csReading: a caller that cannot use a half-read root frees it (as
// CreateFromDefinition does).

#include <cstdint>
#include <span>

#include "framework/class_registry.h"
#include "framework/definition_tree.h"

namespace quendar {

void ReadDefinition(TComponent& root, std::span<const std::uint8_t> bytes,
                    const ClassRegistry& registry = ClassRegistry::Global());

// As ReadDefinition, from a decoded tree; offsets in errors are the tree's.
void ReadDefinitionTree(TComponent& root, const DefinitionObject& tree,
                        const ClassRegistry& registry = ClassRegistry::Global());

// Makes the root of the definition's registered class, reads the definition
// into it, then gives it to `owner` (may be nullptr: the caller owns it).
// On failure nothing of it remains.
TComponent* CreateFromDefinition(std::span<const std::uint8_t> bytes, TComponent* owner,
                                 const ClassRegistry& registry = ClassRegistry::Global());

}  // namespace quendar
