// TrackPopupMenu: opening popup windows for a menu and its submenus, the
// modal loop that steers them by mouse and keyboard, and the end of it.
//
//   session        CurrentMenuSession, PopupOfWindow, CancelMenuSession
//   opening        measuring, placing, OpenMenuLevel, CloseFrom
//   selection      Select, Execute, keyboard moves, accelerators
//   input          MouseInput, KeyInput
//   entry points   TrackPopupMenu, EndMenu, GetMenuItemRect

#include <algorithm>
#include <cmath>

#include "platform/focus_activation.h"
#include "platform/input.h"
#include "platform/menu.h"
#include "platform/menu_session.h"
#include "platform/message_queue.h"
#include "platform/modal_loop.h"
#include "platform/owner_draw.h"
#include "platform/system_metrics.h"
#include "platform/utf8.h"
#include "platform/virtual_keys.h"
#include "platform/window_geometry.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_tree.h"

namespace quendar {

namespace {

MenuSession* current = nullptr;

// An owner answering WM_MEASUREITEM with more than this is not believed.
constexpr UINT LargestItemSide = 4096;
constexpr UINT MF_MOUSESELECT = 0x8000;

bool Notifies(const MenuSession& session) { return (session.Flags & TPM_NONOTIFY) == 0; }

OpenPopup* PopupAt(std::size_t level) {
    if (current == nullptr || level >= current->Popups.size()) return nullptr;
    return &current->Popups[level];
}

// --- opening ------------------------------------------------------------------------

std::vector<Size> MeasureItems(HWND owner, const std::vector<MenuItemRecord>& items) {
    std::vector<Size> sizes;
    for (const MenuItemRecord& item : items) {
        if (!item.IsOwnerDrawn()) {
            sizes.push_back(MeasureClassicMenuItem(item));
            continue;
        }
        MEASUREITEMSTRUCT measure;
        measure.CtlType = ODT_MENU;
        measure.itemID = item.Id;
        measure.itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENUSIZE));
        measure.itemData = item.Data;
        SendMessage(owner, WM_MEASUREITEM, 0, PointerToLParam(&measure));
        sizes.push_back({static_cast<int>(std::min(measure.itemWidth, LargestItemSide)),
                         static_cast<int>(std::min(measure.itemHeight, LargestItemSide))});
    }
    return sizes;
}

// Keeps a span of `length` starting at `start` inside [low, high); when it
// runs over the far end it is moved to the other side of `flipAround`.
int FitSpan(int start, int length, int low, int high, int flipAround) {
    if (start + length > high) start = flipAround - length;
    return std::max(low, std::min(start, high - length));
}

Rect PlaceTopLevel(Size size, Point at, UINT flags) {
    int left = at.X;
    if (flags & TPM_RIGHTALIGN)
        left = at.X - size.Width;
    else if (flags & TPM_CENTERALIGN)
        left = at.X - size.Width / 2;
    int top = at.Y;
    if (flags & TPM_BOTTOMALIGN)
        top = at.Y - size.Height;
    else if (flags & TPM_VCENTERALIGN)
        top = at.Y - size.Height / 2;
    Rect work = GetWorkArea();
    left = FitSpan(left, size.Width, work.Left, work.Right, at.X);
    top = FitSpan(top, size.Height, work.Top, work.Bottom, at.Y);
    return Rect::FromSize(left, top, size.Width, size.Height);
}

// A submenu opens right of its parent popup, its first item level with the
// item that opened it; left of the parent when there is no room on the right.
Rect PlaceSubmenu(Size size, const Rect& parentWindow, const Rect& itemOnScreen) {
    Rect work = GetWorkArea();
    int left = FitSpan(parentWindow.Right - MenuFrameWidth, size.Width, work.Left, work.Right,
                       parentWindow.Left + MenuFrameWidth);
    int top = FitSpan(itemOnScreen.Top - MenuFrameWidth, size.Height, work.Top, work.Bottom,
                      itemOnScreen.Bottom + MenuFrameWidth);
    return Rect::FromSize(left, top, size.Width, size.Height);
}

