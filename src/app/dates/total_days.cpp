#include "app/dates/total_days.h"

#include "app/dates/date_reader.h"
#include "app/dates/day_count_text.h"

namespace quendar {

namespace {

bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::string_view TrimControlCharacters(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsControlOrBlank(text[begin])) ++begin;
    while (end > begin && IsControlOrBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::optional<std::string> RecalculatedTotalDays(std::string_view startText, std::string_view stopText,
                                                 const DateFormatSettings& settings) {
    if (TrimControlCharacters(stopText).empty()) return std::nullopt;
    if (TrimControlCharacters(startText).empty()) return std::nullopt;
    try {
        const TDateTime stop = TextToDate(stopText, settings);
        const TDateTime start = TextToDate(startText, settings);
        return DayCountToText(stop - start);
    } catch (...) {
        // Every failure, not only an unreadable date, shows the same hint.
        return std::string(EnterValidDatesText);
    }
}

std::optional<std::string> RecalculatedTotalDays(std::string_view startText, std::string_view stopText) {
    return RecalculatedTotalDays(startText, stopText, LocaleDateSettings());
}

}  // namespace quendar
