#pragma once
// TPopupMenu: a menu of TMenuItems shown at a screen point.
//
// Popup builds a platform menu from the visible items, shows it with
// TrackPopupMenu owned by a hidden window of its own (which answers the
// owner-draw requests with the items' hooks) and, once it closed, clicks
// the chosen item. The window named by WindowHandle, when set, gets the
// menu notifications the owner of a tracked menu gets (WM_ENTERMENULOOP,
// WM_INITMENUPOPUP, WM_MENUSELECT, WM_ENTERIDLE, WM_UNINITMENUPOPUP,
// WM_EXITMENULOOP), so a form can follow its menu while it is open.
//
// Owner drawing: items of an OwnerDraw menu, and items with hooks of their
// own, are drawn by their owner. Such an item without a measure hook gets
// the classic size; without draw hooks, the classic look.

#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/menu_item.h"
#include "framework/notify_event.h"
#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

// Where the menu stands relative to the point it pops up at.
enum class TPopupAlignment { paLeft, paRight, paCenter };
// Which mouse button chooses an item (the left one always does).
enum class TTrackButton { tbRightButton, tbLeftButton };

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    std::string ClassName() const override { return "TPopupMenu"; }

    // The root item, whose list holds the menu's items.
    TMenuItem& Items() { return *items_; }
    const TMenuItem& Items() const { return *items_; }

    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool value) { ownerDraw_ = value; }
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment value) { alignment_ = value; }
    // Whether the control it belongs to shows it on a right click.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    TTrackButton TrackButton() const { return trackButton_; }
    void SetTrackButton(TTrackButton value) { trackButton_ = value; }

    // The component the menu was last shown for; cleared when it dies.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* value);
    // The screen point of the last Popup.
    Point PopupPoint() const { return popupPoint_; }
    // The window told about the menu while it is open (see above); may be null.
    HWND WindowHandle() const { return windowHandle_; }
    void SetWindowHandle(HWND value) { windowHandle_ = value; }

    // Fires OnPopup, shows the menu at the screen point and waits until it
    // closes; then clicks the chosen item. Returns at once, showing nothing,
    // while another menu is open or when no item is visible.
    virtual void Popup(int x, int y);

    // The enabled, visible item with this shortcut (searched through
    // submenus whose items show), or nullptr.
    TMenuItem* FindShortCut(TShortCut shortCut);
    // Clicks the item of the key's shortcut; false when there is none.
    bool IsShortCut(int key, TShiftState shift);
    // The item with the command, or nullptr.
    TMenuItem* FindItem(UINT command) { return items_->FindItem(command); }

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    virtual void DoPopup() { OnPopup(this); }

private:
    TComponentPtr<TMenuItem> items_;
    bool ownerDraw_ = false;
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
    bool autoPopup_ = true;
    TTrackButton trackButton_ = TTrackButton::tbRightButton;
    TComponent* popupComponent_ = nullptr;
    Point popupPoint_;
    HWND windowHandle_;
    // Shared with a Popup in progress, which must not touch a menu freed
    // while it was open.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace quendar
