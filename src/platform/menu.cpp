// Building and querying menus. Showing them is menu_tracking.cpp.

#include "platform/menu.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/menu_record.h"

namespace quendar {

namespace {

struct MenuTable {
    std::unordered_map<std::uint32_t, std::unique_ptr<MenuRecord>> Menus;
    std::uint32_t NextHandle = 0x1000;
};

MenuTable& Table() {
    static MenuTable table;
    return table;
}

constexpr UINT TypeFlags = MF_SEPARATOR | MF_OWNERDRAW | MF_RADIOCHECK | MF_MENUBREAK | MF_MENUBARBREAK;
constexpr UINT StateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

struct ItemPlace {
    MenuRecord* Menu = nullptr;
    std::size_t Index = 0;
};

ItemPlace FindByCommand(MenuRecord& menu, UINT id, int depth) {
    // Menus nest only as deep as their items allow; the bound guards against
    // a submenu shared into its own ancestors through MIIM_SUBMENU misuse.
    if (depth > 64) return {};
    for (std::size_t index = 0; index < menu.Items.size(); ++index) {
        const MenuItemRecord& item = menu.Items[index];
        if (!item.SubMenu && !item.IsSeparator() && item.Id == id) return {&menu, index};
    }
    for (const MenuItemRecord& item : menu.Items) {
        if (MenuRecord* sub = LookUpMenu(item.SubMenu)) {
            if (ItemPlace found = FindByCommand(*sub, id, depth + 1); found.Menu) return found;
        }
    }
    return {};
}

ItemPlace FindItem(HMENU menu, UINT item, bool byPosition) {
    MenuRecord* record = LookUpMenu(menu);
    if (record == nullptr) return {};
    if (byPosition) {
        if (item >= record->Items.size()) return {};
        return {record, item};
    }
    return FindByCommand(*record, item, 0);
}

MenuItemRecord* ItemAt(const ItemPlace& place) {
    return place.Menu ? &place.Menu->Items[place.Index] : nullptr;
}

// Whether `inner` is `outer` or lies somewhere below it.
bool Contains(HMENU outer, HMENU inner, int depth) {
    if (outer == inner) return true;
    MenuRecord* record = LookUpMenu(outer);
    if (record == nullptr || depth > 64) return false;
    for (const MenuItemRecord& item : record->Items) {
        if (item.SubMenu && Contains(item.SubMenu, inner, depth + 1)) return true;
    }
    return false;
}

// A submenu may go into `menu` when it exists and does not hold `menu`.
bool AcceptableSubMenu(HMENU menu, HMENU sub) {
    return LookUpMenu(sub) != nullptr && !Contains(sub, menu, 0);
}

bool ItemFromFlags(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, std::string_view text,
                   MenuItemRecord& item) {
    item.Type = flags & TypeFlags;
    item.State = flags & StateFlags;
    item.Text = std::string(text);
    if (flags & MF_POPUP) {
        HMENU sub = MenuFromParam(idOrSubMenu);
        if (!AcceptableSubMenu(menu, sub)) return false;
        item.SubMenu = sub;
        item.Id = 0;
    } else {
        item.Id = static_cast<UINT>(idOrSubMenu);
    }
    if (item.IsSeparator()) item.Text.clear();
    return true;
}

bool ApplyInfo(HMENU menu, const MENUITEMINFO& info, MenuItemRecord& item) {
    if ((info.fMask & MIIM_SUBMENU) && info.hSubMenu && !AcceptableSubMenu(menu, info.hSubMenu)) return false;
    if (info.fMask & MIIM_FTYPE) item.Type = info.fType & TypeFlags;
    if (info.fMask & MIIM_STATE) item.State = info.fState & StateFlags;
    if (info.fMask & MIIM_ID) item.Id = info.wID;
    if (info.fMask & MIIM_SUBMENU) item.SubMenu = info.hSubMenu;
    if (info.fMask & MIIM_DATA) item.Data = info.dwItemData;
    if (info.fMask & MIIM_STRING) item.Text = info.dwTypeData;
    return true;
}

bool Remove(HMENU menu, UINT position, UINT flags, bool destroySubMenu) {
    ItemPlace place = FindItem(menu, position, (flags & MF_BYPOSITION) != 0);
    if (!place.Menu) return false;
    HMENU sub = place.Menu->Items[place.Index].SubMenu;
    place.Menu->Items.erase(place.Menu->Items.begin() + static_cast<std::ptrdiff_t>(place.Index));
    if (destroySubMenu && sub) DestroyMenu(sub);
    return true;
}

}  // namespace

MenuRecord* LookUpMenu(HMENU menu) {
    auto& menus = Table().Menus;
    auto found = menus.find(menu.Value());
    return found == menus.end() ? nullptr : found->second.get();
}

HMENU CreatePopupMenu() {
    MenuTable& table = Table();
    HMENU handle = HMENU::FromValue(table.NextHandle++);
    auto record = std::make_unique<MenuRecord>();
    record->Handle = handle;
    table.Menus.emplace(handle.Value(), std::move(record));
    return handle;
}

BOOL DestroyMenu(HMENU menu) {
    auto& menus = Table().Menus;
    auto found = menus.find(menu.Value());
    if (found == menus.end()) return FALSE;
    std::unique_ptr<MenuRecord> record = std::move(found->second);
    menus.erase(found);
    for (const MenuItemRecord& item : record->Items) {
        if (item.SubMenu) DestroyMenu(item.SubMenu);
    }
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return LookUpMenu(menu) != nullptr ? TRUE : FALSE; }

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, std::string_view text) {
    MenuRecord* record = LookUpMenu(menu);
    if (record == nullptr) return FALSE;
    return InsertMenu(menu, static_cast<UINT>(record->Items.size()), flags | MF_BYPOSITION, idOrSubMenu,
                      text);
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubMenu, std::string_view text) {
    MenuItemRecord item;
    if (LookUpMenu(menu) == nullptr || !ItemFromFlags(menu, flags, idOrSubMenu, text, item)) return FALSE;
    ItemPlace place = FindItem(menu, position, (flags & MF_BYPOSITION) != 0);
    if (!place.Menu) {
        // Past the end, or a command that is not there: append.
        place = {LookUpMenu(menu), LookUpMenu(menu)->Items.size()};
    }
    place.Menu->Items.insert(place.Menu->Items.begin() + static_cast<std::ptrdiff_t>(place.Index),
                             std::move(item));
    return TRUE;
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSubMenu, std::string_view text) {
    MenuItemRecord* item = ItemAt(FindItem(menu, position, (flags & MF_BYPOSITION) != 0));
    MenuItemRecord replacement;
    if (item == nullptr || !ItemFromFlags(menu, flags, idOrSubMenu, text, replacement)) return FALSE;
    replacement.Data = item->Data;
    *item = std::move(replacement);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, false) ? TRUE : FALSE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, true) ? TRUE : FALSE;
}

