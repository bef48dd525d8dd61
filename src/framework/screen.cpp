#include "framework/screen.h"

#include <algorithm>

#include "framework/custom_form.h"
#include "platform/system_metrics.h"

namespace quendar {

TScreen& Screen() {
    // Never destroyed: forms that die at exit still leave it.
    static TScreen* screen = new TScreen();
    return *screen;
}

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount()) return nullptr;
    return forms_[static_cast<std::size_t>(index)];
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    ForgetControl(form);
}

void TScreen::SetFocusedControl(TCustomForm* form, TWinControl* control) {
    activeForm_ = form;
    activeControl_ = control;
}

void TScreen::ForgetControl(const TControl* control) {
    if (activeControl_ != nullptr && static_cast<const TControl*>(activeControl_) == control) activeControl_ = nullptr;
    if (activeForm_ != nullptr && static_cast<const TControl*>(activeForm_) == control) {
        activeForm_ = nullptr;
        activeControl_ = nullptr;
    }
}

}  // namespace quendar
