#pragma once
// Keyboard shortcuts of menu items: a virtual key in the low byte and the
// modifier keys in the high bits (Alt+F4 is 0x8073), and their text
// ("Alt+F4", "Ctrl+C", "Shift+Del"). Modifiers are written Shift, Ctrl, Alt
// in that order.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/control_types.h"

namespace quendar {

using TShortCut = std::uint16_t;

enum : TShortCut {
    scNone = 0,
    scShift = 0x2000,
    scCtrl = 0x4000,
    scAlt = 0x8000,
};

// Only ssShift, ssCtrl and ssAlt count; the key's high bits are dropped.
TShortCut ShortCut(int key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, int& key, TShiftState& shift);

// Empty for scNone and for keys without a name.
std::string ShortCutToText(TShortCut shortCut);
// Reads the text ShortCutToText writes, with letters in any case; scNone
// for text that names no shortcut.
TShortCut TextToShortCut(std::string_view text);

}  // namespace quendar
