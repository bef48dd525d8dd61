#include "app/dates/date_values.h"

#include <cmath>
#include <cstdint>

#include "framework/exception.h"

namespace quendar {

namespace {

// Day 0 is 30 December 1899; 1 January 0001 lies this many days before day 1.
constexpr std::int64_t DaysBeforeDayOne = 693594;

constexpr int DaysIn400Years = 146097;
constexpr int DaysIn100Years = 36524;
constexpr int DaysIn4Years = 1461;

// Far beyond any date text can name, near enough that years still fit an int.
constexpr double LargestSplittableValue = 2.0e9;

int DayOfYear(int year, int month, int day) {
    int days = day;
    for (int m = 1; m < month; ++m) days += MonthLength(year, m);
    return days;
}

}  // namespace

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int MonthLength(int year, int month) {
    static constexpr int Lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && IsLeap(year)) return 29;
    return Lengths[month - 1];
}

bool TryMakeDate(int year, int month, int day, TDateTime& value) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > MonthLength(year, month))
        return false;
    const int y = year - 1;
    value = y * 365 + y / 4 - y / 100 + y / 400 + DayOfYear(year, month, day) - DaysBeforeDayOne;
    return true;
}

TDateTime MakeDate(int year, int month, int day) {
    TDateTime value = 0;
    if (!TryMakeDate(year, month, day, value)) throw EConvertError("Invalid argument to date encode");
    return value;
}

void SplitDate(TDateTime value, int& year, int& month, int& day) {
    year = month = day = 0;
    if (!std::isfinite(value) || value < MinDateValue || value > LargestSplittableValue) return;

    // Zero-based day number counted from 1 January 0001.
    std::int64_t days = static_cast<std::int64_t>(std::trunc(value)) + DaysBeforeDayOne - 1;
    std::int64_t y = 1 + days / DaysIn400Years * 400;
    days %= DaysIn400Years;
    std::int64_t centuries = days / DaysIn100Years;
    if (centuries == 4) centuries = 3;  // the last day of a 400-year cycle
    days -= centuries * DaysIn100Years;
    y += centuries * 100 + days / DaysIn4Years * 4;
    days %= DaysIn4Years;
    std::int64_t years = days / 365;
    if (years == 4) years = 3;  // the last day of a leap cycle
    days -= years * 365;
    y += years;

    year = static_cast<int>(y);
    month = 1;
    int remaining = static_cast<int>(days) + 1;
    while (remaining > MonthLength(year, month)) {
        remaining -= MonthLength(year, month);
        ++month;
    }
    day = remaining;
}

int WeekdayOf(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e15) return 1;
    const std::int64_t shifted = static_cast<std::int64_t>(std::trunc(value)) + DaysBeforeDayOne;
    const std::int64_t remainder = ((shifted % 7) + 7) % 7;
    return static_cast<int>(remainder) + 1;
}

}  // namespace quendar