BOOL InsertMenuItem(HMENU menu, UINT position, BOOL byPosition, const MENUITEMINFO& info) {
    MenuRecord* record = LookUpMenu(menu);
    MenuItemRecord item;
    if (record == nullptr || !ApplyInfo(menu, info, item)) return FALSE;
    ItemPlace place = FindItem(menu, position, byPosition != FALSE);
    if (!place.Menu) place = {record, record->Items.size()};
    place.Menu->Items.insert(place.Menu->Items.begin() + static_cast<std::ptrdiff_t>(place.Index),
                             std::move(item));
    return TRUE;
}

BOOL SetMenuItemInfo(HMENU menu, UINT position, BOOL byPosition, const MENUITEMINFO& info) {
    MenuItemRecord* item = ItemAt(FindItem(menu, position, byPosition != FALSE));
    if (item == nullptr) return FALSE;
    MenuItemRecord changed = *item;
    if (!ApplyInfo(menu, info, changed)) return FALSE;
    *item = std::move(changed);
    return TRUE;
}

BOOL GetMenuItemInfo(HMENU menu, UINT position, BOOL byPosition, MENUITEMINFO& info) {
    const MenuItemRecord* item = ItemAt(FindItem(menu, position, byPosition != FALSE));
    if (item == nullptr) return FALSE;
    if (info.fMask & MIIM_FTYPE) info.fType = item->Type;
    if (info.fMask & MIIM_STATE) info.fState = item->State;
    if (info.fMask & MIIM_ID) info.wID = item->Id;
    if (info.fMask & MIIM_SUBMENU) info.hSubMenu = item->SubMenu;
    if (info.fMask & MIIM_DATA) info.dwItemData = item->Data;
    if (info.fMask & MIIM_STRING) info.dwTypeData = item->Text;
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    MenuRecord* record = LookUpMenu(menu);
    return record == nullptr ? -1 : static_cast<int>(record->Items.size());
}

