#include "platform/window_print.h"

#include <vector>

#include "platform/window_attributes.h"
#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

// Narrows the context's clip to `area` (logical coordinates).
void ClipTo(DeviceContext& dc, const Region& area) {
    Region clip = dc.HasClipRegion() ? dc.GetClipRegion().Intersect(area) : area;
    dc.SelectClipRegion(&clip);
}

}  // namespace

void PrintWindowInto(HWND window, HDC dc, UINT flags) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || dc == nullptr) return;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(window)) return;
    if ((flags & PRF_NONCLIENT) &&
        record->ClientRect != Rect::FromSize(0, 0, record->WindowRect.Width(), record->WindowRect.Height())) {
        PaintDefaultFrame(*dc, *record);
    }
    Rect client = record->ClientRect;
    Region clientArea(Rect::FromSize(0, 0, client.Width(), client.Height()));

    dc->SaveDC();
    dc->OffsetOrigin(client.Left, client.Top);
    ClipTo(*dc, clientArea);
    if (flags & PRF_ERASEBKGND) {
        dc->SaveDC();
        SendMessage(window, WM_ERASEBKGND, DcToWParam(dc), 0);
        dc->RestoreDC(-1);
    }
    if (flags & PRF_CLIENT) {
        dc->SaveDC();
        SendMessage(window, WM_PRINTCLIENT, DcToWParam(dc), static_cast<LPARAM>(flags));
        dc->RestoreDC(-1);
    }
    if (flags & PRF_CHILDREN) {
        record = LookUp(window);
        std::vector<HWND> children = record != nullptr ? record->Children : std::vector<HWND>();
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            WindowRecord* childRecord = LookUp(*child);
            if (childRecord == nullptr || (childRecord->Style & WS_VISIBLE) == 0) continue;
            Rect place = childRecord->WindowRect;
            Region shape(Rect::FromSize(0, 0, place.Width(), place.Height()));
            if (childRecord->Shape) shape = shape.Intersect(*childRecord->Shape);
            dc->SaveDC();
            dc->OffsetOrigin(place.Left, place.Top);
            ClipTo(*dc, shape);
            SendMessage(*child, WM_PRINT, DcToWParam(dc), static_cast<LPARAM>(flags & ~PRF_CHECKVISIBLE));
            dc->RestoreDC(-1);
        }
    }
    dc->RestoreDC(-1);
}

BOOL PrintWindow(HWND window, HDC dc, UINT flags) {
    if (LookUp(window) == nullptr || dc == nullptr) return FALSE;
    SendMessage(window, WM_PRINT, DcToWParam(dc), static_cast<LPARAM>(flags));
    return TRUE;
}

}  // namespace quendar
