#pragma once
// The master bitmap, image-area table and pattern table of an external skin,
// read from its Options.dat (value encodings: external_skin_encodings.h).
//
// Missing files are skipped, and pictures that fail to read or are larger
// than MaxExternalImageSide are skipped too; with a problem list each is
// named there. Rectangles are kept as written, also when they leave the
// master bitmap: whoever cuts pictures from it clips to its bounds.

#include <string>

#include "skin/data/external_skin_files.h"
#include "skin/data/skin_tables.h"

namespace quendar {

class TMemIniFile;
class TsSkinManager;

// A JPEG of more pixels than this stays a pattern; a smaller one becomes a
// texture image area with the decoded picture as its own bitmap.
inline constexpr long long MaxTexturePixelsFromJpeg = 89999;

// Empties and refills tables.MasterBitmap, tables.ImageAreas and
// tables.Patterns. `folder` is the skin's folder, which file names are
// relative to.
void FillImagesFromIni(SkinTables& tables, const TMemIniFile& ini, const std::string& folder,
                       const TsSkinManager* manager = nullptr, SkinProblemList* problems = nullptr);

}  // namespace quendar
