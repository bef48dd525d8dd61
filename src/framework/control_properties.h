#pragma once
// The stored properties of the control classes, for window definitions, and
// their registration by class name:
//   TControl      bounds, Align, Anchors, Caption, Color, ParentColor, Font,
//                 ParentFont, Visible, Enabled, Hint, ShowHint, ParentShowHint,
//                 Cursor, Tag, OnClick, OnDblClick, OnMouseEnter, OnMouseLeave
//   TWinControl   + TabOrder, TabStop, BorderWidth, OnEnter, OnExit
//   TCustomForm   + BorderStyle, BorderIcons, Position, WindowState,
//                 ClientWidth, ClientHeight, ActiveControl, OnCreate, OnShow,
//                 OnHide, OnDestroy, OnActivate, OnDeactivate, OnPaint
// Controls nest in the definition inside their Parent.

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

const PropertyTable& ControlProperties();
const PropertyTable& WinControlProperties();
const PropertyTable& FormProperties();

// Registers TGraphicControl, TCustomControl and TForm.
void RegisterControlClasses(ClassRegistry& registry);

}  // namespace quendar
