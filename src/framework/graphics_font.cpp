#include "framework/graphics_font.h"

#include <cstdlib>

namespace quendar {

namespace {

// value * numerator / denominator rounded half away from zero.
int ScaleRounded(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long magnitude = (std::llabs(product) * 2 + denominator) / (2LL * denominator);
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

}  // namespace

void TFont::Assign(const TPersistent& source) {
    const auto* font = dynamic_cast<const TFont*>(&source);
    if (font == nullptr) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (font == this || SameAs(*font)) return;
    name_ = font->name_;
    height_ = font->height_;
    color_ = font->color_;
    style_ = font->style_;
    charset_ = font->charset_;
    pitch_ = font->pitch_;
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::Size() const { return -ScaleRounded(height_, 72, PixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-ScaleRounded(points, PixelsPerInch, 72)); }

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    style = style & (TFontStyles::fsBold | TFontStyles::fsItalic | TFontStyles::fsUnderline |
                     TFontStyles::fsStrikeOut);
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetCharset(TFontCharset charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == pitch_) return;
    pitch_ = pitch;
    Changed();
}

FontDescription TFont::Description() const {
    FontDescription description;
    description.Family = name_;
    description.Height = height_;
    description.Weight = Contains(style_, TFontStyles::fsBold) ? FW_BOLD : FW_NORMAL;
    description.Italic = Contains(style_, TFontStyles::fsItalic);
    description.Underline = Contains(style_, TFontStyles::fsUnderline);
    description.StrikeOut = Contains(style_, TFontStyles::fsStrikeOut);
    return description;
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && color_ == other.color_ &&
           style_ == other.style_ && charset_ == other.charset_ && pitch_ == other.pitch_;
}

}  // namespace quendar
