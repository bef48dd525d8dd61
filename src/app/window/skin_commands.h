#pragma once
// The commands for skin authors, carried out by the window program because
// they need the skin engine:
//   quendar skin info [FOLDER]   a summary of the built-in skin (as the main
//                                window's definition restores it) or of the
//                                external skin in FOLDER
//   quendar skin check FOLDER    the problems of the external skin in FOLDER,
//                                one per line; exit status 1 when there are any
// Results are written to `out`, failures to `err`; the result is the exit status.

#include <cstdio>
#include <string>

namespace quendar {

int RunSkinInfo(const std::string& folder, std::FILE* out, std::FILE* err);
int RunSkinCheck(const std::string& folder, std::FILE* out, std::FILE* err);

}  // namespace quendar
