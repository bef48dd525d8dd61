// Text on a device context: measuring and drawing with the selected font.

#include <algorithm>
#include <climits>

#include "platform/device_context.h"
#include "platform/font_face.h"
#include "platform/system_colors.h"
#include "platform/text_format.h"
#include "platform/text_layout.h"
#include "platform/utf8.h"

namespace quendar {

namespace {

class FaceMeasure final : public TextMeasure {
public:
    explicit FaceMeasure(const FontFace& face) : face_(face) {}
    int Advance(char32_t codepoint) const override { return face_.Advance(codepoint); }
    int AverageCharWidth() const override { return face_.Metrics().AveCharWidth; }

private:
    const FontFace& face_;
};

int ClampedProduct(long long a, long long b) {
    return static_cast<int>(
        std::clamp(a * b, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

}  // namespace

const FontFace& DeviceContext::Face() const {
    if (!face_) face_ = LoadFont(font_);
    return *face_;
}

TextMetrics DeviceContext::GetTextMetrics() const { return Face().Metrics(); }

Size DeviceContext::GetTextExtent(std::string_view text) const {
    const FontFace& face = Face();
    long long width = 0;
    for (char32_t c : DecodeUtf8(text)) width += face.Advance(c);
    return {static_cast<int>(std::min<long long>(width, INT_MAX)), face.Metrics().Height};
}

bool DeviceContext::TextOut(int x, int y, std::string_view text) {
    Rect at{x, y, x, y};
    DrawText(text, at, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    return true;
}

int DeviceContext::DrawText(std::string_view text, Rect& rect, unsigned format) {
    const FontFace& face = Face();
    const TextMetrics& metrics = face.Metrics();
    FaceMeasure measure(face);
    TextLayout layout = LayOutText(DecodeUtf8(text), rect.Width(), format, measure);
    int lineHeight = metrics.Height;
    int textHeight = ClampedProduct(lineHeight, static_cast<long long>(layout.Lines.size()));

    if ((format & DT_CALCRECT) != 0) {
        rect.Right = rect.Left + layout.Width;
        rect.Bottom = rect.Top + textHeight;
        return textHeight;
    }
    if (layout.Lines.empty()) return 0;

    bool singleLine = (format & DT_SINGLELINE) != 0;
    int top = rect.Top;
    if (singleLine && (format & DT_BOTTOM) != 0)
        top = rect.Bottom - textHeight;
    else if (singleLine && (format & DT_VCENTER) != 0)
        top = rect.Top + (rect.Height() - textHeight) / 2;

    // Everything drawn stays inside `clip` (logical), on top of the device clip.
    bool clipped = (format & DT_NOCLIP) == 0;
    Rect clip = clipped ? rect : Target().Bounds().Offset(-origin_.X, -origin_.Y);
    Rect deviceClip = clip.Offset(origin_.X, origin_.Y).Intersect(Target().Bounds());
    ColorRef textRgb = ColorToRGB(textColor_);

    auto paintBar = [&](int left, int y, int width, int thickness) {
        if (width <= 0 || thickness <= 0) return;
        Rect bar = Rect{left, y, left + width, y + thickness}.Intersect(clip);
        if (!bar.IsEmpty()) FillSolidRect(bar, textRgb);
    };

    int y = top;
    for (const LaidOutLine& line : layout.Lines) {
        int x = rect.Left;
        if ((format & DT_CENTER) != 0)
            x = rect.Left + (rect.Width() - line.Width) / 2;
        else if ((format & DT_RIGHT) != 0)
            x = rect.Right - line.Width;

        if (bkMode_ == OPAQUE) {
            Rect cell = Rect{x, y, x + line.Width, y + lineHeight}.Intersect(clip);
            if (!cell.IsEmpty()) FillSolidRect(cell, bkColor_);
        }

        int baseline = origin_.Y + y + metrics.Ascent;
        for (const PlacedGlyph& placed : line.Glyphs) {
            const Glyph& glyph = face.GlyphFor(placed.Codepoint);
            Rect box = Rect::FromSize(origin_.X + x + placed.X + glyph.Left, baseline - glyph.Top,
                                      glyph.Width, glyph.Height);
            Rect visible = box.Intersect(deviceClip);
            for (int py = visible.Top; py < visible.Bottom; ++py) {
                const std::uint8_t* row =
                    glyph.Coverage.data() + static_cast<std::size_t>(py - box.Top) * glyph.Width;
                for (int px = visible.Left; px < visible.Right; ++px) {
                    std::uint8_t coverage = row[px - box.Left];
                    if (coverage != 0) BlendDevicePixel(px, py, textRgb, coverage);
                }
            }
        }

        const DecorationMetrics& lines = face.Decorations();
        int underlineTop = y + metrics.Ascent + lines.UnderlinePosition;
        if (font_.Underline) paintBar(x, underlineTop, line.Width, lines.UnderlineThickness);
        if (font_.StrikeOut)
            paintBar(x, y + metrics.Ascent - lines.StrikeOutPosition, line.Width, lines.StrikeOutThickness);
        paintBar(x + line.UnderlineLeft, underlineTop, line.UnderlineWidth, lines.UnderlineThickness);
        y += lineHeight;
    }

    if (singleLine && (format & (DT_VCENTER | DT_BOTTOM)) != 0) return top + textHeight - rect.Top;
    return textHeight;
}

}  // namespace quendar
