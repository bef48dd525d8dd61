#include "app/cli/command_result.h"

#include <cerrno>
#include <cstring>

namespace quendar {

namespace {

// The errno of the failure, or 0 when the stream took everything.
int WriteAll(const std::string& text, std::FILE* stream) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    if (std::fflush(stream) == 0 && written && !std::ferror(stream)) return 0;
    return errno != 0 ? errno : EIO;
}

}  // namespace

int DeliverCommandResult(const CommandResult& result, std::FILE* output, std::FILE* errors) {
    int status = result.ExitStatus;
    if (!result.Output.empty()) {
        if (const int failure = WriteAll(result.Output, output); failure != 0) {
            std::fprintf(errors, "quendar: cannot write the output: %s\n", std::strerror(failure));
            status = status == ExitDone ? ExitFailed : status;
        }
    }
    if (WriteAll(result.Errors, errors) != 0 && status == ExitDone) status = ExitFailed;
    return status;
}

}  // namespace quendar
