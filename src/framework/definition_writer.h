#pragma once
// Component tree to window definition.
//
// The root and every component it owns are written, each as an object of
// its registered class: its properties that differ from their defaults, in
// table order, then the objects nested in it. A component nests in the
// object of the component its table's ParentOf names (the root's when
// none); components of one level keep the root's component order, which is
// the order they are created in again when the definition is read.
//
// Raises EWriteError for an unregistered class or a value the format
// cannot hold.

#include <cstdint>
#include <vector>

#include "framework/class_registry.h"
#include "framework/definition_tree.h"

namespace quendar {

DefinitionObject DefinitionTreeOf(const TComponent& root,
                                  const ClassRegistry& registry = ClassRegistry::Global());

std::vector<std::uint8_t> WriteDefinition(const TComponent& root,
                                          const ClassRegistry& registry = ClassRegistry::Global());

}  // namespace quendar
