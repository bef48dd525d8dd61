#pragma once
// The stored properties of the skin data classes, for window definitions:
//   TsSkinGeneral  every section property, numbers, flags and colours always
//                  written (none has a declared default), empty texts not
//   TsSkinImage    SectionName, Image.Data, Name, PropertyName, Left, Top,
//                  Right, Bottom, ImageCount, MaskType, BorderWidth,
//                  StretchMode, ImgType, WL, WR, WT, WB
//   TsSkinPattern  SectionName, Image.Data (JPEG), Name, PropertyName
//   TsStoredSkin   Name, GeneralData, Images, Patterns, MasterBitmap.Data,
//                  Shadow1Color, Shadow1Offset, Shadow1Blur (default -1),
//                  Shadow1Transparency, Version (extended), Author,
//                  Description
//   TacMenuSupport IcoLineSkin, ExtraLineFont
//   TsSkinManager  InternalSkins, MenuSupport, SkinDirectory, SkinName,
//                  SkinInfo, Active, IsDefault, SkinnedPopups, HueOffset,
//                  Saturation, Left, Top
// Colours are written as their constant names where they have one.

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& SkinGeneralProperties();
const PropertyTable& SkinImageProperties();
const PropertyTable& SkinPatternProperties();
const PropertyTable& StoredSkinProperties();
const PropertyTable& MenuSupportProperties();
const PropertyTable& SkinManagerProperties();

// Registers the tables above (and the graphics classes they use) under their
// class names; TsSkinManager as a component class.
void RegisterSkinDataClasses(ClassRegistry& registry);

}  // namespace quendar
