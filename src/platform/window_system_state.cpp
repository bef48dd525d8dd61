#include "platform/window_system_state.h"

#include <chrono>

namespace quendar {

namespace {

// The display used when no backend was installed: windows live in memory,
// nothing is shown, time is the process's monotonic clock.
class DetachedBackend final : public Backend {
public:
    Size ScreenSize() const override { return {1024, 768}; }
    std::uint64_t NowMilliseconds() const override {
        using namespace std::chrono;
        return static_cast<std::uint64_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    void TopLevelChanged(HWND, const TopLevelState&) override {}
    void TopLevelDestroyed(HWND) override {}
    void RaiseTopLevel(HWND) override {}
    void Present(HWND, const Bitmap&, const Rect&) override {}
    void WaitForInput(std::optional<std::uint64_t>) override {}
    void SetCursor(HCURSOR) override {}
    void SetClipboardText(std::string_view text) override { clipboard_ = std::string(text); }
    std::string GetClipboardText() override { return clipboard_; }

private:
    std::string clipboard_;
};

}  // namespace

WindowSystemState& State() {
    // Never destroyed: contexts still held at exit may report to it.
    static WindowSystemState* state = new WindowSystemState();
    return *state;
}

WindowRecord* LookUp(HWND window) {
    if (!window) return nullptr;
    auto& windows = State().Windows;
    auto found = windows.find(window.Value());
    return found == windows.end() ? nullptr : found->second.get();
}

Backend& CurrentBackend() {
    WindowSystemState& state = State();
    if (!state.Display) state.Display = std::make_unique<DetachedBackend>();
    return *state.Display;
}

Size ScreenSize() { return CurrentBackend().ScreenSize(); }

void InstallBackend(std::unique_ptr<Backend> backend) {
    WindowSystemState& state = State();
    // Records go first and silently: their procedures may refer to objects the
    // caller has already destroyed.
    state.Windows.clear();
    state = WindowSystemState();
    state.Display = std::move(backend);
}

void SchedulePresent(HWND topLevel, const Rect& area) {
    if (area.IsEmpty()) return;
    Rect& pending = State().PendingPresent[topLevel.Value()];
    pending = pending.Union(area);
}

void FlushPresentation() {
    WindowSystemState& state = State();
    if (state.PendingPresent.empty()) return;
    auto pending = std::move(state.PendingPresent);
    state.PendingPresent.clear();
    for (const auto& [value, area] : pending) {
        HWND top = HWND::FromValue(value);
        WindowRecord* record = LookUp(top);
        if (record == nullptr || !record->BackBuffer || !IsDrawable(*record)) continue;
        Rect clipped = area.Intersect(record->BackBuffer->Bounds());
        if (!clipped.IsEmpty()) CurrentBackend().Present(top, *record->BackBuffer, clipped);
    }
}

}  // namespace quendar
