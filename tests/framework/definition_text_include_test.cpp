// Binary values that take the bytes of a file: {include 'name'}.

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/definition_text.h"

namespace quendar {
namespace {

using ByteList = std::vector<std::uint8_t>;

// Stands in for the files a definition may include.
DefinitionIncludeResolver FilesOf(std::map<std::string, ByteList> files, std::vector<std::string>* asked) {
    return [files = std::move(files), asked](const std::string& name) {
        if (asked) asked->push_back(name);
        const auto found = files.find(name);
        if (found == files.end()) throw Exception("no such file in the test folder");
        return found->second;
    };
}

std::string DefinitionWith(const std::string& valueText) {
    return "object A: TA\n  Data = " + valueText + "\nend\n";
}

TEST(DefinitionTextInclude, IncludedFilesBecomeBinaryValues) {
    const std::map<std::string, ByteList> files = {
        {"logo.picture", {0x0A, 0x54, 0x00, 0xFF}},
        {"empty.bin", {}},
        {"it's here.bin", {0x42}},
        {"art/logo.jpg", {0xFF, 0xD8}},
    };
    struct Case {
        std::string ValueText;
        std::string AskedName;
        ByteList Expected;
    };
    const Case cases[] = {
        {"{include 'logo.picture'}", "logo.picture", {0x0A, 0x54, 0x00, 0xFF}},
        {"{ INCLUDE\n    'logo.picture'\n  }", "logo.picture", {0x0A, 0x54, 0x00, 0xFF}},
        {"{Include 'logo.picture' // the logo\n}", "logo.picture", {0x0A, 0x54, 0x00, 0xFF}},
        {"{include 'empty.bin'}", "empty.bin", {}},
        {"{include 'it''s here.bin'}", "it's here.bin", {0x42}},
        {"{include 'art/logo.jpg'}", "art/logo.jpg", {0xFF, 0xD8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ValueText);
        std::vector<std::string> asked;
        const DefinitionObject root =
            ParseDefinitionText(DefinitionWith(c.ValueText), FilesOf(files, &asked));
        const DefinitionValue& value = root.Properties.at(0).Value;
        EXPECT_EQ(value.Kind, DefinitionValueKind::dvBinary);
        EXPECT_EQ(value.Binary, c.Expected);
        EXPECT_EQ(asked, std::vector<std::string>{c.AskedName});
    }
}

TEST(DefinitionTextInclude, HexadecimalValuesAreNotTakenForIncludes) {
    struct Case {
        std::string ValueText;
        ByteList Expected;
    };
    const Case cases[] = {
        {"{}", {}},
        {"{0A0B}", {0x0A, 0x0B}},
        {"{ abcdef }", {0xAB, 0xCD, 0xEF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ValueText);
        std::vector<std::string> asked;
        const DefinitionObject root = ParseDefinitionText(DefinitionWith(c.ValueText), FilesOf({}, &asked));
        EXPECT_EQ(root.Properties.at(0).Value.Binary, c.Expected);
        EXPECT_TRUE(asked.empty());
    }
}

TEST(DefinitionTextInclude, CompiledIncludeEqualsTheSameBytesInHexadecimal) {
    const auto resolver = FilesOf({{"three.bin", {0x01, 0x02, 0x03}}}, nullptr);
    EXPECT_EQ(CompileDefinitionText(DefinitionWith("{include 'three.bin'}"), resolver),
              CompileDefinitionText(DefinitionWith("{010203}")));
}

TEST(DefinitionTextInclude, UnresolvedIncludesNameTheFileAndTheLine) {
    struct Case {
        std::string Name;
        std::string ValueText;
        bool WithResolver;
        std::string Message;
    };
    const Case cases[] = {
        {"missing file", "{include 'gone.bin'}", true,
         "Definition text error at line 2, column 19: cannot include 'gone.bin': no such file in the test "
         "folder"},
        {"no resolver", "{include 'logo.picture'}", false,
         "Definition text error at line 2, column 19: cannot include 'logo.picture': included files are "
         "not available here"},
        {"name on a later line", "{\n  include\n    'gone.bin'}", true,
         "Definition text error at line 4, column 5: cannot include 'gone.bin': no such file in the test "
         "folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const DefinitionIncludeResolver resolver =
            c.WithResolver ? FilesOf({{"logo.picture", {1}}}, nullptr) : DefinitionIncludeResolver{};
        try {
            ParseDefinitionText(DefinitionWith(c.ValueText), resolver);
            ADD_FAILURE() << "accepted";
        } catch (const EDefinitionIncludeError& error) {
            EXPECT_EQ(std::string(error.what()), c.Message);
        }
    }
}

TEST(DefinitionTextInclude, MalformedIncludesAreSyntaxErrors) {
    struct Case {
        std::string Name;
        std::string ValueText;
        int Line;
        int Column;
        std::string Message;
    };
    // The value starts at line 2, column 10.
    const Case cases[] = {
        {"name without quotes", "{include logo.picture}", 2, 19,
         "expected a file name in quotes after 'include'"},
        {"no closing quote", "{include 'logo.picture}", 2, 33, "expected a closing quote"},
        {"no closing brace", "{include 'logo.picture'", 3, 1, "expected '}' after the file name"},
        {"something after the name", "{include 'logo.picture' 00}", 2, 34,
         "expected '}' after the file name"},
        {"two names", "{include 'a.bin' 'b.bin'}", 2, 27, "expected '}' after the file name"},
        {"empty name", "{include ''}", 2, 19, "expected a file name, found ''"},
        {"text at the end", "{include", 3, 1, "expected a file name in quotes after 'include'"},
        {"a longer word", "{includes 'logo.picture'}", 2, 11,
         "expected hexadecimal digits and '}', found 'i'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            ParseDefinitionText(DefinitionWith(c.ValueText), FilesOf({{"logo.picture", {1}}}, nullptr));
            ADD_FAILURE() << "accepted";
        } catch (const EDefinitionSyntaxError& error) {
            EXPECT_EQ(error.Line(), c.Line);
            EXPECT_EQ(error.Column(), c.Column);
            const std::string prefix = "Definition text error at line " + std::to_string(c.Line) +
                                       ", column " + std::to_string(c.Column) + ": ";
            EXPECT_EQ(std::string(error.what()), prefix + c.Message);
        }
    }
}

TEST(DefinitionTextInclude, ResolverFailuresOfAnyKindAreReportedAsIncludeErrors) {
    const DefinitionIncludeResolver failing = [](const std::string&) -> ByteList {
        throw std::runtime_error("disk on fire");
    };
    try {
        CompileDefinitionText(DefinitionWith("{include 'x.bin'}"), failing);
        ADD_FAILURE() << "accepted";
    } catch (const EDefinitionIncludeError& error) {
        EXPECT_EQ(error.Line(), 2);
        EXPECT_EQ(error.Column(), 19);
        EXPECT_EQ(error.FileName(), "x.bin");
        EXPECT_EQ(std::string(error.what()),
                  "Definition text error at line 2, column 19: cannot include 'x.bin': disk on fire");
    }
}

}  // namespace
}  // namespace quendar
