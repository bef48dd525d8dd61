#include "app/dates/date_writer.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace quendar {

namespace {

constexpr int MaxNestingDepth = 2;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithFolded(std::string_view text, std::size_t at, std::string_view lowerWord) {
    if (text.size() - at < lowerWord.size()) return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i)
        if (UpperCase(text[at + i]) != UpperCase(lowerWord[i])) return false;
    return true;
}

std::string Padded(long long number, int width) {
    std::string digits = std::to_string(number < 0 ? -number : number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return number < 0 ? "-" + digits : digits;
}

struct TimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
    bool IsMidnight() const { return Hour == 0 && Minute == 0 && Second == 0 && Millisecond == 0; }
};

TimeOfDay TimeOfDayOf(TDateTime value) {
    if (!std::isfinite(value)) return {};
    constexpr std::int64_t MillisecondsPerDay = 86400000;
    std::int64_t ms = std::llround(std::fabs(value - std::trunc(value)) * MillisecondsPerDay);
    if (ms >= MillisecondsPerDay) ms = MillisecondsPerDay - 1;
    return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

class DatePatternWriter {
public:
    DatePatternWriter(TDateTime value, const DateFormatSettings& settings)
        : settings_(settings), weekday_(WeekdayOf(value)), time_(TimeOfDayOf(value)) {
        SplitDate(value, year_, month_, day_);
        hasTimeOfDay_ = !time_.IsMidnight();
    }

    void Write(std::string_view pattern, int depth);
    std::string Result() && { return std::move(text_); }

private:
    // Appends whole characters (UTF-8 sequences) until the limit is reached.
    void Append(std::string_view piece) {
        for (char c : piece) {
            const bool startsCharacter = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            if (startsCharacter) {
                if (characterCount_ == MaxDateTextLength) {
                    full_ = true;
                    return;
                }
                ++characterCount_;
            } else if (full_) {
                return;
            }
            text_ += c;
        }
    }
    void AppendNumber(long long number, int width) { Append(Padded(number, width)); }

    void WriteNested(std::string_view pattern, int depth) {
        if (depth < MaxNestingDepth) Write(pattern, depth + 1);
    }

    // Handles an a at `at`: day names, an AM/PM designator, or the letter itself.
    std::size_t WriteLetterA(std::string_view pattern, std::size_t at);
    void WriteRun(char letter, int run, std::string_view pattern, std::size_t next, int depth);
    int HourForPattern(std::string_view rest) const;

    const DateFormatSettings& settings_;
    int year_ = 0, month_ = 0, day_ = 0;
    int weekday_;
    TimeOfDay time_;
    bool hasTimeOfDay_ = false;
    char lastLetter_ = 0;  // upper case; decides whether m means minutes

    std::string text_;
    int characterCount_ = 0;
    bool full_ = false;
};

void DatePatternWriter::Write(std::string_view pattern, int depth) {
    const char savedLastLetter = lastLetter_;
    lastLetter_ = 0;
    std::size_t i = 0;
    while (i < pattern.size() && !full_) {
        const char c = pattern[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            Append(pattern.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? pattern.size() : close + 1;
        } else if (c == '/') {
            Append(std::string_view(&settings_.DateSep, 1));
            ++i;
        } else if (UpperCase(c) == 'A') {
            i = WriteLetterA(pattern, i);
        } else if (IsLetter(c)) {
            std::size_t end = i + 1;
            while (end < pattern.size() && pattern[end] == c) ++end;
            WriteRun(c, static_cast<int>(end - i), pattern, end, depth);
            lastLetter_ = UpperCase(c);
            i = end;
        } else {
            Append(pattern.substr(i, 1));
            ++i;
        }
    }
    lastLetter_ = savedLastLetter;
}

std::size_t DatePatternWriter::WriteLetterA(std::string_view pattern, std::size_t at) {
    const bool afternoon = time_.Hour >= 12;
    lastLetter_ = 'A';
    if (StartsWithFolded(pattern, at, "aaaa")) {
        Append(settings_.DayNamesLong[weekday_]);
        return at + 4;
    }
    if (StartsWithFolded(pattern, at, "aaa")) {
        Append(settings_.DayNamesShort[weekday_]);
        return at + 3;
    }
    if (StartsWithFolded(pattern, at, "am/pm")) {
        Append(pattern.substr(afternoon ? at + 3 : at, 2));
        lastLetter_ = 'M';
        return at + 5;
    }
    if (StartsWithFolded(pattern, at, "a/p")) {
        Append(pattern.substr(afternoon ? at + 2 : at, 1));
        lastLetter_ = 'P';
        return at + 3;
    }
    if (StartsWithFolded(pattern, at, "ampm")) {
        Append(afternoon ? "PM" : "AM");
        lastLetter_ = 'M';
        return at + 4;
    }
    Append(pattern.substr(at, 1));
    return at + 1;
}

// An hour is written on the 12-hour clock when an AM/PM designator follows it.
int DatePatternWriter::HourForPattern(std::string_view rest) const {
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (StartsWithFolded(rest, i, "am/pm") || StartsWithFolded(rest, i, "a/p") ||
            StartsWithFolded(rest, i, "ampm")) {
            const int hour = time_.Hour % 12;
            return hour == 0 ? 12 : hour;
        }
    }
    return time_.Hour;
}

void DatePatternWriter::WriteRun(char letter, int run, std::string_view pattern, std::size_t next,
                                 int depth) {
    switch (UpperCase(letter)) {
        case 'D':
            switch (run) {
                case 1:
                    AppendNumber(day_, 1);
                    break;
                case 2:
                    AppendNumber(day_, 2);
                    break;
                case 3:
                    Append(settings_.DayNamesShort[weekday_]);
                    break;
                case 4:
                    Append(settings_.DayNamesLong[weekday_]);
                    break;
                case 5:
                    WriteNested(settings_.ShortDatePattern, depth);
                    break;
                default:
                    WriteNested(settings_.LongDatePattern, depth);
                    break;
            }
            break;
        case 'M':
            if (lastLetter_ == 'H') {
                AppendNumber(time_.Minute, run == 1 ? 1 : 2);
                break;
            }
            switch (run) {
                case 1:
                    AppendNumber(month_, 1);
                    break;
                case 2:
                    AppendNumber(month_, 2);
                    break;
                case 3:
                    Append(settings_.MonthNamesShort[month_]);
                    break;
                default:
                    Append(settings_.MonthNamesLong[month_]);
                    break;
            }
            break;
        case 'Y':
            AppendNumber(run <= 2 ? year_ % 100 : year_, run <= 2 ? 2 : 4);
            break;
        case 'C':
            WriteNested(settings_.ShortDatePattern, depth);
            if (hasTimeOfDay_) {
                Append(" ");
                WriteNested(settings_.LongTimePattern, depth);
            }
            break;
        case 'H':
            AppendNumber(HourForPattern(pattern.substr(next)), run == 1 ? 1 : 2);
            break;
        case 'N':
            AppendNumber(time_.Minute, run == 1 ? 1 : 2);
            break;
        case 'S':
            AppendNumber(time_.Second, run == 1 ? 1 : 2);
            break;
        case 'Z':
            AppendNumber(time_.Millisecond, run < 3 ? 1 : 3);
            break;
        case 'T':
            // This program keeps one time form, so short and long time both use it.
            WriteNested(settings_.LongTimePattern, depth);
            break;
        default:
            Append(pattern.substr(next - run, run));
            break;
    }
}

}  // namespace

std::string DateToText(std::string_view pattern, TDateTime value, const DateFormatSettings& settings) {
    DatePatternWriter writer(value, settings);
    writer.Write(pattern.empty() ? std::string_view("c") : pattern, 0);
    return std::move(writer).Result();
}

std::string DateToText(std::string_view pattern, TDateTime value) {
    return DateToText(pattern, value, LocaleDateSettings());
}

}  // namespace quendar
