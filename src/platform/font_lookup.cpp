#include "platform/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

namespace quendar {

namespace {

// Folders of classic faces that fontconfig's own configuration leaves out.
constexpr const char* BundledFontFolders[] = {"/usr/share/wine/fonts"};

// One configuration for the whole process, never freed: faces found through
// it stay valid while the program runs.
FcConfig* Configuration() {
    static FcConfig* config = [] {
        FcConfig* loaded = FcInitLoadConfigAndFonts();
        if (loaded == nullptr) return loaded;
        for (const char* folder : BundledFontFolders) {
            std::error_code error;
            if (std::filesystem::is_directory(folder, error))
                FcConfigAppFontAddDir(loaded, reinterpret_cast<const FcChar8*>(folder));
        }
        return loaded;
    }();
    return config;
}

bool SameFamily(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

// Runs a match; `family` empty asks for anything. With `requireFamily` the
// result counts only when the matched face declares the requested family.
std::optional<FontFileMatch> Match(std::string_view family, int weight, bool italic, bool requireFamily) {
    FcConfig* config = Configuration();
    if (config == nullptr) return std::nullopt;
    PatternPtr pattern(FcPatternCreate());
    if (!pattern) return std::nullopt;
    std::string familyText(family);
    if (!familyText.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(familyText.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(std::clamp(weight, 1, 1000)));
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(config, pattern.get(), &result));
    if (!match || result != FcResultMatch) return std::nullopt;

    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr)
        return std::nullopt;
    FontFileMatch found;
    found.Path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) found.Index = index;

    // A face may declare several family names (localised, or a style family).
    bool familyFound = false;
    FcChar8* declared = nullptr;
    for (int n = 0; FcPatternGetString(match.get(), FC_FAMILY, n, &declared) == FcResultMatch; ++n) {
        std::string_view name(reinterpret_cast<const char*>(declared));
        if (n == 0) found.Family = name;
        if (SameFamily(name, family)) {
            found.Family = name;
            familyFound = true;
        }
    }
    if (requireFamily && !familyFound) return std::nullopt;
    return found;
}

}  // namespace

std::optional<FontFileMatch> FindFontFile(std::string_view family, int weight, bool italic) {
    if (family.empty()) return std::nullopt;
    return Match(family, weight, italic, true);
}

std::optional<FontFileMatch> FindAnyFontFile(int weight, bool italic) {
    return Match({}, weight, italic, false);
}

}  // namespace quendar

// fontconfig loses a few bytes while it parses its own configuration files.
// Sanitizer builds are told to overlook that library's leaks, so that every
// program that looks up a font does not fail the leak check at exit. This is
// the process's only leak suppression list; add further entries here.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
