#pragma once
// Platform menus made from menu items, for showing them.

#include <string>

#include "framework/menu_item.h"
#include "platform/menu.h"
#include "platform/menu_record.h"

namespace quendar {

// The caption, then a tab and the shortcut's text when the item has one.
std::string MenuItemText(const TMenuItem& item);

// The MF_* flags of the item's appearance (no MF_POPUP); owner-drawn when
// `ownerDraw` or the item has owner-draw hooks.
UINT MenuItemFlags(const TMenuItem& item, bool ownerDraw);

// A popup menu of the visible items in `parent`'s list, submenus built the
// same way; each item's identifier and item data are its Command. The
// caller destroys the menu.
HMENU BuildMenuHandle(const TMenuItem& parent, bool ownerDraw);

// How the platform would see the item, for classic measuring and painting
// of owner-drawn items that have no hooks for it.
MenuItemRecord ClassicRecordOf(const TMenuItem& item);

}  // namespace quendar
