#pragma once
// Small text helpers shared by the framework and the skin engine. All of
// them work on bytes: case folding touches ASCII letters only, and trimming
// removes the control characters and the blank (codes 0 to 32).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quendar {

std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// The words of `text` between any of the `separators`; a run of separators
// counts as one, and no word is empty. The words view `text`.
std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators);

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Compares with ASCII letters folded to upper case: negative, 0 or positive
// as `a` sorts before, equal to or after `b`.
int CompareText(std::string_view a, std::string_view b);
// Byte-wise comparison with the same sign convention.
int CompareStr(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, zero-padded to at least `digits` characters.
std::string IntToHex(std::uint64_t value, int digits);

}  // namespace quendar
