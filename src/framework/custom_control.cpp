#include "framework/custom_control.h"

namespace quendar {

void TCustomControl::PaintWindow(HDC dc) {
    canvas_.SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        canvas_.SetHandle(static_cast<DeviceContext*>(nullptr));
        throw;
    }
    canvas_.SetHandle(static_cast<DeviceContext*>(nullptr));
}

}  // namespace quendar
