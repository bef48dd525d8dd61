// The vector row loops against their scalar forms and against the
// real-valued formulas, over every value where that is cheap.

#include "skin/paint/row_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "paint_test_support.h"
#include "skin/paint/paint_colors.h"

namespace quendar {
namespace {

using namespace quendar::testing;
using Bytes = std::vector<std::uint8_t>;

// Random bytes with runs of key pixels, so key blocks are whole, mixed and
// absent.
Bytes RandomRow(std::mt19937& random, int pixelCount, ColorRef key = KeyColor) {
    Bytes row(pixelCount * 3);
    for (auto& b : row) b = static_cast<std::uint8_t>(random());
    for (int i = 0; i < pixelCount; ++i) {
        const int run = (i / 20) % 3;  // none, every third, all
        if (run == 2 || (run == 1 && i % 3 == 0)) {
            row[i * 3] = static_cast<std::uint8_t>(GetBValue(key));
            row[i * 3 + 1] = static_cast<std::uint8_t>(GetGValue(key));
            row[i * 3 + 2] = static_cast<std::uint8_t>(GetRValue(key));
        }
    }
    return row;
}

double Nearest(double value) { return std::clamp(std::nearbyint(value), 0.0, 255.0); }

TEST(RowKernels, TintFollowsItsFormulaForEveryWeightAndValue) {
    // Every (weight, value) pair once per channel, with the extreme colours.
    for (int colour : {0, 1, 128, 254, 255}) {
        const std::array<std::uint8_t, 3> color{static_cast<std::uint8_t>(colour), 7, 250};
        Bytes pixels(256 * 256 * 3);
        Bytes weights(pixels.size());
        for (int i = 0; i < 65536; ++i) {
            for (int c = 0; c < 3; ++c) {
                weights[i * 3 + c] = static_cast<std::uint8_t>(i >> 8);
                pixels[i * 3 + c] = static_cast<std::uint8_t>(i);
            }
        }
        TintRows(pixels.data(), 0, weights.data(), 0, 1, 65536, color);
        for (int i = 0; i < 65536; ++i) {
            for (int c = 0; c < 3; ++c) {
                const int w = i >> 8, p = i & 255;
                const int expected = std::clamp((color[c] * 256 + w * (p - color[c])) >> 8, 0, 255);
                ASSERT_EQ(pixels[i * 3 + c], expected)
                    << "colour " << int(color[c]) << " w " << w << " p " << p;
            }
        }
    }
}

TEST(RowKernels, GrayDividesEverySumExactly) {
    // One pixel for every channel sum 0..765.
    Bytes row(766 * 3);
    for (int sum = 0; sum <= 765; ++sum) {
        row[sum * 3] = static_cast<std::uint8_t>(std::min(sum, 255));
        row[sum * 3 + 1] = static_cast<std::uint8_t>(std::clamp(sum - 255, 0, 255));
        row[sum * 3 + 2] = static_cast<std::uint8_t>(std::max(sum - 510, 0));
    }
    GrayRow(row.data(), 766);
    for (int sum = 0; sum <= 765; ++sum) {
        for (int c = 0; c < 3; ++c) ASSERT_EQ(row[sum * 3 + c], sum / 3) << "sum " << sum;
    }
}

// Every percent 0..100 and every colour channel: the mixed row of all 256
// values equals the real-valued mix, whichever path the plan chose.
TEST(RowKernels, MixMatchesTheRealValuedFormulaForEveryPercentAndColour) {
    Bytes row(256 * 3);
    int exactPlans = 0;
    for (int percent = 0; percent <= 100; ++percent) {
        const double keep = percent / 100.0;
        for (int colour = 0; colour < 256; ++colour) {
            for (int x = 0; x < 256; ++x)
                row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = static_cast<std::uint8_t>(x);
            const MixPlan plan =
                MakeMixPlan(static_cast<std::uint8_t>(percent), RGB(colour, 255 - colour, colour / 2));
            exactPlans += plan.Exact ? 1 : 0;
            MixRows(row.data(), 0, 1, 256, plan);
            const int channel[3] = {colour / 2, 255 - colour, colour};  // blue, green, red
            for (int x = 0; x < 256; ++x) {
                for (int c = 0; c < 3; ++c) {
                    const double expected = Nearest(keep * x + (1 - keep) * channel[c]);
                    ASSERT_EQ(row[x * 3 + c], expected)
                        << "percent " << percent << " colour " << colour << " x " << x;
                }
            }
        }
    }
    // Most plans take the vector rule; a regression to the tables shows here.
    EXPECT_GT(exactPlans, 101 * 256 * 6 / 10);
}

TEST(RowKernels, MixPlansForTheEngineShareAreExactAndOthersFallBack) {
    struct Case {
        int Percent;
        ColorRef Color;
        bool Exact;
    };
    const Case cases[] = {
        {50, RGB(30, 90, 200), true},    // the disabled look
        {50, RGB(255, 255, 255), true},  // ties to even
        {0, RGB(1, 2, 3), true},         // paints the colour
        {100, RGB(1, 2, 3), true},       // keeps the picture
        {101, RGB(1, 2, 3), false},      // beyond 100 results are limited: tables only
        {255, RGB(0, 0, 0), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeMixPlan(static_cast<std::uint8_t>(c.Percent), c.Color).Exact, c.Exact)
            << "percent " << c.Percent;
    }
    for (int colour = 0; colour < 256; ++colour) {
        ASSERT_TRUE(MakeMixPlan(50, RGB(colour, colour, colour)).Exact) << colour;
    }
}

std::array<std::uint8_t, 65536> OverResults(double factor) {
    std::array<std::uint8_t, 65536> results{};
    for (int s = 0; s < 256; ++s) {
        for (int d = 0; d < 256; ++d)
            results[s * 256 + d] = static_cast<std::uint8_t>(Nearest(s - factor * (s - d)));
    }
    return results;
}

TEST(RowKernels, OverRulesReproduceEveryResultOrAreRefused) {
    struct Case {
        double Factor;
        bool MustBeExact;
    };
    const Case cases[] = {
        {0.4, true},  {0.5, true},      {0.0, true},          {1.0, true},   {0.25, true}, {0.75, true},
        {0.3, false}, {1.0 / 3, false}, {0.123456789, false}, {-0.3, false}, {1.7, false}, {NAN, false},
    };
    for (const Case& c : cases) {
        const auto results = OverResults(c.Factor);
        const OverRule rule = FindOverRule(c.Factor, results);
        if (c.MustBeExact) {
            EXPECT_TRUE(rule.Exact) << c.Factor;
        }
        if (std::isnan(c.Factor) || c.Factor < 0 || c.Factor > 1) {
            EXPECT_FALSE(rule.Exact) << c.Factor;
        }
        if (!rule.Exact) continue;
        for (int s = 0; s < 256; ++s) {
            for (int d = 0; d < 256; ++d) {
                ASSERT_EQ(OverByRule(rule, s, d), results[s * 256 + d]) << c.Factor << " " << s << " " << d;
            }
        }
    }
}

// --- every instruction set against the scalar forms ------------------------

// Lengths around the 16- and 32-pixel blocks and the 8-pixel groups of the
// vector forms, and long rows.
std::vector<int> PixelCounts() {
    std::vector<int> counts;
    for (int n = 0; n <= 100; ++n) counts.push_back(n);
    for (int n : {127, 128, 129, 555}) counts.push_back(n);
    return counts;
}

class RowKernelSets : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        set_ = GetParam() == "SSE2" ? &Sse2RowKernels() : Avx2RowKernels();
        if (set_ == nullptr) GTEST_SKIP() << "this processor has no AVX2: the AVX2 row loops are not tested";
    }
    const RowKernelSet& Set() const { return *set_; }

private:
    const RowKernelSet* set_ = nullptr;
};

