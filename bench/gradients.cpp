// Gradient painting beside solid fills of the same 24-bit pixels: the goal is
// a gradient within twice the time of a plain fill.

#include <benchmark/benchmark.h>

#include <cstring>

#include "platform/bitmap.h"
#include "skin/paint/gradient.h"
#include "skin/paint/row_fill.h"

namespace quendar {
namespace {

Bitmap MakeTarget(const benchmark::State& state) {
    return Bitmap(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), PixelFormat::Bits24);
}

void SetPixelCounters(benchmark::State& state, const Bitmap& bitmap) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bitmap.Width() * 3 *
                            bitmap.Height());
}

TsGradArray Parsed(const char* text) {
    TsGradArray bands;
    ParseGradientData(text, bands);
    return bands;
}

void MemsetRows(benchmark::State& state) {
    Bitmap bitmap = MakeTarget(state);
    const std::size_t bytes = static_cast<std::size_t>(bitmap.Width()) * 3;
    for (auto _ : state) {
        for (int y = 0; y < bitmap.Height(); ++y) std::memset(bitmap.ScanLine(y), 0xC9, bytes);
        benchmark::ClobberMemory();
    }
    SetPixelCounters(state, bitmap);
}

void BitmapFill(benchmark::State& state) {
    Bitmap bitmap = MakeTarget(state);
    for (auto _ : state) {
        bitmap.Fill(RGB(201, 204, 224));
        benchmark::ClobberMemory();
    }
    SetPixelCounters(state, bitmap);
}

void SolidRectFill(benchmark::State& state) {
    Bitmap bitmap = MakeTarget(state);
    for (auto _ : state) {
        FillRect24(bitmap, bitmap.Bounds(), RGB(201, 204, 224));
        benchmark::ClobberMemory();
    }
    SetPixelCounters(state, bitmap);
}

void VerticalGradient(benchmark::State& state) {
    Bitmap bitmap = MakeTarget(state);
    const TsGradArray bands = Parsed(
        "14934497;9406856;33;0;0;9406856;8747639;4;0;0;8747639;11050135;64;0;0;11050135;11050135;0;0;0");
    for (auto _ : state) {
        PaintGradient(bitmap, bitmap.Bounds(), bands, 0);
        benchmark::ClobberMemory();
    }
    SetPixelCounters(state, bitmap);
}

void HorizontalGradient(benchmark::State& state) {
    Bitmap bitmap = MakeTarget(state);
    const TsGradArray bands = Parsed("16777215;15332341;99;1;0;15332341;15332341;0;1;0");
    for (auto _ : state) {
        PaintGradient(bitmap, bitmap.Bounds(), bands, 0);
        benchmark::ClobberMemory();
    }
    SetPixelCounters(state, bitmap);
}

void Sizes(benchmark::internal::Benchmark* benchmark) { benchmark->Args({555, 196})->Args({1024, 1024}); }

BENCHMARK(MemsetRows)->Apply(Sizes);
BENCHMARK(BitmapFill)->Apply(Sizes);
BENCHMARK(SolidRectFill)->Apply(Sizes);
BENCHMARK(VerticalGradient)->Apply(Sizes);
BENCHMARK(HorizontalGradient)->Apply(Sizes);

}  // namespace
}  // namespace quendar

BENCHMARK_MAIN();
