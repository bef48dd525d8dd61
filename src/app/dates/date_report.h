#pragma once
// The three-line report that "Report to Clipboard" copies:
//   Date 1 (Start):    20260301<CR LF>
//   Date 2 (Stop): 20260315<CR LF>
//   Total Days:      14 days
// The day count is the day-count field's text as it stands, not recomputed.

#include <string>
#include <string_view>

#include "app/dates/date_settings.h"

namespace quendar {

// Reads the start text first, so when both dates are invalid the
// EConvertError names the start text.
std::string ReportText(std::string_view startText, std::string_view stopText, std::string_view dayCountText,
                       const DateFormatSettings& settings);
std::string ReportText(std::string_view startText, std::string_view stopText, std::string_view dayCountText);

}  // namespace quendar
