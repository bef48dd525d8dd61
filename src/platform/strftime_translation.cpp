#include "platform/strftime_translation.h"

#include <algorithm>
#include <vector>

namespace quendar {

namespace {

struct FormatPiece {
    bool IsConversion = false;
    char Conversion = 0;
    char Flag = 0;  // one of - _ 0 ^ #, or 0 when none
    std::string Literal;
};

using FormatPieces = std::vector<FormatPiece>;

void AppendLiteral(FormatPieces& pieces, std::string_view text) {
    if (text.empty()) return;
    if (pieces.empty() || pieces.back().IsConversion) pieces.push_back({});
    pieces.back().Literal += text;
}

// Composite date conversions are spelled out so that every later step sees
// only single fields; time composites are left to the clock reader.
FormatPieces SplitFormat(std::string_view format, bool expandComposites = true) {
    FormatPieces pieces;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            const std::size_t next = format.find('%', i);
            const std::size_t end = next == std::string_view::npos ? format.size() : next;
            AppendLiteral(pieces, format.substr(i, end - i));
            i = end;
            continue;
        }
        std::size_t at = i + 1;
        char flag = 0;
        while (at < format.size() && std::string_view("-_0^#").find(format[at]) != std::string_view::npos)
            flag = format[at++];
        while (at < format.size() && format[at] >= '0' && format[at] <= '9') ++at;
        if (at < format.size() && (format[at] == 'E' || format[at] == 'O')) ++at;
        if (at >= format.size()) {
            AppendLiteral(pieces, format.substr(i));
            break;
        }
        const char conversion = format[at];
        i = at + 1;
        switch (conversion) {
            case '%':
                AppendLiteral(pieces, "%");
                break;
            case 'n':
                AppendLiteral(pieces, "\n");
                break;
            case 't':
                AppendLiteral(pieces, "\t");
                break;
            case 'D':
            case 'F':
                if (expandComposites) {
                    for (FormatPiece& piece :
                         SplitFormat(conversion == 'D' ? "%m/%d/%y" : "%Y-%m-%d", false)) {
                        if (piece.IsConversion)
                            pieces.push_back(piece);
                        else
                            AppendLiteral(pieces, piece.Literal);
                    }
                }
                break;
            default:
                pieces.push_back({true, conversion, flag, {}});
                break;
        }
    }
    return pieces;
}

bool IsNumericDateField(char conversion) {
    return std::string_view("demyYC").find(conversion) != std::string_view::npos;
}

bool IsTimeField(char conversion) {
    return std::string_view("HIklMSpPrRTXZzscx").find(conversion) != std::string_view::npos;
}

// The date letters for one field; empty for fields a pattern cannot show.
std::string_view PatternOfField(const FormatPiece& piece) {
    const bool unpadded = piece.Flag == '-' || piece.Flag == '_';
    switch (piece.Conversion) {
        case 'd':
            return unpadded ? "d" : "dd";
        case 'e':
            return piece.Flag == '0' ? "dd" : "d";
        case 'm':
            return unpadded ? "M" : "MM";
        case 'y':
            return "yy";
        case 'Y':
            return "yyyy";
        case 'b':
        case 'h':
            return "MMM";
        case 'B':
            return "MMMM";
        case 'a':
            return "ddd";
        case 'A':
            return "dddd";
        default:
            return {};
    }
}

// Writes a format's own text so that the date writer prints it unchanged.
void AppendQuotedLiteral(std::string& pattern, std::string_view literal, std::string_view dateSeparator) {
    bool quoting = false;
    auto setQuoting = [&](bool on) {
        if (on != quoting) pattern += '\'';
        quoting = on;
    };
    for (char c : literal) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (c == '\'') {
            setQuoting(false);
            pattern += "\"'\"";
        } else if (c == '"') {
            setQuoting(false);
            pattern += "'\"'";
        } else if (letter || (c == '/' && dateSeparator != "/")) {
            setQuoting(true);
            pattern += c;
        } else {
            setQuoting(false);
            pattern += c;
        }
    }
    setQuoting(false);
}

std::string PatternOfPieces(const FormatPieces& pieces, std::string_view dateSeparator) {
    std::string pattern;
    bool hasDateField = false;
    for (const FormatPiece& piece : pieces) {
        if (piece.IsConversion) {
            const std::string_view field = PatternOfField(piece);
            hasDateField =
                hasDateField || (!field.empty() && piece.Conversion != 'a' && piece.Conversion != 'A');
            pattern += field;
        } else {
            AppendQuotedLiteral(pattern, piece.Literal, dateSeparator);
        }
    }
    return hasDateField ? pattern : std::string();
}

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::string DateSeparatorFromStrftime(std::string_view dateFormat) {
    const FormatPieces pieces = SplitFormat(dateFormat);
    for (std::size_t i = 0; i + 2 < pieces.size(); ++i) {
        if (!pieces[i].IsConversion || !IsNumericDateField(pieces[i].Conversion)) continue;
        const FormatPiece& between = pieces[i + 1];
        if (between.IsConversion || !pieces[i + 2].IsConversion) return {};
        const std::string& text = between.Literal;
        return text.substr(0, std::min(text.size(), Utf8SequenceLength(static_cast<unsigned char>(text[0]))));
    }
    return {};
}

std::string DatePatternFromStrftime(std::string_view dateFormat, std::string_view dateSeparator) {
    return PatternOfPieces(SplitFormat(dateFormat), dateSeparator);
}

std::string LongDatePatternFromStrftime(std::string_view dateTimeFormat, std::string_view dateSeparator) {
    FormatPieces datePieces;
    bool droppingText = false;
    for (const FormatPiece& piece : SplitFormat(dateTimeFormat)) {
        if (piece.IsConversion) droppingText = IsTimeField(piece.Conversion);
        if (!droppingText) datePieces.push_back(piece);
    }
    if (!datePieces.empty() && !datePieces.back().IsConversion) {
        std::string& tail = datePieces.back().Literal;
        while (!tail.empty() && (tail.back() == ' ' || tail.back() == ',')) tail.pop_back();
    }
    return PatternOfPieces(datePieces, dateSeparator);
}

StrftimeClock ClockFromStrftime(std::string_view timeFormat, std::string_view twelveHourFormat) {
    StrftimeClock clock;
    bool markerSeen = false;
    const std::string_view twelveHour = twelveHourFormat.empty() ? "%I:%M:%S %p" : twelveHourFormat;
    auto scan = [&](std::string_view format, auto& self, int depth) -> bool {
        for (const FormatPiece& piece : SplitFormat(format)) {
            if (!piece.IsConversion) continue;
            const bool unpadded = piece.Flag == '-' || piece.Flag == '_';
            switch (piece.Conversion) {
                case 'p':
                case 'P':
                    markerSeen = true;
                    break;
                case 'r':
                    if (depth == 0 && self(twelveHour, self, 1)) return true;
                    break;
                case 'T':
                case 'R':
                    if (self("%H", self, depth + 1)) return true;
                    break;
                case 'H':
                case 'I':
                    clock = {true, piece.Conversion == 'I', !unpadded, markerSeen};
                    return true;
                case 'k':
                case 'l':
                    clock = {true, piece.Conversion == 'l', piece.Flag == '0', markerSeen};
                    return true;
                default:
                    break;
            }
        }
        return false;
    };
    scan(timeFormat, scan, 0);
    return clock;
}

}  // namespace quendar
