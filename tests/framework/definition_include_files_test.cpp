// Included files found in folders, and the names a definition may not use.

#include "framework/definition_include_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quendar {
namespace {

using ByteList = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

class DefinitionIncludeFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("quendar-include-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "first" / "art");
        fs::create_directories(root_ / "second");
        fs::create_directories(root_ / "first" / "folder.bin");
        Write("first/both.bin", {0x01});
        Write("second/both.bin", {0x02});
        Write("second/only_second.bin", {0x03, 0x04});
        Write("first/art/logo.jpg", {0xFF, 0xD8});
        Write("first/empty.bin", {});
        Write("second/folder.bin", {0x05});
        Write("secret.bin", {0x66});
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const std::string& name, const ByteList& bytes) {
        std::ofstream file(root_ / name, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::string Folder(const std::string& name) const { return (root_ / name).string(); }
    DefinitionIncludeResolver BothFolders() const {
        return IncludeFilesFrom({Folder("first"), Folder("second")});
    }

    fs::path root_;
};

TEST_F(DefinitionIncludeFilesTest, FoldersAreSearchedInOrder) {
    struct Case {
        std::string Name;
        ByteList Expected;
    };
    const Case cases[] = {
        {"both.bin", {0x01}},
        {"only_second.bin", {0x03, 0x04}},
        {"art/logo.jpg", {0xFF, 0xD8}},
        {"./art/logo.jpg", {0xFF, 0xD8}},
        {"empty.bin", {}},
    };
    const DefinitionIncludeResolver resolver = BothFolders();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(resolver(c.Name), c.Expected);
    }
    EXPECT_EQ(IncludeFilesFrom({Folder("second"), Folder("first")})("both.bin"), ByteList{0x02});
}

TEST_F(DefinitionIncludeFilesTest, FilesThatCannotBeHadAreRefusedWithTheReason) {
    struct Case {
        std::string Name;
        std::string Message;
    };
    const std::string relativeOnly = "the name must be a relative path without \"..\"";
    const Case cases[] = {
        {"gone.bin", "no such file in " + Folder("first") + ", " + Folder("second")},
        // Something of the name that is no file stops the search: the second
        // folder's file is not taken instead.
        {"folder.bin", "cannot read " + Folder("first") + "/folder.bin: not a regular file"},
        {"", relativeOnly},
        {"/etc/passwd", relativeOnly},
        {"\\etc\\passwd", relativeOnly},
        {"../secret.bin", relativeOnly},
        {"art/../../secret.bin", relativeOnly},
        {"..", relativeOnly},
        {"a..b", relativeOnly},
        {std::string("both.bin\0x", 10), relativeOnly},
    };
    const DefinitionIncludeResolver resolver = BothFolders();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            resolver(c.Name);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), c.Message);
        }
    }
}

TEST_F(DefinitionIncludeFilesTest, FilesBeyondTheLimitAreRefusedBeforeReading) {
    Write("first/huge.bin", {});
    fs::resize_file(root_ / "first" / "huge.bin", MaxDefinitionIncludeBytes + 1);
    Write("first/largest.bin", {});
    fs::resize_file(root_ / "first" / "largest.bin", MaxDefinitionIncludeBytes);
    const DefinitionIncludeResolver resolver = BothFolders();
    try {
        resolver("huge.bin");
        ADD_FAILURE() << "accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), Folder("first") + "/huge.bin is larger than 16 MiB");
    }
    EXPECT_EQ(resolver("largest.bin").size(), MaxDefinitionIncludeBytes);
}

TEST_F(DefinitionIncludeFilesTest, NoFoldersFindNothing) {
    try {
        IncludeFilesFrom({})("both.bin");
        ADD_FAILURE() << "accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()), "no such file in no folder");
    }
}

}  // namespace
}  // namespace quendar
