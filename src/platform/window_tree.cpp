#include "platform/window_tree.h"

#include <algorithm>

#include "platform/focus_activation.h"
#include "platform/input.h"
#include "platform/window_attributes.h"
#include "platform/window_geometry.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

constexpr Rect DefaultTopLevelRect{100, 100, 500, 400};

void RemoveFromSiblings(const WindowRecord& record) {
    auto& siblings = SiblingList(record);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), record.Handle), siblings.end());
}

void NotifyParents(HWND child, UINT event) {
    WindowRecord* record = LookUp(child);
    if (record == nullptr || (record->ExStyle & WS_EX_NOPARENTNOTIFY) != 0) return;
    WPARAM wParam = MAKEWPARAM(static_cast<int>(event), static_cast<int>(record->Id));
    HWND current = child;
    while (WindowRecord* currentRecord = LookUp(current)) {
        if ((currentRecord->Style & WS_CHILD) == 0 || (currentRecord->ExStyle & WS_EX_NOPARENTNOTIFY) != 0)
            break;
        HWND parent = currentRecord->Parent;
        SendMessage(parent, WM_PARENTNOTIFY, wParam, HandleToLParam(child));
        current = parent;
    }
}

void ClampToTrackingSize(HWND window, int& width, int& height) {
    MINMAXINFO info = DefaultMinMaxInfo(window);
    SendMessage(window, WM_GETMINMAXINFO, 0, PointerToLParam(&info));
    width = std::clamp(width, info.ptMinTrackSize.X, std::max(info.ptMinTrackSize.X, info.ptMaxTrackSize.X));
    height = std::clamp(height, info.ptMinTrackSize.Y, std::max(info.ptMinTrackSize.Y, info.ptMaxTrackSize.Y));
}

void MarkDestroying(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    record->Destroying = true;
    for (HWND child : record->Children) MarkDestroying(child);
}

void SendDestroy(HWND window) {
    SendMessage(window, WM_DESTROY, 0, 0);
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    std::vector<HWND> children = record->Children;
    for (HWND child : children) SendDestroy(child);
}

void SendNcDestroyAndFree(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    std::vector<HWND> children = record->Children;
    for (HWND child : children) {
        if (WindowRecord* childRecord = LookUp(child)) childRecord->Destroying = true;
        SendNcDestroyAndFree(child);
    }
    SendMessage(window, WM_NCDESTROY, 0, 0);
    record = LookUp(window);
    if (record == nullptr) return;
    KillTimersOf(window);
    ForgetWindowInInput(window);
    DropMessagesFor(window);
    WindowSystemState& state = State();
    if (state.Focus == window) state.Focus = HWND();
    if (state.Active == window) state.Active = HWND();
    if (state.Capture == window) state.Capture = HWND();
    bool topLevel = !record->Parent;
    RemoveFromSiblings(*record);
    state.PendingPresent.erase(window.Value());
    state.Windows.erase(window.Value());
    if (topLevel) CurrentBackend().TopLevelDestroyed(window);
}

}  // namespace

std::vector<HWND>& SiblingList(const WindowRecord& window) {
    if (window.Parent) {
        if (WindowRecord* parent = LookUp(window.Parent)) return parent->Children;
    }
    return State().TopLevels;
}

HWND TopLevelOf(HWND window) {
    WindowRecord* record = LookUp(window);
    while (record != nullptr && record->Parent) {
        WindowRecord* parent = LookUp(record->Parent);
        if (parent == nullptr) break;
        record = parent;
    }
    return record != nullptr ? record->Handle : HWND();
}

