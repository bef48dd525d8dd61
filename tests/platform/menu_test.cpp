#include "platform/menu.h"

#include "platform/modal_loop.h"
#include "platform/owner_draw.h"
#include "platform/system_colors.h"
#include "window_test_support.h"

namespace quendar {
namespace {

using testing_support::WindowTest;

enum : UINT { IdOpen = 10, IdSave = 11, IdSaveAs = 12, IdClose = 13 };

class MenuTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        owner = Top(WS_POPUP | WS_VISIBLE, Rect::FromSize(100, 100, 300, 200));
        robot->Pump();
        menu = CreatePopupMenu();
        AppendMenu(menu, MF_STRING, IdOpen, "&Open\tCtrl+O");
        AppendMenu(menu, MF_SEPARATOR, 0, "");
        AppendMenu(menu, MF_STRING | MF_GRAYED, IdSave, "&Save");
        AppendMenu(menu, MF_STRING, IdSaveAs, "Save &As");
        AppendMenu(menu, MF_STRING, IdClose, "&Close\tAlt+F4");
        log.clear();
    }

    void TearDown() override {
        DestroyMenu(menu);
        WindowTest::TearDown();
    }

    // Runs `whileOpen` each time the menu loop waits, with the count of waits so far.
    void WhileOpen(std::function<void(int idle, HWND popup)> whileOpen) {
        handler = [whileOpen, idles = 0](HWND, UINT message, WPARAM wParam,
                                         LPARAM lParam) mutable -> std::optional<LRESULT> {
            if (message == WM_ENTERIDLE && wParam == MSGF_MENU)
                whileOpen(++idles, HandleFromParam(static_cast<std::uintptr_t>(lParam)));
            return std::nullopt;
        };
    }

    static void PostKey(int key) {
        for (RawInput::Kind kind : {RawInput::Kind::KeyDown, RawInput::Kind::KeyUp}) {
            RawInput input;
            input.Type = kind;
            input.VirtualKey = key;
            PostRawInput(input);
        }
    }

    static void PostMouse(RawInput::Kind kind, Point screen) {
        RawInput input;
        input.Type = kind;
        input.Screen = screen;
        PostRawInput(input);
    }

    static void PostClick(Point screen) {
        PostMouse(RawInput::Kind::MouseMove, screen);
        PostMouse(RawInput::Kind::ButtonDown, screen);
        PostMouse(RawInput::Kind::ButtonUp, screen);
    }

    Point ItemCentre(HMENU shown, UINT position) {
        Rect item;
        EXPECT_TRUE(GetMenuItemRect(shown, position, item));
        return {(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2};
    }

    HWND owner;
    HMENU menu;
};

TEST_F(MenuTest, KeysMoveOverSelectableItemsAndChoose) {
    struct Case {
        const char* Name;
        std::vector<int> Keys;  // virtual keys; negative: a typed character
        UINT Chosen;
    };
    const std::vector<Case> cases = {
        {"first item", {VK_DOWN, VK_RETURN}, IdOpen},
        {"separator and grayed item skipped", {VK_DOWN, VK_DOWN, VK_RETURN}, IdSaveAs},
        {"up from nothing wraps to the last", {VK_UP, VK_RETURN}, IdClose},
        {"down wraps to the first", {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, IdOpen},
        {"home and end", {VK_END, VK_HOME, VK_RETURN}, IdOpen},
        {"escape cancels", {VK_DOWN, VK_ESCAPE}, 0},
        {"alt cancels", {VK_DOWN, VK_MENU}, 0},
        {"enter without a selection does nothing", {VK_RETURN, VK_ESCAPE}, 0},
        {"accelerator chooses", {-'a'}, IdSaveAs},
        {"accelerator ignores case", {-'C'}, IdClose},
        {"grayed item's accelerator does nothing", {-'s', VK_ESCAPE}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        for (int key : c.Keys) {
            if (key >= 0) {
                PostKey(key);
                continue;
            }
            RawInput typed;
            typed.Type = RawInput::Kind::Character;
            typed.Character = static_cast<char32_t>(-key);
            PostRawInput(typed);
        }
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner), static_cast<BOOL>(c.Chosen));
        EXPECT_FALSE(GetCapture());
    }
}

TEST_F(MenuTest, TheOpenMenuIsAWindowOfTheMenuClassHoldingTheCapture) {
    HWND found;
    HWND captured;
    LRESULT shownMenu = 0;
    std::string className;
    Rect placed;
    WhileOpen([&](int idle, HWND popup) {
        if (idle > 1) return;
        Point centre = ItemCentre(menu, 0);
        found = WindowFromPoint(centre);
        captured = GetCapture();
        className = GetClassName(found);
        shownMenu = SendMessage(found, MN_GETHMENU, 0, 0);
        GetWindowRect(popup, placed);
        PostKey(VK_ESCAPE);
    });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 160, owner), 0);
    EXPECT_EQ(className, "#32768");
    EXPECT_EQ(captured, found);
    EXPECT_EQ(shownMenu, static_cast<LRESULT>(menu.Value()));
    EXPECT_EQ(placed.TopLeft(), (Point{150, 160}));
    EXPECT_FALSE(IsWindow(found));
    EXPECT_EQ(GetActiveWindow(), owner);  // the menu never takes the activation
}

