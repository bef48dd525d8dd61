// Blending rows over with a real factor, by an integer rule where one gives
// every byte of the real-valued formula. A factor equal to n / m for a small
// m makes Round(S - factor * (S - D)) the rounded quotient
// (S * (m - n) + D * n) / m, ties aside; which way the ties go is read off
// the 65536 real-valued results, and the rule is only used when it
// reproduces all of them.

#include <bit>
#include <cmath>
#include <cstring>

#include "skin/paint/channel_lanes.h"
#include "skin/paint/key_pixel_masks.h"
#include "skin/paint/row_kernel_forms.h"

namespace quendar {
namespace {

// Largest denominator tried: the sums then stay within 16-bit lanes.
constexpr int LargestDenominator = 128;

int Divide(const OverRule& rule, int value) {
    return static_cast<int>(((static_cast<unsigned>(value) * rule.Magic) >> 16) >> rule.Shift);
}

// Finds Magic and Shift that divide every sum the rule can form exactly.
bool FindDivision(OverRule& rule) {
    const int m = rule.Denominator;
    const int largest = 255 * m + m;
    for (int shift = 0; shift <= 8; ++shift) {
        const long long magic = ((1LL << (16 + shift)) + m - 1) / m;
        if (magic > 0xFFFF) continue;
        rule.Magic = static_cast<std::uint16_t>(magic);
        rule.Shift = shift;
        bool exact = true;
        for (int value = 0; value <= largest && exact; ++value) exact = Divide(rule, value) == value / m;
        if (exact) return true;
    }
    return false;
}

bool RuleGivesAll(const OverRule& rule, const std::array<std::uint8_t, 65536>& results) {
    for (int s = 0; s < 256; ++s) {
        for (int d = 0; d < 256; ++d) {
            if (OverByRule(rule, s, d) != results[s * 256 + d]) return false;
        }
    }
    return true;
}

#if defined(__SSE2__)
struct OverLanes {
    __m128i SourceShare;
    __m128i DestinationShare;
    __m128i Bias;
    __m128i Magic;
    __m128i Shift;
    __m128i One;

    explicit OverLanes(const OverRule& rule)
        : SourceShare(_mm_set1_epi16(static_cast<std::int16_t>(rule.Denominator - rule.DestinationShare))),
          DestinationShare(_mm_set1_epi16(static_cast<std::int16_t>(rule.DestinationShare))),
          Bias(_mm_set1_epi16(static_cast<std::int16_t>(rule.Bias))),
          Magic(_mm_set1_epi16(static_cast<std::int16_t>(rule.Magic))),
          Shift(_mm_cvtsi32_si128(rule.Shift)),
          One(_mm_set1_epi16(1)) {}

    __m128i Divide(__m128i values) const { return _mm_srl_epi16(_mm_mulhi_epu16(values, Magic), Shift); }

    template <bool EvenTies>
    __m128i Blend(__m128i source, __m128i destination) const {
        const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(source, SourceShare),
                                          _mm_mullo_epi16(destination, DestinationShare));
        if constexpr (EvenTies) {
            const __m128i odd = _mm_and_si128(Divide(sum), One);
            return Divide(_mm_add_epi16(_mm_add_epi16(sum, Bias), odd));
        } else {
            return Divide(_mm_add_epi16(sum, Bias));
        }
    }
};

template <bool EvenTies>
void OverRowsExact(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
                   const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount, int blockCount,
                   const OverRule& rule, bool blendAll, ColorRef key) {
    const OverLanes lanes(rule);
    const KeyPattern pattern(key);
    for (int row = 0; row < rowCount; ++row) {
        std::uint8_t* destination = firstDestination + row * destinationStride;
        const std::uint8_t* source = firstSource + row * sourceStride;
        for (int b = 0; b < blockCount * 48; b += 48) {
            const std::uint64_t keys = blendAll ? 0 : KeyPixelsOf16(source + b, pattern);
            if (keys == AllSixteenKeys) continue;
            __m128i out[3];
            for (int v = 0; v < 3; ++v) {
                const __m128i s = LoadBytes(source + b + 16 * v);
                const __m128i d = LoadBytes(destination + b + 16 * v);
                out[v] = JoinBytes(lanes.Blend<EvenTies>(EvenBytes(s), EvenBytes(d)),
                                   lanes.Blend<EvenTies>(OddBytes(s), OddBytes(d)));
            }
            std::uint8_t original[48];
            if (keys != 0) std::memcpy(original, destination + b, 48);
            for (int v = 0; v < 3; ++v) StoreBytes(destination + b + 16 * v, out[v]);
            for (std::uint64_t rest = keys; rest != 0; rest &= rest - 1) {
                const int at = std::countr_zero(rest);  // 3 * pixel index
                std::memcpy(destination + b + at, original + at, 3);
            }
        }
    }
}
#endif

}  // namespace

