#pragma once
// Internal to the menu services: the geometry of a popup menu's items and
// the classic drawing of items that are not owner-drawn.
//
// A popup window has a 3-pixel raised frame (its non-client area); items are
// laid out in its client area from the top-left, a column at a time. Items
// of one column share the column's width; a column ends before an item with
// MFT_MENUBREAK or MFT_MENUBARBREAK, the latter drawing an etched line in
// the gap between the columns.

#include <span>
#include <vector>

#include "platform/device_context.h"
#include "platform/geometry.h"
#include "platform/menu_record.h"

namespace quendar {

constexpr int MenuFrameWidth = 3;
constexpr int MenuColumnGap = 6;

struct MenuGeometry {
    std::vector<Rect> Items;    // client coordinates
    std::vector<int> BarLines;  // x of each etched column line
    Size Client;
};

// Places items of the given sizes; `items` gives their column breaks.
MenuGeometry ArrangeMenuItems(std::span<const MenuItemRecord> items, std::span<const Size> sizes);

// The size of an item drawn by the menu itself (owner-drawn items are measured by their owner).
Size MeasureClassicMenuItem(const MenuItemRecord& item);

// Draws a whole item: background, check or radio mark, text, right-aligned
// shortcut text, submenu arrow; separators as an etched line.
void PaintClassicMenuItem(DeviceContext& dc, const MenuItemRecord& item, const Rect& bounds, bool selected);

// The raised frame of a popup window of `size`, in window coordinates.
void PaintMenuFrame(DeviceContext& dc, Size size);

}  // namespace quendar
