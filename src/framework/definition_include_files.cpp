#include "framework/definition_include_files.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "framework/exception.h"

namespace quendar {

namespace {

std::string FolderList(const std::vector<std::string>& folders) {
    if (folders.empty()) return "no folder";
    std::string list;
    for (const std::string& folder : folders) {
        if (!list.empty()) list += ", ";
        list += folder;
    }
    return list;
}

std::vector<std::uint8_t> ReadIncludedFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw Exception("cannot read " + path.string() + ": not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) throw Exception("cannot read " + path.string() + ": " + error.message());
    if (size > MaxDefinitionIncludeBytes)
        throw Exception(path.string() + " is larger than " + std::to_string(MaxDefinitionIncludeBytes >> 20) +
                        " MiB");
    std::ifstream file(path, std::ios::binary);
    if (!file) throw Exception("cannot read " + path.string());
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // A file that shrank or grew while it was read is not taken half.
    if (file.gcount() != static_cast<std::streamsize>(bytes.size()) ||
        file.peek() != std::ifstream::traits_type::eof())
        throw Exception("cannot read " + path.string() + ": it changed while it was read");
    return bytes;
}

}  // namespace

bool IsSafeIncludeName(const std::string& name) {
    return !name.empty() && name.front() != '/' && name.front() != '\\' &&
           name.find("..") == std::string::npos && name.find('\0') == std::string::npos;
}

DefinitionIncludeResolver IncludeFilesFrom(std::vector<std::string> folders) {
    return [folders = std::move(folders)](const std::string& name) {
        if (!IsSafeIncludeName(name)) throw Exception("the name must be a relative path without \"..\"");
        for (const std::string& folder : folders) {
            const std::filesystem::path path = std::filesystem::path(folder) / name;
            std::error_code error;
            // Something of that name that is not a readable file stops the
            // search: taking a later folder's file instead would hide the fault.
            if (std::filesystem::exists(std::filesystem::symlink_status(path, error)))
                return ReadIncludedFile(path);
        }
        throw Exception("no such file in " + FolderList(folders));
    };
}

}  // namespace quendar
