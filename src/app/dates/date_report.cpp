#include "app/dates/date_report.h"

#include "app/dates/date_reader.h"
#include "app/dates/date_writer.h"

namespace quendar {

std::string ReportText(std::string_view startText, std::string_view stopText, std::string_view dayCountText,
                       const DateFormatSettings& settings) {
    std::string report;
    report += "Date 1 (Start):    ";
    report += DateToText("yyyymmdd", TextToDate(startText, settings), settings);
    report += "\r\n";
    report += "Date 2 (Stop): ";
    report += DateToText("yyyymmdd", TextToDate(stopText, settings), settings);
    report += "\r\n";
    report += "Total Days:      ";
    report += dayCountText;
    report += " days";
    return report;
}

std::string ReportText(std::string_view startText, std::string_view stopText, std::string_view dayCountText) {
    return ReportText(startText, stopText, dayCountText, LocaleDateSettings());
}

}  // namespace quendar
