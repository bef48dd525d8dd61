#include "framework/extended_float.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "framework/exception.h"

namespace quendar {
namespace {

ExtendedFloat FromParts(bool negative, int exponent, std::uint64_t mantissa) {
    ExtendedFloat::Bytes bytes{};
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    unsigned top = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
    bytes[8] = static_cast<std::uint8_t>(top);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return ExtendedFloat(bytes);
}

TEST(ExtendedFloat, StoredVersionBytesAreKeptAsTheyAre) {
    // The built-in skin's version: close to 4.81 but neither the decimal 4.81
    // rounded to extended nor the double 4.81 widened, so only the raw bytes
    // reproduce it.
    const ExtendedFloat::Bytes stored{0x83, 0xE2, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40};
    const ExtendedFloat version(stored);
    EXPECT_EQ(version.RawBytes(), stored);
    EXPECT_EQ(version.ToDouble(), std::nextafter(4.81, 0.0));

    const ExtendedFloat decimal = ExtendedFloat::FromDecimalText("4.81");
    EXPECT_EQ(decimal.RawBytes(),
              (ExtendedFloat::Bytes{0x85, 0xEB, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x99, 0x01, 0x40}));
    EXPECT_EQ(decimal.ToDouble(), 4.81);

    const ExtendedFloat widened = ExtendedFloat::FromDouble(4.81);
    EXPECT_EQ(widened.Mantissa(), 0x99EB851EB851E800u);
    EXPECT_EQ(widened.Exponent(), 0x4001);
    EXPECT_NE(widened, decimal);
    EXPECT_NE(widened, version);
}

TEST(ExtendedFloat, FromDoubleIsExact) {
    struct Case {
        double value;
        bool negative;
        int exponent;
        std::uint64_t mantissa;
    };
    const Case cases[] = {
        {0.0, false, 0, 0},
        {-0.0, true, 0, 0},
        {1.0, false, 0x3FFF, 0x8000000000000000u},
        {-2.0, true, 0x4000, 0x8000000000000000u},
        {0.75, false, 0x3FFE, 0xC000000000000000u},
        {std::numeric_limits<double>::max(), false, 0x3FFF + 1023, 0xFFFFFFFFFFFFF800u},
        {std::numeric_limits<double>::min(), false, 0x3FFF - 1022, 0x8000000000000000u},
        {std::numeric_limits<double>::denorm_min(), false, 0x3FFF - 1074, 0x8000000000000000u},
        {std::numeric_limits<double>::infinity(), false, 0x7FFF, 0x8000000000000000u},
        {-std::numeric_limits<double>::infinity(), true, 0x7FFF, 0x8000000000000000u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        ExtendedFloat value = ExtendedFloat::FromDouble(c.value);
        EXPECT_EQ(value, FromParts(c.negative, c.exponent, c.mantissa));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value.ToDouble()), std::bit_cast<std::uint64_t>(c.value));
    }
    ExtendedFloat nan = ExtendedFloat::FromDouble(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(nan.Exponent(), 0x7FFF);
    EXPECT_TRUE(std::isnan(nan.ToDouble()));
}

TEST(ExtendedFloat, NarrowingRoundsToNearestEven) {
    const std::uint64_t one = 0x8000000000000000u;
    struct Case {
        const char* name;
        ExtendedFloat value;
        double expected;
    };
    const double ulp = std::ldexp(1.0, -52);
    const Case cases[] = {
        {"below half", FromParts(false, 0x3FFF, one | 0x3FF), 1.0},
        {"half, even stays", FromParts(false, 0x3FFF, one | 0x400), 1.0},
        {"above half", FromParts(false, 0x3FFF, one | 0x401), 1.0 + ulp},
        {"half, odd rounds up", FromParts(false, 0x3FFF, one | 0xC00), 1.0 + 2 * ulp},
        {"carry into exponent", FromParts(false, 0x3FFF, 0xFFFFFFFFFFFFFC00u), 2.0},
        {"overflow to infinity", FromParts(false, 0x3FFF + 1024, one),
         std::numeric_limits<double>::infinity()},
        {"rounds up past max", FromParts(true, 0x3FFF + 1023, 0xFFFFFFFFFFFFFC00u),
         -std::numeric_limits<double>::infinity()},
        {"subnormal result", FromParts(false, 0x3FFF - 1070, one | (one >> 1)), std::ldexp(3.0, -1071)},
        {"exactly half the smallest subnormal", FromParts(false, 0x3FFF - 1075, one), 0.0},
        {"above half the smallest subnormal", FromParts(false, 0x3FFF - 1075, one | 1),
         std::numeric_limits<double>::denorm_min()},
        {"far below", FromParts(false, 1, one), 0.0},
        {"extended subnormal", FromParts(false, 0, 1), 0.0},
        {"unnormal is read by value", FromParts(false, 0x3FFF, one >> 1), 0.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(c.value.ToDouble()), std::bit_cast<std::uint64_t>(c.expected));
    }
}

TEST(ExtendedFloat, DecimalTextRoundsToNearestEven) {
    struct Case {
        const char* text;
        ExtendedFloat expected;
    };
    const std::uint64_t one = 0x8000000000000000u;
    const Case cases[] = {
        {"0", FromParts(false, 0, 0)},
        {"-0.0", FromParts(true, 0, 0)},
        {"1", FromParts(false, 0x3FFF, one)},
        {"1e0", FromParts(false, 0x3FFF, one)},
        {"0.5", FromParts(false, 0x3FFE, one)},
        {"-3", FromParts(true, 0x4000, 0xC000000000000000u)},
        // Above 2^64 the step is 2. 2^64 + 1 lies half way: ties to the even 2^64.
        {"18446744073709551617", FromParts(false, 0x3FFF + 64, one)},
        {"18446744073709551618", FromParts(false, 0x3FFF + 64, one | 1)},
        // 2^64 + 3 lies half way between an odd and an even mantissa: up to the even one.
        {"18446744073709551619", FromParts(false, 0x3FFF + 64, one | 2)},
        // Half way, but a digit far beyond the kept ones tips it up.
        {"18446744073709551617.000000000000000000000000000001", FromParts(false, 0x3FFF + 64, one | 1)},
        // Subnormal results: the step is 2^-16445 (about 3.645e-4951).
        {"1e-4950", FromParts(false, 0, 3)},
        {"1e-4951", FromParts(false, 0, 0)},
        {"1e-5000", FromParts(false, 0, 0)},
        {"1.18973149535723176502e+4932", FromParts(false, 0x7FFE, 0xFFFFFFFFFFFFFFFFu)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ExtendedFloat::FromDecimalText(c.text), c.expected);
    }
}

TEST(ExtendedFloat, DecimalTextRefusesBadTextAndOverflow) {
    for (const char* text : {"", "x", "1e", "4,81", "1e5000", "-1.19e4932", " 1"}) {
        SCOPED_TRACE(text);
        try {
            ExtendedFloat::FromDecimalText(text);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
// On x86 the compiler's long double is this very format, and its library
// conversions are correctly rounded: an independent reference.
ExtendedFloat FromLongDouble(long double value) {
    ExtendedFloat::Bytes bytes{};
    std::memcpy(bytes.data(), &value, 10);
    return ExtendedFloat(bytes);
}

TEST(ExtendedFloat, AgreesWithTheHardwareFormat) {
    std::mt19937_64 random(2024);
    // Huge decimal exponents are slow to convert exactly; a sixteenth of the cases reach them.
    auto exponentRange = [](int i) { return i % 16 == 0 ? 9800 : 800; };
    for (int i = 0; i < 4000; ++i) {
        std::uint64_t mantissa = random();
        int exponent = static_cast<int>(random() % 0x7FFF);
        ExtendedFloat value =
            FromParts((random() & 1) != 0, exponent, mantissa | (exponent ? 1ull << 63 : 0));
        long double reference = 0;
        std::memcpy(&reference, value.RawBytes().data(), 10);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(value.ToDouble()),
                  std::bit_cast<std::uint64_t>(static_cast<double>(reference)))
            << std::hex << exponent << " " << mantissa;

        double asDouble = std::bit_cast<double>(random());
        if (!std::isnan(asDouble)) {
            ASSERT_EQ(ExtendedFloat::FromDouble(asDouble), FromLongDouble(asDouble));
        }

        char text[64];
        std::snprintf(text, sizeof text, "%llu.%llue%d",
                      static_cast<unsigned long long>(random() % 100000000),
                      static_cast<unsigned long long>(random()),
                      static_cast<int>(random() % exponentRange(i)) - exponentRange(i) / 2);
        ASSERT_EQ(ExtendedFloat::FromDecimalText(text), FromLongDouble(std::strtold(text, nullptr))) << text;
    }
}
#endif

}  // namespace
}  // namespace quendar
