#pragma once
// Value types the standard buttons, labels and panels share: horizontal
// alignment of a caption, vertical layout of a label's text, the single
// border of a windowed control and the cut of a panel's bevels.

#include "platform/text_format.h"

namespace quendar {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

enum class TTextLayout { tlTop, tlCenter, tlBottom };

enum class TBorderStyle { bsNone, bsSingle };

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// The DT_* flag of a horizontal alignment.
constexpr unsigned DrawTextAlignment(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::taRightJustify:
            return DT_RIGHT;
        case TAlignment::taCenter:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

}  // namespace quendar
