// The window system's own costs, each beside a plain baseline in the same run:
// a SendMessage round trip beside a direct call of the same procedure, and a
// full repaint of a window with a dozen child windows beside a plain fill of
// the same area.

#include <benchmark/benchmark.h>

#include "platform/backend/headless/headless_backend.h"
#include "platform/backend/headless/robot.h"
#include "platform/window_system.h"

namespace quendar {
namespace {

constexpr int AreaWidth = 561;
constexpr int AreaHeight = 221;

LRESULT CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return static_cast<LRESULT>(wParam + 1);
    return DefWindowProc(window, message, wParam, lParam);
}

LRESULT PaintingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, paint);
        Rect client;
        GetClientRect(window, client);
        dc->FillSolidRect(client, RGB(200, 210, 230));
        dc->FrameRect(client, Brush::Solid(RGB(90, 90, 120)));
        EndPaint(window, paint);
        return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

void RegisterBenchClasses() {
    WNDCLASS counting;
    counting.lpfnWndProc = CountingProc;
    counting.lpszClassName = "BenchCounting";
    RegisterClass(counting);
    WNDCLASS painting;
    painting.lpfnWndProc = PaintingProc;
    painting.hbrBackground = RGB(240, 240, 240);
    painting.lpszClassName = "BenchPainting";
    RegisterClass(painting);
}

void SendMessageRoundTrip(benchmark::State& state) {
    InstallHeadlessBackend();
    RegisterBenchClasses();
    HWND window = CreateWindowEx(0, "BenchCounting", "", WS_POPUP, 0, 0, 10, 10, HWND());
    WPARAM value = 0;
    for (auto _ : state) {
        value = static_cast<WPARAM>(SendMessage(window, WM_USER, value, 0));
    }
    benchmark::DoNotOptimize(value);
}
BENCHMARK(SendMessageRoundTrip);

void DirectProcedureCall(benchmark::State& state) {
    WNDPROC procedure = CountingProc;
    WPARAM value = 0;
    for (auto _ : state) {
        value = static_cast<WPARAM>(procedure(HWND(), WM_USER, value, 0));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(DirectProcedureCall);

void RepaintWithTwelveChildren(benchmark::State& state) {
    HeadlessBackend& display = InstallHeadlessBackend();
    RegisterBenchClasses();
    HWND top = CreateWindowEx(0, "BenchPainting", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, AreaWidth,
                              AreaHeight, HWND());
    for (int i = 0; i < 12; ++i) {
        int x = 8 + (i % 4) * 136;
        int y = 8 + (i / 4) * 70;
        CreateWindowEx(0, "BenchPainting", "", WS_CHILD | WS_VISIBLE, x, y, 128, 62, top, i + 1);
    }
    Robot robot(display);
    robot.Pump();
    for (auto _ : state) {
        RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        FlushPresentation();
    }
}
BENCHMARK(RepaintWithTwelveChildren);

void PlainFillSameArea(benchmark::State& state) {
    Bitmap target(AreaWidth, AreaHeight);
    DeviceContext dc(target);
    for (auto _ : state) {
        dc.FillSolidRect(target.Bounds(), RGB(200, 210, 230));
        benchmark::DoNotOptimize(target.ScanLine(0));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PlainFillSameArea);

}  // namespace
}  // namespace quendar

BENCHMARK_MAIN();
