#pragma once
// Shared by the build-time generators: writing their output files so that a
// failed run leaves nothing a build would take for up to date, and the
// common shape of their main().

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "framework/exception.h"

namespace quendar {

struct OutputFile {
    std::string Path;
    std::vector<std::uint8_t> Bytes;
};

inline void WriteTemporary(const std::string& temporary, std::span<const std::uint8_t> bytes) {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) throw Exception("cannot create " + temporary + ": " + std::strerror(errno));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) throw Exception("cannot write " + temporary);
}

// Every file is written in full beside its target before any target is
// replaced, so a failed run leaves no partial or mismatched output.
inline void WriteAll(const std::vector<OutputFile>& outputs) {
    std::vector<std::string> written;
    try {
        for (const OutputFile& output : outputs) {
            written.push_back(output.Path + ".partial");
            WriteTemporary(written.back(), output.Bytes);
        }
        for (std::size_t i = 0; i < outputs.size(); ++i) {
            if (std::rename(written[i].c_str(), outputs[i].Path.c_str()) != 0)
                throw Exception("cannot replace " + outputs[i].Path + ": " + std::strerror(errno));
        }
    } catch (...) {
        for (const std::string& temporary : written) std::remove(temporary.c_str());
        throw;
    }
}

// Runs `run` on the arguments after the program's name; an error ends the
// tool with its message and status 1.
template <class Run>
int RunGenerator(const char* name, int argc, char** argv, Run run) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << name << ": " << error.what() << "\n";
        return 1;
    }
}

}  // namespace quendar