Rect ItemOnScreen(const OpenPopup& popup, int index) {
    Rect window;
    GetWindowRect(popup.Window, window);
    return popup.Geometry.Items[static_cast<std::size_t>(index)].Offset(window.Left + MenuFrameWidth,
                                                                        window.Top + MenuFrameWidth);
}

void CloseFrom(std::size_t level) {
    while (current != nullptr && current->Popups.size() > level) {
        OpenPopup closing = std::move(current->Popups.back());
        current->Popups.pop_back();
        DestroyWindow(closing.Window);
        if (current != nullptr && Notifies(*current))
            SendMessage(current->Owner, WM_UNINITMENUPOPUP, MenuToWParam(closing.Menu), 0);
    }
    if (current != nullptr && !current->Popups.empty()) SetCapture(current->Popups.back().Window);
}

// Opens `menu` as the next level, placed by `place` once its size is known.
// False when the menu is empty, gone, or the session ended meanwhile.
template <class Placement>
bool OpenMenuLevel(HMENU menu, int indexInParent, Placement place) {
    if (current == nullptr) return false;
    if (Notifies(*current))
        SendMessage(current->Owner, WM_INITMENUPOPUP, MenuToWParam(menu), MAKELPARAM(indexInParent, FALSE));
    MenuRecord* record = LookUpMenu(menu);
    if (current == nullptr || current->Finished || record == nullptr || record->Items.empty()) return false;
    OpenPopup popup;
    popup.Menu = menu;
    popup.Items = record->Items;
    std::vector<Size> sizes = MeasureItems(current->Owner, popup.Items);
    if (current == nullptr || current->Finished) return false;
    popup.Geometry = ArrangeMenuItems(popup.Items, sizes);
    Size client = popup.Geometry.Client;
    Rect where = place(Size{client.Width + 2 * MenuFrameWidth, client.Height + 2 * MenuFrameWidth});
    EnsureMenuClass();
    HWND window =
        CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, MenuClassName, "", WS_POPUP | WS_CLIPSIBLINGS,
                       where.Left, where.Top, where.Width(), where.Height(), current->Owner);
    if (!window) return false;
    if (current == nullptr || current->Finished) {
        DestroyWindow(window);
        return false;
    }
    popup.Window = window;
    current->Popups.push_back(std::move(popup));
    ShowWindow(window, SW_SHOWNA);
    SetCapture(window);
    return true;
}

// --- selection ---------------------------------------------------------------------------

void RedrawItem(HWND window, int index) {
    if (index < 0) return;
    WindowDC dc = GetDC(window);
    DrawMenuItem(window, *dc, index, ODA_SELECT);
}

void Select(std::size_t level, int index, bool byMouse) {
    OpenPopup* popup = PopupAt(level);
    if (popup == nullptr || popup->Selected == index) return;
    CloseFrom(level + 1);
    if ((popup = PopupAt(level)) == nullptr) return;
    int old = popup->Selected;
    popup->Selected = index;
    HWND window = popup->Window;
    RedrawItem(window, old);
    RedrawItem(window, index);
    if ((popup = PopupAt(level)) == nullptr || index < 0 || !Notifies(*current)) return;
    const MenuItemRecord& item = popup->Items[static_cast<std::size_t>(index)];
    UINT flags = MF_HILITE | item.Type | (item.State & (MF_GRAYED | MF_DISABLED | MF_CHECKED)) |
                 (item.SubMenu ? UINT{MF_POPUP} : 0u) | (byMouse ? MF_MOUSESELECT : 0u);
    WPARAM identifier = item.SubMenu ? static_cast<WPARAM>(index) : item.Id;
    SendMessage(current->Owner, WM_MENUSELECT,
                MAKEWPARAM(static_cast<int>(identifier), static_cast<int>(flags)), MenuToLParam(popup->Menu));
}

int NextSelectable(const OpenPopup& popup, int from, int step) {
    int count = static_cast<int>(popup.Items.size());
    if (from < 0) from = step > 0 ? -1 : count;
    for (int k = 1; k <= count; ++k) {
        int index = ((from + step * k) % count + count) % count;
        if (popup.Items[static_cast<std::size_t>(index)].IsSelectable()) return index;
    }
    return -1;
}

