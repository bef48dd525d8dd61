#pragma once
// TsCalendGrid: the month calendar's day grid. It shows what the calendar's
// model reports and hands every click and key to it.
//
// 7 columns of client width div 7 and 8 rows of client height div 7, the
// first row fixed (the day names), no lines, no border; the eighth row never
// holds a day and shows as the strip below the sixth week. Only cells that
// hold a day become current; the model decides, so ReadOnly refuses the
// mouse and the grid's own navigation but not the calendar's keys.

#include <string>

#include "framework/draw_grid.h"

namespace quendar {

class TsMonthCalendar;

class TsCalendGrid : public TDrawGrid {
public:
    // `calendar` owns the grid and outlives it.
    TsCalendGrid(TComponent* owner, TsMonthCalendar& calendar);

    std::string ClassName() const override { return "TsCalendGrid"; }

    void SetBounds(int left, int top, int width, int height) override;
    // Moves the current cell to the model's, without scrolling, without
    // asking whether the cell may be selected and without a click.
    void FollowModel();

    // The grid's OnClick, then the model takes the current cell's day, then
    // the calendar's OnClick.
    void Click() override;
    // The calendar's OnDblClick.
    void DblClick() override;

protected:
    bool SelectCell(int col, int row) override;
    void Paint() override;
    bool EraseBackground(HDC dc) override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void WMSize(TMessage& message) override;

private:
    void UpdateCellSizes();
    void DrawDayCell(int col, int row);

    TsMonthCalendar& calendar_;
    // Set while the grid follows the model, whose cell is always acceptable.
    bool following_ = false;
};

}  // namespace quendar
