#include "app/dates/regional_date_items.h"

#include <gtest/gtest.h>

#include "app/dates/date_writer.h"

namespace quendar {
namespace {

RegionalDateItems GermanItems() {
    return RegionalDateItems{
        .ShortDate = "dd.MM.yyyy",
        .DateSeparator = ".",
        .LongDate = "ddd dd MMM yyyy",
        .TimeLeadingZero = "1",
        .TimeClock = "1",
        .TimeMarkerPosition = "0",
        .MonthNames = {"Januar", "Februar", "M\xC3\xA4rz", "April", "Mai", "Juni", "Juli", "August",
                       "September", "Oktober", "November", "Dezember"},
        .AbbreviatedMonthNames = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt",
                                  "Nov", "Dez"},
        .DayNames = {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
        .AbbreviatedDayNames = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    };
}

TEST(RegionalDateItems, NoItemsGiveTheDefaults) {
    const DateFormatSettings settings = DateSettingsFromRegionalItems(RegionalDateItems());
    EXPECT_EQ(settings, DateFormatSettings());
    EXPECT_EQ(settings.DateSep, '/');
    EXPECT_EQ(settings.ShortDatePattern, "m/d/yy");
    EXPECT_EQ(settings.LongDatePattern, "mmmm d, yyyy");
    EXPECT_EQ(settings.LongTimePattern, "h:mm:ss AMPM");
    EXPECT_EQ(settings.MonthNamesShort[1], "Jan");
    EXPECT_EQ(settings.MonthNamesLong[12], "December");
    EXPECT_EQ(settings.DayNamesShort[1], "Sun");
    EXPECT_EQ(settings.DayNamesLong[7], "Saturday");
    EXPECT_EQ(settings.YearWindow, 50);
}

TEST(RegionalDateItems, DayNamesAreRenumberedSundayFirst) {
    const DateFormatSettings settings = DateSettingsFromRegionalItems(GermanItems());
    const char* longNames[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                               "Donnerstag", "Freitag", "Samstag"};
    const char* shortNames[] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    for (int weekday = 1; weekday <= 7; ++weekday) {
        EXPECT_EQ(settings.DayNamesLong[weekday], longNames[weekday - 1]);
        EXPECT_EQ(settings.DayNamesShort[weekday], shortNames[weekday - 1]);
    }
    EXPECT_EQ(settings.MonthNamesLong[3], "M\xC3\xA4rz");
    EXPECT_EQ(settings.MonthNamesShort[10], "Okt");
    EXPECT_EQ(settings.DateSep, '.');
    EXPECT_EQ(settings.ShortDatePattern, "dd.MM.yyyy");
    EXPECT_EQ(DateToText("dddddd", 46096, settings), "So 15 M\xC3\xA4r 2026");
}

TEST(RegionalDateItems, MissingNamesKeepTheirEnglishDefault) {
    RegionalDateItems items = GermanItems();
    items.MonthNames[4] = "";
    items.DayNames[6] = "";  // Sunday on the platform's Monday-first numbering
    const DateFormatSettings settings = DateSettingsFromRegionalItems(items);
    EXPECT_EQ(settings.MonthNamesLong[5], "May");
    EXPECT_EQ(settings.MonthNamesLong[6], "Juni");
    EXPECT_EQ(settings.DayNamesLong[1], "Sunday");
    EXPECT_EQ(settings.DayNamesLong[2], "Montag");
}

TEST(RegionalDateItems, SeparatorIsOneAsciiCharacter) {
    const std::pair<const char*, char> cases[] = {
        {"-", '-'}, {".x", '.'}, {" ", ' '}, {"", '/'}, {"\xE5\xB9\xB4", '/'},  // a CJK year sign
    };
    for (auto [item, separator] : cases) {
        const RegionalDateItems items{.DateSeparator = item};
        EXPECT_EQ(DateSettingsFromRegionalItems(items).DateSep, separator) << item;
    }
}

TEST(RegionalDateItems, TimePatternFromClockItems) {
    struct Case {
        const char *LeadingZero, *Clock, *MarkerPosition, *Pattern;
    };
    const Case cases[] = {
        {"1", "1", "0", "hh:mm:ss"},      {"0", "1", "1", "h:mm:ss"},       {"0", "0", "0", "h:mm:ss AMPM"},
        {"1", "0", "0", "hh:mm:ss AMPM"}, {"1", "0", "1", "AMPM hh:mm:ss"}, {"", "", "", "h:mm:ss AMPM"},
    };
    for (const Case& c : cases) {
        const RegionalDateItems items{
            .TimeLeadingZero = c.LeadingZero, .TimeClock = c.Clock, .TimeMarkerPosition = c.MarkerPosition};
        EXPECT_EQ(LongTimePatternFrom(items), c.Pattern);
        EXPECT_EQ(DateSettingsFromRegionalItems(items).LongTimePattern, c.Pattern);
    }
}

}  // namespace
}  // namespace quendar
