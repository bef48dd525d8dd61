// The two-input row loops: the weighted sum and the mask tint.

#include "skin/paint/channel_lanes.h"
#include "skin/paint/row_kernel_forms.h"

namespace quendar {

void SumRowScalar(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight) {
    const unsigned sourceWeight = 255 - weight;
    for (int i = 0; i < byteCount; ++i) {
        destination[i] =
            static_cast<std::uint8_t>((destination[i] * weight + source[i] * sourceWeight + 127) >> 8);
    }
}

// The sum never exceeds 255 * 255 + 127, so 16-bit lanes hold it. The odd
// bytes' sums already sit in the high byte of their lanes.
void SumRowSse2(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i keep = _mm_set1_epi16(static_cast<std::int16_t>(weight));
    const __m128i take = _mm_set1_epi16(static_cast<std::int16_t>(255 - weight));
    const __m128i half = _mm_set1_epi16(127);
    const __m128i highBytes = _mm_set1_epi16(static_cast<std::int16_t>(0xFF00));
    for (; i + 16 <= byteCount; i += 16) {
        const __m128i d = LoadBytes(destination + i);
        const __m128i s = LoadBytes(source + i);
        const __m128i even = _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(EvenBytes(d), keep), _mm_mullo_epi16(EvenBytes(s), take)), half);
        const __m128i odd = _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(OddBytes(d), keep), _mm_mullo_epi16(OddBytes(s), take)), half);
        StoreBytes(destination + i, _mm_or_si128(_mm_srli_epi16(even, 8), _mm_and_si128(odd, highBytes)));
    }
#endif
    SumRowScalar(destination + i, source + i, byteCount - i, weight);
}

void TintRowScalar(std::uint8_t* pixels, const std::uint8_t* weights, int pixelCount,
                   const std::array<std::uint8_t, 3>& color) {
    for (int i = 0; i < pixelCount * 3; i += 3) {
        for (int c = 0; c < 3; ++c) {
            const int channel = color[c];
            pixels[i + c] =
                static_cast<std::uint8_t>((channel * 256 + weights[i + c] * (pixels[i + c] - channel)) >> 8);
        }
    }
}

// c * (256 - w) + w * p never leaves 0..65280, so the 16-bit lanes may wrap
// on the way (w * (p - c) is negative) and still end on the exact sum.
void TintRowsSse2(std::uint8_t* firstRow, std::ptrdiff_t stride, const std::uint8_t* firstWeights,
                  std::ptrdiff_t weightStride, int rowCount, int pixelCount,
                  const std::array<std::uint8_t, 3>& color) {
    int done = 0;
#if defined(__SSE2__)
    const std::array<int, 3> channels{color[0], color[1], color[2]};
    const std::array<int, 3> shifted{color[0] << 8, color[1] << 8, color[2] << 8};
    const BlockLanes base(channels);
    const BlockLanes start(shifted);
    const __m128i highBytes = _mm_set1_epi16(static_cast<std::int16_t>(0xFF00));
    done = pixelCount / 16 * 16;
    for (int row = 0; row < rowCount; ++row) {
        std::uint8_t* pixels = firstRow + row * stride;
        const std::uint8_t* weights = firstWeights + row * weightStride;
        for (int block = 0; block < done * 3; block += 48) {
            for (int v = 0; v < 3; ++v) {
                std::uint8_t* p = pixels + block + 16 * v;
                const __m128i x = LoadBytes(p);
                const __m128i w = LoadBytes(weights + block + 16 * v);
                const __m128i even = _mm_add_epi16(
                    _mm_mullo_epi16(EvenBytes(w), _mm_sub_epi16(EvenBytes(x), base.Even[v])), start.Even[v]);
                const __m128i odd = _mm_add_epi16(
                    _mm_mullo_epi16(OddBytes(w), _mm_sub_epi16(OddBytes(x), base.Odd[v])), start.Odd[v]);
                StoreBytes(p, _mm_or_si128(_mm_srli_epi16(even, 8), _mm_and_si128(odd, highBytes)));
            }
        }
    }
#endif
    for (int row = 0; row < rowCount; ++row) {
        TintRowScalar(firstRow + row * stride + done * 3, firstWeights + row * weightStride + done * 3,
                      pixelCount - done, color);
    }
}

}  // namespace quendar
