#pragma once
// Starting the calculator window. The window is a program of its own,
// "quendar_window", installed beside this one: the command line then never
// loads the window system's libraries, and the window program replaces this
// process (same process id, same arguments, the same program name in argv[0]) when the window is asked for.

#include <string>
#include <string_view>

namespace quendar {

inline constexpr std::string_view WindowProgramName = "quendar_window";

// The window program in the folder of programPath; the bare name when
// programPath names no folder, so that the search path finds it.
std::string WindowProgramBeside(std::string_view programPath);

// This program's own file: /proc/self/exe where the system offers it,
// otherwise the name it was started by.
std::string RunningProgramPath(const char* startName);

// Replaces this process with the window program, handing on the arguments.
// Returns only when that fails, after saying why on the error stream; the
// result is then the exit status to end with.
int StartWindowProgram(int argc, char** argv);

}  // namespace quendar
