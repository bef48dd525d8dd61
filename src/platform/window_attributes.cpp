#include "platform/window_attributes.h"

#include <algorithm>
#include <utility>
#include <cctype>
#include <vector>

#include "platform/focus_activation.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

std::string PropertyKey(const std::string& name) {
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

LONG_PTR ChangeStyle(HWND window, int index, DWORD value) {
    WindowRecord* record = LookUp(window);
    DWORD old = index == GWL_STYLE ? record->Style : record->ExStyle;
    STYLESTRUCT change{old, value};
    SendMessage(window, WM_STYLECHANGING, static_cast<WPARAM>(index), PointerToLParam(&change));
    record = LookUp(window);
    if (record == nullptr) return 0;
    (index == GWL_STYLE ? record->Style : record->ExStyle) = change.styleNew;
    change.styleOld = old;
    SendMessage(window, WM_STYLECHANGED, static_cast<WPARAM>(index), PointerToLParam(&change));
    return static_cast<LONG_PTR>(old);
}

}  // namespace

LONG_PTR GetWindowLongPtr(HWND window, int index) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return 0;
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG_PTR>(record->Style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(record->ExStyle);
        case GWLP_USERDATA:
            return record->UserData;
        case GWLP_ID:
            return record->Id;
        case GWLP_HWNDPARENT:
            return HandleToLParam(record->Parent ? record->Parent : record->Owner);
        default:
            return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return 0;
    switch (index) {
        case GWL_STYLE:
        case GWL_EXSTYLE:
            return ChangeStyle(window, index, static_cast<DWORD>(value));
        case GWLP_USERDATA:
            return std::exchange(record->UserData, value);
        case GWLP_ID:
            return std::exchange(record->Id, value);
        default:
            return 0;
    }
}

BOOL SetWindowText(HWND window, std::string_view text) {
    if (LookUp(window) == nullptr) return FALSE;
    std::string terminated(text);
    return SendMessage(window, WM_SETTEXT, 0, PointerToLParam(terminated.c_str())) != 0 ? TRUE : FALSE;
}

std::string GetWindowText(HWND window) {
    if (LookUp(window) == nullptr) return {};
    LRESULT length = SendMessage(window, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied = SendMessage(window, WM_GETTEXT, buffer.size(), PointerToLParam(buffer.data()));
    copied = std::clamp<LRESULT>(copied, 0, length);
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

int GetWindowTextLength(HWND window) {
    if (LookUp(window) == nullptr) return 0;
    return static_cast<int>(std::max<LRESULT>(0, SendMessage(window, WM_GETTEXTLENGTH, 0, 0)));
}

BOOL SetProp(HWND window, const std::string& name, HANDLE value) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || name.empty()) return FALSE;
    record->Properties[PropertyKey(name)] = value;
    return TRUE;
}

HANDLE GetProp(HWND window, const std::string& name) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return nullptr;
    auto found = record->Properties.find(PropertyKey(name));
    return found == record->Properties.end() ? nullptr : found->second;
}

HANDLE RemoveProp(HWND window, const std::string& name) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return nullptr;
    auto found = record->Properties.find(PropertyKey(name));
    if (found == record->Properties.end()) return nullptr;
    HANDLE value = found->second;
    record->Properties.erase(found);
    return value;
}

BOOL EnableWindow(HWND window, BOOL enable) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    bool wasDisabled = (record->Style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled ? TRUE : FALSE;
    if (!enable) {
        SendMessage(window, WM_CANCELMODE, 0, 0);
        record = LookUp(window);
        if (record == nullptr) return FALSE;
        record->Style |= WS_DISABLED;
        if (IsDescendantOrSelf(window, State().Focus)) SetFocus(HWND());
    } else {
        record->Style &= ~WS_DISABLED;
    }
    SendMessage(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
    WindowRecord* record = LookUp(window);
    return record != nullptr && (record->Style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    for (; record != nullptr; record = LookUp(record->Parent)) {
        if ((record->Style & WS_VISIBLE) == 0) return FALSE;
    }
    return TRUE;
}

BOOL IsIconic(HWND window) {
    WindowRecord* record = LookUp(window);
    return record != nullptr && (record->Style & WS_MINIMIZE) != 0 ? TRUE : FALSE;
}

BOOL IsZoomed(HWND window) {
    WindowRecord* record = LookUp(window);
    return record != nullptr && (record->Style & WS_MAXIMIZE) != 0 ? TRUE : FALSE;
}

int SetWindowRgn(HWND window, const Region* shape, BOOL redraw) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return 0;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (redraw ? 0u : UINT{SWP_NOREDRAW});
    WINDOWPOS position{window, HWND(), record->WindowRect.Left, record->WindowRect.Top,
                       record->WindowRect.Width(), record->WindowRect.Height(), flags};
    SendMessage(window, WM_WINDOWPOSCHANGING, 0, PointerToLParam(&position));
    record = LookUp(window);
    if (record == nullptr) return 0;
    Region oldArea = WindowArea(*record);
    if (shape != nullptr) record->Shape = *shape;
    else record->Shape.reset();
    if (!record->Parent) NotifyBackend(window);
    if (redraw && (record->Style & WS_VISIBLE)) {
        InvalidateWhole(window);
        if (record->Parent) InvalidateInParent(*record, oldArea.Bounds());
    }
    WINDOWPOS changed = position;
    SendMessage(window, WM_WINDOWPOSCHANGED, 0, PointerToLParam(&changed));
    return 1;
}

int GetWindowRgn(HWND window, Region& out) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || !record->Shape) return ERROR;
    out = *record->Shape;
    return out.Kind();
}

}  // namespace quendar
