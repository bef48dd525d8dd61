#pragma once
// Included files of a definition text, found in a list of folders.
//
// A name is a relative path. An empty name, one that starts with "/" or "\",
// and one with ".." anywhere in it are refused, so a definition reads only
// files at or below the folders it is given.

#include <cstddef>
#include <string>
#include <vector>

#include "framework/definition_text.h"

namespace quendar {

// Largest included file: a binary value of a window definition is a picture
// or a small resource, never more.
constexpr std::size_t MaxDefinitionIncludeBytes = std::size_t{16} << 20;

// Whether an include may name this file (see above).
bool IsSafeIncludeName(const std::string& name);

// Searches the folders in order; the first that holds a file of the name
// gives its bytes. Raises Exception for a refused name, a name that no folder
// holds ("no such file in <folders>"), a file that cannot be read, or one
// larger than MaxDefinitionIncludeBytes.
DefinitionIncludeResolver IncludeFilesFrom(std::vector<std::string> folders);

}  // namespace quendar
