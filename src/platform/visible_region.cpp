#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

bool IsDrawable(const WindowRecord& window) {
    const WindowRecord* record = &window;
    while (true) {
        if ((record->Style & WS_VISIBLE) == 0 || record->RedrawOff) return false;
        if (!record->Parent) break;
        record = LookUp(record->Parent);
        if (record == nullptr) return false;
    }
    return (record->Style & WS_MINIMIZE) == 0 && record->BackBuffer && !record->BackBuffer->IsEmpty();
}

Region WindowArea(const WindowRecord& window) {
    Region area(window.WindowRect);
    if (window.Shape) area = area.Intersect(window.Shape->Offset(window.WindowRect.Left, window.WindowRect.Top));
    return area;
}

namespace {

// The window's shape in back-buffer coordinates.
Region AreaInBuffer(const WindowRecord& window) {
    Point origin = OriginInTopLevel(window);
    Region area(Rect::FromSize(origin.X, origin.Y, window.WindowRect.Width(), window.WindowRect.Height()));
    if (window.Shape) area = area.Intersect(window.Shape->Offset(origin.X, origin.Y));
    return area;
}

}  // namespace

Region VisibleRegion(const WindowRecord& window, bool clientOnly) {
    if (!IsDrawable(window)) return {};
    Point origin = OriginInTopLevel(window);
    Region visible = AreaInBuffer(window);
    if (clientOnly) visible = visible.Intersect(window.ClientRect.Offset(origin.X, origin.Y));

    const WindowRecord* current = &window;
    while (current->Parent) {
        const WindowRecord* parent = LookUp(current->Parent);
        if (parent == nullptr) return {};
        Point parentOrigin = OriginInTopLevel(*parent);
        visible = visible.Intersect(parent->ClientRect.Offset(parentOrigin.X, parentOrigin.Y));
        if (parent->Shape) visible = visible.Intersect(parent->Shape->Offset(parentOrigin.X, parentOrigin.Y));
        if (current->Style & WS_CLIPSIBLINGS) {
            for (HWND sibling : parent->Children) {
                if (sibling == current->Handle) break;  // the rest lie below
                const WindowRecord* above = LookUp(sibling);
                if (above != nullptr && (above->Style & WS_VISIBLE)) visible = visible.Subtract(AreaInBuffer(*above));
            }
        }
        current = parent;
    }
    if (window.Style & WS_CLIPCHILDREN) {
        for (HWND child : window.Children) {
            const WindowRecord* childRecord = LookUp(child);
            if (childRecord != nullptr && (childRecord->Style & WS_VISIBLE))
                visible = visible.Subtract(AreaInBuffer(*childRecord));
        }
    }
    return visible;
}

}  // namespace quendar
