#include "framework/popup_menu.h"

#include "framework/menu_handle_builder.h"
#include "framework/menu_owner_window.h"
#include "platform/menu.h"

namespace quendar {

namespace {

UINT TrackFlags(TPopupAlignment alignment, TTrackButton button) {
    UINT flags = TPM_RETURNCMD;
    if (alignment == TPopupAlignment::paRight) flags |= TPM_RIGHTALIGN;
    if (alignment == TPopupAlignment::paCenter) flags |= TPM_CENTERALIGN;
    if (button == TTrackButton::tbRightButton) flags |= TPM_RIGHTBUTTON;
    return flags;
}

// Destroys the platform menu however Popup ends.
struct MenuHandleGuard {
    HMENU Menu;
    ~MenuHandleGuard() { DestroyMenu(Menu); }
};

bool ShowsAnything(const TMenuItem& items) {
    for (int index = 0; index < items.Count(); ++index) {
        if (items.Items(index)->Visible()) return true;
    }
    return false;
}

// The first item in menu order, submenus searched where they stand.
TMenuItem* ShownItemWithShortCut(const TMenuItem& parent, TShortCut shortCut) {
    for (int index = 0; index < parent.Count(); ++index) {
        TMenuItem* item = parent.Items(index);
        if (!item->Visible() || !item->Enabled()) continue;
        if (item->Count() == 0 && item->ShortCut() == shortCut) return item;
        if (TMenuItem* found = ShownItemWithShortCut(*item, shortCut)) return found;
    }
    return nullptr;
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(CreateComponent<TMenuItem>(nullptr)) {
    items_->menu_ = this;
}

TPopupMenu::~TPopupMenu() {
    *alive_ = false;
    SetPopupComponent(nullptr);
}

void TPopupMenu::SetPopupComponent(TComponent* value) {
    if (popupComponent_ == value) return;
    if (popupComponent_ != nullptr) popupComponent_->RemoveFreeNotification(this);
    popupComponent_ = value;
    if (value != nullptr) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = {x, y};
    std::shared_ptr<bool> alive = alive_;
    DoPopup();
    if (!*alive || !ShowsAnything(*items_)) return;
    MenuHandleGuard built{BuildMenuHandle(*items_, ownerDraw_)};
    UINT command = 0;
    {
        MenuOwnerWindow owner(*this, alive);
        if (!owner.Handle()) return;
        command = static_cast<UINT>(
            TrackPopupMenu(built.Menu, TrackFlags(alignment_, trackButton_), x, y, owner.Handle()));
    }
    // The menu may have been freed, or its items changed, while it was open.
    if (!*alive || command == 0) return;
    if (TMenuItem* chosen = FindItem(command)) chosen->Click();
}

TMenuItem* TPopupMenu::FindShortCut(TShortCut shortCut) {
    if (shortCut == scNone) return nullptr;
    return ShownItemWithShortCut(*items_, shortCut);
}

bool TPopupMenu::IsShortCut(int key, TShiftState shift) {
    TMenuItem* item = FindShortCut(ShortCut(key, shift));
    if (item == nullptr) return false;
    item->Click();
    return true;
}

}  // namespace quendar
