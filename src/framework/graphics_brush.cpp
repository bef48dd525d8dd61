#include "framework/graphics_brush.h"

namespace quendar {

void TBrush::Assign(const TPersistent& source) {
    const auto* brush = dynamic_cast<const TBrush*>(&source);
    if (brush == nullptr) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (brush->color_ == color_ && brush->style_ == style_) return;
    color_ = brush->color_;
    style_ = brush->style_;
    Changed();
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ == TBrushStyle::bsSolid) return;
    color_ = color;
    style_ = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

Brush TBrush::DeviceBrush() const {
    if (style_ == TBrushStyle::bsClear || color_ == clNone) return Brush::Null();
    return Brush::Solid(ColorToColorRef(color_));
}

}  // namespace quendar
