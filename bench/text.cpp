// Drawing a button caption ("Use Calendar Date", Tahoma 8 pt, centred on one
// line in a 129 x 25 24-bit bitmap) against a memcpy of the same bitmap's
// bytes, measured in one run; the caption's glyphs are cached after the
// first call, as they are in the running program.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/text_format.h"

namespace quendar {
namespace {

constexpr int CaptionWidth = 129;
constexpr int CaptionHeight = 25;

void DrawCentredCaption(benchmark::State& state) {
    Bitmap target(CaptionWidth, CaptionHeight);
    target.Fill(RGB(242, 242, 245));
    DeviceContext dc(target);
    dc.SelectFont({"Tahoma", -11});
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    for (auto _ : state) {
        Rect rect{0, 0, CaptionWidth, CaptionHeight};
        benchmark::DoNotOptimize(
            dc.DrawText("Use Calendar Date", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DrawCentredCaption);

void MemcpyCaptionBitmap(benchmark::State& state) {
    Bitmap target(CaptionWidth, CaptionHeight);
    const std::size_t bytes = static_cast<std::size_t>(target.RowBytes()) * CaptionHeight;
    std::vector<std::uint8_t> source(bytes, 7);
    std::vector<std::uint8_t> copy(bytes);
    for (auto _ : state) {
        std::memcpy(copy.data(), source.data(), bytes);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemcpyCaptionBitmap);

}  // namespace
}  // namespace quendar

BENCHMARK_MAIN();
