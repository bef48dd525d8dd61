#pragma once
// Internal to the menu services: the records behind menu handles.

#include <string>
#include <vector>

#include "platform/menu.h"
#include "platform/window_types.h"

namespace quendar {

struct MenuItemRecord {
    UINT Type = MFT_STRING;  // MFT_* bits
    UINT State = 0;          // MFS_* bits
    UINT Id = 0;
    HMENU SubMenu;
    UINT_PTR Data = 0;
    std::string Text;

    bool IsSeparator() const { return (Type & MFT_SEPARATOR) != 0; }
    bool IsOwnerDrawn() const { return (Type & MFT_OWNERDRAW) != 0; }
    bool IsGrayed() const { return (State & MF_GRAYED) != 0; }
    // Can be highlighted and chosen.
    bool IsSelectable() const { return !IsSeparator() && (State & (MF_GRAYED | MF_DISABLED)) == 0; }
    bool StartsColumn() const { return (Type & (MFT_MENUBREAK | MFT_MENUBARBREAK)) != 0; }
};

struct MenuRecord {
    HMENU Handle;
    std::vector<MenuItemRecord> Items;
};

MenuRecord* LookUpMenu(HMENU menu);

}  // namespace quendar
