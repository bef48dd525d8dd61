// TCustomGrid: layout, cells, the current cell and the properties.

#include "framework/custom_grid.h"

#include <algorithm>

#include "platform/window_system.h"

namespace quendar {

namespace {

constexpr int DefaultCount = 5;

}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle((ControlStyle() | TControlStyle::csOpaque | TControlStyle::csDoubleClicks) &
                    ~TControlStyle::csSetCaption);
    colWidths_.assign(DefaultCount, defaultColWidth_);
    rowHeights_.assign(DefaultCount, defaultRowHeight_);
    SetTabStop(true);
    SetBounds(0, 0, 320, 120);
}

// --- size and layout --------------------------------------------------------------------

void TCustomGrid::ResizeAxis(std::vector<int>& sizes, int count, int defaultSize) {
    sizes.resize(static_cast<std::size_t>(count), defaultSize);
}

void TCustomGrid::SetColCount(int value) {
    value = std::max(1, value);
    if (value == ColCount()) return;
    ResizeAxis(colWidths_, value, defaultColWidth_);
    fixedCols_ = std::min(fixedCols_, value - 1);
    KeepCellsInside();
    Invalidate();
}

void TCustomGrid::SetRowCount(int value) {
    value = std::max(1, value);
    if (value == RowCount()) return;
    ResizeAxis(rowHeights_, value, defaultRowHeight_);
    fixedRows_ = std::min(fixedRows_, value - 1);
    KeepCellsInside();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int value) {
    if (value == fixedCols_) return;
    if (value < 0 || value >= ColCount())
        throw EInvalidGridOperation("Fixed column count must be less than column count");
    fixedCols_ = value;
    leftCol_ = value;  // the view starts again after the fixed cells
    KeepCellsInside();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int value) {
    if (value == fixedRows_) return;
    if (value < 0 || value >= RowCount())
        throw EInvalidGridOperation("Fixed row count must be less than row count");
    fixedRows_ = value;
    topRow_ = value;  // the view starts again after the fixed cells
    KeepCellsInside();
    Invalidate();
}

void TCustomGrid::KeepCellsInside() {
    auto clampCol = [this](int col) { return std::clamp(col, fixedCols_, ColCount() - 1); };
    auto clampRow = [this](int row) { return std::clamp(row, fixedRows_, RowCount() - 1); };
    current_ = {clampCol(current_.X), clampRow(current_.Y)};
    anchor_ = {clampCol(anchor_.X), clampRow(anchor_.Y)};
    leftCol_ = clampCol(leftCol_);
    topRow_ = clampRow(topRow_);
}

void TCustomGrid::SetDefaultColWidth(int value) {
    value = std::max(0, value);
    defaultColWidth_ = value;
    if (std::all_of(colWidths_.begin(), colWidths_.end(), [value](int w) { return w == value; })) return;
    std::fill(colWidths_.begin(), colWidths_.end(), value);
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
    value = std::max(0, value);
    defaultRowHeight_ = value;
    if (std::all_of(rowHeights_.begin(), rowHeights_.end(), [value](int h) { return h == value; })) return;
    std::fill(rowHeights_.begin(), rowHeights_.end(), value);
    Invalidate();
}

int TCustomGrid::ColWidths(int col) const {
    if (col < 0 || col >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
    return colWidths_[static_cast<std::size_t>(col)];
}

int TCustomGrid::RowHeights(int row) const {
    if (row < 0 || row >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
    return rowHeights_[static_cast<std::size_t>(row)];
}

void TCustomGrid::SetColWidths(int col, int value) {
    if (ColWidths(col) == std::max(0, value)) return;
    colWidths_[static_cast<std::size_t>(col)] = std::max(0, value);
    Invalidate();
}

void TCustomGrid::SetRowHeights(int row, int value) {
    if (RowHeights(row) == std::max(0, value)) return;
    rowHeights_[static_cast<std::size_t>(row)] = std::max(0, value);
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int value) {
    value = std::max(0, value);
    if (value == gridLineWidth_) return;
    gridLineWidth_ = value;
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
    if (value == options_) return;
    options_ = value;
    if (!Contains(options_, TGridOptions::goRangeSelect)) anchor_ = current_;
    Invalidate();
}

// --- look ------------------------------------------------------------------------------------

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomGrid::SetCtl3D(bool value) {
    if (value == ctl3D_) return;
    ctl3D_ = value;
    RecreateWnd();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value) {
    if (value == fixedColor_) return;
    fixedColor_ = value;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
    if (value == defaultDrawing_) return;
    defaultDrawing_ = value;
    Invalidate();
}

void TCustomGrid::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_)
            params.ExStyle |= WS_EX_CLIENTEDGE;
        else
            params.Style |= WS_BORDER;
    }
}

