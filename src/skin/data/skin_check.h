#pragma once
// What `quendar skin check` and `quendar skin info` report about a skin.

#include <string>
#include <vector>

#include "skin/data/skin_tables.h"

namespace quendar {

// The problems of the external skin in `folder`, one line each, section
// values first, then pictures, then rectangles: Options.dat missing or unreadable, values that are not numbers where
// numbers are expected, PARENTCLASS naming a missing section or closing a
// loop, gradients that do not parse, malformed picture values, files named
// but missing, pictures refused (unreadable, or larger than the limit of
// external_skin_files.h), rectangles that are inverted or leave the master
// bitmap. Empty when the skin is sound.
std::vector<std::string> CheckExternalSkin(const std::string& folder);

// A summary of a loaded skin, one "Label: value" line each: name, version,
// author, description, sections, image areas (with their counts per type),
// patterns, master bitmap size, global colour and global font colour.
std::string SkinInfoText(const SkinTables& tables, const std::string& name);

}  // namespace quendar
