#include "framework/std_buttons_registration.h"

#include "framework/control_properties.h"
#include "framework/graphics_properties.h"
#include "framework/std_button.h"
#include "framework/std_label.h"
#include "framework/std_panel.h"
#include "framework/std_speed_button.h"

namespace quendar {

namespace {

const std::vector<std::string> AlignmentNames = {"taLeftJustify", "taRightJustify", "taCenter"};
const std::vector<std::string> BevelNames = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

}  // namespace

const PropertyTable& ButtonProperties() {
    using B = TButton;
    static const PropertyTable table =
        PropertyTable(WinControlProperties())
            .Integer<B>("Color", &B::Color, &B::SetColor, clBtnFace, ColorIdents())
            .Boolean<B>("TabStop", &B::TabStop, &B::SetTabStop, true)
            .Boolean<B>("Default", &B::Default, &B::SetDefault, false)
            .Boolean<B>("Cancel", &B::Cancel, &B::SetCancel, false);
    return table;
}

const PropertyTable& LabelProperties() {
    using L = TCustomLabel;
    static const PropertyTable table =
        PropertyTable(ControlProperties())
            // A colour taken from the parent is not the label's own: writing it
            // would turn ParentColor off when read back.
            .Integer<L>(
                "Color", [](const L& l) { return l.ParentColor() ? clWindow : l.Color(); }, &L::SetColor,
                clWindow, ColorIdents())
            .Boolean<L>("ParentColor", &L::ParentColor, &L::SetParentColor, true)
            .Enum<L, TAlignment>("Alignment", &L::Alignment, &L::SetAlignment, TAlignment::taLeftJustify,
                                 AlignmentNames)
            .Boolean<L>("AutoSize", &L::AutoSize, &L::SetAutoSize, true)
            .Component<L, TWinControl>("FocusControl", &L::FocusControl, &L::SetFocusControl)
            .Enum<L, TTextLayout>("Layout", &L::Layout, &L::SetLayout, TTextLayout::tlTop,
                                  {"tlTop", "tlCenter", "tlBottom"})
            .Boolean<L>("ShowAccelChar", &L::ShowAccelChar, &L::SetShowAccelChar, true)
            .Boolean<L>("Transparent", &L::Transparent, &L::SetTransparent, false)
            .Boolean<L>("WordWrap", &L::WordWrap, &L::SetWordWrap, false);
    return table;
}

const PropertyTable& PanelProperties() {
    using P = TCustomPanel;
    static const PropertyTable table =
        PropertyTable(WinControlProperties())
            .Integer<P>("Color", &P::Color, &P::SetColor, clBtnFace, ColorIdents())
            .Enum<P, TAlignment>("Alignment", &P::Alignment, &P::SetAlignment, TAlignment::taCenter,
                                 AlignmentNames)
            .Enum<P, TBevelCut>("BevelInner", &P::BevelInner, &P::SetBevelInner, TBevelCut::bvNone,
                                BevelNames)
            .Enum<P, TBevelCut>("BevelOuter", &P::BevelOuter, &P::SetBevelOuter, TBevelCut::bvRaised,
                                BevelNames)
            .Integer<P>("BevelWidth", &P::BevelWidth, &P::SetBevelWidth, 1)
            .Enum<P, TBorderStyle>("BorderStyle", &P::BorderStyle, &P::SetBorderStyle, TBorderStyle::bsNone,
                                   {"bsNone", "bsSingle"})
            // After Color, which turns it off when read.
            .Boolean<P>("ParentBackground", &P::ParentBackground, &P::SetParentBackground, true);
    return table;
}

const PropertyTable& SpeedButtonProperties() {
    using S = TSpeedButton;
    static const PropertyTable table =
        PropertyTable(ControlProperties())
            .Integer<S>("Color", &S::Color, &S::SetColor, clBtnFace, ColorIdents())
            .Boolean<S>("AllowAllUp", &S::AllowAllUp, &S::SetAllowAllUp, false)
            // Before Down: only a button of a group can be down.
            .Integer<S>("GroupIndex", &S::GroupIndex, &S::SetGroupIndex, 0)
            .Boolean<S>("Down", &S::Down, &S::SetDown, false)
            .Boolean<S>("Flat", &S::Flat, &S::SetFlat, false)
            .Binary<S>(
                "Glyph",
                [](const S& s) {
                    return s.Glyph().Empty() ? std::vector<std::uint8_t>{} : s.Glyph().SaveToStream();
                },
                [](S& s, std::span<const std::uint8_t> bytes) { s.Glyph().LoadFromStream(bytes); })
            .Enum<S, TButtonLayout>("Layout", &S::Layout, &S::SetLayout, TButtonLayout::blGlyphLeft,
                                    {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})
            .Integer<S>("Margin", &S::Margin, &S::SetMargin, -1)
            .Integer<S>("Spacing", &S::Spacing, &S::SetSpacing, 4);
    return table;
}

void RegisterButtonClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TButton>("TButton", ButtonProperties());
    registry.RegisterComponentClass<TLabel>("TLabel", LabelProperties());
    registry.RegisterComponentClass<TPanel>("TPanel", PanelProperties());
    registry.RegisterComponentClass<TSpeedButton>("TSpeedButton", SpeedButtonProperties());
}

}  // namespace quendar
