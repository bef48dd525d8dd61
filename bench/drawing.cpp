// Block copy and solid fill of a device context against the plain memory
// operations over the same bytes, measured in one run.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/bitmap.h"
#include "platform/device_context.h"

namespace quendar {
namespace {

constexpr int AreaWidth = 561;
constexpr int AreaHeight = 221;
constexpr std::size_t AreaBytes = std::size_t{AreaWidth} * 3 * AreaHeight;

void BitBltSourceCopy(benchmark::State& state) {
    Bitmap source(AreaWidth, AreaHeight);
    source.Fill(RGB(10, 20, 30));
    Bitmap target(AreaWidth, AreaHeight);
    DeviceContext from(source);
    DeviceContext to(target);
    for (auto _ : state) {
        to.BitBlt(0, 0, AreaWidth, AreaHeight, from, 0, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AreaBytes));
}
BENCHMARK(BitBltSourceCopy);

void MemcpySameBytes(benchmark::State& state) {
    std::vector<std::uint8_t> source(AreaBytes, 7);
    std::vector<std::uint8_t> target(AreaBytes);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), AreaBytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AreaBytes));
}
BENCHMARK(MemcpySameBytes);

void FillRectSolid(benchmark::State& state) {
    Bitmap target(AreaWidth, AreaHeight);
    DeviceContext dc(target);
    int shade = 0;
    for (auto _ : state) {
        dc.FillSolidRect({0, 0, AreaWidth, AreaHeight}, RGB(shade & 0xFF, 40, 50));
        ++shade;
        benchmark::DoNotOptimize(target.ScanLine(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AreaBytes));
}
BENCHMARK(FillRectSolid);

void MemsetSameBytes(benchmark::State& state) {
    std::vector<std::uint8_t> target(AreaBytes);
    int shade = 0;
    for (auto _ : state) {
        std::memset(target.data(), shade & 0xFF, AreaBytes);
        ++shade;
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * AreaBytes));
}
BENCHMARK(MemsetSameBytes);

}  // namespace
}  // namespace quendar

BENCHMARK_MAIN();
