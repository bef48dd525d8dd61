#include "framework/definition_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "framework/definition_binary.h"
#include "framework/definition_embedding.h"

namespace quendar {
namespace {

using ByteList = std::vector<std::uint8_t>;

// In the printer's own layout, so it must come back unchanged.
constexpr std::string_view SampleForm = R"(object Form_Quendar: TForm_Quendar
  Left = 685
  Top = -32769
  Caption = 'Brisvane Quendar'
  Hint = 'it''s'#13#10'two lines'
  Empty = ''
  Font.Name = 'Tahoma'
  Font.Height = -11
  Color = clBtnFace
  Visible = False
  Enabled = True
  PopupMenu = nil
  Version = $ext(0100000000000080FF3F)
  Ratio = 4.81
  Picture.Data = {
    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
    FF}
  Font.Style = [fsBold, fsItalic]
  Anchors = []
  InternalSkins = <
    item
      Name = 'BlueGauze (internal)'
      Patterns = <>
      Shadow1Color = 13156534
    end
    item
    end>
  object sEdit_StartDate: TsEdit
    Left = 90
    object Inner: TPanel
    end
  end
  object TTimer
  end
end
)";

DefinitionValue ValueOf(std::string_view valueText) {
    const std::string text = "object A: TA\n  X = " + std::string(valueText) + "\nend\n";
    return ParseDefinitionText(text).Properties.at(0).Value;
}

TEST(DefinitionText, SampleFormSurvivesCompileAndDecompile) {
    const ByteList bytes = CompileDefinitionText(SampleForm);
    EXPECT_EQ(DecompileDefinition(bytes), SampleForm);
    EXPECT_EQ(CompileDefinitionText(DecompileDefinition(bytes)), bytes);
}

TEST(DefinitionText, MangledTextIsRefusedWithASyntaxError) {
    // Each character replaced by each of a few that open or close something:
    // the compiler either accepts the text or names what it expected.
    const std::string sample(SampleForm);
    for (std::size_t i = 0; i < sample.size(); ++i) {
        for (char replacement : {'\'', '{', '}', '<', '>', '[', '#', '$', '=', '\n', 'x', '\0'}) {
            std::string mangled = sample;
            mangled[i] = replacement;
            try {
                CompileDefinitionText(mangled);
            } catch (const EDefinitionSyntaxError& error) {
                EXPECT_TRUE(error.Line() >= 1 && error.Column() >= 1);
            }
        }
        // Every cut before the final "end" is incomplete.
        if (i + 1 < sample.size()) {
            EXPECT_THROW(CompileDefinitionText(sample.substr(0, i)), EDefinitionSyntaxError) << i;
        }
    }
}

TEST(DefinitionText, ValuesMapStraightToTags) {
    const ExtendedFloat::Bytes stored{0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40};
    struct Case {
        std::string_view text;
        DefinitionValue value;
    };
    const Case cases[] = {
        {"127", DefinitionValue::OfInteger(127)},
        {"-2147483648", DefinitionValue::OfInteger(-2147483647 - 1)},
        {"+5", DefinitionValue::OfInteger(5)},
        {"$00F5F2F2", DefinitionValue::OfInteger(0x00F5F2F2)},
        {"$FFFFFFFF", DefinitionValue::OfInteger(-1)},
        {"4.81", DefinitionValue::OfExtended(ExtendedFloat::FromDecimalText("4.81"))},
        {"-2.5e3", DefinitionValue::OfExtended(ExtendedFloat::FromDouble(-2500))},
        {"$ext(83E251B81E85EB990140)", DefinitionValue::OfExtended(ExtendedFloat(stored))},
        {"$EXT( 83E2 51B8 1E85\n EB99 0140 )", DefinitionValue::OfExtended(ExtendedFloat(stored))},
        {"'a''b'", DefinitionValue::OfString("a'b")},
        {"#65'b'#67", DefinitionValue::OfString("AbC")},
        {"'one' +\n    'two'", DefinitionValue::OfString("onetwo")},
        {"''", DefinitionValue::OfString("")},
        {"'caf\xC3\xA9'", DefinitionValue::OfString("caf\xC3\xA9")},
        {"clBtnFace", DefinitionValue::OfIdent("clBtnFace")},
        {"Form1.Edit1", DefinitionValue::OfIdent("Form1.Edit1")},
        {"true", DefinitionValue::OfBoolean(true)},
        {"FALSE", DefinitionValue::OfBoolean(false)},
        {"Nil", DefinitionValue::OfNil()},
        {"{0a 0B\n  0c}", DefinitionValue::OfBinary({0x0A, 0x0B, 0x0C})},
        {"{}", DefinitionValue::OfBinary({})},
        {"[ a ,b]", DefinitionValue::OfSet({"a", "b"})},
        {"[]", DefinitionValue::OfSet({})},
        {"<>", DefinitionValue::OfCollection({})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValueOf(c.text), c.value) << c.text;
    }
}

TEST(DefinitionText, CompiledIntegersTakeTheSmallestTag) {
    struct Case {
        std::string_view text;
        ByteList valueBytes;
    };
    const Case cases[] = {
        {"-128", {0x02, 0x80}},
        {"128", {0x03, 0x80, 0x00}},
        {"-32769", {0x04, 0xFF, 0x7F, 0xFF, 0xFF}},
        {"13156534", {0x04, 0xB6, 0xC0, 0xC8, 0x00}},
    };
    for (const Case& c : cases) {
        const ByteList bytes = CompileDefinitionText("object TA\n  X = " + std::string(c.text) + "\nend");
        // Signature, class "TA", empty name, name "X": the value starts at 10.
        const ByteList value(bytes.begin() + 10, bytes.end() - 2);
        EXPECT_EQ(value, c.valueBytes) << c.text;
    }
}

TEST(DefinitionText, SyntaxErrorsNameLineColumnAndWhatWasExpected) {
    struct Case {
        std::string_view text;
        std::string message;
    };
    const Case cases[] = {
        {"", "Definition text error at line 1, column 1: expected 'object', found the end of the text"},
        {"object A: TA\n  X 1\nend",
         "Definition text error at line 2, column 5: expected '=', found the number 1"},
        {"object A: TA\n  X = 'open\nend",
         "Definition text error at line 2, column 12: expected a closing quote"},
        {"object A: TA\n  X = 2147483648\nend",
         "Definition text error at line 2, column 7: expected a 32-bit integer, found '2147483648'"},
        {"object A: TA\n  X = {ABC}\nend",
         "Definition text error at line 2, column 11: expected an even number of hexadecimal digits, found "
         "'}'"},
        {"object A: TA\n  X = {AG}\nend",
         "Definition text error at line 2, column 9: expected hexadecimal digits and '}', found 'G'"},
        {"object A: TA\n  X = $ext(0102)\nend",
         "Definition text error at line 2, column 7: expected exactly 10 bytes in $ext(...), found 2"},
        {"object A: TA\n  X = #300\nend",
         "Definition text error at line 2, column 11: expected a character code from 0 to 255 after '#', "
         "found 300"},
        {"object A: TA\n  object B: TB\n  end\n  X = 1\nend",
         "Definition text error at line 4, column 3: expected 'object' or 'end' (properties come before "
         "child "
         "objects), found 'X'"},
        {"object A: TA\n  X = [a, 1]\nend",
         "Definition text error at line 2, column 11: expected a set element, "
         "found the number 1"},
        {"object A: TA\n  X = <item end\nend",
         "Definition text error at line 3, column 1: expected 'item' or '>', found 'end'"},
        {"object A: TA\nend\nend",
         "Definition text error at line 3, column 1: expected the end of the text after "
         "the last 'end', found 'end'"},
        {"object A: TA\n  X = ;\nend",
         "Definition text error at line 2, column 7: expected a property, a value or "
         "a keyword, found ';'"},
        {"object A: TA\n  X = 'a' + 1\nend",
         "Definition text error at line 2, column 13: expected a string after '+'"},
    };
    for (const Case& c : cases) {
        try {
            ParseDefinitionText(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EDefinitionSyntaxError& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
}

TEST(DefinitionText, NamesLongerThanTheFormatHoldsAreRefused) {
    const std::string longName(256, 'n');
    EXPECT_THROW(ParseDefinitionText("object A: TA\n  " + longName + " = 1\nend"), EDefinitionSyntaxError);
    EXPECT_THROW(ParseDefinitionText("object A: TA\n  X = " + longName + "\nend"), EDefinitionSyntaxError);
    EXPECT_NO_THROW(ParseDefinitionText("object A: TA\n  " + longName.substr(1) + " = 1\nend"));
}

TEST(DefinitionText, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "object TA\n";
    EXPECT_THROW(ParseDefinitionText(text), EDefinitionSyntaxError);
    std::string collections = "object TA\n  X = ";
    for (int i = 0; i < 5000; ++i) collections += "<item Y = ";
    EXPECT_THROW(ParseDefinitionText(collections), EDefinitionSyntaxError);
}

TEST(DefinitionText, ExtendedValuesPrintAsDecimalOnlyWhenExact) {
    const ExtendedFloat::Bytes stored{0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40};
    const ExtendedFloat::Bytes oneAndABit{0x01, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    const ExtendedFloat::Bytes quietNan{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F};
    const ExtendedFloat::Bytes pastDouble{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
    struct Case {
        ExtendedFloat value;
        std::string text;
    };
    const Case cases[] = {
        {ExtendedFloat::FromDecimalText("4.81"), "4.81"},
        // The built-in skin's version is a decimal too, just not 4.81.
        {ExtendedFloat(stored), "4.809999999999999"},
        {ExtendedFloat::FromDouble(2), "2.0"},
        {ExtendedFloat::FromDouble(-0.125), "-0.125"},
        {ExtendedFloat::FromDecimalText("1e300"), "1e+300"},
        {ExtendedFloat::FromDecimalText("0.1"), "0.1"},
        // The double nearest 0.1 needs all its digits.
        {ExtendedFloat::FromDouble(0.1), "0.10000000000000000555"},
        // Finer than any decimal printed from a double, or no number at all.
        {ExtendedFloat(oneAndABit), "$ext(0100000000000080FF3F)"},
        {ExtendedFloat(quietNan), "$ext(00000000000000C0FF7F)"},
        {ExtendedFloat(pastDouble), "$ext(0000000000000080FE7F)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtendedToDefinitionText(c.value), c.text);
        EXPECT_EQ(ValueOf(c.text).Extended, c.value) << c.text;
    }
}

TEST(DefinitionText, EmbeddingWritesTheBytesAsAnArray) {
    const ByteList bytes = {0x51, 0x44, 0x46, 0x31, 0x00, 0xFF};
    const std::string source = EmbedDefinitionAsCpp(bytes, "TFORM_QUENDAR", "main_window.txt");
    EXPECT_NE(source.find("// Generated from main_window.txt by definition_compiler."), std::string::npos);
    EXPECT_NE(
        source.find("const std::uint8_t Definition[6] = {\n    0x51, 0x44, 0x46, 0x31, 0x00, 0xFF,\n};"),
        std::string::npos)
        << source;
    EXPECT_NE(source.find("extern const std::span<const std::uint8_t> TFORM_QUENDAR;\n"
                          "const std::span<const std::uint8_t> TFORM_QUENDAR(Definition);"),
              std::string::npos);
    EXPECT_THROW(EmbedDefinitionAsCpp(bytes, "1st", "x"), Exception);
    EXPECT_THROW(EmbedDefinitionAsCpp(bytes, "a-b", "x"), Exception);
    EXPECT_THROW(EmbedDefinitionAsCpp({}, "ok", "x"), Exception);
}

}  // namespace
}  // namespace quendar
