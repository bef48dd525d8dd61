#pragma once
// Whole-file reads and writes for the picture codecs.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quendar {

// Reads the whole file. A missing or unreadable file, or one larger than
// maxBytes, raises PlatformError "<kind>: ..." before anything large is allocated.
std::vector<std::uint8_t> ReadFileBytes(const std::string& kind, const std::string& path,
                                        std::size_t maxBytes);

// Replaces the file with the given bytes; failures raise PlatformError "<kind>: ...".
void WriteFileBytes(const std::string& kind, const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace quendar
