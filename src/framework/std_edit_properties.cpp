#include "framework/std_edit_properties.h"

#include "framework/control_properties.h"
#include "framework/std_edit.h"
#include "platform/utf8.h"

namespace quendar {

namespace {

// The password character is stored as a text of one character, empty for none.
std::string PasswordCharText(const TCustomEdit& edit) {
    if (edit.PasswordChar() == 0) return {};
    char32_t character = edit.PasswordChar();
    return EditBuffer::ToUtf8(std::u32string_view(&character, 1));
}

void SetPasswordCharText(TCustomEdit& edit, const std::string& text) {
    std::u32string characters = DecodeUtf8(text);
    edit.SetPasswordChar(characters.empty() ? 0 : characters.front());
}

}  // namespace

const PropertyTable& EditProperties() {
    using E = TCustomEdit;
    static const PropertyTable table =
        PropertyTable(WinControlProperties())
            .String<E>(
                "Caption", [](const E&) { return std::string(); }, &E::SetText)
            .Boolean<E>("TabStop", &E::TabStop, &E::SetTabStop, true)
            .String<E>(
                "Text", [](const E& e) { return e.Text(); }, &E::SetText)
            .Boolean<E>("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, true)
            .Enum<E, TBorderStyle>("BorderStyle", &E::BorderStyle, &E::SetBorderStyle, TBorderStyle::bsSingle,
                                   {"bsNone", "bsSingle"})
            .Boolean<E>("Ctl3D", &E::Ctl3D, &E::SetCtl3D, true)
            .Enum<E, TBevelKind>("BevelKind", &E::BevelKind, &E::SetBevelKind, TBevelKind::bkNone,
                                 {"bkNone", "bkTile", "bkSoft", "bkFlat"})
            .Enum<E, TBevelCut>("BevelInner", &E::BevelInner, &E::SetBevelInner, TBevelCut::bvRaised,
                                {"bvNone", "bvLowered", "bvRaised", "bvSpace"})
            .Enum<E, TBevelCut>("BevelOuter", &E::BevelOuter, &E::SetBevelOuter, TBevelCut::bvLowered,
                                {"bvNone", "bvLowered", "bvRaised", "bvSpace"})
            .Boolean<E>("HideSelection", &E::HideSelection, &E::SetHideSelection, true)
            .Integer<E>("MaxLength", &E::MaxLength, &E::SetMaxLength, 0)
            .String<E>("PasswordChar", &PasswordCharText, &SetPasswordCharText)
            .Boolean<E>("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false)
            .Event<E>("OnChange", &E::OnChange);
    return table;
}

void RegisterEditClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TEdit>("TEdit", EditProperties());
}

}  // namespace quendar
