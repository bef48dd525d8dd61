#include "platform/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/platform_error.h"

namespace quendar {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason() { return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string(); }

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& kind, const std::string& path,
                                        std::size_t maxBytes) {
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) throw PlatformError(kind + ": cannot open \"" + path + "\"" + Reason());
    // Seeking gives the size without reading; a file that cannot seek (a pipe)
    // is read in pieces under the same limit.
    std::vector<std::uint8_t> bytes;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        long size = std::ftell(file.get());
        if (size >= 0 && static_cast<unsigned long>(size) > maxBytes) {
            throw PlatformError(kind + ": file \"" + path + "\" is too large (" + std::to_string(size) +
                                " bytes)");
        }
        std::rewind(file.get());
        if (size > 0) bytes.reserve(static_cast<std::size_t>(size));
    }
    std::uint8_t chunk[65536];
    for (;;) {
        std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        if (bytes.size() + got > maxBytes) {
            throw PlatformError(kind + ": file \"" + path + "\" is too large");
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(file.get())) throw PlatformError(kind + ": cannot read \"" + path + "\"" + Reason());
    return bytes;
}

void WriteFileBytes(const std::string& kind, const std::string& path, std::span<const std::uint8_t> bytes) {
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "wb"));
    if (!file) throw PlatformError(kind + ": cannot create \"" + path + "\"" + Reason());
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    // Closing flushes; a full disk may only show here.
    bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) throw PlatformError(kind + ": cannot write \"" + path + "\"" + Reason());
}

}  // namespace quendar
