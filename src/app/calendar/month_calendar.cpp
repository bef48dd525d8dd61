#include "app/calendar/month_calendar.h"

#include "app/calendar/calendar_grid.h"
#include "app/calendar/calendar_title_bar.h"
#include "app/dates/month_calendar_layout.h"

namespace quendar {

TsMonthCalendar::TsMonthCalendar(TComponent* owner) : TCustomPanel(owner) {
    SetCaption(" ");
    SetBorderWidth(CalendarBorderWidth);
    SetBevelWidth(CalendarBevelWidth);

    grid_ = CreateComponent<TsCalendGrid>(this, *this);
    grid_->SetAlign(TAlign::alClient);
    grid_->SetParent(this);
    titleBar_ = CreateComponent<TsDragBar>(this);
    titleBar_->SetBoundsRect(CalendarTitleBarRect(CalendarDefaultSize, true));

    model_.OnRefresh = [this](CalendarRefresh refresh) { Refreshed(refresh); };
    model_.OnChange = [this] { OnChange(this); };
    UpdateCalendar();
    SetBounds(Left(), Top(), CalendarDefaultSize.Width, CalendarDefaultSize.Height);

    // Their places before aligning keep "<<" outside "<" and ">>" outside ">".
    const int title = titleBar_->Width();
    prevYearButton_ = AddButton("<<", TAlign::alLeft, 0, &TsMonthCalendar::PrevYear);
    prevMonthButton_ = AddButton("<", TAlign::alLeft, 1, &TsMonthCalendar::PrevMonth);
    nextMonthButton_ = AddButton(">", TAlign::alRight, title - 2, &TsMonthCalendar::NextMonth);
    nextYearButton_ = AddButton(">>", TAlign::alRight, title - 1, &TsMonthCalendar::NextYear);

    titleBar_->SetAlign(TAlign::alTop);
    titleBar_->SetParent(this);
    titleBar_->Perform(CM_PARENTFONTCHANGED);
}

TsMonthCalendar::~TsMonthCalendar() {
    model_.OnRefresh = nullptr;
    model_.OnChange = nullptr;
    // Freeing the calendar has taken its parts already; deleting it must not
    // leave them to the base classes, which run after the model is gone.
    while (ComponentCount() > 0) Components(ComponentCount() - 1)->Free();
}

TsTimerSpeedButton* TsMonthCalendar::AddButton(const char* caption, TAlign align, int left,
                                               void (TsMonthCalendar::*action)()) {
    auto* button = CreateComponent<TsTimerSpeedButton>(this);
    button->SetCaption(caption);
    button->SetFlat(true);
    button->SetParentColor(true);
    button->SetBounds(left, 0, NavigationButtonWidth(button->Height()), button->Height());
    button->SetAlign(align);
    button->SetParent(titleBar_);
    button->OnClick = TNotifyEvent([this, action](TComponent*) { (this->*action)(); });
    return button;
}

void TsMonthCalendar::Refreshed(CalendarRefresh refresh) {
    if (refresh == CalendarRefresh::Full) {
        titleBar_->SetCaption(model_.TitleText());
        grid_->Invalidate();
    }
    grid_->FollowModel();
}

// --- the look

void TsMonthCalendar::SetStartOfWeek(TCalDayOfWeek value) {
    if (value != model_.StartOfWeek()) model_.SetStartOfWeek(value);
}

void TsMonthCalendar::SetWeekends(TDaysOfWeek value) {
    if (value != model_.Weekends()) model_.SetWeekends(value);
}

void TsMonthCalendar::SetWeekendColor(TColor value) {
    if (value == weekendColor_) return;
    weekendColor_ = value;
    grid_->Invalidate();
}

void TsMonthCalendar::SetShowCurrentDate(bool value) {
    if (value == model_.ShowCurrentDate()) return;
    model_.SetShowCurrentDate(value);
    grid_->Invalidate();
}

void TsMonthCalendar::SetShowTitle(bool value) {
    if (value == showTitle_) return;
    showTitle_ = value;
    if (value) {
        titleBar_->SetParent(this);
        titleBar_->SetVisible(true);
    } else {
        titleBar_->SetVisible(false);
        titleBar_->SetParent(nullptr);
    }
}

}  // namespace quendar
