// The window system's default answers to messages (DefWindowProc).
//
//   creation and text      WM_NCCREATE, WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH
//   frame                  WM_NCCALCSIZE, WM_NCHITTEST, WM_NCPAINT, WM_NCACTIVATE
//   painting               WM_ERASEBKGND, WM_PAINT, WM_PRINT, WM_SETREDRAW
//   position               WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED
//   mouse                  WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK, WM_SETCURSOR,
//                          WM_MOUSEACTIVATE, WM_RBUTTONUP, WM_CONTEXTMENU
//   commands               WM_SYSCOMMAND, WM_CLOSE, WM_SYSKEYDOWN (Alt+F4)
//   state                  WM_ACTIVATE, WM_CANCELMODE

#include <algorithm>
#include <cstring>

#include "platform/default_frame.h"
#include "platform/focus_activation.h"
#include "platform/input.h"
#include "platform/painting.h"
#include "platform/system_colors.h"
#include "platform/virtual_keys.h"
#include "platform/window_attributes.h"
#include "platform/window_class.h"
#include "platform/window_geometry.h"
#include "platform/window_messages.h"
#include "platform/window_print.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"
#include "platform/window_tree.h"

namespace quendar {

namespace {

Size WindowSize(const WindowRecord& record) { return {record.WindowRect.Width(), record.WindowRect.Height()}; }

LRESULT CopyText(const std::string& text, WPARAM capacity, LPARAM buffer) {
    char* out = LParamToPointer<char>(buffer);
    if (out == nullptr || capacity == 0) return 0;
    std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
    // Never end the copy inside a UTF-8 sequence.
    while (count > 0 && count < text.size() && (static_cast<unsigned char>(text[count]) & 0xC0) == 0x80) --count;
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT SystemCommand(HWND window, WPARAM command, LPARAM) {
    switch (command & 0xFFF0) {
        case SC_CLOSE: {
            WindowRecord* record = LookUp(window);
            if (record != nullptr && (record->Class->Style & CS_NOCLOSE) == 0) SendMessage(window, WM_CLOSE, 0, 0);
            return 0;
        }
        case SC_MINIMIZE:
            ShowWindow(window, SW_MINIMIZE);
            return 0;
        case SC_MAXIMIZE:
            ShowWindow(window, SW_MAXIMIZE);
            return 0;
        case SC_RESTORE:
            ShowWindow(window, SW_RESTORE);
            return 0;
        case SC_MOVE:
            BeginSystemTracking(window, SystemTracking::Kind::Move, 0);
            return 0;
        case SC_SIZE:
            if ((command & 0x0F) >= WMSZ_LEFT && (command & 0x0F) <= WMSZ_BOTTOMRIGHT)
                BeginSystemTracking(window, SystemTracking::Kind::Size, static_cast<int>(command & 0x0F));
            return 0;
        default:
            return 0;
    }
}

bool CaptionButtonEnabled(const WindowRecord& record, int code) {
    CaptionLayout layout = LayoutCaption(record.Style, record.ExStyle, WindowSize(record));
    if (code == HTMINBUTTON) return layout.MinimizeEnabled;
    if (code == HTMAXBUTTON) return layout.MaximizeEnabled;
    return code == HTCLOSE && (record.Class->Style & CS_NOCLOSE) == 0;
}

void NonClientPress(HWND window, int code, LPARAM lParam) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    if (code == HTCAPTION) {
        if ((record->Style & WS_MAXIMIZE) == 0) SendMessage(window, WM_SYSCOMMAND, SC_DRAGMOVE, lParam);
    } else if (code >= HTLEFT && code <= HTBOTTOMRIGHT) {
        SendMessage(window, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(code - HTLEFT + WMSZ_LEFT), lParam);
    } else if ((code == HTCLOSE || code == HTMINBUTTON || code == HTMAXBUTTON) && CaptionButtonEnabled(*record, code)) {
        BeginSystemTracking(window, SystemTracking::Kind::CaptionButton, code);
    }
}

HCURSOR CursorForHit(int code) {
    switch (code) {
        case HTLEFT:
        case HTRIGHT:
            return IDC_SIZEWE;
        case HTTOP:
        case HTBOTTOM:
            return IDC_SIZENS;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            return IDC_SIZENWSE;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            return IDC_SIZENESW;
        default:
            return IDC_ARROW;
    }
}

LRESULT ChooseCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = LookUp(window);
    if (record->Parent && (record->Style & WS_CHILD)) {
        if (SendMessage(record->Parent, WM_SETCURSOR, wParam, lParam) != 0) return TRUE;
        record = LookUp(window);
        if (record == nullptr) return TRUE;
    }
    int code = static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    if (code == HTCLIENT) {
        if (record->Class->Cursor == 0) return FALSE;
        SetCursor(record->Class->Cursor);
        return TRUE;
    }
    SetCursor(CursorForHit(code));
    return TRUE;
}

void LimitTrackingSize(HWND window, WINDOWPOS& position) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || record->Parent || (position.flags & SWP_NOSIZE) ||
        (record->Style & (WS_THICKFRAME | WS_CAPTION)) == 0 || (record->Style & WS_MAXIMIZE))
        return;
    MINMAXINFO info = DefaultMinMaxInfo(window);
    SendMessage(window, WM_GETMINMAXINFO, 0, PointerToLParam(&info));
    position.cx = std::clamp(position.cx, info.ptMinTrackSize.X, std::max(info.ptMinTrackSize.X, info.ptMaxTrackSize.X));
    position.cy = std::clamp(position.cy, info.ptMinTrackSize.Y, std::max(info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y));
}

