#pragma once
// TDrawGrid: a grid whose cells its owner draws (OnDrawCell) and whose
// selection it may refuse (OnSelectCell).

#include "framework/custom_grid.h"

namespace quendar {

class TDrawGrid : public TCustomGrid {
public:
    explicit TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}

    std::string ClassName() const override { return "TDrawGrid"; }

    // Called for every shown cell on each paint, fixed cells included.
    TDrawCellEvent OnDrawCell;
    // Asked before a cell becomes current.
    TSelectCellEvent OnSelectCell;

protected:
    bool SelectCell(int col, int row) override;
    void DrawCell(int col, int row, const Rect& rect, TGridDrawState state) override;
};

}  // namespace quendar
