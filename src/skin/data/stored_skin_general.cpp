#include "skin/data/stored_skin_general.h"

#include "skin/data/stored_skin.h"

namespace quendar {

void TsSkinGeneral::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TsSkinGeneral*>(&source);
    if (other == nullptr) {
        TCollectionItem::Assign(source);
        return;
    }
    SectionName = other->SectionName;
    ParentClass = other->ParentClass;
    Color = other->Color;
    Bevel = other->Bevel;
    ShadowBlur = other->ShadowBlur;
    ShadowColor = other->ShadowColor;
    ShadowDontUse = other->ShadowDontUse;
    ShadowEnabled = other->ShadowEnabled;
    ReservedBoolean = other->ReservedBoolean;
    ShadowOffset = other->ShadowOffset;
    ShadowTransparency = other->ShadowTransparency;
    FontColor = other->FontColor;
    HotFontColor = other->HotFontColor;
    Transparency = other->Transparency;
    GradientPercent = other->GradientPercent;
    GradientData = other->GradientData;
    ImagePercent = other->ImagePercent;
    ShowFocus = other->ShowFocus;
    FadingEnabled = other->FadingEnabled;
    FadingIntervalIn = other->FadingIntervalIn;
    FadingIntervalOut = other->FadingIntervalOut;
    FadingIterations = other->FadingIterations;
    HotColor = other->HotColor;
    HotTransparency = other->HotTransparency;
    HotBevel = other->HotBevel;
    HotGradientPercent = other->HotGradientPercent;
    HotGradientData = other->HotGradientData;
    HotImagePercent = other->HotImagePercent;
    BorderColor1 = other->BorderColor1;
    BorderColor2 = other->BorderColor2;
    Name = other->Name;
}

TsSkinGenerals::TsSkinGenerals(TsStoredSkin* owner)
    : TCollection(FactoryOf<TsSkinGeneral>(), owner), storedSkin_(owner) {}

}  // namespace quendar
