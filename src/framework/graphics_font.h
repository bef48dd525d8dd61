#pragma once
// TFont: the font of a control or a canvas.
//
// Height in pixels: negative is the character height (-11 is 8-point text at
// 96 dots per inch), positive the cell height. Size is in points at 96 dots
// per inch: Size = -Height * 72 / 96 and Height = -Size * 96 / 72, both
// rounded half away from zero, so a positive Height reads as a negative Size.

#include <cstdint>
#include <string>

#include "framework/graphics_color.h"
#include "framework/graphics_object.h"
#include "platform/font.h"

namespace quendar {

enum class TFontStyles : std::uint8_t {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};

constexpr TFontStyles operator|(TFontStyles a, TFontStyles b) {
    return static_cast<TFontStyles>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr TFontStyles operator&(TFontStyles a, TFontStyles b) {
    return static_cast<TFontStyles>(static_cast<std::uint8_t>(a) & static_cast<std::uint8_t>(b));
}
constexpr TFontStyles operator~(TFontStyles a) {
    return static_cast<TFontStyles>(~static_cast<std::uint8_t>(a) & 0x0F);
}
constexpr TFontStyles& operator|=(TFontStyles& a, TFontStyles b) { return a = a | b; }
constexpr TFontStyles& operator&=(TFontStyles& a, TFontStyles b) { return a = a & b; }
// True when `set` holds any of `flags`; TFontStyles{} is the empty set.
constexpr bool Contains(TFontStyles set, TFontStyles flags) { return (set & flags) != TFontStyles{}; }

using TFontCharset = std::uint8_t;
enum : TFontCharset {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    RUSSIAN_CHARSET = 204,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;
    static constexpr const char* DefaultName = "Tahoma";
    static constexpr int DefaultHeight = -11;

    TFont() = default;

    std::string ClassName() const override { return "TFont"; }
    // Takes every property of another TFont.
    void Assign(const TPersistent& source) override;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // The description the drawing services take (colour is the canvas's text colour).
    FontDescription Description() const;

    // Whether every property equals the other font's.
    bool SameAs(const TFont& other) const;

private:
    std::string name_ = DefaultName;
    int height_ = DefaultHeight;
    TColor color_ = clWindowText;
    TFontStyles style_{};
    TFontCharset charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = TFontPitch::fpDefault;
};

}  // namespace quendar
