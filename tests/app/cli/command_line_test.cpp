#include "app/cli/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quendar {
namespace {

struct ParseCase {
    std::vector<std::string> Arguments;
    CommandKind Kind;
    const char* Start;
    const char* Stop;
    const char* ImageFile;
    const char* Problem;
};

TEST(CommandLine, ArgumentsAreReadByPosition) {
    using enum CommandKind;
    const ParseCase cases[] = {
        {{}, OpenWindow, "", "", "", ""},
        {{"days", "1/1/2026", "1/15/2026"}, Days, "1/1/2026", "1/15/2026", "", ""},
        {{"report", " a ", ""}, Report, " a ", "", "", ""},
        {{"days", "--help", "--version"}, Days, "--help", "--version", "", ""},
        {{"--screenshot", "out.png"}, Screenshot, "", "", "out.png", ""},
        {{"--help"}, Help, "", "", "", ""},
        {{"--version"}, Version, "", "", "", ""},
        {{"days"}, Misuse, "", "", "", "'days' takes two dates, START and STOP"},
        {{"days", "1/1/2026"}, Misuse, "", "", "", "'days' takes two dates, START and STOP"},
        {{"report", "a", "b", "c"}, Misuse, "", "", "", "'report' takes two dates, START and STOP"},
        {{"--screenshot"}, Misuse, "", "", "", "'--screenshot' takes one file name"},
        {{"--screenshot", ""}, Misuse, "", "", "", "'--screenshot' takes one file name"},
        {{"--screenshot", "a.png", "b.png"}, Misuse, "", "", "", "'--screenshot' takes one file name"},
        {{"--help", "days"}, Misuse, "", "", "", "'--help' takes no arguments"},
        {{"--version", "x"}, Misuse, "", "", "", "'--version' takes no arguments"},
        {{"Days", "a", "b"}, Misuse, "", "", "", "unknown command 'Days'"},
        {{"-h"}, Misuse, "", "", "", "unknown command '-h'"},
        {{""}, Misuse, "", "", "", "unknown command ''"},
    };
    for (const ParseCase& c : cases) {
        const std::string label = c.Arguments.empty() ? "(none)" : c.Arguments[0];
        const CommandLine command = ParseCommandLine(c.Arguments);
        EXPECT_EQ(command.Kind, c.Kind) << label;
        EXPECT_EQ(command.Start, c.Start) << label;
        EXPECT_EQ(command.Stop, c.Stop) << label;
        EXPECT_EQ(command.ImageFile, c.ImageFile) << label;
        EXPECT_EQ(command.Problem, c.Problem) << label;
    }
}

TEST(CommandLine, SkinCommandsNameAFolder) {
    using enum CommandKind;
    struct Case {
        std::vector<std::string> Arguments;
        CommandKind Kind;
        const char* Folder;
    };
    const Case cases[] = {
        {{"skin", "info"}, SkinInfo, ""},
        {{"skin", "info", "skins/Slate Dusk"}, SkinInfo, "skins/Slate Dusk"},
        {{"skin", "check", "/tmp/x"}, SkinCheck, "/tmp/x"},
        {{"skin", "check"}, Misuse, ""},
        {{"skin", "check", ""}, Misuse, ""},
        {{"skin", "info", "a", "b"}, Misuse, ""},
        {{"skin"}, Misuse, ""},
        {{"skin", "Info"}, Misuse, ""},
    };
    for (const Case& c : cases) {
        const CommandLine command = ParseCommandLine(c.Arguments);
        EXPECT_EQ(command.Kind, c.Kind) << c.Arguments.size();
        EXPECT_EQ(command.SkinFolder, c.Folder);
        if (c.Kind == Misuse) {
            EXPECT_EQ(command.Problem, "'skin' takes 'info [FOLDER]' or 'check FOLDER'");
        }
        EXPECT_EQ(NeedsWindow(command.Kind), c.Kind != Misuse);
    }
}

TEST(CommandLine, TheProgramNameIsNotAnArgument) {
    const char* argv[] = {"days", "days", "3/1/2026", "3/15/2026"};
    const CommandLine command = ParseCommandLine(4, argv);
    EXPECT_EQ(command.Kind, CommandKind::Days);
    EXPECT_EQ(command.Start, "3/1/2026");
    EXPECT_EQ(command.Stop, "3/15/2026");

    const char* alone[] = {"days"};
    EXPECT_EQ(ParseCommandLine(1, alone).Kind, CommandKind::OpenWindow);
    EXPECT_EQ(ParseCommandLine(0, alone).Kind, CommandKind::OpenWindow);
}

TEST(CommandLine, OnlyTheWindowCommandsNeedTheWindow) {
    using enum CommandKind;
    for (CommandKind kind : {OpenWindow, Screenshot}) EXPECT_TRUE(NeedsWindow(kind));
    for (CommandKind kind : {Days, Report, Help, Version, Misuse}) EXPECT_FALSE(NeedsWindow(kind));
}

TEST(CommandLine, UsageNamesEveryCommand) {
    const std::string usage = UsageText();
    for (const char* line : {"\n  quendar                        open", "\n  quendar --screenshot FILE.png  ",
                             "\n  quendar days START STOP        ", "\n  quendar report START STOP      ",
                             "\n  quendar --help ", "\n  quendar --version "})
        EXPECT_NE(usage.find(line), std::string::npos) << line;
    EXPECT_EQ(usage.rfind("Usage:\n", 0), 0u);
    EXPECT_EQ(usage.back(), '\n');
}

}  // namespace
}  // namespace quendar
