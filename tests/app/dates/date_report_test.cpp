#include "app/dates/date_report.h"

#include <gtest/gtest.h>

#include <string>

#include "date_test_support.h"
#include "framework/exception.h"

namespace quendar {
namespace {

TEST(DateReport, ThreeLinesByteForByte) {
    FixedLocalDay today(2026);
    struct Case {
        const char *Start, *Stop, *DayCount, *Expected;
    };
    const Case cases[] = {
        {"3/1/2026", "3/15/2026", "14",
         "Date 1 (Start):    20260301\r\nDate 2 (Stop): 20260315\r\nTotal Days:      14 days"},
        {" 1/2/0005 ", "12/31/9999", "",
         "Date 1 (Start):    00050102\r\nDate 2 (Stop): 99991231\r\nTotal Days:       days"},
        {"3/7", "3/1", "hello",
         "Date 1 (Start):    20260307\r\nDate 2 (Stop): 20260301\r\nTotal Days:      hello days"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReportText(c.Start, c.Stop, c.DayCount, UsSettings()), c.Expected);
}

TEST(DateReport, UnreadableDateNamesTheStartTextFirst) {
    FixedLocalDay today(2026);
    struct Case {
        const char *Start, *Stop, *Message;
    };
    const Case cases[] = {
        {"abc", "also bad", "'abc' is not a valid date"},
        {"3/1/2026", " x ", "' x ' is not a valid date"},
        {"", "3/1/2026", "'' is not a valid date"},
        {"2/30/2026", "", "'2/30/2026' is not a valid date"},
    };
    for (const Case& c : cases) {
        try {
            ReportText(c.Start, c.Stop, "14", UsSettings());
            ADD_FAILURE() << "no exception for " << c.Start << " / " << c.Stop;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), c.Message);
        }
    }
}

TEST(DateReport, ProcessWideSettingsAreUsedWithoutARecord) {
    FixedLocalDay today(2026);
    const DateFormatSettings saved = LocaleDateSettings();
    LocaleDateSettings() = GermanSettings();
    EXPECT_EQ(ReportText("1.3.2026", "15.3.2026", "14"),
              "Date 1 (Start):    20260301\r\nDate 2 (Stop): 20260315\r\nTotal Days:      14 days");
    LocaleDateSettings() = saved;
}

}  // namespace
}  // namespace quendar
