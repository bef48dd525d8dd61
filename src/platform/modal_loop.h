#pragma once
// The message loop that message boxes and menus run while they are open.
// While it waits for input the loop sends WM_ENTERIDLE to the owner, with
// the kind of loop in wParam and the box or menu window in lParam.

#include <functional>

#include "platform/window_types.h"

namespace quendar {

// WM_ENTERIDLE wParam.
enum : WPARAM { MSGF_DIALOGBOX = 0, MSGF_MENU = 2 };

struct ModalIdle {
    // Gets WM_ENTERIDLE(Kind, Subject) each time the loop is about to wait.
    HWND Owner;
    WPARAM Kind = 0;
    HWND Subject;
};

// Retrieves and dispatches messages until `finished` answers true. Each
// message is offered to `intercept` first; true means it was handled there
// and is not dispatched. A WM_QUIT ends the loop and is posted again after
// it, so the loop that called this one also ends; the answer is false then.
bool RunModalLoop(const ModalIdle& idle, const std::function<bool()>& finished,
                  const std::function<bool(const MSG&)>& intercept);

}  // namespace quendar
