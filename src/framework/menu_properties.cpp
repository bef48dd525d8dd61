#include "framework/menu_properties.h"

#include "framework/menu_item.h"
#include "framework/popup_menu.h"

namespace quendar {

const PropertyTable& MenuItemProperties() {
    using M = TMenuItem;
    static const PropertyTable table =
        PropertyTable()
            .Boolean<M>("AutoCheck", &M::AutoCheck, &M::SetAutoCheck, false)
            .Enum<M, TMenuBreak>("Break", &M::Break, &M::SetBreak, TMenuBreak::mbNone,
                                 {"mbNone", "mbBreak", "mbBarBreak"})
            .String<M>(
                "Caption", [](const M& m) { return m.Caption(); }, &M::SetCaption)
            .Boolean<M>("Checked", &M::Checked, &M::SetChecked, false)
            .Boolean<M>("Default", &M::Default, &M::SetDefault, false)
            .Boolean<M>("Enabled", &M::Enabled, &M::SetEnabled, true)
            .Integer<M>(
                "GroupIndex", [](const M& m) { return static_cast<std::int32_t>(m.GroupIndex()); },
                [](M& m, std::int32_t value) { m.SetGroupIndex(static_cast<std::uint8_t>(value)); })
            .String<M>(
                "Hint", [](const M& m) { return m.Hint(); }, &M::SetHint)
            .Boolean<M>("RadioItem", &M::RadioItem, &M::SetRadioItem, false)
            .Integer<M>(
                "ShortCut", [](const M& m) { return static_cast<std::int32_t>(m.ShortCut()); },
                [](M& m, std::int32_t value) { m.SetShortCut(static_cast<TShortCut>(value)); })
            .Boolean<M>("Visible", &M::Visible, &M::SetVisible, true)
            .Integer<M>(
                "Tag", [](const M& m) { return static_cast<std::int32_t>(m.Tag()); },
                [](M& m, std::int32_t value) { m.SetTag(value); })
            .Event<M>("OnClick", &M::OnClick)
            .Nesting<M>(
                [](const M& m) -> TComponent* {
                    TMenuItem* parent = m.Parent();
                    if (parent == nullptr) return nullptr;
                    if (parent->Parent() == nullptr && parent->GetParentMenu() != nullptr)
                        return parent->GetParentMenu();
                    return parent;
                },
                [](M& m, TComponent& container) {
                    if (auto* item = dynamic_cast<TMenuItem*>(&container))
                        item->Add(&m);
                    else if (auto* menu = dynamic_cast<TPopupMenu*>(&container))
                        menu->Items().Add(&m);
                });
    return table;
}

const PropertyTable& PopupMenuProperties() {
    using P = TPopupMenu;
    static const PropertyTable table =
        PropertyTable()
            .Enum<P, TPopupAlignment>("Alignment", &P::Alignment, &P::SetAlignment, TPopupAlignment::paLeft,
                                      {"paLeft", "paRight", "paCenter"})
            .Boolean<P>("AutoPopup", &P::AutoPopup, &P::SetAutoPopup, true)
            .Boolean<P>("OwnerDraw", &P::OwnerDraw, &P::SetOwnerDraw, false)
            .Enum<P, TTrackButton>("TrackButton", &P::TrackButton, &P::SetTrackButton,
                                   TTrackButton::tbRightButton, {"tbRightButton", "tbLeftButton"})
            .Event<P>("OnPopup", &P::OnPopup);
    return table;
}

void RegisterMenuClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TMenuItem>("TMenuItem", MenuItemProperties());
    registry.RegisterComponentClass<TPopupMenu>("TPopupMenu", PopupMenuProperties());
}

}  // namespace quendar
