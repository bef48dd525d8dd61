// The stored skin collection in a window definition: exact bytes, and what
// reads back.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/class_registry.h"
#include "framework/definition_reader.h"
#include "framework/definition_writer.h"
#include "skin/data/skin_data_registration.h"
#include "skin/data/skin_manager.h"

namespace quendar {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The version as the built-in skin stores it: not the extended value
// nearest to 4.81, so it must travel as its ten bytes.
const ExtendedFloat StoredVersion({0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40});

// Where two byte strings first differ, for a readable failure.
std::string FirstDifference(const Bytes& actual, const Bytes& expected) {
    auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    if (a == actual.end() && e == expected.end()) return "equal";
    const auto offset = a - actual.begin();
    std::string text = "differ at byte " + std::to_string(offset) + ": actual";
    auto append = [&text](auto from, auto end) {
        for (auto i = from; i != end && i < from + 12; ++i) {
            text += ' ';
            text += std::to_string(*i);
        }
    };
    append(a, actual.end());
    text += " / expected";
    append(e, expected.end());
    return text;
}

// Builds expected stream bytes one property at a time.
struct StreamBytes {
    Bytes bytes;
    StreamBytes& Raw(std::initializer_list<int> values) {
        for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    StreamBytes& Short(const std::string& text) {
        bytes.push_back(static_cast<std::uint8_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    StreamBytes& Str(const std::string& name, const std::string& text) { return Short(name).Raw({0x06}).Short(text); }
    StreamBytes& Ident(const std::string& name, const std::string& text) {
        return Short(name).Raw({0x07}).Short(text);
    }
    StreamBytes& Int8(const std::string& name, int value) { return Short(name).Raw({0x02, value & 0xFF}); }
    StreamBytes& False(const std::string& name) { return Short(name).Raw({0x08}); }
};

class StoredSkinStream : public ::testing::Test {
protected:
    StoredSkinStream() { RegisterSkinDataClasses(registry); }

    // One skin, one section, one image area, no patterns, no master bitmap.
    static void FillSmallSkin(TsSkinManager& manager) {
        TsStoredSkin& skin = *manager.InternalSkins().Add();
        skin.SetName("T");
        TsSkinGeneral& edit = *skin.GeneralData().Add();
        edit.SectionName = "EDIT";
        edit.Color = 16118514;
        edit.FontColor = "0 -1 -1 -1 -1";
        edit.HotColor = clWhite;
        TsSkinImage& frame = *skin.Images().Add();
        frame.SectionName = "EDIT";
        frame.PropertyName = "BORDERSMASK";
        frame.Left = 78;
        frame.Top = 48;
        frame.Right = 156;
        frame.Bottom = 99;
        frame.ImageCount = 1;
        frame.BorderWidth = 1;
        frame.StretchMode = 1;
        skin.Shadow1Color = 13156534;
        skin.Shadow1Offset = 2;
        skin.Shadow1Blur = 2;
        skin.Shadow1Transparency = 50;
        skin.Version = StoredVersion;
        skin.Author = "A";
        skin.Description = "D";
    }

    ClassRegistry registry;
};

TEST_F(StoredSkinStream, CollectionIsWrittenWithTheTagsOfTheStoredForm) {
    TsSkinManager manager(nullptr);
    FillSmallSkin(manager);
    const Bytes written = WriteDefinition(manager, registry);

    StreamBytes expected;
    expected.Short("InternalSkins").Raw({0x0E, 0x01}).Str("Name", "T");
    expected.Short("GeneralData").Raw({0x0E, 0x01}).Str("SectionName", "EDIT");
    expected.Short("Color").Raw({0x04, 0xF2, 0xF2, 0xF5, 0x00}).Ident("Bevel", "cbNone").Int8("ShadowBlur", 0);
    expected.Ident("ShadowColor", "clBlack").False("ShadowDontUse").False("ShadowEnabled").False("ReservedBoolean");
    expected.Int8("ShadowOffset", 0).Int8("ShadowTransparency", 0).Str("FontColor", "0 -1 -1 -1 -1");
    expected.Int8("Transparency", 0).Int8("GradientPercent", 0).Int8("ImagePercent", 0);
    expected.False("ShowFocus").False("FadingEnabled");
    expected.Int8("FadingIntervalIn", 0).Int8("FadingIntervalOut", 0).Int8("FadingIterations", 0);
    expected.Ident("HotColor", "clWhite").Int8("HotTransparency", 0).Ident("HotBevel", "cbNone");
    expected.Int8("HotGradientPercent", 0).Int8("HotImagePercent", 0);
    expected.Ident("BorderColor1", "clBlack").Ident("BorderColor2", "clBlack").Raw({0x00, 0x00});
    expected.Short("Images").Raw({0x0E, 0x01}).Str("SectionName", "EDIT").Str("PropertyName", "BORDERSMASK");
    expected.Int8("Left", 78).Int8("Top", 48).Short("Right").Raw({0x03, 0x9C, 0x00}).Int8("Bottom", 99);
    expected.Int8("ImageCount", 1).Int8("MaskType", 0).Int8("BorderWidth", 1).Int8("StretchMode", 1);
    expected.Ident("ImgType", "itisaBorder").Int8("WL", 0).Int8("WR", 0).Int8("WT", 0).Int8("WB", 0);
    expected.Raw({0x00, 0x00});
    expected.Short("Patterns").Raw({0x0E, 0x00});
    expected.Short("Shadow1Color").Raw({0x04, 0xB6, 0xC0, 0xC8, 0x00});
    expected.Int8("Shadow1Offset", 2).Int8("Shadow1Blur", 2).Int8("Shadow1Transparency", 50);
    expected.Short("Version").Raw({0x05, 0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40});
    expected.Str("Author", "A").Str("Description", "D").Raw({0x00, 0x00});

    const Bytes name = StreamBytes().Short("InternalSkins").bytes;
    auto start = std::search(written.begin(), written.end(), name.begin(), name.end());
    ASSERT_NE(start, written.end());
    ASSERT_GE(static_cast<std::size_t>(written.end() - start), expected.bytes.size());
    const Bytes actual(start, start + static_cast<std::ptrdiff_t>(expected.bytes.size()));
    EXPECT_EQ(FirstDifference(actual, expected.bytes), "equal");
}

TEST_F(StoredSkinStream, ReadsBackAndWritesTheSameBytesAgain) {
    TsSkinManager original(nullptr);
    FillSmallSkin(original);
    TsSkinImage& own = *original.InternalSkins().Items(0)->Images().Add();
    own.SectionName = "BUTTON_HUGE";
    own.PropertyName = "BORDERSMASK";
    own.Name = "BUTTONHUGE.BMP";
    own.Image().SetSize(6, 4);
    own.Image().PixelBuffer().SetPixel(5, 3, RGB(1, 2, 3));
    original.SetSkinName("T");
    original.MenuSupport().IcoLineSkin = "ICOLINE";  // what reading makes of an empty one
    const Bytes written = WriteDefinition(original, registry);

    TsSkinManager copy(nullptr);
    ReadDefinition(copy, written, registry);
    EXPECT_EQ(FirstDifference(WriteDefinition(copy, registry), written), "equal");
    ASSERT_EQ(copy.InternalSkins().Count(), 1);
    const TsStoredSkin& skin = *copy.InternalSkins().Items(0);
    EXPECT_EQ(skin.Version, StoredVersion);
    EXPECT_EQ(skin.GeneralData().Items(0)->HotColor, clWhite);
    EXPECT_EQ(skin.Images().Items(1)->Image().PixelBuffer().PixelAt(5, 3), RGB(1, 2, 3));
    // The name was applied at the end of reading, with the skins present.
    EXPECT_EQ(copy.Tables().Sections.size(), 1u);
    EXPECT_EQ(copy.SkinInfo(), "4.81");
}

TEST_F(StoredSkinStream, MissingValuesReadAsTheirDefaults) {
    TsSkinManager original(nullptr);
    FillSmallSkin(original);
    TsStoredSkin& skin = *original.InternalSkins().Items(0);
    skin.Shadow1Blur = -1;  // the default: not written
    skin.Images().Items(0)->Name = "";
    const Bytes written = WriteDefinition(original, registry);
    const Bytes blur = StreamBytes().Short("Shadow1Blur").bytes;
    EXPECT_EQ(std::search(written.begin(), written.end(), blur.begin(), blur.end()), written.end());
    const Bytes imageData = StreamBytes().Short("Image.Data").bytes;
    EXPECT_EQ(std::search(written.begin(), written.end(), imageData.begin(), imageData.end()), written.end());

    TsSkinManager copy(nullptr);
    ReadDefinition(copy, written, registry);
    const TsStoredSkin& read = *copy.InternalSkins().Items(0);
    EXPECT_EQ(read.Shadow1Blur, -1);
    EXPECT_TRUE(read.Images().Items(0)->Image().Empty());
    EXPECT_EQ(read.Images().Items(0)->Name, "");
    EXPECT_TRUE(read.MasterBitmap().Empty());
}

TEST_F(StoredSkinStream, ManagerDefaultsAreNotWrittenAndStoredValuesAre) {
    TsSkinManager manager(nullptr);
    manager.MenuSupport().IcoLineSkin = "ICOLINE";
    manager.Left = 195;
    const Bytes written = WriteDefinition(manager, registry);
    auto has = [&](const std::string& name) {
        const Bytes key = StreamBytes().Short(name).bytes;
        return std::search(written.begin(), written.end(), key.begin(), key.end()) != written.end();
    };
    for (const char* name : {"Active", "IsDefault", "SkinnedPopups", "HueOffset", "Saturation", "Top"})
        EXPECT_FALSE(has(name)) << name;
    for (const char* name : {"MenuSupport.IcoLineSkin", "MenuSupport.ExtraLineFont.Height", "SkinDirectory", "Left"})
        EXPECT_TRUE(has(name)) << name;
}

TEST(StoredSkins, IndexOfMatchesExactNamesOnly) {
    TsStoredSkins skins(nullptr);
    skins.Add()->SetName("Other");
    skins.Add()->SetName("BlueGauze (internal)");
    skins.Add()->SetName("BlueGauze (internal)");
    EXPECT_EQ(skins.IndexOf("BlueGauze (internal)"), 1);
    EXPECT_EQ(skins.IndexOf("bluegauze (internal)"), -1);
    EXPECT_EQ(skins.IndexOf(""), -1);
}

TEST(StoredSkins, AssigningCopiesEverySkinAndPicture) {
    TsStoredSkins source(nullptr);
    TsStoredSkin& skin = *source.Add();
    skin.SetName("S");
    skin.GeneralData().Add()->SectionName = "FORM";
    skin.Patterns().Add()->Name = "P.JPG";
    skin.MasterBitmap().SetSize(3, 2);
    TsSkinManager manager(nullptr);
    manager.SetInternalSkins(source);
    skin.GeneralData().Items(0)->SectionName = "CHANGED";
    skin.MasterBitmap().SetSize(1, 1);
    const TsStoredSkin& copy = *manager.InternalSkins().Items(0);
    EXPECT_EQ(copy.Name(), "S");
    EXPECT_EQ(copy.GeneralData().Items(0)->SectionName, "FORM");
    EXPECT_EQ(copy.Patterns().Items(0)->Name, "P.JPG");
    EXPECT_EQ(copy.MasterBitmap().Width(), 3);
    EXPECT_EQ(copy.GeneralData().StoredSkin(), &copy);
    EXPECT_EQ(manager.InternalSkins().Manager(), &manager);
}

}  // namespace
}  // namespace quendar
