#include "framework/definition_binary.h"

#include <algorithm>
#include <string>

#include "framework/property_stream_values.h"

namespace quendar {

namespace {

class DefinitionEncoder {
public:
    std::vector<std::uint8_t> Encode(const DefinitionObject& root) {
        writer_.WriteRawBytes(std::span(reinterpret_cast<const std::uint8_t*>(DefinitionSignature.data()),
                                        DefinitionSignature.size()));
        WriteObject(root, 0);
        return writer_.TakeBytes();
    }

private:
    static void CheckDepth(int depth) {
        if (depth >= MaxDefinitionNesting)
            throw EWriteError("A window definition cannot nest deeper than " +
                              std::to_string(MaxDefinitionNesting) + " levels");
    }

    void WriteObject(const DefinitionObject& object, int depth) {
        CheckDepth(depth);
        if (object.ClassName.empty())
            throw EWriteError("An object of a window definition needs a class name");
        writer_.WriteShortString(object.ClassName);
        writer_.WriteShortString(object.Name);
        WriteProperties(object.Properties, depth);
        for (const DefinitionObject& child : object.Children) WriteObject(child, depth + 1);
        writer_.WriteListEnd();
    }

    void WriteProperties(const std::vector<DefinitionProperty>& properties, int depth) {
        for (const DefinitionProperty& property : properties) {
            writer_.WritePropertyName(property.Name);
            WriteValue(property.Value, depth);
        }
        writer_.WriteListEnd();
    }

    void WriteValue(const DefinitionValue& value, int depth) {
        switch (value.Kind) {
            case DefinitionValueKind::dvInteger:
                writer_.WriteInteger(value.Integer);
                return;
            case DefinitionValueKind::dvExtended:
                writer_.WriteExtended(value.Extended);
                return;
            case DefinitionValueKind::dvString:
                writer_.WriteString(value.Text);
                return;
            case DefinitionValueKind::dvIdent:
                if (value.Text.empty()) throw EWriteError("An identifier value cannot be empty");
                writer_.WriteIdent(value.Text);
                return;
            case DefinitionValueKind::dvBoolean:
                writer_.WriteBoolean(value.Boolean);
                return;
            case DefinitionValueKind::dvNil:
                writer_.WriteNil();
                return;
            case DefinitionValueKind::dvBinary:
                writer_.WriteBinary(value.Binary);
                return;
            case DefinitionValueKind::dvSet:
                writer_.WriteSet(value.Names);
                return;
            case DefinitionValueKind::dvCollection:
                CheckDepth(depth + 1);
                writer_.WriteCollectionBegin();
                for (const DefinitionItem& item : value.Items) {
                    writer_.WriteListBegin();
                    WriteProperties(item.Properties, depth + 1);
                }
                writer_.WriteListEnd();
                return;
        }
    }

    TPropertyStreamWriter writer_;
};

class DefinitionDecoder {
public:
    explicit DefinitionDecoder(std::span<const std::uint8_t> bytes) : reader_(bytes) {}

    DefinitionObject Decode() {
        auto signature = reader_.ReadRawBytes(DefinitionSignature.size(), "the signature \"QDF1\"");
        if (!std::equal(signature.begin(), signature.end(), DefinitionSignature.begin()))
            throw EReadError(0, "the signature \"QDF1\"");
        DefinitionObject root = ReadObject(0);
        if (!reader_.AtEnd())
            throw EReadError(reader_.Position(), "the end of the definition",
                             std::to_string(reader_.Remaining()) + " more bytes");
        return root;
    }

private:
    void CheckDepth(int depth) const {
        if (depth >= MaxDefinitionNesting)
            throw EReadError(reader_.Position(), "at most " + std::to_string(MaxDefinitionNesting) +
                                                     " nested objects and collections");
    }

    DefinitionObject ReadObject(int depth) {
        CheckDepth(depth);
        DefinitionObject object;
        object.Offset = reader_.Position();
        object.ClassName = reader_.ReadShortString();
        if (object.ClassName.empty()) throw EReadError(object.Offset, "a class name", "an empty name");
        object.Name = reader_.ReadShortString();
        object.Properties = ReadProperties(depth);
        while (!reader_.EndOfList()) object.Children.push_back(ReadObject(depth + 1));
        reader_.ReadListEnd();
        return object;
    }

    std::vector<DefinitionProperty> ReadProperties(int depth) {
        std::vector<DefinitionProperty> properties;
        while (!reader_.EndOfList()) {
            DefinitionProperty property;
            property.Offset = reader_.Position();
            property.Name = reader_.ReadPropertyName();
            property.Value = ReadValue(depth);
            properties.push_back(std::move(property));
        }
        reader_.ReadListEnd();
        return properties;
    }

    DefinitionValue ReadValue(int depth) {
        const std::size_t offset = reader_.Position();
        switch (reader_.PeekValueType()) {
            case TValueType::vaInt8:
            case TValueType::vaInt16:
            case TValueType::vaInt32:
                return DefinitionValue::OfInteger(reader_.ReadInteger());
            case TValueType::vaExtended:
                return DefinitionValue::OfExtended(reader_.ReadExtended());
            case TValueType::vaString:
            case TValueType::vaLString:
                return DefinitionValue::OfString(reader_.ReadString());
            case TValueType::vaIdent: {
                std::string name = reader_.ReadIdent();
                if (name.empty()) throw EReadError(offset, "an identifier", "an empty one");
                return DefinitionValue::OfIdent(std::move(name));
            }
            case TValueType::vaFalse:
            case TValueType::vaTrue:
                return DefinitionValue::OfBoolean(reader_.ReadBoolean());
            case TValueType::vaNil:
                reader_.ReadNil();
                return DefinitionValue::OfNil();
            case TValueType::vaBinary:
                return DefinitionValue::OfBinary(reader_.ReadBinary());
            case TValueType::vaSet:
                return DefinitionValue::OfSet(reader_.ReadSet());
            case TValueType::vaCollection:
                return ReadCollection(depth + 1);
            default:
                throw EReadError(offset, "a property value",
                                 "tag 0x" + HexByte(static_cast<std::uint8_t>(reader_.PeekValueType())));
        }
    }

    static std::string HexByte(std::uint8_t value) {
        const char* digits = "0123456789ABCDEF";
        return {digits[value >> 4], digits[value & 15]};
    }

    DefinitionValue ReadCollection(int depth) {
        CheckDepth(depth);
        reader_.ReadCollectionBegin();
        std::vector<DefinitionItem> items;
        while (!reader_.EndOfList()) {
            DefinitionItem item;
            item.Offset = reader_.Position();
            reader_.ReadListBegin();
            item.Properties = ReadProperties(depth);
            items.push_back(std::move(item));
        }
        reader_.ReadListEnd();
        return DefinitionValue::OfCollection(std::move(items));
    }

    TPropertyStreamReader reader_;
};

}  // namespace

std::vector<std::uint8_t> EncodeDefinition(const DefinitionObject& root) {
    return DefinitionEncoder().Encode(root);
}

DefinitionObject DecodeDefinition(std::span<const std::uint8_t> bytes) {
    return DefinitionDecoder(bytes).Decode();
}

}  // namespace quendar
