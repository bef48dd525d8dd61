#pragma once
// The commands that answer on the standard streams: the day count, the
// report, help and version. They read dates exactly as the window's fields
// are read.

#include <string_view>

#include "app/cli/command_line.h"
#include "app/cli/command_result.h"
#include "app/dates/date_settings.h"

namespace quendar {

// The day count and a line break, as the day-count field would show it.
// "Enter valid dates" on the error stream when a date cannot be read; unlike
// the window, which keeps its old count while a field is blank, an empty or
// blank argument is such a date, since there is no old count to keep.
CommandResult DaysCommand(std::string_view start, std::string_view stop, const DateFormatSettings& settings);

// The report exactly as the window copies it (CR LF after the first two
// lines, no line break after the last), with the day count the window would
// show for these dates. A date that cannot be read gives its conversion
// message ("'abc' is not a valid date") on the error stream; the start date
// is read first.
CommandResult ReportCommand(std::string_view start, std::string_view stop,
                            const DateFormatSettings& settings);

// Everything except the window's commands, which NeedsWindow() names; for
// those it answers with a misuse, as the window program must take them.
CommandResult RunCommand(const CommandLine& command, const DateFormatSettings& settings);

}  // namespace quendar
