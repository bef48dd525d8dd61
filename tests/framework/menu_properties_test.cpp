#include "framework/menu_properties.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/definition_reader.h"
#include "framework/definition_text.h"
#include "framework/definition_writer.h"
#include "framework/popup_menu.h"

namespace quendar {
namespace {

// A root that holds menus, with a method the items' events can name.
class TMenuHost : public TComponent {
public:
    explicit TMenuHost(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TMenuHost"; }
    void ItemClick(TComponent* sender) { Clicked = sender; }
    TComponent* Clicked = nullptr;
};

const std::string StoredMenu = R"(object Host: TMenuHost
  object PopupMenu1: TPopupMenu
    Alignment = paRight
    OwnerDraw = True
    TrackButton = tbLeftButton
    object ItemClose: TMenuItem
      Caption = '&Close'
      ShortCut = 32883
      OnClick = ItemClick
    end
    object SkinSelectItem: TMenuItem
      Caption = 'Available skins'
      object SkinSelectItem0: TMenuItem
        Caption = 'Sky'
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
      object SkinSelectItem1: TMenuItem
        AutoCheck = True
        Break = mbBarBreak
        Caption = 'Sea'
        Checked = True
        Enabled = False
        GroupIndex = 1
        Hint = 'blue'
        RadioItem = True
        Visible = False
        Tag = 7
      end
    end
  end
end
)";

class MenuPropertiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterMenuClasses(registry);
        static const PropertyTable hostTable =
            PropertyTable().Method<TMenuHost>("ItemClick", &TMenuHost::ItemClick);
        registry.RegisterComponentClass<TMenuHost>("TMenuHost", hostTable);
    }
    ClassRegistry registry;
};

TEST_F(MenuPropertiesTest, AStoredMenuReadsIntoNestedItemsAndWritesBackTheSame) {
    TComponentPtr<TMenuHost> host(CreateComponent<TMenuHost>(nullptr));
    ReadDefinition(*host, CompileDefinitionText(StoredMenu), registry);

    auto* menu = dynamic_cast<TPopupMenu*>(host->FindComponent("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Alignment(), TPopupAlignment::paRight);
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_EQ(menu->TrackButton(), TTrackButton::tbLeftButton);
    ASSERT_EQ(menu->Items().Count(), 2);
    TMenuItem* close = menu->Items().Items(0);
    EXPECT_EQ(close->Name(), "ItemClose");
    EXPECT_EQ(ShortCutToText(close->ShortCut()), "Alt+F4");
    close->Click();
    EXPECT_EQ(host->Clicked, close);
    TMenuItem* skins = menu->Items().Items(1);
    ASSERT_EQ(skins->Count(), 2);
    // Both stored checks survive loading, though the items share a group.
    EXPECT_TRUE(skins->Items(0)->Checked());
    EXPECT_TRUE(skins->Items(1)->Checked());
    EXPECT_EQ(skins->Items(1)->Break(), TMenuBreak::mbBarBreak);
    EXPECT_EQ(skins->Items(1)->GroupIndex(), 1);
    EXPECT_FALSE(skins->Items(1)->Visible());
    EXPECT_FALSE(skins->Items(1)->Enabled());
    EXPECT_EQ(skins->Items(1)->Tag(), 7);

    EXPECT_EQ(DecompileDefinition(WriteDefinition(*host, registry)), StoredMenu);
}

TEST_F(MenuPropertiesTest, ABadStoredValueIsRefusedWithoutLeavingItemsBehind) {
    TComponentPtr<TMenuHost> host(CreateComponent<TMenuHost>(nullptr));
    std::string broken = StoredMenu;
    broken.replace(broken.find("mbBarBreak"), 10, "mbSideways");
    EXPECT_THROW(ReadDefinition(*host, CompileDefinitionText(broken), registry), Exception);
    EXPECT_EQ(host->ComponentCount(), 0);
}

}  // namespace
}  // namespace quendar
