#include "app/calendar/month_calendar_registration.h"

#include "app/calendar/month_calendar.h"
#include "app/dates/month_calendar_layout.h"
#include "framework/graphics_properties.h"
#include "framework/std_buttons_registration.h"

namespace quendar {

namespace {

const std::vector<std::string> DayOfWeekNames = {"dowMonday",   "dowTuesday",      "dowWednesday",
                                                 "dowThursday", "dowFriday",       "dowSaturday",
                                                 "dowSunday",   "dowLocaleDefault"};

}  // namespace

const PropertyTable& MonthCalendarProperties() {
    using C = TsMonthCalendar;
    static const PropertyTable table =
        PropertyTable(PanelProperties())
            .Integer<C>("Width", &C::Width, &C::SetWidth, CalendarDefaultSize.Width)
            .Integer<C>("Height", &C::Height, &C::SetHeight, CalendarDefaultSize.Height)
            .Integer<C>("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, CalendarBorderWidth)
            .Integer<C>("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, CalendarBevelWidth)
            .Float<C>("CalendarDate", &C::CalendarDate, &C::SetCalendarDate)
            .Enum<C, TCalDayOfWeek>("StartOfWeek", &C::StartOfWeek, &C::SetStartOfWeek,
                                    TCalDayOfWeek::dowLocaleDefault, DayOfWeekNames)
            .Set<C, std::uint8_t>(
                "Weekends", [](const C& c) { return c.Weekends().Bits(); },
                [](C& c, std::uint8_t bits) { c.SetWeekends(TDaysOfWeek::FromBits(bits)); },
                TDaysOfWeek{TCalDayOfWeek::dowSunday}.Bits(), DayOfWeekNames)
            .Integer<C>("WeekendColor", &C::WeekendColor, &C::SetWeekendColor, clRed, ColorIdents())
            .Boolean<C>("ShowCurrentDate", &C::ShowCurrentDate, &C::SetShowCurrentDate, true)
            .Boolean<C>("ShowTitle", &C::ShowTitle, &C::SetShowTitle, true)
            .Boolean<C>("UseCurrentDate", &C::UseCurrentDate, &C::SetUseCurrentDate, true)
            .Boolean<C>("ReadOnly", &C::ReadOnly, &C::SetReadOnly, false)
            .Event<C>("OnChange", &C::OnChange)
            // A date that follows the clock is today's at every start: only
            // a chosen one is written.
            .StoredWhen<C>("CalendarDate", [](const C& c) { return !c.UseCurrentDate(); });
    return table;
}

void RegisterMonthCalendarClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TsMonthCalendar>("TsMonthCalendar", MonthCalendarProperties());
}

}  // namespace quendar
