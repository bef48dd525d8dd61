#pragma once
// Multi-band colour gradients of skin sections: the stored text form, its
// parsed array and the painter.
//
// Text form: fields separated by ";" (runs of separators count as one, empty
// fields are dropped). Every five fields make one band: Color1, Color2,
// Percent, Mode and a fifth field that is never read. Colours are decimal
// 0x00BBGGRR values. A remainder of fewer than five fields is ignored.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/device_context.h"
#include "platform/geometry.h"

namespace quendar {

// Values of a band's Mode; any other value paints nothing.
enum GradientMode : std::int32_t {
    gmVertical = 0,     // bands from top to bottom
    gmHorizontal = 1,   // bands from left to right
    gmFourTriangle = 2  // corners and centre through the triangle gradient fill
};

// One band; five 32-bit fields in this order.
struct GradientBand {
    ColorRef Color1 = 0;       // colour at the band's start
    ColorRef Color2 = 0;       // colour at the band's end
    std::int32_t Percent = 0;  // share of the height (vertical) or width (horizontal), at most 100
    std::int32_t Mode = 0;     // only the first band's Mode decides how the array paints
    std::int32_t Unread = 0;   // the group's fifth field; the parser never reads it, so it stays 0

    friend bool operator==(const GradientBand&, const GradientBand&) = default;
};
static_assert(sizeof(GradientBand) == 20);

using TsGradArray = std::vector<GradientBand>;

// Replaces `bands` with the bands of `text`; Percent above 100 is stored as
// 100. Throws EConvertError when a read field is not a 32-bit decimal integer
// (optional "-", digits only, no blanks); `bands` is then empty.
void ParseGradientData(std::string_view text, TsGradArray& bands);

// Paints `bands` into `rect` (right and bottom exclusive) of a 24-bit bitmap;
// other depths and an empty array paint nothing. The rectangle is cut to the
// bitmap. `offset` moves vertical bands down and lengthens them; the other
// modes ignore it. Nothing outside the cut rectangle is ever written.
void PaintGradient(Bitmap& bitmap, const Rect& rect, const TsGradArray& bands, int offset);

// The five vertices and four triangles of the four-triangle mode for a
// rectangle already cut to the bitmap (exposed for tests).
struct FourTriangleMesh {
    TriVertex Vertices[5];
    GradientTriangle Triangles[4];
};
FourTriangleMesh MakeFourTriangleMesh(const Rect& rect, const TsGradArray& bands);

}  // namespace quendar