// Runs `vector` on the row placed between spare bytes, which must stay as
// they are, and on an exact-size copy, where the sanitizer build sees any
// access beyond the row; both must give the bytes `scalar` gives.
template <typename Vector, typename Scalar>
void ExpectSameBytes(const Bytes& start, Vector vector, Scalar scalar, const std::string& what) {
    constexpr int spare = 8;
    Bytes framed(start.size() + 2 * spare, 0x5A);
    std::copy(start.begin(), start.end(), framed.begin() + spare);
    Bytes exact = start;
    Bytes expected = start;
    vector(framed.data() + spare);
    vector(exact.data());
    scalar(expected.data());
    ASSERT_EQ(exact, expected) << what;
    ASSERT_EQ(Bytes(framed.begin() + spare, framed.end() - spare), expected) << what;
    for (int i = 0; i < spare; ++i) {
        ASSERT_EQ(framed[i], 0x5A) << what << ", byte before the row";
        ASSERT_EQ(framed[framed.size() - 1 - i], 0x5A) << what << ", byte after the row";
    }
}

TEST_P(RowKernelSets, SumMatchesScalarFormForEveryWeight) {
    std::mt19937 random(31);
    std::vector<int> byteCounts;
    for (int n = 0; n <= 200; ++n) byteCounts.push_back(n);
    byteCounts.push_back(555 * 3);
    for (int count : byteCounts) {
        for (unsigned weight = 0; weight <= 255; ++weight) {
            Bytes source(count);
            Bytes start(count);
            for (auto& b : source) b = static_cast<std::uint8_t>(random());
            for (auto& b : start) b = static_cast<std::uint8_t>(random());
            ExpectSameBytes(
                start, [&](std::uint8_t* d) { Set().SumRow(d, source.data(), count, weight); },
                [&](std::uint8_t* d) { SumRowScalar(d, source.data(), count, weight); },
                std::to_string(count) + " bytes, weight " + std::to_string(weight));
        }
    }
}

