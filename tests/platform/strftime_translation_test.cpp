#include "platform/strftime_translation.h"

#include <gtest/gtest.h>

namespace quendar {
namespace {

TEST(StrftimeTranslation, DatePatterns) {
    struct Case {
        const char *Format, *Separator, *Pattern;
    };
    const Case cases[] = {
        {"%m/%d/%Y", "/", "MM/dd/yyyy"},
        {"%d.%m.%Y", ".", "dd.MM.yyyy"},
        {"%Y-%m-%d", "-", "yyyy-MM-dd"},
        {"%D", "/", "MM/dd/yy"},
        {"%F", "-", "yyyy-MM-dd"},
        {"%e/%-m/%y", "/", "d/M/yy"},
        {"%0e.%_d", ".", "dd.d"},
        {"%Ey.%Om.%Od", ".", "yy.MM.dd"},
        {"%a %d %b, %A %B", "/", "ddd dd MMM, dddd MMMM"},
        {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", "\xE5\xB9\xB4",
         "yyyy\xE5\xB9\xB4MM\xE6\x9C\x88"
         "dd\xE6\x97\xA5"},
        {"%d de %B de %Y", " ", "dd 'de' MMMM 'de' yyyy"},
        {"%d/%m/%Y", ".", "dd'/'MM'/'yyyy"},  // a slash that is not the separator prints as written
        {"it's %d", "/", "'it'\"'\"'s' dd"},
        {"\"%d\"", "/", "'\"'dd'\"'"},
        {"100%% %d%n", "/", "100% dd\n"},
        {"%H:%M", "/", ""},
        {"%a %A", "/", ""},  // day names alone are no date
        {"", "/", ""},
        {"%d %", "/", "dd %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DatePatternFromStrftime(c.Format, c.Separator), c.Pattern)
            << "format \"" << c.Format << "\"";
}

TEST(StrftimeTranslation, DateSeparators) {
    const std::pair<const char*, const char*> cases[] = {
        {"%m/%d/%Y", "/"},
        {"%d.%m.%Y", "."},
        {"%Y-%m-%d", "-"},
        {"%D", "/"},
        {"%Y. %m. %d.", "."},
        {"%Y%m%d", ""},
        {"%d %B %Y", " "},
        {"%B %Y", ""},
        {"", ""},
        {"%A, %d.%m.", "."},
        {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5", "\xE5\xB9\xB4"},
    };
    for (auto [format, separator] : cases) EXPECT_EQ(DateSeparatorFromStrftime(format), separator) << format;
}

TEST(StrftimeTranslation, LongDatePatternLeavesTheTimeOut) {
    const std::pair<const char*, const char*> cases[] = {
        {"%a %d %b %Y %r %Z", "ddd dd MMM yyyy"},
        {"%a %d %b %Y %T %Z", "ddd dd MMM yyyy"},
        {"%a %b %e %H:%M:%S %Y", "ddd MMM d yyyy"},
        {"%A, %B %e, %Y, %I:%M %p", "dddd, MMMM d, yyyy"},
        {"%H:%M %d.%m.%Y", "dd.MM.yyyy"},
        {"%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5 %H\xE6\x99\x82%M\xE5\x88\x86",
         "yyyy\xE5\xB9\xB4MM\xE6\x9C\x88"
         "dd\xE6\x97\xA5"},
        {"%c", ""},
        {"%T", ""},
    };
    for (auto [format, pattern] : cases)
        EXPECT_EQ(LongDatePatternFromStrftime(format, "/"), pattern) << format;
}

TEST(StrftimeTranslation, ClockStyle) {
    struct Case {
        const char *TimeFormat, *TwelveHourFormat;
        bool HasHour, TwelveHour, LeadingZero, MarkerFirst;
    };
    const Case cases[] = {
        {"%r", "%I:%M:%S %p", true, true, true, false},
        {"%r", "%p %I:%M:%S", true, true, true, true},
        {"%r", "", true, true, true, false},
        {"%T", "", true, false, true, false},
        {"%R", "", true, false, true, false},
        {"%H:%M:%S", "", true, false, true, false},
        {"%k:%M", "", true, false, false, false},
        {"%0k:%M", "", true, false, true, false},
        {"%-I:%M %p", "", true, true, false, false},
        {"%p %l:%M", "", true, true, false, true},
        {"%M:%S", "", false, false, false, false},
        {"", "", false, false, false, false},
    };
    for (const Case& c : cases) {
        const StrftimeClock clock = ClockFromStrftime(c.TimeFormat, c.TwelveHourFormat);
        SCOPED_TRACE(testing::Message() << c.TimeFormat << " / " << c.TwelveHourFormat);
        EXPECT_EQ(clock.HasHour, c.HasHour);
        EXPECT_EQ(clock.TwelveHour, c.TwelveHour);
        EXPECT_EQ(clock.LeadingZero, c.LeadingZero);
        EXPECT_EQ(clock.MarkerFirst, c.MarkerFirst);
    }
}

}  // namespace
}  // namespace quendar
