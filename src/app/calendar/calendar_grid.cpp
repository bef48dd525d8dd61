#include "app/calendar/calendar_grid.h"

#include <optional>

#include "app/calendar/month_calendar.h"
#include "app/dates/month_calendar_keys.h"
#include "app/dates/month_calendar_layout.h"

namespace quendar {

TsCalendGrid::TsCalendGrid(TComponent* owner, TsMonthCalendar& calendar)
    : TDrawGrid(owner), calendar_(calendar) {
    SetColCount(CalendarColumnCount);
    SetRowCount(CalendarRowCount);
    SetFixedCols(0);
    SetFixedRows(1);
    SetOptions(TGridOptions::goNone);
    SetBorderStyle(TBorderStyle::bsNone);
    SetCtl3D(false);
    SetDefaultDrawing(false);
    SetTabStop(true);
    SetParentColor(true);
}

// --- layout

void TsCalendGrid::SetBounds(int left, int top, int width, int height) {
    TDrawGrid::SetBounds(left, top, width, height);
    UpdateCellSizes();
}

void TsCalendGrid::WMSize(TMessage& message) {
    TDrawGrid::WMSize(message);
    UpdateCellSizes();
}

void TsCalendGrid::UpdateCellSizes() {
    const CalendarGridLayout layout({ClientWidth(), ClientHeight()});
    SetDefaultColWidth(layout.ColumnWidth());
    SetDefaultRowHeight(layout.RowHeight());
}

// --- current cell

bool TsCalendGrid::SelectCell(int col, int row) {
    if (following_) return true;
    return calendar_.Model().CanSelectCell(col, row) && TDrawGrid::SelectCell(col, row);
}

void TsCalendGrid::FollowModel() {
    const CalendarCell cell = calendar_.Model().CurrentCell();
    following_ = true;
    try {
        MoveCurrent(cell.Column, cell.Row, true, false);
    } catch (...) {
        following_ = false;
        throw;
    }
    following_ = false;
}

void TsCalendGrid::Click() {
    TDrawGrid::Click();
    // After the grid's own navigation the model learns the new cell here;
    // after a press it already holds it.
    calendar_.Model().MoveCurrentCell(Col(), Row());
    calendar_.OnClick(&calendar_);
}

void TsCalendGrid::DblClick() {
    TDrawGrid::DblClick();
    calendar_.OnDblClick(&calendar_);
}

// --- input

void TsCalendGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Focused() && CanFocus()) SetFocus();
    if (button == TMouseButton::mbLeft) {
        const std::optional<CalendarCell> cell =
            CalendarGridLayout({ClientWidth(), ClientHeight()}).CellAt({x, y});
        if (cell && calendar_.Model().MouseDown(cell->Column, cell->Row)) FollowModel();
    }
    // Past the grid's own press handling, which would select and scroll.
    TCustomControl::MouseDown(button, shift, x, y);
}

void TsCalendGrid::KeyDown(int& key, TShiftState shift) {
    if (CalendarKeyActionOf(key, shift) == CalendarKeyAction::None) {
        TDrawGrid::KeyDown(key, shift);
        return;
    }
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    calendar_.Model().KeyDown(key, shift);
    key = 0;
}

void TsCalendGrid::KeyPress(char32_t& key) {
    TDrawGrid::KeyPress(key);
    if (key != 0) calendar_.Model().KeyPress(key);
}

// --- painting

bool TsCalendGrid::EraseBackground(HDC) { return true; }

void TsCalendGrid::Paint() {
    constexpr TComponentState busy = TComponentState::csLoading | TComponentState::csDestroying;
    if (Contains(ComponentState() | calendar_.ComponentState(), busy)) return;
    for (int row = 0; row < CalendarRowCount; ++row)
        for (int col = 0; col < CalendarColumnCount; ++col) DrawDayCell(col, row);
    const Rect strip = CalendarGridLayout({ClientWidth(), ClientHeight()}).RightStripRect();
    if (!strip.IsEmpty()) {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(strip);
    }
}

// The cell is filled before today's frame is drawn, a background from
// OnGetCellParams included, so that today keeps its frame while it is the
// selected cell, as it is whenever the calendar shows the current date.
void TsCalendGrid::DrawDayCell(int col, int row) {
    const MonthCalendarModel& model = calendar_.Model();
    const CalendarGridLayout layout({ClientWidth(), ClientHeight()});
    const Rect cell = layout.CellRect({col, row});
    const std::string text = model.CellText(col, row);
    const TColor todayColor = static_cast<TColor>(TodayColorOf(ColorToColorRef(calendar_.WeekendColor())));
    TCanvas& canvas = Canvas();

    canvas.Brush().SetColor(Color());
    canvas.FillRect(layout.CellBackgroundRect({col, row}));

    canvas.Font().Assign(Font());
    canvas.Font().SetStyle(model.IsBoldCell(col, row) ? TFontStyles::fsBold : TFontStyles{});
    const bool today = model.IsTodayCell(col, row);
    if (today)
        canvas.Font().SetColor(todayColor);
    else if (model.IsWeekendColumn(col))
        canvas.Font().SetColor(calendar_.WeekendColor());
    else
        canvas.Font().SetColor(clWindowText);

    if (calendar_.OnGetCellParams) {
        if (const std::optional<TDateTime> date = model.CellDate(col, row)) {
            TColor background = clNone;
            calendar_.OnGetCellParams(this, *date, canvas.Font(), background);
            if (background != clNone) {
                canvas.Brush().SetColor(background);
                canvas.FillRect(cell);
            }
        }
    }

    if (today) {
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(todayColor);
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.RoundRect(TodayMarkRect(cell), 2, 2);
    }

    if (text.empty()) return;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const Point at = CenteredTextOrigin(cell, canvas.TextExtent(text));
    canvas.TextOut(at.X, at.Y, text);
}

}  // namespace quendar
