#pragma once
// Weekdays as the month calendar counts them: Monday first, plus a value that
// stands for the user's locale, and sets of them for the weekend columns.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quendar {

enum class TCalDayOfWeek : int {
    dowMonday = 0,
    dowTuesday,
    dowWednesday,
    dowThursday,
    dowFriday,
    dowSaturday,
    dowSunday = 6,
    dowLocaleDefault = 7,
};

// A set of TCalDayOfWeek, one bit per value (bit 0 = Monday ... bit 6 = Sunday).
class TDaysOfWeek {
public:
    constexpr TDaysOfWeek() = default;
    constexpr TDaysOfWeek(std::initializer_list<TCalDayOfWeek> days) {
        for (TCalDayOfWeek day : days) Include(day);
    }
    // Bits above the eight values are dropped.
    static constexpr TDaysOfWeek FromBits(unsigned bits) {
        TDaysOfWeek set;
        set.bits_ = static_cast<std::uint8_t>(bits & 0xFF);
        return set;
    }

    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Contains(TCalDayOfWeek day) const { return (bits_ & BitOf(day)) != 0; }
    constexpr void Include(TCalDayOfWeek day) { bits_ |= BitOf(day); }
    constexpr void Exclude(TCalDayOfWeek day) { bits_ &= static_cast<std::uint8_t>(~BitOf(day)); }

    friend constexpr bool operator==(TDaysOfWeek, TDaysOfWeek) = default;

private:
    // No bit for a value outside the eight.
    static constexpr std::uint8_t BitOf(TCalDayOfWeek day) {
        const int index = static_cast<int>(day);
        return index >= 0 && index <= 7 ? static_cast<std::uint8_t>(1u << index) : 0;
    }

    std::uint8_t bits_ = 0;
};

// Reads the locale's first-day-of-week item ("0" = Monday ... "6" = Sunday).
// The calendar asks it on every use, so a changed locale shows at the next
// update. Without a source, or when the item is anything but one digit 0..6,
// the week starts on Sunday, as with the platform's default items.
using LocaleFirstDaySource = std::function<std::string()>;

// Replaces the process-wide source and returns the one it replaced; an empty
// source restores the Sunday default.
LocaleFirstDaySource SetLocaleFirstDaySource(LocaleFirstDaySource source);

TCalDayOfWeek DayOfWeekFromLocaleItem(std::string_view item);

// The first column's weekday (dowMonday ... dowSunday): startOfWeek itself,
// or the locale's first day for dowLocaleDefault and any value outside 0..6.
TCalDayOfWeek FirstDayOfWeek(TCalDayOfWeek startOfWeek);

}  // namespace quendar
