#pragma once
// Popup menus: building them (items with text and shortcut text, separators,
// check and radio marks, enabled state, column breaks, submenus, owner-drawn
// items) and showing them with TrackPopupMenu.
//
// Item text: "&x" marks x as the accelerator ("&&" is a plain "&"); a tab
// separates the item's text from its shortcut text ("Close\tAlt+F4").
//
// Items are addressed by command identifier (MF_BYCOMMAND, the default; the
// search goes into submenus) or by position (MF_BYPOSITION).

#include <string>
#include <string_view>

#include "platform/geometry.h"
#include "platform/menu_handle.h"
#include "platform/window_types.h"

namespace quendar {

// Item flags of AppendMenu, InsertMenu and ModifyMenu, and GetMenuState's answer.
enum : UINT {
    MF_INSERT = 0x0000,
    MF_BYCOMMAND = 0x0000,
    MF_BYPOSITION = 0x0400,
    MF_STRING = 0x0000,
    MF_ENABLED = 0x0000,
    MF_GRAYED = 0x0001,    // not choosable, drawn grayed
    MF_DISABLED = 0x0002,  // not choosable
    MF_UNCHECKED = 0x0000,
    MF_CHECKED = 0x0008,
    MF_POPUP = 0x0010,         // the identifier is a submenu's handle value
    MF_MENUBARBREAK = 0x0020,  // starts a new column after a vertical line
    MF_MENUBREAK = 0x0040,     // starts a new column
    MF_HILITE = 0x0080,
    MF_OWNERDRAW = 0x0100,
    MF_RADIOCHECK = 0x0200,  // the check mark is a dot
    MF_SEPARATOR = 0x0800,
    MF_DEFAULT = 0x1000,
};

// MENUITEMINFO: which fields count, the item's type and its state.
enum : UINT {
    MIIM_STATE = 0x0001,
    MIIM_ID = 0x0002,
    MIIM_SUBMENU = 0x0004,
    MIIM_DATA = 0x0020,
    MIIM_STRING = 0x0040,
    MIIM_FTYPE = 0x0100,
};

enum : UINT {
    MFT_STRING = 0x0000,
    MFT_MENUBARBREAK = 0x0020,
    MFT_MENUBREAK = 0x0040,
    MFT_OWNERDRAW = 0x0100,
    MFT_RADIOCHECK = 0x0200,
    MFT_SEPARATOR = 0x0800,
};

enum : UINT {
    MFS_ENABLED = 0x0000,
    MFS_UNCHECKED = 0x0000,
    MFS_GRAYED = 0x0003,
    MFS_DISABLED = 0x0003,
    MFS_CHECKED = 0x0008,
    MFS_HILITE = 0x0080,
    MFS_DEFAULT = 0x1000,
};

// TrackPopupMenu flags.
enum : UINT {
    TPM_LEFTBUTTON = 0x0000,
    TPM_RIGHTBUTTON = 0x0002,  // the right button chooses too
    TPM_LEFTALIGN = 0x0000,
    TPM_CENTERALIGN = 0x0004,
    TPM_RIGHTALIGN = 0x0008,
    TPM_TOPALIGN = 0x0000,
    TPM_VCENTERALIGN = 0x0010,
    TPM_BOTTOMALIGN = 0x0020,
    TPM_NONOTIFY = 0x0080,  // no notifications to the owner, no WM_COMMAND
    TPM_RETURNCMD = 0x0100,
};

// WM_MENUSELECT flags (high word of wParam) and the answer of menu
// functions that find no item.
constexpr UINT MenuSelectClosed = 0xFFFF;
constexpr int MenuItemNotFound = -1;

// Sent to a "#32768" window: answers the handle value of the menu it shows.
constexpr UINT MN_GETHMENU = 0x01E1;
// WM_UNINITMENUPOPUP: the popup menu in wParam closes.
constexpr UINT WM_UNINITMENUPOPUP = 0x0125;

inline WPARAM MenuToWParam(HMENU menu) { return static_cast<WPARAM>(menu.Value()); }
inline LPARAM MenuToLParam(HMENU menu) { return static_cast<LPARAM>(menu.Value()); }
inline HMENU MenuFromParam(std::uintptr_t value) {
    return HMENU::FromValue(static_cast<std::uint32_t>(value));
}

struct MENUITEMINFO {
    UINT fMask = 0;
    UINT fType = MFT_STRING;
    UINT fState = MFS_ENABLED;
    UINT wID = 0;
    HMENU hSubMenu;
    UINT_PTR dwItemData = 0;
    std::string dwTypeData;  // the text (UTF-8)
};

HMENU CreatePopupMenu();
// Destroys the menu and its submenus; false for a stale handle.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// With MF_POPUP the identifier is the submenu's handle value (MenuToWParam);
// the submenu then belongs to the item and is destroyed with it. A menu
// cannot contain itself.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, std::string_view text);
// Inserts before the item at `position` (MF_BYCOMMAND / MF_BYPOSITION in
// flags); a position past the end appends.
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubMenu, std::string_view text);
// Replaces the item's type, state, identifier and text.
BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubMenu, std::string_view text);
// Removes an item; DeleteMenu also destroys its submenu, RemoveMenu leaves
// the submenu alive for the caller.
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);

// The fields named by fMask; `byPosition` chooses how `item` is read.
BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO& info);
BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO& info);
BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO& info);

// -1 for a stale handle.
int GetMenuItemCount(HMENU menu);
// The item's identifier; 0 for a separator, -1 (as UINT) for a submenu item
// or a position out of range.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
// The item's MF_* flags (a submenu item also carries its item count in the
// high byte); MenuItemNotFound as UINT when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// The item's text including "&" and the shortcut; empty when there is none.
std::string GetMenuString(HMENU menu, UINT item, UINT flags);
// Answer the previous MF_GRAYED/MF_DISABLED or MF_CHECKED bits; -1 when
// the item does not exist.
int EnableMenuItem(HMENU menu, UINT item, UINT enable);
int CheckMenuItem(HMENU menu, UINT item, UINT check);
// Checks `check` with a radio mark and unchecks the others of first..last.
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);

// Shows the menu at the screen point and runs a modal loop until an item is
// chosen or the menu is cancelled.
//
// The owner gets WM_ENTERMENULOOP, WM_INITMENU and WM_INITMENUPOPUP first,
// WM_MEASUREITEM for each owner-drawn item before it is shown, WM_DRAWITEM
// to draw them, WM_MENUSELECT as the selection moves and WM_UNINITMENUPOPUP
// and WM_EXITMENULOOP at the end (none of them with TPM_NONOTIFY).
//
// The menu is a top-level window of the class "#32768" owned by `owner`;
// it holds the mouse capture while open. Answer with TPM_RETURNCMD: the
// chosen identifier, 0 on cancel. Without it WM_COMMAND (identifier in
// the low word) is posted to the owner and the answer is TRUE when an item
// was chosen, FALSE otherwise. FALSE at once for a stale menu or owner or
// while another menu is being tracked.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner);
// Cancels the menu being tracked; false when none is.
BOOL EndMenu();
// Screen rectangle of an item of a menu on screen; false when not shown.
BOOL GetMenuItemRect(HMENU menu, UINT position, Rect& out);

}  // namespace quendar
