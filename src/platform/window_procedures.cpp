#include "platform/window_procedures.h"

#include <memory>
#include <utility>

#include "platform/window_system_state.h"

namespace quendar {

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return 0;
    // The copy keeps the procedure alive should it destroy its own window.
    std::shared_ptr<const WNDPROC> procedure = record->Procedure;
    if (!procedure || !*procedure) return DefWindowProc(window, message, wParam, lParam);
    return (*procedure)(window, message, wParam, lParam);
}

WNDPROC SetWindowProc(HWND window, WNDPROC procedure) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return {};
    WNDPROC previous = record->Procedure ? *record->Procedure : WNDPROC();
    record->Procedure = std::make_shared<const WNDPROC>(std::move(procedure));
    return previous;
}

WNDPROC GetWindowProc(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || !record->Procedure) return {};
    return *record->Procedure;
}

LRESULT CallWindowProc(const WNDPROC& procedure, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam) {
    if (!procedure) return DefWindowProc(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

}  // namespace quendar
