#include "platform/backend/sdl/sdl_backend.h"
#include "platform/backend/sdl/x11_errors.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/message_queue.h"
#include "platform/painting.h"
#include "platform/platform_error.h"
#include "platform/program_icon.h"
#include "platform/raw_input.h"
#include "platform/utf8.h"
#include "platform/virtual_keys.h"
#include "platform/window_class.h"
#include "platform/window_messages.h"
#include "platform/window_styles.h"

namespace quendar {

namespace {

int VirtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK_NUMPAD0 + 1 + (key - SDLK_KP_1);
    switch (key) {
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_RETURN: return VK_RETURN;
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_END: return VK_END;
        case SDLK_HOME: return VK_HOME;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_INSERT: return VK_INSERT;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT: return VK_MENU;
        case SDLK_KP_0: return VK_NUMPAD0;
        case SDLK_KP_PLUS: return VK_ADD;
        case SDLK_KP_MINUS: return VK_SUBTRACT;
        case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
        case SDLK_KP_DIVIDE: return VK_DIVIDE;
        case SDLK_KP_PERIOD: return VK_DECIMAL;
        case SDLK_APPLICATION: return VK_APPS;
        default: return 0;
    }
}

MouseButton ButtonFor(std::uint8_t sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_RIGHT: return MouseButton::Right;
        case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
        default: return MouseButton::Left;
    }
}

SDL_SystemCursor SystemCursorFor(HCURSOR cursor) {
    switch (cursor) {
        case IDC_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
        case IDC_WAIT: return SDL_SYSTEM_CURSOR_WAIT;
        case IDC_CROSS: return SDL_SYSTEM_CURSOR_CROSSHAIR;
        case IDC_SIZENWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
        case IDC_SIZENESW: return SDL_SYSTEM_CURSOR_SIZENESW;
        case IDC_SIZEWE: return SDL_SYSTEM_CURSOR_SIZEWE;
        case IDC_SIZENS: return SDL_SYSTEM_CURSOR_SIZENS;
        case IDC_SIZEALL: return SDL_SYSTEM_CURSOR_SIZEALL;
        case IDC_HAND: return SDL_SYSTEM_CURSOR_HAND;
        default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}


void StartVideo() {
    // Without this SDL probes OpenGL with a hidden test window first, which
    // costs tens of milliseconds at start-up; we only blit to window surfaces.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw PlatformError(std::string("Cannot open the display: ") + SDL_GetError());
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    // SDL falls back on drivers that show nothing when no display answers;
    // a window there would be invisible, so that counts as no display
    // unless SDL_VIDEODRIVER asked for it.
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    for (const char* invisible : {"offscreen", "dummy"}) {
        if (driver && std::strcmp(driver, invisible) == 0 && !(asked && std::strcmp(asked, invisible) == 0)) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            throw PlatformError("Cannot open the display: no display answers (is DISPLAY set?)");
        }
    }
    if (driver && std::strcmp(driver, "x11") == 0) KeepRunningOnXErrors();
}

// The desktop's task bar and window switcher show the program's icon.
void SetNativeIcon(SDL_Window* window) {
    const Bitmap& picture = GetProgramIcon(ICON_BIG)->Picture;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, picture.Width(), picture.Height(), 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    ColorRef transparent = GetProgramIcon(ICON_BIG)->TransparentColor;
    for (int y = 0; y < picture.Height(); ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < picture.Width(); ++x) {
            ColorRef c = picture.PixelAt(x, y);
            Uint32 alpha = c == transparent ? 0 : 0xFF;
            row[x] = (alpha << 24) | (static_cast<Uint32>(GetRValue(c)) << 16) |
                     (static_cast<Uint32>(GetGValue(c)) << 8) | static_cast<Uint32>(GetBValue(c));
        }
    }
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

}  // namespace

bool SdlDisplayAvailable() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
    try {
        StartVideo();
    } catch (const PlatformError&) {
        return false;
    }
    return true;
}

SdlBackend::SdlBackend() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) StartVideo();
    SDL_StartTextInput();
}

