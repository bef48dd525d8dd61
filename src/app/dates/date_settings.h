#pragma once
// The regional settings that date reading and writing follow, with the
// values used where the user's locale supplies none.

#include <array>
#include <string>

namespace quendar {

// Names indexed from 1, as months (1..12) and weekdays (1 = Sunday ... 7)
// are numbered. An index outside the table reads as empty text.
template <int Count>
class OneBasedNames {
public:
    OneBasedNames() = default;
    explicit OneBasedNames(const std::array<std::string, Count>& names) : names_(names) {}

    const std::string& operator[](int index) const {
        static const std::string none;
        return index >= 1 && index <= Count ? names_[index - 1] : none;
    }
    void Set(int index, std::string name) {
        if (index >= 1 && index <= Count) names_[index - 1] = std::move(name);
    }
    static constexpr int Size() { return Count; }

    friend bool operator==(const OneBasedNames&, const OneBasedNames&) = default;

private:
    std::array<std::string, Count> names_{};
};

struct DateFormatSettings {
    char DateSep = '/';
    std::string ShortDatePattern = "m/d/yy";
    std::string LongDatePattern = "mmmm d, yyyy";
    std::string LongTimePattern = "h:mm:ss AMPM";
    OneBasedNames<12> MonthNamesShort = EnglishMonthNamesShort();
    OneBasedNames<12> MonthNamesLong = EnglishMonthNamesLong();
    OneBasedNames<7> DayNamesShort = EnglishDayNamesShort();  // Sunday first
    OneBasedNames<7> DayNamesLong = EnglishDayNamesLong();    // Sunday first
    int YearWindow = 50;

    static OneBasedNames<12> EnglishMonthNamesShort();
    static OneBasedNames<12> EnglishMonthNamesLong();
    static OneBasedNames<7> EnglishDayNamesShort();
    static OneBasedNames<7> EnglishDayNamesLong();

    friend bool operator==(const DateFormatSettings&, const DateFormatSettings&) = default;
};

// The process-wide record that every conversion without an explicit record
// reads. Start-up (and a change of the system's settings) refills it.
DateFormatSettings& LocaleDateSettings();

}  // namespace quendar
