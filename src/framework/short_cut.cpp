#include "framework/short_cut.h"

#include <array>
#include <optional>

#include "framework/text_utils.h"
#include "platform/virtual_keys.h"

namespace quendar {

namespace {

struct NamedKey {
    int Key;
    const char* Name;
};

// Keys whose name is not their own character.
constexpr std::array<NamedKey, 21> NamedKeys = {{
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},        {VK_RETURN, "Enter"},  {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"},     {VK_NEXT, "PgDn"},     {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},      {VK_UP, "Up"},         {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"},     {VK_DELETE, "Del"},    {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},   {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."}, {VK_DIVIDE, "Num /"},
    {VK_APPS, "Menu"},
}};

struct Modifier {
    TShortCut Bit;
    const char* Prefix;
};

constexpr std::array<Modifier, 3> Modifiers = {{{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}}};

std::string KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12) return std::string("F").append(std::to_string(key - VK_F1 + 1));
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        return std::string("Num ").append(std::to_string(key - VK_NUMPAD0));
    for (const NamedKey& named : NamedKeys) {
        if (named.Key == key) return named.Name;
    }
    return {};
}

std::optional<int> KeyOfName(std::string_view name) {
    for (int key = 1; key < 256; ++key) {
        std::string known = KeyName(key);
        if (!known.empty() && SameText(known, name)) return key;
    }
    return std::nullopt;
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

}  // namespace

TShortCut ShortCut(int key, TShiftState shift) {
    auto result = static_cast<TShortCut>(key & 0xFF);
    if (Contains(shift, TShiftState::ssShift)) result |= scShift;
    if (Contains(shift, TShiftState::ssCtrl)) result |= scCtrl;
    if (Contains(shift, TShiftState::ssAlt)) result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, int& key, TShiftState& shift) {
    key = shortCut & 0xFF;
    shift = TShiftState::ssNone;
    if (shortCut & scShift) shift |= TShiftState::ssShift;
    if (shortCut & scCtrl) shift |= TShiftState::ssCtrl;
    if (shortCut & scAlt) shift |= TShiftState::ssAlt;
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyName(shortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    for (const Modifier& modifier : Modifiers) {
        if (shortCut & modifier.Bit) text += modifier.Prefix;
    }
    return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = scNone;
    bool found = true;
    while (found) {
        found = false;
        for (const Modifier& modifier : Modifiers) {
            // "Num +" ends in a plus of its own, so a prefix must leave a key behind.
            if ((modifiers & modifier.Bit) == 0 && StartsWithText(text, modifier.Prefix) &&
                text.size() > std::string_view(modifier.Prefix).size()) {
                modifiers |= modifier.Bit;
                text.remove_prefix(std::string_view(modifier.Prefix).size());
                found = true;
            }
        }
    }
    std::optional<int> key = KeyOfName(text);
    if (!key) return scNone;
    return static_cast<TShortCut>(*key | modifiers);
}

}  // namespace quendar
