#include "app/dates/regional_date_items.h"

namespace quendar {

namespace {

void TakeIfGiven(std::string& setting, const std::string& item) {
    if (!item.empty()) setting = item;
}

// The day table is Sunday first; the platform numbers its names Monday first.
int PlatformDayNumber(int weekday) { return (weekday + 5) % 7 + 1; }

}  // namespace

std::string LongTimePatternFrom(const RegionalDateItems& items) {
    std::string pattern = items.TimeLeadingZero == "1" ? "hh" : "h";
    pattern += ":mm:ss";
    if (items.TimeClock != "1") {
        pattern = items.TimeMarkerPosition == "1" ? "AMPM " + pattern : pattern + " AMPM";
    }
    return pattern;
}

DateFormatSettings DateSettingsFromRegionalItems(const RegionalDateItems& items) {
    DateFormatSettings settings;
    // The separator is one byte: a separator outside ASCII (a multi-byte
    // character) cannot be matched byte-wise, so the default stays.
    const unsigned char separator = items.DateSeparator.empty() ? 0 : items.DateSeparator.front();
    if (separator != 0 && separator < 0x80) settings.DateSep = static_cast<char>(separator);
    TakeIfGiven(settings.ShortDatePattern, items.ShortDate);
    TakeIfGiven(settings.LongDatePattern, items.LongDate);
    settings.LongTimePattern = LongTimePatternFrom(items);

    for (int month = 1; month <= 12; ++month) {
        if (!items.MonthNames[month - 1].empty())
            settings.MonthNamesLong.Set(month, items.MonthNames[month - 1]);
        if (!items.AbbreviatedMonthNames[month - 1].empty())
            settings.MonthNamesShort.Set(month, items.AbbreviatedMonthNames[month - 1]);
    }
    for (int weekday = 1; weekday <= 7; ++weekday) {
        const int platformIndex = PlatformDayNumber(weekday) - 1;
        if (!items.DayNames[platformIndex].empty())
            settings.DayNamesLong.Set(weekday, items.DayNames[platformIndex]);
        if (!items.AbbreviatedDayNames[platformIndex].empty())
            settings.DayNamesShort.Set(weekday, items.AbbreviatedDayNames[platformIndex]);
    }
    return settings;
}

}  // namespace quendar
