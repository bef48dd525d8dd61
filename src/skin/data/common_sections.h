#pragma once
// The skin manager's CommonSections: sections in ini layout that are added
// to every skin after its own sections, image areas and patterns.
//
// The text is split more simply than an ini file is read:
// - a line beginning with ";" is a comment;
// - a line beginning with "[" and ending with "]" opens a section named by
//   the text between (nothing is trimmed); a name that occurs again opens
//   another section, which becomes another record;
// - any other line belongs to the latest section; lines before the first
//   section are ignored;
// - "KEY=value" lines are found by key without regard to ASCII case; a key
//   given twice keeps its first value. A line without "=" holds no key.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/string_lines.h"
#include "skin/data/skin_tables.h"

namespace quendar {

class TsSkinManager;

struct CommonSection {
    std::string Name;
    // Key and value of every line with "=", in order, first of each key only.
    std::vector<std::pair<std::string, std::string>> Entries;

    std::optional<std::string> Value(std::string_view key) const;
};

std::vector<CommonSection> SplitCommonSections(const TStrings& lines);

// A line as CommonSections keeps it: every blank removed unless the line
// begins with ";".
std::string WithoutBlanks(std::string_view line);

// Appends one section record per common section. A field comes from the
// section's own key, else from the parent record (the first record whose
// upper-case name equals the upper-case "PARENTCLASS" value, searched among
// the records before the new one), else from the default. Integers are
// decimal or "0x" hexadecimal; -1, a value that is no number and "?" count
// as absent. Records already in the table do not change.
void AppendCommonSectionRecords(SkinTables& tables, const std::vector<CommonSection>& sections);

// Appends the image areas and patterns the common sections name: outside
// "GLOBALINFO", ".BMP" values (without "#", or any when the skin has no
// master bitmap) load own pictures and "#" values cut areas from the master
// bitmap; in every section ".JPG" and ".JPEG" values add patterns of any
// size. Files are relative to tables.SkinData.SkinPath; an internal skin has
// no folder, so only names with ":" or a leading "/" are loaded for it.
// Missing or broken files add nothing.
void AppendCommonSectionImages(SkinTables& tables, const std::vector<CommonSection>& sections,
                               const TsSkinManager* manager);

// Both of the above, for a loaded skin.
void AppendCommonSections(SkinTables& tables, const TStrings& lines, const TsSkinManager* manager);

}  // namespace quendar
