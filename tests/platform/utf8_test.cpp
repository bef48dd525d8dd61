#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace quendar {
namespace {

TEST(DecodeUtf8, ValidSequencesAndEveryKindOfBadByte) {
    constexpr char32_t R = ReplacementCharacter;
    struct Case {
        const char* Name;
        std::string Input;
        std::u32string Expected;
    };
    const Case cases[] = {
        {"ascii", "Date 1", U"Date 1"},
        {"two bytes", "\xC3\xA9", U"\u00E9"},
        {"three bytes", "\xE2\x82\xAC", U"\u20AC"},
        {"four bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
        {"largest scalar", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
        {"embedded zero", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
        {"lone continuation", "a\x80z", {U'a', R, U'z'}},
        {"byte that never leads", "\xFF\xFE", {R, R}},
        {"truncated at the end", "ok\xE2\x82", {U'o', U'k', R, R}},
        {"lead followed by ascii", "\xC3z", {R, U'z'}},
        {"overlong slash", "\xC0\xAF", {R, R}},
        {"overlong three-byte", "\xE0\x80\x80", {R, R, R}},
        {"surrogate", "\xED\xA0\x80", {R, R, R}},
        {"above the last scalar", "\xF4\x90\x80\x80", {R, R, R, R}},
        {"five-byte lead", "\xF8\x88\x80\x80\x80", {R, R, R, R, R}},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeUtf8(c.Input), c.Expected) << c.Name;
}

}  // namespace
}  // namespace quendar
