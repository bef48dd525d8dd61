#include "app/calendar/calendar_title_bar.h"

#include "app/calendar/month_calendar.h"
#include "app/dates/date_clock.h"
#include "platform/window_class.h"

namespace quendar {

TsDragBar::TsDragBar(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(TBevelCut::bvNone);
    SetAlignment(TAlignment::taCenter);
    SetColor(clActiveCaption);
    SetCursor(IDC_HAND);
}

void TsDragBar::DblClick() {
    TPanel::DblClick();
    if (auto* calendar = dynamic_cast<TsMonthCalendar*>(Parent())) calendar->SetCalendarDate(Today());
}

void TsDragBar::CMParentFontChanged(TMessage& message) {
    if (Parent() != nullptr) {
        Font().Assign(Parent()->Font());
        Font().SetStyle(TFontStyles::fsBold);
        Font().SetColor(clCaptionText);
    }
    DefaultHandler(message);
}

}  // namespace quendar