void AnnounceNewPlace(HWND window, const WINDOWPOS& position) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    if ((position.flags & SWP_NOMOVE) == 0) {
        Point clientOrigin = record->WindowRect.TopLeft() + record->ClientRect.TopLeft();
        SendMessage(window, WM_MOVE, 0, LParamFromPoint(clientOrigin));
        record = LookUp(window);
        if (record == nullptr) return;
    }
    if ((position.flags & SWP_NOSIZE) == 0 || (position.flags & SWP_FRAMECHANGED)) {
        WPARAM kind = (record->Style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                      : (record->Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                      : SIZE_RESTORED;
        SendMessage(window, WM_SIZE, kind, MAKELPARAM(record->ClientRect.Width(), record->ClientRect.Height()));
    }
}

}  // namespace

void RepaintFrameNow(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || !IsDrawable(*record)) return;
    if (record->ClientRect == Rect::FromSize(0, 0, record->WindowRect.Width(), record->WindowRect.Height())) return;
    WindowDC dc = GetWindowDC(window);
    PaintDefaultFrame(*dc, *record);
}

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return 0;
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = LParamToPointer<const CREATESTRUCT>(lParam);
            if (create != nullptr && create->lpszName != nullptr) record->Text = create->lpszName;
            return TRUE;
        }
        case WM_NCCALCSIZE:
            if (Rect* proposal = LParamToPointer<Rect>(lParam)) {
                *proposal = DefaultClientArea(record->Style, record->ExStyle, *proposal);
            }
            return 0;
        case WM_NCHITTEST: {
            Point local = PointFromLParam(lParam) - WindowScreenOrigin(*record);
            if (record->Shape && !record->Shape->Contains(local)) return HTNOWHERE;
            return DefaultHitTest(record->Style, record->ExStyle, WindowSize(*record), record->ClientRect, local);
        }
        case WM_NCPAINT:
            RepaintFrameNow(window);
            return 0;
        case WM_NCACTIVATE:
            record->NcActive = wParam != 0;
            RepaintFrameNow(window);
            return TRUE;
        case WM_SETTEXT: {
            const char* text = LParamToPointer<const char>(lParam);
            record->Text = text != nullptr ? text : "";
            if (!record->Parent) NotifyBackend(window);
            if (HasCaption(record->Style)) RepaintFrameNow(window);
            return TRUE;
        }
        case WM_GETTEXT:
            return CopyText(record->Text, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(record->Text.size());
        case WM_ERASEBKGND: {
            HDC dc = WParamToDc(wParam);
            if (dc == nullptr || !record->Class->Background) return 0;
            dc->FillSolidRect(Rect::FromSize(0, 0, record->ClientRect.Width(), record->ClientRect.Height()),
                              ColorToRGB(*record->Class->Background));
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, paint);
            EndPaint(window, paint);
            return 0;
        }
        case WM_PRINT:
            PrintWindowInto(window, WParamToDc(wParam), static_cast<UINT>(lParam));
            return 0;
        case WM_SETREDRAW:
            record->RedrawOff = wParam == 0;
            return 0;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_SYSCOMMAND:
            return SystemCommand(window, wParam, lParam);
        case WM_NCLBUTTONDOWN:
            NonClientPress(window, static_cast<int>(wParam), lParam);
            return 0;
        case WM_NCLBUTTONDBLCLK:
            if (wParam == HTCAPTION && (record->Style & WS_MAXIMIZEBOX) && HasCaption(record->Style))
                SendMessage(window, WM_SYSCOMMAND, (record->Style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
            else if (wParam == HTSYSMENU)
                SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, lParam);
            return 0;
        case WM_RBUTTONUP: {
            Point screen = PointFromLParam(lParam);
            ClientToScreen(window, screen);
            SendMessage(window, WM_CONTEXTMENU, HandleToWParam(window), LParamFromPoint(screen));
            return 0;
        }
        case WM_CONTEXTMENU:
            if ((record->Style & WS_CHILD) && record->Parent) SendMessage(record->Parent, message, wParam, lParam);
            return 0;
        case WM_SETCURSOR:
            return ChooseCursor(window, wParam, lParam);
        case WM_MOUSEACTIVATE:
            if ((record->Style & WS_CHILD) && record->Parent) {
                LRESULT answer = SendMessage(record->Parent, message, wParam, lParam);
                if (answer != 0) return answer;
            }
            return MA_ACTIVATE;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) SetFocus(window);
            return 0;
        case WM_CANCELMODE:
            if (GetCapture() == window) ReleaseCapture();
            return 0;
        case WM_WINDOWPOSCHANGING:
            if (auto* position = LParamToPointer<WINDOWPOS>(lParam)) LimitTrackingSize(window, *position);
            return 0;
        case WM_WINDOWPOSCHANGED:
            if (const auto* position = LParamToPointer<const WINDOWPOS>(lParam)) AnnounceNewPlace(window, *position);
            return 0;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F4 && (lParam & (LPARAM{1} << 29)))
                SendMessage(TopLevelOf(window), WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        default:
            return 0;
    }
}

}  // namespace quendar
