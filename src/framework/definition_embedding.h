#pragma once
// C++ source that embeds a compiled window definition in the program:
//
//   namespace quendar {
//   extern const std::span<const std::uint8_t> <symbol>;
//   }
//
// is what a user of the generated file declares.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quendar {

// Raises Exception when `symbol` is not a C++ identifier.
std::string EmbedDefinitionAsCpp(std::span<const std::uint8_t> bytes, std::string_view symbol,
                                 std::string_view sourceName);

}  // namespace quendar
