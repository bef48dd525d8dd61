#include "framework/property_stream_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace quendar {
namespace {

using ByteList = std::vector<std::uint8_t>;

ByteList Bytes(std::initializer_list<int> values) {
    ByteList bytes;
    for (int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
    return bytes;
}

ByteList Text(std::string_view text) { return ByteList(text.begin(), text.end()); }

ByteList Concat(std::initializer_list<ByteList> parts) {
    ByteList all;
    for (const ByteList& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Expects `read` to fail with exactly this message.
template <class Read>
void ExpectReadError(const ByteList& bytes, Read read, const std::string& message) {
    TPropertyStreamReader reader(bytes);
    try {
        read(reader);
        ADD_FAILURE() << "no exception for " << message;
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), message);
    }
}

TEST(PropertyStreamValues, IntegersTakeTheSmallestTag) {
    struct Case {
        std::int32_t value;
        ByteList bytes;
    };
    const Case cases[] = {
        {0, Bytes({0x02, 0x00})},
        {-1, Bytes({0x02, 0xFF})},
        {127, Bytes({0x02, 0x7F})},
        {-128, Bytes({0x02, 0x80})},
        {128, Bytes({0x03, 0x80, 0x00})},
        {-129, Bytes({0x03, 0x7F, 0xFF})},
        {32767, Bytes({0x03, 0xFF, 0x7F})},
        {-32768, Bytes({0x03, 0x00, 0x80})},
        {32768, Bytes({0x04, 0x00, 0x80, 0x00, 0x00})},
        {-32769, Bytes({0x04, 0xFF, 0x7F, 0xFF, 0xFF})},
        {13156534, Bytes({0x04, 0xB6, 0xC0, 0xC8, 0x00})},
        {2147483647, Bytes({0x04, 0xFF, 0xFF, 0xFF, 0x7F})},
        {-2147483647 - 1, Bytes({0x04, 0x00, 0x00, 0x00, 0x80})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        TPropertyStreamWriter writer;
        writer.WriteInteger(c.value);
        EXPECT_EQ(writer.Bytes(), c.bytes);
        TPropertyStreamReader reader(c.bytes);
        EXPECT_EQ(reader.ReadInteger(), c.value);
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(PropertyStreamValues, EveryTagRoundTrips) {
    const ExtendedFloat version(
        ExtendedFloat::Bytes{0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40});
    const std::string longText(300, 'x');
    const ByteList blob = Bytes({0x42, 0x4D, 0x00, 0xFF});

    TPropertyStreamWriter writer;
    writer.WriteListBegin();
    writer.WriteExtended(version);
    writer.WriteString("Tahoma");
    writer.WriteString(longText);
    writer.WriteIdent("clWindowText");
    writer.WriteBoolean(false);
    writer.WriteBoolean(true);
    writer.WriteBinary(blob);
    writer.WriteSet({"fsBold", "fsItalic"});
    writer.WriteSet({});
    writer.WriteNil();
    writer.WriteCollectionBegin();
    writer.WriteListEnd();
    writer.WriteListEnd();

    const ByteList expected = Concat({
        Bytes({0x01}),
        Bytes({0x05, 0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40}),
        Bytes({0x06, 6}),
        Text("Tahoma"),
        Bytes({0x0C, 0x2C, 0x01, 0x00, 0x00}),
        Text(longText),
        Bytes({0x07, 12}),
        Text("clWindowText"),
        Bytes({0x08, 0x09}),
        Bytes({0x0A, 4, 0, 0, 0, 0x42, 0x4D, 0x00, 0xFF}),
        Bytes({0x0B, 6}),
        Text("fsBold"),
        Bytes({8}),
        Text("fsItalic"),
        Bytes({0}),
        Bytes({0x0B, 0}),
        Bytes({0x0D}),
        Bytes({0x0E, 0x00}),
        Bytes({0x00}),
    });
    ASSERT_EQ(writer.Bytes(), expected);

    TPropertyStreamReader reader(writer.Bytes());
    reader.ReadListBegin();
    EXPECT_EQ(reader.ReadExtended(), version);
    EXPECT_EQ(reader.ReadString(), "Tahoma");
    EXPECT_EQ(reader.ReadString(), longText);
    EXPECT_EQ(reader.ReadIdent(), "clWindowText");
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_EQ(reader.ReadBinary(), blob);
    EXPECT_EQ(reader.ReadSet(), (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_TRUE(reader.ReadSet().empty());
    reader.ReadNil();
    reader.ReadCollectionBegin();
    EXPECT_TRUE(reader.EndOfList());
    reader.ReadListEnd();
    reader.ReadListEnd();
    EXPECT_TRUE(reader.AtEnd());
}

TEST(PropertyStreamValues, StringsSwitchToTheLongFormAbove255Bytes) {
    for (std::size_t length : {std::size_t{0}, std::size_t{255}, std::size_t{256}}) {
        TPropertyStreamWriter writer;
        writer.WriteString(std::string(length, 'a'));
        EXPECT_EQ(writer.Bytes()[0], length <= 255 ? 0x06 : 0x0C) << length;
        EXPECT_EQ(writer.Bytes().size(), length + (length <= 255 ? 2 : 5)) << length;
    }
}

TEST(PropertyStreamValues, ACollectionOfItemsWithProperties) {
    // InternalSkins: one item with a name, a 32-bit colour and the version.
    TPropertyStreamWriter writer;
    writer.WritePropertyName("InternalSkins");
    writer.WriteCollectionBegin();
    writer.WriteListBegin();
    writer.WritePropertyName("Name");
    writer.WriteString("BlueGauze (internal)");
    writer.WritePropertyName("Shadow1Blur");
    writer.WriteInteger(2);
    writer.WritePropertyName("Version");
    writer.WriteExtended(ExtendedFloat::FromDecimalText("4.81"));
    writer.WriteListEnd();
    writer.WriteListEnd();

    TPropertyStreamReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadPropertyName(), "InternalSkins");
    reader.ReadCollectionBegin();
    int items = 0;
    while (!reader.EndOfList()) {
        reader.ReadListBegin();
        EXPECT_EQ(reader.ReadPropertyName(), "Name");
        EXPECT_EQ(reader.ReadString(), "BlueGauze (internal)");
        EXPECT_EQ(reader.ReadPropertyName(), "Shadow1Blur");
        EXPECT_EQ(reader.ReadInteger(), 2);
        EXPECT_EQ(reader.ReadPropertyName(), "Version");
        EXPECT_EQ(reader.ReadFloat(), 4.81);
        EXPECT_TRUE(reader.EndOfList());
        reader.ReadListEnd();
        ++items;
    }
    reader.ReadListEnd();
    EXPECT_EQ(items, 1);
    EXPECT_TRUE(reader.AtEnd());

    // The same collection, passed over as one unknown value.
    TPropertyStreamReader skipper(writer.Bytes());
    skipper.ReadPropertyName();
    skipper.SkipValue();
    EXPECT_TRUE(skipper.AtEnd());
}

TEST(PropertyStreamValues, SkipValuePassesOverEveryKind) {
    const ByteList stream = Concat({
        Bytes({0x01, 0x02, 0x05, 0x06, 1}),
        Text("a"),
        Bytes({0x01, 0x00, 0x00}),  // nested list
        Bytes({0x03, 0x34, 0x12}),
        Bytes({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}),
        Bytes({0x07, 2}),
        Text("cb"),
        Bytes({0x0A, 1, 0, 0, 0, 0xAA}),
        Bytes({0x0B, 1}),
        Text("x"),
        Bytes({0}),
        Bytes({0x0C, 1, 0, 0, 0}),
        Text("z"),
        Bytes({0x0E, 0x02, 0x00, 0x01, 1}),
        Text("P"),
        Bytes({0x09, 0x00, 0x00}),  // item with an order
        Bytes({0x08, 0x09, 0x0D}),
    });
    TPropertyStreamReader reader(stream);
    int values = 0;
    while (!reader.AtEnd()) {
        reader.SkipValue();
        ++values;
    }
    EXPECT_EQ(values, 11);
}

TEST(PropertyStreamValues, ReadersAcceptRelatedTags) {
    const ByteList bytes = Bytes({0x08, 0x09, 0x0D, 0x03, 0x00, 0x01});
    TPropertyStreamReader reader(bytes);
    EXPECT_EQ(reader.ReadIdent(), "False");
    EXPECT_EQ(reader.ReadIdent(), "True");
    EXPECT_EQ(reader.ReadIdent(), "nil");
    EXPECT_EQ(reader.ReadFloat(), 256.0);
}

TEST(PropertyStreamValues, TruncatedAndGarbledStreamsAreRefused) {
    using Reader = TPropertyStreamReader;
    struct Case {
        const char* name;
        ByteList bytes;
        void (*read)(Reader&);
        const char* message;
    };
    const Case cases[] = {
        {"empty",
         {},
         [](Reader& r) { r.ReadInteger(); },
         "Stream read error at offset 0: expected an integer value, found the end of the stream"},
        {"wrong tag", Bytes({0x06, 0}), [](Reader& r) { r.ReadInteger(); },
         "Stream read error at offset 0: expected an integer value, found tag 0x06"},
        {"short int16", Bytes({0x03, 0x01}), [](Reader& r) { r.ReadInteger(); },
         "Stream read error at offset 1: expected a 16-bit integer (2 bytes), found only 1"},
        {"short int32", Bytes({0x04, 1, 2}), [](Reader& r) { r.ReadInteger(); },
         "Stream read error at offset 1: expected a 32-bit integer (4 bytes), found only 2"},
        {"short extended", Bytes({0x05, 1, 2, 3}), [](Reader& r) { r.ReadExtended(); },
         "Stream read error at offset 1: expected an extended floating-point value (10 bytes), found only 3"},
        {"short string", Bytes({0x06, 5, 'a', 'b'}), [](Reader& r) { r.ReadString(); },
         "Stream read error at offset 2: expected the characters of a string (5 bytes), found only 2"},
        {"huge long string", Bytes({0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}), [](Reader& r) { r.ReadString(); },
         "Stream read error at offset 5: expected the characters of a string (4294967295 bytes), found only "
         "1"},
        {"huge binary", Bytes({0x0A, 0x00, 0x00, 0x00, 0x80}), [](Reader& r) { r.ReadBinary(); },
         "Stream read error at offset 5: expected binary data (2147483648 bytes), found only 0"},
        {"short binary length", Bytes({0x0A, 0x01}), [](Reader& r) { r.ReadBinary(); },
         "Stream read error at offset 1: expected a binary length (4 bytes), found only 1"},
        {"unterminated set", Bytes({0x0B, 1, 'a'}), [](Reader& r) { r.ReadSet(); },
         "Stream read error at offset 3: expected a name length (1 bytes), found only 0"},
        {"boolean", Bytes({0x07, 0}), [](Reader& r) { r.ReadBoolean(); },
         "Stream read error at offset 0: expected a boolean value, found tag 0x07"},
        {"list end", Bytes({0x01}), [](Reader& r) { r.ReadListEnd(); },
         "Stream read error at offset 0: expected the end of a list (0x00), found tag 0x01"},
        {"empty property name", Bytes({0x00}), [](Reader& r) { r.ReadPropertyName(); },
         "Stream read error at offset 0: expected a property name, found the end of a list"},
        {"unknown tag", Bytes({0x01, 0x02, 0x01, 0x3F}), [](Reader& r) { r.SkipValue(); },
         "Stream read error at offset 3: expected a value, found tag 0x3F"},
        {"unterminated list", Bytes({0x01, 0x02, 0x01}), [](Reader& r) { r.SkipValue(); },
         "Stream read error at offset 3: expected a value tag, found the end of the stream"},
        {"stray end", Bytes({0x00}), [](Reader& r) { r.SkipValue(); },
         "Stream read error at offset 0: expected a value, found tag 0x00"},
        {"collection item", Bytes({0x0E, 0x06, 0}), [](Reader& r) { r.SkipValue(); },
         "Stream read error at offset 1: expected the start of a list (0x01), found tag 0x06"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectReadError(c.bytes, c.read, c.message);
    }
}

TEST(PropertyStreamValues, NestingDeeperThanTheLimitIsRefused) {
    ByteList deep(TPropertyStreamReader::MaxNesting + 1, 0x01);
    deep.insert(deep.end(), TPropertyStreamReader::MaxNesting + 1, 0x00);
    ExpectReadError(
        deep, [](TPropertyStreamReader& r) { r.SkipValue(); },
        "Stream read error at offset 64: expected at most 64 nested lists");

    ByteList allowed(TPropertyStreamReader::MaxNesting, 0x01);
    allowed.insert(allowed.end(), TPropertyStreamReader::MaxNesting, 0x00);
    TPropertyStreamReader reader(allowed);
    reader.SkipValue();
    EXPECT_TRUE(reader.AtEnd());
}

TEST(PropertyStreamValues, WriterRefusesWhatTheFormatCannotHold) {
    TPropertyStreamWriter writer;
    EXPECT_THROW(writer.WriteIdent(std::string(256, 'a')), EWriteError);
    EXPECT_THROW(writer.WritePropertyName(""), EWriteError);
    EXPECT_THROW(writer.WritePropertyName(std::string(256, 'a')), EWriteError);
    EXPECT_THROW(writer.WriteSet({"a", ""}), EWriteError);
    // A refused value leaves nothing half-written behind it.
    EXPECT_TRUE(writer.Bytes().empty());
}

TEST(PropertyStreamValues, GarbageNeverReadsOutOfBounds) {
    // Every prefix of a valid stream, read as one value, either succeeds or
    // raises the read error; the sanitizer build checks the memory side.
    TPropertyStreamWriter writer;
    writer.WriteCollectionBegin();
    writer.WriteListBegin();
    writer.WritePropertyName("Data");
    writer.WriteBinary(Bytes({1, 2, 3, 4, 5, 6}));
    writer.WritePropertyName("Style");
    writer.WriteSet({"fsBold"});
    writer.WriteListEnd();
    writer.WriteListEnd();
    const ByteList& full = writer.Bytes();
    for (std::size_t length = 0; length < full.size(); ++length) {
        ByteList prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        TPropertyStreamReader reader(prefix);
        EXPECT_THROW(reader.SkipValue(), EReadError) << length;
    }
}

}  // namespace
}  // namespace quendar