TEST_P(RowKernelSets, PixelRowsMatchScalarForms) {
    std::mt19937 random(32);
    // Magenta, and a grey key: grey pixels stay grey, so a key pixel must be
    // left alone rather than converted to itself by chance.
    for (ColorRef key : {KeyColor, RGB(0x40, 0x40, 0x40)}) {
        for (int count : PixelCounts()) {
            for (int round = 0; round < 3; ++round) {
                const Bytes source = RandomRow(random, count, key);
                const Bytes start = RandomRow(random, count, key);
                const std::array<std::uint8_t, 3> color{static_cast<std::uint8_t>(random()),
                                                        static_cast<std::uint8_t>(random()),
                                                        static_cast<std::uint8_t>(random())};
                const std::string where = std::to_string(count) + " pixels, key " + std::to_string(key);
                ExpectSameBytes(
                    start, [&](std::uint8_t* p) { Set().TintRows(p, 0, source.data(), 0, 1, count, color); },
                    [&](std::uint8_t* p) { TintRowScalar(p, source.data(), count, color); },
                    "tint, " + where);
                ExpectSameBytes(
                    start, [&](std::uint8_t* p) { Set().GrayRow(p, count); },
                    [&](std::uint8_t* p) { GrayRowScalar(p, count); }, "gray, " + where);
                ExpectSameBytes(
                    start, [&](std::uint8_t* p) { Set().GrayRowExceptKey(p, count, key); },
                    [&](std::uint8_t* p) { GrayRowExceptKeyScalar(p, count, key); },
                    "gray except key, " + where);
                ExpectSameBytes(
                    start, [&](std::uint8_t* p) { Set().CopyRowWithKey(p, source.data(), count, key); },
                    [&](std::uint8_t* p) { CopyRowWithKeyScalar(p, source.data(), count, key); },
                    "copy with key, " + where);
            }
        }
    }
}

// Copying a row onto itself changes nothing; a shifted copy onto itself gives
// the bytes the SSE2 form always gave.
TEST_P(RowKernelSets, CopyOntoItself) {
    std::mt19937 random(33);
    for (int count : {16, 33, 64, 97, 555}) {
        const Bytes start = RandomRow(random, count + 20);
        Bytes same = start;
        Set().CopyRowWithKey(same.data(), same.data(), count + 20, KeyColor);
        ASSERT_EQ(same, start) << count;
        for (int shift : {-17, -16, -1, 1, 15, 16, 17}) {
            Bytes actual = start;
            Bytes expected = start;
            const int sourceAt = shift < 0 ? 3 * -shift : 0;
            const int destinationAt = shift < 0 ? 0 : 3 * shift;
            Set().CopyRowWithKey(actual.data() + destinationAt, actual.data() + sourceAt, count, KeyColor);
            Sse2RowKernels().CopyRowWithKey(expected.data() + destinationAt, expected.data() + sourceAt,
                                            count, KeyColor);
            ASSERT_EQ(actual, expected) << count << " pixels shifted by " << shift;
        }
    }
}

