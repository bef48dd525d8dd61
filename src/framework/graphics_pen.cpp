#include "framework/graphics_pen.h"

namespace quendar {

void TPen::Assign(const TPersistent& source) {
    const auto* pen = dynamic_cast<const TPen*>(&source);
    if (pen == nullptr) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (pen->color_ == color_ && pen->width_ == width_ && pen->style_ == style_) return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    Changed();
}

void TPen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width) {
    if (width < 1) width = 1;
    if (width == width_) return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

Pen TPen::DevicePen() const {
    if (style_ == TPenStyle::psClear || color_ == clNone) return Pen::None();
    return Pen::Solid(ColorToColorRef(color_));
}

}  // namespace quendar