TEST_F(MenuTest, TheMouseChoosesOnReleaseOverAnEnabledItemAndCancelsOutside) {
    struct Case {
        const char* Name;
        std::vector<int> Clicks;  // item positions; -1: outside the menu
        UINT Chosen;
    };
    const std::vector<Case> cases = {
        {"enabled item", {3}, IdSaveAs},
        {"outside", {-1}, 0},
        {"grayed item, then outside", {2, -1}, 0},
        {"separator, then an item", {1, 4}, IdClose},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        WhileOpen([&](int idle, HWND) {
            if (idle > static_cast<int>(c.Clicks.size())) return;
            int position = c.Clicks[static_cast<std::size_t>(idle - 1)];
            PostClick(position < 0 ? Point{20, 20} : ItemCentre(menu, static_cast<UINT>(position)));
        });
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner), static_cast<BOOL>(c.Chosen));
    }
}

TEST_F(MenuTest, HoveringHighlightsTheItemAndAnnouncesIt) {
    Bitmap picture;
    HWND shown;
    WhileOpen([&](int idle, HWND popup) {
        if (idle == 1) {
            PostMouse(RawInput::Kind::MouseMove, ItemCentre(menu, 3));
        } else if (idle == 2) {
            FlushPresentation();
            picture = display->Screenshot(popup);
            shown = popup;
            PostKey(VK_ESCAPE);
        }
    });
    TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner);
    auto select =
        std::find_if(log.begin(), log.end(), [](const auto& m) { return m.Message == WM_MENUSELECT; });
    ASSERT_NE(select, log.end());
    EXPECT_EQ(LOWORD(select->WParam), IdSaveAs);
    EXPECT_EQ(HIWORD(select->WParam) & (MF_HILITE | 0x8000u), MF_HILITE | 0x8000u);
    EXPECT_EQ(MenuFromParam(static_cast<std::uintptr_t>(select->LParam)), menu);
    ASSERT_FALSE(picture.IsEmpty());
    // The highlighted item's left end (inside the frame) and another item's.
    int selectedRow = 3 + 17 * 1 + 9 + 17 + 2;
    EXPECT_EQ(picture.PixelAt(4, selectedRow), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(picture.PixelAt(4, 3 + 2), GetSysColor(COLOR_MENU));
    EXPECT_EQ(picture.PixelAt(0, 0), GetSysColor(COLOR_3DLIGHT));
}

TEST_F(MenuTest, WithoutReturnCmdTheChoiceIsPostedAsCommandAfterTheNotifications) {
    PostKey(VK_DOWN);
    PostKey(VK_RETURN);
    EXPECT_EQ(TrackPopupMenu(menu, 0, 150, 150, owner), TRUE);
    robot->Pump();
    const std::set<UINT> notices = {WM_ENTERMENULOOP,   WM_INITMENU,     WM_INITMENUPOPUP,
                                    WM_UNINITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND};
    EXPECT_EQ(MessagesOf(owner, notices),
              (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_UNINITMENUPOPUP,
                                 WM_EXITMENULOOP, WM_COMMAND}));
    EXPECT_EQ(Last(owner, WM_COMMAND)->WParam, WPARAM{IdOpen});
    EXPECT_EQ(MenuFromParam(Last(owner, WM_INITMENUPOPUP)->WParam), menu);
    EXPECT_EQ(Last(owner, WM_MENUSELECT)->WParam, MAKEWPARAM(0, MenuSelectClosed));

    log.clear();
    PostKey(VK_ESCAPE);
    EXPECT_EQ(TrackPopupMenu(menu, 0, 150, 150, owner), FALSE);
    robot->Pump();
    EXPECT_FALSE(Last(owner, WM_COMMAND));
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredThenDrawnByTheOwner) {
    HMENU drawn = CreatePopupMenu();
    AppendMenu(drawn, MF_OWNERDRAW | MF_CHECKED, 20, "");
    MENUITEMINFO data;
    data.fMask = MIIM_DATA;
    data.dwItemData = 0xABC;
    ASSERT_TRUE(SetMenuItemInfo(drawn, 20, FALSE, data));
    std::vector<MEASUREITEMSTRUCT> measured;
    std::vector<DRAWITEMSTRUCT> draws;
    std::vector<UINT> order;
    HWND popupSeen;
    handler = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
        if (message == WM_INITMENUPOPUP || message == WM_MEASUREITEM || message == WM_DRAWITEM)
            order.push_back(message);
        if (message == WM_MEASUREITEM) {
            auto* measure = LParamToPointer<MEASUREITEMSTRUCT>(lParam);
            measured.push_back(*measure);
            measure->itemWidth = 80;
            measure->itemHeight = 30;
            return TRUE;
        }
        if (message == WM_DRAWITEM) {
            auto* draw = LParamToPointer<DRAWITEMSTRUCT>(lParam);
            draws.push_back(*draw);
            draw->hDC->FillSolidRect(draw->rcItem,
                                     (draw->itemState & ODS_SELECTED) ? RGB(0, 200, 0) : RGB(200, 0, 0));
            return TRUE;
        }
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
            popupSeen = HandleFromParam(static_cast<std::uintptr_t>(lParam));
            PostKey(draws.size() == 1 ? VK_DOWN : VK_RETURN);
        }
        return std::nullopt;
    };
    EXPECT_EQ(TrackPopupMenu(drawn, TPM_RETURNCMD, 150, 150, owner), 20);
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ((std::vector<UINT>(order.begin(), order.begin() + 3)),
              (std::vector<UINT>{WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM}));
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0].CtlType, UINT{ODT_MENU});
    EXPECT_EQ(measured[0].itemID, 20u);
    EXPECT_EQ(measured[0].itemData, UINT_PTR{0xABC});
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].CtlType, UINT{ODT_MENU});
    EXPECT_EQ(draws[0].itemAction, UINT{ODA_DRAWENTIRE});
    EXPECT_EQ(draws[0].itemState, UINT{ODS_CHECKED});
    EXPECT_EQ(draws[0].rcItem, Rect::FromSize(0, 0, 80, 30));
    EXPECT_EQ(draws[0].itemData, UINT_PTR{0xABC});
    EXPECT_EQ(draws[0].hwndItem, popupSeen);
    EXPECT_EQ(draws[0].hMenu, drawn);
    EXPECT_EQ(draws[1].itemAction, UINT{ODA_SELECT});
    EXPECT_EQ(draws[1].itemState, UINT{ODS_CHECKED | ODS_SELECTED});
    DestroyMenu(drawn);
}

