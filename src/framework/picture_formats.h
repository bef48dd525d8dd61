#pragma once
// The picture classes a TPicture can hold: by file extension (for loading
// files) and by class name (for the stored form of window definitions).
// TBitmap is always known, as "TBitmap" and for the extension "bmp".
//
// Extensions are given without the dot; extensions and class names match
// without regard to case. Registering an extension or class name again
// replaces the earlier entry.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphic.h"

namespace quendar {

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

struct TPictureFileFormat {
    std::string Extension;
    std::string Description;
    std::string ClassName;
};

class PictureFormats {
public:
    // The registry TPicture uses.
    static PictureFormats& Global();

    PictureFormats();

    // The factory's class name comes from the picture it makes.
    void RegisterFileFormat(const std::string& extension, const std::string& description,
                            TGraphicFactory factory);
    // A class known by name only.
    void RegisterClass(TGraphicFactory factory);
    // Forgets the class and every extension of it.
    void UnregisterClass(std::string_view className);

    // A new empty picture, or nullptr when nothing is registered.
    std::unique_ptr<TGraphic> CreateForExtension(std::string_view extension) const;
    std::unique_ptr<TGraphic> CreateForClassName(std::string_view className) const;
    const TPictureFileFormat* FindExtension(std::string_view extension) const;
    bool IsClassRegistered(std::string_view className) const;

    // In order of registration.
    const std::vector<TPictureFileFormat>& FileFormats() const { return formats_; }

private:
    struct ClassEntry {
        std::string ClassName;
        TGraphicFactory Factory;
    };
    const ClassEntry* FindClass(std::string_view className) const;

    std::vector<TPictureFileFormat> formats_;
    std::vector<ClassEntry> classes_;
};

}  // namespace quendar
