#include "framework/mem_ini_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/exception.h"
#include "framework/string_list.h"

namespace quendar {
namespace {

std::string Joined(const TStringList& list) {
    std::string all;
    for (int i = 0; i < list.Count(); ++i) {
        if (i > 0) all += '|';
        all += list.Strings(i);
    }
    return all;
}

const char* const SkinText =
    "\xEF\xBB\xBF"
    "orphan=before any section\r\n"
    "[GlobalInfo]\r\n"
    "  Version = 4.81  \r\n"
    "Author=\tSomeone\t\r\n"
    "; Shadow1Blur=9\r\n"
    "Shadow1Blur=2\r\n"
    "shadow1blur=7\r\n"
    "MasterBitmap=master.bmp\n"
    "no equals sign here\n"
    "=value without key\n"
    "\n"
    "[EDIT]\n"
    "COLOR=$F5F2F2\n"
    "BORDERSMASK=#(0,0,30,30)(3,1,0)\n"
    "HEX=0x10\n"
    "BAD=12px\n"
    "Flag=TRUE\n"
    "Zero=0\n"
    "Odd=maybe\n"
    "Empty=\n"
    "[ Spaced ]\n"
    "key = a = b\n"
    "[global info\n"
    "x=1\n"
    "[globalinfo]\n"
    "Description=continues the first section\n";

class MemIniFileTest : public ::testing::Test {
protected:
    void SetUp() override { ini.SetText(SkinText); }
    TMemIniFile ini;
};

TEST_F(MemIniFileTest, SectionsAndKeysMatchWithoutCase) {
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(Joined(sections), "GlobalInfo|EDIT|Spaced|global info");
    EXPECT_TRUE(ini.SectionExists("GLOBALINFO"));
    EXPECT_TRUE(ini.SectionExists("spaced"));
    EXPECT_FALSE(ini.SectionExists("GLOBAL"));
    EXPECT_TRUE(ini.ValueExists("globalinfo", "VERSION"));
    EXPECT_FALSE(ini.ValueExists("globalinfo", "orphan"));
}

TEST_F(MemIniFileTest, StringsAreTrimmedAndTheFirstDuplicateWins) {
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"GLOBALINFO", "VERSION", "4.81"},
        {"GlobalInfo", "Author", "Someone"},
        {"GlobalInfo", "SHADOW1BLUR", "2"},
        {"GlobalInfo", "Description", "continues the first section"},
        {"EDIT", "BORDERSMASK", "#(0,0,30,30)(3,1,0)"},
        {"EDIT", "Empty", ""},
        {"Spaced", "KEY", "a = b"},
        {"global info", "x", "1"},
        {"GlobalInfo", "no equals sign here", "<default>"},
        {"GlobalInfo", "", "<default>"},
        {"Missing", "Version", "<default>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.expected);
    }
}

TEST_F(MemIniFileTest, NumbersFallBackToTheDefault) {
    struct Case {
        const char* key;
        int integer;
        bool boolean;
    };
    const Case cases[] = {
        {"COLOR", 0xF5F2F2, true}, {"HEX", 16, true}, {"BAD", -1, true},   {"Flag", -1, true},
        {"Zero", 0, false},        {"Odd", -1, true}, {"Empty", -1, true}, {"Missing", -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.ReadInteger("edit", c.key, -1), c.integer);
        EXPECT_EQ(ini.ReadBool("edit", c.key, true), c.boolean);
    }
    EXPECT_FALSE(ini.ReadBool("edit", "Odd", false));
    EXPECT_EQ(ini.ReadFloat("GlobalInfo", "Version", 0), 4.81);
    EXPECT_EQ(ini.ReadFloat("GlobalInfo", "Author", 1.5), 1.5);
}

TEST_F(MemIniFileTest, SectionListsKeepFileOrder) {
    TStringList lines;
    lines.Add("stale");
    ini.ReadSection("globalinfo", lines);
    EXPECT_EQ(Joined(lines), "Version|Author|Shadow1Blur|MasterBitmap|Description");
    ini.ReadSectionValues("Spaced", lines);
    EXPECT_EQ(Joined(lines), "key=a = b");
    ini.ReadSection("Missing", lines);
    EXPECT_EQ(lines.Count(), 0);
}

TEST(MemIniFile, ReadsLinesOfAStringList) {
    TStringList lines;
    lines.SetText("[BUTTON]\nCOLOR=1\n");
    TMemIniFile ini;
    ini.SetStrings(lines);
    EXPECT_EQ(ini.ReadInteger("button", "color", 0), 1);
}

TEST(MemIniFile, BinaryGarbageIsSkippedNotFatal) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 7919) & 0xFF));
    garbage += "\n[OK]\nk=v\n";
    TMemIniFile ini;
    ini.SetText(garbage);
    EXPECT_EQ(ini.ReadString("ok", "K", ""), "v");
}

TEST(MemIniFile, FilesAreReadAndAMissingFileIsEmpty) {
    const auto folder = std::filesystem::temp_directory_path() / "quendar_ini_test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "Options.dat";
    {
        std::ofstream file(path, std::ios::binary);
        file << "[GLOBALINFO]\r\nAUTHOR=Me\r\n";
    }
    TMemIniFile ini(path.string());
    EXPECT_EQ(ini.ReadString("GlobalInfo", "Author", ""), "Me");
    EXPECT_EQ(ini.FileName(), path.string());

    TMemIniFile missing((folder / "none.dat").string());
    TStringList sections;
    missing.ReadSections(sections);
    EXPECT_EQ(sections.Count(), 0);

    try {
        TMemIniFile folderAsFile(folder.string());
        ADD_FAILURE() << "accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Cannot read ini file \"" + folder.string() + "\": it is a folder");
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quendar
