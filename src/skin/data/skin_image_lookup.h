#pragma once
// Lookups in the image-area and pattern tables of a loaded skin, and the
// geometry of an image area. None raises an error; a lookup that finds
// nothing, or is given a bad index, answers -1.
//
// Inheritance: when a section has no entry of its own, the search goes on
// with the section named by its ParentClass, and so on up the chain. A chain
// that comes back to a section already searched (A -> B -> A) ends there.
// `sectionIndex` is the caller's resolved index of `sectionName`.

#include <string_view>

#include "platform/geometry.h"
#include "skin/data/skin_tables.h"

namespace quendar {

int ImageAreaIndexOf(const SkinTables& tables, int sectionIndex, std::string_view sectionName,
                     std::string_view propertyName);
// As ImageAreaIndexOf, counting only areas of type itisaTexture.
int TextureIndexOf(const SkinTables& tables, int sectionIndex, std::string_view sectionName,
                   std::string_view propertyName);
// As ImageAreaIndexOf, over the pattern table.
int PatternIndexOf(const SkinTables& tables, int sectionIndex, std::string_view sectionName,
                   std::string_view propertyName);
// Exactly these names, no inheritance.
int ImageAreaIndexExact(const SkinTables& tables, std::string_view sectionName, std::string_view propertyName);

bool IsValidImageAreaIndex(const SkinTables& tables, int index);

// Width and height of one state picture: an own picture holds 3 x 2 of
// them, a master-bitmap area ImageCount across and MaskType + 1 down.
// -1, -1 for a bad index.
Size ImageAreaSize(const SkinTables& tables, int index);

// The frame margins: WL (WT, WR, WB) when > 0, else BorderWidth when > 0,
// else Rect width / (ImageCount * 3) (height / ((MaskType + 1) * 3)).
int MarginLeft(const SkinTables& tables, int index);
int MarginTop(const SkinTables& tables, int index);
int MarginRight(const SkinTables& tables, int index);
int MarginBottom(const SkinTables& tables, int index);

// Whether the area's rectangle lies wholly inside the picture it is cut
// from (its own, or the master bitmap), so painting may read it. Areas are
// kept as a skin states them; painters check this before reading pixels.
bool IsImageAreaInside(const SkinTables& tables, int index);

}  // namespace quendar
