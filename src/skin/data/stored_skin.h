#pragma once
// TsStoredSkin: a whole skin kept inside the program (sections, image areas,
// patterns, master bitmap and skin-wide values), restored from the window
// definition; TsStoredSkins: the skins of one skin manager, found by name.

#include <memory>
#include <string>
#include <string_view>

#include "framework/collection.h"
#include "framework/extended_float.h"
#include "framework/graphics_bitmap.h"
#include "framework/graphics_color.h"
#include "skin/data/stored_skin_general.h"
#include "skin/data/stored_skin_images.h"

namespace quendar {

class TsSkinManager;

class TsStoredSkin : public TCollectionItem {
public:
    TsStoredSkin();
    ~TsStoredSkin() override;
    std::string ClassName() const override { return "TsStoredSkin"; }
    // Copies every section, image area, pattern and picture.
    void Assign(const TPersistent& source) override;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);

    TsSkinGenerals& GeneralData() const { return *generalData_; }
    TsSkinImages& Images() const { return *images_; }
    TsSkinPatterns& Patterns() const { return *patterns_; }
    TBitmap& MasterBitmap() const { return *masterBitmap_; }

    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;  // the declared default: not written when -1
    int Shadow1Transparency = 0;
    // Kept as its ten stored bytes so that a skin is written back unchanged.
    ExtendedFloat Version;
    std::string Author;
    std::string Description;

private:
    std::string name_;
    std::unique_ptr<TsSkinGenerals> generalData_;
    std::unique_ptr<TsSkinImages> images_;
    std::unique_ptr<TsSkinPatterns> patterns_;
    std::unique_ptr<TBitmap> masterBitmap_;
};

class TsStoredSkins : public TCollection {
public:
    // `owner` may be nullptr (a collection read on its own).
    explicit TsStoredSkins(TsSkinManager* owner);
    std::string ClassName() const override { return "TsStoredSkins"; }

    TsSkinManager* Manager() const { return manager_; }
    TsStoredSkin* Items(int index) const { return static_cast<TsStoredSkin*>(TCollection::Items(index)); }
    TsStoredSkin* Add() { return static_cast<TsStoredSkin*>(TCollection::Add()); }
    // Position of the first skin whose Name equals `name` exactly
    // (case-sensitive), -1 when none.
    int IndexOf(std::string_view name) const;

private:
    TsSkinManager* manager_;
};

}  // namespace quendar