void OpenSubmenu(std::size_t level, int index, bool selectFirst) {
    OpenPopup* popup = PopupAt(level);
    if (popup == nullptr || index < 0) return;
    HMENU sub = popup->Items[static_cast<std::size_t>(index)].SubMenu;
    if (!sub) return;
    if (OpenPopup* open = PopupAt(level + 1); open != nullptr && open->Menu == sub) return;
    CloseFrom(level + 1);
    if ((popup = PopupAt(level)) == nullptr) return;
    Rect parent;
    GetWindowRect(popup->Window, parent);
    Rect item = ItemOnScreen(*popup, index);
    if (!OpenMenuLevel(sub, index, [&](Size size) { return PlaceSubmenu(size, parent, item); })) return;
    if (selectFirst) {
        if (OpenPopup* opened = PopupAt(level + 1)) Select(level + 1, NextSelectable(*opened, -1, 1), false);
    }
}

// Chooses the item, or opens its submenu.
void Execute(std::size_t level, int index, bool fromKeyboard) {
    OpenPopup* popup = PopupAt(level);
    if (popup == nullptr || index < 0) return;
    const MenuItemRecord& item = popup->Items[static_cast<std::size_t>(index)];
    if (!item.IsSelectable()) return;
    if (item.SubMenu) {
        OpenSubmenu(level, index, fromKeyboard);
        return;
    }
    current->Chosen = item.Id;
    current->Finished = true;
}

// The item in the next column (direction +1 or -1, wrapping) nearest in height; -1 with a single column.
int ItemInNextColumn(const OpenPopup& popup, int direction) {
    std::vector<int> lefts;
    for (const Rect& r : popup.Geometry.Items) lefts.push_back(r.Left);
    std::sort(lefts.begin(), lefts.end());
    lefts.erase(std::unique(lefts.begin(), lefts.end()), lefts.end());
    if (lefts.size() < 2) return -1;
    int selected = popup.Selected >= 0 ? popup.Selected : 0;
    const Rect& from = popup.Geometry.Items[static_cast<std::size_t>(selected)];
    auto at = std::find(lefts.begin(), lefts.end(), from.Left);
    int column = static_cast<int>(at - lefts.begin());
    int count = static_cast<int>(lefts.size());
    int wanted = lefts[static_cast<std::size_t>(((column + direction) % count + count) % count)];
    int centre = (from.Top + from.Bottom) / 2;
    int best = -1;
    int bestDistance = 0;
    for (std::size_t index = 0; index < popup.Items.size(); ++index) {
        const Rect& r = popup.Geometry.Items[index];
        if (r.Left != wanted || !popup.Items[index].IsSelectable()) continue;
        int distance = std::abs((r.Top + r.Bottom) / 2 - centre);
        if (best < 0 || distance < bestDistance) {
            best = static_cast<int>(index);
            bestDistance = distance;
        }
    }
    return best;
}

char32_t AcceleratorOf(std::string_view text) {
    std::u32string decoded = DecodeUtf8(text.substr(0, text.find('\t')));
    for (std::size_t at = 0; at + 1 < decoded.size(); ++at) {
        if (decoded[at] != U'&') continue;
        if (decoded[at + 1] != U'&') return decoded[at + 1];
        ++at;
    }
    return 0;
}

char32_t Folded(char32_t c) { return (c >= U'A' && c <= U'Z') ? c - U'A' + U'a' : c; }

void Accelerator(char32_t typed) {
    std::size_t level = current->Popups.size() - 1;
    OpenPopup& popup = current->Popups[level];
    std::vector<int> matches;
    for (std::size_t index = 0; index < popup.Items.size(); ++index) {
        const MenuItemRecord& item = popup.Items[index];
        char32_t key = AcceleratorOf(item.Text);
        if (item.IsSelectable() && key != 0 && Folded(key) == Folded(typed))
            matches.push_back(static_cast<int>(index));
    }
    if (matches.empty()) return;
    if (matches.size() == 1) {
        Select(level, matches.front(), false);
        Execute(level, matches.front(), true);
        return;
    }
    auto next = std::upper_bound(matches.begin(), matches.end(), popup.Selected);
    Select(level, next == matches.end() ? matches.front() : *next, false);
}

