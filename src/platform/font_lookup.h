#pragma once
// Finding font files by family name through fontconfig. Besides the system's
// font folders the lookup searches the bundled classic faces (the Tahoma of
// the wine fonts package), which fontconfig does not know by default.

#include <optional>
#include <string>
#include <string_view>

namespace quendar {

struct FontFileMatch {
    std::string Path;
    int Index = 0;       // face index inside a collection file
    std::string Family;  // the family the file declares
};

// The best file of `family` for a weight (FW_* scale) and slant; nothing when
// fontconfig has no face of that family (it would only offer a substitute).
std::optional<FontFileMatch> FindFontFile(std::string_view family, int weight, bool italic);

// Whatever face fontconfig prefers for the request, of any family; nothing
// only when the system has no fonts at all.
std::optional<FontFileMatch> FindAnyFontFile(int weight, bool italic);

}  // namespace quendar
