#include "skin/paint/disabled_look.h"

#include "platform/system_colors.h"
#include "skin/paint/pixel_blending.h"

namespace quendar {

void RenderDisabled(Bitmap& bitmap, TsDisabledKind kind, ColorRef parentColor, Point position,
                    const ParentBackground& background) {
    if (Contains(kind, TsDisabledKind::dkGrayed)) MakeGrayscale(bitmap);
    if (!Contains(kind, TsDisabledKind::dkBlended)) return;

    const int lastColumn = bitmap.Width() - 1;
    const int lastRow = bitmap.Height() - 1;
    if (background.Ready != 0 && background.Bitmap != nullptr) {
        const int left = background.OffsetX + position.X;
        const int top = background.OffsetY + position.Y;
        constexpr ColorRef noKey = 0xFF000000;
        // The control keeps 40 % of itself over its parent's pixels.
        BlendRectOver(bitmap, 0, 0, noKey, 0.4, Rect{left, top, left + lastColumn, top + lastRow},
                      *background.Bitmap);
        return;
    }
    const ColorRef color = SharedFillColor != KeyColor ? SharedFillColor : ColorToRGB(parentColor);
    MixRectWithColor(bitmap, Rect{0, 0, lastColumn, lastRow}, 50, color);
}

}  // namespace quendar
