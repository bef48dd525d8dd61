// The popup menu window (class "#32768"): its frame, its painting and the
// few messages it answers itself. Input is handled by the tracking loop.

#include "platform/classic_controls_painting.h"
#include "platform/menu_session.h"
#include "platform/owner_draw.h"
#include "platform/painting.h"
#include "platform/system_colors.h"
#include "platform/window_class.h"
#include "platform/window_geometry.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_tree.h"

namespace quendar {

namespace {

void PaintPopup(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, paint);
    OpenPopup* popup = PopupOfWindow(window);
    int count = popup != nullptr ? static_cast<int>(popup->Items.size()) : 0;
    for (int index = 0; index < count; ++index) {
        popup = PopupOfWindow(window);
        if (popup == nullptr || index >= static_cast<int>(popup->Items.size())) break;
        if (!popup->Geometry.Items[static_cast<std::size_t>(index)].Intersects(paint.rcPaint)) continue;
        DrawMenuItem(window, *dc, index, ODA_DRAWENTIRE);
    }
    if ((popup = PopupOfWindow(window)) != nullptr) {
        for (int x : popup->Geometry.BarLines) DrawEtchedColumn(*dc, x, 0, popup->Geometry.Client.Height);
    }
    EndPaint(window, paint);
}

LRESULT MenuProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCALCSIZE:
            if (Rect* proposal = LParamToPointer<Rect>(lParam))
                *proposal = proposal->Inflate(-MenuFrameWidth, -MenuFrameWidth);
            return 0;
        case WM_NCPAINT: {
            Rect bounds;
            if (!GetWindowRect(window, bounds)) return 0;
            WindowDC dc = GetWindowDC(window);
            PaintMenuFrame(*dc, {bounds.Width(), bounds.Height()});
            return 0;
        }
        case WM_NCACTIVATE:
            return TRUE;
        case WM_PAINT:
            PaintPopup(window);
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_CANCELMODE:
            CancelMenuSession();
            return 0;
        case MN_GETHMENU: {
            OpenPopup* popup = PopupOfWindow(window);
            return popup != nullptr ? static_cast<LRESULT>(popup->Menu.Value()) : 0;
        }
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

}  // namespace

void EnsureMenuClass() {
    WNDCLASS existing;
    if (GetClassInfo(MenuClassName, existing)) return;
    WNDCLASS menuClass;
    menuClass.lpszClassName = MenuClassName;
    menuClass.lpfnWndProc = MenuProcedure;
    menuClass.style = CS_SAVEBITS;
    menuClass.hCursor = IDC_ARROW;
    menuClass.hbrBackground = SystemColorRef(COLOR_MENU);
    RegisterClass(menuClass);
}

void DrawMenuItem(HWND window, DeviceContext& dc, int index, UINT action) {
    OpenPopup* popup = PopupOfWindow(window);
    MenuSession* session = CurrentMenuSession();
    if (popup == nullptr || session == nullptr || index < 0 || index >= static_cast<int>(popup->Items.size()))
        return;
    const MenuItemRecord item = popup->Items[static_cast<std::size_t>(index)];
    Rect bounds = popup->Geometry.Items[static_cast<std::size_t>(index)];
    bool selected = popup->Selected == index;
    if (!item.IsOwnerDrawn()) {
        PaintClassicMenuItem(dc, item, bounds, selected);
        return;
    }
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_MENU;
    draw.itemID = item.Id;
    draw.itemAction = action;
    if (selected) draw.itemState |= ODS_SELECTED;
    if (item.IsGrayed()) draw.itemState |= ODS_GRAYED;
    if (item.State & MF_DISABLED) draw.itemState |= ODS_DISABLED;
    if (item.State & MF_CHECKED) draw.itemState |= ODS_CHECKED;
    if (item.State & MF_DEFAULT) draw.itemState |= ODS_DEFAULT;
    draw.hwndItem = window;
    draw.hMenu = popup->Menu;
    draw.hDC = &dc;
    draw.rcItem = bounds;
    draw.itemData = item.Data;
    HWND owner = session->Owner;
    int level = dc.SaveDC();
    SendMessage(owner, WM_DRAWITEM, 0, PointerToLParam(&draw));
    dc.RestoreDC(level);
}

}  // namespace quendar
