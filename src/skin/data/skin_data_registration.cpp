#include "skin/data/skin_data_registration.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/graphics_properties.h"
#include "skin/data/skin_manager.h"
#include "skin/data/stored_skin.h"

namespace quendar {

namespace {

const std::vector<std::string> BevelNames = {"cbNone", "cbRaisedSoft", "cbLoweredSoft", "cbRaisedHard",
                                             "cbLoweredHard"};
const std::vector<std::string> ImgTypeNames = {"itisaBorder", "itisaTexture", "itisaGlyph"};

// Properties without a declared default are written whatever their value.
PropertyTable WrittenAlways(PropertyTable table, std::initializer_list<std::string_view> names) {
    table.WithoutDefault(names);
    return table;
}

template <class T>
PropertyTable& Text(PropertyTable& table, const char* name, std::string T::*field) {
    return table.String<T>(
        name, [field](const T& o) { return o.*field; }, [field](T& o, std::string v) { o.*field = std::move(v); });
}

template <class T>
PropertyTable& Number(PropertyTable& table, const char* name, int T::*field, int defaultValue = 0) {
    return table.Integer<T>(
        name, [field](const T& o) { return o.*field; }, [field](T& o, std::int32_t v) { o.*field = v; },
        defaultValue);
}

template <class T>
PropertyTable& ColorOf(PropertyTable& table, const char* name, TColor T::*field) {
    return table.Integer<T>(
        name, [field](const T& o) { return o.*field; }, [field](T& o, std::int32_t v) { o.*field = v; }, 0,
        ColorIdents());
}

template <class T>
PropertyTable& Flag(PropertyTable& table, const char* name, bool T::*field) {
    return table.Boolean<T>(
        name, [field](const T& o) { return o.*field; }, [field](T& o, bool v) { o.*field = v; }, false);
}

template <class T>
PropertyTable& Bevel(PropertyTable& table, const char* name, TsControlBevel T::*field) {
    return table.Enum<T, TsControlBevel>(
        name, [field](const T& o) { return o.*field; }, [field](T& o, TsControlBevel v) { o.*field = v; },
        TsControlBevel::cbNone, BevelNames);
}

PropertyTable MakeSkinGeneralProperties() {
    using G = TsSkinGeneral;
    PropertyTable t;
    Text(t, "SectionName", &G::SectionName);
    Text(t, "ParentClass", &G::ParentClass);
    ColorOf(t, "Color", &G::Color);
    Bevel(t, "Bevel", &G::Bevel);
    Number(t, "ShadowBlur", &G::ShadowBlur);
    ColorOf(t, "ShadowColor", &G::ShadowColor);
    Flag(t, "ShadowDontUse", &G::ShadowDontUse);
    Flag(t, "ShadowEnabled", &G::ShadowEnabled);
    Flag(t, "ReservedBoolean", &G::ReservedBoolean);
    Number(t, "ShadowOffset", &G::ShadowOffset);
    Number(t, "ShadowTransparency", &G::ShadowTransparency);
    Text(t, "FontColor", &G::FontColor);
    Text(t, "HotFontColor", &G::HotFontColor);
    Number(t, "Transparency", &G::Transparency);
    Number(t, "GradientPercent", &G::GradientPercent);
    Text(t, "GradientData", &G::GradientData);
    Number(t, "ImagePercent", &G::ImagePercent);
    Flag(t, "ShowFocus", &G::ShowFocus);
    Flag(t, "FadingEnabled", &G::FadingEnabled);
    Number(t, "FadingIntervalIn", &G::FadingIntervalIn);
    Number(t, "FadingIntervalOut", &G::FadingIntervalOut);
    Number(t, "FadingIterations", &G::FadingIterations);
    ColorOf(t, "HotColor", &G::HotColor);
    Number(t, "HotTransparency", &G::HotTransparency);
    Bevel(t, "HotBevel", &G::HotBevel);
    Number(t, "HotGradientPercent", &G::HotGradientPercent);
    Text(t, "HotGradientData", &G::HotGradientData);
    Number(t, "HotImagePercent", &G::HotImagePercent);
    ColorOf(t, "BorderColor1", &G::BorderColor1);
    ColorOf(t, "BorderColor2", &G::BorderColor2);
    Text(t, "Name", &G::Name);
    return WrittenAlways(std::move(t),
                         {"Color", "Bevel", "ShadowBlur", "ShadowColor", "ShadowDontUse", "ShadowEnabled",
                          "ReservedBoolean", "ShadowOffset", "ShadowTransparency", "Transparency",
                          "GradientPercent", "ImagePercent", "ShowFocus", "FadingEnabled", "FadingIntervalIn",
                          "FadingIntervalOut", "FadingIterations", "HotColor", "HotTransparency", "HotBevel",
                          "HotGradientPercent", "HotImagePercent", "BorderColor1", "BorderColor2"});
}

PropertyTable MakeSkinImageProperties() {
    using I = TsSkinImage;
    PropertyTable t;
    Text(t, "SectionName", &I::SectionName);
    t.Object<I>("Image", [](I& o) -> TPersistent* { return &o.Image(); });
    Text(t, "Name", &I::Name);
    Text(t, "PropertyName", &I::PropertyName);
    for (auto [name, field] : {std::pair{"Left", &I::Left}, {"Top", &I::Top}, {"Right", &I::Right},
                               {"Bottom", &I::Bottom}, {"ImageCount", &I::ImageCount},
                               {"MaskType", &I::MaskType}, {"BorderWidth", &I::BorderWidth},
                               {"StretchMode", &I::StretchMode}})
        Number(t, name, field);
    t.Enum<I, TacImgType>(
        "ImgType", [](const I& o) { return o.ImgType; }, [](I& o, TacImgType v) { o.ImgType = v; },
        TacImgType::itisaBorder, ImgTypeNames);
    for (auto [name, field] : {std::pair{"WL", &I::WL}, {"WR", &I::WR}, {"WT", &I::WT}, {"WB", &I::WB}})
        Number(t, name, field);
    return WrittenAlways(std::move(t), {"Left", "Top", "Right", "Bottom", "ImageCount", "MaskType", "BorderWidth",
                                        "StretchMode", "ImgType", "WL", "WR", "WT", "WB"});
}

PropertyTable MakeSkinPatternProperties() {
    using P = TsSkinPattern;
    PropertyTable t;
    Text(t, "SectionName", &P::SectionName);
    t.Object<P>("Image", [](P& o) -> TPersistent* { return &o.Image(); });
    Text(t, "Name", &P::Name);
    Text(t, "PropertyName", &P::PropertyName);
    return t;
}

PropertyTable MakeStoredSkinProperties() {
    using S = TsStoredSkin;
    PropertyTable t;
    t.String<S>("Name", &S::Name, &S::SetName);
    t.Collection<S>("GeneralData", [](S& o) -> TCollection* { return &o.GeneralData(); });
    t.Collection<S>("Images", [](S& o) -> TCollection* { return &o.Images(); });
    t.Collection<S>("Patterns", [](S& o) -> TCollection* { return &o.Patterns(); });
    t.Object<S>("MasterBitmap", [](S& o) -> TPersistent* { return &o.MasterBitmap(); });
    ColorOf(t, "Shadow1Color", &S::Shadow1Color);
    Number(t, "Shadow1Offset", &S::Shadow1Offset);
    Number(t, "Shadow1Blur", &S::Shadow1Blur, -1);
    Number(t, "Shadow1Transparency", &S::Shadow1Transparency);
    t.Extended<S>(
        "Version", [](const S& o) { return o.Version; }, [](S& o, ExtendedFloat v) { o.Version = v; });
    Text(t, "Author", &S::Author);
    Text(t, "Description", &S::Description);
    return WrittenAlways(std::move(t), {"Shadow1Color", "Shadow1Offset", "Shadow1Transparency"});
}

}  // namespace

const PropertyTable& SkinGeneralProperties() {
    static const PropertyTable table = MakeSkinGeneralProperties();
    return table;
}

const PropertyTable& SkinImageProperties() {
    static const PropertyTable table = MakeSkinImageProperties();
    return table;
}

const PropertyTable& SkinPatternProperties() {
    static const PropertyTable table = MakeSkinPatternProperties();
    return table;
}

const PropertyTable& StoredSkinProperties() {
    static const PropertyTable table = MakeStoredSkinProperties();
    return table;
}

const PropertyTable& MenuSupportProperties() {
    using M = TacMenuSupport;
    static const PropertyTable table =
        PropertyTable()
            .String<M>(
                "IcoLineSkin", [](const M& o) { return o.IcoLineSkin; },
                [](M& o, std::string v) { o.IcoLineSkin = std::move(v); })
            .Object<M>("ExtraLineFont", [](M& o) -> TPersistent* { return &o.ExtraLineFont(); });
    return table;
}

const PropertyTable& SkinManagerProperties() {
    using M = TsSkinManager;
    static const PropertyTable table =
        PropertyTable()
            .Collection<M>("InternalSkins", [](M& o) -> TCollection* { return &o.InternalSkins(); })
            .Object<M>("MenuSupport", [](M& o) -> TPersistent* { return &o.MenuSupport(); })
            .String<M>("SkinDirectory", &M::SkinDirectory, &M::SetSkinDirectory)
            .String<M>("SkinName", &M::SkinName, &M::SetSkinName)
            .String<M>("SkinInfo", &M::SkinInfo, &M::SetSkinInfo)
            .Boolean<M>("Active", &M::Active, &M::SetActive, true)
            .Boolean<M>("IsDefault", &M::IsDefault, &M::SetIsDefault, true)
            .Boolean<M>("SkinnedPopups", &M::SkinnedPopups, &M::SetSkinnedPopups, true)
            .Integer<M>("HueOffset", &M::HueOffset, &M::SetHueOffset, 0)
            .Integer<M>("Saturation", &M::Saturation, &M::SetSaturation, 0)
            .Integer<M>(
                "Left", [](const M& o) { return o.Left; }, [](M& o, std::int32_t v) { o.Left = v; })
            .Integer<M>(
                "Top", [](const M& o) { return o.Top; }, [](M& o, std::int32_t v) { o.Top = v; });
    return table;
}

void RegisterSkinDataClasses(ClassRegistry& registry) {
    RegisterGraphicsClasses(registry);
    registry.RegisterClass("TsSkinGeneral", SkinGeneralProperties());
    registry.RegisterClass("TsSkinImage", SkinImageProperties());
    registry.RegisterClass("TsSkinPattern", SkinPatternProperties());
    registry.RegisterClass("TsStoredSkin", StoredSkinProperties());
    registry.RegisterClass("TacMenuSupport", MenuSupportProperties());
    registry.RegisterComponentClass<TsSkinManager>("TsSkinManager", SkinManagerProperties());
}

}  // namespace quendar
