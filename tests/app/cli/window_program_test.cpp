#include "app/cli/window_program.h"

#include <gtest/gtest.h>

#include <string>

namespace quendar {
namespace {

TEST(WindowProgram, LivesBesideTheRunningProgram) {
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/lib/quendar/quendar", "/usr/lib/quendar/quendar_window"},
        {"/quendar", "/quendar_window"},
        {"./quendar", "./quendar_window"},
        {"build/my quendar", "build/quendar_window"},
        {"a/b/", "a/b/quendar_window"},
        {"quendar", "quendar_window"},  // no folder: the search path finds it
        {"", "quendar_window"},
    };
    for (auto [program, window] : cases) EXPECT_EQ(WindowProgramBeside(program), window) << program;
}

TEST(WindowProgram, TheRunningProgramIsFoundByItsFile) {
    const std::string path = RunningProgramPath("started-as");
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "app_cli_tests");
}

}  // namespace
}  // namespace quendar
