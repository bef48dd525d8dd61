#include "framework/graphics_object.h"

namespace quendar {

void TGraphicsObject::Changed() {
    ++changeCount_;
    if (OnChange) OnChange(this);
}

}  // namespace quendar
