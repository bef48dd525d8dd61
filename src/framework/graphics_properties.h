#pragma once
// The stored properties of the graphics classes, for window definitions:
//   TFont     Charset, Color, Height, Name, Style (always written, as
//             definitions keep a font whole)
//   TBitmap   Data: the bitmap's stored form (count, then a BMP file);
//             nothing for an empty bitmap
//   TJPEGImage Data: the same form around the JPEG bytes
//   TPicture  Data: class name, then the picture's stored form
//   TBrush    Color, Style;  TPen  Color, Style, Width

#include <span>

#include "framework/class_registry.h"
#include "framework/property_table.h"

namespace quendar {

// The colour names ("clBtnFace") that colour properties read and write;
// the first name of a value is the one written.
std::span<const IntegerIdent> ColorIdents();
// The character set names ("DEFAULT_CHARSET").
std::span<const IntegerIdent> CharsetIdents();

const PropertyTable& FontProperties();
const PropertyTable& BrushProperties();
const PropertyTable& PenProperties();
const PropertyTable& BitmapProperties();
const PropertyTable& JpegImageProperties();
const PropertyTable& PictureProperties();

// Registers the tables above under their class names.
void RegisterGraphicsClasses(ClassRegistry& registry);

}  // namespace quendar
