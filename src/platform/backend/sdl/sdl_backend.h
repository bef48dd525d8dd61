#pragma once
// The desktop backend: every visible top-level window is a borderless SDL
// window showing its back buffer; SDL's events become raw input, SDL's
// clipboard is the clipboard. The window system draws frames itself, so the
// native windows carry no decoration of their own.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/backend.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace quendar {

class SdlBackend final : public Backend {
public:
    // Opens SDL's video subsystem; throws PlatformError when there is no display.
    SdlBackend();
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    Size ScreenSize() const override;
    std::uint64_t NowMilliseconds() const override;
    void TopLevelChanged(HWND window, const TopLevelState& state) override;
    void TopLevelDestroyed(HWND window) override;
    void RaiseTopLevel(HWND window) override;
    void Present(HWND window, const Bitmap& backBuffer, const Rect& area) override;
    void WaitForInput(std::optional<std::uint64_t> deadline) override;
    void SetCursor(HCURSOR cursor) override;
    void SetClipboardText(std::string_view text) override;
    std::string GetClipboardText() override;

    // Called after each change reached the screen (start-up timing, tests).
    std::function<void(HWND window)> OnPresented;

private:
    struct NativeWindow {
        SDL_Window* Window = nullptr;
        TopLevelState State;
    };

    void Translate(const SDL_Event& event);
    HWND WindowForId(std::uint32_t sdlWindowId) const;
    Point ScreenMousePosition(std::uint32_t sdlWindowId, int x, int y) const;

    std::map<HWND, NativeWindow> windows_;
    std::map<HCURSOR, SDL_Cursor*> cursors_;
};

// Whether a display can be opened (SDL's video subsystem starts).
bool SdlDisplayAvailable();

}  // namespace quendar
