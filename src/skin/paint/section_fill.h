#pragma once
// The background fill of a skin section: texture, gradient and colour mixed
// by the state's ImagePercent (I) and GradientPercent (G).
//
//   1. I > 0: the texture is painted first.
//   2. G > 0: over a painted texture the gradient is laid with weight
//      ClampByte(I * 255 div 100) for the texture; without one it is painted
//      straight in. An empty gradient array stands for the plain colour.
//   3. I + G = 0: a plain fill with the colour (SharedFillColor instead when
//      that is set and the state is transparent).
//   4. 1 <= I + G <= 99: the colour takes the remaining 100 - I - G percent.
//   5. I + G >= 100: nothing more.

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/paint/gradient.h"

namespace quendar {

// The texture step of the fill. Image-area painting implements it for a
// section's "PATTERN" or "HOTPATTERN" texture.
class SectionTexturePainter {
public:
    virtual ~SectionTexturePainter() = default;
    // Paints the texture into `rect` (Right and Bottom outside); true when
    // anything was painted.
    virtual bool PaintTexture(Bitmap& bitmap, const Rect& rect) = 0;
};

// The values of one paint state (normal or hot) that the fill reads.
struct SectionFillStyle {
    ColorRef Color = 0;
    int GradientPercent = 0;
    int ImagePercent = 0;
    int Transparency = 0;
    const TsGradArray* Gradient = nullptr;  // null counts as an empty array
};

// Fills `rect` (Right and Bottom outside) of a 24-bit bitmap. Without a
// texture painter the texture counts as not painted: I still takes its
// share in steps 3-5, so the colour mix then works on what the rectangle
// already holds, exactly as when a texture painter paints nothing.
void PaintSectionFill(Bitmap& bitmap, const Rect& rect, const SectionFillStyle& style,
                      SectionTexturePainter* texture);

}  // namespace quendar
