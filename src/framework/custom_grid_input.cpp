// TCustomGrid: keyboard navigation, mouse selection and focus.
//
// Keys (Shift extends the selection with goRangeSelect):
//   arrows               one cell
//   Home / End           first / last scrolling column of the row
//   Ctrl+Home / Ctrl+End first / last scrolling cell of the grid
//   Page Up / Page Down  a page of rows, the view moving with it
//   Ctrl+Page Up / Down  a page of columns
//   Tab / Shift+Tab      next / previous cell, row by row (goTabs only)

#include <algorithm>

#include "framework/custom_grid.h"
#include "platform/virtual_keys.h"

namespace quendar {

namespace {

bool IsArrow(int key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

}  // namespace

void TCustomGrid::Dispatch(TMessage& message) {
    if (message.Msg == CM_WANTSPECIALKEY) {
        auto key = static_cast<int>(message.WParam);
        if (IsArrow(key) || (key == VK_TAB && Contains(options_, TGridOptions::goTabs))) {
            message.Result = 1;
            return;
        }
    }
    TCustomControl::Dispatch(message);
}

void TCustomGrid::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    bool ctrl = Contains(shift, TShiftState::ssCtrl);
    bool extend = Contains(shift, TShiftState::ssShift) && Contains(options_, TGridOptions::goRangeSelect);
    int firstCol = fixedCols_;
    int firstRow = fixedRows_;
    int lastCol = ColCount() - 1;
    int lastRow = RowCount() - 1;
    int col = current_.X;
    int row = current_.Y;
    int pageRows = 0;  // how far a page key moves the view too
    int pageCols = 0;
    switch (key) {
        case VK_LEFT:
            --col;
            break;
        case VK_RIGHT:
            ++col;
            break;
        case VK_UP:
            --row;
            break;
        case VK_DOWN:
            ++row;
            break;
        case VK_HOME:
            col = firstCol;
            if (ctrl) row = firstRow;
            break;
        case VK_END:
            col = lastCol;
            if (ctrl) row = lastRow;
            break;
        case VK_PRIOR:
        case VK_NEXT: {
            int sign = key == VK_PRIOR ? -1 : 1;
            if (ctrl) {
                pageCols = sign * std::max(1, VisibleColCount());
                col += pageCols;
            } else {
                pageRows = sign * std::max(1, VisibleRowCount());
                row += pageRows;
            }
            break;
        }
        case VK_TAB: {
            if (!Contains(options_, TGridOptions::goTabs) ||
                Contains(shift, TShiftState::ssAlt | TShiftState::ssCtrl))
                return;
            extend = false;
            int step = Contains(shift, TShiftState::ssShift) ? -1 : 1;
            col += step;
            if (col > lastCol) {
                col = firstCol;
                row = row < lastRow ? row + 1 : firstRow;
            } else if (col < firstCol) {
                col = lastCol;
                row = row > firstRow ? row - 1 : lastRow;
            }
            break;
        }
        default:
            return;
    }
    key = 0;
    col = std::clamp(col, firstCol, lastCol);
    row = std::clamp(row, firstRow, lastRow);
    if (pageRows == 0 && pageCols == 0) {
        FocusCell(col, row, !extend);
        return;
    }
    TGridCoord before = current_;
    if (!MoveCurrent(col, row, !extend, false)) return;
    if (pageRows != 0) SetTopRow(std::min(topRow_ + pageRows, LastFirst(RowAxis())));
    if (pageCols != 0) SetLeftCol(std::min(leftCol_ + pageCols, LastFirst(ColumnAxis())));
    int left = leftCol_;
    int top = topRow_;
    ClampInView();
    if (left != leftCol_ || top != topRow_) Invalidate();
    if (current_ != before) Click();
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!Focused() && CanFocus()) SetFocus();
    if (button == TMouseButton::mbLeft) {
        TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
            bool rangeSelect = Contains(options_, TGridOptions::goRangeSelect);
            MoveCurrent(cell.X, cell.Y, !(rangeSelect && Contains(shift, TShiftState::ssShift)), true);
            selecting_ = rangeSelect;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
    if (selecting_) {
        // Dragging beyond the shown scrolling cells selects up to the nearest one.
        TGridCoord cell{NearestShown(ColumnAxis(), x), NearestShown(RowAxis(), y)};
        if (cell != current_) MoveCurrent(cell.X, cell.Y, false, true);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) selecting_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomGrid::WMCancelMode(TMessage& message) {
    selecting_ = false;
    TCustomControl::WMCancelMode(message);
}

void TCustomGrid::WMSetFocus(TMessage& message) {
    TCustomControl::WMSetFocus(message);
    InvalidateCell(current_.X, current_.Y);
}

void TCustomGrid::WMKillFocus(TMessage& message) {
    TCustomControl::WMKillFocus(message);
    InvalidateCell(current_.X, current_.Y);
}

}  // namespace quendar
