#include "framework/definition_embedding.h"

#include "framework/exception.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

constexpr int BytesPerLine = 16;

bool IsCppName(std::string_view name) {
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (name.empty() || !isLetter(name.front())) return false;
    for (char c : name) {
        if (!isLetter(c) && !(c >= '0' && c <= '9')) return false;
    }
    return true;
}

}  // namespace

std::string EmbedDefinitionAsCpp(std::span<const std::uint8_t> bytes, std::string_view symbol,
                                 std::string_view sourceName) {
    if (!IsCppName(symbol)) throw Exception("'" + std::string(symbol) + "' is not a valid C++ name");
    if (bytes.empty()) throw Exception("An empty definition cannot be embedded");
    std::string text = "// Generated from ";
    text += sourceName;
    text +=
        " by definition_compiler. Do not edit.\n\n#include <cstdint>\n#include <span>\n\nnamespace quendar "
        "{\n\n";
    text += "namespace {\n\nconst std::uint8_t Definition[";
    text += std::to_string(bytes.size());
    text += "] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += i % BytesPerLine == 0 ? "\n    " : " ";
        text += "0x";
        text += IntToHex(bytes[i], 2);
        text += ',';
    }
    text += "\n};\n\n}  // namespace\n\nextern const std::span<const std::uint8_t> ";
    text += symbol;
    text += ";\nconst std::span<const std::uint8_t> ";
    text += symbol;
    text += "(Definition);\n\n}  // namespace quendar\n";
    return text;
}

}  // namespace quendar
