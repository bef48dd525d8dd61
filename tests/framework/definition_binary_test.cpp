#include "framework/definition_binary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/property_stream_values.h"

namespace quendar {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList Bytes(std::initializer_list<int> values) {
    ByteList bytes;
    for (int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

ByteList WithSignature(std::initializer_list<int> values) {
    ByteList bytes = {'Q', 'D', 'F', '1'};
    for (int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

DefinitionProperty Property(std::string name, DefinitionValue value) {
    return {std::move(name), std::move(value), 0};
}

// One property of every value kind, at the edges of their encodings.
DefinitionObject EveryKindOfValue() {
    DefinitionObject root{"TForm1", "Form1", {}, {}, 0};
    const ExtendedFloat::Bytes version{0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40};
    std::vector<DefinitionItem> items(2);
    items[0].Properties = {Property("Name", DefinitionValue::OfString("first")),
                           Property("Inner", DefinitionValue::OfCollection({}))};
    root.Properties = {
        Property("Small", DefinitionValue::OfInteger(-128)),
        Property("Middle", DefinitionValue::OfInteger(32767)),
        Property("Large", DefinitionValue::OfInteger(-2147483647 - 1)),
        Property("Version", DefinitionValue::OfExtended(ExtendedFloat(version))),
        Property("Empty", DefinitionValue::OfString("")),
        Property("Short", DefinitionValue::OfString(std::string(255, 's'))),
        Property("Long", DefinitionValue::OfString(std::string(256, 'l'))),
        Property("Color", DefinitionValue::OfIdent("clBtnFace")),
        Property("Visible", DefinitionValue::OfBoolean(false)),
        Property("Enabled", DefinitionValue::OfBoolean(true)),
        Property("Focus", DefinitionValue::OfNil()),
        Property("Picture.Data", DefinitionValue::OfBinary({0x00, 0xFF, 0x42})),
        Property("Style", DefinitionValue::OfSet({"fsBold", "fsItalic"})),
        Property("Nothing", DefinitionValue::OfSet({})),
        Property("Items", DefinitionValue::OfCollection(items)),
    };
    root.Children.push_back({"TEdit", "Edit1", {Property("Left", DefinitionValue::OfInteger(90))}, {}, 0});
    root.Children.push_back({"TTimer", "", {}, {}, 0});
    return root;
}

TEST(DefinitionBinary, EncodesHeadersPropertiesAndChildren) {
    DefinitionObject root{"TA", "a", {Property("X", DefinitionValue::OfInteger(1))}, {}, 0};
    root.Children.push_back({"TB", "", {}, {}, 0});
    EXPECT_EQ(EncodeDefinition(root),
              WithSignature({2, 'T', 'A', 1, 'a',         // class, name
                             1, 'X', 0x02, 0x01, 0x00,    // X = 1, end of properties
                             2, 'T', 'B', 0, 0x00, 0x00,  // unnamed child, no properties or children
                             0x00}));                     // end of the root's children
}

TEST(DefinitionBinary, EveryKindOfValueSurvivesARoundTrip) {
    const DefinitionObject root = EveryKindOfValue();
    const ByteList bytes = EncodeDefinition(root);
    const DefinitionObject decoded = DecodeDefinition(bytes);
    EXPECT_EQ(decoded, root);
    EXPECT_EQ(EncodeDefinition(decoded), bytes);
    // Offsets point at what they describe: the root's class name follows the
    // signature, its first property follows the class and object names.
    EXPECT_EQ(decoded.Offset, 4u);
    EXPECT_EQ(decoded.Properties[0].Offset, 4u + 7 + 6);
    EXPECT_EQ(bytes[decoded.Properties[6].Offset + 5], 0x0C);  // "Long" is a long string
    EXPECT_EQ(bytes[decoded.Properties[5].Offset + 6], 0x06);  // "Short" is not
}

TEST(DefinitionBinary, EveryPrefixOfAValidStreamIsRefused) {
    const ByteList bytes = EncodeDefinition(EveryKindOfValue());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const ByteList prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        try {
            DecodeDefinition(prefix);
            ADD_FAILURE() << "a prefix of " << length << " bytes was accepted";
        } catch (const EReadError& error) {
            EXPECT_LE(error.Offset(), length);
        }
    }
}

TEST(DefinitionBinary, MalformedStreamsNameWhatWasExpectedAndWhere) {
    struct Case {
        ByteList bytes;
        std::string message;
    };
    const Case cases[] = {
        {Bytes({}), "Stream read error at offset 0: expected the signature \"QDF1\" (4 bytes), found only 0"},
        {Bytes({'Q', 'D', 'F', '2', 1, 'A', 0, 0, 0}),
         "Stream read error at offset 0: expected the signature \"QDF1\""},
        {WithSignature({0x00}), "Stream read error at offset 4: expected a class name, found an empty name"},
        {WithSignature({1, 'A', 0, 1, 'X', 0x01, 0, 0, 0}),
         "Stream read error at offset 9: expected a property value, found tag 0x01"},
        {WithSignature({1, 'A', 0, 1, 'X', 0x07, 0, 0, 0}),
         "Stream read error at offset 9: expected an identifier, found an empty one"},
        {WithSignature({1, 'A', 0, 1, 'X', 0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}),
         "Stream read error at offset 14: expected binary data (4294967295 bytes), found only 2"},
        {WithSignature({1, 'A', 0, 1, 'X', 0x06, 9, 'a'}),
         "Stream read error at offset 11: expected the characters of a string (9 bytes), found only 1"},
        {WithSignature({1, 'A', 0, 0, 0, 0x2A}),
         "Stream read error at offset 9: expected the end of the definition, found 1 more bytes"},
        {WithSignature({1, 'A', 0, 1, 'X', 0x0E, 0x02, 0x00}),
         "Stream read error at offset 10: expected the start of a list (0x01), found tag 0x02"},
    };
    for (const Case& c : cases) {
        try {
            DecodeDefinition(c.bytes);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const EReadError& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
}

TEST(DefinitionBinary, NestingIsLimitedBothWays) {
    // 64 levels of objects are the most either side accepts.
    auto nested = [](int levels) {
        DefinitionObject root{"TA", "", {}, {}, 0};
        DefinitionObject* innermost = &root;
        for (int i = 1; i < levels; ++i) {
            innermost->Children.push_back({"TA", "", {}, {}, 0});
            innermost = &innermost->Children.back();
        }
        return root;
    };
    EXPECT_EQ(DecodeDefinition(EncodeDefinition(nested(MaxDefinitionNesting))), nested(MaxDefinitionNesting));
    EXPECT_THROW(EncodeDefinition(nested(MaxDefinitionNesting + 1)), EWriteError);

    // Hand-made: collections inside items far deeper than allowed.
    ByteList deep = WithSignature({1, 'A', 0});
    for (int i = 0; i < 1000; ++i) {
        for (int byte : {1, int{'C'}, 0x0E, 0x01}) deep.push_back(static_cast<std::uint8_t>(byte));
    }
    try {
        DecodeDefinition(deep);
        ADD_FAILURE() << "a stream nested 1000 deep was accepted";
    } catch (const EReadError& error) {
        EXPECT_NE(error.Message().find("expected at most 64 nested objects and collections"),
                  std::string::npos)
            << error.Message();
    }
}

TEST(DefinitionBinary, EncodingRefusesWhatTheFormatCannotHold) {
    const DefinitionObject cases[] = {
        {"", "x", {}, {}, 0},
        {"TA", "", {Property("", DefinitionValue::OfInteger(1))}, {}, 0},
        {"TA", "", {Property("X", DefinitionValue::OfIdent(""))}, {}, 0},
        {"TA", "", {Property("X", DefinitionValue::OfIdent(std::string(256, 'i')))}, {}, 0},
        {std::string(256, 'T'), "", {}, {}, 0},
    };
    for (const DefinitionObject& root : cases) EXPECT_THROW(EncodeDefinition(root), EWriteError);
}

}  // namespace
}  // namespace quendar