// --- axes ------------------------------------------------------------------------------------

int TCustomGrid::VerticalLineWidth() const {
    return Contains(options_, TGridOptions::goFixedVertLine | TGridOptions::goVertLine) ? gridLineWidth_ : 0;
}

int TCustomGrid::HorizontalLineWidth() const {
    return Contains(options_, TGridOptions::goFixedHorzLine | TGridOptions::goHorzLine) ? gridLineWidth_ : 0;
}

TCustomGrid::Axis TCustomGrid::ColumnAxis() const {
    return {&colWidths_, fixedCols_, leftCol_, VerticalLineWidth(), ClientWidth()};
}

TCustomGrid::Axis TCustomGrid::RowAxis() const {
    return {&rowHeights_, fixedRows_, topRow_, HorizontalLineWidth(), ClientHeight()};
}

int TCustomGrid::CellStart(const Axis& axis, int index) {
    const std::vector<int>& sizes = *axis.Sizes;
    int count = static_cast<int>(sizes.size());
    if (index < 0 || index >= count || (index >= axis.Fixed && index < axis.First)) return -1;
    int position = 0;
    for (int i = 0; i < count && position < axis.Extent; ++i) {
        if (i >= axis.Fixed && i < axis.First) i = axis.First;
        if (i >= count) break;
        if (i == index) return position;
        position += sizes[static_cast<std::size_t>(i)] + axis.LineWidth;
    }
    return -1;
}

int TCustomGrid::IndexAt(const Axis& axis, int position) {
    if (position < 0 || position >= axis.Extent) return -1;
    const std::vector<int>& sizes = *axis.Sizes;
    int count = static_cast<int>(sizes.size());
    int start = 0;
    for (int i = 0; i < count && start < axis.Extent; ++i) {
        if (i >= axis.Fixed && i < axis.First) i = axis.First;
        if (i >= count) break;
        int end = start + sizes[static_cast<std::size_t>(i)] + axis.LineWidth;
        if (position < end) return i;
        start = end;
    }
    return -1;
}

int TCustomGrid::NearestShown(const Axis& axis, int position) {
    const std::vector<int>& sizes = *axis.Sizes;
    int count = static_cast<int>(sizes.size());
    int start = 0;
    int nearest = axis.First;
    for (int i = 0; i < count && start < axis.Extent; ++i) {
        if (i >= axis.Fixed && i < axis.First) i = axis.First;
        if (i >= count) break;
        int end = start + sizes[static_cast<std::size_t>(i)] + axis.LineWidth;
        if (i >= axis.Fixed) {
            nearest = i;
            if (position < end) break;
        }
        start = end;
    }
    return nearest;
}

int TCustomGrid::WholeCellsFrom(const Axis& axis, int first) {
    const std::vector<int>& sizes = *axis.Sizes;
    int start = 0;
    for (int i = 0; i < axis.Fixed; ++i) start += sizes[static_cast<std::size_t>(i)] + axis.LineWidth;
    int whole = 0;
    for (int i = first; i < static_cast<int>(sizes.size()); ++i) {
        int size = sizes[static_cast<std::size_t>(i)];
        if (start + size > axis.Extent) break;
        ++whole;
        start += size + axis.LineWidth;
    }
    return whole;
}

int TCustomGrid::LastFirst(const Axis& axis) {
    const std::vector<int>& sizes = *axis.Sizes;
    int last = static_cast<int>(sizes.size()) - 1;
    int first = last;
    while (first - 1 >= axis.Fixed && WholeCellsFrom(axis, first - 1) >= last - first + 2) --first;
    return std::max(first, axis.Fixed);
}

int TCustomGrid::VisibleColCount() const { return WholeCellsFrom(ColumnAxis(), leftCol_); }