UINT GetMenuItemID(HMENU menu, int position) {
    if (position < 0) return static_cast<UINT>(MenuItemNotFound);
    const MenuItemRecord* item = ItemAt(FindItem(menu, static_cast<UINT>(position), true));
    if (item == nullptr || item->SubMenu) return static_cast<UINT>(MenuItemNotFound);
    return item->IsSeparator() ? 0 : item->Id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    if (position < 0) return HMENU();
    const MenuItemRecord* item = ItemAt(FindItem(menu, static_cast<UINT>(position), true));
    return item != nullptr && LookUpMenu(item->SubMenu) != nullptr ? item->SubMenu : HMENU();
}

UINT GetMenuState(HMENU menu, UINT position, UINT flags) {
    const MenuItemRecord* item = ItemAt(FindItem(menu, position, (flags & MF_BYPOSITION) != 0));
    if (item == nullptr) return static_cast<UINT>(MenuItemNotFound);
    UINT state = item->Type | item->State;
    if (item->SubMenu)
        state |= MF_POPUP | (static_cast<UINT>(std::max(0, GetMenuItemCount(item->SubMenu))) << 8);
    return state;
}

std::string GetMenuString(HMENU menu, UINT position, UINT flags) {
    const MenuItemRecord* item = ItemAt(FindItem(menu, position, (flags & MF_BYPOSITION) != 0));
    return item == nullptr ? std::string() : item->Text;
}

int EnableMenuItem(HMENU menu, UINT position, UINT enable) {
    MenuItemRecord* item = ItemAt(FindItem(menu, position, (enable & MF_BYPOSITION) != 0));
    if (item == nullptr) return MenuItemNotFound;
    int previous = static_cast<int>(item->State & (MF_GRAYED | MF_DISABLED));
    item->State = (item->State & ~UINT{MF_GRAYED | MF_DISABLED}) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

int CheckMenuItem(HMENU menu, UINT position, UINT check) {
    MenuItemRecord* item = ItemAt(FindItem(menu, position, (check & MF_BYPOSITION) != 0));
    if (item == nullptr) return MenuItemNotFound;
    int previous = static_cast<int>(item->State & MF_CHECKED);
    item->State = (item->State & ~UINT{MF_CHECKED}) | (check & MF_CHECKED);
    return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
    bool byPosition = (flags & MF_BYPOSITION) != 0;
    ItemPlace target = FindItem(menu, check, byPosition);
    if (!target.Menu) return FALSE;
    MenuRecord& owner = *target.Menu;
    for (std::size_t index = 0; index < owner.Items.size(); ++index) {
        MenuItemRecord& item = owner.Items[index];
        UINT key = byPosition ? static_cast<UINT>(index) : item.Id;
        if (key < first || key > last || item.IsSeparator()) continue;
        if (index == target.Index) {
            item.State |= MF_CHECKED;
            item.Type |= MFT_RADIOCHECK;
        } else {
            item.State &= ~UINT{MF_CHECKED};
        }
    }
    return TRUE;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT position, UINT byPosition) {
    MenuRecord* record = LookUpMenu(menu);
    if (record == nullptr) return FALSE;
    ItemPlace place = FindItem(menu, position, byPosition != 0);
    if (position != static_cast<UINT>(MenuItemNotFound) && place.Menu != record) return FALSE;
    for (std::size_t index = 0; index < record->Items.size(); ++index) {
        MenuItemRecord& item = record->Items[index];
        if (place.Menu == record && index == place.Index)
            item.State |= MF_DEFAULT;
        else
            item.State &= ~UINT{MF_DEFAULT};
    }
    return TRUE;
}

}  // namespace quendar
