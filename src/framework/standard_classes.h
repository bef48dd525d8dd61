#pragma once
// Registers every class a stored window definition may name: the graphics
// sub-objects, the base controls and forms, and the standard controls.

namespace quendar {

class ClassRegistry;

void RegisterStandardClasses(ClassRegistry& registry);

}  // namespace quendar
