#pragma once
// Filling the skin tables from a stored (internal) skin.
//
// LoadStoredSkin is the whole load in the manager's order: image areas and
// master bitmap, patterns, then sections and skin-wide values. The three
// parts are callable on their own for callers that mix sources.

#include <string_view>

#include "skin/data/skin_tables.h"
#include "skin/data/stored_skin.h"

namespace quendar {

class TsSkinManager;

// Refuses a skin whose master bitmap, own image-area pictures or patterns
// are larger than MaxSkinPictureSide with Exception "The skin \"<name>\"
// holds a picture of <w> x <h> pixels; at most 4096 x 4096 are accepted",
// before anything in `tables` changes.
void LoadStoredSkin(SkinTables& tables, const TsStoredSkin& skin, const TsSkinManager* manager);

// Empties the section table, copies the skin-wide values and appends one
// record per stored section. A stored section whose font colour text holds
// a word that is not an integer (or whose gradient text is bad) keeps the
// fields copied before it and zero or empty in the rest.
void FillSectionsFromStoredSkin(SkinTables& tables, const TsStoredSkin& skin);

// Empties the image-area table and the master bitmap and fills them from the
// stored skin. An own picture that is empty is left out.
void FillImageAreasFromStoredSkin(SkinTables& tables, const TsStoredSkin& skin, const TsSkinManager* manager);

// Empties the pattern table and fills it; a pattern without a picture of
// its own shares the picture of the first other pattern of the same Name.
void FillPatternsFromStoredSkin(SkinTables& tables, const TsStoredSkin& skin);

// Fills `colors` from "text left top right bottom". Text that is empty or
// not exactly five blank-separated words gives 0, -1, -1, -1, -1. A word
// that is not an integer raises EConvertError, leaving the words before it
// in place.
void FillFontColors(std::string_view text, TsFontColors& colors);

}  // namespace quendar
