#pragma once
// UTF-8 text from outside (window definitions, skins, the clipboard, the
// command line) decoded to code points without trusting it.

#include <string>
#include <string_view>

namespace quendar {

constexpr char32_t ReplacementCharacter = U'\uFFFD';

// Decodes UTF-8. Every byte that does not start a complete, shortest-form
// sequence of a scalar value (no surrogates, nothing above U+10FFFF) becomes
// one U+FFFD and decoding resumes at the next byte.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace quendar
