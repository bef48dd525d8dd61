#include "framework/picture.h"

#include <filesystem>
#include <string>
#include <utility>

#include "framework/graphics_errors.h"
#include "framework/picture_formats.h"

namespace quendar {

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Assign(const TPersistent& source) {
    if (&source == this) return;
    if (const auto* picture = dynamic_cast<const TPicture*>(&source)) {
        SetGraphic(picture->Graphic());
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        SetGraphic(graphic);
        return;
    }
    TPersistent::Assign(source);
}

void TPicture::SetGraphic(const TGraphic* graphic) {
    if (graphic == graphic_.get()) return;
    if (graphic == nullptr) {
        Hold(nullptr);
        return;
    }
    std::unique_ptr<TGraphic> copy = graphic->NewEmpty();
    copy->Assign(*graphic);
    Hold(std::move(copy));
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) { Hold(std::move(graphic)); }

TBitmap& TPicture::Bitmap() {
    auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
    if (bitmap == nullptr) {
        auto fresh = std::make_unique<TBitmap>();
        bitmap = fresh.get();
        Hold(std::move(fresh));
    }
    return *bitmap;
}

void TPicture::Hold(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (graphic_) graphic_->OnChange = [this](TPersistent*) { Changed(); };
    Changed();
}

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::LoadFromFile(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    std::unique_ptr<TGraphic> graphic = PictureFormats::Global().CreateForExtension(extension);
    if (!graphic) throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
    graphic->LoadFromFile(path);
    Hold(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& path) const {
    if (!graphic_) throw EInvalidGraphic("The picture is empty: there is nothing to save");
    graphic_->SaveToFile(path);
}

void TPicture::ReadData(std::span<const std::uint8_t> data) {
    if (data.empty()) {
        Hold(nullptr);
        return;
    }
    std::size_t nameLength = data[0];
    if (nameLength == 0 || data.size() < 1 + nameLength) {
        throw EInvalidGraphic("Picture data: the class name is missing or cut short");
    }
    std::string className(reinterpret_cast<const char*>(data.data() + 1), nameLength);
    std::unique_ptr<TGraphic> graphic = PictureFormats::Global().CreateForClassName(className);
    if (!graphic) throw EInvalidGraphic("Unknown picture class " + className);
    graphic->ReadData(data.subspan(1 + nameLength));
    Hold(std::move(graphic));
}

std::vector<std::uint8_t> TPicture::WriteData() const {
    if (!graphic_) return {};
    std::string className = graphic_->ClassName();
    if (className.empty() || className.size() > 255) {
        throw EInvalidGraphic("Picture data: the class name " + className + " cannot be stored");
    }
    std::vector<std::uint8_t> data;
    data.push_back(static_cast<std::uint8_t>(className.size()));
    data.insert(data.end(), className.begin(), className.end());
    std::vector<std::uint8_t> own = graphic_->WriteData();
    data.insert(data.end(), own.begin(), own.end());
    return data;
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  std::function<std::unique_ptr<TGraphic>()> factory) {
    PictureFormats::Global().RegisterFileFormat(extension, description, std::move(factory));
}

}  // namespace quendar