TEST_F(MenuTest, TheMenuIsKeptInsideTheScreen) {
    Rect placed;
    WhileOpen([&](int, HWND popup) {
        GetWindowRect(popup, placed);
        PostKey(VK_ESCAPE);
    });
    TrackPopupMenu(menu, TPM_RETURNCMD, 790, 590, owner);
    EXPECT_EQ(placed.Right, 790);   // opened to the left of the point
    EXPECT_EQ(placed.Bottom, 590);  // and above it
    TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTALIGN, 10, 10, owner);
    EXPECT_EQ(placed.TopLeft(), (Point{0, 10}));
}

TEST_F(MenuTest, ASubmenuOpensToTheRightAndItsItemIsChosen) {
    HMENU sub = CreatePopupMenu();
    AppendMenu(sub, MF_STRING, 30, "&First");
    AppendMenu(sub, MF_STRING, 31, "&Second");
    ASSERT_TRUE(InsertMenu(menu, 0, MF_BYPOSITION | MF_POPUP, MenuToWParam(sub), "Available skins"));
    struct Case {
        const char* Name;
        std::vector<int> Keys;
        UINT Chosen;
    };
    const std::vector<Case> cases = {
        {"right opens, down chooses", {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, 31},
        {"enter opens", {VK_DOWN, VK_RETURN, VK_RETURN}, 30},
        {"left closes the submenu only", {VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN}, IdOpen},
        {"escape closes the submenu only", {VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        for (int key : c.Keys) PostKey(key);
        EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner), static_cast<BOOL>(c.Chosen));
    }
    Rect parent;
    Rect child;
    WhileOpen([&](int idle, HWND popup) {
        if (idle == 1) {
            GetWindowRect(popup, parent);
            PostMouse(RawInput::Kind::MouseMove, ItemCentre(menu, 0));
        } else if (idle == 2) {
            EXPECT_TRUE(GetMenuItemRect(sub, 1, child));
            PostClick(ItemCentre(sub, 1));
        }
    });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner), 31);
    EXPECT_GT(child.Left, parent.Right - 8);
    DeleteMenu(menu, 0, MF_BYPOSITION);
    EXPECT_FALSE(IsMenu(sub));
}

TEST_F(MenuTest, AQuitArrivingWhileOpenCancelsAndIsPostedAgain) {
    PostQuitMessage(5);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner), 0);
    MSG message;
    ASSERT_TRUE(PeekMessage(message, HWND(), 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, UINT{WM_QUIT});
    EXPECT_EQ(message.wParam, WPARAM{5});
}

TEST_F(MenuTest, CancelModeAndALostOwnerEndTheMenu) {
    WhileOpen([](int, HWND popup) { SendMessage(popup, WM_CANCELMODE, 0, 0); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner), 0);
    WhileOpen([this](int, HWND) { DestroyWindow(owner); });
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner), 0);
    int menus = 0;
    EnumWindows([&](HWND top) { return (menus += GetClassName(top) == "#32768") >= 0; });
    EXPECT_EQ(menus, 0);
    EXPECT_FALSE(TrackPopupMenu(menu, TPM_RETURNCMD, 150, 150, owner)) << "a stale owner";
}

}  // namespace
}  // namespace quendar
