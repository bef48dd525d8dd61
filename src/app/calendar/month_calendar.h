#pragma once
// TsMonthCalendar: one month as a grid of day numbers under a title bar with
// the month, the year and four navigation buttons. It holds the selected
// date, CalendarDate, which the user changes with the buttons, by clicking a
// day, with the keyboard, or by double-clicking the title bar (today).
//
// The date logic lives in MonthCalendarModel; this control creates the
// parts, forwards their input to the model and repaints what the model
// reports changed. Children (created here, never stored):
//   TitleBar  TsDragBar, aligned to the top, 20 high: "<<" "<" left, ">" ">>" right
//   Grid      TsCalendGrid, filling the rest, in the calendar's colour

#include <functional>
#include <string>

#include "app/dates/calendar_day_of_week.h"
#include "app/dates/date_values.h"
#include "app/dates/month_calendar_model.h"
#include "framework/std_panel.h"

namespace quendar {

class TsCalendGrid;
class TsDragBar;
class TsTimerSpeedButton;

// Asked for every day cell before its text is drawn. `sender` is the grid;
// the handler may change the font, and a `background` changed from clNone
// fills the cell in that colour.
using TGetCellParams =
    std::function<void(TComponent* sender, TDateTime date, TFont& font, TColor& background)>;

class TsMonthCalendar : public TCustomPanel {
public:
    explicit TsMonthCalendar(TComponent* owner);
    ~TsMonthCalendar() override;

    std::string ClassName() const override { return "TsMonthCalendar"; }

    // --- the date
    TDateTime CalendarDate() const { return model_.CalendarDate(); }
    // A value outside the years 1..9999 raises EConvertError and keeps the date.
    void SetCalendarDate(TDateTime value) { model_.SetCalendarDate(value); }
    int Day() const { return model_.Day(); }
    int Month() const { return model_.Month(); }
    int Year() const { return model_.Year(); }
    void SetDay(int value) { model_.SetDay(value); }
    void SetMonth(int value) { model_.SetMonth(value); }
    void SetYear(int value) { model_.SetYear(value); }
    bool UseCurrentDate() const { return model_.UseCurrentDate(); }
    void SetUseCurrentDate(bool value) { model_.SetUseCurrentDate(value); }

    void PrevMonth() { model_.PrevMonth(); }
    void NextMonth() { model_.NextMonth(); }
    void PrevYear() { model_.PrevYear(); }
    void NextYear() { model_.NextYear(); }

    // --- the look
    TCalDayOfWeek StartOfWeek() const { return model_.StartOfWeek(); }
    void SetStartOfWeek(TCalDayOfWeek value);
    TDaysOfWeek Weekends() const { return model_.Weekends(); }
    void SetWeekends(TDaysOfWeek value);
    // Text colour of the weekend columns; half of it marks today.
    TColor WeekendColor() const { return weekendColor_; }
    void SetWeekendColor(TColor value);
    bool ShowCurrentDate() const { return model_.ShowCurrentDate(); }
    void SetShowCurrentDate(bool value);
    bool ShowTitle() const { return showTitle_; }
    void SetShowTitle(bool value);
    // Refuses day selection by mouse and by the grid's cell navigation.
    bool ReadOnly() const { return model_.ReadOnly(); }
    void SetReadOnly(bool value) { model_.SetReadOnly(value); }

    // --- the grid's contents
    TCalDayOfWeek FirstDayOfWeek() const { return model_.FirstDayOfWeek(); }
    int FirstCellOffset() const { return model_.FirstCellOffset(); }
    std::string CellText(int col, int row) const { return model_.CellText(col, row); }
    void UpdateCalendar() { model_.UpdateCalendar(); }

    // Fired after every change of CalendarDate made by the calendar, once
    // the display shows it.
    TNotifyEvent OnChange;
    TGetCellParams OnGetCellParams;

    // --- parts, for the grid and the title bar
    MonthCalendarModel& Model() { return model_; }
    const MonthCalendarModel& Model() const { return model_; }
    TsCalendGrid& Grid() const { return *grid_; }
    TsDragBar& TitleBar() const { return *titleBar_; }
    TsTimerSpeedButton& PrevYearButton() const { return *prevYearButton_; }
    TsTimerSpeedButton& PrevMonthButton() const { return *prevMonthButton_; }
    TsTimerSpeedButton& NextMonthButton() const { return *nextMonthButton_; }
    TsTimerSpeedButton& NextYearButton() const { return *nextYearButton_; }

private:
    TsTimerSpeedButton* AddButton(const char* caption, TAlign align, int left,
                                  void (TsMonthCalendar::*action)());
    void Refreshed(CalendarRefresh refresh);

    MonthCalendarModel model_;
    TColor weekendColor_ = clRed;
    bool showTitle_ = true;

    TsCalendGrid* grid_ = nullptr;
    TsDragBar* titleBar_ = nullptr;
    TsTimerSpeedButton* prevYearButton_ = nullptr;
    TsTimerSpeedButton* prevMonthButton_ = nullptr;
    TsTimerSpeedButton* nextMonthButton_ = nullptr;
    TsTimerSpeedButton* nextYearButton_ = nullptr;
};

}  // namespace quendar
