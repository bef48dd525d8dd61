// The quendar program: the command line, and the way to the window.
//
// It must start about as fast as a program can (a millisecond), so it links
// only the date rules and the locale items, and the C++ runtime statically;
// the window and its libraries live in the window program it starts.

#include <cstdio>

#include "app/cli/command_line.h"
#include "app/cli/date_commands.h"
#include "app/cli/window_program.h"
#include "app/dates/date_settings.h"
#include "app/regional/regional_settings.h"

int main(int argc, char** argv) {
    using namespace quendar;
    const CommandLine command = ParseCommandLine(argc, argv);
    if (NeedsWindow(command.Kind)) return StartWindowProgram(argc, argv);
    LoadLocaleDateSettings();
    return DeliverCommandResult(RunCommand(command, LocaleDateSettings()), stdout, stderr);
}
