#include "app/cli/date_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "app/dates/date_test_support.h"

namespace quendar {
namespace {

DateFormatSettings DefaultSettings() { return DateFormatSettings(); }

DateFormatSettings GermanSettings() {
    DateFormatSettings settings;
    settings.ShortDatePattern = "dd.MM.yyyy";
    settings.DateSep = '.';
    return settings;
}

DateFormatSettings IsoSettings() {
    DateFormatSettings settings;
    settings.ShortDatePattern = "yyyy-MM-dd";
    settings.DateSep = '-';
    return settings;
}

struct CommandCase {
    DateFormatSettings (*Settings)();
    const char* Start;
    const char* Stop;
    const char* Output;
    const char* Errors;
    int ExitStatus;
};

void ExpectResult(const CommandResult& result, const CommandCase& c) {
    EXPECT_EQ(result.Output, c.Output) << "'" << c.Start << "' '" << c.Stop << "'";
    EXPECT_EQ(result.Errors, c.Errors) << "'" << c.Start << "' '" << c.Stop << "'";
    EXPECT_EQ(result.ExitStatus, c.ExitStatus) << "'" << c.Start << "' '" << c.Stop << "'";
}

TEST(DaysCommand, PrintsTheCountOrTheHint) {
    FixedLocalDay today(2024);
    const char* hint = "Enter valid dates\n";
    const CommandCase cases[] = {
        {DefaultSettings, "1/1/2026", "1/15/2026", "14\n", "", 0},
        {DefaultSettings, "1/15/2026", "1/1/2026", "-14\n", "", 0},
        {DefaultSettings, "3/1/2026", "3/1/2026", "0\n", "", 0},
        {DefaultSettings, " 1/1/2026 ", "1/15/2026  ", "14\n", "", 0},
        {DefaultSettings, "2/1", "3/1", "29\n", "", 0},  // the current year, 2024, is a leap year
        {DefaultSettings, "1/1/0001", "12/31/9999", "3652058\n", "", 0},
        {DefaultSettings, "12/31/9999", "1/1/0001", "-3652058\n", "", 0},
        {DefaultSettings, "", "1/15/2026", "", hint, 1},
        {DefaultSettings, "1/1/2026", "", "", hint, 1},
        {DefaultSettings, "   ", "\t", "", hint, 1},
        {DefaultSettings, "\t1/1/2026", "1/15/2026", "", hint, 1},  // a tab is trimmed but is no blank
        {DefaultSettings, "2/29/2023", "3/1/2023", "", hint, 1},
        {DefaultSettings, "1/1/2026 10:00", "1/15/2026", "", hint, 1},
        {DefaultSettings, "abc", "xyz", "", hint, 1},
        {GermanSettings, "01.01.2026", "15.01.2026", "14\n", "", 0},
        {GermanSettings, "15.03.2026.", "01.03.2026", "-14\n", "", 0},
        {GermanSettings, "1/1/2026", "1/15/2026", "", hint, 1},
        {IsoSettings, "2026-01-01", "2026-01-15", "14\n", "", 0},
        {IsoSettings, "01.01.2026", "2026-01-15", "", hint, 1},
    };
    for (const CommandCase& c : cases) ExpectResult(DaysCommand(c.Start, c.Stop, c.Settings()), c);
}

TEST(ReportCommand, PrintsTheClipboardBytesOrTheConversionMessage) {
    const char* march = "Date 1 (Start):    20260301\r\nDate 2 (Stop): 20260315\r\nTotal Days:      14 days";
    const CommandCase cases[] = {
        {DefaultSettings, "3/1/2026", "3/15/2026", march, "", 0},
        {GermanSettings, "01.03.2026", "15.03.2026", march, "", 0},
        {IsoSettings, " 2026-03-01 ", "2026-03-15", march, "", 0},
        {DefaultSettings, "3/15/2026", "3/1/2026",
         "Date 1 (Start):    20260315\r\nDate 2 (Stop): 20260301\r\nTotal Days:      -14 days", "", 0},
        {DefaultSettings, "1/1/0005", "1/1/0005",
         "Date 1 (Start):    00050101\r\nDate 2 (Stop): 00050101\r\nTotal Days:      0 days", "", 0},
        {DefaultSettings, "abc", "3/15/2026", "", "'abc' is not a valid date\n", 1},
        {DefaultSettings, "abc", "xyz", "", "'abc' is not a valid date\n", 1},
        {DefaultSettings, "3/1/2026", "xyz", "", "'xyz' is not a valid date\n", 1},
        {DefaultSettings, " abc ", "3/15/2026", "", "' abc ' is not a valid date\n", 1},
        {DefaultSettings, "", "3/15/2026", "", "'' is not a valid date\n", 1},
        {DefaultSettings, "3/1/2026", "  ", "", "'  ' is not a valid date\n", 1},
        {GermanSettings, "3/1/2026", "15.03.2026", "", "'3/1/2026' is not a valid date\n", 1},
    };
    for (const CommandCase& c : cases) ExpectResult(ReportCommand(c.Start, c.Stop, c.Settings()), c);
}

TEST(RunCommand, AnswersEachCommandOnItsStream) {
    const DateFormatSettings settings = GermanSettings();
    const CommandResult days = RunCommand(ParseCommandLine({"days", "01.01.2026", "15.01.2026"}), settings);
    EXPECT_EQ(days.Output, "14\n");
    const CommandResult report = RunCommand(ParseCommandLine({"report", "x", "15.01.2026"}), settings);
    EXPECT_EQ(report.Errors, "'x' is not a valid date\n");
    EXPECT_EQ(report.ExitStatus, ExitFailed);

    const CommandResult help = RunCommand(ParseCommandLine({"--help"}), settings);
    EXPECT_EQ(help.Output, UsageText());
    EXPECT_EQ(help.Errors, "");
    EXPECT_EQ(help.ExitStatus, ExitDone);

    const CommandResult misuse = RunCommand(ParseCommandLine({"frobnicate"}), settings);
    EXPECT_EQ(misuse.Output, "");
    EXPECT_EQ(misuse.Errors, "quendar: unknown command 'frobnicate'\n\n" + UsageText());
    EXPECT_EQ(misuse.ExitStatus, ExitMisuse);
}

TEST(RunCommand, LeavesTheWindowCommandsToTheWindowProgram) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, std::vector<std::string>{"--screenshot", "a.png"}}) {
        const CommandResult result = RunCommand(ParseCommandLine(arguments), DefaultSettings());
        EXPECT_EQ(result.Output, "");
        EXPECT_EQ(result.ExitStatus, ExitMisuse);
    }
}

}  // namespace
}  // namespace quendar
