#include "framework/picture_formats.h"

#include <algorithm>

#include "framework/exception.h"
#include "framework/graphics_bitmap.h"
#include "framework/text_utils.h"

namespace quendar {

namespace {

std::string_view WithoutDot(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    return extension;
}

}  // namespace

PictureFormats& PictureFormats::Global() {
    static PictureFormats formats;
    return formats;
}

PictureFormats::PictureFormats() {
    RegisterFileFormat("bmp", "Bitmaps", [] { return std::make_unique<TBitmap>(); });
}

void PictureFormats::RegisterFileFormat(const std::string& extension, const std::string& description,
                                        TGraphicFactory factory) {
    std::string_view bare = WithoutDot(extension);
    if (bare.empty()) throw Exception("A picture file format needs an extension");
    std::string className = factory()->ClassName();
    RegisterClass(factory);
    TPictureFileFormat format{std::string(bare), description, className};
    auto known = std::find_if(formats_.begin(), formats_.end(),
                              [&](const TPictureFileFormat& f) { return SameText(f.Extension, bare); });
    if (known != formats_.end())
        *known = std::move(format);
    else
        formats_.push_back(std::move(format));
}

void PictureFormats::RegisterClass(TGraphicFactory factory) {
    std::string className = factory()->ClassName();
    auto known = std::find_if(classes_.begin(), classes_.end(),
                              [&](const ClassEntry& entry) { return SameText(entry.ClassName, className); });
    if (known != classes_.end())
        known->Factory = std::move(factory);
    else
        classes_.push_back({std::move(className), std::move(factory)});
}

void PictureFormats::UnregisterClass(std::string_view className) {
    std::erase_if(classes_, [&](const ClassEntry& entry) { return SameText(entry.ClassName, className); });
    std::erase_if(formats_, [&](const TPictureFileFormat& f) { return SameText(f.ClassName, className); });
}

const PictureFormats::ClassEntry* PictureFormats::FindClass(std::string_view className) const {
    auto found = std::find_if(classes_.begin(), classes_.end(),
                              [&](const ClassEntry& entry) { return SameText(entry.ClassName, className); });
    return found == classes_.end() ? nullptr : &*found;
}

const TPictureFileFormat* PictureFormats::FindExtension(std::string_view extension) const {
    std::string_view bare = WithoutDot(extension);
    auto found = std::find_if(formats_.begin(), formats_.end(),
                              [&](const TPictureFileFormat& f) { return SameText(f.Extension, bare); });
    return found == formats_.end() ? nullptr : &*found;
}

bool PictureFormats::IsClassRegistered(std::string_view className) const {
    return FindClass(className) != nullptr;
}

std::unique_ptr<TGraphic> PictureFormats::CreateForExtension(std::string_view extension) const {
    const TPictureFileFormat* format = FindExtension(extension);
    return format == nullptr ? nullptr : CreateForClassName(format->ClassName);
}

std::unique_ptr<TGraphic> PictureFormats::CreateForClassName(std::string_view className) const {
    const ClassEntry* entry = FindClass(className);
    return entry == nullptr ? nullptr : entry->Factory();
}

}  // namespace quendar
