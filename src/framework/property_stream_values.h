#pragma once
// The value layer of the binary property stream in which window definitions
// (and the built-in skin inside them) are stored: one-byte tags followed by
// their payload, little-endian throughout.
//
//   0x00 end of a list, item or collection   0x08 false
//   0x01 start of a list or collection item  0x09 true
//   0x02 int8   0x03 int16   0x04 int32      0x0A binary: uint32 length, bytes
//   0x05 80-bit extended float (10 bytes)    0x0B set: names ended by an empty one
//   0x06 string: 1-byte length, characters   0x0C long string: uint32 length, characters
//   0x07 identifier: 1-byte length, name     0x0D nil
//                                            0x0E collection: items, then 0x00
//
// A property is its name (1-byte length, no tag) followed by one value; a
// list of properties ends with 0x00, which is why a property name is never
// empty. Collection items are 0x01, properties, 0x00; an integer before the
// 0x01 (an item order) is accepted when reading and skipped.
//
// The object layer (headers, class names, nesting of components) sits on
// top of these two classes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/exception.h"
#include "framework/extended_float.h"

namespace quendar {

enum class TValueType : std::uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaIdent = 0x07,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,
    vaSet = 0x0B,
    vaLString = 0x0C,
    vaNil = 0x0D,
    vaCollection = 0x0E,
};

// A stream that does not hold what its reader expects. The message is
// "Stream read error at offset <n>: expected <what>[, found <what>]".
class EReadError : public Exception {
public:
    EReadError(std::size_t offset, const std::string& expected, const std::string& found = {});
    std::size_t Offset() const { return offset_; }

private:
    std::size_t offset_;
};

// A value that the stream format cannot hold (an identifier longer than 255
// characters, an empty property name, ...).
class EWriteError : public Exception {
public:
    using Exception::Exception;
};

class TPropertyStreamWriter {
public:
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }

    void WriteValueType(TValueType type) { bytes_.push_back(static_cast<std::uint8_t>(type)); }
    void WriteListBegin() { WriteValueType(TValueType::vaList); }
    // Ends a list, an item, a property list or a collection.
    void WriteListEnd() { WriteValueType(TValueType::vaNull); }
    void WriteCollectionBegin() { WriteValueType(TValueType::vaCollection); }

    // In the smallest of the three integer tags that holds the value.
    void WriteInteger(std::int32_t value);
    void WriteExtended(const ExtendedFloat& value);
    void WriteFloat(double value) { WriteExtended(ExtendedFloat::FromDouble(value)); }
    // As a string up to 255 bytes, as a long string beyond.
    void WriteString(std::string_view text);
    void WriteIdent(std::string_view name);
    void WriteBoolean(bool value);
    void WriteBinary(std::span<const std::uint8_t> data);
    // Names must be non-empty and at most 255 bytes long.
    void WriteSet(const std::vector<std::string>& names);
    void WriteNil() { WriteValueType(TValueType::vaNil); }

    // A name without tag: 1-byte length, then the characters.
    void WriteShortString(std::string_view text);
    // As WriteShortString, but an empty name (which would read as the end of
    // the property list) is refused.
    void WritePropertyName(std::string_view name);
    void WriteRawBytes(std::span<const std::uint8_t> data);

private:
    void WriteLittleEndian(std::uint32_t value, int byteCount);

    std::vector<std::uint8_t> bytes_;
};

// Reads values from bytes it does not own; they must outlive the reader.
// Every read checks the remaining length first, so no read goes past the
// end and no length field makes it allocate more than the stream holds.
class TPropertyStreamReader {
public:
    static constexpr int MaxNesting = 64;

    explicit TPropertyStreamReader(std::span<const std::uint8_t> data) : data_(data) {}
    // A temporary buffer would be gone before the first read.
    explicit TPropertyStreamReader(std::vector<std::uint8_t>&&) = delete;

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return data_.size() - position_; }
    bool AtEnd() const { return position_ == data_.size(); }

    TValueType PeekValueType() const;
    TValueType ReadValueType();
    // True when the next byte ends the current list.
    bool EndOfList() const { return PeekValueType() == TValueType::vaNull; }
    void ReadListBegin();
    void ReadListEnd();
    void ReadCollectionBegin();

    // Any of the three integer tags.
    std::int32_t ReadInteger();
    ExtendedFloat ReadExtended();
    // An extended value rounded to double, or an integer.
    double ReadFloat();
    // A string or a long string.
    std::string ReadString();
    // An identifier; false, true and nil read as "False", "True" and "nil"
    // so that enumeration properties can take them.
    std::string ReadIdent();
    bool ReadBoolean();
    std::vector<std::uint8_t> ReadBinary();
    std::vector<std::string> ReadSet();
    void ReadNil();

    std::string ReadShortString();
    // A non-empty short string; callers test EndOfList first.
    std::string ReadPropertyName();
    std::span<const std::uint8_t> ReadRawBytes(std::size_t count, const char* what);

    // Passes over one tagged value of any kind, nested lists and collections
    // included (to MaxNesting levels).
    void SkipValue();
    // Passes over property name/value pairs up to and including the 0x00.
    void SkipProperties();

private:
    std::uint8_t ReadByte(const char* what);
    std::uint32_t ReadLittleEndian(int byteCount, const char* what);
    void Expect(TValueType type, const char* what);
    [[noreturn]] void FailWrongTag(std::size_t offset, const char* expected, std::uint8_t tag) const;
    void SkipValue(int depth);
    void SkipProperties(int depth);

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
};

}  // namespace quendar
