#include "app/cli/command_line.h"

#ifndef QUENDAR_VERSION
#error "QUENDAR_VERSION must name the project's version"
#endif

namespace quendar {

namespace {

CommandLine Misuse(std::string problem) {
    CommandLine command;
    command.Kind = CommandKind::Misuse;
    command.Problem = std::move(problem);
    return command;
}

CommandLine DateCommand(CommandKind kind, const std::vector<std::string>& arguments) {
    if (arguments.size() != 3) return Misuse("'" + arguments[0] + "' takes two dates, START and STOP");
    CommandLine command;
    command.Kind = kind;
    command.Start = arguments[1];
    command.Stop = arguments[2];
    return command;
}

CommandLine Alone(CommandKind kind, const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) return Misuse("'" + arguments[0] + "' takes no arguments");
    CommandLine command;
    command.Kind = kind;
    return command;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return CommandLine{.Kind = CommandKind::OpenWindow};
    const std::string& name = arguments[0];
    if (name == "days") return DateCommand(CommandKind::Days, arguments);
    if (name == "report") return DateCommand(CommandKind::Report, arguments);
    if (name == "--help") return Alone(CommandKind::Help, arguments);
    if (name == "--version") return Alone(CommandKind::Version, arguments);
    if (name == "--screenshot") {
        if (arguments.size() != 2 || arguments[1].empty())
            return Misuse("'--screenshot' takes one file name");
        return CommandLine{.Kind = CommandKind::Screenshot, .ImageFile = arguments[1]};
    }
    if (name == "skin") {
        const std::string what = arguments.size() > 1 ? arguments[1] : "";
        if (what == "info" && arguments.size() <= 3) {
            return CommandLine{.Kind = CommandKind::SkinInfo,
                               .SkinFolder = arguments.size() == 3 ? arguments[2] : ""};
        }
        if (what == "check" && arguments.size() == 3 && !arguments[2].empty()) {
            return CommandLine{.Kind = CommandKind::SkinCheck, .SkinFolder = arguments[2]};
        }
        return Misuse("'skin' takes 'info [FOLDER]' or 'check FOLDER'");
    }
    return Misuse("unknown command '" + name + "'");
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return ParseCommandLine(arguments);
}

bool NeedsWindow(CommandKind kind) {
    return kind == CommandKind::OpenWindow || kind == CommandKind::Screenshot || kind == CommandKind::SkinInfo ||
           kind == CommandKind::SkinCheck;
}

std::string UsageText() {
    return "Usage:\n"
           "  quendar                        open the calculator window\n"
           "  quendar --screenshot FILE.png  draw the window without a display into FILE.png\n"
           "  quendar days START STOP        print the number of days from START to STOP\n"
           "  quendar report START STOP      print the report the window copies: three lines\n"
           "                                 ending in CR LF, the last without a line break\n"
           "  quendar skin info [FOLDER]     summarise the built-in skin, or the skin in FOLDER\n"
           "  quendar skin check FOLDER      list the problems of the skin in FOLDER\n"
           "  quendar --help                 print this text\n"
           "  quendar --version              print the program's name and version\n"
           "\n"
           "Dates are read in the short date form of the locale that LC_ALL, LC_TIME or\n"
           "LANG names (1/15/2026 in en_US.UTF-8, 15.01.2026 in de_DE.UTF-8), with the\n"
           "same rules as the window's date fields.\n"
           "\n"
           "Exit status: 0 done, 1 a date could not be read or the work failed,\n"
           "2 the command line was not understood.\n";
}

std::string VersionText() { return "Brisvane Quendar " QUENDAR_VERSION "\n"; }

}  // namespace quendar
