// TCustomEdit: editing and caret keys, typed characters, mouse selection,
// focus and the context menu.

#include "framework/std_edit.h"
#include "platform/menu.h"
#include "platform/window_system.h"

namespace quendar {

namespace {

enum : UINT {
    MenuUndo = 1,
    MenuCut,
    MenuCopy,
    MenuPaste,
    MenuDelete,
    MenuSelectAll,
};

// Characters that the key translation makes of Ctrl+letter.
enum : char32_t {
    CtrlA = 1,
    CtrlC = 3,
    Backspace = 8,
    CtrlV = 22,
    CtrlX = 24,
    CtrlZ = 26,
    Delete = 127,
};

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

UINT Enabling(bool enabled) { return MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED); }

// Sent by the window system for a context menu asked for from the keyboard.
constexpr LPARAM KeyboardContextMenu = -1;

}  // namespace

bool TCustomEdit::HandleKey(int key) {
    bool shift = KeyHeld(VK_SHIFT);
    bool control = KeyHeld(VK_CONTROL);
    int caret = buffer_.Caret();
    switch (key) {
        case VK_LEFT:
        case VK_UP:
            if (buffer_.HasSelection() && !shift && !control)
                buffer_.MoveCaret(buffer_.SelStart(), false);
            else
                buffer_.MoveCaret(control ? buffer_.PreviousWordStart(caret) : caret - 1, shift);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            if (buffer_.HasSelection() && !shift && !control)
                buffer_.MoveCaret(buffer_.SelEnd(), false);
            else
                buffer_.MoveCaret(control ? buffer_.NextWordStart(caret) : caret + 1, shift);
            break;
        case VK_HOME:
            buffer_.MoveCaret(0, shift);
            break;
        case VK_END:
            buffer_.MoveCaret(buffer_.Length(), shift);
            break;
        case VK_DELETE:
            if (!CanEdit()) return true;
            if (shift && !control) {
                CutToClipboard();
                return true;
            }
            if (control ? buffer_.DeleteWordForward() : buffer_.DeleteForward()) TextEdited();
            return true;
        case VK_INSERT:
            if (control && !shift) CopyToClipboard();
            if (shift && !control && CanEdit()) PasteFromClipboard();
            return true;
        case VK_APPS:
            ShowContextMenu(KeyboardContextMenu);
            return true;
        default:
            return false;
    }
    CaretMoved();
    Invalidate();
    return true;
}

void TCustomEdit::HandleCharacter(char32_t character) {
    switch (character) {
        case CtrlA:
            SelectAll();
            return;
        case CtrlC:
            CopyToClipboard();
            return;
        case CtrlV:
            if (CanEdit()) PasteFromClipboard();
            return;
        case CtrlX:
            if (CanEdit()) CutToClipboard();
            return;
        case CtrlZ:
            if (CanEdit()) Undo();
            return;
        case Backspace:
        case Delete: {
            if (!CanEdit()) return;
            bool word = character == Delete || KeyHeld(VK_CONTROL);
            if (word ? buffer_.DeleteWordBackward() : buffer_.DeleteBackward()) TextEdited();
            return;
        }
        default:
            if (character < 0x20 || !CanEdit()) return;
            if (buffer_.Type(character)) TextEdited();
            return;
    }
}

void TCustomEdit::HandleMouse(TMessage& message) {
    Point at = PointFromLParam(message.LParam);
    bool shift = (message.WParam & MK_SHIFT) != 0;
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
            if (!Focused() && CanFocus()) SetFocus();
            buffer_.MoveCaret(PositionAt(at.X), shift);
            selecting_ = true;
            break;
        case WM_LBUTTONDBLCLK: {
            int position = PositionAt(at.X);
            // The character under the point: left of the nearest boundary
            // when the point is left of it.
            int character =
                position > 0 && Offsets()[static_cast<std::size_t>(position)] - scroll_ + TextMargin > at.X
                    ? position - 1
                    : position;
            auto [first, last] = buffer_.RunAt(character);
            buffer_.SetSelection(first, last);
            selecting_ = false;
            break;
        }
        case WM_MOUSEMOVE:
            if (!selecting_) return;
            buffer_.MoveCaret(PositionAt(at.X), true);
            break;
        case WM_LBUTTONUP:
            selecting_ = false;
            return;
        default:
            return;
    }
    CaretMoved();
    Invalidate();
}

void TCustomEdit::CMEnter(TMessage& message) {
    // A click places the caret itself; only the keyboard selects everything.
    if (autoSelect_ && !Contains(ControlState(), TControlState::csLButtonDown)) SelectAll();
    TWinControl::CMEnter(message);
}

// --- context menu --------------------------------------------------------------------------

void TCustomEdit::ShowContextMenu(LPARAM screenPoint) {
    if (!HandleAllocated()) return;
    if (!Focused() && CanFocus()) SetFocus();
    HWND window = WindowHandle();
    Point at = screenPoint == KeyboardContextMenu ? ClientToScreen({CaretX(), LineHeight() + TextMargin})
                                                  : PointFromLParam(screenPoint);
    bool selected = buffer_.HasSelection();
    bool hidden = passwordChar_ != 0;
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, Enabling(CanUndo() && CanEdit()), MenuUndo, "&Undo");
    AppendMenu(menu, MF_SEPARATOR, 0, "");
    AppendMenu(menu, Enabling(selected && !hidden && CanEdit()), MenuCut, "Cu&t");
    AppendMenu(menu, Enabling(selected && !hidden), MenuCopy, "&Copy");
    AppendMenu(menu, Enabling(CanEdit() && !GetClipboardText().empty()), MenuPaste, "&Paste");
    AppendMenu(menu, Enabling(selected && CanEdit()), MenuDelete, "&Delete");
    AppendMenu(menu, MF_SEPARATOR, 0, "");
    AppendMenu(menu, Enabling(buffer_.SelLength() < buffer_.Length()), MenuSelectAll, "Select &All");
    auto chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.X, at.Y, window));
    DestroyMenu(menu);
    // The menu's loop ran other messages: this control may be gone.
    if (FindControl(window) != this) return;
    RunMenuCommand(chosen);
}

void TCustomEdit::RunMenuCommand(UINT command) {
    switch (command) {
        case MenuUndo:
            Undo();
            break;
        case MenuCut:
            CutToClipboard();
            break;
        case MenuCopy:
            CopyToClipboard();
            break;
        case MenuPaste:
            PasteFromClipboard();
            break;
        case MenuDelete:
            ClearSelection();
            break;
        case MenuSelectAll:
            SelectAll();
            break;
        default:
            break;
    }
}

}  // namespace quendar
