#pragma once
// What the program was asked to do, read from its arguments. Dates are kept
// as typed: reading them is the date commands' business.

#include <string>
#include <vector>

namespace quendar {

enum class CommandKind {
    OpenWindow,  // no arguments
    Screenshot,  // --screenshot FILE.png
    Days,        // days START STOP
    Report,      // report START STOP
    SkinInfo,    // skin info [FOLDER]
    SkinCheck,   // skin check FOLDER
    Help,        // --help
    Version,     // --version
    Misuse,      // anything else
};

struct CommandLine {
    CommandKind Kind = CommandKind::Misuse;
    std::string Start{};      // Days and Report
    std::string Stop{};       // Days and Report
    std::string ImageFile{};  // Screenshot
    std::string SkinFolder{}; // SkinInfo (empty: the built-in skin) and SkinCheck
    std::string Problem{};    // Misuse: what is wrong, as one short sentence
};

// The arguments after the program's own name. Arguments are taken by
// position, so a date that looks like an option ("--help") is still a date.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
CommandLine ParseCommandLine(int argc, const char* const* argv);

// True for the commands the window program carries out: the window, and the
// skin commands, which need the skin engine's libraries.
bool NeedsWindow(CommandKind kind);

// The help text, ending in a line break.
std::string UsageText();

// "Brisvane Quendar <version>" and a line break.
std::string VersionText();

}  // namespace quendar
