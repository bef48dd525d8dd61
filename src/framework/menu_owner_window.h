#pragma once
// The hidden window that owns a popup menu while TPopupMenu tracks it: it
// measures and draws the owner-drawn items through their hooks on a TCanvas
// and passes the menu notifications on to the popup menu's WindowHandle.

#include <memory>

#include "platform/owner_draw.h"
#include "platform/window_types.h"

namespace quendar {

class TPopupMenu;

class MenuOwnerWindow {
public:
    // The window asks `menu` for its items only while `alive` holds true.
    MenuOwnerWindow(TPopupMenu& menu, std::shared_ptr<bool> alive);
    ~MenuOwnerWindow();
    MenuOwnerWindow(const MenuOwnerWindow&) = delete;
    MenuOwnerWindow& operator=(const MenuOwnerWindow&) = delete;

    // Null when the window could not be made.
    HWND Handle() const { return window_; }

private:
    LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void MeasureItem(MEASUREITEMSTRUCT& measure);
    void DrawItem(const DRAWITEMSTRUCT& draw);

    TPopupMenu& menu_;
    std::shared_ptr<bool> alive_;
    HWND window_;
};

}  // namespace quendar
