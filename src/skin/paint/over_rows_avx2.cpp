// Blending rows over by an Exact rule for AVX2, 32 pixels at a time; the
// rest of each row goes to the SSE2 form.

#include <bit>
#include <cstring>

#include "skin/paint/row_kernel_forms.h"
#include "skin/paint/wide_lanes.h"

#if defined(__x86_64__) || defined(__i386__)

namespace quendar {
namespace {

struct WideOverLanes {
    __m256i SourceShare;
    __m256i DestinationShare;
    __m256i Bias;
    __m256i Magic;
    __m128i Shift;
    __m256i One;

    QUENDAR_AVX2 explicit WideOverLanes(const OverRule& rule)
        : SourceShare(_mm256_set1_epi16(static_cast<std::int16_t>(rule.Denominator - rule.DestinationShare))),
          DestinationShare(_mm256_set1_epi16(static_cast<std::int16_t>(rule.DestinationShare))),
          Bias(_mm256_set1_epi16(static_cast<std::int16_t>(rule.Bias))),
          Magic(_mm256_set1_epi16(static_cast<std::int16_t>(rule.Magic))),
          Shift(_mm_cvtsi32_si128(rule.Shift)),
          One(_mm256_set1_epi16(1)) {}

    QUENDAR_AVX2 __m256i Divide(__m256i values) const {
        return _mm256_srl_epi16(_mm256_mulhi_epu16(values, Magic), Shift);
    }

    template <bool EvenTies>
    QUENDAR_AVX2 __m256i Blend(__m256i source, __m256i destination) const {
        const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(source, SourceShare),
                                             _mm256_mullo_epi16(destination, DestinationShare));
        if constexpr (EvenTies) {
            const __m256i odd = _mm256_and_si256(Divide(sum), One);
            return Divide(_mm256_add_epi16(_mm256_add_epi16(sum, Bias), odd));
        } else {
            return Divide(_mm256_add_epi16(sum, Bias));
        }
    }
};

// Puts back the key pixels (bits 3k of `keys`) of the 48 bytes at `block`.
void RestoreKeyPixels(std::uint8_t* block, const std::uint8_t* original, std::uint64_t keys) {
    for (std::uint64_t rest = keys; rest != 0; rest &= rest - 1) {
        const int at = std::countr_zero(rest);  // 3 * pixel index
        std::memcpy(block + at, original + at, 3);
    }
}

template <bool EvenTies>
QUENDAR_AVX2 void OverRowsExact(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
                                const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount,
                                int blockCount, const OverRule& rule, bool blendAll, ColorRef key) {
    const WideOverLanes lanes(rule);
    const WideKeyPattern pattern(key);
    for (int row = 0; row < rowCount; ++row) {
        std::uint8_t* destination = firstDestination + row * destinationStride;
        const std::uint8_t* source = firstSource + row * sourceStride;
        for (int b = 0; b < blockCount * 96; b += 96) {
            const __m256i s[3] = {LoadWide(source + b), LoadWide(source + b + 32), LoadWide(source + b + 64)};
            KeyPixelsOf32 keys(s, pattern);
            if (blendAll) keys.First = keys.Second = 0;
            if (keys.All()) continue;
            __m256i out[3];
            for (int v = 0; v < 3; ++v) {
                const __m256i d = LoadWide(destination + b + 32 * v);
                out[v] = JoinBytes(lanes.Blend<EvenTies>(EvenBytes(s[v]), EvenBytes(d)),
                                   lanes.Blend<EvenTies>(OddBytes(s[v]), OddBytes(d)));
            }
            if (keys.None()) {
                for (int v = 0; v < 3; ++v) StoreWide(destination + b + 32 * v, out[v]);
                continue;
            }
            std::uint8_t original[96];
            std::memcpy(original, destination + b, 96);
            for (int v = 0; v < 3; ++v) StoreWide(destination + b + 32 * v, out[v]);
            RestoreKeyPixels(destination + b, original, keys.First);
            RestoreKeyPixels(destination + b + 48, original + 48, keys.Second);
        }
    }
}

}  // namespace

QUENDAR_AVX2 void OverRowsAvx2(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
                               const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount,
                               int pixelCount, const OverRule& rule, bool blendAll, ColorRef key) {
    const int blocks = pixelCount / 32;
    if (rule.EvenTies) {
        OverRowsExact<true>(firstDestination, destinationStride, firstSource, sourceStride, rowCount, blocks,
                            rule, blendAll, key);
    } else {
        OverRowsExact<false>(firstDestination, destinationStride, firstSource, sourceStride, rowCount, blocks,
                             rule, blendAll, key);
    }
    const int done = blocks * 32;
    OverRowsSse2(firstDestination + done * 3, destinationStride, firstSource + done * 3, sourceStride,
                 rowCount, pixelCount - done, rule, blendAll, key);
}

}  // namespace quendar

#endif
