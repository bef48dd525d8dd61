#pragma once
// Internal to the menu services: the menu being tracked. One at a time; the
// popup windows of class "#32768" find their menu through it.
//
// Each open popup keeps a copy of its menu's items taken when it opened, so
// an owner that changes the menu while it is shown cannot pull the items
// from under the geometry.

#include <optional>
#include <vector>

#include "platform/device_context.h"
#include "platform/menu_layout.h"
#include "platform/menu_record.h"

namespace quendar {

inline constexpr const char* MenuClassName = "#32768";

struct OpenPopup {
    HMENU Menu;
    HWND Window;
    std::vector<MenuItemRecord> Items;
    MenuGeometry Geometry;
    int Selected = -1;
};

struct MenuSession {
    HWND Owner;
    UINT Flags = 0;
    HWND ActiveAtStart;
    std::vector<OpenPopup> Popups;  // the first one is the tracked menu, then its open submenus
    bool Finished = false;
    std::optional<UINT> Chosen;
};

// Null while no menu is tracked.
MenuSession* CurrentMenuSession();
OpenPopup* PopupOfWindow(HWND window);

// Registers the menu window class when it is not yet.
void EnsureMenuClass();

// Draws item `index` of the popup shown in `window`: owner-drawn items
// through WM_DRAWITEM to the session's owner, the others classically.
void DrawMenuItem(HWND window, DeviceContext& dc, int index, UINT action);

// Ends the session as cancelled.
void CancelMenuSession();

}  // namespace quendar
