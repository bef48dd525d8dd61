#pragma once
// An opened font file: one FreeType face object that every FontFace of that
// file shares, each with its own size object. Files stay open while a face
// uses them; the FreeType library stays alive while a file does.

#include <memory>
#include <string>

struct FT_FaceRec_;

namespace quendar {

class FreeTypeLibrary;

class FontFile {
public:
    // Opens face `index` of the file; throws PlatformError when the file is
    // missing or not a font FreeType can read.
    FontFile(const std::string& path, int index);
    ~FontFile();
    FontFile(const FontFile&) = delete;
    FontFile& operator=(const FontFile&) = delete;

    FT_FaceRec_* Face() const { return face_; }
    const std::string& Path() const { return path_; }
    int Index() const { return index_; }
    const std::string& FamilyName() const { return familyName_; }
    // The design weight on the FW_* scale, from the file's own tables.
    int Weight() const { return weight_; }
    bool IsItalic() const { return italic_; }

private:
    std::shared_ptr<FreeTypeLibrary> library_;
    FT_FaceRec_* face_ = nullptr;
    std::string path_;
    int index_ = 0;
    std::string familyName_;
    int weight_ = 400;
    bool italic_ = false;
};

}  // namespace quendar
