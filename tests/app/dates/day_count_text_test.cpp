#include "app/dates/day_count_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quendar {
namespace {

TEST(DayCountText, WholeCountsArePlainIntegers) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {6, "6"},
        {-6, "-6"},
        {1000000, "1000000"},
        {3652058, "3652058"},
        {-3652058, "-3652058"},
        {999999999999999, "999999999999999"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(DayCountToText(value), text) << value;
}

TEST(DayCountText, OtherNumbersUseFifteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {
        {0.5, "0.5"},
        {-2.25, "-2.25"},
        {1e15, "1E15"},
        {1.5e-5, "1.5E-5"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1.0 / 3, "0.333333333333333"},
        {std::nan(""), "NAN"},
        {-HUGE_VAL, "-INF"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(DayCountToText(value), text) << value;
}

}  // namespace
}  // namespace quendar
