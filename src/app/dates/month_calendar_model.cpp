#include "app/dates/month_calendar_model.h"

#include <algorithm>
#include <cmath>

#include "app/dates/date_clock.h"
#include "app/dates/month_calendar_keys.h"
#include "framework/exception.h"

namespace quendar {

namespace {

const char* const InvalidDateMessage = "Invalid argument to date encode";

// Restores the previous state on every exit, a failing step included.
class UpdatingScope {
public:
    explicit UpdatingScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~UpdatingScope() { flag_ = previous_; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

bool IsInsideGrid(int column, int row) {
    return column >= 0 && column < CalendarColumnCount && row >= 0 && row < CalendarRowCount;
}

struct YearMonthDay {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

YearMonthDay Split(TDateTime value) {
    YearMonthDay parts;
    SplitDate(value, parts.Year, parts.Month, parts.Day);
    return parts;
}

}  // namespace

TDateTime MonthStepDate(TDateTime date, int delta) {
    const YearMonthDay old = Split(date);
    const TDateTime edge = delta <= 0 ? MakeDate(old.Year, old.Month, 1)
                                      : MakeDate(old.Year, old.Month, MonthLength(old.Year, old.Month));
    const YearMonthDay neighbour = Split(edge + delta);
    return MakeDate(neighbour.Year, neighbour.Month,
                    std::min(old.Day, MonthLength(neighbour.Year, neighbour.Month)));
}

MonthCalendarModel::MonthCalendarModel() : date_(Today()) { UpdateCalendar(); }

// --- Properties

void MonthCalendarModel::SetCalendarDate(TDateTime value) {
    // The integral part is the day, also below day 0 where the time counts
    // away from it.
    const TDateTime day = std::isfinite(value) ? std::trunc(value) : MinDateValue - 1;
    if (day < MinDateValue || day > MaxDateValue) throw EConvertError(InvalidDateMessage);
    if (day == date_) return;
    date_ = day;
    UpdateCalendar();
    FireChange();
}

int MonthCalendarModel::Day() const { return Split(date_).Day; }
int MonthCalendarModel::Month() const { return Split(date_).Month; }
int MonthCalendarModel::Year() const { return Split(date_).Year; }

void MonthCalendarModel::SetDay(int day) {
    const YearMonthDay now = Split(date_);
    if (day < 1 || day > MonthLength(now.Year, now.Month) || day == now.Day) return;
    AcceptDate(MakeDate(now.Year, now.Month, day), CalendarRefresh::Selection);
}

void MonthCalendarModel::SetMonth(int month) {
    const YearMonthDay now = Split(date_);
    if (month < 1 || month > 12 || month == now.Month) return;
    AcceptDate(MakeDate(now.Year, month, std::min(now.Day, MonthLength(now.Year, month))),
               CalendarRefresh::Full);
}

void MonthCalendarModel::SetYear(int year) {
    const YearMonthDay now = Split(date_);
    if (year < 1 || year == now.Year) return;
    AcceptDate(MakeDate(year, now.Month, now.Day), CalendarRefresh::Full);
}

void MonthCalendarModel::SetStartOfWeek(TCalDayOfWeek startOfWeek) {
    startOfWeek_ = startOfWeek;
    UpdateCalendar();
}

void MonthCalendarModel::SetWeekends(TDaysOfWeek weekends) {
    weekends_ = weekends;
    UpdateCalendar();
}

void MonthCalendarModel::SetUseCurrentDate(bool use) {
    if (use == useCurrentDate_) return;
    if (use) {
        date_ = Today();
        useCurrentDate_ = true;
        UpdateCalendar();
    } else {
        useCurrentDate_ = false;
    }
}

const DateFormatSettings& MonthCalendarModel::Settings() const {
    return settings_ ? *settings_ : LocaleDateSettings();
}

// --- Grid contents

TCalDayOfWeek MonthCalendarModel::FirstDayOfWeek() const { return quendar::FirstDayOfWeek(startOfWeek_); }

std::string MonthCalendarModel::CellText(int column, int row) const {
    if (!IsInsideGrid(column, row)) return {};
    if (row == 0) {
        const int first = static_cast<int>(FirstDayOfWeek());
        return Settings().DayNamesShort[(column + first + 1) % 7 + 1];
    }
    const int day = CellDay(column, row);
    return day > 0 ? std::to_string(day) : std::string();
}

int MonthCalendarModel::CellDay(int column, int row) const {
    if (!IsInsideGrid(column, row) || row == 0) return 0;
    const int day = column + firstCellOffset_ + 7 * (row - 1);
    const YearMonthDay now = Split(date_);
    return day >= 1 && day <= MonthLength(now.Year, now.Month) ? day : 0;
}

std::optional<TDateTime> MonthCalendarModel::CellDate(int column, int row) const {
    const int day = CellDay(column, row);
    if (day == 0) return std::nullopt;
    const YearMonthDay now = Split(date_);
    return MakeDate(now.Year, now.Month, day);
}

CalendarCell MonthCalendarModel::CellOfDay(int day) const {
    const int index = day - firstCellOffset_;
    return {index % 7, index / 7 + 1};
}

bool MonthCalendarModel::IsWeekendColumn(int column) const {
    if (column < 0 || column >= CalendarColumnCount) return false;
    const int first = static_cast<int>(FirstDayOfWeek());
    return weekends_.Contains(static_cast<TCalDayOfWeek>((column + first) % 7));
}

bool MonthCalendarModel::IsTodayCell(int column, int row) const {
    if (!showCurrentDate_) return false;
    const std::optional<TDateTime> date = CellDate(column, row);
    return date && *date == Today();
}

bool MonthCalendarModel::IsBoldCell(int column, int row) const {
    return showCurrentDate_ && current_ == CalendarCell{column, row};
}

void MonthCalendarModel::UpdateCalendar() { Refresh(CalendarRefresh::Full); }

void MonthCalendarModel::Refresh(CalendarRefresh refresh) {
    UpdatingScope updating(updating_);
    const YearMonthDay now = Split(date_);
    const int first = static_cast<int>(FirstDayOfWeek());
    const int firstWeekday = WeekdayOf(MakeDate(now.Year, now.Month, 1));
    const int column = (firstWeekday - first + 6) % 7;
    firstCellOffset_ = column == 0 ? -5 : 2 - column;
    current_ = CellOfDay(now.Day);
    if (refresh == CalendarRefresh::Full)
        title_ = Settings().MonthNamesLong[now.Month] + " " + std::to_string(now.Year);
    if (OnRefresh) OnRefresh(refresh);
}

void MonthCalendarModel::AcceptDate(TDateTime value, CalendarRefresh refresh) {
    date_ = value;
    useCurrentDate_ = false;
    Refresh(refresh);
    FireChange();
}

void MonthCalendarModel::FireChange() {
    if (OnChange) OnChange();
}

// --- Navigation

void MonthCalendarModel::ChangeMonth(int delta) { SetCalendarDate(MonthStepDate(date_, delta)); }

void MonthCalendarModel::ChangeYear(int delta) {
    const YearMonthDay now = Split(date_);
    if (IsLeap(now.Year) && now.Month == 2 && now.Day == 29) SetDay(28);
    SetYear(now.Year + delta);
}

void MonthCalendarModel::PreviousDay() {
    const int day = Day();
    if (day > 1) {
        SetDay(day - 1);
    } else {
        SetCalendarDate(date_ - 1);
    }
}

void MonthCalendarModel::NextDay() {
    const YearMonthDay now = Split(date_);
    if (now.Day < MonthLength(now.Year, now.Month)) {
        SetDay(now.Day + 1);
    } else {
        SetCalendarDate(date_ + 1);
    }
}

void MonthCalendarModel::SelectToday() { SetCalendarDate(Today()); }

// --- Grid input

bool MonthCalendarModel::CanSelectCell(int column, int row) const {
    return CellDay(column, row) > 0 && (updating_ || !readOnly_);
}

bool MonthCalendarModel::MouseDown(int column, int row) {
    if (!CanSelectCell(column, row)) return false;
    current_ = {column, row};
    return true;
}

void MonthCalendarModel::GridClick() {
    const int day = CellDay(current_.Column, current_.Row);
    if (day > 0) SetDay(day);
}

bool MonthCalendarModel::MoveCurrentCell(int column, int row) {
    if (!MouseDown(column, row)) return false;
    GridClick();
    return true;
}

bool MonthCalendarModel::KeyDown(int key, TShiftState shift) {
    switch (CalendarKeyActionOf(key, shift)) {
        case CalendarKeyAction::None:
            return false;
        case CalendarKeyAction::PrevMonth:
            PrevMonth();
            break;
        case CalendarKeyAction::NextMonth:
            NextMonth();
            break;
        case CalendarKeyAction::PrevYear:
            PrevYear();
            break;
        case CalendarKeyAction::NextYear:
            NextYear();
            break;
        case CalendarKeyAction::PreviousDay:
            PreviousDay();
            break;
        case CalendarKeyAction::NextDay:
            NextDay();
            break;
        case CalendarKeyAction::WeekBack:
            MoveCurrentCell(current_.Column, current_.Row - 1);
            break;
        case CalendarKeyAction::WeekForward:
            MoveCurrentCell(current_.Column, current_.Row + 1);
            break;
    }
    return true;
}

bool MonthCalendarModel::KeyPress(char32_t& key) {
    if (key != U'T' && key != U't') return false;
    key = 0;
    SelectToday();
    return true;
}

}  // namespace quendar
