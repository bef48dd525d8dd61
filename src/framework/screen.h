#pragma once
// TScreen: the program's forms and where the keyboard focus is. Forms join
// when they are made and leave when they die; a control that dies is
// forgotten here first.

#include <vector>

namespace quendar {

class TControl;
class TCustomForm;
class TWinControl;

class TScreen {
public:
    int FormCount() const { return static_cast<int>(forms_.size()); }
    // In the order they were made; nullptr outside 0..count-1.
    TCustomForm* Forms(int index) const;
    // The form that holds the focus, and the control in it that has it.
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }
    int Width() const;
    int Height() const;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetFocusedControl(TCustomForm* form, TWinControl* control);
    void ForgetControl(const TControl* control);

private:
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
};

// The one screen object; it lives as long as the program.
TScreen& Screen();

}  // namespace quendar
