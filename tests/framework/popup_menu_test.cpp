#include "framework/menu_handle_builder.h"
#include "popup_menu_test_support.h"

namespace quendar::testing_support {
namespace {

// Restore (disabled), Move, a separator, Size (hidden), Minimize (default),
// Close Alt+F4, a submenu of radio items in two more columns, Check (checked).
class SystemLikeMenuTest : public PopupMenuTest {
protected:
    void SetUp() override {
        PopupMenuTest::SetUp();
        TMenuItem& items = menu->Items();
        restore = Item(items, "&Restore");
        restore->SetEnabled(false);
        Item(items, "&Move");
        Item(items, "-");
        size = Item(items, "&Size");
        size->SetVisible(false);
        Item(items, "Mi&nimize")->SetDefault(true);
        close = Item(items, "&Close");
        close->SetShortCut(ShortCut(VK_F4, TShiftState::ssAlt));
        skins = Item(items, "S&kins");
        for (const char* name : {"A", "B", "C", "D", "E"}) {
            TMenuItem* skin = Item(*skins, name);
            skin->SetRadioItem(true);
            skin->SetAutoCheck(true);
        }
        skins->Items(0)->SetChecked(true);
        skins->Items(2)->SetBreak(TMenuBreak::mbBreak);
        skins->Items(3)->SetVisible(false);
        skins->Items(4)->SetBreak(TMenuBreak::mbBarBreak);
        Item(items, "C&heck")->SetChecked(true);
    }

