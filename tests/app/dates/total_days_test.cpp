#include "app/dates/total_days.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "date_test_support.h"

namespace quendar {
namespace {

TEST(TotalDays, TrimRemovesCodesUpTo32Only) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""},
        {" \t\r\n", ""},
        {std::string_view("\0\x01 a b\x1F\x20", 7), "a b"},
        {"\x7F"
         "a\x7F",
         "\x7F"
         "a\x7F"},
        {"\xC3\xA4", "\xC3\xA4"},  // bytes of a UTF-8 letter are above 127
        {" \xA0x\xA0 ", "\xA0x\xA0"},
    };
    for (auto [text, trimmed] : cases) EXPECT_EQ(TrimControlCharacters(text), trimmed);
}

struct RecalculationCase {
    const char* Start;
    const char* Stop;
    std::optional<std::string> Expected;  // nothing: the field keeps its text
};

TEST(TotalDays, RecalculationWithDayMonthYear) {
    FixedLocalDay today(2026);
    const RecalculationCase cases[] = {
        {"", "", std::nullopt},
        {"1.3.2026", "", std::nullopt},
        {"", "15.3.2026", std::nullopt},
        {"  ", "15.3.2026", std::nullopt},
        {"1.3.2026", "\t\r\n ", std::nullopt},
        {"abc", "", std::nullopt},  // an empty field wins over an invalid one
        {"1.3.2026", "15.3.2026", "14"},
        {"15.3.2026", "1.3.2026", "-14"},
        {"15.3.2026", "15.03.2026", "0"},
        {"1.3.2026", "7.3.2026", "6"},
        {" 1.3.2026 ", " 15.3.2026  ", "14"},
        {"\t1.3.2026", "15.3.2026", "Enter valid dates"},  // trimmed for the test, read untrimmed
        {"abc", "15.3.2026", "Enter valid dates"},
        {"1.3.2026", "31.02.2026", "Enter valid dates"},
        {"1.1.0001", "31.12.9999", "3652058"},
        {"31.12.9999", "1.1.0001", "-3652058"},
        {"1.1.0000", "1.1.2026", "Enter valid dates"},
    };
    for (const RecalculationCase& c : cases) {
        EXPECT_EQ(RecalculatedTotalDays(c.Start, c.Stop, GermanSettings()), c.Expected)
            << "start \"" << c.Start << "\", stop \"" << c.Stop << "\"";
    }
}

TEST(TotalDays, CountFollowsTypingOfAMonthDayYearDate) {
    FixedLocalDay today(2026);
    const std::pair<const char*, const char*> typing[] = {
        {"1", "Enter valid dates"},
        {"1/", "Enter valid dates"},
        {"1/1", "73"},
        {"1/15", "59"},
        {"1/15/", "Enter valid dates"},
        {"1/15/2", "8825"},
        {"1/15/20", "2251"},
        {"1/15/202", "666262"},
        {"1/15/2026", "59"},
    };
    for (auto [start, expected] : typing)
        EXPECT_EQ(RecalculatedTotalDays(start, "3/15/2026", UsSettings()), expected) << start;
}

TEST(TotalDays, ProcessWideSettingsAreUsedWithoutARecord) {
    FixedLocalDay today(2026);
    const DateFormatSettings saved = LocaleDateSettings();
    LocaleDateSettings() = IsoSettings();
    EXPECT_EQ(RecalculatedTotalDays("2026-03-01", "2026-03-15"), "14");
    LocaleDateSettings() = saved;
}

}  // namespace
}  // namespace quendar
