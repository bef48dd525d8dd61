// LoadFont: the process-wide cache of font files and faces.

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/font.h"
#include "platform/font_face.h"
#include "platform/font_file.h"
#include "platform/font_lookup.h"
#include "platform/platform_error.h"

namespace quendar {

namespace {

constexpr const char* FallbackFamily = "DejaVu Sans";
constexpr int DefaultHeight = -11;

// The parts of a description that choose a face; underline and strike-out
// are drawn by the text routines and share the face.
using DescriptionKey = std::tuple<std::string, int, int, bool>;  // family, height, weight, italic
using FaceKey = std::tuple<std::string, int, int, bool, bool>;  // path, index, height, bold, italic

struct FontCache {
    std::mutex Mutex;
    std::map<std::pair<std::string, int>, std::shared_ptr<FontFile>> Files;
    std::map<FaceKey, std::shared_ptr<const FontFace>> Faces;
    std::map<DescriptionKey, std::shared_ptr<const FontFace>> ByDescription;
};

FontCache& Cache() {
    static FontCache cache;
    return cache;
}

std::string Lowered(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

std::shared_ptr<FontFile> OpenFile(FontCache& cache, const FontFileMatch& match) {
    auto key = std::make_pair(match.Path, match.Index);
    auto found = cache.Files.find(key);
    if (found != cache.Files.end()) return found->second;
    auto file = std::make_shared<FontFile>(match.Path, match.Index);
    cache.Files.emplace(key, file);
    return file;
}

std::shared_ptr<const FontFace> FaceFor(FontCache& cache, const FontFileMatch& match, int height, int weight,
                                        bool italic) {
    auto file = OpenFile(cache, match);
    bool syntheticBold = weight >= 600 && file->Weight() < 600;
    bool syntheticItalic = italic && !file->IsItalic();
    FaceKey key{match.Path, match.Index, height, syntheticBold, syntheticItalic};
    auto found = cache.Faces.find(key);
    if (found != cache.Faces.end()) return found->second;
    auto face = std::make_shared<const FontFace>(file, height, syntheticBold, syntheticItalic);
    cache.Faces.emplace(key, face);
    return face;
}

}  // namespace

std::shared_ptr<const FontFace> LoadFont(const FontDescription& description) {
    // Heights beyond the largest face are reduced before they become keys, so
    // absurd stored values cannot fill the cache with distinct sizes.
    int height = description.Height == 0
                     ? DefaultHeight
                     : std::clamp(description.Height, -FontFace::MaxPixelSize, 2 * FontFace::MaxPixelSize);
    int weight = description.Weight <= 0 ? FW_NORMAL : std::min(description.Weight, 1000);
    DescriptionKey descriptionKey{Lowered(description.Family), height, weight, description.Italic};

    FontCache& cache = Cache();
    std::lock_guard lock(cache.Mutex);
    if (auto found = cache.ByDescription.find(descriptionKey); found != cache.ByDescription.end()) return found->second;

    for (int attempt = 0; attempt < 3; ++attempt) {
        std::optional<FontFileMatch> candidate = attempt == 0 ? FindFontFile(description.Family, weight, description.Italic)
                                                 : attempt == 1
                                                     ? FindFontFile(FallbackFamily, weight, description.Italic)
                                                     : FindAnyFontFile(weight, description.Italic);
        if (!candidate) continue;
        try {
            auto face = FaceFor(cache, *candidate, height, weight, description.Italic);
            cache.ByDescription.emplace(descriptionKey, face);
            return face;
        } catch (const PlatformError&) {
            // An unreadable file: the next candidate may serve.
        }
    }
    throw PlatformError("No font can be found for \"" + description.Family + "\"");
}

}  // namespace quendar
