#pragma once
// The modal message box: a dialog window with a caption, an icon, the text
// wrapped to a width limit and a row of push buttons.
//
// While it is open the owner and every other visible, enabled top-level
// window of the program are disabled; it runs its own message loop and on
// closing enables them again, gives the activation back to the owner and the
// focus to the window that had it. A WM_QUIT that arrives meanwhile closes
// the box (answer 0) and is posted again for the program's own loop.
//
// Keys: Enter chooses the default button, Space the focused one, Esc and the
// close button answer IDCANCEL (IDOK for a box with only OK; nothing for
// Yes/No and Abort/Retry/Ignore, which have no cancel), Tab and the arrow
// keys move the focus between buttons, a button's accelerator letter chooses
// it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"
#include "platform/window_types.h"

namespace quendar {

// Buttons (low four bits), icon (next four bits) and default button.
enum : UINT {
    MB_OK = 0x0000,
    MB_OKCANCEL = 0x0001,
    MB_ABORTRETRYIGNORE = 0x0002,
    MB_YESNOCANCEL = 0x0003,
    MB_YESNO = 0x0004,
    MB_RETRYCANCEL = 0x0005,
    MB_TYPEMASK = 0x000F,

    MB_ICONHAND = 0x0010,
    MB_ICONSTOP = 0x0010,
    MB_ICONERROR = 0x0010,
    MB_ICONQUESTION = 0x0020,
    MB_ICONEXCLAMATION = 0x0030,
    MB_ICONWARNING = 0x0030,
    MB_ICONASTERISK = 0x0040,
    MB_ICONINFORMATION = 0x0040,
    MB_ICONMASK = 0x00F0,

    MB_DEFBUTTON1 = 0x0000,
    MB_DEFBUTTON2 = 0x0100,
    MB_DEFBUTTON3 = 0x0200,
    MB_DEFMASK = 0x0F00,

    MB_APPLMODAL = 0x0000,
    MB_TASKMODAL = 0x2000,
};

// Answers.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// The class of the message box window.
inline constexpr const char* MessageBoxClassName = "#32770";

struct MessageBoxRequest {
    HWND Owner;
    std::string Text;
    std::string Caption;
    UINT Flags = 0;
};

// Shows the box and answers the chosen button's ID*, or 0 when it could not
// be shown or a WM_QUIT closed it. A child window as owner stands for its
// top-level window. An empty caption shows "Error".
int MessageBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);

// Sees every request before a box is shown. An answer is returned from
// MessageBox at once, without a box; none lets the box run. Tests record
// boxes with it. Passing an empty hook removes it; answers the previous one.
using MessageBoxHook = std::function<std::optional<int>(const MessageBoxRequest&)>;
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// --- layout, shared by the box window and its tests ---------------------------

struct MessageBoxButton {
    int Id = 0;
    std::string Label;  // with its "&" accelerator
    Rect Bounds;        // client coordinates
};

struct MessageBoxLayout {
    Size Client;
    Rect Icon;  // empty without an icon
    Rect Text;
    std::vector<MessageBoxButton> Buttons;
    std::size_t DefaultButton = 0;
    // The answer of Esc and the close button; none when the box has no cancel.
    std::optional<int> EscapeAnswer;
};

// Lays out the box for the flags; the text is measured in the message font
// and wrapped at `maxTextWidth`, its height limited to `maxTextHeight`. The
// box is wide enough for the caption in the caption font too.
MessageBoxLayout LayOutMessageBox(std::string_view text, std::string_view caption, UINT flags,
                                  int maxTextWidth, int maxTextHeight);

// Flags for drawing the text; the same for measuring and drawing.
unsigned MessageBoxTextFormat();

}  // namespace quendar
