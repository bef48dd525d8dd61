#pragma once
// A loaded font face: one font file at one pixel size, weight and slant, with
// its metrics and a cache of rendered glyphs. LoadFont (font.h) makes and
// shares faces; a font file is opened once however many faces use it.
//
// Rendering: where the file carries hand-tuned 1-bit bitmaps for the size
// (Tahoma has them from 8 to 16 pixels) those are used, giving crisp classic
// text with the widths the stored layouts were made with; other sizes are
// rendered from outlines with anti-aliasing. A missing weight is simulated by
// smearing each glyph one pixel to the right, a missing italic by slanting
// the outline.
//
// A face is used from one thread at a time (the window system's thread);
// LoadFont itself may be called from any thread.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/font.h"

struct FT_SizeRec_;

namespace quendar {

// One rendered glyph. Coverage is Width x Height bytes, row by row from the
// top, 0 = untouched, 255 = fully covered.
struct Glyph {
    int Left = 0;  // first column, relative to the pen position
    int Top = 0;   // first row, in pixels above the baseline
    int Width = 0;
    int Height = 0;
    int Advance = 0;  // pen movement in whole pixels
    std::vector<std::uint8_t> Coverage;
};

// Placement of the decoration lines in whole pixel rows, counted from the
// baseline (the edge under the ascent): the underline's top row lies
// Ascent + UnderlinePosition rows below the top of the cell, the
// strike-out's Ascent - StrikeOutPosition. Both stay inside the cell.
struct DecorationMetrics {
    int UnderlinePosition = 1;
    int UnderlineThickness = 1;
    int StrikeOutPosition = 3;
    int StrikeOutThickness = 1;
};

class FontFile;  // font_file.h

class FontFace {
public:
    // Largest em size in pixels; taller requests are reduced to it, so a
    // hostile font height cannot ask for gigantic glyphs.
    static constexpr int MaxPixelSize = 512;

    // `height` follows FontDescription::Height (negative: em size, positive: cell).
    // Throws PlatformError when the file cannot be used at that size.
    FontFace(std::shared_ptr<FontFile> file, int height, bool syntheticBold, bool syntheticItalic);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const TextMetrics& Metrics() const { return metrics_; }
    const DecorationMetrics& Decorations() const { return decorations_; }
    // The em size in pixels the face renders at.
    int PixelSize() const { return pixelSize_; }
    const std::string& FamilyName() const;
    const std::string& FilePath() const;
    bool IsSyntheticBold() const { return syntheticBold_; }
    bool IsSyntheticItalic() const { return syntheticItalic_; }

    // The glyph of a code point, rendered on first use; a code point the face
    // lacks gets the face's missing-glyph shape (an unmapped control character
    // gets nothing, advance 0). The reference stays valid as long as the face.
    const Glyph& GlyphFor(char32_t codepoint) const;
    int Advance(char32_t codepoint) const { return GlyphFor(codepoint).Advance; }

private:
    Glyph Render(char32_t codepoint) const;
    void SelectPixelSize(int height);
    void ComputeMetrics();

    std::shared_ptr<FontFile> file_;
    FT_SizeRec_* size_ = nullptr;  // this face's size object on the shared file
    int pixelSize_ = 0;
    bool syntheticBold_ = false;
    bool syntheticItalic_ = false;
    TextMetrics metrics_;
    DecorationMetrics decorations_;
    mutable std::array<std::unique_ptr<Glyph>, 256> latinGlyphs_;
    mutable std::unordered_map<char32_t, std::unique_ptr<Glyph>> otherGlyphs_;
};

}  // namespace quendar
