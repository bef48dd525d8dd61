#include <gtest/gtest.h>

#include <string>

#include "external_skin_test_folder.h"
#include "skin/data/external_skin_loader.h"
#include "skin/data/skin_check.h"

namespace quendar {
namespace {

TEST(SkinCheck, ListsEveryProblemOnALineOfItsOwn) {
    ExternalSkinTestFolder folder;
    folder.WriteBmp("master.bmp", 40, 30);
    folder.WriteBmp("wide.bmp", MaxExternalImageSide + 1, 1);
    folder.WriteOptions(R"([GLOBALINFO]
MASTERBITMAP=master.bmp
VERSION=4,81
SHADOW1BLUR=soft
BOXCHECKED=#(0,0,41,10)(3,0,0,0)
[EDIT]
PARENTCLASS=NOSUCH
TRANSPARENCY=half
BEVEL=7
GRADIENTDATA=a;b;c;d;e
BORDERSMASK=#(10,0,5,10)
[A]
PARENTCLASS=B
[B]
PARENTCLASS=A
[BUTTON]
BORDERSMASK=gone.bmp
HOTPATTERN=wide.bmp
PATTERN=^0000,0000,0018
GLYPHMASK=C:\Skins\glyph.bmp
)");
    const std::vector<std::string> expected = {
        "[GLOBALINFO] VERSION: '4,81' is not a number (\".\" separates decimals)",
        "[EDIT] BEVEL: 7 is no bevel (0 to 4)",
        "[EDIT] TRANSPARENCY: 'half' is not a number",
        "[EDIT] GRADIENTDATA: Invalid gradient data: Color1 of band 1 is \"a\", not a 32-bit decimal integer",
        "[EDIT] PARENTCLASS: section \"NOSUCH\" does not exist",
        "[A] PARENTCLASS: the chain A -> B -> A loops",
        "[B] PARENTCLASS: the chain B -> A -> B loops",
        "[GLOBALINFO] SHADOW1BLUR: 'soft' is not a valid integer value (the skin does not load)",
        "[BUTTON] BORDERSMASK: file \"gone.bmp\" not found",
        "[BUTTON] HOTPATTERN: refused: \"" + folder.FilePath("wide.bmp") +
            "\" is 4097 x 1 pixels, more than the 4096 x 4096 a skin picture may have",
        "[BUTTON] PATTERN: too short for a rectangle (15 characters, at least 20 needed)",
        "[BUTTON] GLYPHMASK: file \"C:\\Skins\\glyph.bmp\" not found (a drive path, which this system does not have)",
        "[GLOBALINFO] BOXCHECKED: rectangle 0,0,41,10 lies outside the master bitmap (40 x 30)",
        "[EDIT] BORDERSMASK: rectangle 10,0,5,10 is empty or inverted",
    };
    EXPECT_EQ(CheckExternalSkin(folder.Path()), expected);
}

TEST(SkinCheck, ASoundSkinHasNoProblems) {
    ExternalSkinTestFolder folder;
    folder.WriteBmp("master.bmp", 40, 30);
    folder.WriteOptions("[GLOBALINFO]\nVERSION=1.5\nMASTERBITMAP=master.bmp\nBOXCHECKED=#(0,0,40,30)\n"
                        "[FORM]\nPARENTCLASS=FORM\nCOLOR=-1\nFADINGENABLED=?\n");
    EXPECT_EQ(CheckExternalSkin(folder.Path()), std::vector<std::string>{});
}

TEST(SkinCheck, RectanglesWithoutAMasterBitmapAndAMissingFolder) {
    ExternalSkinTestFolder folder;
    folder.WriteOptions("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[FORM]\nBORDERSMASK=@0000,0000,0010,0010,1,0\n");
    EXPECT_EQ(CheckExternalSkin(folder.Path()),
              (std::vector<std::string>{
                  "[GLOBALINFO] MASTERBITMAP: file \"master.bmp\" not found",
                  "[FORM] BORDERSMASK: rectangle 0,0,10,10 needs a master bitmap, and the skin has none"}));
    EXPECT_EQ(CheckExternalSkin(folder.FilePath("nothing")),
              std::vector<std::string>{"Options.dat not found in \"" + folder.FilePath("nothing") + "\""});
    folder.WriteOptions("[FORM]\n");
    EXPECT_EQ(CheckExternalSkin(folder.Path()),
              std::vector<std::string>{"[GLOBALINFO] missing: the skin has no global colours, glyphs or master bitmap"});
}

TEST(SkinInfo, SummarisesALoadedSkin) {
    ExternalSkinTestFolder folder;
    folder.WriteBmp("master.bmp", 40, 30);
    folder.WriteBmp("own.bmp", 6, 4);
    folder.WriteJpeg("big.jpg", 400, 300);
    folder.WriteOptions(R"([GLOBALINFO]
VERSION=2.25
AUTHOR=Someone
DESCRIPTION=Tiny
MASTERBITMAP=master.bmp
COLOR=1193046
FONTCOLOR=255
BOXCHECKED=@0000,0000,0009,0003,3,0
[FORM]
BORDERSMASK=#(0,0,9,9)
PATTERN=big.jpg
HOTPATTERN=~0000,0000,0009,0009,00
[BUTTON]
BORDERSMASK=own.bmp
)");
    SkinTables tables;
    LoadExternalSkin(tables, folder.Path());
    EXPECT_EQ(SkinInfoText(tables, "Tiny Skin"),
              "Name: Tiny Skin\n"
              "Version: 2.25\n"
              "Author: Someone\n"
              "Description: Tiny\n"
              "Sections: 3\n"
              "Image areas: 4 (2 frames, 1 textures, 1 glyphs)\n"
              "Patterns: 1\n"
              "Master bitmap: 40 x 30\n"
              "Global colour: 1193046 (0x123456)\n"
              "Global font colour: 255 (0x0000FF)\n");
    EXPECT_NE(SkinInfoText(SkinTables{}, "Empty").find("Master bitmap: none\n"), std::string::npos);
}

}  // namespace
}  // namespace quendar
