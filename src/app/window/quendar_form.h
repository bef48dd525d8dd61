#pragma once
// The calculator's main window: two date fields, the day count between them,
// a month calendar to take either date from, and "Report to Clipboard".
//
// The window is read from its stored definition (tform_quendar.txt, compiled
// and embedded at build time) when it is constructed; the fields below are
// bound to the components of that definition by name. The three edit texts
// are the whole state: dates are read from them whenever they are needed.

#include <string>

#include "framework/form.h"

namespace quendar {

class ClassRegistry;
class PropertyTable;
class TButton;
class TEdit;
class TImage;
class TLabel;
class TsMonthCalendar;
class TsSkinManager;

class TForm_Quendar : public TForm {
public:
    // Reads the stored definition through `registry`, which must know every
    // class it names (RegisterQuendarWindowClasses). Raises EReadError when
    // the definition cannot be read.
    TForm_Quendar(TComponent* owner, const ClassRegistry& registry);
    explicit TForm_Quendar(TComponent* owner);
    ~TForm_Quendar() override;

    std::string ClassName() const override { return "TForm_Quendar"; }
    static const PropertyTable& PublishedProperties();

    // The components, in the order the window declares them.
    TEdit* sEdit_StartDate = nullptr;
    // Holds the built-in skin; the controls do not paint with it yet.
    TsSkinManager* sSkinManager1 = nullptr;
    TsMonthCalendar* sMonthCalendar = nullptr;
    TButton* sButton_UseCalendar = nullptr;
    TLabel* sLabel_Start = nullptr;
    TEdit* sEdit_CompleteDate = nullptr;
    TButton* sButton_UseCalendar_Complete = nullptr;
    TLabel* sLabel2 = nullptr;
    TLabel* sLabel_3 = nullptr;
    TEdit* sEdit_DurationDays = nullptr;
    TButton* sButton_Clipboard = nullptr;
    TImage* Image_logo = nullptr;

    // The handlers the definition names.
    void sEdit_StartDateChange(TComponent* sender);
    void sEdit_CompleteDateChange(TComponent* sender);
    void sButton_UseCalendarClick(TComponent* sender);
    void sButton_ClipboardClick(TComponent* sender);

    // Writes the day count between the two date fields, or "Enter valid
    // dates", into the day-count field; a blank date field changes nothing.
    void RecalculateTotalDays();

protected:
    void Loaded() override;
    // Reads the regional date settings again when the system announces new
    // settings or a new taskbar.
    void WndProc(TMessage& message) override;

private:
    template <class T>
    T* Bind(const char* name);
};

// The instance the program runs; set while it exists.
extern TForm_Quendar* Form_Quendar;

// Registers every class the main window's definition names: the standard
// controls and pictures, the skin manager and its stored skins, the month
// calendar and TForm_Quendar itself.
void RegisterQuendarWindowClasses(ClassRegistry& registry);

}  // namespace quendar
