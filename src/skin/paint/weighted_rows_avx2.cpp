// The two-input row loops for AVX2: the weighted sum and the mask tint.

#include "skin/paint/row_kernel_forms.h"
#include "skin/paint/wide_lanes.h"

#if defined(__x86_64__) || defined(__i386__)

namespace quendar {

// With bytes moved to -128..127, one multiply-add of unsigned weights by
// signed pixels gives w * d + (255 - w) * s - 128 * 255 per byte pair, which
// stays within -32640..32385 and so never saturates. Adding 128 * 255 + 127
// brings the sum back; it then fits an unsigned 16-bit lane.
QUENDAR_AVX2 void SumRowAvx2(std::uint8_t* destination, const std::uint8_t* source, int byteCount,
                             unsigned weight) {
    int i = 0;
    const __m256i weights = _mm256_set1_epi16(static_cast<std::int16_t>(weight | (255 - weight) << 8));
    const __m256i toSigned = _mm256_set1_epi8(static_cast<char>(0x80));
    const __m256i restore = _mm256_set1_epi16(128 * 255 + 127);
    for (; i + 32 <= byteCount; i += 32) {
        const __m256i d = _mm256_xor_si256(LoadWide(destination + i), toSigned);
        const __m256i s = _mm256_xor_si256(LoadWide(source + i), toSigned);
        const __m256i low =
            _mm256_add_epi16(_mm256_maddubs_epi16(weights, _mm256_unpacklo_epi8(d, s)), restore);
        const __m256i high =
            _mm256_add_epi16(_mm256_maddubs_epi16(weights, _mm256_unpackhi_epi8(d, s)), restore);
        StoreWide(destination + i,
                  _mm256_packus_epi16(_mm256_srli_epi16(low, 8), _mm256_srli_epi16(high, 8)));
    }
    SumRowSse2(destination + i, source + i, byteCount - i, weight);
}

// As the SSE2 form: the 16-bit lanes may wrap on the way and still end on
// the exact sum, which never leaves 0..65280.
QUENDAR_AVX2 void TintRowsAvx2(std::uint8_t* firstRow, std::ptrdiff_t stride,
                               const std::uint8_t* firstWeights, std::ptrdiff_t weightStride, int rowCount,
                               int pixelCount, const std::array<std::uint8_t, 3>& color) {
    const std::array<int, 3> channels{color[0], color[1], color[2]};
    const std::array<int, 3> shifted{color[0] << 8, color[1] << 8, color[2] << 8};
    const WideBlockLanes base(channels);
    const WideBlockLanes start(shifted);
    const __m256i highBytes = _mm256_set1_epi16(static_cast<std::int16_t>(0xFF00));
    const int done = pixelCount / 32 * 32;
    for (int row = 0; row < rowCount; ++row) {
        std::uint8_t* pixels = firstRow + row * stride;
        const std::uint8_t* weights = firstWeights + row * weightStride;
        for (int block = 0; block < done * 3; block += 96) {
            for (int v = 0; v < 3; ++v) {
                std::uint8_t* p = pixels + block + 32 * v;
                const __m256i x = LoadWide(p);
                const __m256i w = LoadWide(weights + block + 32 * v);
                const __m256i even = _mm256_add_epi16(
                    _mm256_mullo_epi16(EvenBytes(w), _mm256_sub_epi16(EvenBytes(x), base.Even[v])),
                    start.Even[v]);
                const __m256i odd = _mm256_add_epi16(
                    _mm256_mullo_epi16(OddBytes(w), _mm256_sub_epi16(OddBytes(x), base.Odd[v])),
                    start.Odd[v]);
                StoreWide(p, _mm256_or_si256(_mm256_srli_epi16(even, 8), _mm256_and_si256(odd, highBytes)));
            }
        }
    }
    TintRowsSse2(firstRow + done * 3, stride, firstWeights + done * 3, weightStride, rowCount,
                 pixelCount - done, color);
}

}  // namespace quendar

#endif
