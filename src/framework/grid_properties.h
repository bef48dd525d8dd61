#pragma once
// The stored properties of the draw grid, for window definitions:
//   TDrawGrid  TWinControl's + ColCount, RowCount, FixedCols, FixedRows,
//              DefaultColWidth, DefaultRowHeight, GridLineWidth, Options,
//              BorderStyle, Ctl3D, FixedColor, DefaultDrawing (TabStop
//              defaults to true). Counts come before the fixed counts, which
//              must stay below them. Per-column and per-row sizes and the cell
//              events are not stored: code sets them.

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& DrawGridProperties();

// Registers TDrawGrid.
void RegisterGridClasses(ClassRegistry& registry);

}  // namespace quendar
