#pragma once
// The day count the main window shows, computed from the two date fields'
// texts. The window and the command line share it so both read dates alike.

#include <optional>
#include <string>
#include <string_view>

#include "app/dates/date_settings.h"

namespace quendar {

inline constexpr std::string_view EnterValidDatesText = "Enter valid dates";

// Removes leading and trailing characters with codes 0 to 32.
std::string_view TrimControlCharacters(std::string_view text);

// The new text of the day-count field, or nothing when either field is empty
// after trimming (the field then keeps what it shows). The dates are read
// from the untrimmed texts, stop first; the count is stop minus start. Any
// failure gives "Enter valid dates".
std::optional<std::string> RecalculatedTotalDays(std::string_view startText, std::string_view stopText,
                                                 const DateFormatSettings& settings);
std::optional<std::string> RecalculatedTotalDays(std::string_view startText, std::string_view stopText);

}  // namespace quendar