SdlBackend::~SdlBackend() {
    for (auto& [window, native] : windows_) SDL_DestroyWindow(native.Window);
    for (auto& [id, cursor] : cursors_) SDL_FreeCursor(cursor);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

Size SdlBackend::ScreenSize() const {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {1024, 768};
    return {mode.w, mode.h};
}

std::uint64_t SdlBackend::NowMilliseconds() const { return SDL_GetTicks64(); }

void SdlBackend::TopLevelChanged(HWND window, const TopLevelState& state) {
    NativeWindow& native = windows_[window];
    const Rect& r = state.ScreenRect;
    int width = std::max(1, r.Width());
    int height = std::max(1, r.Height());
    if (!native.Window) {
        if (!state.Visible) {
            native.State = state;
            return;  // created when first shown
        }
        Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        if (state.Popup) {
            // Popup menus must not take the keyboard: a focus change would
            // deactivate the program and close the menu as it opens.
            flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
        }
        native.Window = SDL_CreateWindow(state.Title.c_str(), r.Left, r.Top, width, height, flags);
        if (!native.Window) throw PlatformError(std::string("Cannot create a window: ") + SDL_GetError());
        SetNativeIcon(native.Window);
        native.State = TopLevelState{};
    }
    SDL_Window* w = native.Window;
    if (state.Title != native.State.Title) SDL_SetWindowTitle(w, state.Title.c_str());
    if (r.Width() != native.State.ScreenRect.Width() || r.Height() != native.State.ScreenRect.Height()) {
        SDL_SetWindowSize(w, width, height);
    }
    if (r.TopLeft() != native.State.ScreenRect.TopLeft()) SDL_SetWindowPosition(w, r.Left, r.Top);
    if (state.Visible && !state.Minimized) {
        if (!native.State.Visible || native.State.Minimized) {
            SDL_ShowWindow(w);
            if (native.State.Minimized) SDL_RestoreWindow(w);
        }
    } else if (state.Visible && state.Minimized) {
        SDL_MinimizeWindow(w);
    } else if (native.State.Visible) {
        SDL_HideWindow(w);
    }
    native.State = state;
}

void SdlBackend::TopLevelDestroyed(HWND window) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return;
    if (it->second.Window) SDL_DestroyWindow(it->second.Window);
    windows_.erase(it);
}

void SdlBackend::RaiseTopLevel(HWND window) {
    auto it = windows_.find(window);
    if (it == windows_.end() || !it->second.Window || it->second.State.Popup) return;
    SDL_RaiseWindow(it->second.Window);
}

void SdlBackend::Present(HWND window, const Bitmap& backBuffer, const Rect& area) {
    auto it = windows_.find(window);
    if (it == windows_.end() || !it->second.Window) return;
    SDL_Surface* surface = SDL_GetWindowSurface(it->second.Window);
    if (!surface) return;
    Rect r = area.Intersect(backBuffer.Bounds()).Intersect({0, 0, surface->w, surface->h});
    if (r.IsEmpty()) return;
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    const SDL_PixelFormat* format = surface->format;
    int bytesPerPixel = format->BytesPerPixel;
    int sourceBytes = backBuffer.BytesPerPixel();
    bool xrgb = bytesPerPixel == 4 && format->Rmask == 0x00FF0000 && format->Gmask == 0x0000FF00 &&
                format->Bmask == 0x000000FF;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const std::uint8_t* from = backBuffer.ScanLine(y) + r.Left * sourceBytes;
        auto* to = static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch + r.Left * bytesPerPixel;
        for (int x = r.Left; x < r.Right; ++x) {
            if (xrgb) {
                to[0] = from[0];
                to[1] = from[1];
                to[2] = from[2];
                to[3] = 0xFF;
            } else {
                Uint32 pixel = SDL_MapRGB(format, from[2], from[1], from[0]);
                std::memcpy(to, &pixel, static_cast<std::size_t>(bytesPerPixel));
            }
            from += sourceBytes;
            to += bytesPerPixel;
        }
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    SDL_Rect changed{r.Left, r.Top, r.Width(), r.Height()};
    SDL_UpdateWindowSurfaceRects(it->second.Window, &changed, 1);
    if (OnPresented) OnPresented(window);
}