// --- input -----------------------------------------------------------------------------

struct MenuHit {
    int Level = -1;  // -1: outside every popup
    int Index = -1;  // -1: on no item
};

MenuHit HitTest(Point screen) {
    for (int level = static_cast<int>(current->Popups.size()) - 1; level >= 0; --level) {
        const OpenPopup& popup = current->Popups[static_cast<std::size_t>(level)];
        Rect window;
        if (!GetWindowRect(popup.Window, window) || !window.Contains(screen)) continue;
        Point local = screen - window.TopLeft() - Point{MenuFrameWidth, MenuFrameWidth};
        for (std::size_t index = 0; index < popup.Geometry.Items.size(); ++index) {
            if (popup.Geometry.Items[index].Contains(local)) return {level, static_cast<int>(index)};
        }
        return {level, -1};
    }
    return {};
}

bool IsMouseMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

void MouseInput(const MSG& message) {
    Point screen = PointFromLParam(message.lParam);
    if (message.message >= WM_MOUSEFIRST) ClientToScreen(message.hwnd, screen);
    UINT kind = message.message >= WM_MOUSEFIRST ? message.message
                                                 : message.message + (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
    MenuHit hit = HitTest(screen);
    bool onItem = hit.Level >= 0 && hit.Index >= 0;
    const MenuItemRecord* item =
        onItem
            ? &current->Popups[static_cast<std::size_t>(hit.Level)].Items[static_cast<std::size_t>(hit.Index)]
            : nullptr;
    bool selectable = item != nullptr && item->IsSelectable();
    std::size_t innermost = current->Popups.size() - 1;
    switch (kind) {
        case WM_MOUSEMOVE:
            if (selectable) {
                Select(static_cast<std::size_t>(hit.Level), hit.Index, true);
                if (item->SubMenu) OpenSubmenu(static_cast<std::size_t>(hit.Level), hit.Index, false);
            } else if (hit.Level < 0 || static_cast<std::size_t>(hit.Level) == innermost) {
                Select(innermost, -1, true);
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            if (hit.Level < 0)
                CancelMenuSession();
            else if (selectable)
                Select(static_cast<std::size_t>(hit.Level), hit.Index, true);
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (kind == WM_RBUTTONUP && (current->Flags & TPM_RIGHTBUTTON) == 0) break;
            if (selectable) Execute(static_cast<std::size_t>(hit.Level), hit.Index, false);
            break;
        default:
            break;
    }
}

void KeyInput(WPARAM key) {
    std::size_t level = current->Popups.size() - 1;
    OpenPopup& popup = current->Popups[level];
    int selected = popup.Selected;
    switch (key) {
        case VK_DOWN:
        case VK_UP:
            Select(level, NextSelectable(popup, selected, key == VK_DOWN ? 1 : -1), false);
            break;
        case VK_HOME:
            Select(level, NextSelectable(popup, -1, 1), false);
            break;
        case VK_END:
            Select(level, NextSelectable(popup, -1, -1), false);
            break;
        case VK_RIGHT:
            if (selected >= 0 && popup.Items[static_cast<std::size_t>(selected)].SubMenu &&
                popup.Items[static_cast<std::size_t>(selected)].IsSelectable()) {
                OpenSubmenu(level, selected, true);
            } else if (int next = ItemInNextColumn(popup, 1); next >= 0) {
                Select(level, next, false);
            }
            break;
        case VK_LEFT: {
            int next = ItemInNextColumn(popup, -1);
            bool firstColumn =
                selected < 0 || popup.Geometry.Items[static_cast<std::size_t>(selected)].Left == 0;
            if (next >= 0 && !firstColumn)
                Select(level, next, false);
            else if (level > 0)
                CloseFrom(level);
            break;
        }
        case VK_RETURN:
            Execute(level, selected, true);
            break;
        case VK_ESCAPE:
            if (level > 0)
                CloseFrom(level);
            else
                CancelMenuSession();
            break;
        case VK_MENU:
        case VK_F10:
            CancelMenuSession();
            break;
        default:
            break;
    }
}

bool Intercept(const MSG& message) {
    if (current == nullptr || current->Finished || current->Popups.empty()) return false;
    if (IsMouseMessage(message.message)) {
        MouseInput(message);
        return true;
    }
    switch (message.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            KeyInput(message.wParam);
            return true;
        case WM_CHAR:
        case WM_SYSCHAR:
            Accelerator(static_cast<char32_t>(message.wParam));
            return true;
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_DEADCHAR:
            return true;
        default:
            return false;
    }
}

// The menu ends when its owner goes, the activation moves to another
// window or another window takes the mouse capture. A display that hands the
// keyboard to the popup's own native window moves the activation there; the
// loop reads the keys wherever they go, so that does not end the menu.
bool SessionOver(MenuSession& session) {
    if (session.Finished) return true;
    HWND active = GetActiveWindow();
    bool activationKept = active == session.ActiveAtStart || (active && PopupOfWindow(active) != nullptr);
    bool lost = !IsWindow(session.Owner) || !activationKept || session.Popups.empty() ||
                GetCapture() != session.Popups.back().Window;
    if (lost) session.Finished = true;
    return session.Finished;
}

// Closes whatever is still open when tracking ends, also when a window
// procedure throws out of the loop.
class SessionScope {
public:
    explicit SessionScope(MenuSession& session) { current = &session; }
    SessionScope(const SessionScope&) = delete;
    SessionScope& operator=(const SessionScope&) = delete;
    ~SessionScope() {
        try {
            CloseFrom(0);
        } catch (...) {
            // Closing is best effort once an error is already on its way out.
        }
        current = nullptr;
    }
};

}  // namespace

MenuSession* CurrentMenuSession() { return current; }

OpenPopup* PopupOfWindow(HWND window) {
    if (current == nullptr || !window) return nullptr;
    for (OpenPopup& popup : current->Popups) {
        if (popup.Window == window) return &popup;
    }
    return nullptr;
}

void CancelMenuSession() {
    if (current == nullptr) return;
    current->Chosen.reset();
    current->Finished = true;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner) {
    if (current != nullptr || !IsMenu(menu) || !IsWindow(owner)) return FALSE;
    MenuSession session;
    session.Owner = owner;
    session.Flags = flags;
    session.ActiveAtStart = GetActiveWindow();
    {
        SessionScope scope(session);
        if (Notifies(session)) {
            SendMessage(owner, WM_ENTERMENULOOP, TRUE, 0);
            SendMessage(owner, WM_INITMENU, MenuToWParam(menu), 0);
        }
        if (OpenMenuLevel(menu, 0, [&](Size size) { return PlaceTopLevel(size, {x, y}, flags); })) {
            HWND first = session.Popups.front().Window;
            RunModalLoop(
                {owner, MSGF_MENU, first}, [&] { return SessionOver(session); }, Intercept);
        }
        CloseFrom(0);
    }
    if (Notifies(session) && IsWindow(owner)) {
        SendMessage(owner, WM_MENUSELECT, MAKEWPARAM(0, MenuSelectClosed), 0);
        SendMessage(owner, WM_EXITMENULOOP, TRUE, 0);
    }
    if (!session.Chosen) return FALSE;
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(*session.Chosen);
    if (Notifies(session))
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(static_cast<int>(*session.Chosen), 0), 0);
    return TRUE;
}

BOOL EndMenu() {
    if (current == nullptr) return FALSE;
    CancelMenuSession();
    return TRUE;
}

BOOL GetMenuItemRect(HMENU menu, UINT position, Rect& out) {
    if (current == nullptr) return FALSE;
    for (const OpenPopup& popup : current->Popups) {
        if (popup.Menu != menu) continue;
        if (position >= popup.Items.size()) return FALSE;
        out = ItemOnScreen(popup, static_cast<int>(position));
        return TRUE;
    }
    return FALSE;
}

}  // namespace quendar
