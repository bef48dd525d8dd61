#include "app/dates/month_calendar_layout.h"

#include <algorithm>

namespace quendar {

namespace {

Rect CalendarInterior(Size calendar) {
    const int width = std::max(0, calendar.Width - 2 * CalendarFrameInset);
    const int height = std::max(0, calendar.Height - 2 * CalendarFrameInset);
    return Rect::FromSize(CalendarFrameInset, CalendarFrameInset, width, height);
}

int HalfToEven(int channel) {
    const int half = channel / 2;
    return (channel % 2 == 1 && half % 2 == 1) ? half + 1 : half;
}

}  // namespace

Rect CalendarTitleBarRect(Size calendar, bool showTitle) {
    const Rect interior = CalendarInterior(calendar);
    if (!showTitle) return Rect::FromSize(interior.Left, interior.Top, interior.Width(), 0);
    return Rect::FromSize(interior.Left, interior.Top, interior.Width(),
                          std::min(CalendarTitleHeight, interior.Height()));
}

Rect CalendarGridRect(Size calendar, bool showTitle) {
    const Rect interior = CalendarInterior(calendar);
    const Rect title = CalendarTitleBarRect(calendar, showTitle);
    return {interior.Left, title.Bottom, interior.Right, interior.Bottom};
}

CalendarGridLayout::CalendarGridLayout(Size gridClient)
    : client_{std::max(0, gridClient.Width), std::max(0, gridClient.Height)},
      columnWidth_(client_.Width / 7),
      rowHeight_(client_.Height / 7) {}

Rect CalendarGridLayout::CellRect(CalendarCell cell) const {
    return Rect::FromSize(cell.Column * columnWidth_, cell.Row * rowHeight_, columnWidth_, rowHeight_);
}

Rect CalendarGridLayout::CellBackgroundRect(CalendarCell cell) const {
    Rect rect = CellRect(cell);
    if (cell.Column == 6) rect.Right = client_.Width;
    if (cell.Row == 6) rect.Bottom = client_.Height;
    return rect;
}

Rect CalendarGridLayout::RightStripRect() const {
    return {7 * columnWidth_, 0, client_.Width, client_.Height};
}

std::optional<CalendarCell> CalendarGridLayout::CellAt(Point point) const {
    if (columnWidth_ == 0 || rowHeight_ == 0) return std::nullopt;
    if (point.X < 0 || point.Y < 0 || point.X >= client_.Width || point.Y >= client_.Height)
        return std::nullopt;
    const CalendarCell cell{point.X / columnWidth_, point.Y / rowHeight_};
    if (cell.Column >= CalendarColumnCount || cell.Row >= CalendarRowCount) return std::nullopt;
    return cell;
}

Rect TodayMarkRect(Rect cell) { return {cell.Left + 2, cell.Top + 1, cell.Right - 1, cell.Bottom - 1}; }

Point CenteredTextOrigin(Rect cell, Size text) {
    return {cell.Left + (cell.Width() - text.Width) / 2, cell.Top + (cell.Height() - text.Height) / 2};
}

ColorRef TodayColorOf(ColorRef weekendColor) {
    return RGB(HalfToEven(GetRValue(weekendColor)), HalfToEven(GetGValue(weekendColor)),
               HalfToEven(GetBValue(weekendColor)));
}

}  // namespace quendar
