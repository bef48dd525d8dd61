#pragma once
// Value types of the grids: options, the state a cell is drawn in, cell
// coordinates and rectangles of cells, the grid events and the grid's error.

#include <cstdint>
#include <functional>

#include "framework/control_types.h"
#include "framework/exception.h"
#include "platform/geometry.h"

namespace quendar {

// Sizing, moving, editing, always-show-editor and thumb tracking are kept
// and stored but change nothing: the grid has no in-place editor, no sizing
// by mouse and no scroll bars.
enum class TGridOptions : std::uint32_t {
    goNone = 0,
    goFixedVertLine = 1u << 0,      // lines between the fixed columns
    goFixedHorzLine = 1u << 1,      // lines between the fixed rows
    goVertLine = 1u << 2,           // lines between the scrolling columns
    goHorzLine = 1u << 3,           // lines between the scrolling rows
    goRangeSelect = 1u << 4,        // Shift with keys or mouse, or dragging, selects a block
    goDrawFocusSelected = 1u << 5,  // the focused current cell is highlighted too
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,       // Tab and Shift+Tab move between cells instead of controls
    goRowSelect = 1u << 12,  // the current cell's whole row is drawn selected
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
QUENDAR_FLAG_OPERATORS(TGridOptions)

// The stored names of TGridOptions, indexed by bit.
inline const char* const GridOptionNames[] = {
    "goFixedVertLine",     "goFixedHorzLine", "goVertLine",  "goHorzLine",         "goRangeSelect",
    "goDrawFocusSelected", "goRowSizing",     "goColSizing", "goRowMoving",        "goColMoving",
    "goEditing",           "goTabs",          "goRowSelect", "goAlwaysShowEditor", "goThumbTracking",
};

constexpr TGridOptions DefaultGridOptions = TGridOptions::goFixedVertLine | TGridOptions::goFixedHorzLine |
                                            TGridOptions::goVertLine | TGridOptions::goHorzLine |
                                            TGridOptions::goRangeSelect;

enum class TGridDrawState : std::uint32_t {
    gdNone = 0,
    gdSelected = 1u << 0,  // inside the selection, drawn highlighted
    gdFocused = 1u << 1,   // the current cell of the focused grid
    gdFixed = 1u << 2,     // a fixed (header) cell
};
QUENDAR_FLAG_OPERATORS(TGridDrawState)

struct TGridCoord {
    int X = 0;  // column
    int Y = 0;  // row
    friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells; unlike Rect, Right and Bottom are the last column and
// row inside it.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    friend constexpr bool operator==(const TGridRect&, const TGridRect&) = default;
};

// `rect` is the cell's rectangle in client coordinates, grid lines excluded.
using TDrawCellEvent =
    std::function<void(TComponent* sender, int col, int row, const Rect& rect, TGridDrawState state)>;
// Clearing `canSelect` keeps the current cell where it is.
using TSelectCellEvent = std::function<void(TComponent* sender, int col, int row, bool& canSelect)>;

// A cell or line index outside the grid.
class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};

}  // namespace quendar
