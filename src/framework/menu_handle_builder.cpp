#include "framework/menu_handle_builder.h"

#include <algorithm>

#include "framework/exception.h"

namespace quendar {

namespace {

// Stands in for a submenu handle where only its presence matters (the arrow).
constexpr HMENU PresentSubMenu = HMENU::FromValue(0xFFFFFFFFu);

}  // namespace

std::string MenuItemText(const TMenuItem& item) {
    std::string text = item.Caption();
    std::string shortCut = ShortCutToText(item.ShortCut());
    if (!shortCut.empty()) text += "\t" + shortCut;
    return text;
}

UINT MenuItemFlags(const TMenuItem& item, bool ownerDraw) {
    UINT flags = item.IsLine() ? UINT{MF_SEPARATOR} : UINT{MF_STRING};
    if (item.Checked()) flags |= MF_CHECKED;
    if (item.RadioItem()) flags |= MF_RADIOCHECK;
    if (!item.Enabled()) flags |= MF_GRAYED;
    if (item.Default()) flags |= MF_DEFAULT;
    if (item.Break() == TMenuBreak::mbBreak) flags |= MF_MENUBREAK;
    if (item.Break() == TMenuBreak::mbBarBreak) flags |= MF_MENUBARBREAK;
    if (ownerDraw || item.HasOwnerDrawHooks()) flags |= MF_OWNERDRAW;
    return flags;
}

HMENU BuildMenuHandle(const TMenuItem& parent, bool ownerDraw) {
    HMENU menu = CreatePopupMenu();
    try {
        for (int index = 0; index < parent.Count(); ++index) {
            const TMenuItem& item = *parent.Items(index);
            if (!item.Visible()) continue;
            UINT flags = MenuItemFlags(item, ownerDraw);
            UINT_PTR identifier = item.Command();
            if (item.Count() > 0 && !item.IsLine()) {
                HMENU sub = BuildMenuHandle(item, ownerDraw);
                flags |= MF_POPUP;
                identifier = MenuToWParam(sub);
                if (!AppendMenu(menu, flags, identifier, MenuItemText(item))) {
                    DestroyMenu(sub);
                    throw Exception("Cannot build the menu item " + item.Caption());
                }
            } else if (!AppendMenu(menu, flags, identifier, MenuItemText(item))) {
                throw Exception("Cannot build the menu item " + item.Caption());
            }
            MENUITEMINFO data;
            data.fMask = MIIM_DATA;
            data.dwItemData = item.Command();
            SetMenuItemInfo(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE, data);
        }
    } catch (...) {
        DestroyMenu(menu);
        throw;
    }
    return menu;
}

MenuItemRecord ClassicRecordOf(const TMenuItem& item) {
    UINT flags = MenuItemFlags(item, false);
    MenuItemRecord record;
    record.Type = flags & (MFT_SEPARATOR | MFT_RADIOCHECK | MFT_MENUBREAK | MFT_MENUBARBREAK);
    record.State = flags & (MF_GRAYED | MF_CHECKED | MF_DEFAULT);
    record.Id = item.Command();
    record.Data = item.Command();
    record.Text = MenuItemText(item);
    if (item.Count() > 0 && !item.IsLine()) record.SubMenu = PresentSubMenu;
    return record;
}

}  // namespace quendar
