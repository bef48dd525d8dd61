#include "framework/control_properties.h"

#include "framework/custom_control.h"
#include "framework/form.h"
#include "framework/graphic_control.h"
#include "framework/graphics_properties.h"

namespace quendar {

const PropertyTable& ControlProperties() {
    using C = TControl;
    static const PropertyTable table =
        PropertyTable()
            .Integer<C>("Left", &C::Left, &C::SetLeft)
            .Integer<C>("Top", &C::Top, &C::SetTop)
            .Integer<C>("Width", &C::Width, &C::SetWidth)
            .Integer<C>("Height", &C::Height, &C::SetHeight)
            .Enum<C, TAlign>("Align", &C::Align, &C::SetAlign, TAlign::alNone,
                             {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"})
            .Set<C, TAnchors>("Anchors", &C::Anchors, &C::SetAnchors, TAnchors::akLeft | TAnchors::akTop,
                              {"akLeft", "akTop", "akRight", "akBottom"})
            .String<C>("Caption", [](const C& c) { return c.Caption(); }, &C::SetCaption)
            .Integer<C>("Color", &C::Color, &C::SetColor, clWindow, ColorIdents())
            .Boolean<C>("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Object<C>("Font", [](C& c) -> TPersistent* { return &c.Font(); })
            .Boolean<C>("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean<C>("Visible", &C::Visible, &C::SetVisible, true)
            .Boolean<C>("Enabled", &C::Enabled, &C::SetEnabled, true)
            .String<C>("Hint", [](const C& c) { return c.Hint(); }, &C::SetHint)
            .Boolean<C>("ShowHint", &C::ShowHint, &C::SetShowHint, false)
            .Boolean<C>("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Integer<C>("Cursor", &C::Cursor, &C::SetCursor, crDefault)
            .Integer<C>(
                "Tag", [](const C& c) { return static_cast<std::int32_t>(c.Tag()); },
                [](C& c, std::int32_t value) { c.SetTag(value); })
            .Event<C>("OnClick", &C::OnClick)
            .Event<C>("OnDblClick", &C::OnDblClick)
            .Event<C>("OnMouseEnter", &C::OnMouseEnter)
            .Event<C>("OnMouseLeave", &C::OnMouseLeave)
            .Nesting<C>([](const C& c) -> TComponent* { return c.Parent(); },
                        [](C& c, TComponent& container) {
                            if (auto* parent = dynamic_cast<TWinControl*>(&container)) c.SetParent(parent);
                        });
    return table;
}

const PropertyTable& WinControlProperties() {
    using W = TWinControl;
    static const PropertyTable table = PropertyTable(ControlProperties())
                                           .Integer<W>("TabOrder", &W::TabOrder, &W::SetTabOrder, -1)
                                           .Boolean<W>("TabStop", &W::TabStop, &W::SetTabStop, false)
                                           .Integer<W>("BorderWidth", &W::BorderWidth, &W::SetBorderWidth)
                                           .Event<W>("OnEnter", &W::OnEnter)
                                           .Event<W>("OnExit", &W::OnExit);
    return table;
}

const PropertyTable& FormProperties() {
    using F = TCustomForm;
    static const PropertyTable table =
        PropertyTable(WinControlProperties())
            .Integer<F>("Color", &F::Color, &F::SetColor, clBtnFace, ColorIdents())
            .Boolean<F>("Visible", &F::Visible, &F::SetVisible, false)
            .Enum<F, TFormBorderStyle>(
                "BorderStyle", &F::BorderStyle, &F::SetBorderStyle, TFormBorderStyle::bsSizeable,
                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})
            .Set<F, TBorderIcons>("BorderIcons", &F::BorderIcons, &F::SetBorderIcons,
                                  TBorderIcons::biSystemMenu | TBorderIcons::biMinimize | TBorderIcons::biMaximize,
                                  {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"})
            .Enum<F, TPosition>("Position", &F::Position, &F::SetPosition, TPosition::poDesigned,
                                {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                 "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
            .Enum<F, TWindowState>("WindowState", &F::WindowState, &F::SetWindowState, TWindowState::wsNormal,
                                   {"wsNormal", "wsMinimized", "wsMaximized"})
            .Integer<F>("ClientWidth", &F::ClientWidth, &F::SetClientWidth)
            .Integer<F>("ClientHeight", &F::ClientHeight, &F::SetClientHeight)
            .Component<F, TWinControl>("ActiveControl", &F::ActiveControl, &F::SetActiveControl)
            .Event<F>("OnCreate", &F::OnCreate)
            .Event<F>("OnShow", &F::OnShow)
            .Event<F>("OnHide", &F::OnHide)
            .Event<F>("OnDestroy", &F::OnDestroy)
            .Event<F>("OnActivate", &F::OnActivate)
            .Event<F>("OnDeactivate", &F::OnDeactivate)
            .Event<F>("OnPaint", &F::OnPaint);
    return table;
}

void RegisterControlClasses(ClassRegistry& registry) {
    registry.RegisterComponentClass<TGraphicControl>("TGraphicControl", ControlProperties());
    registry.RegisterComponentClass<TCustomControl>("TCustomControl", WinControlProperties());
    registry.RegisterComponentClass<TForm>("TForm", FormProperties());
}

}  // namespace quendar
