#include "platform/painting.h"

#include <algorithm>
#include <vector>

#include "platform/window_messages.h"
#include "platform/window_procedures.h"
#include "platform/window_styles.h"
#include "platform/window_system_state.h"

namespace quendar {

namespace {

// Larger windows than this get a back buffer of this size: no screen is
// bigger, and the bitmap stays far below its allocation limit.
constexpr int LargestBackBufferSide = 8192;

Region WholeClient(const WindowRecord& record) {
    return Region(Rect::FromSize(0, 0, record.ClientRect.Width(), record.ClientRect.Height()));
}

bool IncludesChildren(const WindowRecord& record, UINT flags) {
    if (flags & RDW_ALLCHILDREN) return true;
    if (flags & RDW_NOCHILDREN) return false;
    return (record.Style & WS_CLIPCHILDREN) == 0;
}

bool HasFrame(const WindowRecord& record) {
    return record.ClientRect != Rect::FromSize(0, 0, record.WindowRect.Width(), record.WindowRect.Height());
}

bool WantsPaint(const WindowRecord& record) { return !record.Update.IsEmpty() || record.InternalPaint; }

template <class Action>
void ForChildrenIn(const WindowRecord& record, const Region& area, Action action) {
    for (HWND child : record.Children) {
        WindowRecord* childRecord = LookUp(child);
        if (childRecord == nullptr || (childRecord->Style & WS_VISIBLE) == 0) continue;
        Region covered = area.Intersect(WindowArea(*childRecord));
        if (covered.IsEmpty()) continue;
        Point clientOrigin = childRecord->WindowRect.TopLeft() + childRecord->ClientRect.TopLeft();
        Region clientOfChild(childRecord->ClientRect.Offset(childRecord->WindowRect.Left,
                                                            childRecord->WindowRect.Top));
        bool touchesFrame = !covered.Subtract(clientOfChild).IsEmpty();
        action(child, covered.Offset(-clientOrigin.X, -clientOrigin.Y), touchesFrame);
    }
}

void Invalidate(HWND window, const Region& area, bool frame, UINT flags) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || !IsDrawable(*record)) return;
    Region added = area.Intersect(WholeClient(*record));
    if (!added.IsEmpty()) {
        record->Update = record->Update.Union(added);
        if (flags & RDW_ERASE) record->ErasePending = true;
    }
    if (frame && HasFrame(*record)) record->NcPending = true;
    if (flags & RDW_INTERNALPAINT) record->InternalPaint = true;
    ++record->PaintGeneration;
    if (IncludesChildren(*record, flags)) {
        ForChildrenIn(*record, area, [&](HWND child, const Region& childArea, bool touchesFrame) {
            Invalidate(child, childArea, touchesFrame, flags);
        });
    }
}

void Validate(HWND window, const Region& area, UINT flags) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    record->Update = record->Update.Subtract(area);
    if (flags & RDW_NOERASE) record->ErasePending = false;
    if (flags & RDW_NOFRAME) record->NcPending = false;
    if (flags & RDW_NOINTERNALPAINT) record->InternalPaint = false;
    if (record->Update.IsEmpty()) record->ErasePending = false;
    ++record->PaintGeneration;
    if (IncludesChildren(*record, flags)) {
        ForChildrenIn(*record, area, [&](HWND child, const Region& childArea, bool) { Validate(child, childArea, flags); });
    }
}

// A context on the client area clipped to `update` (client coordinates).
std::unique_ptr<WindowDC> ClippedClientContext(const WindowRecord& record, const Region& update) {
    if (!IsDrawable(record)) return std::make_unique<WindowDC>();
    HWND top = TopLevelOf(record.Handle);
    WindowRecord* topRecord = LookUp(top);
    Point origin = OriginInTopLevel(record) + record.ClientRect.TopLeft();
    Region clip = VisibleRegion(record, true).Intersect(update.Offset(origin.X, origin.Y));
    return std::make_unique<WindowDC>(top, topRecord->BackBuffer, origin, clip);
}

void SendNcPaintAndErase(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    if (record->NcPending) {
        record->NcPending = false;
        SendMessage(window, WM_NCPAINT, NcPaintWholeFrame, 0);
        record = LookUp(window);
        if (record == nullptr) return;
    }
    if (record->ErasePending && !record->Update.IsEmpty()) {
        record->ErasePending = false;
        auto context = ClippedClientContext(*record, record->Update);
        LRESULT erased = SendMessage(window, WM_ERASEBKGND, DcToWParam(context->Get()), 0);
        if (WindowRecord* after = LookUp(window)) after->EraseFailed = erased == 0;
    }
}

void PaintingOrder(HWND window, std::vector<HWND>& order) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || (record->Style & WS_VISIBLE) == 0) return;
    order.push_back(window);
    for (HWND child : record->Children) PaintingOrder(child, order);
}

void PaintNow(HWND window, UINT flags, bool sendPaint) {
    std::vector<HWND> order{window};
    if (WindowRecord* record = LookUp(window); record != nullptr && IncludesChildren(*record, flags)) {
        order.clear();
        PaintingOrder(window, order);
    }
    for (HWND target : order) {
        WindowRecord* record = LookUp(target);
        if (record == nullptr || !IsDrawable(*record)) continue;
        SendNcPaintAndErase(target);
        record = LookUp(target);
        if (sendPaint && record != nullptr && WantsPaint(*record)) {
            std::uint64_t generation = record->PaintGeneration;
            SendMessage(target, WM_PAINT, 0, 0);
            ValidateAfterUnhandledPaint(target, generation);
        }
    }
}

}  // namespace

