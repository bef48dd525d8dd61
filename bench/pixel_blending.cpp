// The pixel primitives against memcpy of the same bytes, and the weighted sum
// against pixman's constant-alpha OVER composite of the same area. Each
// benchmark takes the picture size as its two arguments.

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/bitmap.h"
#include "skin/paint/paint_colors.h"
#include "skin/paint/pixel_blending.h"

#if defined(QUENDAR_HAVE_PIXMAN)
#include <pixman.h>
#endif

namespace quendar {
namespace {

Bitmap RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Bitmap bmp(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bmp.ScanLine(y);
        for (int i = 0; i < width * 3; ++i) row[i] = static_cast<std::uint8_t>(random());
    }
    return bmp;
}

// A picture with a few key pixels, as skin images have.
Bitmap KeyedPicture(int width, int height) {
    Bitmap bmp = RandomPicture(width, height, 3);
    for (int y = 0; y < height; y += 7) {
        for (int x = y % 11; x < width; x += 53) bmp.SetPixel(x, y, KeyColor);
    }
    return bmp;
}

void SetBytes(benchmark::State& state, const Bitmap& bmp) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bmp.Width() * 3 *
                            bmp.Height());
}

void BM_Memcpy(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const Bitmap source = RandomPicture(w, h, 1);
    Bitmap destination = RandomPicture(w, h, 2);
    const std::size_t bytes = static_cast<std::size_t>(source.RowBytes()) * h;
    for (auto _ : state) {
        std::memcpy(destination.ScanLine(h - 1), source.ScanLine(h - 1), bytes);
        benchmark::ClobberMemory();
    }
    SetBytes(state, source);
}

void BM_WeightedSum(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const Bitmap source = RandomPicture(w, h, 1);
    Bitmap destination = RandomPicture(w, h, 2);
    for (auto _ : state) {
        WeightedSum(destination, source, 100);
        benchmark::ClobberMemory();
    }
    SetBytes(state, source);
}

void BM_WeightedSumRect(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const Bitmap source = RandomPicture(w, h, 1);
    Bitmap destination = RandomPicture(w, h, 2);
    for (auto _ : state) {
        WeightedSumRect(destination, source, 100, {0, 0}, source.Bounds());
        benchmark::ClobberMemory();
    }
    SetBytes(state, source);
}

void BM_MixRectWithColor(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Bitmap bmp = RandomPicture(w, h, 1);
    for (auto _ : state) {
        MixRectWithColor(bmp, {0, 0, w - 1, h - 1}, 50, RGB(30, 90, 200));
        benchmark::ClobberMemory();
    }
    SetBytes(state, bmp);
}

void BM_BlendRectOver(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const Bitmap source = KeyedPicture(w, h);
    Bitmap destination = RandomPicture(w, h, 2);
    const ColorRef key = state.range(2) != 0 ? KeyColor : 0xFF000000;
    for (auto _ : state) {
        BlendRectOver(destination, 0, 0, key, 0.4, {0, 0, w - 1, h - 1}, source);
        benchmark::ClobberMemory();
    }
    SetBytes(state, source);
}

void BM_CopyWithKey(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const Bitmap source = KeyedPicture(w, h);
    Bitmap destination = RandomPicture(w, h, 2);
    for (auto _ : state) {
        CopyWithKey(destination, source, 0, KeyColor, 0);
        benchmark::ClobberMemory();
    }
    SetBytes(state, source);
}

void BM_MakeGrayscale(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const Bitmap original = RandomPicture(w, h, 1);
    Bitmap bmp = original;
    for (auto _ : state) {
        MakeGrayscale(bmp);
        benchmark::ClobberMemory();
    }
    SetBytes(state, bmp);
}

void BM_MakeGrayscaleExceptKey(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Bitmap bmp = KeyedPicture(w, h);
    for (auto _ : state) {
        MakeGrayscaleExceptKey(bmp, KeyColor);
        benchmark::ClobberMemory();
    }
    SetBytes(state, bmp);
}

void BM_TintByMask(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Bitmap bmp = RandomPicture(w, h, 1);
    const Bitmap weights = RandomPicture(w, h, 2);
    for (auto _ : state) {
        TintByMask(bmp, weights, RGB(30, 90, 200));
        benchmark::ClobberMemory();
    }
    SetBytes(state, bmp);
}

#if defined(QUENDAR_HAVE_PIXMAN)
// Destination := source OVER destination with a constant alpha of 155/255,
// the same share of the source as WeightedSum with weight 100.
void CompositeWithPixman(benchmark::State& state, pixman_format_code_t format, int bytesPerPixel) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const int stride = (w * bytesPerPixel + 3) & ~3;
    std::mt19937 random(1);
    std::vector<std::uint32_t> sourceBits(static_cast<std::size_t>(stride) * h / 4 + 1);
    std::vector<std::uint32_t> destinationBits(sourceBits.size());
    for (auto& v : sourceBits) v = random() | 0xFF000000u;
    for (auto& v : destinationBits) v = random() | 0xFF000000u;
    pixman_image_t* source = pixman_image_create_bits(format, w, h, sourceBits.data(), stride);
    pixman_image_t* destination =
        pixman_image_create_bits(format, w, h, destinationBits.data(), stride);
    const pixman_color_t alpha{0, 0, 0, static_cast<std::uint16_t>(155 * 257)};
    pixman_image_t* mask = pixman_image_create_solid_fill(&alpha);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, source, mask, destination, 0, 0, 0, 0, 0, 0, w, h);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(mask);
    pixman_image_unref(destination);
    pixman_image_unref(source);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * w * 3 * h);
}

void BM_PixmanOverA8R8G8B8(benchmark::State& state) { CompositeWithPixman(state, PIXMAN_a8r8g8b8, 4); }
void BM_PixmanOverR8G8B8(benchmark::State& state) { CompositeWithPixman(state, PIXMAN_r8g8b8, 3); }
#endif

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({555, 196})->Args({1024, 1024});
}

BENCHMARK(BM_Memcpy)->Apply(Sizes);
BENCHMARK(BM_WeightedSum)->Apply(Sizes);
BENCHMARK(BM_WeightedSumRect)->Apply(Sizes);
BENCHMARK(BM_MixRectWithColor)->Apply(Sizes);
BENCHMARK(BM_BlendRectOver)->Args({555, 196, 1})->Args({1024, 1024, 1})->Args({555, 196, 0})->Args({1024, 1024, 0});
BENCHMARK(BM_CopyWithKey)->Apply(Sizes);
BENCHMARK(BM_MakeGrayscale)->Apply(Sizes);
BENCHMARK(BM_MakeGrayscaleExceptKey)->Apply(Sizes);
BENCHMARK(BM_TintByMask)->Apply(Sizes);
#if defined(QUENDAR_HAVE_PIXMAN)
BENCHMARK(BM_PixmanOverA8R8G8B8)->Apply(Sizes);
BENCHMARK(BM_PixmanOverR8G8B8)->Apply(Sizes);
#endif

}  // namespace
}  // namespace quendar

BENCHMARK_MAIN();
