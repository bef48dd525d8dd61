#include "skin/data/stored_skin_images.h"

#include "skin/data/stored_skin.h"

namespace quendar {

TsSkinImage::TsSkinImage() : image_(std::make_unique<TBitmap>()) {}
TsSkinImage::~TsSkinImage() = default;

void TsSkinImage::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TsSkinImage*>(&source);
    if (other == nullptr) {
        TCollectionItem::Assign(source);
        return;
    }
    SectionName = other->SectionName;
    image_->Assign(*other->image_);
    Name = other->Name;
    PropertyName = other->PropertyName;
    Left = other->Left;
    Top = other->Top;
    Right = other->Right;
    Bottom = other->Bottom;
    ImageCount = other->ImageCount;
    MaskType = other->MaskType;
    BorderWidth = other->BorderWidth;
    StretchMode = other->StretchMode;
    ImgType = other->ImgType;
    WL = other->WL;
    WR = other->WR;
    WT = other->WT;
    WB = other->WB;
}

TsSkinImages::TsSkinImages(TsStoredSkin* owner) : TCollection(FactoryOf<TsSkinImage>(), owner), storedSkin_(owner) {}

TsSkinPattern::TsSkinPattern() : image_(std::make_unique<TJPEGImage>()) {}
TsSkinPattern::~TsSkinPattern() = default;

void TsSkinPattern::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TsSkinPattern*>(&source);
    if (other == nullptr) {
        TCollectionItem::Assign(source);
        return;
    }
    SectionName = other->SectionName;
    image_->Assign(*other->image_);
    Name = other->Name;
    PropertyName = other->PropertyName;
}

TsSkinPatterns::TsSkinPatterns(TsStoredSkin* owner)
    : TCollection(FactoryOf<TsSkinPattern>(), owner), storedSkin_(owner) {}

}  // namespace quendar
