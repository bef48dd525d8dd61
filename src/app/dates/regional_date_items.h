#pragma once
// Filling the date settings from the user's regional items. The caller reads
// the items from the platform (GetLocaleInfo of the user's default locale);
// this stays free of platform code so the command line starts fast. An empty
// item means the platform has none, and the setting keeps its default.

#include <array>
#include <string>

#include "app/dates/date_settings.h"

namespace quendar {

struct RegionalDateItems {
    std::string ShortDate{};                   // LOCALE_SSHORTDATE
    std::string DateSeparator{};               // LOCALE_SDATE; its first character is used
    std::string LongDate{};                    // LOCALE_SLONGDATE
    std::string TimeLeadingZero{};             // LOCALE_ITLZERO: "1" writes the hour in two digits
    std::string TimeClock{};                   // LOCALE_ITIME: "0" for a 12-hour clock
    std::string TimeMarkerPosition{};          // LOCALE_ITIMEMARKPOSN: "1" puts AM/PM before the time
    std::array<std::string, 12> MonthNames{};  // LOCALE_SMONTHNAME1..12
    std::array<std::string, 12> AbbreviatedMonthNames{};  // LOCALE_SABBREVMONTHNAME1..12
    std::array<std::string, 7> DayNames{};                // LOCALE_SDAYNAME1..7, Monday first
    std::array<std::string, 7> AbbreviatedDayNames{};     // LOCALE_SABBREVDAYNAME1..7, Monday first
};

// Composes the time pattern: "h" or "hh", ":mm:ss", and on a 12-hour clock
// "AMPM " before or " AMPM" after it.
std::string LongTimePatternFrom(const RegionalDateItems& items);

DateFormatSettings DateSettingsFromRegionalItems(const RegionalDateItems& items);

}  // namespace quendar
