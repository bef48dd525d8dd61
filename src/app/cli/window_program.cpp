#include "app/cli/window_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/cli/command_result.h"

namespace quendar {

std::string WindowProgramBeside(std::string_view programPath) {
    const std::size_t slash = programPath.rfind('/');
    std::string path =
        slash == std::string_view::npos ? std::string() : std::string(programPath.substr(0, slash + 1));
    path += WindowProgramName;
    return path;
}

std::string RunningProgramPath(const char* startName) {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) break;
        if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= 1 << 20) break;
        buffer.resize(buffer.size() * 2);  // the link was cut short
    }
    return startName != nullptr ? startName : "";
}

int StartWindowProgram(int argc, char** argv) {
    const std::string program = WindowProgramBeside(RunningProgramPath(argc > 0 ? argv[0] : nullptr));
    std::vector<char*> arguments;
    // The window program sees the name the user started, which gives the
    // application its title ("quendar" gives "Quendar").
    arguments.push_back(argc > 0 ? argv[0] : const_cast<char*>(program.c_str()));
    for (int i = 1; i < argc; ++i) arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    std::fflush(nullptr);
    // With a folder in the name no search happens; a bare name is searched for.
    execvp(program.c_str(), arguments.data());
    const int failure = errno;
    std::fprintf(stderr, "quendar: cannot start the calculator window %s: %s\n", program.c_str(),
                 std::strerror(failure));
    return ExitFailed;
}

}  // namespace quendar