HWND SdlBackend::WindowForId(std::uint32_t sdlWindowId) const {
    SDL_Window* sdlWindow = SDL_GetWindowFromID(sdlWindowId);
    for (const auto& [window, native] : windows_) {
        if (native.Window == sdlWindow) return window;
    }
    return HWND();
}

Point SdlBackend::ScreenMousePosition(std::uint32_t sdlWindowId, int x, int y) const {
    // The window system moves windows itself while a caption is dragged, so
    // window-relative positions go stale; the window's own position at the
    // event is what SDL reports them against.
    SDL_Window* sdlWindow = SDL_GetWindowFromID(sdlWindowId);
    int left = 0;
    int top = 0;
    if (sdlWindow) SDL_GetWindowPosition(sdlWindow, &left, &top);
    return {left + x, top + y};
}

void SdlBackend::Translate(const SDL_Event& event) {
    RawInput input;
    switch (event.type) {
        case SDL_MOUSEMOTION:
            input.Type = RawInput::Kind::MouseMove;
            input.Screen = ScreenMousePosition(event.motion.windowID, event.motion.x, event.motion.y);
            input.Window = WindowForId(event.motion.windowID);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            input.Type = event.type == SDL_MOUSEBUTTONDOWN ? RawInput::Kind::ButtonDown : RawInput::Kind::ButtonUp;
            input.Button = ButtonFor(event.button.button);
            input.Screen = ScreenMousePosition(event.button.windowID, event.button.x, event.button.y);
            input.Window = WindowForId(event.button.windowID);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            input.Type = event.type == SDL_KEYDOWN ? RawInput::Kind::KeyDown : RawInput::Kind::KeyUp;
            input.VirtualKey = VirtualKeyFor(event.key.keysym.sym);
            input.Window = WindowForId(event.key.windowID);
            if (input.VirtualKey == 0) return;
            break;
        case SDL_TEXTINPUT: {
            HWND window = WindowForId(event.text.windowID);
            for (char32_t c : DecodeUtf8(event.text.text)) {
                RawInput character;
                character.Type = RawInput::Kind::Character;
                character.Character = c;
                character.Window = window;
                PostRawInput(character);
            }
            return;
        }
        case SDL_QUIT:
            // SDL turns SIGINT and SIGTERM into this: end the program's loop.
            PostQuitMessage(0);
            return;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                input.Type = RawInput::Kind::Activate;
            } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                input.Type = RawInput::Kind::Deactivate;
            } else if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                // The desktop asked the window to close, as its close box would.
                HWND window = WindowForId(event.window.windowID);
                if (window) PostMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                return;
            } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
                HWND window = WindowForId(event.window.windowID);
                if (window) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
                return;
            } else {
                return;
            }
            input.Window = WindowForId(event.window.windowID);
            break;
        default:
            return;
    }
    PostRawInput(input);
}

void SdlBackend::WaitForInput(std::optional<std::uint64_t> deadline) {
    SDL_Event event;
    int timeout = -1;
    if (deadline) {
        std::uint64_t now = NowMilliseconds();
        timeout = *deadline > now ? static_cast<int>(std::min<std::uint64_t>(*deadline - now, 1000000)) : 0;
    }
    bool got = timeout < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, timeout) != 0;
    if (!got && timeout < 0) {
        // Without a deadline only a broken display connection ends the wait.
        throw PlatformError(std::string("Lost the display: ") + SDL_GetError());
    }
    if (!got) return;
    Translate(event);
    while (SDL_PollEvent(&event)) Translate(event);
}

void SdlBackend::SetCursor(HCURSOR cursor) {
    SDL_Cursor*& native = cursors_[cursor];
    if (!native) native = SDL_CreateSystemCursor(SystemCursorFor(cursor));
    if (native) SDL_SetCursor(native);
}

void SdlBackend::SetClipboardText(std::string_view text) {
    std::string copy(text);
    SDL_SetClipboardText(copy.c_str());
}

std::string SdlBackend::GetClipboardText() {
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

}  // namespace quendar
