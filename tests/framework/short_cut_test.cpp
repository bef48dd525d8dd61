#include "framework/short_cut.h"

#include <gtest/gtest.h>

#include "platform/virtual_keys.h"

namespace quendar {
namespace {

using S = TShiftState;

TEST(ShortCutTest, TextOfKeyAndShiftStateAndBackAgain) {
    struct Case {
        int Key;
        TShiftState Shift;
        TShortCut Value;
        const char* Text;
    };
    const Case cases[] = {
        {VK_F4, S::ssAlt, 0x8073, "Alt+F4"},
        {'C', S::ssCtrl, 0x4043, "Ctrl+C"},
        {VK_DELETE, S::ssShift, 0x202E, "Shift+Del"},
        {VK_INSERT, S::ssCtrl, 0x402D, "Ctrl+Ins"},
        {'Z', S::ssCtrl | S::ssShift, 0x605A, "Shift+Ctrl+Z"},
        {'A', S::ssAlt | S::ssCtrl | S::ssShift, 0xE041, "Shift+Ctrl+Alt+A"},
        {VK_F12, S::ssNone, 0x007B, "F12"},
        {VK_F1, S::ssNone, 0x0070, "F1"},
        {'0', S::ssCtrl, 0x4030, "Ctrl+0"},
        {VK_NUMPAD0 + 7, S::ssNone, 0x0067, "Num 7"},
        {VK_ADD, S::ssCtrl, 0x406B, "Ctrl+Num +"},
        {VK_RETURN, S::ssAlt, 0x800D, "Alt+Enter"},
        {VK_BACK, S::ssAlt, 0x8008, "Alt+BkSp"},
        {VK_ESCAPE, S::ssNone, 0x001B, "Esc"},
        {VK_SPACE, S::ssCtrl, 0x4020, "Ctrl+Space"},
        {VK_PRIOR, S::ssNone, 0x0021, "PgUp"},
        {VK_NEXT, S::ssShift, 0x2022, "Shift+PgDn"},
        {VK_LEFT, S::ssNone, 0x0025, "Left"},
        {VK_DOWN, S::ssCtrl, 0x4028, "Ctrl+Down"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        TShortCut value = ShortCut(c.Key, c.Shift);
        EXPECT_EQ(value, c.Value);
        EXPECT_EQ(ShortCutToText(value), c.Text);
        EXPECT_EQ(TextToShortCut(c.Text), c.Value);
        int key = 0;
        TShiftState shift = S::ssNone;
        ShortCutToKey(value, key, shift);
        EXPECT_EQ(key, c.Key);
        EXPECT_EQ(shift, c.Shift);
    }
}

TEST(ShortCutTest, MouseStatesAndHighKeyBitsDoNotLeakIntoTheValue) {
    EXPECT_EQ(ShortCut(VK_F4, S::ssAlt | S::ssLeft | S::ssDouble), TShortCut{0x8073});
    EXPECT_EQ(ShortCut(0x173, S::ssNone), TShortCut{0x0073});
}

TEST(ShortCutTest, KeysWithoutNameHaveNoText) {
    EXPECT_EQ(ShortCutToText(scNone), "");
    EXPECT_EQ(ShortCutToText(ShortCut(0x07, S::ssCtrl)), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "");
}

TEST(ShortCutTest, ReadingTextIsLenientAboutCaseAndOrderButNothingElse) {
    struct Case {
        const char* Text;
        TShortCut Value;
    };
    const Case cases[] = {
        {"ctrl+c", 0x4043},
        {"ALT+f4", 0x8073},
        {"Ctrl+Shift+Z", 0x605A},
        {"Alt+Ctrl+Shift+A", 0xE041},
        {"Num +", 0x006B},
        {"shift+del", 0x202E},
        {"", scNone},
        {"Ctrl+", scNone},
        {"Ctrl", scNone},
        {"Ctrl+Ctrl+C", scNone},
        {"Ctrl+CC", scNone},
        {"Alt+F13", scNone},
        {"F0", scNone},
        {" Ctrl+C", scNone},
        {"Ctrl-C", scNone},
        {"Hyper+C", scNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(TextToShortCut(c.Text), c.Value);
    }
}

}  // namespace
}  // namespace quendar
