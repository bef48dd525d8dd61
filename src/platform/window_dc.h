#pragma once
// Device contexts over a window's place in its top-level window's back buffer.
//
// A WindowDC draws through a DeviceContext whose origin is the window's (or
// its client area's) top-left in the back buffer and whose system clip is the
// window's visible part. Releasing it (ReleaseDC, EndPaint or going out of
// scope) schedules the area it could reach for presentation, so drawing
// outside WM_PAINT reaches the screen too. A window that cannot be drawn gets
// a context that draws nothing.

#include <memory>

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/region.h"
#include "platform/window_types.h"

namespace quendar {

using HDC = DeviceContext*;

inline WPARAM DcToWParam(HDC dc) { return reinterpret_cast<WPARAM>(dc); }
inline HDC WParamToDc(WPARAM w) { return reinterpret_cast<HDC>(w); }

class WindowDC {
public:
    WindowDC();  // draws nothing
    WindowDC(HWND topLevel, std::shared_ptr<Bitmap> buffer, Point origin, const Region& clip);
    WindowDC(WindowDC&& other) noexcept;
    WindowDC& operator=(WindowDC&& other) noexcept;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC();

    DeviceContext* operator->() { return context_.get(); }
    DeviceContext& operator*() { return *context_; }
    HDC Get() { return context_.get(); }
    // Schedules presentation now and turns this into a context that draws nothing.
    void Release();

private:
    HWND topLevel_;
    std::shared_ptr<Bitmap> buffer_;
    std::unique_ptr<DeviceContext> context_;
    Rect reach_;  // back-buffer area the context can draw on
};

// A context for the client area / the whole window (frame included).
WindowDC GetDC(HWND window);
WindowDC GetWindowDC(HWND window);
// Same as letting `dc` go out of scope; answers 1.
int ReleaseDC(HWND window, WindowDC& dc);

}  // namespace quendar
