// TCustomEdit: properties, the text and its change notification, selection,
// clipboard and undo, and the routing of messages to the edit behaviour.

#include "framework/std_edit.h"

#include <algorithm>

#include "platform/window_system.h"

namespace quendar {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(TControlStyle::csCaptureMouse | TControlStyle::csClickEvents |
                    TControlStyle::csDoubleClicks | TControlStyle::csFixedHeight | TControlStyle::csOpaque);
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetCursor(IDC_IBEAM);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.ClassCursor = IDC_IBEAM;
}

// --- properties ----------------------------------------------------------------------

int TCustomEdit::BorderSize() const {
    int size = borderStyle_ == TBorderStyle::bsSingle ? (ctl3D_ ? 2 : 1) : 0;
    if (bevelKind_ != TBevelKind::bkNone) {
        if (bevelOuter_ != TBevelCut::bvNone) ++size;
        if (bevelInner_ != TBevelCut::bvNone) ++size;
    }
    return size;
}

Rect TCustomEdit::ClientRect() const {
    if (HandleAllocated()) return TWinControl::ClientRect();
    int border = BorderSize();
    return Rect::FromSize(0, 0, std::max(0, Width() - 2 * border), std::max(0, Height() - 2 * border));
}

void TCustomEdit::FrameChanged() {
    if (!HandleAllocated()) return;
    SetWindowPos(WindowHandle(), HWND(), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    CaretMoved();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value == borderStyle_) return;
    borderStyle_ = value;
    FrameChanged();
    Perform(CM_BORDERCHANGED);
}

void TCustomEdit::SetCtl3D(bool value) {
    if (value == ctl3D_) return;
    ctl3D_ = value;
    FrameChanged();
}

void TCustomEdit::SetBevelKind(TBevelKind value) {
    if (value == bevelKind_) return;
    bevelKind_ = value;
    FrameChanged();
}

void TCustomEdit::SetBevelInner(TBevelCut value) {
    if (value == bevelInner_) return;
    bevelInner_ = value;
    FrameChanged();
}

void TCustomEdit::SetBevelOuter(TBevelCut value) {
    if (value == bevelOuter_) return;
    bevelOuter_ = value;
    FrameChanged();
}

void TCustomEdit::SetHideSelection(bool value) {
    if (value == hideSelection_) return;
    hideSelection_ = value;
    Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t value) {
    if (value == passwordChar_) return;
    passwordChar_ = value;
    offsetsValid_ = false;
    CaretMoved();
    Invalidate();
}

// --- text ------------------------------------------------------------------------------

void TCustomEdit::TextEdited() {
    // Straight to the stored text, as the user's typing is no WM_SETTEXT.
    std::string text = buffer_.Text();
    TMessage store{WM_SETTEXT, 0, PointerToLParam(text.c_str()), 0};
    TWinControl::DefaultHandler(store);
    offsetsValid_ = false;
    modified_ = true;
    CaretMoved();
    Invalidate();
    Change();
}

void TCustomEdit::SyncFromSetText() {
    if (Text() == buffer_.Text()) return;
    int maxLength = buffer_.MaxLength();
    buffer_.SetText(Text());
    buffer_.SetMaxLength(maxLength);
    offsetsValid_ = false;
    scroll_ = 0;
    modified_ = false;
    CaretMoved();
    Invalidate();
    Change();
}

void TCustomEdit::Change() {
    if (Contains(ComponentState(), TComponentState::csLoading | TComponentState::csReading)) return;
    OnChange(this);
}

// --- selection -------------------------------------------------------------------------------

void TCustomEdit::SetSelStart(int value) {
    buffer_.SetSelection(value, value);
    CaretMoved();
    Invalidate();
}

void TCustomEdit::SetSelLength(int value) {
    int start = buffer_.SelStart();
    buffer_.SetSelection(start, start + std::max(0, value));
    CaretMoved();
    Invalidate();
}

void TCustomEdit::SetSelText(const std::string& value) {
    if (buffer_.Insert(value)) {
        TextEdited();
    } else {
        CaretMoved();
        Invalidate();
    }
}

