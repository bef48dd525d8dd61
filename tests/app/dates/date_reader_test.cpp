#include "app/dates/date_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "date_test_support.h"
#include "framework/exception.h"

namespace quendar {
namespace {

struct Ymd {
    int Year, Month, Day;
};

struct ReadCase {
    const char* Text;
    std::optional<Ymd> Expected;  // nothing: the text is invalid
};

void ExpectReads(const DateFormatSettings& settings, std::initializer_list<ReadCase> cases) {
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.Text << "\"");
        TDateTime value = -1;
        const bool read = TryTextToDate(c.Text, value, settings);
        ASSERT_EQ(read, c.Expected.has_value());
        if (read) {
            EXPECT_EQ(value, MakeDate(c.Expected->Year, c.Expected->Month, c.Expected->Day));
        } else {
            EXPECT_EQ(value, -1) << "a failed read must leave the value alone";
        }
    }
}

TEST(DateReader, DayMonthYearWithDots) {
    FixedLocalDay today(2026);
    ExpectReads(GermanSettings(), {
                                      {"31.12.2025", Ymd{2025, 12, 31}},
                                      {"31.02.2026", std::nullopt},
                                      {"1.2", Ymd{2026, 2, 1}},
                                      {" 1 . 2 . 26 ", Ymd{2026, 2, 1}},
                                      {"15.03.2026.", Ymd{2026, 3, 15}},
                                      {"15.03.2026 . ", Ymd{2026, 3, 15}},
                                      {"15.03.2026..", std::nullopt},
                                      {"15.03.", std::nullopt},
                                      {"15/03/2026", std::nullopt},
                                      {"1 5.03.2026", std::nullopt},  // blanks inside a number
                                  });
}

TEST(DateReader, MonthDayYearWithSlashes) {
    FixedLocalDay today(2026);
    ExpectReads(UsSettings(), {
                                  {"2/29/2024", Ymd{2024, 2, 29}},
                                  {"2/29/2023", std::nullopt},
                                  {"12345/1/1", std::nullopt},  // the fifth digit is left over
                                  {"1/1/10000", std::nullopt},
                                  {"00001/2/2026", Ymd{2026, 1, 2}},  // leading zeros are not significant
                                  {"3/15/2026 10:00", std::nullopt},
                                  {"1/1", Ymd{2026, 1, 1}},
                                  {"1/", std::nullopt},
                                  {"1/15/", std::nullopt},
                                  {"1/15/2", Ymd{2002, 1, 15}},
                                  {"1/15/202", Ymd{202, 1, 15}},
                                  {"1/15/2026", Ymd{2026, 1, 15}},
                                  {"01/02/2026", Ymd{2026, 1, 2}},
                                  {"1 / 1 / 2026 / ", Ymd{2026, 1, 1}},
                                  {"1/1/2026//", std::nullopt},
                                  {"1/1/20 26", std::nullopt},
                                  {"1/1/2026x", std::nullopt},
                                  {"13/1/2026", std::nullopt},
                                  {"0/1/2026", std::nullopt},
                                  {"+1/1/2026", std::nullopt},
                                  {"-1/1/2026", std::nullopt},
                              });
}

TEST(DateReader, OnlySpacesAreBlanks) {
    FixedLocalDay today(2026);
    ExpectReads(UsSettings(), {
                                  {"", std::nullopt},
                                  {"   ", std::nullopt},
                                  {"\t1/1/2026", std::nullopt},
                                  {"1/1/2026\t", std::nullopt},
                                  {"1/1/2026\r\n", std::nullopt},
                              });
    TDateTime value = 0;
    EXPECT_FALSE(TryTextToDate(std::string_view("1/1/2026\0", 9), value, UsSettings()));
}

TEST(DateReader, YearsOfOneToFourDigits) {
    FixedLocalDay today(2026);
    ExpectReads(UsSettings(), {
                                  {"1/1/75", Ymd{2075, 1, 1}},
                                  {"1/1/76", Ymd{1976, 1, 1}},
                                  {"1/1/5", Ymd{2005, 1, 1}},
                                  {"1/1/0", Ymd{2000, 1, 1}},
                                  {"1/1/00", Ymd{2000, 1, 1}},
                                  {"1/1/999", Ymd{999, 1, 1}},
                                  {"1/1/000", std::nullopt},  // the year 0
                                  {"1/1/0005", Ymd{5, 1, 1}},
                                  {"12/31/9999", Ymd{9999, 12, 31}},
                              });
}

