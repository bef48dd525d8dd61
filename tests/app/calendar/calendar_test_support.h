#pragma once
// A shown form holding one month calendar, with "today" fixed at Sunday
// 15 March 2026 and the week starting on Monday, so the grid reads:
//
//   Mon Tue Wed Thu Fri Sat Sun      row 0
//                            1       row 1
//    2   3   4   5   6   7   8       row 2
//    9  10  11  12  13  14  15       row 3   (15: column 6, today)
//   16 ...                  22
//   23 ...                  29
//   30  31                           row 6
//
// Input goes through the headless window system, as a user's would.

#include <string>
#include <vector>

#include "app/calendar/calendar_grid.h"
#include "app/calendar/calendar_title_bar.h"
#include "app/calendar/month_calendar.h"
#include "app/dates/date_test_support.h"
#include "app/dates/month_calendar_layout.h"
#include "framework/std_controls_test_support.h"

namespace quendar::testing_support {

class CalendarTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        form = MakeForm(300, 200);
        calendar = Add<TsMonthCalendar>(*form, Rect::FromSize(10, 10, 178, 139));
        calendar->SetStartOfWeek(TCalDayOfWeek::dowMonday);
        calendar->OnChange = TNotifyEvent([this](TComponent* sender) {
            ++changes;
            changeSenders.push_back(sender);
        });
        form->Show();
        robot->Pump();
        calendar->Grid().SetFocus();
        robot->Pump();
    }

    void TearDown() override {
        form.reset();
        ControlTest::TearDown();
    }

    // The middle of a grid cell, in the grid's client coordinates.
    Point CellMiddle(int col, int row) const {
        const Rect cell =
            CalendarGridLayout({calendar->Grid().ClientWidth(), calendar->Grid().ClientHeight()})
                .CellRect({col, row});
        return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    }
    void ClickCell(int col, int row) { ClickAt(calendar->Grid(), CellMiddle(col, row)); }
    void ClickButton(const TControl& button) { ClickAt(button, {button.Width() / 2, button.Height() / 2}); }
    // Moves the date without counting it as a change made by the user.
    void Select(int year, int month, int day) {
        calendar->SetCalendarDate(MakeDate(year, month, day));
        robot->Pump();
        changes = 0;
        changeSenders.clear();
    }
    TDateTime Date(int year, int month, int day) const { return MakeDate(year, month, day); }
    Bitmap GridPixels() { return ClientPixels(*robot, *form, calendar->Grid()); }

    FixedLocalDay today{2026, 3, 15};
    FormPtr form;
    TsMonthCalendar* calendar = nullptr;
    int changes = 0;
    std::vector<TComponent*> changeSenders;
};

}  // namespace quendar::testing_support