bool IsDescendantOrSelf(HWND ancestor, HWND window) {
    if (!ancestor) return false;
    for (WindowRecord* record = LookUp(window); record != nullptr; record = LookUp(record->Parent)) {
        if (record->Handle == ancestor) return true;
    }
    return false;
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent,
                    LONG_PTR childId, void* createParams) {
    auto windowClass = FindWindowClass(className);
    if (!windowClass) return HWND();
    bool child = (style & WS_CHILD) != 0;
    if (child && LookUp(parent) == nullptr) return HWND();
    if (parent && LookUp(parent) == nullptr) return HWND();

    WindowSystemState& state = State();
    auto record = std::make_unique<WindowRecord>();
    HWND handle = HWND::FromValue(state.NextHandle++);
    record->Handle = handle;
    record->Class = windowClass;
    record->Procedure = std::make_shared<const WNDPROC>(windowClass->Procedure);
    record->Style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    record->ExStyle = exStyle;
    if (child) {
        record->Parent = parent;
        record->Id = childId;
    } else {
        record->Owner = parent ? TopLevelOf(parent) : HWND();
        if (x == CW_USEDEFAULT) {
            x = DefaultTopLevelRect.Left;
            y = DefaultTopLevelRect.Top;
        }
        if (width == CW_USEDEFAULT) {
            width = DefaultTopLevelRect.Width();
            height = DefaultTopLevelRect.Height();
        }
    }
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) width = height = 0;
    width = std::max(width, 0);
    height = std::max(height, 0);
    record->WindowRect = Rect::FromSize(x, y, width, height);
    record->ClientRect = Rect::FromSize(0, 0, width, height);
    WindowRecord& inserted = *record;
    state.Windows.emplace(handle.Value(), std::move(record));
    auto& siblings = SiblingList(inserted);
    if (child) siblings.push_back(handle);
    else siblings.insert(siblings.begin(), handle);

    if (!child && (style & (WS_THICKFRAME | WS_CAPTION)) != 0) {
        ClampToTrackingSize(handle, width, height);
        if (WindowRecord* r = LookUp(handle)) r->WindowRect = Rect::FromSize(x, y, width, height);
    }

    CREATESTRUCT create;
    create.lpCreateParams = createParams;
    create.hMenu = childId;
    create.hwndParent = parent;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = style;
    create.dwExStyle = exStyle;
    create.lpszName = windowName.c_str();
    create.lpszClass = className.c_str();
    if (SendMessage(handle, WM_NCCREATE, 0, PointerToLParam(&create)) == 0) {
        DestroyWindow(handle);
        return HWND();
    }
    RecalculateClientRect(handle);
    if (SendMessage(handle, WM_CREATE, 0, PointerToLParam(&create)) == -1) {
        DestroyWindow(handle);
        return HWND();
    }
    if (WindowRecord* r = LookUp(handle)) {
        Rect client = r->ClientRect;
        Point clientOrigin = r->WindowRect.TopLeft() + client.TopLeft();
        SendMessage(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
        SendMessage(handle, WM_MOVE, 0, LParamFromPoint(clientOrigin));
    }
    if (child) NotifyParents(handle, WM_CREATE);
    if (!IsWindow(handle)) return HWND();
    if ((style & WS_VISIBLE) != 0) {
        if (child) {
            WindowRecord* r = LookUp(handle);
            r->Style |= WS_VISIBLE;
            InvalidateWhole(handle);
            InvalidateInParent(*r, r->WindowRect);
        } else {
            ShowWindow(handle, (style & WS_MINIMIZE) != 0   ? SW_SHOWMINIMIZED
                               : (style & WS_MAXIMIZE) != 0 ? SW_SHOWMAXIMIZED
                                                            : SW_SHOW);
        }
    } else if (!child) {
        NotifyBackend(handle);
    }
    return IsWindow(handle) ? handle : HWND();
}

