// The stored properties of fonts, bitmaps and pictures.

#include "framework/graphics_properties.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics_bitmap.h"
#include "framework/graphics_font.h"
#include "framework/jpeg_image.h"
#include "framework/picture.h"

namespace quendar {
namespace {

const PublishedProperty& Property(const PropertyTable& table, const char* name) {
    const PublishedProperty* property = table.Find(name);
    if (property == nullptr) throw std::runtime_error(std::string("no property ") + name);
    return *property;
}

TEST(PropertyTableTest, APropertyWithoutDefaultIsWrittenAtAnyValue) {
    PropertyTable table = PropertyTable().Integer<TFont>(
        "Height", [](const TFont& f) { return f.Height(); }, [](TFont& f, std::int32_t v) { f.SetHeight(v); }, -11);
    TFont font;
    font.SetHeight(-11);
    EXPECT_FALSE(Property(table, "Height").IsStored(font));
    table.WithoutDefault({"height"});
    EXPECT_TRUE(Property(table, "Height").IsStored(font));
    font.SetHeight(-12);
    EXPECT_TRUE(Property(table, "Height").IsStored(font));
}

TEST(GraphicsPropertiesTest, EveryFontPropertyIsWrittenWithNames) {
    TFont font;  // every value at the font's default
    const PropertyTable& table = FontProperties();
    std::vector<std::string> names;
    for (const PublishedProperty& property : table.Properties()) {
        names.push_back(property.Name);
        EXPECT_TRUE(property.IsStored(font)) << property.Name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Style"}));

    DefinitionValue charset = Property(table, "Charset").Get(font);
    EXPECT_EQ(charset.Kind, DefinitionValueKind::dvIdent);
    EXPECT_EQ(charset.Text, "DEFAULT_CHARSET");
    EXPECT_EQ(Property(table, "Color").Get(font).Text, "clWindowText");
    EXPECT_EQ(Property(table, "Height").Get(font).Integer, -11);
    EXPECT_EQ(Property(table, "Name").Get(font).Text, "Tahoma");
    DefinitionValue style = Property(table, "Style").Get(font);
    EXPECT_EQ(style.Kind, DefinitionValueKind::dvSet);
    EXPECT_TRUE(style.Names.empty());
}

TEST(GraphicsPropertiesTest, FontPropertiesReadBack) {
    struct Case {
        const char* Name;
        DefinitionValue Value;
    };
    const Case cases[] = {
        {"Color", DefinitionValue::OfIdent("clbtnface")},
        {"Charset", DefinitionValue::OfIdent("ANSI_CHARSET")},
        {"Height", DefinitionValue::OfInteger(-13)},
        {"Name", DefinitionValue::OfString("DejaVu Sans")},
        {"Style", DefinitionValue::OfSet({"fsBold", "fsStrikeOut"})},
    };
    TFont font;
    for (const Case& c : cases) Property(FontProperties(), c.Name).Set(font, c.Value);
    EXPECT_EQ(font.Color(), clBtnFace);
    EXPECT_EQ(font.Charset(), ANSI_CHARSET);
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.Name(), "DejaVu Sans");
    EXPECT_EQ(font.Style(), TFontStyles::fsBold | TFontStyles::fsStrikeOut);

    font.SetColor(0x123456);
    DefinitionValue color = Property(FontProperties(), "Color").Get(font);
    EXPECT_EQ(color.Kind, DefinitionValueKind::dvInteger);
    EXPECT_EQ(color.Integer, 0x123456);
    font.SetColor(clSilver);
    EXPECT_EQ(Property(FontProperties(), "Color").Get(font).Text, "clSilver");
}

TEST(GraphicsPropertiesTest, BitmapDataIsWrittenOnlyWhenNotEmpty) {
    const PublishedProperty& data = Property(BitmapProperties(), "Data");
    TBitmap empty;
    EXPECT_FALSE(data.IsStored(empty));
    TBitmap bitmap(2, 1);
    bitmap.PixelBuffer().SetPixel(1, 0, RGB(255, 0, 255));
    ASSERT_TRUE(data.IsStored(bitmap));
    DefinitionValue value = data.Get(bitmap);
    EXPECT_EQ(value.Binary, bitmap.WriteData());
    TBitmap loaded;
    data.Set(loaded, value);
    EXPECT_EQ(loaded.PixelBuffer().PixelAt(1, 0), RGB(255, 0, 255));
}

TEST(GraphicsPropertiesTest, PictureDataCarriesTheJpeg) {
    RegisterJpegImageFormat();
    TBitmap bitmap(4, 4);
    TJPEGImage jpeg;
    jpeg.Assign(bitmap);
    TPicture picture;
    picture.SetGraphic(&jpeg);
    const PublishedProperty& data = Property(PictureProperties(), "Data");
    DefinitionValue value = data.Get(picture);
    TPicture loaded;
    data.Set(loaded, value);
    ASSERT_NE(loaded.Graphic(), nullptr);
    EXPECT_EQ(loaded.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_FALSE(data.IsStored(TPicture()));
}

TEST(GraphicsPropertiesTest, ClassesAreRegistered) {
    ClassRegistry registry;
    RegisterGraphicsClasses(registry);
    for (const char* name : {"TFont", "TBrush", "TPen", "TBitmap", "TJPEGImage", "TPicture"})
        EXPECT_TRUE(registry.IsRegistered(name)) << name;
    EXPECT_EQ(registry.FindFactory("TFont"), nullptr);
}

}  // namespace
}  // namespace quendar
