// A small window on the real desktop (SDL) or, without a display, rendered
// headless to a PNG. It shows what is typed into it, counts clicks, and puts
// the typed text on the clipboard when its "Copy" box is clicked. The
// end-to-end test drives it with a real X server, xdotool and xclip; every
// event it handles is logged on standard output so the test can wait for it.

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/backend/sdl/sdl_backend.h"
#include "platform/menu.h"
#include "platform/message_box.h"
#include "platform/png_file.h"
#include "platform/system_colors.h"
#include "platform/text_format.h"
#include "platform/window_system.h"

namespace quendar {
namespace {

struct DemoState {
    std::string Typed;
    int Clicks = 0;
};

DemoState demo;
const Rect CopyBox{16, 70, 136, 94};
constexpr UINT MenuClear = 101;
constexpr UINT MenuAbout = 102;

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, paint);
    Rect client;
    GetClientRect(window, client);
    dc->FillSolidRect(client, RGB(236, 241, 247));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    Rect line{16, 12, client.Right - 16, 30};
    dc->DrawText("Typed: " + demo.Typed, line, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    line = line.Offset(0, 22);
    dc->DrawText("Clicks: " + std::to_string(demo.Clicks), line, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    dc->FillSolidRect(CopyBox, GetSysColor(COLOR_BTNFACE));
    dc->FrameRect(CopyBox, Brush::Solid(GetSysColor(COLOR_BTNSHADOW)));
    Rect caption = CopyBox;
    dc->DrawText("Copy", caption, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    EndPaint(window, paint);
}

LRESULT DemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_CHAR:
            if (wParam == VK_BACK) {
                if (!demo.Typed.empty()) demo.Typed.pop_back();
            } else if (wParam >= 0x20 && wParam < 0x7F) {
                demo.Typed.push_back(static_cast<char>(wParam));
            } else {
                return 0;
            }
            Log("typed " + demo.Typed);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN: {
            Point p = PointFromLParam(lParam);
            if (CopyBox.Contains(p)) {
                SetClipboardText(demo.Typed);
                Log("copied " + demo.Typed);
            } else {
                ++demo.Clicks;
                Log("click " + std::to_string(p.X) + " " + std::to_string(p.Y));
            }
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        }
        case WM_RBUTTONUP: {
            Point p = PointFromLParam(lParam);
            ClientToScreen(window, p);
            HMENU menu = CreatePopupMenu();
            AppendMenu(menu, MF_STRING, MenuClear, "C&lear\tCtrl+L");
            AppendMenu(menu, MF_SEPARATOR, 0, "");
            AppendMenu(menu, MF_STRING, MenuAbout, "&About...");
            UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, p.X, p.Y, window));
            DestroyMenu(menu);
            Log("menu " + std::to_string(chosen));
            if (chosen == MenuClear) {
                demo.Typed.clear();
                InvalidateRect(window, nullptr, TRUE);
            } else if (chosen == MenuAbout) {
                int answer = MessageBox(window, "A demo of the window system.", "About", MB_OK | MB_ICONINFORMATION);
                Log("about closed " + std::to_string(answer));
            }
            return 0;
        }
        case WM_INITMENUPOPUP:
            Log("menu open");
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}

HWND CreateDemoWindow() {
    WNDCLASS windowClass;
    windowClass.lpfnWndProc = DemoProc;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "QuendarWindowDemo";
    RegisterClass(windowClass);
    HWND window = CreateWindowEx(0, "QuendarWindowDemo", "Quendar window demo",
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, 320, 140, HWND());
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

int RunOnDisplay() {
    InstallBackend(std::make_unique<SdlBackend>());
    HWND window = CreateDemoWindow();
    Point client{0, 0};
    ClientToScreen(window, client);
    Log("ready " + std::to_string(client.X) + " " + std::to_string(client.Y));
    MSG message;
    while (GetMessage(message, HWND(), 0, 0)) {
        TranslateMessage(message);
        DispatchMessage(message);
    }
    return static_cast<int>(message.wParam);
}

int RenderHeadless(const std::string& path) {
    HeadlessBackend& display = InstallHeadlessBackend();
    HWND window = CreateDemoWindow();
    Robot robot(display);
    robot.Pump();
    WritePngFile(display.Screenshot(window), path);
    std::printf("No display: the demo window was rendered to %s\n", path.c_str());
    return 0;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) {
    std::string screenshot = argc > 2 && std::string(argv[1]) == "--screenshot" ? argv[2] : "";
    try {
        if (screenshot.empty() && quendar::SdlDisplayAvailable()) return quendar::RunOnDisplay();
        return quendar::RenderHeadless(screenshot.empty() ? "window-demo.png" : screenshot);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "window_demo: %s\n", e.what());
        return 1;
    }
}
