#pragma once
// TPen: how a canvas draws lines and outlines.
//
// The drawing services draw one-pixel solid lines. A wider pen draws the
// outline of Rectangle as nested one-pixel rings inward; lines, polylines and
// rounded rectangles stay one pixel wide. Dashed and dotted styles draw solid.

#include "framework/graphics_color.h"
#include "framework/graphics_object.h"
#include "platform/device_context.h"

namespace quendar {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

class TPen : public TGraphicsObject {
public:
    TPen() = default;

    std::string ClassName() const override { return "TPen"; }
    void Assign(const TPersistent& source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    // Widths below 1 become 1.
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);

    // The pen the drawing services take; psClear and clNone draw nothing.
    Pen DevicePen() const;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
};

}  // namespace quendar
