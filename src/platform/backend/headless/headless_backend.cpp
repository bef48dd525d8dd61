#include "platform/backend/headless/headless_backend.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/platform_error.h"

namespace quendar {

HeadlessBackend::HeadlessBackend(Size screen) : screen_(screen) {}

void HeadlessBackend::TopLevelChanged(HWND window, const TopLevelState& state) {
    windows_[window] = state;
    Bitmap& picture = screens_[window];
    int width = std::clamp(state.ScreenRect.Width(), 0, 8192);
    int height = std::clamp(state.ScreenRect.Height(), 0, 8192);
    if (picture.Width() != width || picture.Height() != height) picture.Resize(width, height);
}

void HeadlessBackend::TopLevelDestroyed(HWND window) {
    windows_.erase(window);
    screens_.erase(window);
    raised_.erase(std::remove(raised_.begin(), raised_.end(), window), raised_.end());
}

void HeadlessBackend::RaiseTopLevel(HWND window) {
    raised_.erase(std::remove(raised_.begin(), raised_.end(), window), raised_.end());
    raised_.insert(raised_.begin(), window);
}

void HeadlessBackend::Present(HWND window, const Bitmap& backBuffer, const Rect& area) {
    presentations_.push_back({window, area});
    Bitmap& picture = screens_[window];
    if (picture.Width() != backBuffer.Width() || picture.Height() != backBuffer.Height())
        picture.Resize(backBuffer.Width(), backBuffer.Height());
    Rect copied = area.Intersect(backBuffer.Bounds());
    if (copied.IsEmpty()) return;
    int bytes = backBuffer.BytesPerPixel();
    for (int row = copied.Top; row < copied.Bottom; ++row) {
        std::memcpy(picture.ScanLine(row) + copied.Left * bytes, backBuffer.ScanLine(row) + copied.Left * bytes,
                    static_cast<std::size_t>(copied.Width() * bytes));
    }
}

void HeadlessBackend::WaitForInput(std::optional<std::uint64_t> deadline) {
    if (!deadline) throw PlatformError("headless display: the message loop waits for input that never comes");
    SetNow(*deadline);
}

Bitmap HeadlessBackend::Screenshot(HWND window) const {
    auto found = screens_.find(window);
    return found == screens_.end() ? Bitmap() : found->second;
}

const TopLevelState* HeadlessBackend::StateOf(HWND window) const {
    auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : &found->second;
}

HeadlessBackend& InstallHeadlessBackend(Size screen) {
    auto backend = std::make_unique<HeadlessBackend>(screen);
    HeadlessBackend& installed = *backend;
    InstallBackend(std::move(backend));
    return installed;
}

}  // namespace quendar
