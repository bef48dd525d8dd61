#include "platform/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_format.h"

namespace quendar {
namespace {

// Every character 5 pixels wide except a few, so positions are easy to
// reckon by hand: space 3, '.' 2, 'i' 2, 'W' 9. Tab stops every 32.
class FakeMeasure final : public TextMeasure {
public:
    int Advance(char32_t c) const override {
        switch (c) {
            case U' ':
                return 3;
            case U'.':
                return 2;
            case U'i':
                return 2;
            case U'W':
                return 9;
            default:
                return 5;
        }
    }
    int AverageCharWidth() const override { return 4; }
};

std::string Shown(const LaidOutLine& line) {
    std::string text;
    for (const PlacedGlyph& g : line.Glyphs)
        text += g.Codepoint < 0x80 ? static_cast<char>(g.Codepoint) : '?';
    return text;
}

std::vector<std::string> ShownLines(const TextLayout& layout) {
    std::vector<std::string> lines;
    for (const LaidOutLine& line : layout.Lines) lines.push_back(Shown(line));
    return lines;
}

TextLayout Lay(std::u32string_view text, int maxWidth, unsigned format) {
    return LayOutText(text, maxWidth, format, FakeMeasure());
}

TEST(TextLayout, LineBreaksAndWordWrapping) {
    struct Case {
        const char* Name;
        std::u32string Text;
        int MaxWidth;
        unsigned Format;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"empty text has no lines", U"", 100, 0, {}},
        {"line feed", U"ab\ncd", 100, 0, {"ab", "cd"}},
        {"carriage return and line feed", U"ab\r\ncd", 100, 0, {"ab", "cd"}},
        {"lone carriage return", U"ab\rcd", 100, 0, {"ab", "cd"}},
        {"break at the end opens no line", U"ab\n", 100, 0, {"ab"}},
        {"empty line between", U"ab\n\ncd", 100, 0, {"ab", "", "cd"}},
        {"two breaks at the end", U"ab\n\n", 100, 0, {"ab", ""}},
        {"single line drops breaks", U"ab\r\ncd", 100, DT_SINGLELINE, {"abcd"}},
        {"no wrapping without word break", U"aaa bbb ccc", 10, 0, {"aaa bbb ccc"}},
        {"two words fit exactly", U"aaa bbb ccc", 33, DT_WORDBREAK, {"aaa bbb", "ccc"}},
        {"one pixel short", U"aaa bbb ccc", 32, DT_WORDBREAK, {"aaa", "bbb", "ccc"}},
        {"zero width: a word a line", U"aaa bbb", 0, DT_WORDBREAK, {"aaa", "bbb"}},
        {"spaces at a break vanish", U"aaa    bbb", 20, DT_WORDBREAK, {"aaa", "bbb"}},
        {"long word keeps its own line", U"ab aaaaaaaa cd", 20, DT_WORDBREAK, {"ab", "aaaaaaaa", "cd"}},
        {"long first word", U"aaaaaaaa cd", 20, DT_WORDBREAK, {"aaaaaaaa", "cd"}},
        {"leading spaces stay with the first word", U"  aaaaaa", 10, DT_WORDBREAK, {"  aaaaaa"}},
        {"trailing spaces stay on the last line", U"ab  ", 10, DT_WORDBREAK, {"ab  "}},
        {"wrapping inside each paragraph", U"aa bb\ncc dd", 20, DT_WORDBREAK, {"aa", "bb", "cc", "dd"}},
        {"single line ignores word break", U"aaa bbb", 0, DT_SINGLELINE | DT_WORDBREAK, {"aaa bbb"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ShownLines(Lay(c.Text, c.MaxWidth, c.Format)), c.Lines) << c.Name;
}

TEST(TextLayout, WidthsArePenPositionsOfEachLine) {
    TextLayout layout = Lay(U"aaa bbb\nWi", 33, DT_WORDBREAK);
    ASSERT_EQ(layout.Lines.size(), 2u);
    EXPECT_EQ(layout.Lines[0].Width, 33);
    EXPECT_EQ(layout.Lines[1].Width, 11);
    EXPECT_EQ(layout.Width, 33);
    EXPECT_EQ(layout.Lines[1].Glyphs[1].X, 9);
}

TEST(TextLayout, AcceleratorPrefixes) {
    struct Case {
        const char* Name;
        std::u32string Text;
        unsigned Format;
        std::string Shown;
        int UnderlineLeft;
        int UnderlineWidth;
    };
    const Case cases[] = {
        {"first letter", U"&File", 0, "File", 0, 5},
        {"inside the word", U"Da&te", 0, "Date", 10, 5},
        {"narrow letter", U"W&i", 0, "Wi", 9, 2},
        {"double ampersand is literal", U"a&&b", 0, "a&b", 0, 0},
        {"last accelerator counts", U"&ab&c", 0, "abc", 10, 5},
        {"ampersand at the end vanishes", U"ab&", 0, "ab", 0, 0},
        {"no prefix keeps every ampersand", U"&a&&b", DT_NOPREFIX, "&a&&b", 0, 0},
        {"hidden prefix still strips", U"&File", DT_HIDEPREFIX, "File", 0, 0},
        {"accelerator on a line break shows nothing", U"ab&\ncd", 0, "ab", 0, 0},
    };
    for (const Case& c : cases) {
        TextLayout layout = Lay(c.Text, 100, c.Format);
        ASSERT_FALSE(layout.Lines.empty()) << c.Name;
        EXPECT_EQ(Shown(layout.Lines[0]), c.Shown) << c.Name;
        EXPECT_EQ(layout.Lines[0].UnderlineLeft, c.UnderlineLeft) << c.Name;
        EXPECT_EQ(layout.Lines[0].UnderlineWidth, c.UnderlineWidth) << c.Name;
    }
}

TEST(TextLayout, AcceleratorOnALaterLine) {
    TextLayout layout = Lay(U"ab\nc&d", 100, 0);
    ASSERT_EQ(layout.Lines.size(), 2u);
    EXPECT_EQ(layout.Lines[0].UnderlineWidth, 0);
    EXPECT_EQ(layout.Lines[1].UnderlineLeft, 5);
    EXPECT_EQ(layout.Lines[1].UnderlineWidth, 5);
}

TEST(TextLayout, TabStops) {
    struct Case {
        const char* Name;
        std::u32string Text;
        unsigned Format;
        std::vector<int> Positions;
        int Width;
    };
    const Case cases[] = {
        {"first stop", U"a\tb", DT_EXPANDTABS, {0, 32}, 37},
        {"from a stop to the next", U"\tb", DT_EXPANDTABS, {32}, 37},
        {"past the first stop", U"aaaaaaa\tb", DT_EXPANDTABS, {0, 5, 10, 15, 20, 25, 30, 64}, 69},
        {"two tabs", U"a\t\tb", DT_EXPANDTABS, {0, 64}, 69},
        {"unexpanded tab is a character", U"a\tb", 0, {0, 5, 10}, 15},
    };
    for (const Case& c : cases) {
        TextLayout layout = Lay(c.Text, 1000, c.Format | DT_SINGLELINE);
        ASSERT_EQ(layout.Lines.size(), 1u) << c.Name;
        std::vector<int> positions;
        for (const PlacedGlyph& g : layout.Lines[0].Glyphs) positions.push_back(g.X);
        EXPECT_EQ(positions, c.Positions) << c.Name;
        EXPECT_EQ(layout.Lines[0].Width, c.Width) << c.Name;
    }
}

TEST(TextLayout, EndEllipsis) {
    struct Case {
        const char* Name;
        std::u32string Text;
        int MaxWidth;
        unsigned Format;
        std::vector<std::string> Lines;
        int Width;
    };
    const Case cases[] = {
        {"fits: unchanged", U"abcd", 20, DT_SINGLELINE, {"abcd"}, 20},
        {"one pixel too wide", U"abcde", 24, DT_SINGLELINE, {"abc..."}, 21},
        {"room for two letters", U"abcdefgh", 20, DT_SINGLELINE, {"ab..."}, 16},
        {"only the dots fit", U"abcdefgh", 8, DT_SINGLELINE, {"..."}, 6},
        {"nothing fits", U"abcdefgh", 0, DT_SINGLELINE, {"..."}, 6},
        {"each line on its own", U"abcdefgh\nab", 20, 0, {"ab...", "ab"}, 16},
        {"a long word after wrapping", U"ab cdefghij", 20, DT_WORDBREAK, {"ab", "cd..."}, 16},
    };
    for (const Case& c : cases) {
        TextLayout layout = Lay(c.Text, c.MaxWidth, c.Format | DT_END_ELLIPSIS);
        EXPECT_EQ(ShownLines(layout), c.Lines) << c.Name;
        EXPECT_EQ(layout.Width, c.Width) << c.Name;
    }
}

TEST(TextLayout, EllipsisPositionsAndLostAccelerator) {
    TextLayout kept = Lay(U"&abcdefgh", 20, DT_SINGLELINE | DT_END_ELLIPSIS);
    ASSERT_EQ(kept.Lines.size(), 1u);
    std::vector<int> positions;
    for (const PlacedGlyph& g : kept.Lines[0].Glyphs) positions.push_back(g.X);
    EXPECT_EQ(positions, (std::vector<int>{0, 5, 10, 12, 14}));
    EXPECT_EQ(kept.Lines[0].UnderlineWidth, 5);

    TextLayout cut = Lay(U"abcdef&gh", 20, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(cut.Lines[0].UnderlineWidth, 0);
}

}  // namespace
}  // namespace quendar
