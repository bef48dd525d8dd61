#pragma once
// TCustomGrid: a windowed grid of cells that a derived class draws.
//
// Layout: fixed columns and rows stay at the top-left; the scrolling ones
// follow from LeftCol and TopRow. Every column is followed by a vertical
// line of GridLineWidth pixels when any vertical line option is set (and by
// none otherwise); rows likewise with the horizontal options. The grid has
// no scroll bars: it shows what fits, and moving the current cell with
// `show` brings it into view by moving LeftCol/TopRow.
//
// Current cell and selection: Col/Row is the current cell; the selection
// is the block between it and the anchor. Without goRangeSelect the anchor
// always follows the current cell. Every move asks SelectCell first; a
// refused move leaves both where they were.
//
// Sections (files):
//   layout, cells, properties      custom_grid.cpp
//   keyboard and mouse             custom_grid_input.cpp
//   painting                       custom_grid_painting.cpp

#include <string>
#include <vector>

#include "framework/custom_control.h"
#include "framework/grid_types.h"
#include "framework/std_control_types.h"

namespace quendar {

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* owner);

    std::string ClassName() const override { return "TCustomGrid"; }

    // --- size and layout ------------------------------------------------------------
    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return static_cast<int>(rowHeights_.size()); }
    // At least 1, and more than the fixed count; new columns or rows take
    // the default size. The current cell and selection move inside.
    void SetColCount(int value);
    void SetRowCount(int value);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    // Raises EInvalidGridOperation "Fixed column count must be less than
    // column count" (rows alike) unless 0 <= value < count. The view then
    // starts at the first scrolling column (row) again.
    void SetFixedCols(int value);
    void SetFixedRows(int value);
    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Sets every column (row) to the new size; negative sizes become 0.
    void SetDefaultColWidth(int value);
    void SetDefaultRowHeight(int value);
    // Raise EInvalidGridOperation "Grid index out of range" outside the grid.
    int ColWidths(int col) const;
    int RowHeights(int row) const;
    void SetColWidths(int col, int value);
    void SetRowHeights(int row, int value);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int value);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);

    // --- look ----------------------------------------------------------------------------
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    // A sunken 3-D border and raised fixed cells; off gives a flat black
    // border and flat fixed cells.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor value);
    // Off: the grid paints no cell background, selection or focus itself
    // and leaves each cell to DrawCell.
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);

    // --- current cell and selection --------------------------------------------------
    int Col() const { return current_.X; }
    int Row() const { return current_.Y; }
    // Move the current cell (and the anchor) into view, as the keyboard
    // does; fixed or out-of-range indices raise EInvalidGridOperation.
    void SetCol(int value) { FocusCell(value, current_.Y, true); }
    void SetRow(int value) { FocusCell(current_.X, value, true); }
    TGridRect Selection() const;
    // Places the anchor at the top-left and the current cell at the
    // bottom-right of `value`, without asking SelectCell.
    void SetSelection(const TGridRect& value);
    int LeftCol() const { return leftCol_; }
    int TopRow() const { return topRow_; }
    // Clamped to the scrolling columns (rows).
    void SetLeftCol(int value);
    void SetTopRow(int value);
    // Scrolling columns (rows) wholly visible from LeftCol (TopRow).
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // --- cells and points ---------------------------------------------------------------
    // The cell's rectangle in client coordinates without its lines, whole
    // even where the client area cuts it; empty for a cell not shown.
    Rect CellRect(int col, int row) const;
    // The cell at a client point, a line counting to the cell left of (or
    // above) it; -1 in a coordinate beyond the shown cells.
    void MouseToCell(int x, int y, int& col, int& row) const;
    TGridCoord MouseCoord(int x, int y) const;

    // --- dispatch ---------------------------------------------------------------------
    void Dispatch(TMessage& message) override;

protected:
    // Whether the cell may become current; the default agrees.
    virtual bool SelectCell(int col, int row);
    // Draws one cell; `rect` excludes the lines. With DefaultDrawing the
    // background is already filled and the canvas font set for `state`.
    virtual void DrawCell(int col, int row, const Rect& rect, TGridDrawState state);

    // Makes (col, row) current if SelectCell agrees, without Click.
    // `moveAnchor` also moves the selection anchor; `show` scrolls the cell
    // into view, and without it TopRow/LeftCol stay as they are. Returns
    // whether the cell was accepted. Fixed or out-of-range cells raise
    // EInvalidGridOperation.
    bool MoveCurrent(int col, int row, bool moveAnchor, bool show);
    // MoveCurrent with `show`, then Click when the current cell changed;
    // the keyboard moves and SetCol/SetRow come here.
    void FocusCell(int col, int row, bool moveAnchor);
    // Moves TopRow/LeftCol just enough to show the current cell whole.
    void ClampInView();
    // Invalidates the cell's rectangle and its lines.
    void InvalidateCell(int col, int row);
    // The state the cell is drawn in now.
    TGridDrawState CellDrawState(int col, int row) const;
    // The colour of the lines between scrolling cells and between fixed cells.
    TColor GridLineColor() const;
    TColor FixedLineColor() const;

    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void WMCancelMode(TMessage& message) override;

private:
    struct Axis {
        const std::vector<int>* Sizes;
        int Fixed;
        int First;  // LeftCol or TopRow
        int LineWidth;
        int Extent;  // client width or height
    };
    Axis ColumnAxis() const;
    Axis RowAxis() const;
    // Start of the cell along the axis, or -1 when it is not shown.
    static int CellStart(const Axis& axis, int index);
    static int IndexAt(const Axis& axis, int position);
    // The shown scrolling cell at `position`, or the shown one nearest to it.
    static int NearestShown(const Axis& axis, int position);
    static int WholeCellsFrom(const Axis& axis, int first);
    // The smallest first scrolling index that still shows the last cell whole.
    static int LastFirst(const Axis& axis);
    int VerticalLineWidth() const;
    int HorizontalLineWidth() const;
    void CheckCell(int col, int row) const;
    void ResizeAxis(std::vector<int>& sizes, int count, int defaultSize);
    void KeepCellsInside();
    void PaintLines(TCanvas& canvas, int col, int row, const Rect& cell);

    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    TGridOptions options_ = DefaultGridOptions;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    TColor fixedColor_ = clBtnFace;
    bool defaultDrawing_ = true;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    int leftCol_ = 1;
    int topRow_ = 1;
    bool selecting_ = false;  // the left button is down and drags a range
};

}  // namespace quendar
