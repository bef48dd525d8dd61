#pragma once
// The stored properties of the edit classes and their registration by class name:
//   TEdit   TWinControl's + Text, AutoSelect, BorderStyle, Ctl3D, BevelKind,
//           BevelInner, BevelOuter, HideSelection, MaxLength, PasswordChar,
//           ReadOnly, OnChange (TabStop defaults to on; Caption is read as
//           the text but never written, Text stands for it)

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& EditProperties();

// Registers TEdit.
void RegisterEditClasses(ClassRegistry& registry);

}  // namespace quendar
