#pragma once
// Records of owner-drawn items: WM_MEASUREITEM asks the owner for an item's
// size, WM_DRAWITEM asks it to draw the item. Both carry a pointer to the
// record in lParam.

#include "platform/geometry.h"
#include "platform/menu_handle.h"
#include "platform/window_dc.h"
#include "platform/window_types.h"

namespace quendar {

// Kinds of owner-drawn controls.
enum : UINT { ODT_MENU = 1, ODT_LISTBOX = 2, ODT_COMBOBOX = 3, ODT_BUTTON = 4, ODT_STATIC = 5 };

// What WM_DRAWITEM asks for.
enum : UINT { ODA_DRAWENTIRE = 0x1, ODA_SELECT = 0x2, ODA_FOCUS = 0x4 };

// The item's state when drawn.
enum : UINT {
    ODS_SELECTED = 0x0001,
    ODS_GRAYED = 0x0002,
    ODS_DISABLED = 0x0004,
    ODS_CHECKED = 0x0008,
    ODS_FOCUS = 0x0010,
    ODS_DEFAULT = 0x0020,
    ODS_HOTLIGHT = 0x0040,
    ODS_NOACCEL = 0x0100,
};

// The owner fills in itemWidth and itemHeight.
struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    UINT_PTR itemData = 0;
};

struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    // The window the item is drawn on: for menus the popup window of class
    // "#32768"; hMenu then names the menu.
    HWND hwndItem;
    HMENU hMenu;
    HDC hDC = nullptr;
    Rect rcItem;  // in hDC's coordinates
    UINT_PTR itemData = 0;
};

}  // namespace quendar
