#pragma once
// The window definition as plain data: objects with a class name, a name,
// properties and child objects, and the tagged values of those properties.
//
// The tree knows no component classes. The binary form (definition_binary.h)
// and the readable text form (definition_text.h) convert to and from it
// without any class tables, which is what lets the build-time compiler run
// without the GUI; the reader (definition_reader.h) then applies a tree to
// registered classes, and the writer (definition_writer.h) builds one from
// a component tree.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/extended_float.h"

namespace quendar {

// Deepest nesting of objects and collections the readers accept; deeper
// input is refused rather than risking the stack.
inline constexpr int MaxDefinitionNesting = 64;

enum class DefinitionValueKind {
    dvInteger,
    dvExtended,
    dvString,
    dvIdent,  // enumeration values, colour names, component and method names
    dvBoolean,
    dvNil,
    dvBinary,
    dvSet,
    dvCollection,
};

struct DefinitionProperty;

struct DefinitionItem {
    std::vector<DefinitionProperty> Properties;
    // Byte offset of the item in the stream it was decoded from, else 0.
    std::size_t Offset = 0;
};

struct DefinitionValue {
    DefinitionValueKind Kind = DefinitionValueKind::dvNil;
    std::int32_t Integer = 0;
    bool Boolean = false;
    ExtendedFloat Extended;
    std::string Text;  // dvString and dvIdent
    std::vector<std::uint8_t> Binary;
    std::vector<std::string> Names;  // dvSet elements, in stored order
    std::vector<DefinitionItem> Items;

    static DefinitionValue OfInteger(std::int32_t value);
    static DefinitionValue OfExtended(const ExtendedFloat& value);
    static DefinitionValue OfString(std::string text);
    static DefinitionValue OfIdent(std::string name);
    static DefinitionValue OfBoolean(bool value);
    static DefinitionValue OfNil();
    static DefinitionValue OfBinary(std::vector<std::uint8_t> bytes);
    static DefinitionValue OfSet(std::vector<std::string> names);
    static DefinitionValue OfCollection(std::vector<DefinitionItem> items);
};

struct DefinitionProperty {
    // Dotted for properties of sub-objects ("Font.Name").
    std::string Name;
    DefinitionValue Value;
    std::size_t Offset = 0;
};

struct DefinitionObject {
    std::string ClassName;
    std::string Name;  // may be empty
    std::vector<DefinitionProperty> Properties;
    std::vector<DefinitionObject> Children;
    std::size_t Offset = 0;
};

// Equal content; offsets are where a value was found, not part of it.
bool operator==(const DefinitionValue& a, const DefinitionValue& b);
bool operator==(const DefinitionItem& a, const DefinitionItem& b);
bool operator==(const DefinitionProperty& a, const DefinitionProperty& b);
bool operator==(const DefinitionObject& a, const DefinitionObject& b);

// "an integer", "a string", ... for error messages.
const char* DescribeValueKind(DefinitionValueKind kind);

}  // namespace quendar
