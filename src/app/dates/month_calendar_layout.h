#pragma once
// Where the month calendar's parts and cells lie, at any size. Rectangles
// have Right and Bottom outside (geometry.h).
//
// The title bar and the grid sit inside the panel's border (3) and outer
// bevel (1); the title bar is 20 high. At the default 178 x 139 the title
// bar is 170 x 20 and the grid 170 x 111: cells of 24 x 15, 2 pixels left
// over at the right and a 6-pixel strip of row 7 at the bottom.

#include <optional>

#include "app/dates/month_calendar_model.h"
#include "platform/color.h"
#include "platform/geometry.h"

namespace quendar {

constexpr Size CalendarDefaultSize{178, 139};
constexpr int CalendarBorderWidth = 3;
constexpr int CalendarBevelWidth = 1;
constexpr int CalendarFrameInset = CalendarBorderWidth + CalendarBevelWidth;
constexpr int CalendarTitleHeight = 20;

// A navigation button is as wide as its height at creation minus 4: 18 for
// the standard speed-button height of 22.
constexpr int NavigationButtonWidth(int heightAtCreation) { return heightAtCreation - 4; }

// In the calendar's client coordinates; an empty title bar when it is hidden,
// and then the grid takes its place. Never negative in size.
Rect CalendarTitleBarRect(Size calendar, bool showTitle);
Rect CalendarGridRect(Size calendar, bool showTitle);

// The day grid of a given client size, in the grid's client coordinates.
class CalendarGridLayout {
public:
    explicit CalendarGridLayout(Size gridClient);

    int ColumnWidth() const { return columnWidth_; }
    int RowHeight() const { return rowHeight_; }

    // Any column 0..6 and row 0..7; row 7 starts at 7 x RowHeight and is
    // mostly below the grid.
    Rect CellRect(CalendarCell cell) const;
    // The cell rectangle widened in column 6 to the grid's right edge and in
    // row 6 to its bottom edge: the part of the background a cell copies.
    Rect CellBackgroundRect(CalendarCell cell) const;
    // Right of the seventh column over the whole height; empty when the
    // width divides by 7.
    Rect RightStripRect() const;
    // The cell under a point of the grid; nothing in the right strip,
    // outside the grid, or when the grid is too small to have cells.
    std::optional<CalendarCell> CellAt(Point point) const;

private:
    Size client_;
    int columnWidth_;
    int rowHeight_;
};

// The frame of today's cell: the cell shrunk by 1, its left edge 1 further.
Rect TodayMarkRect(Rect cell);

// Top-left of a text centred in a cell; the halves truncate towards zero, so
// a text wider than the cell starts less than half its overhang to the left.
Point CenteredTextOrigin(Rect cell, Size text);

// Each of red, green and blue halved to the nearest integer, halves to the
// even neighbour: 255 gives 128, 1 gives 0, 3 gives 2, 5 gives 2.
ColorRef TodayColorOf(ColorRef weekendColor);

}  // namespace quendar
