#include "skin/data/stored_skin.h"

#include "skin/data/skin_manager.h"

namespace quendar {

TsStoredSkin::TsStoredSkin()
    : generalData_(std::make_unique<TsSkinGenerals>(this)),
      images_(std::make_unique<TsSkinImages>(this)),
      patterns_(std::make_unique<TsSkinPatterns>(this)),
      masterBitmap_(std::make_unique<TBitmap>()) {}

TsStoredSkin::~TsStoredSkin() = default;

void TsStoredSkin::SetName(const std::string& name) {
    if (name != name_) name_ = name;
}

void TsStoredSkin::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TsStoredSkin*>(&source);
    if (other == nullptr) {
        TCollectionItem::Assign(source);
        return;
    }
    if (other == this) return;
    SetName(other->name_);
    generalData_->Assign(*other->generalData_);
    images_->Assign(*other->images_);
    patterns_->Assign(*other->patterns_);
    masterBitmap_->Assign(*other->masterBitmap_);
    Shadow1Color = other->Shadow1Color;
    Shadow1Offset = other->Shadow1Offset;
    Shadow1Blur = other->Shadow1Blur;
    Shadow1Transparency = other->Shadow1Transparency;
    Version = other->Version;
    Author = other->Author;
    Description = other->Description;
}

TsStoredSkins::TsStoredSkins(TsSkinManager* owner)
    : TCollection(FactoryOf<TsStoredSkin>(), owner), manager_(owner) {}

int TsStoredSkins::IndexOf(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Name() == name) return i;
    return -1;
}

}  // namespace quendar
