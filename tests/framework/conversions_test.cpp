#include "framework/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

#include "framework/exception.h"
#include "framework/text_utils.h"

namespace quendar {
namespace {

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"+7", 7},
        {"-7", -7},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"$10", 16},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"0x80000000", std::numeric_limits<int>::min()},
        {"0xFF00FF", 0xFF00FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(c.text), c.expected);
        int value = 0;
        EXPECT_TRUE(TryStrToInt(c.text, value));
        EXPECT_EQ(value, c.expected);
    }
}

TEST(StrToInt, RefusesEverythingElseWithTheConversionMessage) {
    const char* bad[] = {"",    " 1",         "1 ",          "1.0",         "12a",
                         "-",   "+",          "--1",         "0x",          "$",
                         "$G",  "2147483648", "-2147483649", "0x100000000", "1e3",
                         "x10", "0x-1",       "$+1",         "1,5",         "99999999999999999999"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        int value = 99;
        EXPECT_FALSE(TryStrToInt(text, value));
        EXPECT_EQ(value, 99);
        EXPECT_EQ(StrToIntDef(text, -5), -5);
        try {
            StrToInt(text);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(StrToFloat, ReadsDotSeparatedTextWhateverTheLocale) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"4.81", 4.81},
        {"-0.5", -0.5},
        {"+2", 2.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"2.5e+1", 25.0},
        {"1e-400", 0.0},
        {"0", 0.0},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToFloat(c.text), c.expected);
    }
    EXPECT_TRUE(std::signbit(StrToFloat("-1e-400")));
}

TEST(StrToFloat, RefusesEverythingElseWithTheConversionMessage) {
    const char* bad[] = {"",    " 1",  "1 ",  "4,81", ".",    "e5",    "1e",
                         "1e+", "inf", "nan", "0x10", "1..2", "1e999", "-"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        double value = 7;
        EXPECT_FALSE(TryStrToFloat(text, value));
        EXPECT_EQ(value, 7);
        EXPECT_EQ(StrToFloatDef(text, 1.5), 1.5);
        try {
            StrToFloat(text);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(FloatToStr, GivesTheShortFormOfFifteenDigits) {
    EXPECT_EQ(FloatToStr(4.81), "4.81");
    EXPECT_EQ(FloatToStr(2.0), "2");
    EXPECT_EQ(FloatToStr(-0.25), "-0.25");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
}

TEST(TextUtils, TrimRemovesCodesUpToBlank) {
    EXPECT_EQ(Trim(std::string("\x01\t a b \r\n\x1f", 10)), "a b");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\x7F"), "\x7F");  // DEL is above 32 and stays
}

TEST(TextUtils, SplitWordsSkipsRunsOfSeparators) {
    using Words = std::vector<std::string_view>;
    EXPECT_EQ(SplitWords("#(0, 64,18,76) (3,1)", " ()"), (Words{"#", "0,", "64,18,76", "3,1"}));
    EXPECT_EQ(SplitWords("  5391682  -1 -1 ", " "), (Words{"5391682", "-1", "-1"}));
    EXPECT_EQ(SplitWords("a!!b!", "!"), (Words{"a", "b"}));
    EXPECT_EQ(SplitWords("", " "), Words{});
    EXPECT_EQ(SplitWords(" ,, ", " ,"), Words{});
}

TEST(TextUtils, CaseFoldingTouchesAsciiLettersOnly) {
    EXPECT_EQ(UpperCase("abz-AZ_09\xE9"), "ABZ-AZ_09\xE9");
    EXPECT_EQ(LowerCase("ABZ-az_09\xC9"), "abz-az_09\xC9");
    EXPECT_TRUE(SameText("Edit", "EDIT"));
    EXPECT_FALSE(SameText("Edit", "Edit1"));
    EXPECT_FALSE(SameText("\xE9", "\xC9"));
}

TEST(TextUtils, CompareTextFoldsToUpperCase) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},
        {"a", "B", -1},
        {"B", "a", 1},
        {"ab", "abc", -1},
        {"", "", 0},
        // "_" lies between the upper- and lower-case letters; folded to upper it sorts after them.
        {"_", "a", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(CompareText(c.a, c.b), c.sign);
    }
    EXPECT_EQ(CompareStr("a", "B"), 1);
}

TEST(TextUtils, IntToStrAndIntToHex) {
    EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToHex(0xAB, 4), "00AB");
    EXPECT_EQ(IntToHex(0x12345, 2), "12345");
    EXPECT_EQ(IntToHex(0, 0), "0");
}

}  // namespace
}  // namespace quendar