// Several rows with gaps between them: each row as the scalar form gives it,
// the gaps untouched.
TEST_P(RowKernelSets, RowLoopsFollowTheirStrides) {
    std::mt19937 random(34);
    constexpr int rows = 3;
    std::vector<MixPlan> plans;
    bool evenTies = false, otherTies = false;
    for (int percent : {0, 1, 33, 50, 99, 100, 150}) {
        for (ColorRef color : {RGB(30, 90, 200), RGB(255, 255, 255), RGB(1, 2, 3), RGB(0, 128, 7)}) {
            plans.push_back(MakeMixPlan(static_cast<std::uint8_t>(percent), color));
            const MixPlan& plan = plans.back();
            const bool even = plan.EvenTies[0] || plan.EvenTies[1] || plan.EvenTies[2];
            evenTies |= plan.Exact && even;
            otherTies |= plan.Exact && !even;
        }
    }
    ASSERT_TRUE(evenTies && otherTies) << "both vector rules must be exercised";
    std::vector<OverRule> rules;
    for (double factor : {0.4, 0.5, 0.25}) {
        rules.push_back(FindOverRule(factor, OverResults(factor)));
        ASSERT_TRUE(rules.back().Exact) << factor;
    }
    for (int count : PixelCounts()) {
        const int stride = count * 3 + 7;
        const int weightStride = count * 3 + 2;
        // The last row ends the buffer, so reads beyond it are seen.
        Bytes start = RandomRow(random, (rows * stride + 2) / 3);
        Bytes source = RandomRow(random, (rows * weightStride + 2) / 3);
        start.resize((rows - 1) * stride + count * 3);
        source.resize((rows - 1) * weightStride + count * 3);
        const std::array<std::uint8_t, 3> color{12, 200, 99};
        const std::string where = std::to_string(count) + " pixels";
        ExpectSameBytes(
            start,
            [&](std::uint8_t* p) {
                Set().TintRows(p, stride, source.data(), weightStride, rows, count, color);
            },
            [&](std::uint8_t* p) {
                for (int r = 0; r < rows; ++r)
                    TintRowScalar(p + r * stride, source.data() + r * weightStride, count, color);
            },
            "tint, " + where);
        for (const MixPlan& plan : plans) {
            ExpectSameBytes(
                start, [&](std::uint8_t* p) { Set().MixRows(p, stride, rows, count, plan); },
                [&](std::uint8_t* p) {
                    for (int r = 0; r < rows; ++r) MixRowByTables(p + r * stride, count, plan);
                },
                "mix, " + where + ", percent " + std::to_string(plan.Percent));
        }
        for (const OverRule& rule : rules) {
            for (bool blendAll : {false, true}) {
                ExpectSameBytes(
                    start,
                    [&](std::uint8_t* p) {
                        Set().OverRows(p, stride, source.data(), weightStride, rows, count, rule, blendAll,
                                       KeyColor);
                    },
                    [&](std::uint8_t* p) {
                        for (int r = 0; r < rows; ++r) {
                            OverRowScalar(p + r * stride, source.data() + r * weightStride, count, rule,
                                          blendAll, KeyColor);
                        }
                    },
                    "over, " + where + ", denominator " + std::to_string(rule.Denominator) + ", blend all " +
                        std::to_string(blendAll));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(InstructionSets, RowKernelSets, ::testing::Values("SSE2", "AVX2"),
                         [](const auto& info) { return info.param; });

// The loops run AVX2 exactly when the system reports it.
TEST(RowKernels, ActiveSetIsAvx2ExactlyWhenTheProcessorHasIt) {
    std::ifstream cpuinfo("/proc/cpuinfo");
    if (!cpuinfo) GTEST_SKIP() << "no /proc/cpuinfo to compare with";
    bool avx2 = false;
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("flags", 0) == 0) {
            avx2 = (line + " ").find(" avx2 ") != std::string::npos;
            break;
        }
    }
    EXPECT_EQ(Avx2RowKernels() != nullptr, avx2);
    EXPECT_STREQ(ActiveRowKernels().Name, avx2 ? "AVX2" : "SSE2");
}

}  // namespace
}  // namespace quendar
