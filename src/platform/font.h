#pragma once
// Font descriptions and loaded faces. A face is found by family name through
// fontconfig and rendered with FreeType; each face is loaded once per process
// and its glyphs are cached.

#include <memory>
#include <string>

namespace quendar {

enum : int { FW_NORMAL = 400, FW_BOLD = 700 };

struct FontDescription {
    std::string Family = "Tahoma";
    // Pixels. Negative: character height (the em size), as stored in window
    // definitions: -11 is 8-point text at 96 dpi. Positive: cell height
    // (ascent + descent). Zero: the default size (-11).
    int Height = -11;
    int Weight = FW_NORMAL;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

struct TextMetrics {
    int Height = 0;  // Ascent + Descent
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
    int Weight = FW_NORMAL;
};

class FontFace;  // font_face.h

// The loaded face for a description, shared and cached; never null (falls back
// to DejaVu Sans, then to any face fontconfig offers). Throws PlatformError
// only when no font at all can be found.
std::shared_ptr<const FontFace> LoadFont(const FontDescription& description);

}  // namespace quendar
