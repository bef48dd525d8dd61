#include "app/regional/regional_settings.h"

#include "app/dates/calendar_day_of_week.h"
#include "platform/locale_info.h"

namespace quendar {

namespace {

std::string UserItem(LCTYPE item) { return GetLocaleInfo(LOCALE_USER_DEFAULT, item); }

}  // namespace

RegionalDateItems UserRegionalDateItems() {
    RegionalDateItems items;
    items.ShortDate = UserItem(LOCALE_SSHORTDATE);
    items.DateSeparator = UserItem(LOCALE_SDATE);
    items.LongDate = UserItem(LOCALE_SLONGDATE);
    items.TimeLeadingZero = UserItem(LOCALE_ITLZERO);
    items.TimeClock = UserItem(LOCALE_ITIME);
    items.TimeMarkerPosition = UserItem(LOCALE_ITIMEMARKPOSN);
    for (LCTYPE month = 0; month < 12; ++month) {
        items.MonthNames[month] = UserItem(LOCALE_SMONTHNAME1 + month);
        items.AbbreviatedMonthNames[month] = UserItem(LOCALE_SABBREVMONTHNAME1 + month);
    }
    for (LCTYPE day = 0; day < 7; ++day) {
        items.DayNames[day] = UserItem(LOCALE_SDAYNAME1 + day);
        items.AbbreviatedDayNames[day] = UserItem(LOCALE_SABBREVDAYNAME1 + day);
    }
    return items;
}

void UseUserLocaleFirstDayOfWeek() {
    SetLocaleFirstDaySource([] { return UserItem(LOCALE_IFIRSTDAYOFWEEK); });
}

void LoadLocaleDateSettings() {
    LocaleDateSettings() = DateSettingsFromRegionalItems(UserRegionalDateItems());
}

}  // namespace quendar
