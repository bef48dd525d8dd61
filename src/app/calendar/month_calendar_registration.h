#pragma once
// The stored properties of TsMonthCalendar and its registration by class
// name: the panel's properties with the calendar's size and border as
// defaults, then CalendarDate (only while UseCurrentDate is off),
// StartOfWeek, Weekends, WeekendColor, ShowCurrentDate, ShowTitle,
// UseCurrentDate, ReadOnly and OnChange. The title bar, the buttons and the
// grid are made by the calendar itself and never stored.

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& MonthCalendarProperties();

void RegisterMonthCalendarClasses(ClassRegistry& registry);

}  // namespace quendar