void ResizeBackBuffer(WindowRecord& window) {
    int width = std::clamp(window.WindowRect.Width(), 0, LargestBackBufferSide);
    int height = std::clamp(window.WindowRect.Height(), 0, LargestBackBufferSide);
    if (!window.BackBuffer) window.BackBuffer = std::make_shared<Bitmap>(width, height);
    else if (window.BackBuffer->Width() != width || window.BackBuffer->Height() != height)
        window.BackBuffer->Resize(width, height);
}

void InvalidateWhole(HWND window) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return;
    Invalidate(window, WholeClient(*record), true, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void InvalidateInParent(const WindowRecord& window, const Rect& rectInParent) {
    if (!window.Parent) return;
    Invalidate(window.Parent, Region(rectInParent), false, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND NextWindowToPaint(HWND filter) {
    std::vector<HWND> order;
    if (filter) {
        PaintingOrder(filter, order);
    } else {
        for (HWND top : State().TopLevels) PaintingOrder(top, order);
    }
    for (HWND window : order) {
        WindowRecord* record = LookUp(window);
        if (record == nullptr || !IsDrawable(*record)) continue;
        if (!record->NcPending && !WantsPaint(*record)) continue;
        SendNcPaintAndErase(window);
        record = LookUp(window);
        if (record != nullptr && IsDrawable(*record) && WantsPaint(*record)) return window;
    }
    return HWND();
}

void ValidateAfterUnhandledPaint(HWND window, std::uint64_t generationBefore) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || record->PaintGeneration != generationBefore) return;
    record->Update = Region();
    record->InternalPaint = false;
    record->ErasePending = false;
    ++record->PaintGeneration;
}

HDC BeginPaint(HWND window, PAINTSTRUCT& paint) {
    paint = PAINTSTRUCT();
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return nullptr;
    if (record->NcPending) {
        record->NcPending = false;
        SendMessage(window, WM_NCPAINT, NcPaintWholeFrame, 0);
        record = LookUp(window);
        if (record == nullptr) return nullptr;
    }
    Region update = record->Update.Intersect(WholeClient(*record));
    bool erase = record->ErasePending && !update.IsEmpty();
    bool eraseFailed = record->EraseFailed;
    record->Update = Region();
    record->ErasePending = false;
    record->EraseFailed = false;
    record->InternalPaint = false;
    ++record->PaintGeneration;

    auto context = ClippedClientContext(*record, update);
    HDC dc = context->Get();
    State().PaintContexts[dc] = std::move(context);
    if (erase) eraseFailed = SendMessage(window, WM_ERASEBKGND, DcToWParam(dc), 0) == 0;
    paint.hdc = dc;
    paint.fErase = eraseFailed;
    paint.rcPaint = update.Bounds();
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT& paint) {
    return State().PaintContexts.erase(paint.hdc) != 0 ? TRUE : FALSE;
}

BOOL RedrawWindow(HWND window, const Rect* rect, const Region* region, UINT flags) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    bool whole = rect == nullptr && region == nullptr;
    Region area = region != nullptr ? *region : rect != nullptr ? Region(*rect) : WholeClient(*record);
    if (flags & RDW_INVALIDATE) {
        bool frame = (flags & RDW_FRAME) && (whole || !area.Subtract(WholeClient(*record)).IsEmpty());
        Invalidate(window, area, frame, flags);
    } else if (flags & RDW_VALIDATE) {
        Validate(window, area, flags);
    } else if ((flags & RDW_INTERNALPAINT) && IsDrawable(*record)) {
        record->InternalPaint = true;
        ++record->PaintGeneration;
    }
    if (flags & RDW_UPDATENOW) PaintNow(window, flags, true);
    else if (flags & RDW_ERASENOW) PaintNow(window, flags, false);
    return TRUE;
}

BOOL InvalidateRect(HWND window, const Rect* rect, BOOL erase) {
    return RedrawWindow(window, rect, nullptr, RDW_INVALIDATE | (erase ? UINT{RDW_ERASE} : 0u));
}

BOOL InvalidateRgn(HWND window, const Region* region, BOOL erase) {
    return RedrawWindow(window, nullptr, region, RDW_INVALIDATE | (erase ? UINT{RDW_ERASE} : 0u));
}

BOOL ValidateRect(HWND window, const Rect* rect) {
    return RedrawWindow(window, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND window, const Region* region) {
    return RedrawWindow(window, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL UpdateWindow(HWND window) {
    if (LookUp(window) == nullptr) return FALSE;
    PaintNow(window, RDW_NOCHILDREN, true);
    return TRUE;
}

BOOL GetUpdateRect(HWND window, Rect* rect, BOOL erase) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return FALSE;
    if (erase && record->ErasePending) {
        SendNcPaintAndErase(window);
        record = LookUp(window);
        if (record == nullptr) return FALSE;
    }
    if (rect != nullptr) *rect = record->Update.Bounds();
    return record->Update.IsEmpty() ? FALSE : TRUE;
}

int GetUpdateRgn(HWND window, Region& out, BOOL erase) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr) return ERROR;
    if (erase && record->ErasePending) {
        SendNcPaintAndErase(window);
        record = LookUp(window);
        if (record == nullptr) return ERROR;
    }
    out = record->Update;
    return out.Kind();
}

}  // namespace quendar
