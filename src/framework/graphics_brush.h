#pragma once
// TBrush: how a canvas fills areas.

#include "framework/graphics_color.h"
#include "framework/graphics_object.h"
#include "platform/device_context.h"

namespace quendar {

// Hatched styles are not offered: nothing here draws them.
enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    TBrush() = default;

    std::string ClassName() const override { return "TBrush"; }
    void Assign(const TPersistent& source) override;

    TColor Color() const { return color_; }
    // Choosing a colour while the style is bsClear makes the brush solid,
    // so that setting a colour is enough to fill with it.
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

    // The brush the drawing services take; bsClear and clNone fill nothing.
    Brush DeviceBrush() const;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};

}  // namespace quendar
