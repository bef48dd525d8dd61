#include "framework/control_text.h"

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/utf8.h"

namespace quendar {

Rect MeasureControlText(const TFont& font, std::string_view text, const Rect& bounds, unsigned format) {
    Bitmap scratch(1, 1);
    DeviceContext context(scratch);
    context.SelectFont(font.Description());
    Rect result = bounds;
    context.DrawText(text, result, format | DT_CALCRECT);
    return result;
}

void DrawControlText(TCanvas& canvas, Rect rect, std::string_view text, unsigned format, bool enabled) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (enabled) {
        canvas.TextRect(rect, text, format);
        return;
    }
    TColor saved = canvas.Font().Color();
    Rect raised = rect.Offset(1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.TextRect(raised, text, format);
    canvas.Font().SetColor(clBtnShadow);
    canvas.TextRect(rect, text, format);
    canvas.Font().SetColor(saved);
}

char32_t AcceleratorOf(std::string_view caption) {
    std::u32string text = DecodeUtf8(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&') continue;
        if (text[i + 1] == U'&') {
            ++i;
            continue;
        }
        return text[i + 1];
    }
    return 0;
}

namespace {

char32_t FoldCase(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    // Latin-1 lower-case letters, except the division sign and y-diaeresis.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}

}  // namespace

bool IsAccelerator(char32_t character, std::string_view caption) {
    char32_t accelerator = AcceleratorOf(caption);
    return accelerator != 0 && FoldCase(accelerator) == FoldCase(character);
}

}  // namespace quendar
