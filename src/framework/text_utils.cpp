#include "framework/text_utils.h"

#include <algorithm>

namespace quendar {

namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

char ToUpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string TrimLeft(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsTrimmed(text[first])) ++first;
    return std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsTrimmed(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(separators, at);
        if (start == std::string_view::npos) break;
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) end = text.size();
        words.push_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

std::string Trim(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsTrimmed(text[first])) ++first;
    std::size_t end = text.size();
    while (end > first && IsTrimmed(text[end - 1])) --end;
    return std::string(text.substr(first, end - first));
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), ToUpperAscii);
    return result;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), ToLowerAscii);
    return result;
}

int CompareText(std::string_view a, std::string_view b) {
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        auto ca = static_cast<unsigned char>(ToUpperAscii(a[i]));
        auto cb = static_cast<unsigned char>(ToUpperAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareStr(std::string_view a, std::string_view b) {
    int result = a.compare(b);
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::uint64_t value, int digits) {
    static constexpr char hexDigits[] = "0123456789ABCDEF";
    std::string result;
    do {
        result.insert(result.begin(), hexDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(result.size()) < digits) result.insert(0, digits - result.size(), '0');
    return result;
}

}  // namespace quendar
