#include "framework/graphics_properties.h"

#include <array>
#include <climits>
#include <string>
#include <vector>

#include "framework/graphics_bitmap.h"
#include "framework/graphics_brush.h"
#include "framework/graphics_font.h"
#include "framework/graphics_pen.h"
#include "framework/jpeg_image.h"
#include "framework/picture.h"

namespace quendar {

namespace {

constexpr std::array<IntegerIdent, 52> Colors = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clLtGray", clLtGray},
    {"clDkGray", clDkGray},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clNone", clNone},
    {"clDefault", clDefault},
}};

constexpr std::array<IntegerIdent, 6> Charsets = {{
    {"ANSI_CHARSET", ANSI_CHARSET},
    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},
    {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
    {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
    {"OEM_CHARSET", OEM_CHARSET},
}};

// Defaults no font ever has, so that every font property is written.
constexpr std::int32_t NeverInteger = INT32_MIN;
constexpr auto NeverStyle = static_cast<TFontStyles>(0x80);

}  // namespace

std::span<const IntegerIdent> ColorIdents() { return Colors; }
std::span<const IntegerIdent> CharsetIdents() { return Charsets; }

const PropertyTable& FontProperties() {
    static const PropertyTable table =
        PropertyTable()
            .Integer<TFont>(
                "Charset", [](const TFont& f) { return static_cast<std::int32_t>(f.Charset()); },
                [](TFont& f, std::int32_t v) { f.SetCharset(static_cast<TFontCharset>(v)); }, NeverInteger,
                Charsets)
            .Integer<TFont>(
                "Color", [](const TFont& f) { return f.Color(); },
                [](TFont& f, std::int32_t v) { f.SetColor(v); }, NeverInteger, Colors)
            .Integer<TFont>(
                "Height", [](const TFont& f) { return f.Height(); },
                [](TFont& f, std::int32_t v) { f.SetHeight(v); }, NeverInteger)
            .String<TFont>(
                "Name", [](const TFont& f) { return f.Name(); },
                [](TFont& f, std::string v) { f.SetName(v); }, "")
            .Set<TFont, TFontStyles>(
                "Style", [](const TFont& f) { return f.Style(); },
                [](TFont& f, TFontStyles v) { f.SetStyle(v); }, NeverStyle,
                {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    return table;
}

const PropertyTable& BrushProperties() {
    static const PropertyTable table =
        PropertyTable()
            .Integer<TBrush>(
                "Color", [](const TBrush& b) { return b.Color(); },
                [](TBrush& b, std::int32_t v) { b.SetColor(v); }, clWhite, Colors)
            .Enum<TBrush, TBrushStyle>(
                "Style", [](const TBrush& b) { return b.Style(); },
                [](TBrush& b, TBrushStyle v) { b.SetStyle(v); }, TBrushStyle::bsSolid,
                {"bsSolid", "bsClear"});
    return table;
}

const PropertyTable& PenProperties() {
    static const PropertyTable table =
        PropertyTable()
            .Integer<TPen>(
                "Color", [](const TPen& p) { return p.Color(); },
                [](TPen& p, std::int32_t v) { p.SetColor(v); }, clBlack, Colors)
            .Enum<TPen, TPenStyle>(
                "Style", [](const TPen& p) { return p.Style(); }, [](TPen& p, TPenStyle v) { p.SetStyle(v); },
                TPenStyle::psSolid,
                {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"})
            .Integer<TPen>(
                "Width", [](const TPen& p) { return p.Width(); },
                [](TPen& p, std::int32_t v) { p.SetWidth(v); }, 1);
    return table;
}

const PropertyTable& BitmapProperties() {
    static const PropertyTable table = PropertyTable().Binary<TBitmap>(
        "Data", [](const TBitmap& b) { return b.Empty() ? std::vector<std::uint8_t>{} : b.WriteData(); },
        [](TBitmap& b, std::span<const std::uint8_t> data) { b.ReadData(data); });
    return table;
}

const PropertyTable& JpegImageProperties() {
    static const PropertyTable table = PropertyTable().Binary<TJPEGImage>(
        "Data", [](const TJPEGImage& j) { return j.Empty() ? std::vector<std::uint8_t>{} : j.WriteData(); },
        [](TJPEGImage& j, std::span<const std::uint8_t> data) { j.ReadData(data); });
    return table;
}

const PropertyTable& PictureProperties() {
    static const PropertyTable table = PropertyTable().Binary<TPicture>(
        "Data", [](const TPicture& p) { return p.WriteData(); },
        [](TPicture& p, std::span<const std::uint8_t> data) { p.ReadData(data); });
    return table;
}

void RegisterGraphicsClasses(ClassRegistry& registry) {
    registry.RegisterClass("TFont", FontProperties());
    registry.RegisterClass("TBrush", BrushProperties());
    registry.RegisterClass("TPen", PenProperties());
    registry.RegisterClass("TBitmap", BitmapProperties());
    registry.RegisterClass("TJPEGImage", JpegImageProperties());
    registry.RegisterClass("TPicture", PictureProperties());
}

}  // namespace quendar
