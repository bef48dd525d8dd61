#pragma once
// TsSkinImage: one stored image area of an internal skin (a rectangle of the
// master bitmap, or a picture of its own when Name is set); TsSkinPattern: one
// stored JPEG pattern. Their collections belong to one TsStoredSkin.
//
// Left, Top, Right and Bottom are the stored rectangle, right and bottom
// exclusive. Every field is stored as written; the rules that make a
// run-time image area of it apply when the skin is loaded.

#include <memory>
#include <string>

#include "framework/collection.h"
#include "framework/graphics_bitmap.h"
#include "framework/jpeg_image.h"
#include "skin/data/skin_image_data.h"

namespace quendar {

class TsStoredSkin;

class TsSkinImage : public TCollectionItem {
public:
    TsSkinImage();
    ~TsSkinImage() override;
    std::string ClassName() const override { return "TsSkinImage"; }
    void Assign(const TPersistent& source) override;

    // Always present; empty unless the area has a picture of its own.
    TBitmap& Image() const { return *image_; }

    std::string SectionName;
    std::string Name;  // file name of the own picture, empty otherwise
    std::string PropertyName;
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int ImageCount = 0;
    int MaskType = 0;
    int BorderWidth = 0;
    int StretchMode = 0;
    TacImgType ImgType = TacImgType::itisaBorder;
    int WL = 0;
    int WR = 0;
    int WT = 0;
    int WB = 0;

private:
    std::unique_ptr<TBitmap> image_;
};

class TsSkinImages : public TCollection {
public:
    explicit TsSkinImages(TsStoredSkin* owner);
    std::string ClassName() const override { return "TsSkinImages"; }

    TsStoredSkin* StoredSkin() const { return storedSkin_; }
    TsSkinImage* Items(int index) const { return static_cast<TsSkinImage*>(TCollection::Items(index)); }
    TsSkinImage* Add() { return static_cast<TsSkinImage*>(TCollection::Add()); }

private:
    TsStoredSkin* storedSkin_;
};

class TsSkinPattern : public TCollectionItem {
public:
    TsSkinPattern();
    ~TsSkinPattern() override;
    std::string ClassName() const override { return "TsSkinPattern"; }
    void Assign(const TPersistent& source) override;

    // Always present; may be empty when another pattern of the same Name
    // holds the picture.
    TJPEGImage& Image() const { return *image_; }

    std::string SectionName;
    std::string Name;
    std::string PropertyName;

private:
    std::unique_ptr<TJPEGImage> image_;
};

class TsSkinPatterns : public TCollection {
public:
    explicit TsSkinPatterns(TsStoredSkin* owner);
    std::string ClassName() const override { return "TsSkinPatterns"; }

    TsStoredSkin* StoredSkin() const { return storedSkin_; }
    TsSkinPattern* Items(int index) const { return static_cast<TsSkinPattern*>(TCollection::Items(index)); }
    TsSkinPattern* Add() { return static_cast<TsSkinPattern*>(TCollection::Add()); }

private:
    TsStoredSkin* storedSkin_;
};

}  // namespace quendar
