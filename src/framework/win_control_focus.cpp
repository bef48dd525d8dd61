// TWinControl: tab order, focus and the keyboard.

#include <algorithm>
#include <climits>

#include "framework/custom_form.h"
#include "framework/exception.h"
#include "framework/win_control.h"
#include "platform/window_system.h"

namespace quendar {

namespace {

// The character that the window system's key translation makes of a key
// that was taken as a dialog key; that character is swallowed when it
// follows, so the focused control never sees a Tab, Enter or Esc it did not want.
char32_t swallowedCharacter = 0;

char32_t CharacterOfKey(int key) {
    switch (key) {
        case VK_TAB: return U'\t';
        case VK_RETURN: return U'\r';
        case VK_ESCAPE: return 27;
        default: return 0;
    }
}

bool IsSpecialKey(int key) {
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_CANCEL ||
           (key >= VK_LEFT && key <= VK_DOWN);
}

}  // namespace

// --- tab order -------------------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (Parent() == nullptr) return -1;
    const auto& list = Parent()->tabList_;
    auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    storedTabOrder_ = value;
    if (Contains(ComponentState(), TComponentState::csLoading | TComponentState::csReading)) return;
    if (Parent() == nullptr) return;
    auto& list = Parent()->tabList_;
    auto found = std::find(list.begin(), list.end(), this);
    if (found == list.end()) return;
    list.erase(found);
    int place = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + place, this);
}

void TWinControl::FixupTabList() {
    // Children read from a definition arrive in stacking order; their stored
    // tab orders decide. Those without one keep their place after the others.
    auto key = [](const TWinControl* control) {
        return control->storedTabOrder_ >= 0 ? control->storedTabOrder_ : INT_MAX;
    };
    std::stable_sort(tabList_.begin(), tabList_.end(),
                     [&](const TWinControl* a, const TWinControl* b) { return key(a) < key(b); });
}

void TWinControl::SetTabStop(bool value) {
    if (value == tabStop_) return;
    tabStop_ = value;
    if (HandleAllocated()) {
        LONG_PTR style = GetWindowLongPtr(handle_, GWL_STYLE);
        SetWindowLongPtr(handle_, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
    }
    Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* child : tabList_) {
        list.push_back(child);
        child->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), current);
    int start = found != list.end() ? static_cast<int>(found - list.begin()) : (goForward ? count - 1 : 0);
    int index = start;
    do {
        index = goForward ? (index + 1) % count : (index + count - 1) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(index)];
        if ((!checkTabStop || candidate->TabStop()) && (!checkParent || candidate->Parent() == this) &&
            candidate->CanFocus())
            return candidate;
    } while (index != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop);
    if (next != nullptr) next->SetFocus();
}

// --- focus ---------------------------------------------------------------------------------

bool TWinControl::CanFocus() const {
    const TCustomForm* form = ParentForm();
    if (form == nullptr) return false;
    for (const TControl* control = this; control != form; control = control->Parent()) {
        if (!control->Visible() || !control->Enabled()) return false;
    }
    return true;
}

bool TWinControl::Focused() const { return HandleAllocated() && GetFocus() == handle_; }

void TWinControl::SetFocus() {
    if (TCustomForm* form = ParentForm()) {
        form->FocusControl(this);
    } else if (Parent() != nullptr) {
        quendar::SetFocus(Handle());
    } else {
        throw Exception("Control " + Name() + " has no parent window");
    }
}

void TWinControl::WMSetFocus(TMessage& message) {
    DefaultHandler(message);
    if (TCustomForm* form = ParentForm()) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::CMFocusChanged(TMessage& message) { Broadcast(message); }

void TWinControl::CMEnter(TMessage& message) {
    DoEnter();
    DefaultHandler(message);
}

void TWinControl::CMExit(TMessage& message) {
    DoExit();
    DefaultHandler(message);
}

void TWinControl::DoEnter() { OnEnter(this); }

void TWinControl::DoExit() { OnExit(this); }

// --- keys ------------------------------------------------------------------------------------

void TWinControl::KeyDown(int& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(int& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

bool TWinControl::OfferDialogKey(int key) {
    if (Perform(CM_CHILDKEY, static_cast<WPARAM>(key), PointerToLParam(this)) != 0) return true;
    if (!IsSpecialKey(key) || Perform(CM_WANTSPECIALKEY, static_cast<WPARAM>(key)) != 0) return false;
    TCustomForm* form = ParentForm();
    if (form == nullptr) return false;
    auto shift = static_cast<LPARAM>(KeyboardShiftState());
    return form->Perform(CM_DIALOGKEY, static_cast<WPARAM>(key), shift) != 0;
}

void TWinControl::WMKeyDown(TMessage& message) {
    swallowedCharacter = 0;
    int key = static_cast<int>(message.WParam);
    KeyDown(key, KeyboardShiftState());
    if (key == 0) return;
    if (OfferDialogKey(key)) {
        swallowedCharacter = CharacterOfKey(key);
        return;
    }
    message.WParam = static_cast<WPARAM>(key);
    DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message) {
    int key = static_cast<int>(message.WParam);
    KeyUp(key, KeyboardShiftState());
    if (key == 0) return;
    message.WParam = static_cast<WPARAM>(key);
    DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message) {
    auto character = static_cast<char32_t>(message.WParam);
    if (swallowedCharacter != 0 && character == swallowedCharacter) {
        swallowedCharacter = 0;
        return;
    }
    swallowedCharacter = 0;
    KeyPress(character);
    if (character == 0) return;
    message.WParam = static_cast<WPARAM>(character);
    DefaultHandler(message);
}

void TWinControl::WMSysChar(TMessage& message) {
    TCustomForm* form = ParentForm();
    if (form != nullptr && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return;
    DefaultHandler(message);
}

void TWinControl::CMDialogKey(TMessage& message) { Broadcast(message); }

void TWinControl::CMDialogChar(TMessage& message) { Broadcast(message); }

void TWinControl::CMChildKey(TMessage& message) {
    if (Parent() != nullptr) Parent()->Perform(message);
}

}  // namespace quendar
