#include "platform/utf8.h"

#include <cstdint>

namespace quendar {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the sequence a lead byte announces, the bits it carries and the
// smallest value that needs that length; zero length for a byte that cannot
// lead.
struct LeadByte {
    int Length = 0;
    char32_t Bits = 0;
    char32_t Minimum = 0;
};

LeadByte ReadLead(unsigned char byte) {
    if (byte < 0x80) return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0) return {2, char32_t{byte & 0x1Fu}, 0x80};
    if ((byte & 0xF0) == 0xE0) return {3, char32_t{byte & 0x0Fu}, 0x800};
    if ((byte & 0xF8) == 0xF0) return {4, char32_t{byte & 0x07u}, 0x10000};
    return {};
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = ReadLead(static_cast<unsigned char>(text[i]));
        if (lead.Length == 0 || i + static_cast<std::size_t>(lead.Length) > text.size()) {
            result.push_back(ReplacementCharacter);
            ++i;
            continue;
        }
        char32_t value = lead.Bits;
        bool complete = true;
        for (int k = 1; k < lead.Length; ++k) {
            auto byte = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if (!IsContinuation(byte)) {
                complete = false;
                break;
            }
            value = (value << 6) | (byte & 0x3Fu);
        }
        bool scalar = value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
        if (!complete || value < lead.Minimum || !scalar) {
            result.push_back(ReplacementCharacter);
            ++i;
            continue;
        }
        result.push_back(value);
        i += static_cast<std::size_t>(lead.Length);
    }
    return result;
}

}  // namespace quendar
