#include <gtest/gtest.h>

#include "platform/menu.h"
#include "platform/menu_layout.h"
#include "platform/system_colors.h"

namespace quendar {
namespace {

TEST(MenuItemsTest, ItemsAreFoundByCommandOrPositionAndChangedInPlace) {
    HMENU menu = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    ASSERT_TRUE(AppendMenu(sub, MF_STRING | MF_CHECKED, 7, "Deep"));
    ASSERT_TRUE(AppendMenu(menu, MF_STRING, 1, "&Restore"));
    ASSERT_TRUE(AppendMenu(menu, MF_SEPARATOR, 0, "ignored"));
    ASSERT_TRUE(AppendMenu(menu, MF_POPUP, MenuToWParam(sub), "Skins"));
    ASSERT_TRUE(InsertMenu(menu, 1, MF_BYCOMMAND | MF_GRAYED, 2, "Move"));  // before the item with id 1
    EXPECT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuString(menu, 0, MF_BYPOSITION), "Move");
    EXPECT_EQ(GetMenuString(menu, 1, MF_BYCOMMAND), "&Restore");
    EXPECT_EQ(GetMenuString(menu, 2, MF_BYPOSITION), "");
    EXPECT_EQ(GetMenuItemID(menu, 2), 0u);
    EXPECT_EQ(GetMenuItemID(menu, 3), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuItemID(menu, 9), static_cast<UINT>(-1));
    EXPECT_EQ(GetSubMenu(menu, 3), sub);
    EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION), UINT{MF_POPUP | (1u << 8)});
    EXPECT_EQ(GetMenuState(menu, 7, MF_BYCOMMAND), UINT{MF_CHECKED});  // found inside the submenu

    // Each change answers the bits the item had before it.
    EXPECT_EQ(EnableMenuItem(menu, 1, MF_GRAYED), 0);
    EXPECT_EQ(EnableMenuItem(menu, 1, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(CheckMenuItem(menu, 1, MF_CHECKED), 0);
    EXPECT_EQ(CheckMenuItem(menu, 1, MF_CHECKED), MF_CHECKED);
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYCOMMAND), UINT{MF_CHECKED});
    EXPECT_EQ(EnableMenuItem(menu, 99, MF_GRAYED), -1);
    EXPECT_EQ(CheckMenuItem(menu, 99, MF_CHECKED), -1);

    ASSERT_TRUE(ModifyMenu(menu, 1, MF_BYCOMMAND | MF_STRING, 5, "Close\tAlt+F4"));
    EXPECT_EQ(GetMenuString(menu, 5, MF_BYCOMMAND), "Close\tAlt+F4");
    EXPECT_EQ(GetMenuState(menu, 5, MF_BYCOMMAND), 0u);

    ASSERT_TRUE(RemoveMenu(menu, 3, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(sub)) << "RemoveMenu leaves the submenu to the caller";
    ASSERT_TRUE(AppendMenu(menu, MF_POPUP, MenuToWParam(sub), "Skins"));
    ASSERT_TRUE(DeleteMenu(menu, 3, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(sub)) << "DeleteMenu destroys it";
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(DestroyMenu(menu));
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_FALSE(AppendMenu(menu, MF_STRING, 1, "stale"));
}

TEST(MenuItemsTest, AMenuCannotBeCaughtInsideItself) {
    HMENU outer = CreatePopupMenu();
    HMENU inner = CreatePopupMenu();
    ASSERT_TRUE(AppendMenu(outer, MF_POPUP, MenuToWParam(inner), "Inner"));
    EXPECT_FALSE(AppendMenu(outer, MF_POPUP, MenuToWParam(outer), "Self"));
    EXPECT_FALSE(AppendMenu(inner, MF_POPUP, MenuToWParam(outer), "Cycle"));
    MENUITEMINFO cycle;
    cycle.fMask = MIIM_SUBMENU;
    cycle.hSubMenu = outer;
    ASSERT_TRUE(AppendMenu(inner, MF_STRING, 3, "Leaf"));
    EXPECT_FALSE(SetMenuItemInfo(inner, 3, FALSE, cycle));
    EXPECT_FALSE(AppendMenu(outer, MF_POPUP, 0xDEAD, "Unknown submenu"));
    EXPECT_EQ(GetMenuItemCount(outer), 1);
    DestroyMenu(outer);
    EXPECT_FALSE(IsMenu(inner));
}

TEST(MenuItemsTest, RadioItemsCheckOneOfTheirRange) {
    HMENU menu = CreatePopupMenu();
    for (UINT id = 1; id <= 4; ++id) AppendMenu(menu, MF_STRING | MF_CHECKED, id, "Skin");
    ASSERT_TRUE(CheckMenuRadioItem(menu, 1, 3, 2, MF_BYCOMMAND));
    std::vector<UINT> states;
    for (UINT id = 1; id <= 4; ++id) states.push_back(GetMenuState(menu, id, MF_BYCOMMAND));
    EXPECT_EQ(states, (std::vector<UINT>{0, MF_CHECKED | MF_RADIOCHECK, 0, MF_CHECKED}));
    DestroyMenu(menu);
}

TEST(MenuLayoutTest, ColumnsBreakBeforeBreakItemsAndShareTheirWidth) {
    std::vector<MenuItemRecord> items(5);
    items[2].Type = MFT_MENUBREAK;
    items[4].Type = MFT_MENUBARBREAK;
    std::vector<Size> sizes = {{40, 17}, {60, 9}, {30, 17}, {30, 17}, {50, 20}};
    MenuGeometry geometry = ArrangeMenuItems(items, sizes);
    const std::vector<Rect> expected = {
        {0, 0, 60, 17},    {0, 17, 60, 26},   // first column, 60 wide
        {66, 0, 96, 17},   {66, 17, 96, 34},  // after a 6-pixel gap
        {102, 0, 152, 20},                    // after the bar
    };
    EXPECT_EQ(geometry.Items, expected);
    EXPECT_EQ(geometry.BarLines, (std::vector<int>{98}));
    EXPECT_EQ(geometry.Client, (Size{152, 34}));
}

TEST(MenuLayoutTest, ClassicItemsShowSelectionMarksAndSeparators) {
    Bitmap picture(40, 18);
    DeviceContext dc(picture);
    MenuItemRecord checked;
    checked.State = MF_CHECKED;
    PaintClassicMenuItem(dc, checked, {0, 0, 40, 17}, true);
    // The 7 x 7 check mark, centred in the 18-pixel column: rows 5..11, columns 5..11.
    const ColorRef ink = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const ColorRef back = GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(picture.PixelAt(11, 5), ink);  // the tick's top right
    EXPECT_EQ(picture.PixelAt(10, 5), back);
    EXPECT_EQ(picture.PixelAt(7, 11), ink);  // its bottom point
    EXPECT_EQ(picture.PixelAt(5, 7), ink);
    EXPECT_EQ(picture.PixelAt(0, 0), back);
    EXPECT_EQ(picture.PixelAt(39, 16), back);
    EXPECT_EQ(picture.PixelAt(39, 17), RGB(0, 0, 0)) << "nothing below the item";

    MenuItemRecord radio;
    radio.Type = MFT_RADIOCHECK;
    radio.State = MF_CHECKED;
    PaintClassicMenuItem(dc, radio, {0, 0, 40, 17}, false);
    const ColorRef menuInk = GetSysColor(COLOR_MENUTEXT);
    // The 6 x 6 dot at columns 6..11, rows 5..10, its corners cut.
    EXPECT_EQ(picture.PixelAt(6, 5), GetSysColor(COLOR_MENU));
    EXPECT_EQ(picture.PixelAt(7, 5), menuInk);
    EXPECT_EQ(picture.PixelAt(11, 10), GetSysColor(COLOR_MENU));
    EXPECT_EQ(picture.PixelAt(11, 9), menuInk);
    EXPECT_EQ(picture.PixelAt(6, 6), menuInk);
    EXPECT_EQ(picture.PixelAt(0, 0), GetSysColor(COLOR_MENU));

    MenuItemRecord separator;
    separator.Type = MFT_SEPARATOR;
    PaintClassicMenuItem(dc, separator, {0, 0, 40, 9}, false);
    EXPECT_EQ(picture.PixelAt(1, 3), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.PixelAt(1, 4), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.PixelAt(0, 3), GetSysColor(COLOR_MENU));
    EXPECT_EQ(picture.PixelAt(38, 3), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.PixelAt(39, 3), GetSysColor(COLOR_MENU));
}

TEST(MenuLayoutTest, ShortcutTextWidensTheItem) {
    MenuItemRecord plain;
    plain.Text = "Close";
    MenuItemRecord withShortcut;
    withShortcut.Text = "Close\tAlt+F4";
    MenuItemRecord withPrefix;
    withPrefix.Text = "&Close";
    EXPECT_GT(MeasureClassicMenuItem(withShortcut).Width, MeasureClassicMenuItem(plain).Width + 16);
    EXPECT_EQ(MeasureClassicMenuItem(withPrefix), MeasureClassicMenuItem(plain));
    MenuItemRecord separator;
    separator.Type = MFT_SEPARATOR;
    EXPECT_EQ(MeasureClassicMenuItem(separator).Height, 9);
}

}  // namespace
}  // namespace quendar
