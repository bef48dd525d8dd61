#pragma once
// The month calendar without a window: the selected date, the grid of day
// numbers it shows, month and year navigation, the day grid's keys and clicks,
// and exactly when OnChange fires. TsMonthCalendar owns one and stays a thin
// layer: it draws what this reports and forwards its input here.
//
// Contents: grid constants and cells - the model's properties - grid
// contents - navigation - grid input.
//
// The grid has 7 columns and 8 rows. Row 0 names the weekdays; rows 1..6 hold
// the days, the 1st always in row 1; row 7 never holds a day.
//
// What stays with the control: WeekendColor, ShowTitle, OnGetCellParams (fed
// by CellDate), OnClick and OnDblClick, the title bar, the four buttons and
// all drawing.

#include <functional>
#include <optional>
#include <string>

#include "app/dates/calendar_day_of_week.h"
#include "app/dates/date_settings.h"
#include "app/dates/date_values.h"
#include "framework/control_types.h"

namespace quendar {

constexpr int CalendarColumnCount = 7;
constexpr int CalendarRowCount = 8;

struct CalendarCell {
    int Column = 0;
    int Row = 0;

    friend bool operator==(const CalendarCell&, const CalendarCell&) = default;
};

// What the display must redo after the model changed.
enum class CalendarRefresh {
    Selection,  // the grid's current cell moved; nothing else changed
    Full,       // the title and every cell may have changed as well
};

// The date a month step leads to: the neighbouring month (delta -1 or +1),
// with the day cut to that month's length (31 January + 1 gives 28 or 29
// February). Throws EConvertError "Invalid argument to date encode" when the
// step leaves the years 1..9999.
TDateTime MonthStepDate(TDateTime date, int delta);

class MonthCalendarModel {
public:
    // Selects Today() and runs UpdateCalendar; no OnChange.
    MonthCalendarModel();

    // Fired after every change of CalendarDate made through this model, once
    // the display has been told (OnRefresh). The control passes itself as
    // the sender.
    std::function<void()> OnChange;
    // Called while Updating() is set, whenever the display must follow.
    std::function<void(CalendarRefresh)> OnRefresh;

    // --- Properties

    TDateTime CalendarDate() const { return date_; }
    // Stores a different whole day, runs UpdateCalendar and fires OnChange.
    // UseCurrentDate is left as it is. A value outside 1 January 0001 ..
    // 31 December 9999 (or not a number) throws EConvertError "Invalid
    // argument to date encode" and keeps the old date; a time of day is cut.
    void SetCalendarDate(TDateTime value);

    int Day() const;
    int Month() const;
    int Year() const;
    // Accepted writes turn UseCurrentDate off, update the display and fire
    // OnChange. Refused silently: a day outside the shown month, a month
    // outside 1..12, a year below 1, and any unchanged value. A year beyond
    // 9999, or 29 February moved to a common year, throws EConvertError and
    // keeps the date.
    void SetDay(int day);
    void SetMonth(int month);
    void SetYear(int year);

    TCalDayOfWeek StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(TCalDayOfWeek startOfWeek);
    TDaysOfWeek Weekends() const { return weekends_; }
    void SetWeekends(TDaysOfWeek weekends);

    // Marks today and makes the selected day bold. The control repaints.
    bool ShowCurrentDate() const { return showCurrentDate_; }
    void SetShowCurrentDate(bool show) { showCurrentDate_ = show; }

    // On while the date was never chosen explicitly. Turning it on selects
    // Today() and runs UpdateCalendar without OnChange.
    bool UseCurrentDate() const { return useCurrentDate_; }
    void SetUseCurrentDate(bool use);

    // Refuses cell selection by mouse and by the grid's own navigation; the
    // buttons and the day, month and today keys still work.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    // The names used for the title and the header row; null (the default)
    // means the process-wide LocaleDateSettings(). Not owned.
    void SetDateSettings(const DateFormatSettings* settings) { settings_ = settings; }

    // --- Grid contents

    // StartOfWeek, or the locale's first day for dowLocaleDefault; asked anew
    // on every use.
    TCalDayOfWeek FirstDayOfWeek() const;
    // Added to a cell's column (plus 7 per row below row 1) gives its day.
    int FirstCellOffset() const { return firstCellOffset_; }

    // The short day name in row 0; the day number where the cell holds one;
    // otherwise (and outside the grid) empty.
    std::string CellText(int column, int row) const;
    // The day a cell holds, 0 for none (header, empty and outside cells).
    int CellDay(int column, int row) const;
    // The date of a day cell, for the per-cell hook.
    std::optional<TDateTime> CellDate(int column, int row) const;
    // Where a day of the shown month lies.
    CalendarCell CellOfDay(int day) const;

    // The column's weekday is in Weekends; header and empty cells included.
    bool IsWeekendColumn(int column) const;
    // ShowCurrentDate is on and the cell holds Today().
    bool IsTodayCell(int column, int row) const;
    // ShowCurrentDate is on and the cell is the current one.
    bool IsBoldCell(int column, int row) const;

    CalendarCell CurrentCell() const { return current_; }
    // The month's long name, a space and the year: "March 2026".
    const std::string& TitleText() const { return title_; }
    // Set while the model itself moves the grid's current cell.
    bool Updating() const { return updating_; }

    // Recomputes FirstCellOffset, the current cell and the title, then calls
    // OnRefresh with Full. Also run when the locale or its names changed.
    void UpdateCalendar();

    // --- Navigation

    void PrevMonth() { ChangeMonth(-1); }
    void NextMonth() { ChangeMonth(+1); }
    // On 29 February the day first becomes 28 (firing OnChange on its own),
    // then the year changes. A target year below 1 is ignored.
    void PrevYear() { ChangeYear(-1); }
    void NextYear() { ChangeYear(+1); }
    // The day before or after; across a month boundary through CalendarDate.
    void PreviousDay();
    void NextDay();
    // The title bar's double click and the T key.
    void SelectToday();

    // --- Grid input

    // The cell holds a day, and ReadOnly is off or the model is updating.
    bool CanSelectCell(int column, int row) const;
    // A left-button press: an acceptable cell becomes current (the date is
    // unchanged until GridClick). False when the cell was refused.
    bool MouseDown(int column, int row);
    // The button's release, and every move by the grid's own navigation:
    // Day := the current cell's day.
    void GridClick();
    // The grid's own navigation to a cell: when acceptable it becomes
    // current and GridClick runs. False when the cell was refused.
    bool MoveCurrentCell(int column, int row);
    // A key pressed while the grid has the focus. False for keys left to the
    // grid's standard navigation (which then uses MoveCurrentCell).
    bool KeyDown(int key, TShiftState shift);
    // A typed character; T and t select today and are consumed (set to 0).
    bool KeyPress(char32_t& key);

private:
    const DateFormatSettings& Settings() const;
    void ChangeMonth(int delta);
    void ChangeYear(int delta);
    // Stores a date chosen through Day, Month or Year.
    void AcceptDate(TDateTime value, CalendarRefresh refresh);
    void Refresh(CalendarRefresh refresh);
    void FireChange();

    TDateTime date_ = 0;
    TCalDayOfWeek startOfWeek_ = TCalDayOfWeek::dowLocaleDefault;
    TDaysOfWeek weekends_{TCalDayOfWeek::dowSunday};
    bool showCurrentDate_ = true;
    bool useCurrentDate_ = true;
    bool readOnly_ = false;
    const DateFormatSettings* settings_ = nullptr;

    int firstCellOffset_ = 0;
    CalendarCell current_{};
    std::string title_;
    bool updating_ = false;
};

}  // namespace quendar
