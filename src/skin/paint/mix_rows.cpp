// Mixing rows with a colour. The real-valued mix Round(f * x + (1 - f) * c)
// with f = p / 100 equals (p * x + (100 - p) * c + 50) div 100 except where
// the exact value ends in .5; there the floating-point error decides. For
// most percent and colour pairs every tie of a channel goes the same way (up,
// down, or to the even neighbour), and then 16-bit integer lanes give the
// exact bytes; the plan checks that against the tables before the vector
// loop may run.

#include "skin/paint/byte_rounding.h"
#include "skin/paint/channel_lanes.h"
#include "skin/paint/row_kernel_forms.h"

namespace quendar {
namespace {

// x div 100 for x up to 25599, as the vector loop computes it.
constexpr int DivideBy100(int value) { return ((static_cast<unsigned>(value) * 5243u) >> 16) >> 3; }

bool RuleMatchesTable(const MixPlan& plan, int channel) {
    for (int value = 0; value < 256; ++value) {
        if (MixByRule(plan, channel, value) != plan.Tables[channel][value]) return false;
    }
    return true;
}

#if defined(__SSE2__)
inline __m128i DivideBy100(__m128i values) {
    return _mm_srli_epi16(_mm_mulhi_epu16(values, _mm_set1_epi16(5243)), 3);
}

template <bool EvenTies>
void MixRowsExact(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int blockCount,
                  const MixPlan& plan) {
    std::array<int, 3> offsetAndBias{};
    std::array<int, 3> evenMask{};
    for (int c = 0; c < 3; ++c) {
        offsetAndBias[c] = plan.Offset[c] + (EvenTies ? 0 : plan.Bias[c]);
        evenMask[c] = plan.EvenTies[c] ? 1 : 0;
    }
    const BlockLanes offset(offsetAndBias);
    const BlockLanes bias(plan.Bias);
    const BlockLanes even(evenMask);
    const __m128i percent = _mm_set1_epi16(static_cast<std::int16_t>(plan.Percent));
    auto mix = [&](__m128i values, __m128i laneOffset, __m128i laneBias, __m128i laneEven) {
        const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(values, percent), laneOffset);
        if constexpr (!EvenTies) {
            return DivideBy100(sum);
        } else {
            const __m128i down = _mm_and_si128(DivideBy100(sum), laneEven);
            return DivideBy100(_mm_add_epi16(_mm_add_epi16(sum, laneBias), down));
        }
    };
    for (int row = 0; row < rowCount; ++row) {
        std::uint8_t* pixels = firstRow + row * stride;
        for (int b = 0; b < blockCount; ++b) {
            for (int v = 0; v < 3; ++v) {
                std::uint8_t* p = pixels + b * 48 + 16 * v;
                const __m128i x = LoadBytes(p);
                StoreBytes(p, JoinBytes(mix(EvenBytes(x), offset.Even[v], bias.Even[v], even.Even[v]),
                                        mix(OddBytes(x), offset.Odd[v], bias.Odd[v], even.Odd[v])));
            }
        }
    }
}
#endif

}  // namespace

MixPlan MakeMixPlan(std::uint8_t percent, ColorRef rgb) {
    MixPlan plan;
    plan.Percent = percent;
    const double keep = percent / 100.0;
    const double take = 1 - keep;
    const int colour[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
    for (int c = 0; c < 3; ++c) {
        for (int value = 0; value < 256; ++value) {
            plan.Tables[c][value] = RoundToByte(keep * value + take * colour[c]);
        }
    }
    if (percent > 100) return plan;
    struct TieRule {
        int Bias;
        bool Even;
    };
    static constexpr TieRule rules[] = {{50, false}, {49, false}, {49, true}};
    for (int c = 0; c < 3; ++c) {
        plan.Offset[c] = (100 - percent) * colour[c];
        bool found = false;
        for (const TieRule& rule : rules) {
            plan.Bias[c] = rule.Bias;
            plan.EvenTies[c] = rule.Even;
            if (RuleMatchesTable(plan, c)) {
                found = true;
                break;
            }
        }
        if (!found) return plan;
    }
    plan.Exact = true;
    return plan;
}

std::uint8_t MixByRule(const MixPlan& plan, int channel, int value) {
    const int sum = plan.Percent * value + plan.Offset[channel];
    const int bias = plan.Bias[channel] + (plan.EvenTies[channel] ? DivideBy100(sum) & 1 : 0);
    return static_cast<std::uint8_t>(DivideBy100(sum + bias));
}

void MixRowByTables(std::uint8_t* pixels, int pixelCount, const MixPlan& plan) {
    for (int i = 0; i < pixelCount * 3; i += 3) {
        pixels[i] = plan.Tables[0][pixels[i]];
        pixels[i + 1] = plan.Tables[1][pixels[i + 1]];
        pixels[i + 2] = plan.Tables[2][pixels[i + 2]];
    }
}

void MixRowsSse2(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int pixelCount,
                 const MixPlan& plan) {
    int done = 0;
#if defined(__SSE2__)
    if (plan.Exact) {
        const int blocks = pixelCount / 16;
        const bool evenTies = plan.EvenTies[0] || plan.EvenTies[1] || plan.EvenTies[2];
        if (evenTies) {
            MixRowsExact<true>(firstRow, stride, rowCount, blocks, plan);
        } else {
            MixRowsExact<false>(firstRow, stride, rowCount, blocks, plan);
        }
        done = blocks * 16;
    }
#endif
    for (int row = 0; row < rowCount; ++row) {
        MixRowByTables(firstRow + row * stride + done * 3, pixelCount - done, plan);
    }
}

}  // namespace quendar
