#pragma once
// Caption text of the standard controls: measuring outside painting, the
// classic disabled (embossed) look, and accelerator characters ("&Open"
// answers Alt+O; "&&" is a plain ampersand).

#include <string_view>

#include "framework/canvas.h"
#include "framework/graphics_font.h"
#include "platform/geometry.h"

namespace quendar {

// The rectangle DT_CALCRECT makes of `bounds` for `text` in `font`; usable
// when no paint is running (it measures on a scratch context).
Rect MeasureControlText(const TFont& font, std::string_view text, const Rect& bounds, unsigned format);

// Draws `text` with the canvas's font and a clear brush: in the font's
// colour when `enabled`, else embossed (button highlight one pixel down and
// right, button shadow over it). The canvas's font colour is left as found.
void DrawControlText(TCanvas& canvas, Rect rect, std::string_view text, unsigned format, bool enabled);

// The character after the first single "&", or 0 when there is none.
char32_t AcceleratorOf(std::string_view caption);
// Whether `character` is the caption's accelerator, letters of either case
// matching (ASCII and Latin-1 letters fold; others must match exactly).
bool IsAccelerator(char32_t character, std::string_view caption);

}  // namespace quendar