    TMenuItem* restore = nullptr;
    TMenuItem* size = nullptr;
    TMenuItem* close = nullptr;
    TMenuItem* skins = nullptr;
};

constexpr UINT Shown = MF_GRAYED | MF_CHECKED | MF_RADIOCHECK | MF_SEPARATOR | MF_DEFAULT | MF_MENUBREAK |
                       MF_MENUBARBREAK | MF_OWNERDRAW | MF_POPUP;

struct ShownItem {
    std::string Text;
    UINT Flags;
};

std::vector<ShownItem> ShownItems(HMENU handle) {
    std::vector<ShownItem> shown;
    for (int position = 0; position < GetMenuItemCount(handle); ++position) {
        auto at = static_cast<UINT>(position);
        shown.push_back(
            {GetMenuString(handle, at, MF_BYPOSITION), GetMenuState(handle, at, MF_BYPOSITION) & Shown});
    }
    return shown;
}

void ExpectShown(HMENU handle, const std::vector<ShownItem>& expected) {
    std::vector<ShownItem> shown = ShownItems(handle);
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(shown[i].Text, expected[i].Text);
        EXPECT_EQ(shown[i].Flags, expected[i].Flags);
    }
}

TEST_F(SystemLikeMenuTest, ThePlatformMenuShowsTheVisibleItemsWithTheirMarks) {
    HMENU built = BuildMenuHandle(menu->Items(), false);
    ExpectShown(built, {{"&Restore", MF_GRAYED},
                        {"&Move", 0},
                        {"", MF_SEPARATOR},
                        {"Mi&nimize", MF_DEFAULT},
                        {"&Close\tAlt+F4", 0},
                        {"S&kins", MF_POPUP},
                        {"C&heck", MF_CHECKED}});
    ExpectShown(GetSubMenu(built, 5), {{"A", MF_RADIOCHECK | MF_CHECKED},
                                       {"B", MF_RADIOCHECK},
                                       {"C", MF_RADIOCHECK | MF_MENUBREAK},
                                       {"E", MF_RADIOCHECK | MF_MENUBARBREAK}});
    // Items are named by their command, as identifier and as item data.
    EXPECT_EQ(GetMenuItemID(built, 4), close->Command());
    MENUITEMINFO info;
    info.fMask = MIIM_DATA;
    ASSERT_TRUE(GetMenuItemInfo(built, 5, TRUE, info));
    EXPECT_EQ(info.dwItemData, skins->Command());
    DestroyMenu(built);
}

TEST_F(SystemLikeMenuTest, OwnerDrawingReachesEveryItemOrOnlyThoseWithHooks) {
    skins->Items(1)->OnDrawItem = [](TComponent*, TCanvas&, const Rect&, bool) {};
    HMENU all = BuildMenuHandle(menu->Items(), true);
    for (const ShownItem& item : ShownItems(all)) EXPECT_TRUE(item.Flags & MF_OWNERDRAW) << item.Text;
    for (const ShownItem& item : ShownItems(GetSubMenu(all, 5)))
        EXPECT_TRUE(item.Flags & MF_OWNERDRAW) << item.Text;
    HMENU some = BuildMenuHandle(menu->Items(), false);
    for (const ShownItem& item : ShownItems(some)) EXPECT_FALSE(item.Flags & MF_OWNERDRAW) << item.Text;
    std::vector<ShownItem> sub = ShownItems(GetSubMenu(some, 5));
    EXPECT_EQ(sub[0].Flags & MF_OWNERDRAW, 0u);
    EXPECT_EQ(sub[1].Flags & MF_OWNERDRAW, UINT{MF_OWNERDRAW});
    DestroyMenu(all);
    DestroyMenu(some);
}

TEST_F(SystemLikeMenuTest, KeysChooseTheItemWhoseOnClickFires) {
    struct Case {
        const char* Name;
        std::vector<int> Keys;  // virtual keys; negative: a typed character
        std::vector<std::string> Clicked;
    };
    const std::vector<Case> cases = {
        {"first enabled item", {VK_DOWN, VK_RETURN}, {"&Move"}},
        {"up wraps to the last", {VK_UP, VK_RETURN}, {"C&heck"}},
        {"accelerator", {-'n'}, {"Mi&nimize"}},
        {"escape", {VK_DOWN, VK_ESCAPE}, {}},
        {"disabled item's accelerator", {-'r', VK_ESCAPE}, {}},
        {"submenu item", {VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}, {"B"}},
        {"next column in the submenu", {-'k', VK_RIGHT, VK_RETURN}, {"C"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        clicked.clear();
        for (int key : c.Keys) {
            if (key >= 0)
                PostKey(key);
            else
                PostCharacter(static_cast<char32_t>(-key));
        }
        menu->Popup(150, 150);
        EXPECT_EQ(clicked, c.Clicked);
        EXPECT_FALSE(GetCapture());
    }
    // AutoCheck moved the radio check along with the choices.
    EXPECT_FALSE(skins->Items(0)->Checked());
    EXPECT_FALSE(skins->Items(1)->Checked());
    EXPECT_TRUE(skins->Items(2)->Checked());
}

TEST_F(SystemLikeMenuTest, TheMouseChoosesByReleaseOverAnItemWithTheTrackButton) {
    struct Case {
        const char* Name;
        TTrackButton Track;
        int Position;  // -1: outside the menu
        MouseButton Button;
        std::vector<std::string> Clicked;
    };
    const std::vector<Case> cases = {
        {"left click", TTrackButton::tbRightButton, 4, MouseButton::Left, {"&Close"}},
        {"right click with the right button tracking",
         TTrackButton::tbRightButton,
         1,
         MouseButton::Right,
         {"&Move"}},
        {"right click with the left button tracking", TTrackButton::tbLeftButton, 1, MouseButton::Right, {}},
        {"disabled item", TTrackButton::tbRightButton, 0, MouseButton::Left, {}},
        {"outside", TTrackButton::tbRightButton, -1, MouseButton::Left, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        clicked.clear();
        menu->SetTrackButton(c.Track);
        PopupAnswering([&](int idle, HWND popup) {
            if (idle == 1)
                PostClick(c.Position < 0 ? Point{20, 20} : ItemCentre(popup, static_cast<UINT>(c.Position)),
                          c.Button);
            else
                PostKey(VK_ESCAPE);
        });
        EXPECT_EQ(clicked, c.Clicked);
    }
}

TEST_F(SystemLikeMenuTest, TheFormFollowsTheOpenMenuAndOnPopupRunsFirst) {
    std::vector<std::string> order;
    menu->OnPopup = TNotifyEvent([&](TComponent* sender) {
        order.push_back("popup");
        EXPECT_EQ(sender, menu.get());
        // Updating items here counts for the menu about to open.
        size->SetVisible(true);
    });
    close->OnClick = TNotifyEvent([&](TComponent*) { order.push_back("close"); });
    PopupAnswering([&](int idle, HWND popup) {
        if (idle == 1) {
            order.push_back("open");
            PostClick(ItemCentre(popup, 5));  // Close moved down one place
        }
    });
    EXPECT_EQ(order, (std::vector<std::string>{"popup", "open", "close"}));
    EXPECT_EQ(menu->PopupPoint(), (Point{150, 150}));
    std::vector<UINT> notices;
    for (UINT message : received) {
        if (message == WM_ENTERMENULOOP || message == WM_INITMENUPOPUP || message == WM_EXITMENULOOP)
            notices.push_back(message);
    }
    EXPECT_EQ(notices, (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_EXITMENULOOP}));
}

TEST_F(SystemLikeMenuTest, AMenuFreedWhileOpenClosesWithoutClicking) {
    PopupAnswering([&](int idle, HWND) {
        if (idle != 1) return;
        menu.reset();
        PostKey(VK_DOWN);
        PostKey(VK_RETURN);
    });
    EXPECT_FALSE(menu);
    EXPECT_TRUE(clicked.empty());
    EXPECT_FALSE(GetCapture());
}

TEST_F(PopupMenuTest, AMenuWithNothingVisibleDoesNotOpen) {
    int popups = 0;
    menu->OnPopup = TNotifyEvent([&](TComponent*) { ++popups; });
    Item(menu->Items(), "hidden")->SetVisible(false);
    menu->Popup(10, 10);
    menu->Items().Clear();
    menu->Popup(10, 10);
    EXPECT_EQ(popups, 2);
    EXPECT_EQ(std::count(received.begin(), received.end(), UINT{WM_ENTERMENULOOP}), 0);
}

TEST_F(SystemLikeMenuTest, ShortCutsClickTheFirstEnabledVisibleItem) {
    TMenuItem* inSkins = skins->Items(1);
    inSkins->SetShortCut(ShortCut('B', TShiftState::ssCtrl));
    restore->SetShortCut(ShortCut('R', TShiftState::ssCtrl));
    size->SetShortCut(ShortCut('S', TShiftState::ssCtrl));
    struct Case {
        int Key;
        TShiftState Shift;
        bool Found;
        std::vector<std::string> Clicked;
    };
    const std::vector<Case> cases = {
        {VK_F4, TShiftState::ssAlt, true, {"&Close"}}, {VK_F4, TShiftState::ssNone, false, {}},
        {'B', TShiftState::ssCtrl, true, {"B"}},       {'R', TShiftState::ssCtrl, false, {}},  // disabled
        {'S', TShiftState::ssCtrl, false, {}},                                                 // hidden
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Key);
        clicked.clear();
        EXPECT_EQ(menu->IsShortCut(c.Key, c.Shift), c.Found);
        EXPECT_EQ(clicked, c.Clicked);
    }
    skins->SetVisible(false);
    EXPECT_EQ(menu->FindShortCut(ShortCut('B', TShiftState::ssCtrl)), nullptr);
}

TEST_F(PopupMenuTest, PopupComponentIsForgottenWhenItDies) {
    auto* target = new TComponent(nullptr);
    menu->SetPopupComponent(target);
    EXPECT_EQ(menu->PopupComponent(), target);
    target->Free();
    EXPECT_EQ(menu->PopupComponent(), nullptr);
}

}  // namespace
}  // namespace quendar::testing_support
