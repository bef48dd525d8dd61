#include "app/dates/date_reader.h"

#include <cstddef>
#include <string>

#include "app/dates/date_clock.h"
#include "framework/exception.h"

namespace quendar {

namespace {

struct NumberRead {
    int Value = 0;
    int DigitCount = 0;
};

// Reads the tokens of a date text from left to right. A failed read may have
// moved past blanks; callers that try a token restore the position.
class DateTextScanner {
public:
    DateTextScanner(std::string_view text, char separator) : text_(text), separator_(separator) {}

    void SkipBlanks() {
        while (position_ < text_.size() && text_[position_] == ' ') ++position_;
    }

    // A number holds at most four significant digits: digits are taken while
    // the value so far is below 1000, and a fifth one is left unread.
    bool ReadNumber(NumberRead& number) {
        SkipBlanks();
        number = {};
        while (position_ < text_.size() && IsDigit(text_[position_]) && number.Value < 1000) {
            number.Value = number.Value * 10 + (text_[position_] - '0');
            ++number.DigitCount;
            ++position_;
        }
        return number.DigitCount > 0;
    }

    bool ReadSeparator() {
        if (separator_ == ' ') {
            // A blank separator would be swallowed by the blanks before it,
            // so for it a run of blanks with more text after it is the
            // separator; blanks that end the text are only blanks.
            const std::size_t start = position_;
            SkipBlanks();
            return position_ > start && !AtEnd();
        }
        SkipBlanks();
        if (position_ >= text_.size() || text_[position_] != separator_) return false;
        ++position_;
        return true;
    }

    bool TryReadSeparator() {
        const std::size_t start = position_;
        if (ReadSeparator()) return true;
        position_ = start;
        return false;
    }

    bool AtEnd() const { return position_ == text_.size(); }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view text_;
    char separator_;
    std::size_t position_ = 0;
};

}  // namespace

DateFieldOrder FieldOrderOf(std::string_view shortDatePattern) {
    for (char c : shortDatePattern) {
        switch (c) {
            case 'd':
            case 'D':
                return DateFieldOrder::DayMonthYear;
            case 'y':
            case 'Y':
            case 'e':
            case 'E':
                return DateFieldOrder::YearMonthDay;
            case 'm':
            case 'M':
                return DateFieldOrder::MonthDayYear;
            default:
                break;
        }
    }
    return DateFieldOrder::MonthDayYear;
}

int WindowedYear(int twoDigitYear, int yearWindow) {
    const int base = ThisYear() - yearWindow;
    int year = twoDigitYear + base / 100 * 100;
    if (year < base) year += 100;
    return year;
}

bool TryTextToDate(std::string_view text, TDateTime& value, const DateFormatSettings& settings) {
    DateTextScanner scanner(text, settings.DateSep);
    NumberRead first, second, third;
    if (!scanner.ReadNumber(first) || !scanner.ReadSeparator() || !scanner.ReadNumber(second)) return false;

    const DateFieldOrder order = FieldOrderOf(settings.ShortDatePattern);
    int year = 0, month = 0, day = 0;
    if (scanner.TryReadSeparator()) {
        if (!scanner.ReadNumber(third)) return false;
        NumberRead yearRead;
        switch (order) {
            case DateFieldOrder::MonthDayYear:
                month = first.Value;
                day = second.Value;
                yearRead = third;
                break;
            case DateFieldOrder::DayMonthYear:
                day = first.Value;
                month = second.Value;
                yearRead = third;
                break;
            case DateFieldOrder::YearMonthDay:
                yearRead = first;
                month = second.Value;
                day = third.Value;
                break;
        }
        year = yearRead.DigitCount <= 2 ? WindowedYear(yearRead.Value, settings.YearWindow) : yearRead.Value;
    } else {
        year = ThisYear();
        const bool dayFirst = order == DateFieldOrder::DayMonthYear;
        day = dayFirst ? first.Value : second.Value;
        month = dayFirst ? second.Value : first.Value;
    }

    scanner.TryReadSeparator();
    scanner.SkipBlanks();
    TDateTime result = 0;
    if (!scanner.AtEnd() || !TryMakeDate(year, month, day, result)) return false;
    value = result;
    return true;
}

bool TryTextToDate(std::string_view text, TDateTime& value) {
    return TryTextToDate(text, value, LocaleDateSettings());
}

TDateTime TextToDate(std::string_view text, const DateFormatSettings& settings) {
    TDateTime value = 0;
    if (!TryTextToDate(text, value, settings))
        throw EConvertError("'" + std::string(text) + "' is not a valid date");
    return value;
}

TDateTime TextToDate(std::string_view text) { return TextToDate(text, LocaleDateSettings()); }

}  // namespace quendar
