#pragma once
// The stored properties of the menu classes, for window definitions, and
// their registration by class name:
//   TMenuItem    AutoCheck, Break, Caption, Checked, Default, Enabled,
//                GroupIndex, Hint, RadioItem, ShortCut, Visible, Tag, OnClick
//   TPopupMenu   Alignment, AutoPopup, OwnerDraw, TrackButton, OnPopup
// Items nest in the definition inside their parent item, or inside the
// popup menu whose Items list holds them.

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& MenuItemProperties();
const PropertyTable& PopupMenuProperties();

// Registers TMenuItem and TPopupMenu.
void RegisterMenuClasses(ClassRegistry& registry);

}  // namespace quendar
