#pragma once
// The stored properties of the timer, for window definitions:
//   TTimer  Enabled (true), Interval (1000), Tag, OnTimer.

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& TimerProperties();

// Registers TTimer.
void RegisterTimerClasses(ClassRegistry& registry);

}  // namespace quendar
