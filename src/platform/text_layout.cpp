#include "platform/text_layout.h"

#include <algorithm>

#include "platform/text_format.h"

namespace quendar {

namespace {

constexpr std::size_t NotFound = std::u32string::npos;

struct PreparedText {
    std::u32string Text;
    std::size_t Accelerator = NotFound;  // index into Text
};

PreparedText StripPrefixes(std::u32string_view text, unsigned format) {
    PreparedText prepared;
    if ((format & DT_NOPREFIX) != 0) {
        prepared.Text = text;
        return prepared;
    }
    prepared.Text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&') {
            prepared.Text.push_back(text[i]);
            continue;
        }
        if (i + 1 == text.size()) break;
        ++i;
        if (text[i] != U'&') prepared.Accelerator = prepared.Text.size();
        prepared.Text.push_back(text[i]);
    }
    if ((format & DT_HIDEPREFIX) != 0) prepared.Accelerator = NotFound;
    return prepared;
}

bool IsLineBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

class LineBuilder {
public:
    LineBuilder(const PreparedText& prepared, unsigned format, const TextMeasure& measure)
        : text_(prepared.Text),
          accelerator_(prepared.Accelerator),
          format_(format),
          measure_(measure),
          tabWidth_(std::max(1, 8 * measure.AverageCharWidth())) {}

    // The pen position after `c` when it starts at `x`.
    int Step(int x, char32_t c) const {
        if (c == U'\t' && (format_ & DT_EXPANDTABS) != 0) return (x / tabWidth_ + 1) * tabWidth_;
        if (IsLineBreak(c) && (format_ & DT_SINGLELINE) != 0) return x;
        return x + measure_.Advance(c);
    }

    // Pen position after [begin, end) starting at 0.
    int Measure(std::size_t begin, std::size_t end) const {
        int x = 0;
        for (std::size_t i = begin; i < end; ++i) x = Step(x, text_[i]);
        return x;
    }

    LaidOutLine Place(std::size_t begin, std::size_t end) const {
        LaidOutLine line;
        int x = 0;
        for (std::size_t i = begin; i < end; ++i) {
            char32_t c = text_[i];
            int next = Step(x, c);
            bool drawn = !(IsLineBreak(c) || (c == U'\t' && (format_ & DT_EXPANDTABS) != 0));
            if (drawn) line.Glyphs.push_back({c, x});
            if (i == accelerator_ && drawn) {
                line.UnderlineLeft = x;
                line.UnderlineWidth = next - x;
            }
            x = next;
        }
        line.Width = x;
        return line;
    }

    // Splits one paragraph [begin, end) into lines of at most maxWidth.
    void Wrap(std::size_t begin, std::size_t end, int maxWidth, std::vector<LaidOutLine>& lines) const {
        std::size_t start = begin;
        for (;;) {
            int x = 0;
            std::size_t position = start;
            std::size_t lineEnd = NotFound;    // end of the last word that fits
            std::size_t nextStart = NotFound;  // first character after its spaces
            bool broken = false;
            while (position < end) {
                std::size_t wordEnd = position;
                int wordX = x;
                while (wordEnd < end && text_[wordEnd] != U' ') wordX = Step(wordX, text_[wordEnd++]);
                bool fits = wordX <= maxWidth;
                if (!fits && lineEnd != NotFound) {
                    broken = true;
                    break;
                }
                std::size_t spaceEnd = wordEnd;
                int spaceX = wordX;
                while (spaceEnd < end && text_[spaceEnd] == U' ') spaceX = Step(spaceX, text_[spaceEnd++]);
                if (wordEnd > start) {
                    lineEnd = wordEnd;
                    nextStart = spaceEnd;
                }
                position = spaceEnd;
                x = spaceX;
                if (!fits && lineEnd != NotFound) {
                    // A word wider than the line stands alone.
                    broken = spaceEnd < end;
                    break;
                }
            }
            if (!broken) {
                lines.push_back(Place(start, end));
                return;
            }
            lines.push_back(Place(start, lineEnd));
            start = nextStart;
        }
    }

    void EndWithEllipsis(LaidOutLine& line, int maxWidth) const {
        int dot = measure_.Advance(U'.');
        int dots = 3 * dot;
        std::size_t kept = line.Glyphs.size();
        auto widthThrough = [&](std::size_t count) {
            if (count == 0) return 0;
            const PlacedGlyph& last = line.Glyphs[count - 1];
            return last.X + measure_.Advance(last.Codepoint);
        };
        while (kept > 0 && widthThrough(kept) + dots > maxWidth) --kept;
        int width = widthThrough(kept);
        line.Glyphs.resize(kept);
        for (int k = 0; k < 3; ++k) line.Glyphs.push_back({U'.', width + k * dot});
        if (line.UnderlineLeft + line.UnderlineWidth > width) line.UnderlineWidth = 0;
        if (line.UnderlineWidth == 0) line.UnderlineLeft = 0;
        line.Width = width + dots;
    }

private:
    const std::u32string& text_;
    std::size_t accelerator_;
    unsigned format_;
    const TextMeasure& measure_;
    int tabWidth_;
};

}  // namespace

TextLayout LayOutText(std::u32string_view text, int maxWidth, unsigned format, const TextMeasure& measure) {
    TextLayout layout;
    PreparedText prepared = StripPrefixes(text, format);
    const std::u32string& body = prepared.Text;
    if (body.empty()) return layout;
    LineBuilder builder(prepared, format, measure);

    bool singleLine = (format & DT_SINGLELINE) != 0;
    bool wrap = !singleLine && (format & DT_WORDBREAK) != 0;
    if (singleLine) {
        layout.Lines.push_back(builder.Place(0, body.size()));
    } else {
        std::size_t start = 0;
        while (start < body.size()) {
            std::size_t end = start;
            while (end < body.size() && !IsLineBreak(body[end])) ++end;
            if (wrap)
                builder.Wrap(start, end, maxWidth, layout.Lines);
            else
                layout.Lines.push_back(builder.Place(start, end));
            if (end < body.size() && body[end] == U'\r' && end + 1 < body.size() && body[end + 1] == U'\n')
                ++end;
            start = end + 1;
        }
    }

    for (LaidOutLine& line : layout.Lines) {
        if ((format & DT_END_ELLIPSIS) != 0 && line.Width > maxWidth) builder.EndWithEllipsis(line, maxWidth);
        layout.Width = std::max(layout.Width, line.Width);
    }
    return layout;
}

}  // namespace quendar
