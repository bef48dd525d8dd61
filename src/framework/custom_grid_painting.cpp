// TCustomGrid: painting the shown cells and the lines after each of them.
//
// Classic look with DefaultDrawing: fixed cells in FixedColor, raised by a
// highlight row and column at the top-left and a shadow row and column at
// the bottom-right when Ctl3D; selected cells in the highlight colour; the
// focused current cell outlined with a dotted focus rectangle. Lines between
// scrolling cells are silver (grey on a silver grid), lines of fixed cells
// black; a line whose option is off shows its cell's background instead.

#include <utility>
#include <vector>

#include "framework/custom_grid.h"
#include "platform/classic_controls_painting.h"

namespace quendar {

namespace {

// Index and start of every cell along an axis that begins inside `extent`.
std::vector<std::pair<int, int>> ShownCells(const std::vector<int>& sizes, int fixed, int first,
                                            int lineWidth, int extent) {
    std::vector<std::pair<int, int>> shown;
    int count = static_cast<int>(sizes.size());
    int position = 0;
    for (int i = 0; i < count && position < extent; ++i) {
        if (i >= fixed && i < first) i = first;
        if (i >= count) break;
        shown.emplace_back(i, position);
        position += sizes[static_cast<std::size_t>(i)] + lineWidth;
    }
    return shown;
}

void Fill(TCanvas& canvas, const Rect& rect, TColor color) {
    if (rect.IsEmpty()) return;
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(rect);
}

}  // namespace

TColor TCustomGrid::GridLineColor() const { return ColorToRGB(Color()) == clSilver ? clGray : clSilver; }

TColor TCustomGrid::FixedLineColor() const { return clBlack; }

TGridDrawState TCustomGrid::CellDrawState(int col, int row) const {
    if (col < fixedCols_ || row < fixedRows_) return TGridDrawState::gdFixed;
    TGridDrawState state = TGridDrawState::gdNone;
    bool current = col == current_.X && row == current_.Y;
    bool focusedCurrent = current && Focused();
    if (focusedCurrent) state |= TGridDrawState::gdFocused;
    TGridRect selection = Selection();
    if (Contains(options_, TGridOptions::goRowSelect)) {
        selection.Left = fixedCols_;
        selection.Right = ColCount() - 1;
    }
    bool plainFocus = focusedCurrent && !Contains(options_, TGridOptions::goDrawFocusSelected) &&
                      !Contains(options_, TGridOptions::goRowSelect);
    if (selection.Contains(col, row) && !plainFocus) state |= TGridDrawState::gdSelected;
    return state;
}

void TCustomGrid::Paint() {
    TCanvas& canvas = Canvas();
    Fill(canvas, ClientRect(), Color());
    int lineX = VerticalLineWidth();
    int lineY = HorizontalLineWidth();
    auto columns = ShownCells(colWidths_, fixedCols_, leftCol_, lineX, ClientWidth());
    auto rows = ShownCells(rowHeights_, fixedRows_, topRow_, lineY, ClientHeight());
    for (const auto& [row, top] : rows) {
        for (const auto& [col, left] : columns) {
            Rect cell = Rect::FromSize(left, top, colWidths_[static_cast<std::size_t>(col)],
                                       rowHeights_[static_cast<std::size_t>(row)]);
            TGridDrawState state = CellDrawState(col, row);
            bool fixed = Contains(state, TGridDrawState::gdFixed);
            bool selected = Contains(state, TGridDrawState::gdSelected);
            if (defaultDrawing_) {
                Fill(canvas, cell, fixed ? fixedColor_ : selected ? clHighlight : Color());
                canvas.Font().Assign(Font());
                if (selected) canvas.Font().SetColor(clHighlightText);
            }
            DrawCell(col, row, cell, state);
            if (defaultDrawing_ && fixed && ctl3D_ && !cell.IsEmpty()) {
                Fill(canvas, {cell.Left, cell.Top, cell.Right, cell.Top + 1}, clBtnHighlight);
                Fill(canvas, {cell.Left, cell.Top, cell.Left + 1, cell.Bottom}, clBtnHighlight);
                Fill(canvas, {cell.Left, cell.Bottom - 1, cell.Right, cell.Bottom}, clBtnShadow);
                Fill(canvas, {cell.Right - 1, cell.Top, cell.Right, cell.Bottom}, clBtnShadow);
            }
            if (defaultDrawing_ && Contains(state, TGridDrawState::gdFocused) && !cell.IsEmpty()) {
                DrawFocusRect(canvas.Handle(), cell,
                              ColorToColorRef(selected ? clHighlightText : clWindowText));
                canvas.Refresh();
            }
            PaintLines(canvas, col, row, cell);
        }
    }
}

void TCustomGrid::PaintLines(TCanvas& canvas, int col, int row, const Rect& cell) {
    int lineX = VerticalLineWidth();
    int lineY = HorizontalLineWidth();
    if (lineX == 0 && lineY == 0) return;
    bool fixed = col < fixedCols_ || row < fixedRows_;
    bool vertical = Contains(options_, fixed ? TGridOptions::goFixedVertLine : TGridOptions::goVertLine);
    bool horizontal = Contains(options_, fixed ? TGridOptions::goFixedHorzLine : TGridOptions::goHorzLine);
    TColor line = fixed ? FixedLineColor() : GridLineColor();
    TColor background = fixed ? fixedColor_ : Color();
    Fill(canvas, {cell.Right, cell.Top, cell.Right + lineX, cell.Bottom}, vertical ? line : background);
    Fill(canvas, {cell.Left, cell.Bottom, cell.Right, cell.Bottom + lineY}, horizontal ? line : background);
    Fill(canvas, {cell.Right, cell.Bottom, cell.Right + lineX, cell.Bottom + lineY},
         vertical || horizontal ? line : background);
}

}  // namespace quendar
