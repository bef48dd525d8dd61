#include "skin/paint/color_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "platform/system_colors.h"

namespace quendar {
namespace {

TEST(ClampByte, LimitsToByteRange) {
    const struct { int value; int expected; } cases[] = {
        {-2147483647, 0}, {-1, 0}, {0, 0}, {1, 1}, {254, 254}, {255, 255}, {256, 255}, {70000, 255}};
    for (const auto& c : cases) EXPECT_EQ(ClampByte(c.value), c.expected) << c.value;
}

TEST(MaskedPixel, MaskIsTheDestinationsShare) {
    const struct { int d, s, m, expected; } cases[] = {
        {200, 100, 0, 100},  // mask 0: the source
        {200, 100, 255, 199},  // mask 255: practically the destination
        {0, 255, 255, 0},
        {255, 0, 128, 127},
        {10, 250, 64, 190},  // ((10-250)*64 + 250*256) >> 8 = 190
    };
    for (const auto& c : cases) EXPECT_EQ(MaskedPixel(c.d, c.s, c.m), c.expected) << c.d << "," << c.s << "," << c.m;
}

// Hand-checked values; halves go to the even neighbour.
TEST(ColorMath, HandCheckedValues) {
    EXPECT_EQ(BlendTwoColors(RGB(200, 101, 53), RGB(0, 0, 0), 0.5), RGB(100, 50, 26));
    EXPECT_EQ(BlendTwoColors(RGB(200, 10, 0), RGB(0, 0, 0), -1.0), RGB(255, 20, 0));  // limited
    EXPECT_EQ(BlendTwoColors(0x07000000 | RGB(10, 20, 30), RGB(10, 20, 30), 0.3), RGB(10, 20, 30));
    EXPECT_EQ(InterpolateColor(0x01000010, RGB(0, 0, 0), 0.5), 0x01000008u);  // high byte of a kept
    EXPECT_EQ(InterpolateColor(RGB(255, 0, 0), RGB(0, 0, 255), 0.5), RGB(128, 0, 128));
    EXPECT_EQ(InterpolateColor(SystemColorRef(COLOR_WINDOW), RGB(0, 0, 0), 1.0), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ShiftSaturation(RGB(90, 60, 30), 50), RGB(75, 60, 45));
    EXPECT_EQ(ShiftSaturation(RGB(90, 60, 30), -100), RGB(120, 60, 0));
    EXPECT_EQ(ShiftSaturation(RGB(90, 60, 30), -300), RGB(180, 60, 0));
    EXPECT_EQ(ShiftHue(120, RGB(255, 0, 0)), RGB(0, 255, 0));
    EXPECT_EQ(ShiftHue(-120, RGB(255, 0, 0)), RGB(0, 0, 255));
    EXPECT_EQ(ShiftHue(30, RGB(255, 0, 0)), RGB(255, 128, 0));  // 127.5 to even
    EXPECT_EQ(ShiftHue(400, RGB(255, 0, 0)), RGB(255, 170, 0));
    EXPECT_EQ(ShiftHue(-1000, RGB(255, 0, 0)), ShiftHue(80, RGB(255, 0, 0)));
    EXPECT_EQ(ShiftHue(90, RGB(77, 77, 77)), RGB(77, 77, 77));
    EXPECT_EQ(ShiftHue(90, RGB(0, 0, 0)), RGB(0, 0, 0));
    EXPECT_EQ(ShiftHue(0, SystemColorRef(COLOR_BTNFACE)), GetSysColor(COLOR_BTNFACE));
}

// Straight from the formulas, for random comparison.
int Rounded(double v) { return static_cast<int>(std::clamp(std::nearbyint(v), 0.0, 255.0)); }

ColorRef ReferenceBlend(ColorRef a, ColorRef b, double f) {
    auto ch = [&](int x, int y) { return Rounded(x - (x - y) * f); };
    return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)), ch(GetBValue(a), GetBValue(b)));
}

ColorRef ReferenceInterpolate(ColorRef a, ColorRef b, double f) {
    auto ch = [&](int x, int y) { return Rounded(f * (x - y) + y); };
    return (a & 0xFF000000) |
           RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)), ch(GetBValue(a), GetBValue(b)));
}

ColorRef ReferenceSaturation(ColorRef c, int amount) {
    const double avg = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0;
    auto ch = [&](int x) { return Rounded(x + amount * (avg - x) / 100); };
    return RGB(ch(GetRValue(c)), ch(GetGValue(c)), ch(GetBValue(c)));
}

ColorRef ReferenceHue(int degrees, ColorRef c) {
    const double r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    const double v = std::max({r, g, b});
    const double lo = std::min({r, g, b});
    const double s = v == 0 ? 0 : (v - lo) / v;
    if (s == 0) return c;
    double h = r == v ? (g - b) / (v - lo) : g == v ? 2 + (b - r) / (v - lo) : 4 + (r - g) / (v - lo);
    h *= 60;
    if (h < 0) h += 360;
    long turned = static_cast<long>(std::nearbyint(h + degrees)) % 360;
    if (turned < 0) turned += 360;
    const long i = turned / 60;
    const double f = turned / 60.0 - i;
    const int P = Rounded(v * (1 - s)), Q = Rounded(v * (1 - f * s)), T = Rounded(v * (1 - (1 - f) * s));
    const int V = Rounded(v);
    const ColorRef table[6] = {RGB(V, T, P), RGB(Q, V, P), RGB(P, V, T), RGB(P, Q, V), RGB(T, P, V), RGB(V, P, Q)};
    return table[i];
}

TEST(ColorMath, MatchesPlainFormulasOnRandomColours) {
    std::mt19937 random(21);
    std::uniform_int_distribution<ColorRef> colors(0, 0xFFFFFF);
    std::uniform_real_distribution<double> factors(-0.5, 1.5);
    std::uniform_int_distribution<int> amounts(-200, 200);
    std::uniform_int_distribution<int> degrees(-720, 720);
    for (int i = 0; i < 20000; ++i) {
        const ColorRef a = colors(random), b = colors(random);
        // Every fourth factor a multiple of 1/8, so exact halves occur.
        const double f = i % 4 == 0 ? std::uniform_int_distribution<int>(-4, 12)(random) / 8.0 : factors(random);
        const int amount = amounts(random), turn = degrees(random);
        ASSERT_EQ(BlendTwoColors(a, b, f), ReferenceBlend(a, b, f)) << a << " " << b << " " << f;
        ASSERT_EQ(InterpolateColor(a, b, f), ReferenceInterpolate(a, b, f)) << a << " " << b << " " << f;
        ASSERT_EQ(ShiftSaturation(a, amount), ReferenceSaturation(a, amount)) << a << " " << amount;
        ASSERT_EQ(ShiftHue(turn, a), ReferenceHue(turn, a)) << a << " " << turn;
    }
}

}  // namespace
}  // namespace quendar
