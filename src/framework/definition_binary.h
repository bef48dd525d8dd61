#pragma once
// The binary form of a window definition: the signature "QDF1", then the
// root object. Every object is
//
//   class name (1-byte length, characters; never empty)
//   object name (1-byte length, characters; empty for an unnamed object)
//   properties: name (1-byte length, characters) and one tagged value each
//   0x00
//   child objects, each in this same form
//   0x00
//
// and the stream ends right after the root. The tagged values are those of
// property_stream_values.h; a collection value holds items of properties.
// Because neither a class name nor a property name is empty, a zero length
// byte is always the end of a list.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "framework/definition_tree.h"

namespace quendar {

inline constexpr std::string_view DefinitionSignature = "QDF1";

// Raises EWriteError for what the format cannot hold: an empty class or
// property name, a name or identifier longer than 255 bytes, nesting deeper
// than MaxDefinitionNesting.
std::vector<std::uint8_t> EncodeDefinition(const DefinitionObject& root);

// Checks the whole stream before returning: raises EReadError naming what
// was expected and the byte offset where it was not found. The offsets of
// the returned objects, properties and items are their byte offsets.
DefinitionObject DecodeDefinition(std::span<const std::uint8_t> bytes);

}  // namespace quendar
