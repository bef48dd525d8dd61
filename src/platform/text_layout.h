#pragma once
// Line layout for DrawText, apart from any pixels: accelerator prefixes,
// line breaks, word wrapping, tab stops and end ellipses. The result says
// which code points go where on each line; drawing and measuring share it,
// so a rectangle measured with DT_CALCRECT holds exactly what is drawn.

#include <string>
#include <string_view>
#include <vector>

namespace quendar {

// Widths the layout needs from a font.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int Advance(char32_t codepoint) const = 0;
    // Tab stops lie every eight of these.
    virtual int AverageCharWidth() const = 0;
};

struct PlacedGlyph {
    char32_t Codepoint = 0;
    int X = 0;  // pen position, relative to the start of the line
};

struct LaidOutLine {
    std::vector<PlacedGlyph> Glyphs;
    int Width = 0;  // pen position after the last glyph
    // The accelerator's underline, relative to the start of the line;
    // width 0 when this line has none.
    int UnderlineLeft = 0;
    int UnderlineWidth = 0;
};

struct TextLayout {
    std::vector<LaidOutLine> Lines;
    int Width = 0;  // of the widest line
};

// Lays out `text` for DT_* `format` within `maxWidth` pixels (used by
// DT_WORDBREAK and DT_END_ELLIPSIS only). Rules:
// - Prefixes (unless DT_NOPREFIX): "&&" shows "&"; "&x" shows x and marks it
//   as the accelerator, underlined unless DT_HIDEPREFIX (the last one counts
//   when there are several); a lone "&" at the end shows nothing.
// - Without DT_SINGLELINE, "\r\n", "\n" and "\r" end a line; a break at the
//   very end opens no further line. With it, they are dropped.
// - DT_WORDBREAK (multi-line only) breaks at spaces; the spaces at a break
//   vanish; a word wider than the line keeps a line of its own.
// - DT_EXPANDTABS moves the pen to the next multiple of eight average widths
//   from the start of the line; otherwise a tab is an ordinary character.
// - DT_END_ELLIPSIS shortens each line wider than `maxWidth` so that it ends
//   in "..." within the width ("..." alone when nothing else fits).
// Empty text has no lines.
TextLayout LayOutText(std::u32string_view text, int maxWidth, unsigned format, const TextMeasure& measure);

}  // namespace quendar
