#include <gtest/gtest.h>

#include "framework/application.h"

namespace quendar {
namespace {

TEST(TitleFromProgramName, KeepsFirstCharacterLowersTheRestAndCutsAtFirstDot) {
    struct Case {
        const char* Path;
        const char* Title;
    } cases[] = {
        {"ABC.EXE", "Abc"},
        {"/usr/local/bin/QUENDAR", "Quendar"},
        {"/opt/quendar/quendar", "quendar"},
        {"Date.Calc.exe", "Date"},
        {"/home/x.y/MyTool", "Mytool"},  // dots in the directory do not count
        {"ÉCOLE.EXE", "École"},          // a first character of two bytes is kept whole
        {".hidden", ""},
        {"", ""},
        {"/bin/", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(TitleFromProgramName(c.Path), c.Title) << c.Path;
}

TEST(ErrorBoxText, AppendsFullStopOnlyAfterCharactersSortingAfterIt) {
    struct Case {
        const char* Message;
        const char* Shown;
    } cases[] = {
        {"x.", "x."},
        {"abc", "abc."},
        {"", ""},
        {"'abc' is not a valid date", "'abc' is not a valid date."},
        {"Done!", "Done!"},     // '!' sorts before '.'
        {"a-", "a-"},           // '-' (0x2D) is just below '.'
        {"a/", "a/."},          // '/' (0x2F) is just above it
        {"12", "12."},
        {"end)", "end)"},
        {"café", "café."},      // bytes above 0x7F sort after '.'
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.Message), c.Shown) << c.Message;
}

}  // namespace
}  // namespace quendar
