#include "platform/modal_loop.h"

#include "platform/message_queue.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_tree.h"

namespace quendar {

bool RunModalLoop(const ModalIdle& idle, const std::function<bool()>& finished,
                  const std::function<bool(const MSG&)>& intercept) {
    while (!finished()) {
        MSG message;
        if (!PeekMessage(message, HWND(), 0, 0, PM_REMOVE)) {
            if (IsWindow(idle.Owner))
                SendMessage(idle.Owner, WM_ENTERIDLE, idle.Kind, HandleToLParam(idle.Subject));
            if (finished()) break;
            GetMessage(message, HWND(), 0, 0);
        }
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (intercept && intercept(message)) continue;
        TranslateMessage(message);
        DispatchMessage(message);
    }
    return true;
}

}  // namespace quendar