TEST(DateReader, YearMonthDayWithDashes) {
    FixedLocalDay today(2026);
    ExpectReads(IsoSettings(), {
                                   {"2026-03-15", Ymd{2026, 3, 15}},
                                   {"3-15", Ymd{2026, 3, 15}},  // two numbers are month first
                                   {"26-3-15", Ymd{2026, 3, 15}},
                                   {"75-1-1", Ymd{2075, 1, 1}},
                                   {"2026-15-03", std::nullopt},
                               });
}

TEST(DateReader, DefaultSettingsReadTheirOwnShortForm) {
    FixedLocalDay today(2026);
    ExpectReads(DateFormatSettings(), {{"3/15/26", Ymd{2026, 3, 15}}, {"15/3/26", std::nullopt}});
}

TEST(DateReader, BlankSeparatorIsARunOfBlanks) {
    FixedLocalDay today(2026);
    DateFormatSettings settings;
    settings.DateSep = ' ';
    settings.ShortDatePattern = "dd MM yyyy";
    ExpectReads(settings, {
                              {"15 03 2026", Ymd{2026, 3, 15}},
                              {"15   3   2026  ", Ymd{2026, 3, 15}},
                              {"15 3", Ymd{2026, 3, 15}},
                              {"15 3 ", Ymd{2026, 3, 15}},
                              {"15", std::nullopt},
                              {"15/3/2026", std::nullopt},
                          });
}

TEST(DateReader, FieldOrderComesFromTheFirstDateLetter) {
    const std::pair<const char*, DateFieldOrder> cases[] = {
        {"m/d/yy", DateFieldOrder::MonthDayYear},       {"dd.MM.yyyy", DateFieldOrder::DayMonthYear},
        {"yyyy-MM-dd", DateFieldOrder::YearMonthDay},   {"", DateFieldOrder::MonthDayYear},
        {"ggg ee/MM/dd", DateFieldOrder::YearMonthDay}, {"MMMM d", DateFieldOrder::MonthDayYear},
        {"'x' D.m", DateFieldOrder::DayMonthYear},      {"!-?", DateFieldOrder::MonthDayYear},
    };
    for (auto [pattern, order] : cases) EXPECT_EQ(FieldOrderOf(pattern), order) << pattern;
}

TEST(DateReader, TwoDigitYearWindowMovesWithTheCurrentYear) {
    struct Case {
        int thisYear, written, expected;
    };
    const Case cases[] = {
        {2026, 75, 2075}, {2026, 76, 1976}, {2026, 0, 2000},  {2026, 5, 2005},  {2000, 49, 2049},
        {2000, 50, 1950}, {1999, 49, 1949}, {1999, 48, 2048}, {2099, 48, 2148}, {2099, 49, 2049},
        {2030, 75, 2075}, {2024, 74, 1974}, {2024, 73, 2073},
    };
    for (const Case& c : cases) {
        FixedLocalDay today(c.thisYear);
        EXPECT_EQ(WindowedYear(c.written, 50), c.expected) << "in " << c.thisYear << ": " << c.written;
        TDateTime value = 0;
        ASSERT_TRUE(TryTextToDate("1/1/" + std::to_string(c.written), value, UsSettings()));
        EXPECT_EQ(value, MakeDate(c.expected, 1, 1));
    }
}

TEST(DateReader, TwoNumbersTakeTheCurrentYear) {
    TDateTime value = 0;
    {
        FixedLocalDay today(2031);
        EXPECT_FALSE(TryTextToDate("2/29", value, UsSettings()));
    }
    {
        FixedLocalDay today(2032);
        ASSERT_TRUE(TryTextToDate("2/29", value, UsSettings()));
        EXPECT_EQ(value, MakeDate(2032, 2, 29));
    }
}

TEST(DateReader, FailureNamesTheWholeUntrimmedText) {
    FixedLocalDay today(2026);
    const char* texts[] = {"abc", "  31.02.2026 ", "", "100%s"};
    for (const char* text : texts) {
        try {
            TextToDate(text, GermanSettings());
            FAIL() << "no exception for " << text;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), std::string("'") + text + "' is not a valid date");
        }
    }
    EXPECT_EQ(TextToDate(" 15.3.2026 ", GermanSettings()), 46096);
}

TEST(DateReader, ProcessWideSettingsAreUsedWithoutARecord) {
    FixedLocalDay today(2026);
    const DateFormatSettings saved = LocaleDateSettings();
    LocaleDateSettings() = GermanSettings();
    EXPECT_EQ(TextToDate("15.3.2026"), 46096);
    TDateTime value = 0;
    EXPECT_FALSE(TryTextToDate("3/15/2026", value));
    LocaleDateSettings() = saved;
}

}  // namespace
}  // namespace quendar
