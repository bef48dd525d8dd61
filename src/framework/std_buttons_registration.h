#pragma once
// The stored properties of the standard buttons, labels and panels, and
// their registration by class name:
//   TButton        WinControl + Default, Cancel (TabStop on, Color clBtnFace)
//   TLabel         Control + Alignment, AutoSize, FocusControl, Layout,
//                  ShowAccelChar, Transparent, WordWrap (ParentColor on)
//   TPanel         WinControl + Alignment, BevelInner, BevelOuter, BevelWidth,
//                  BorderStyle, ParentBackground (Color clBtnFace)
//   TSpeedButton   Control + AllowAllUp, GroupIndex, Down, Flat, Glyph,
//                  Layout, Margin, Spacing (Color clBtnFace)

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& ButtonProperties();
const PropertyTable& LabelProperties();
const PropertyTable& PanelProperties();
const PropertyTable& SpeedButtonProperties();

// Registers TButton, TLabel, TPanel and TSpeedButton.
void RegisterButtonClasses(ClassRegistry& registry);

}  // namespace quendar
