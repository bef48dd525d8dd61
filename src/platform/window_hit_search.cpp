#include "platform/window_hit_search.h"

#include <vector>

#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"
#include "platform/window_tree.h"

namespace quendar {

namespace {

bool ContainsScreenPoint(const WindowRecord& record, Point screen) {
    Point local = screen - WindowScreenOrigin(record);
    if (!Rect::FromSize(0, 0, record.WindowRect.Width(), record.WindowRect.Height()).Contains(local))
        return false;
    return !record.Shape || record.Shape->Contains(local);
}

// Null window: nothing here, or only windows that let the point through.
WindowHit SearchIn(HWND window, Point screen, bool askWindows) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || (record->Style & WS_VISIBLE) == 0 || (record->Style & WS_DISABLED) != 0)
        return {};
    if (!ContainsScreenPoint(*record, screen)) return {};
    Point local = screen - WindowScreenOrigin(*record);
    bool inClient = record->ClientRect.Contains(local);
    if (inClient && (record->Style & WS_MINIMIZE) == 0) {
        std::vector<HWND> children = record->Children;
        for (HWND child : children) {
            WindowHit hit = SearchIn(child, screen, askWindows);
            if (hit.Window) return hit;
        }
    }
    if (!askWindows) return {window, inClient ? HTCLIENT : HTNOWHERE};
    int code = static_cast<int>(SendMessage(window, WM_NCHITTEST, 0, LParamFromPoint(screen)));
    if (code == HTTRANSPARENT || !IsWindow(window)) return {};
    return {window, code};
}

}  // namespace

WindowHit FindWindowAt(Point screen, HWND topLevel, bool askWindows) {
    std::vector<HWND> candidates;
    if (topLevel) candidates.push_back(topLevel);
    else candidates = State().TopLevels;
    for (HWND top : candidates) {
        WindowHit hit = SearchIn(top, screen, askWindows);
        if (hit.Window) return hit;
    }
    return {};
}

}  // namespace quendar
