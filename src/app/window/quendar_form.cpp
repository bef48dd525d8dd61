#include "app/window/quendar_form.h"

#include <cstdint>
#include <span>

#include "app/calendar/month_calendar.h"
#include "app/calendar/month_calendar_registration.h"
#include "app/dates/date_report.h"
#include "app/dates/date_writer.h"
#include "app/dates/total_days.h"
#include "app/regional/regional_settings.h"
#include "framework/class_registry.h"
#include "framework/clipboard.h"
#include "framework/control_properties.h"
#include "framework/definition_reader.h"
#include "framework/exception.h"
#include "framework/image.h"
#include "framework/property_table.h"
#include "framework/standard_classes.h"
#include "framework/std_button.h"
#include "framework/std_edit.h"
#include "framework/std_label.h"
#include "platform/message_queue.h"
#include "platform/window_messages.h"
#include "skin/data/skin_data_registration.h"
#include "skin/data/skin_manager.h"

namespace quendar {

// The stored window definition, compiled from tform_quendar.txt.
extern const std::span<const std::uint8_t> QuendarFormDefinition;

TForm_Quendar* Form_Quendar = nullptr;

TForm_Quendar::TForm_Quendar(TComponent* owner, const ClassRegistry& registry) : TForm(owner) {
    ReadDefinition(*this, QuendarFormDefinition, registry);
    Form_Quendar = this;
}

TForm_Quendar::TForm_Quendar(TComponent* owner) : TForm_Quendar(owner, ClassRegistry::Global()) {}

TForm_Quendar::~TForm_Quendar() {
    if (Form_Quendar == this) Form_Quendar = nullptr;
}

template <class T>
T* TForm_Quendar::Bind(const char* name) {
    auto* component = dynamic_cast<T*>(FindComponent(name));
    if (component == nullptr) {
        throw Exception(std::string("The window definition lacks the component ") + name);
    }
    return component;
}

void TForm_Quendar::Loaded() {
    TForm::Loaded();
    sEdit_StartDate = Bind<TEdit>("sEdit_StartDate");
    sSkinManager1 = Bind<TsSkinManager>("sSkinManager1");
    sMonthCalendar = Bind<TsMonthCalendar>("sMonthCalendar");
    sButton_UseCalendar = Bind<TButton>("sButton_UseCalendar");
    sLabel_Start = Bind<TLabel>("sLabel_Start");
    sEdit_CompleteDate = Bind<TEdit>("sEdit_CompleteDate");
    sButton_UseCalendar_Complete = Bind<TButton>("sButton_UseCalendar_Complete");
    sLabel2 = Bind<TLabel>("sLabel2");
    sLabel_3 = Bind<TLabel>("sLabel_3");
    sEdit_DurationDays = Bind<TEdit>("sEdit_DurationDays");
    sButton_Clipboard = Bind<TButton>("sButton_Clipboard");
    Image_logo = Bind<TImage>("Image_logo");
}

void TForm_Quendar::sEdit_StartDateChange(TComponent*) { RecalculateTotalDays(); }

void TForm_Quendar::sEdit_CompleteDateChange(TComponent*) { RecalculateTotalDays(); }

void TForm_Quendar::sButton_UseCalendarClick(TComponent* sender) {
    if (sender == nullptr) return;
    // The button is told apart by its name, so both share one handler.
    if (sender->Name() == "sButton_UseCalendar") {
        sEdit_StartDate->SetText(DateToText("", sMonthCalendar->CalendarDate()));
    }
    if (sender->Name() == "sButton_UseCalendar_Complete") {
        sEdit_CompleteDate->SetText(DateToText("", sMonthCalendar->CalendarDate()));
    }
}

void TForm_Quendar::sButton_ClipboardClick(TComponent*) {
    // A date that does not read raises its conversion error before the
    // clipboard is touched; the error box shows it.
    const std::string report =
        ReportText(sEdit_StartDate->Text(), sEdit_CompleteDate->Text(), sEdit_DurationDays->Text());
    Clipboard().SetAsText(report);
}

void TForm_Quendar::RecalculateTotalDays() {
    if (auto count = RecalculatedTotalDays(sEdit_StartDate->Text(), sEdit_CompleteDate->Text())) {
        sEdit_DurationDays->SetText(*count);
    }
}

void TForm_Quendar::WndProc(TMessage& message) {
    if (message.Msg == WM_WININICHANGE || message.Msg == RegisterWindowMessage("TaskbarCreated")) {
        LoadLocaleDateSettings();
        if (sMonthCalendar != nullptr) sMonthCalendar->UpdateCalendar();
    }
    TForm::WndProc(message);
}

const PropertyTable& TForm_Quendar::PublishedProperties() {
    using F = TForm_Quendar;
    static const PropertyTable table = PropertyTable(FormProperties())
                                           .Method<F>("sEdit_StartDateChange", &F::sEdit_StartDateChange)
                                           .Method<F>("sEdit_CompleteDateChange", &F::sEdit_CompleteDateChange)
                                           .Method<F>("sButton_UseCalendarClick", &F::sButton_UseCalendarClick)
                                           .Method<F>("sButton_ClipboardClick", &F::sButton_ClipboardClick);
    return table;
}

void RegisterQuendarWindowClasses(ClassRegistry& registry) {
    RegisterStandardClasses(registry);
    RegisterSkinDataClasses(registry);
    RegisterMonthCalendarClasses(registry);
    // No factory: the window reads its own definition when it is made.
    registry.RegisterClass("TForm_Quendar", TForm_Quendar::PublishedProperties());
}

}  // namespace quendar
