#include "framework/menu_owner_window.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/menu_handle_builder.h"
#include "framework/popup_menu.h"
#include "platform/menu_layout.h"
#include "platform/modal_loop.h"
#include "platform/system_metrics.h"
#include "platform/window_system.h"

namespace quendar {

namespace {

constexpr const char* OwnerClassName = "QuendarMenuOwner";

void EnsureOwnerClass() {
    WNDCLASS existing;
    if (GetClassInfo(OwnerClassName, existing)) return;
    WNDCLASS ownerClass;
    ownerClass.lpszClassName = OwnerClassName;
    RegisterClass(ownerClass);
}

bool IsMenuNotification(UINT message) {
    switch (message) {
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
        case WM_INITMENU:
        case WM_INITMENUPOPUP:
        case WM_UNINITMENUPOPUP:
        case WM_MENUSELECT:
        case WM_ENTERIDLE:
            return true;
        default:
            return false;
    }
}

// The screen's menu font, bold for the default item.
void UseMenuFont(TCanvas& canvas, const TMenuItem& item) {
    FontDescription menuFont = GetNonClientMetrics().lfMenuFont;
    TFont& font = canvas.Font();
    font.SetName(menuFont.Family);
    font.SetHeight(menuFont.Height);
    TFontStyles style{};
    if (menuFont.Weight >= FW_BOLD || item.Default()) style |= TFontStyles::fsBold;
    if (menuFont.Italic) style |= TFontStyles::fsItalic;
    font.SetStyle(style);
}

}  // namespace

MenuOwnerWindow::MenuOwnerWindow(TPopupMenu& menu, std::shared_ptr<bool> alive)
    : menu_(menu), alive_(std::move(alive)) {
    EnsureOwnerClass();
    window_ = CreateWindowEx(WS_EX_TOOLWINDOW, OwnerClassName, "", WS_POPUP, 0, 0, 0, 0, HWND());
    if (!window_) return;
    SetWindowProc(window_, [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return Procedure(window, message, wParam, lParam);
    });
}

MenuOwnerWindow::~MenuOwnerWindow() {
    if (!window_) return;
    // The procedure refers to this object; the window may outlive nothing of it.
    SetWindowProc(window_, {});
    DestroyWindow(window_);
}

LRESULT MenuOwnerWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!*alive_) return DefWindowProc(window, message, wParam, lParam);
    try {
        switch (message) {
            case WM_MEASUREITEM: {
                auto* measure = LParamToPointer<MEASUREITEMSTRUCT>(lParam);
                if (measure == nullptr || measure->CtlType != ODT_MENU) break;
                MeasureItem(*measure);
                return TRUE;
            }
            case WM_DRAWITEM: {
                auto* draw = LParamToPointer<DRAWITEMSTRUCT>(lParam);
                if (draw == nullptr || draw->CtlType != ODT_MENU || draw->hDC == nullptr) break;
                DrawItem(*draw);
                return TRUE;
            }
            default:
                if (IsMenuNotification(message) && menu_.WindowHandle())
                    return SendMessage(menu_.WindowHandle(), message, wParam, lParam);
                break;
        }
    } catch (...) {
        // Errors never cross the window system: the application shows them.
        Application.HandleException(*alive_ ? &menu_ : nullptr);
        return TRUE;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

void MenuOwnerWindow::MeasureItem(MEASUREITEMSTRUCT& measure) {
    TMenuItem* item = menu_.FindItem(static_cast<UINT>(measure.itemData));
    if (item == nullptr) return;
    Size classic = MeasureClassicMenuItem(ClassicRecordOf(*item));
    int width = classic.Width;
    int height = classic.Height;
    if (item->OnMeasureItem) {
        Bitmap scratch(1, 1);
        DeviceContext context(scratch);
        TCanvas canvas(&context);
        UseMenuFont(canvas, *item);
        item->OnMeasureItem(item, canvas, width, height);
    }
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
}

void MenuOwnerWindow::DrawItem(const DRAWITEMSTRUCT& draw) {
    TMenuItem* item = menu_.FindItem(static_cast<UINT>(draw.itemData));
    if (item == nullptr) return;
    bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (!item->OnAdvancedDrawItem && !item->OnDrawItem) {
        PaintClassicMenuItem(*draw.hDC, ClassicRecordOf(*item), draw.rcItem, selected);
        return;
    }
    draw.hDC->SaveDC();
    {
        TCanvas canvas(draw.hDC);
        UseMenuFont(canvas, *item);
        canvas.Brush().SetColor(selected ? clHighlight : clMenu);
        canvas.Font().SetColor(!item->Enabled() ? clGrayText : selected ? clHighlightText : clMenuText);
        if (item->OnAdvancedDrawItem)
            item->OnAdvancedDrawItem(item, canvas, draw.rcItem, static_cast<TOwnerDrawState>(draw.itemState));
        else
            item->OnDrawItem(item, canvas, draw.rcItem, selected);
    }
    draw.hDC->RestoreDC(-1);
}

}  // namespace quendar
