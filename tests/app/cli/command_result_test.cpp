#include "app/cli/command_result.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace quendar {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string ContentOf(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string content;
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) content.append(buffer, n);
    return content;
}

struct DeliveryCase {
    CommandResult Result;
    bool FullDisk;
    const char* ExpectedOutput;
    const char* ExpectedErrors;
    int ExpectedStatus;
};

TEST(DeliverCommandResult, WritesBothStreamsAndReportsLostOutput) {
    const std::string report =
        "Date 1 (Start):    20260301\r\nDate 2 (Stop): 20260315\r\nTotal Days:      14 days";
    const char* lost = "quendar: cannot write the output: No space left on device\n";
    const DeliveryCase cases[] = {
        {{"14\n", "", ExitDone}, false, "14\n", "", ExitDone},
        {{report, "", ExitDone}, false, report.c_str(), "", ExitDone},
        {{"", "Enter valid dates\n", ExitFailed}, false, "", "Enter valid dates\n", ExitFailed},
        {{"", "quendar: x\n", ExitMisuse}, false, "", "quendar: x\n", ExitMisuse},
        {{"14\n", "", ExitDone}, true, "", lost, ExitFailed},
        {{report, "", ExitDone}, true, "", lost, ExitFailed},
        {{"", "Enter valid dates\n", ExitFailed}, true, "", "Enter valid dates\n", ExitFailed},
    };
    for (const DeliveryCase& c : cases) {
        File output(c.FullDisk ? std::fopen("/dev/full", "w") : std::tmpfile());
        File errors(std::tmpfile());
        ASSERT_TRUE(output && errors);
        EXPECT_EQ(DeliverCommandResult(c.Result, output.get(), errors.get()), c.ExpectedStatus)
            << c.Result.Output;
        if (!c.FullDisk) {
            EXPECT_EQ(ContentOf(output.get()), c.ExpectedOutput);
        }
        EXPECT_EQ(ContentOf(errors.get()), c.ExpectedErrors) << c.Result.Output;
    }
}

}  // namespace
}  // namespace quendar
