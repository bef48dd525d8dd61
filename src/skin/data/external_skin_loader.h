#pragma once
// Loading an external skin: a folder holding "Options.dat" (ini layout) and
// the bitmap and JPEG files it names.

#include <string>

#include "skin/data/external_skin_files.h"
#include "skin/data/skin_tables.h"

namespace quendar {

class TsSkinManager;

inline constexpr const char* ExternalSkinFileName = "Options.dat";

// Fills every table of `tables` from the skin in `folder`: skin-wide values,
// sections, master bitmap, image areas and patterns, then GlobalInfoIndex;
// SkinData.SkinPath becomes the folder with a final "/". The manager's
// CommonSections are not read here. Image areas get `manager` as their
// Manager.
//
// Raises Exception when Options.dat is missing or unreadable, and
// EConvertError ("'<text>' is not a valid integer value") when a SHADOW1*
// value of GLOBALINFO is not an integer; the tables are unchanged then.
// Everything else that is wrong is skipped. With a problem list, nothing but
// a missing or unreadable Options.dat raises: every fault is listed instead.
void LoadExternalSkin(SkinTables& tables, const std::string& folder, const TsSkinManager* manager = nullptr,
                      SkinProblemList* problems = nullptr);

}  // namespace quendar
