#include "platform/window_dc.h"

#include <utility>

#include "platform/window_system_state.h"

namespace quendar {

namespace {

std::shared_ptr<Bitmap> NothingToDrawOn() {
    static const std::shared_ptr<Bitmap> scratch = std::make_shared<Bitmap>(1, 1);
    return scratch;
}

WindowDC ContextFor(HWND window, bool clientOnly) {
    WindowRecord* record = LookUp(window);
    if (record == nullptr || !IsDrawable(*record)) return WindowDC();
    HWND top = TopLevelOf(window);
    WindowRecord* topRecord = LookUp(top);
    Point origin = OriginInTopLevel(*record);
    if (clientOnly) origin = origin + record->ClientRect.TopLeft();
    return WindowDC(top, topRecord->BackBuffer, origin, VisibleRegion(*record, clientOnly));
}

}  // namespace

WindowDC::WindowDC()
    : buffer_(NothingToDrawOn()),
      context_(std::make_unique<DeviceContext>(*buffer_, Point{}, Region())) {}

WindowDC::WindowDC(HWND topLevel, std::shared_ptr<Bitmap> buffer, Point origin, const Region& clip)
    : topLevel_(topLevel),
      buffer_(std::move(buffer)),
      context_(std::make_unique<DeviceContext>(*buffer_, origin, clip)),
      reach_(clip.Bounds().Intersect(buffer_->Bounds())) {}

WindowDC::WindowDC(WindowDC&& other) noexcept
    : topLevel_(other.topLevel_),
      buffer_(std::move(other.buffer_)),
      context_(std::move(other.context_)),
      reach_(other.reach_) {
    other.topLevel_ = HWND();
    other.reach_ = Rect{};
}

WindowDC& WindowDC::operator=(WindowDC&& other) noexcept {
    if (this != &other) {
        Release();
        topLevel_ = other.topLevel_;
        buffer_ = std::move(other.buffer_);
        context_ = std::move(other.context_);
        reach_ = other.reach_;
        other.topLevel_ = HWND();
        other.reach_ = Rect{};
    }
    return *this;
}

WindowDC::~WindowDC() {
    if (topLevel_ && !reach_.IsEmpty()) SchedulePresent(topLevel_, reach_);
}

void WindowDC::Release() {
    if (topLevel_ && !reach_.IsEmpty()) SchedulePresent(topLevel_, reach_);
    topLevel_ = HWND();
    reach_ = Rect{};
    buffer_ = NothingToDrawOn();
    context_ = std::make_unique<DeviceContext>(*buffer_, Point{}, Region());
}

WindowDC GetDC(HWND window) { return ContextFor(window, true); }
WindowDC GetWindowDC(HWND window) { return ContextFor(window, false); }

int ReleaseDC(HWND, WindowDC& dc) {
    dc.Release();
    return 1;
}

}  // namespace quendar
