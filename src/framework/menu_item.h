#pragma once
// TMenuItem: one entry of a popup menu, and the list of entries of its
// submenu.
//
// Items and their lists: an item is in at most one parent's list. A parent
// frees the items still in its list when it dies; an item that dies first
// leaves its parent's list. Delete and Remove only take an item out of the
// list (the caller then frees it or adds it elsewhere). Which component
// owns an item (for naming and the window definition) is separate from
// which parent lists it.
//
// Command: every item has a number unique among living items, by which the
// platform menu built from it names it (as its identifier and item data).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"
#include "framework/notify_event.h"
#include "framework/short_cut.h"
#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

class TCanvas;
class TPopupMenu;

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

// The item's state while it is drawn; the bits are the window system's ODS_* values.
enum class TOwnerDrawState : std::uint32_t {
    odNone = 0,
    odSelected = 0x0001,
    odGrayed = 0x0002,
    odDisabled = 0x0004,
    odChecked = 0x0008,
    odFocused = 0x0010,
    odDefault = 0x0020,
    odHotLight = 0x0040,
    odNoAccel = 0x0100,
};
QUENDAR_FLAG_OPERATORS(TOwnerDrawState)

// `width` and `height` come in with the size the item would have undrawn
// by its owner; the handler may change them.
using TMenuMeasureItemEvent =
    std::function<void(TComponent* sender, TCanvas& canvas, int& width, int& height)>;
// The canvas comes with the menu font and the brush and font colours of the
// item's state; `rect` is the item's area on it.
using TMenuDrawItemEvent =
    std::function<void(TComponent* sender, TCanvas& canvas, const Rect& rect, bool selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TComponent* sender, TCanvas& canvas, const Rect& rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    std::string ClassName() const override { return "TMenuItem"; }

    // "-" makes the item a separator; "&x" marks x as the accelerator.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value) { caption_ = value; }
    bool IsLine() const { return caption_ == "-"; }

    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut value) { shortCut_ = value; }

    // Checking a radio item unchecks the radio items of its parent with the
    // same GroupIndex (not while the item is being loaded).
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool value);
    std::uint8_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(std::uint8_t value);
    // A click checks the item first: a plain item toggles, a radio item
    // becomes the checked one of its group.
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool value) { autoCheck_ = value; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    // Invisible items are left out of the menu shown.
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }
    // Shown in bold; at most one item per menu should be the default.
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }
    TMenuBreak Break() const { return break_; }
    void SetBreak(TMenuBreak value) { break_ = value; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { hint_ = value; }

    // --- the submenu's items ----------------------------------------------------
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises Exception "Menu index out of range" outside 0..Count-1.
    TMenuItem* Items(int index) const;
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    // Position in the parent's list, -1 without parent.
    int MenuIndex() const { return parent_ != nullptr ? parent_->IndexOf(this) : -1; }

    void Add(TMenuItem* item) { Insert(Count(), item); }
    // Raises Exception for a null item, "Menu item inserted twice" for an
    // item already listed somewhere, "A menu item cannot contain itself"
    // for this item, one of its parents or a menu's root, and "Menu index
    // out of range" outside 0..Count.
    void Insert(int index, TMenuItem* item);
    // Takes the item at `index` out of the list without freeing it.
    void Delete(int index);
    // Takes `item` out of the list; raises Exception "Menu item not found"
    // when it is not in it.
    void Remove(TMenuItem* item);
    // Frees every item of the list.
    void Clear();
    // The first item whose caption matches without "&" and regardless of case, or nullptr.
    TMenuItem* Find(std::string_view caption) const;

    // The popup menu whose Items this item is, or is under; nullptr for a loose item.
    TPopupMenu* GetParentMenu() const;
    UINT Command() const { return command_; }
    // This item or one below it with the command, or nullptr.
    TMenuItem* FindItem(UINT command);
    // Whether the item is drawn by its owner even in a menu that is not OwnerDraw.
    bool HasOwnerDrawHooks() const {
        return static_cast<bool>(OnMeasureItem) || static_cast<bool>(OnDrawItem) ||
               static_cast<bool>(OnAdvancedDrawItem);
    }

    // Checks the item when AutoCheck, then fires OnClick (a disabled item does nothing).
    virtual void Click();

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

private:
    friend class TPopupMenu;

    void TurnSiblingsOff();

    std::string caption_;
    TShortCut shortCut_ = scNone;
    bool checked_ = false;
    bool radioItem_ = false;
    std::uint8_t groupIndex_ = 0;
    bool autoCheck_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    TMenuBreak break_ = TMenuBreak::mbNone;
    std::string hint_;

    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    // Set on the root item of a popup menu only.
    TPopupMenu* menu_ = nullptr;
    UINT command_ = 0;
};

}  // namespace quendar
