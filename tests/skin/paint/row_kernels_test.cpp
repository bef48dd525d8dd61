// The vector row loops against their scalar forms and against the
// real-valued formulas, over every value where that is cheap.

#include "skin/paint/row_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "paint_test_support.h"
#include "skin/paint/paint_colors.h"

namespace quendar {
namespace {

using namespace quendar::testing;
using Bytes = std::vector<std::uint8_t>;

// Lengths around the 16-pixel blocks, and a long row.
constexpr int PixelCounts[] = {0, 1, 2, 15, 16, 17, 31, 32, 33, 47, 48, 49, 100, 555};

// Random bytes with runs of magenta pixels, so key blocks are whole, mixed
// and absent. Two spare bytes on each side catch writes outside the row.
Bytes RandomRow(std::mt19937& random, int pixelCount) {
    Bytes row(pixelCount * 3 + 4);
    for (auto& b : row) b = static_cast<std::uint8_t>(random());
    for (int i = 0; i < pixelCount; ++i) {
        const int run = (i / 20) % 3;  // none, every third, all
        if (run == 2 || (run == 1 && i % 3 == 0)) {
            row[2 + i * 3] = 0xFF;
            row[3 + i * 3] = 0x00;
            row[4 + i * 3] = 0xFF;
        }
    }
    return row;
}

double Nearest(double value) { return std::clamp(std::nearbyint(value), 0.0, 255.0); }

TEST(RowKernels, VectorFormsMatchScalarForms) {
    std::mt19937 random(21);
    for (int count : PixelCounts) {
        for (int round = 0; round < 4; ++round) {
            const Bytes source = RandomRow(random, count);
            const Bytes start = RandomRow(random, count);
            const unsigned weight = static_cast<unsigned>(RandomInt(random, 0, 255));
            const std::array<std::uint8_t, 3> color{static_cast<std::uint8_t>(random()),
                                                    static_cast<std::uint8_t>(random()),
                                                    static_cast<std::uint8_t>(random())};
            struct Case {
                const char* Name;
                void (*Vector)(Bytes&, const Bytes&, unsigned, const std::array<std::uint8_t, 3>&, int);
                void (*Scalar)(Bytes&, const Bytes&, unsigned, const std::array<std::uint8_t, 3>&, int);
            };
            const Case cases[] = {
                {"sum",
                 [](Bytes& d, const Bytes& s, unsigned w, const auto&, int n) {
                     SumRow(d.data() + 2, s.data() + 2, n * 3, w);
                 },
                 [](Bytes& d, const Bytes& s, unsigned w, const auto&, int n) {
                     SumRowScalar(d.data() + 2, s.data() + 2, n * 3, w);
                 }},
                {"tint",
                 [](Bytes& d, const Bytes& s, unsigned, const auto& c, int n) {
                     TintRows(d.data() + 2, 0, s.data() + 2, 0, 1, n, c);
                 },
                 [](Bytes& d, const Bytes& s, unsigned, const auto& c, int n) {
                     TintRowScalar(d.data() + 2, s.data() + 2, n, c);
                 }},
                {"gray",
                 [](Bytes& d, const Bytes&, unsigned, const auto&, int n) { GrayRow(d.data() + 2, n); },
                 [](Bytes& d, const Bytes&, unsigned, const auto&, int n) {
                     GrayRowScalar(d.data() + 2, n);
                 }},
                {"gray except key",
                 [](Bytes& d, const Bytes&, unsigned, const auto&, int n) {
                     GrayRowExceptKey(d.data() + 2, n, KeyColor);
                 },
                 [](Bytes& d, const Bytes&, unsigned, const auto&, int n) {
                     GrayRowExceptKeyScalar(d.data() + 2, n, KeyColor);
                 }},
            };
            for (const Case& c : cases) {
                Bytes vector = start;
                Bytes scalar = start;
                c.Vector(vector, source, weight, color, count);
                c.Scalar(scalar, source, weight, color, count);
                ASSERT_EQ(vector, scalar) << c.Name << ", " << count << " pixels, round " << round;
            }
        }
    }
}

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

TEST(RowKernels, OverRowsMatchScalarFormWithAndWithoutKey) {
    std::mt19937 random(22);
    for (double factor : {0.4, 0.5, 0.25}) {
        const OverRule rule = FindOverRule(factor, OverResults(factor));
        ASSERT_TRUE(rule.Exact) << factor;
        for (int count : PixelCounts) {
            for (bool blendAll : {false, true}) {
                const Bytes source = RandomRow(random, count);
                const Bytes start = RandomRow(random, count);
                Bytes vector = start;
                Bytes scalar = start;
                OverRows(vector.data() + 2, 0, source.data() + 2, 0, 1, count, rule, blendAll, KeyColor);
                OverRowScalar(scalar.data() + 2, source.data() + 2, count, rule, blendAll, KeyColor);
                ASSERT_EQ(vector, scalar) << factor << ", " << count << " pixels, blend all " << blendAll;
            }
        }
    }
}

}  // namespace
}  // namespace quendar
