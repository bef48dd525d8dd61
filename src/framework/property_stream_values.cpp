#include "framework/property_stream_values.h"

#include <algorithm>
#include <limits>

#include "framework/text_utils.h"

namespace quendar {

namespace {

std::string TagText(std::uint8_t tag) { return "tag 0x" + IntToHex(tag, 2); }

}  // namespace

EReadError::EReadError(std::size_t offset, const std::string& expected, const std::string& found)
    : Exception("Stream read error at offset " + std::to_string(offset) + ": expected " + expected +
                (found.empty() ? std::string() : ", found " + found)),
      offset_(offset) {}

// ---- writer ----

void TPropertyStreamWriter::WriteLittleEndian(std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TPropertyStreamWriter::WriteInteger(std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    if (value >= -128 && value <= 127) {
        WriteValueType(TValueType::vaInt8);
        WriteLittleEndian(bits, 1);
    } else if (value >= -32768 && value <= 32767) {
        WriteValueType(TValueType::vaInt16);
        WriteLittleEndian(bits, 2);
    } else {
        WriteValueType(TValueType::vaInt32);
        WriteLittleEndian(bits, 4);
    }
}

void TPropertyStreamWriter::WriteExtended(const ExtendedFloat& value) {
    WriteValueType(TValueType::vaExtended);
    WriteRawBytes(value.RawBytes());
}

void TPropertyStreamWriter::WriteString(std::string_view text) {
    if (text.size() <= 255) {
        WriteValueType(TValueType::vaString);
        WriteShortString(text);
        return;
    }
    if (text.size() > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("A string of " + std::to_string(text.size()) + " bytes is too long to store");
    WriteValueType(TValueType::vaLString);
    WriteLittleEndian(static_cast<std::uint32_t>(text.size()), 4);
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

namespace {

void CheckShortString(std::string_view text) {
    if (text.size() > 255)
        throw EWriteError("The name \"" + std::string(text.substr(0, 32)) +
                          "...\" is longer than 255 characters");
}

}  // namespace

void TPropertyStreamWriter::WriteIdent(std::string_view name) {
    CheckShortString(name);
    WriteValueType(TValueType::vaIdent);
    WriteShortString(name);
}

void TPropertyStreamWriter::WriteBoolean(bool value) {
    WriteValueType(value ? TValueType::vaTrue : TValueType::vaFalse);
}

void TPropertyStreamWriter::WriteBinary(std::span<const std::uint8_t> data) {
    if (data.size() > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("Binary data of " + std::to_string(data.size()) + " bytes is too long to store");
    WriteValueType(TValueType::vaBinary);
    WriteLittleEndian(static_cast<std::uint32_t>(data.size()), 4);
    WriteRawBytes(data);
}

void TPropertyStreamWriter::WriteSet(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (name.empty()) throw EWriteError("A set element name cannot be empty");
        CheckShortString(name);
    }
    WriteValueType(TValueType::vaSet);
    for (const std::string& name : names) WriteShortString(name);
    WriteShortString("");
}

void TPropertyStreamWriter::WriteShortString(std::string_view text) {
    CheckShortString(text);
    bytes_.push_back(static_cast<std::uint8_t>(text.size()));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void TPropertyStreamWriter::WritePropertyName(std::string_view name) {
    if (name.empty()) throw EWriteError("A property name cannot be empty");
    WriteShortString(name);
}

void TPropertyStreamWriter::WriteRawBytes(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

// ---- reader ----

std::uint8_t TPropertyStreamReader::ReadByte(const char* what) {
    if (AtEnd()) throw EReadError(position_, what, "the end of the stream");
    return data_[position_++];
}

std::uint32_t TPropertyStreamReader::ReadLittleEndian(int byteCount, const char* what) {
    if (Remaining() < static_cast<std::size_t>(byteCount))
        throw EReadError(position_, std::string(what) + " (" + std::to_string(byteCount) + " bytes)",
                         "only " + std::to_string(Remaining()));
    std::uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i) value |= std::uint32_t{data_[position_ + i]} << (8 * i);
    position_ += static_cast<std::size_t>(byteCount);
    return value;
}

std::span<const std::uint8_t> TPropertyStreamReader::ReadRawBytes(std::size_t count, const char* what) {
    if (Remaining() < count)
        throw EReadError(position_, std::string(what) + " (" + std::to_string(count) + " bytes)",
                         "only " + std::to_string(Remaining()));
    auto bytes = data_.subspan(position_, count);
    position_ += count;
    return bytes;
}

void TPropertyStreamReader::FailWrongTag(std::size_t offset, const char* expected, std::uint8_t tag) const {
    throw EReadError(offset, expected, TagText(tag));
}

TValueType TPropertyStreamReader::PeekValueType() const {
    if (AtEnd()) throw EReadError(position_, "a value tag", "the end of the stream");
    return static_cast<TValueType>(data_[position_]);
}

TValueType TPropertyStreamReader::ReadValueType() {
    TValueType type = PeekValueType();
    ++position_;
    return type;
}

void TPropertyStreamReader::Expect(TValueType type, const char* what) {
    std::size_t offset = position_;
    std::uint8_t tag = ReadByte(what);
    if (tag != static_cast<std::uint8_t>(type)) FailWrongTag(offset, what, tag);
}

void TPropertyStreamReader::ReadListBegin() { Expect(TValueType::vaList, "the start of a list (0x01)"); }
void TPropertyStreamReader::ReadListEnd() { Expect(TValueType::vaNull, "the end of a list (0x00)"); }
void TPropertyStreamReader::ReadCollectionBegin() { Expect(TValueType::vaCollection, "a collection (0x0E)"); }
void TPropertyStreamReader::ReadNil() { Expect(TValueType::vaNil, "nil (0x0D)"); }

std::int32_t TPropertyStreamReader::ReadInteger() {
    std::size_t offset = position_;
    std::uint8_t tag = ReadByte("an integer value");
    switch (static_cast<TValueType>(tag)) {
        case TValueType::vaInt8:
            return static_cast<std::int8_t>(ReadLittleEndian(1, "an 8-bit integer"));
        case TValueType::vaInt16:
            return static_cast<std::int16_t>(ReadLittleEndian(2, "a 16-bit integer"));
        case TValueType::vaInt32:
            return static_cast<std::int32_t>(ReadLittleEndian(4, "a 32-bit integer"));
        default:
            FailWrongTag(offset, "an integer value", tag);
    }
}

ExtendedFloat TPropertyStreamReader::ReadExtended() {
    Expect(TValueType::vaExtended, "an extended floating-point value");
    auto raw = ReadRawBytes(10, "an extended floating-point value");
    ExtendedFloat::Bytes bytes{};
    std::copy(raw.begin(), raw.end(), bytes.begin());
    return ExtendedFloat(bytes);
}

double TPropertyStreamReader::ReadFloat() {
    switch (PeekValueType()) {
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
            return ReadInteger();
        default:
            return ReadExtended().ToDouble();
    }
}

std::string TPropertyStreamReader::ReadString() {
    std::size_t offset = position_;
    std::uint8_t tag = ReadByte("a string value");
    std::size_t length;
    if (tag == static_cast<std::uint8_t>(TValueType::vaString))
        length = ReadLittleEndian(1, "a string length");
    else if (tag == static_cast<std::uint8_t>(TValueType::vaLString))
        length = ReadLittleEndian(4, "a long string length");
    else
        FailWrongTag(offset, "a string value", tag);
    auto characters = ReadRawBytes(length, "the characters of a string");
    return std::string(characters.begin(), characters.end());
}

std::string TPropertyStreamReader::ReadIdent() {
    std::size_t offset = position_;
    std::uint8_t tag = ReadByte("an identifier");
    switch (static_cast<TValueType>(tag)) {
        case TValueType::vaIdent:
            return ReadShortString();
        case TValueType::vaFalse:
            return "False";
        case TValueType::vaTrue:
            return "True";
        case TValueType::vaNil:
            return "nil";
        default:
            FailWrongTag(offset, "an identifier", tag);
    }
}

bool TPropertyStreamReader::ReadBoolean() {
    std::size_t offset = position_;
    std::uint8_t tag = ReadByte("a boolean value");
    if (tag == static_cast<std::uint8_t>(TValueType::vaFalse)) return false;
    if (tag == static_cast<std::uint8_t>(TValueType::vaTrue)) return true;
    FailWrongTag(offset, "a boolean value", tag);
}

std::vector<std::uint8_t> TPropertyStreamReader::ReadBinary() {
    Expect(TValueType::vaBinary, "binary data");
    std::size_t length = ReadLittleEndian(4, "a binary length");
    auto bytes = ReadRawBytes(length, "binary data");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::vector<std::string> TPropertyStreamReader::ReadSet() {
    Expect(TValueType::vaSet, "a set value");
    std::vector<std::string> names;
    // Each name takes at least two bytes, so the stream length bounds the loop.
    for (;;) {
        std::string name = ReadShortString();
        if (name.empty()) return names;
        names.push_back(std::move(name));
    }
}

std::string TPropertyStreamReader::ReadShortString() {
    std::size_t length = ReadLittleEndian(1, "a name length");
    auto characters = ReadRawBytes(length, "the characters of a name");
    return std::string(characters.begin(), characters.end());
}

std::string TPropertyStreamReader::ReadPropertyName() {
    std::size_t offset = position_;
    std::string name = ReadShortString();
    if (name.empty()) throw EReadError(offset, "a property name", "the end of a list");
    return name;
}

void TPropertyStreamReader::SkipValue() { SkipValue(0); }

void TPropertyStreamReader::SkipProperties() { SkipProperties(0); }

void TPropertyStreamReader::SkipProperties(int depth) {
    while (!EndOfList()) {
        ReadPropertyName();
        SkipValue(depth);
    }
    ReadListEnd();
}

void TPropertyStreamReader::SkipValue(int depth) {
    std::size_t offset = position_;
    if (depth >= MaxNesting)
        throw EReadError(offset, "at most " + std::to_string(MaxNesting) + " nested lists");
    switch (PeekValueType()) {
        case TValueType::vaList:
            ++position_;
            while (!EndOfList()) SkipValue(depth + 1);
            ++position_;
            return;
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32:
            ReadInteger();
            return;
        case TValueType::vaExtended:
            ReadExtended();
            return;
        case TValueType::vaString:
        case TValueType::vaLString:
            ReadString();
            return;
        case TValueType::vaIdent:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil:
            ReadIdent();
            return;
        case TValueType::vaBinary:
            ++position_;
            ReadRawBytes(ReadLittleEndian(4, "a binary length"), "binary data");
            return;
        case TValueType::vaSet:
            ReadSet();
            return;
        case TValueType::vaCollection:
            ++position_;
            while (!EndOfList()) {
                TValueType next = PeekValueType();
                if (next == TValueType::vaInt8 || next == TValueType::vaInt16 || next == TValueType::vaInt32)
                    ReadInteger();
                ReadListBegin();
                SkipProperties(depth + 1);
            }
            ++position_;
            return;
        case TValueType::vaNull:
        default:
            FailWrongTag(offset, "a value", data_[offset]);
    }
}

}  // namespace quendar
