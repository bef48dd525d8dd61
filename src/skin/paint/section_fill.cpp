#include "skin/paint/section_fill.h"

#include "skin/paint/color_math.h"
#include "skin/paint/paint_colors.h"
#include "skin/paint/pixel_blending.h"
#include "skin/paint/row_fill.h"
#include "skin/paint/working_bitmap.h"

namespace quendar {

namespace {

// The gradient, or the plain colour when the section has none.
void PaintGradientOrColor(Bitmap& bitmap, const Rect& rect, const SectionFillStyle& style) {
    if (style.Gradient != nullptr && !style.Gradient->empty()) {
        PaintGradient(bitmap, rect, *style.Gradient, 0);
    } else {
        FillRect24(bitmap, rect, style.Color);
    }
}

}  // namespace

void PaintSectionFill(Bitmap& bitmap, const Rect& rect, const SectionFillStyle& style,
                      SectionTexturePainter* texture) {
    if (rect.IsEmpty()) return;
    const int imagePercent = style.ImagePercent;
    const int gradientPercent = style.GradientPercent;

    bool texturePainted = false;
    if (imagePercent > 0 && texture != nullptr) texturePainted = texture->PaintTexture(bitmap, rect);

    if (gradientPercent > 0) {
        if (texturePainted) {
            Bitmap layer = NewBitmap24(rect.Width(), rect.Height());
            PaintGradientOrColor(layer, layer.Bounds(), style);
            WeightedSumRect(bitmap, layer, ClampByte(imagePercent * 255 / 100), rect.TopLeft(),
                            layer.Bounds());
        } else {
            PaintGradientOrColor(bitmap, rect, style);
        }
    }

    const int mixed = imagePercent + gradientPercent;
    if (mixed == 0) {
        const bool useSharedFill = SharedFillColor != KeyColor && style.Transparency != 0;
        FillRect24(bitmap, rect, useSharedFill ? SharedFillColor : style.Color);
    } else if (mixed >= 1 && mixed <= 99) {
        const Rect inclusive{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
        MixRectWithColor(bitmap, inclusive, static_cast<std::uint8_t>(mixed), style.Color);
    }
}

}  // namespace quendar
