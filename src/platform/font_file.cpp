#include "platform/font_file.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <mutex>

#include "platform/font.h"
#include "platform/platform_error.h"

namespace quendar {

class FreeTypeLibrary {
public:
    FreeTypeLibrary() {
        if (FT_Init_FreeType(&library_) != 0) throw PlatformError("The font renderer cannot start");
    }
    ~FreeTypeLibrary() { FT_Done_FreeType(library_); }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

    FT_Library Handle() const { return library_; }

    // The process's library, made on first use and kept by every open file.
    static std::shared_ptr<FreeTypeLibrary> Shared() {
        static std::mutex mutex;
        static std::weak_ptr<FreeTypeLibrary> current;
        std::lock_guard lock(mutex);
        auto library = current.lock();
        if (!library) {
            library = std::make_shared<FreeTypeLibrary>();
            current = library;
        }
        return library;
    }

private:
    FT_Library library_ = nullptr;
};

FontFile::FontFile(const std::string& path, int index)
    : library_(FreeTypeLibrary::Shared()), path_(path), index_(index) {
    if (index < 0 || FT_New_Face(library_->Handle(), path.c_str(), index, &face_) != 0) {
        face_ = nullptr;
        throw PlatformError("Cannot read the font file \"" + path + "\"");
    }
    if (face_->family_name != nullptr) familyName_ = face_->family_name;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWeightClass > 0)
        weight_ = os2->usWeightClass;
    else
        weight_ = (face_->style_flags & FT_STYLE_FLAG_BOLD) != 0 ? FW_BOLD : FW_NORMAL;
    italic_ = (face_->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
}

FontFile::~FontFile() {
    if (face_ != nullptr) FT_Done_Face(face_);
}

}  // namespace quendar
