#pragma once
// The run-time record of one skin section: how one kind of control, or one
// part of a window, looks. The section table (TsGeneralDataArray) is rebuilt
// on every skin load; an index into it is a skin index, -1 meaning none.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics_color.h"
#include "skin/paint/gradient.h"

namespace quendar {

enum class TsControlBevel : std::uint8_t { cbNone, cbRaisedSoft, cbLoweredSoft, cbRaisedHard, cbLoweredHard };

// Text colour, then the contour colours left, top, right, bottom; -1 is no
// contour on that side. Index 0 here is the text colour.
using TsFontColors = std::array<int, 5>;

inline constexpr TsFontColors PlainFontColors{0, -1, -1, -1, -1};

struct TsGeneralData {
    std::string ParentClass;  // empty or "-1" when none
    std::string SectionName;
    TColor Color = 0;
    TsControlBevel Bevel = TsControlBevel::cbNone;
    TsFontColors FontColor{};
    TsFontColors HotFontColor{};
    bool ReservedBoolean = false;
    int ShadowBlur = 0;
    TColor ShadowColor = 0;
    bool ShadowEnabled = false;
    int ShadowOffset = 0;
    int ShadowTransparency = 0;
    int Transparency = 0;  // percent; 100 shows the parent unchanged
    int GradientPercent = 0;
    std::string GradientData;  // " " is no gradient
    TsGradArray GradientArray;
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
    TsGradArray HotGradientArray;
    int HotImagePercent = 0;
    TColor BorderColor1 = 0;
    TColor BorderColor2 = 0;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;

// The skin-wide values beside the table.
struct TsSkinData {
    double Version = 0;
    std::string Author;
    std::string Description;
    int Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    std::string SkinPath;  // the folder of an external skin; empty for an internal one
    bool Ready = false;
};

}  // namespace quendar
