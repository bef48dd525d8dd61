#include "framework/draw_grid.h"

namespace quendar {

bool TDrawGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

void TDrawGrid::DrawCell(int col, int row, const Rect& rect, TGridDrawState state) {
    if (OnDrawCell) OnDrawCell(this, col, row, rect, state);
}

}  // namespace quendar
