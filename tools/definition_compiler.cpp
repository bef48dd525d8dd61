// Compiles the text form of a window definition to its binary form at build
// time, and prints a binary definition back as text for debugging:
//
//   definition_compiler [--include-dir DIR]... INPUT.txt OUTPUT.bin
//   definition_compiler [--include-dir DIR]... INPUT.txt --embed OUTPUT.cpp SYMBOL
//   definition_compiler --decompile INPUT.bin OUTPUT.txt
//
// It knows no component classes: names of classes and properties are only
// checked when the program reads the definition back. A binary value
// "{include 'name'}" takes the bytes of the first file of that name in the
// --include-dir folders, in the order given, then in INPUT's own folder.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/definition_binary.h"
#include "framework/definition_embedding.h"
#include "framework/definition_include_files.h"
#include "framework/definition_text.h"

namespace {

constexpr const char* Usage =
    "usage: definition_compiler [--include-dir DIR]... INPUT.txt OUTPUT.bin\n"
    "       definition_compiler [--include-dir DIR]... INPUT.txt --embed OUTPUT.cpp SYMBOL\n"
    "       definition_compiler --decompile INPUT.bin OUTPUT.txt\n";

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw quendar::Exception("Cannot open " + path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Writes through a temporary file, so a failed run leaves no partial output
// that a build would take for up to date.
void WriteFile(const std::string& path, const void* data, std::size_t size) {
    const std::string temporary = path + ".partial";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) throw quendar::Exception("Cannot create " + temporary);
        file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        file.close();
        if (!file) throw quendar::Exception("Cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw quendar::Exception("Cannot replace " + path);
    }
}

// The folders searched for included files: those given, then the input's own.
std::vector<std::string> IncludeFolders(const std::vector<std::string>& given, const std::string& input) {
    std::vector<std::string> folders = given;
    const std::string own = std::filesystem::path(input).parent_path().string();
    folders.push_back(own.empty() ? "." : own);
    return folders;
}

int Run(std::vector<std::string> arguments) {
    std::vector<std::string> includeDirs;
    for (std::size_t i = 0; i < arguments.size();) {
        if (arguments[i] != "--include-dir") {
            ++i;
            continue;
        }
        if (i + 1 == arguments.size()) {
            std::cerr << "definition_compiler: --include-dir needs a folder\n" << Usage;
            return 2;
        }
        includeDirs.push_back(arguments[i + 1]);
        arguments.erase(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                        arguments.begin() + static_cast<std::ptrdiff_t>(i + 2));
    }
    if (arguments.size() == 3 && arguments[0] == "--decompile") {
        const std::string binary = ReadFile(arguments[1]);
        const std::string text = quendar::DecompileDefinition(
            std::span(reinterpret_cast<const std::uint8_t*>(binary.data()), binary.size()));
        WriteFile(arguments[2], text.data(), text.size());
        return 0;
    }
    const bool embed = arguments.size() == 4 && arguments[1] == "--embed";
    if (arguments.size() != 2 && !embed) {
        std::cerr << Usage;
        return 2;
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes = quendar::CompileDefinitionText(
            ReadFile(arguments[0]), quendar::IncludeFilesFrom(IncludeFolders(includeDirs, arguments[0])));
    } catch (const quendar::Exception& error) {
        // The form compilers and editors understand: FILE: message.
        std::cerr << arguments[0] << ": " << error.what() << "\n";
        return 1;
    }
    if (embed) {
        const std::string source = quendar::EmbedDefinitionAsCpp(bytes, arguments[3], arguments[0]);
        WriteFile(arguments[2], source.data(), source.size());
    } else {
        WriteFile(arguments[1], bytes.data(), bytes.size());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "definition_compiler: " << error.what() << "\n";
        return 1;
    }
}
