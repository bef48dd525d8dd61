#pragma once
// The stored properties of the image, for window definitions:
//   TImage  TControl's + Picture (its Data), AutoSize, Center, Stretch,
//           Transparent, all off by default.

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& ImageProperties();

// Registers TImage.
void RegisterImageClasses(ClassRegistry& registry);

}  // namespace quendar