void TCustomEdit::SelectAll() {
    buffer_.SelectAll();
    CaretMoved();
    Invalidate();
}

void TCustomEdit::ClearSelection() {
    if (buffer_.DeleteSelection()) TextEdited();
}

// --- clipboard and undo -------------------------------------------------------------------

void TCustomEdit::CopyToClipboard() {
    if (passwordChar_ != 0 || !buffer_.HasSelection()) return;
    SetClipboardText(buffer_.SelText());
}

void TCustomEdit::CutToClipboard() {
    if (passwordChar_ != 0 || !buffer_.HasSelection()) return;
    SetClipboardText(buffer_.SelText());
    ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
    std::string text = GetClipboardText();
    if (text.empty()) return;
    SetSelText(text);
}

void TCustomEdit::Undo() {
    if (buffer_.Undo()) TextEdited();
}

void TCustomEdit::ClearUndo() {
    std::string text = buffer_.Text();
    int anchor = buffer_.Anchor();
    int caret = buffer_.Caret();
    int maxLength = buffer_.MaxLength();
    buffer_.SetText(text);
    buffer_.SetMaxLength(maxLength);
    buffer_.SetSelection(anchor, caret);
}

// --- dispatch ---------------------------------------------------------------------------------

void TCustomEdit::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case CM_WANTSPECIALKEY: {
            // Arrows move the caret; Tab, Enter and Esc stay with the form.
            auto key = static_cast<int>(message.WParam);
            message.Result = key >= VK_LEFT && key <= VK_DOWN ? 1 : 0;
            break;
        }
        case WM_SIZE:
            TWinControl::Dispatch(message);
            CaretMoved();
            break;
        default:
            TWinControl::Dispatch(message);
            break;
    }
}

void TCustomEdit::DefaultHandler(TMessage& message) {
    switch (message.Msg) {
        case WM_SETTEXT:
            TWinControl::DefaultHandler(message);
            SyncFromSetText();
            return;
        case WM_NCCALCSIZE:
            if (Rect* proposal = LParamToPointer<Rect>(message.LParam)) {
                int border = BorderSize();
                Rect client = proposal->Inflate(-border, -border);
                client.Right = std::max(client.Left, client.Right);
                client.Bottom = std::max(client.Top, client.Bottom);
                *proposal = client;
            }
            message.Result = 0;
            return;
        case WM_NCPAINT:
            if (HandleAllocated()) {
                WindowDC dc = GetWindowDC(WindowHandle());
                PaintFrame(*dc);
            }
            return;
        case WM_PRINT:
            PrintFrameAndText(message);
            return;
        case WM_PRINTCLIENT:
            if (HDC dc = WParamToDc(message.WParam)) PaintWindow(dc);
            return;
        case WM_ERASEBKGND:
            // The text painting fills every client pixel.
            message.Result = 1;
            return;
        case WM_SETFOCUS:
            TWinControl::DefaultHandler(message);
            StartCaret();
            Invalidate();
            return;
        case WM_KILLFOCUS:
            TWinControl::DefaultHandler(message);
            selecting_ = false;
            StopCaret();
            Invalidate();
            return;
        case WM_TIMER:
            if (message.WParam == CaretTimer) {
                caretShowing_ = !caretShowing_;
                Invalidate();
                return;
            }
            break;
        case WM_KEYDOWN:
            if (HandleKey(static_cast<int>(message.WParam))) return;
            break;
        case WM_SYSKEYDOWN:
            if (message.WParam == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
                ShowContextMenu(-1);
                return;
            }
            break;
        case WM_CHAR:
            HandleCharacter(static_cast<char32_t>(message.WParam));
            return;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
            HandleMouse(message);
            return;
        case WM_CAPTURECHANGED:
            selecting_ = false;
            break;
        case WM_RBUTTONDOWN:
            if (!Focused() && CanFocus()) SetFocus();
            return;
        case WM_CONTEXTMENU:
            ShowContextMenu(message.LParam);
            return;
        default:
            break;
    }
    TWinControl::DefaultHandler(message);
}

}  // namespace quendar
