#pragma once
// The section table and the skin-wide values of an external skin, read from
// its Options.dat.
//
// Every ini section becomes one record, in file order. A key a section does
// not set (an integer key holding -1, a text or boolean key holding "?", or
// a key that is missing) is looked up in the section named by its
// PARENTCLASS, and so on up the chain; a section naming itself, or a chain
// that comes back to a section already visited, ends the search, and the
// key's default applies.

#include <string_view>
#include <vector>

#include "skin/data/external_skin_files.h"
#include "skin/data/skin_tables.h"

namespace quendar {

class TMemIniFile;

// Fills tables.SkinData's VERSION, AUTHOR, DESCRIPTION and SHADOW1* values
// from GLOBALINFO, then empties and refills tables.Sections. A SHADOW1* value
// that is not an integer raises EConvertError before anything is changed;
// with a problem list the problem is listed instead and 0 is used.
void FillSectionsFromIni(SkinTables& tables, const TMemIniFile& ini, SkinProblemList* problems = nullptr);

// The keys read as integers (colours included), in upper case.
const std::vector<std::string_view>& ExternalSectionIntegerKeys();

}  // namespace quendar
