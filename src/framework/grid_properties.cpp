#include "framework/grid_properties.h"

#include <iterator>

#include "framework/control_properties.h"
#include "framework/draw_grid.h"
#include "framework/graphics_properties.h"

namespace quendar {

const PropertyTable& DrawGridProperties() {
    using G = TDrawGrid;
    static const PropertyTable table =
        PropertyTable(WinControlProperties())
            .Boolean<G>("TabStop", &G::TabStop, &G::SetTabStop, true)
            .Integer<G>("ColCount", &G::ColCount, &G::SetColCount, 5)
            .Integer<G>("RowCount", &G::RowCount, &G::SetRowCount, 5)
            .Integer<G>("FixedCols", &G::FixedCols, &G::SetFixedCols, 1)
            .Integer<G>("FixedRows", &G::FixedRows, &G::SetFixedRows, 1)
            .Integer<G>("DefaultColWidth", &G::DefaultColWidth, &G::SetDefaultColWidth, 64)
            .Integer<G>("DefaultRowHeight", &G::DefaultRowHeight, &G::SetDefaultRowHeight, 24)
            .Integer<G>("GridLineWidth", &G::GridLineWidth, &G::SetGridLineWidth, 1)
            .Set<G, TGridOptions>(
                "Options", &G::Options, &G::SetOptions, DefaultGridOptions,
                std::vector<std::string>(std::begin(GridOptionNames), std::end(GridOptionNames)))
            .Enum<G, TBorderStyle>("BorderStyle", &G::BorderStyle, &G::SetBorderStyle, TBorderStyle::bsSingle,
                                   {"bsNone", "bsSingle"})
            .Boolean<G>("Ctl3D", &G::Ctl3D, &G::SetCtl3D, true)
            .Integer<G>("FixedColor", &G::FixedColor, &G::SetFixedColor, clBtnFace, ColorIdents())
            .Boolean<G>("DefaultDrawing", &G::DefaultDrawing, &G::SetDefaultDrawing, true);
    return table;
}

void RegisterGridClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TDrawGrid>("TDrawGrid", DrawGridProperties());
}

}  // namespace quendar