int TCustomGrid::VisibleRowCount() const { return WholeCellsFrom(RowAxis(), topRow_); }

void TCustomGrid::SetLeftCol(int value) {
    value = std::clamp(value, fixedCols_, ColCount() - 1);
    if (value == leftCol_) return;
    leftCol_ = value;
    Invalidate();
}

void TCustomGrid::SetTopRow(int value) {
    value = std::clamp(value, fixedRows_, RowCount() - 1);
    if (value == topRow_) return;
    topRow_ = value;
    Invalidate();
}

// --- cells and points -------------------------------------------------------------------

Rect TCustomGrid::CellRect(int col, int row) const {
    int left = CellStart(ColumnAxis(), col);
    int top = CellStart(RowAxis(), row);
    if (left < 0 || top < 0) return {};
    return Rect::FromSize(left, top, colWidths_[static_cast<std::size_t>(col)],
                          rowHeights_[static_cast<std::size_t>(row)]);
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = IndexAt(ColumnAxis(), x);
    row = IndexAt(RowAxis(), y);
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
    TGridCoord coord;
    MouseToCell(x, y, coord.X, coord.Y);
    return coord;
}

void TCustomGrid::InvalidateCell(int col, int row) {
    if (!HandleAllocated()) return;
    Rect cell = CellRect(col, row);
    if (cell.IsEmpty()) return;
    Rect withLines{cell.Left, cell.Top, cell.Right + VerticalLineWidth(),
                   cell.Bottom + HorizontalLineWidth()};
    InvalidateRect(WindowHandle(), &withLines, FALSE);
}

// --- current cell and selection -----------------------------------------------------------

TGridRect TCustomGrid::Selection() const {
    return {std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
            std::max(anchor_.Y, current_.Y)};
}

void TCustomGrid::CheckCell(int col, int row) const {
    if (col < fixedCols_ || col >= ColCount() || row < fixedRows_ || row >= RowCount())
        throw EInvalidGridOperation("Grid index out of range");
}

void TCustomGrid::SetSelection(const TGridRect& value) {
    CheckCell(value.Left, value.Top);
    CheckCell(value.Right, value.Bottom);
    anchor_ = {value.Left, value.Top};
    current_ = {value.Right, value.Bottom};
    ClampInView();
    Invalidate();
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::DrawCell(int, int, const Rect&, TGridDrawState) {}

bool TCustomGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show) {
    CheckCell(col, row);
    if (!SelectCell(col, row)) return false;
    TGridRect before = Selection();
    current_ = {col, row};
    if (moveAnchor || !Contains(options_, TGridOptions::goRangeSelect)) anchor_ = current_;
    TGridRect after = Selection();
    int firstLeft = leftCol_;
    int firstTop = topRow_;
    if (show) ClampInView();
    if (leftCol_ != firstLeft || topRow_ != firstTop) {
        Invalidate();
    } else if (before != after) {
        // Small selections repaint cell by cell; a block repaints whole.
        TGridRect both{std::min(before.Left, after.Left), std::min(before.Top, after.Top),
                       std::max(before.Right, after.Right), std::max(before.Bottom, after.Bottom)};
        if ((both.Right - both.Left + 1) * (both.Bottom - both.Top + 1) > 16) {
            Invalidate();
        } else {
            for (int r = both.Top; r <= both.Bottom; ++r)
                for (int c = both.Left; c <= both.Right; ++c) InvalidateCell(c, r);
        }
    }
    return true;
}

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
    TGridCoord before = current_;
    if (MoveCurrent(col, row, moveAnchor, true) && current_ != before) Click();
}

void TCustomGrid::ClampInView() {
    Axis columns = ColumnAxis();
    if (current_.X < leftCol_) {
        leftCol_ = current_.X;
    } else {
        while (leftCol_ < current_.X && current_.X >= leftCol_ + WholeCellsFrom(columns, leftCol_)) {
            columns.First = ++leftCol_;
        }
    }
    Axis rows = RowAxis();
    if (current_.Y < topRow_) {
        topRow_ = current_.Y;
    } else {
        while (topRow_ < current_.Y && current_.Y >= topRow_ + WholeCellsFrom(rows, topRow_))
            rows.First = ++topRow_;
    }
}

}  // namespace quendar
