#pragma once
// A display backend without display: windows live in memory, time stands
// still until a test advances it, the clipboard is a string. What each
// top-level window last presented is kept as a picture, so tests see what a
// screen would show.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace quendar {

class HeadlessBackend final : public Backend {
public:
    struct Presentation {
        HWND Window;
        Rect Area;
    };

    explicit HeadlessBackend(Size screen = {1024, 768});

    Size ScreenSize() const override { return screen_; }
    std::uint64_t NowMilliseconds() const override { return now_; }
    void TopLevelChanged(HWND window, const TopLevelState& state) override;
    void TopLevelDestroyed(HWND window) override;
    void RaiseTopLevel(HWND window) override;
    void Present(HWND window, const Bitmap& backBuffer, const Rect& area) override;
    // Moves the clock to the deadline; without one there is nothing to wait
    // for and the wait fails with a PlatformError instead of hanging.
    void WaitForInput(std::optional<std::uint64_t> deadline) override;
    void SetCursor(HCURSOR cursor) override { cursor_ = cursor; }
    void SetClipboardText(std::string_view text) override { clipboard_ = std::string(text); }
    std::string GetClipboardText() override { return clipboard_; }

    void SetNow(std::uint64_t milliseconds) { now_ = std::max(now_, milliseconds); }
    // The picture the window last presented (window-sized), empty for unknown windows.
    Bitmap Screenshot(HWND window) const;
    const TopLevelState* StateOf(HWND window) const;
    const std::vector<Presentation>& Presentations() const { return presentations_; }
    void ForgetPresentations() { presentations_.clear(); }
    HCURSOR Cursor() const { return cursor_; }
    // Top-level windows in the order they were last raised, most recent first.
    const std::vector<HWND>& RaiseOrder() const { return raised_; }

private:
    Size screen_;
    std::uint64_t now_ = 1000;
    std::map<HWND, TopLevelState> windows_;
    std::map<HWND, Bitmap> screens_;
    std::vector<Presentation> presentations_;
    std::vector<HWND> raised_;
    HCURSOR cursor_ = 0;
    std::string clipboard_;
};

// Installs a fresh headless backend (and so a fresh window system) and
// answers it; the window system owns it.
HeadlessBackend& InstallHeadlessBackend(Size screen = {1024, 768});

}  // namespace quendar
