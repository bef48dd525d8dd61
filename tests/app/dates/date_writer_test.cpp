#include "app/dates/date_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "date_test_support.h"

namespace quendar {
namespace {

constexpr TDateTime March15 = 46096;  // 15 March 2026, a Sunday
constexpr TDateTime March7 = 46088;   // 7 March 2026, a Saturday

struct WriteCase {
    const char* Pattern;
    TDateTime Value;
    const char* Expected;
};

void ExpectWrites(const DateFormatSettings& settings, std::initializer_list<WriteCase> cases) {
    for (const WriteCase& c : cases)
        EXPECT_EQ(DateToText(c.Pattern, c.Value, settings), c.Expected) << "pattern \"" << c.Pattern << "\"";
}

TEST(DateWriter, DateTokens) {
    ExpectWrites(DateFormatSettings(), {
                                           {"yyyymmdd", March7, "20260307"},
                                           {"yyyymmdd", March15, "20260315"},
                                           {"yyyymmdd", MakeDate(5, 1, 2), "00050102"},
                                           {"d dd ddd dddd", March7, "7 07 Sat Saturday"},
                                           {"m mm mmm mmmm mmmmm", March7, "3 03 Mar March March"},
                                           {"M MM MMM MMMM", March7, "3 03 Mar March"},
                                           {"y yy yyy yyyy yyyyy", March7, "26 26 2026 2026 2026"},
                                           {"yy", MakeDate(2005, 1, 1), "05"},
                                           {"ddddd", March15, "3/15/26"},
                                           {"dddddd|ddddddd", March15, "March 15, 2026|March 15, 2026"},
                                           {"aaa aaaa AAAA aAaA", March15, "Sun Sunday Sunday Sunday"},
                                           {"aa", March15, "aa"},
                                           {"c", March15, "3/15/26"},
                                           {"C", March15, "3/15/26"},
                                       });
}

TEST(DateWriter, LettersOfDifferentCaseAreSeparateTokens) {
    ExpectWrites(DateFormatSettings(), {
                                           {"dD", March7, "77"},
                                           {"Dd", March7, "77"},
                                           {"mMm", March7, "333"},
                                           {"YyYy", March7, "26262626"},
                                       });
}

TEST(DateWriter, EmptyPatternIsTheShortForm) {
    const std::pair<DateFormatSettings, const char*> cases[] = {
        {DateFormatSettings(), "3/15/26"},
        {UsSettings(), "3/15/2026"},
        {GermanSettings(), "15.03.2026"},
        {IsoSettings(), "2026-03-15"},
    };
    for (const auto& [settings, expected] : cases) EXPECT_EQ(DateToText("", March15, settings), expected);
}

TEST(DateWriter, SlashIsTheDateSeparatorAndQuotedTextIsCopied) {
    ExpectWrites(GermanSettings(), {
                                       {"d/m/y", March15, "15.3.26"},
                                       {"'d/m' \"y'\" x-q", March15, "d/m y' x-q"},
                                       {"yyyy 'abc", March15, "2026 abc"},
                                       {"dddddd", March15, "Sonntag, 15. M\xC3\xA4rz 2026"},
                                       {"\xC3\xA4 mmmm", March15, "\xC3\xA4 M\xC3\xA4rz"},
                                   });
}

TEST(DateWriter, MAfterAnHourIsMinutes) {
    ExpectWrites(DateFormatSettings(), {
                                           {"h:mm", March7, "0:00"},
                                           {"h:m", March7, "0:0"},
                                           {"hh-mm", March7, "00-00"},
                                           {"mm", March7, "03"},
                                           {"d mm", March7, "7 03"},
                                           {"h d mm", March7, "0 7 03"},
                                           {"h.'.'mm", March7, "0..00"},
                                           {"hh:nn:ss.zzz", March7, "00:00:00.000"},
                                       });
}

TEST(DateWriter, TimeOfDayAppearsOnlyWhenTheValueHasOne) {
    const TDateTime noon = March15 + 0.5;
    const TDateTime quarterPastOne = March15 + (13 * 60 + 15) / 1440.0;
    ExpectWrites(DateFormatSettings(), {
                                           {"c", noon, "3/15/26 12:00:00 PM"},
                                           {"", quarterPastOne, "3/15/26 1:15:00 PM"},
                                           {"am/pm a/p AM/PM A/P ampm", March15, "am a AM A AM"},
                                           {"am/pm a/p ampm", noon, "pm p PM"},
                                           {"hh:nn", quarterPastOne, "13:15"},
                                           {"t", March15, "12:00:00 AM"},
                                       });
}

TEST(DateWriter, NestingStopsAfterTwoLevels) {
    DateFormatSettings settings;
    settings.ShortDatePattern = "(ddddd)";
    settings.LongDatePattern = "<ddddd>";
    ExpectWrites(settings, {
                               {"ddddd", March15, "(())"},
                               {"", March15, "(())"},
                               {"dddddd", March15, "<()>"},
                           });
    settings.ShortDatePattern = "ddddd";
    EXPECT_EQ(DateToText("ddddd", March15, settings), "");
}

TEST(DateWriter, ResultHoldsAtMost256Characters) {
    const std::string longText(300, 'x');
    EXPECT_EQ(DateToText("'" + longText + "'", March15, DateFormatSettings()), std::string(256, 'x'));

    // Whole characters count, and none is cut in half: 64 times "März" is 256.
    std::string pattern, expected;
    for (int i = 0; i < 100; ++i) pattern += "mmmm''";
    for (int i = 0; i < 64; ++i) expected += "M\xC3\xA4rz";
    EXPECT_EQ(DateToText(pattern, March15, GermanSettings()), expected);

    std::string oddPattern = "'" + std::string(255, 'x') + "' mmmm";
    EXPECT_EQ(DateToText(oddPattern, March15, GermanSettings()), std::string(255, 'x') + " ");
}

TEST(DateWriter, ValuesOutsideTheCalendarWriteZerosAndNoNames) {
    ExpectWrites(DateFormatSettings(), {
                                           {"d/m/yyyy mmm|ddd", -700000, "0/0/0000 |Sat"},
                                           {"yyyy mmmm", std::nan(""), "0000 "},
                                       });
}

TEST(DateWriter, ProcessWideSettingsAreUsedWithoutARecord) {
    const DateFormatSettings saved = LocaleDateSettings();
    LocaleDateSettings() = IsoSettings();
    EXPECT_EQ(DateToText("", March15), "2026-03-15");
    LocaleDateSettings() = saved;
}

}  // namespace
}  // namespace quendar
