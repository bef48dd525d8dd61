#pragma once
// TsSkinGeneral: one stored section of an internal skin, as the window
// definition holds it; TsSkinGenerals: the sections of one stored skin.
//
// Setters only store. The run-time record (TsGeneralData) is made from these
// values when the skin is loaded; FontColor and HotFontColor are kept here as
// the stored text of five blank-separated integers.

#include <string>

#include "framework/collection.h"
#include "framework/graphics_color.h"
#include "skin/data/skin_section_data.h"

namespace quendar {

class TsStoredSkin;

class TsSkinGeneral : public TCollectionItem {
public:
    std::string ClassName() const override { return "TsSkinGeneral"; }
    void Assign(const TPersistent& source) override;

    std::string SectionName;
    std::string ParentClass;
    TColor Color = 0;
    TsControlBevel Bevel = TsControlBevel::cbNone;
    int ShadowBlur = 0;
    TColor ShadowColor = 0;
    bool ShadowDontUse = false;  // stored only; never reaches the run-time record
    bool ShadowEnabled = false;
    bool ReservedBoolean = false;
    int ShadowOffset = 0;
    int ShadowTransparency = 0;
    std::string FontColor;     // "text left top right bottom"
    std::string HotFontColor;  // the same for the hot state
    int Transparency = 0;
    int GradientPercent = 0;
    std::string GradientData;
    int ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int FadingIntervalIn = 0;
    int FadingIntervalOut = 0;
    int FadingIterations = 0;
    TColor HotColor = 0;
    int HotTransparency = 0;
    TsControlBevel HotBevel = TsControlBevel::cbNone;
    int HotGradientPercent = 0;
    std::string HotGradientData;
    int HotImagePercent = 0;
    TColor BorderColor1 = 0;
    TColor BorderColor2 = 0;
    std::string Name;  // stored only
};

class TsSkinGenerals : public TCollection {
public:
    explicit TsSkinGenerals(TsStoredSkin* owner);
    std::string ClassName() const override { return "TsSkinGenerals"; }

    TsStoredSkin* StoredSkin() const { return storedSkin_; }
    TsSkinGeneral* Items(int index) const { return static_cast<TsSkinGeneral*>(TCollection::Items(index)); }
    TsSkinGeneral* Add() { return static_cast<TsSkinGeneral*>(TCollection::Add()); }

private:
    TsStoredSkin* storedSkin_;
};

}  // namespace quendar
