#include "framework/graphic_control.h"

namespace quendar {

void TGraphicControl::WMPaint(TMessage& message) {
    HDC dc = WParamToDc(message.WParam);
    if (dc == nullptr) return;
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