OverRule FindOverRule(double factor, const std::array<std::uint8_t, 65536>& results) {
    OverRule rule;
    if (!(factor >= 0 && factor <= 1)) return rule;
    bool fraction = false;
    for (int m = 2; m <= LargestDenominator && !fraction; ++m) {
        const double share = std::nearbyint(factor * m);
        if (std::fabs(factor * m - share) > 1e-9) continue;
        rule.Denominator = m;
        rule.DestinationShare = static_cast<int>(share);
        fraction = true;
    }
    if (!fraction || !FindDivision(rule)) return rule;

    const int m = rule.Denominator;
    struct TieRule {
        int Bias;
        bool Even;
    };
    // An odd denominator has no ties; an even one's ties go up, down or to even.
    const TieRule candidates[] = {{m / 2, false}, {m / 2 - 1, false}, {m / 2 - 1, true}};
    const int count = m % 2 == 1 ? 1 : 3;
    for (int i = 0; i < count; ++i) {
        rule.Bias = candidates[i].Bias;
        rule.EvenTies = candidates[i].Even;
        if (RuleGivesAll(rule, results)) {
            rule.Exact = true;
            return rule;
        }
    }
    return rule;
}

std::uint8_t OverByRule(const OverRule& rule, int source, int destination) {
    const int sum = source * (rule.Denominator - rule.DestinationShare) + destination * rule.DestinationShare;
    const int bias = rule.Bias + (rule.EvenTies ? Divide(rule, sum) & 1 : 0);
    return static_cast<std::uint8_t>(Divide(rule, sum + bias));
}

void OverRowScalar(std::uint8_t* destination, const std::uint8_t* source, int pixelCount,
                   const OverRule& rule, bool blendAll, ColorRef key) {
    for (int i = 0; i < pixelCount * 3; i += 3) {
        if (!blendAll && IsKeyPixel(source + i, key)) continue;
        for (int c = i; c < i + 3; ++c) destination[c] = OverByRule(rule, source[c], destination[c]);
    }
}

void OverRowsSse2(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
                  const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount, int pixelCount,
                  const OverRule& rule, bool blendAll, ColorRef key) {
    int done = 0;
#if defined(__SSE2__)
    const int blocks = pixelCount / 16;
    if (rule.EvenTies) {
        OverRowsExact<true>(firstDestination, destinationStride, firstSource, sourceStride, rowCount, blocks,
                            rule, blendAll, key);
    } else {
        OverRowsExact<false>(firstDestination, destinationStride, firstSource, sourceStride, rowCount, blocks,
                             rule, blendAll, key);
    }
    done = blocks * 16;
#endif
    for (int row = 0; row < rowCount; ++row) {
        OverRowScalar(firstDestination + row * destinationStride + done * 3,
                      firstSource + row * sourceStride + done * 3, pixelCount - done, rule, blendAll, key);
    }
}

}  // namespace quendar