BOOL DestroyWindow(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || record->Destroying) return FALSE;
    if (!record->Parent) {
        std::vector<HWND> owned;
        for (HWND top : State().TopLevels) {
            if (WindowRecord* r = LookUp(top); r != nullptr && r->Owner == window) owned.push_back(top);
        }
        for (HWND o : owned) DestroyWindow(o);
    }
    record = LookUp(window);
    if (record == nullptr || record->Destroying) return FALSE;
    record->Destroying = true;
    NotifyParents(window, WM_DESTROY);
    if (record->Style & WS_VISIBLE) {
        SetWindowPos(window, HWND(), 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    WindowSystemState& state = State();
    if (state.Active == window) ActivateAnother(window);
    MarkDestroying(window);
    if (IsDescendantOrSelf(window, state.Focus)) {
        record = LookUp(window);
        WindowRecord* parent = record != nullptr ? LookUp(record->Parent) : nullptr;
        SetFocus(parent != nullptr && !parent->Destroying ? parent->Handle : HWND());
        if (IsDescendantOrSelf(window, state.Focus)) state.Focus = HWND();
    }
    if (IsDescendantOrSelf(window, state.Capture)) ReleaseCapture();
    SendDestroy(window);
    SendNcDestroyAndFree(window);
    return TRUE;
}

BOOL IsWindow(HWND window) { return LookUp(window) != nullptr ? TRUE : FALSE; }

HWND GetParent(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return HWND();
    if (record->Style & WS_CHILD) return record->Parent;
    if (record->Style & WS_POPUP) return record->Owner;
    return HWND();
}

HWND GetAncestor(HWND window, UINT relation) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return HWND();
    switch (relation) {
        case GA_PARENT:
            return record->Parent;
        case GA_ROOT:
            return TopLevelOf(window);
        case GA_ROOTOWNER: {
            HWND root = TopLevelOf(window);
            while (WindowRecord* r = LookUp(root)) {
                if (!r->Owner || LookUp(r->Owner) == nullptr) break;
                root = r->Owner;
            }
            return root;
        }
        default:
            return HWND();
    }
}

HWND SetParent(HWND window, HWND parent) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || (parent && LookUp(parent) == nullptr)) return HWND();
    if (parent && IsDescendantOrSelf(window, parent)) return HWND();  // would make a cycle
    HWND old = record->Parent;
    bool wasTopLevel = !old;
    if (record->Style & WS_VISIBLE) InvalidateInParent(*record, record->WindowRect);
    RemoveFromSiblings(*record);
    record->Parent = parent;
    if (parent) {
        record->Style = (record->Style & ~WS_POPUP) | WS_CHILD;
        LookUp(parent)->Children.insert(LookUp(parent)->Children.begin(), window);
        record->BackBuffer.reset();
        if (wasTopLevel) CurrentBackend().TopLevelDestroyed(window);
    } else {
        record->Style &= ~WS_CHILD;
        State().TopLevels.insert(State().TopLevels.begin(), window);
        ResizeBackBuffer(*record);
        NotifyBackend(window);
    }
    InvalidateWhole(window);
    return old;
}

BOOL IsChild(HWND parent, HWND window) {
    return parent != window && IsDescendantOrSelf(parent, window) ? TRUE : FALSE;
}

HWND GetWindow(HWND window, UINT relation) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return HWND();
    if (relation == GW_CHILD) return record->Children.empty() ? HWND() : record->Children.front();
    if (relation == GW_OWNER) return record->Owner;
    const auto& siblings = SiblingList(*record);
    auto at = std::find(siblings.begin(), siblings.end(), window);
    if (at == siblings.end()) return HWND();
    switch (relation) {
        case GW_HWNDFIRST:
            return siblings.front();
        case GW_HWNDLAST:
            return siblings.back();
        case GW_HWNDNEXT:
            return at + 1 == siblings.end() ? HWND() : *(at + 1);
        case GW_HWNDPREV:
            return at == siblings.begin() ? HWND() : *(at - 1);
        default:
            return HWND();
    }
}

HWND GetTopWindow(HWND window) {
    if (!window) return State().TopLevels.empty() ? HWND() : State().TopLevels.front();
    return GetWindow(window, GW_CHILD);
}

namespace {

bool EnumerateBelow(HWND parent, const std::function<bool(HWND)>& callback) {
    WindowRecord* record = LookUp(parent);
    if (record == nullptr) return true;
    std::vector<HWND> children = record->Children;
    for (HWND child : children) {
        if (!IsWindow(child)) continue;
        if (!callback(child)) return false;
        if (!EnumerateBelow(child, callback)) return false;
    }
    return true;
}

}  // namespace

BOOL EnumChildWindows(HWND parent, const std::function<bool(HWND)>& callback) {
    if (LookUp(parent) == nullptr) return FALSE;
    EnumerateBelow(parent, callback);
    return TRUE;
}

BOOL EnumWindows(const std::function<bool(HWND)>& callback) {
    std::vector<HWND> tops = State().TopLevels;
    for (HWND top : tops) {
        if (IsWindow(top) && !callback(top)) break;
    }
    return TRUE;
}

}  // namespace quendar
