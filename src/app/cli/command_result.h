#pragma once
// What a command answers, and how the answer reaches the standard streams.

#include <cstdio>
#include <string>

namespace quendar {

constexpr int ExitDone = 0;
constexpr int ExitFailed = 1;  // an unreadable date, or output that could not be written
constexpr int ExitMisuse = 2;

struct CommandResult {
    std::string Output{};  // written to standard output byte for byte
    std::string Errors{};  // written to standard error
    int ExitStatus = ExitDone;
};

// Writes both texts and returns the exit status. Output that cannot be
// written completely (a full disk, a closed stream) turns a success into
// ExitFailed with a message on the error stream: a caller must never take a
// truncated report for a finished one.
int DeliverCommandResult(const CommandResult& result, std::FILE* output, std::FILE* errors);

}  // namespace quendar
