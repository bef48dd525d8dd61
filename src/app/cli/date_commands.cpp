#include "app/cli/date_commands.h"

#include <string>

#include "app/dates/date_report.h"
#include "app/dates/total_days.h"
#include "framework/exception.h"

namespace quendar {

namespace {

CommandResult Failure(std::string message, int status) {
    return CommandResult{.Errors = std::move(message) + "\n", .ExitStatus = status};
}

CommandResult MisuseResult(const std::string& problem) {
    return CommandResult{.Errors = "quendar: " + problem + "\n\n" + UsageText(), .ExitStatus = ExitMisuse};
}

}  // namespace

CommandResult DaysCommand(std::string_view start, std::string_view stop, const DateFormatSettings& settings) {
    const std::optional<std::string> count = RecalculatedTotalDays(start, stop, settings);
    if (!count || *count == EnterValidDatesText) return Failure(std::string(EnterValidDatesText), ExitFailed);
    return CommandResult{.Output = *count + "\n"};
}

CommandResult ReportCommand(std::string_view start, std::string_view stop,
                            const DateFormatSettings& settings) {
    const std::string count = RecalculatedTotalDays(start, stop, settings).value_or("");
    try {
        return CommandResult{.Output = ReportText(start, stop, count, settings)};
    } catch (const Exception& failure) {
        return Failure(failure.Message(), ExitFailed);
    } catch (const std::exception& failure) {
        return Failure(std::string("quendar: ") + failure.what(), ExitFailed);
    }
}

CommandResult RunCommand(const CommandLine& command, const DateFormatSettings& settings) {
    switch (command.Kind) {
        case CommandKind::Days:
            return DaysCommand(command.Start, command.Stop, settings);
        case CommandKind::Report:
            return ReportCommand(command.Start, command.Stop, settings);
        case CommandKind::Help:
            return CommandResult{.Output = UsageText()};
        case CommandKind::Version:
            return CommandResult{.Output = VersionText()};
        case CommandKind::Misuse:
            return MisuseResult(command.Problem);
        case CommandKind::OpenWindow:
        case CommandKind::Screenshot:
        case CommandKind::SkinInfo:
        case CommandKind::SkinCheck:
            break;
    }
    return MisuseResult("the window program carries out this command");
}

}  // namespace quendar
