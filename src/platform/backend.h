#pragma once
// What the window system needs from a display backend. The window system
// keeps every window, its painting and its input routing; a backend shows
// each visible top-level window as one native borderless window displaying
// that window's back buffer, feeds input back (PostRawInput), and provides
// the clock, the cursor and the clipboard.
//
// All calls happen on the GUI thread.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/geometry.h"
#include "platform/region.h"
#include "platform/window_types.h"

namespace quendar {

struct TopLevelState {
    Rect ScreenRect;
    bool Visible = false;
    bool Minimized = false;
    // A transient window (a popup menu: WS_EX_TOOLWINDOW | WS_EX_TOPMOST)
    // that stays above the others and never takes the keyboard.
    bool Popup = false;
    std::string Title;
    // The window's shape in window coordinates; none means the whole rectangle.
    std::optional<Region> Shape;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual Size ScreenSize() const = 0;
    // Monotonic milliseconds; never goes back.
    virtual std::uint64_t NowMilliseconds() const = 0;

    // A top-level window appeared, moved, resized, changed visibility, title or shape.
    virtual void TopLevelChanged(HWND window, const TopLevelState& state) = 0;
    virtual void TopLevelDestroyed(HWND window) = 0;
    // Puts the native window above the others and gives it the keyboard.
    virtual void RaiseTopLevel(HWND window) = 0;
    // `area` of the back buffer (window coordinates) changed and should be shown.
    virtual void Present(HWND window, const Bitmap& backBuffer, const Rect& area) = 0;

    // Blocks until input is posted or, with a deadline, until the clock reaches it.
    virtual void WaitForInput(std::optional<std::uint64_t> deadline) = 0;

    virtual void SetCursor(HCURSOR cursor) = 0;
    virtual void SetClipboardText(std::string_view text) = 0;
    // Empty when the clipboard holds no text.
    virtual std::string GetClipboardText() = 0;
};

// Makes `backend` the display of the window system. Every existing window and
// class, the queue, the timers and the input state are discarded first,
// without messages: a fresh window system starts.
void InstallBackend(std::unique_ptr<Backend> backend);

// The installed backend; an in-memory one without display is installed on
// first use when none was chosen.
Backend& CurrentBackend();

// Hands every changed area of the back buffers to the backend now. The message
// queue does this itself each time it is asked for a message.
void FlushPresentation();

}  // namespace quendar
