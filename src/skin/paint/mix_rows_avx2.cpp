// Mixing rows with a colour for AVX2: the integer rule of an Exact plan on
// 32 pixels at a time; the rest of each row goes to the SSE2 form.

#include "skin/paint/row_kernel_forms.h"
#include "skin/paint/wide_lanes.h"

#if defined(__x86_64__) || defined(__i386__)

namespace quendar {
namespace {

// x div 100 for x up to 25599.
QUENDAR_AVX2 inline __m256i DivideBy100(__m256i values) {
    return _mm256_srli_epi16(_mm256_mulhi_epu16(values, _mm256_set1_epi16(5243)), 3);
}

template <bool EvenTies>
QUENDAR_AVX2 inline __m256i Mix(__m256i values, __m256i percent, __m256i offset, __m256i bias, __m256i even) {
    const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(values, percent), offset);
    if constexpr (!EvenTies) {
        return DivideBy100(sum);
    } else {
        const __m256i down = _mm256_and_si256(DivideBy100(sum), even);
        return DivideBy100(_mm256_add_epi16(_mm256_add_epi16(sum, bias), down));
    }
}

template <bool EvenTies>
QUENDAR_AVX2 void MixRowsExact(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int blockCount,
                               const MixPlan& plan) {
    std::array<int, 3> offsetAndBias{};
    std::array<int, 3> evenMask{};
    for (int c = 0; c < 3; ++c) {
        offsetAndBias[c] = plan.Offset[c] + (EvenTies ? 0 : plan.Bias[c]);
        evenMask[c] = plan.EvenTies[c] ? 1 : 0;
    }
    const WideBlockLanes offset(offsetAndBias);
    const WideBlockLanes bias(plan.Bias);
    const WideBlockLanes even(evenMask);
    const __m256i percent = _mm256_set1_epi16(static_cast<std::int16_t>(plan.Percent));
    for (int row = 0; row < rowCount; ++row) {
        std::uint8_t* pixels = firstRow + row * stride;
        for (int b = 0; b < blockCount; ++b) {
            for (int v = 0; v < 3; ++v) {
                std::uint8_t* p = pixels + b * 96 + 32 * v;
                const __m256i x = LoadWide(p);
                StoreWide(
                    p, JoinBytes(
                           Mix<EvenTies>(EvenBytes(x), percent, offset.Even[v], bias.Even[v], even.Even[v]),
                           Mix<EvenTies>(OddBytes(x), percent, offset.Odd[v], bias.Odd[v], even.Odd[v])));
            }
        }
    }
}

}  // namespace

QUENDAR_AVX2 void MixRowsAvx2(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int pixelCount,
                              const MixPlan& plan) {
    int done = 0;
    if (plan.Exact) {
        const int blocks = pixelCount / 32;
        if (plan.EvenTies[0] || plan.EvenTies[1] || plan.EvenTies[2]) {
            MixRowsExact<true>(firstRow, stride, rowCount, blocks, plan);
        } else {
            MixRowsExact<false>(firstRow, stride, rowCount, blocks, plan);
        }
        done = blocks * 32;
    }
    MixRowsSse2(firstRow + done * 3, stride, rowCount, pixelCount - done, plan);
}

}  // namespace quendar

#endif
