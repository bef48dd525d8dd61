#pragma once
// TsSkinManager, data half: the stored properties of the skin manager and
// the skin tables it loads from its internal skins.
//
// What is here: InternalSkins, MenuSupport, SkinDirectory, SkinName,
// SkinInfo, Active, IsDefault, SkinnedPopups, HueOffset, Saturation,
// CommonSections and the designer position, with their stored defaults;
// loading an internal skin (sections, image areas, patterns, master bitmap,
// then CommonSections) into Tables() when SkinName is applied.
//
// What is not here yet: external skin folders, the colour change of
// HueOffset and Saturation, the default-manager rules and the announcement
// of a new skin to the controls. Those setters only store their values.

#include <memory>
#include <string>

#include "framework/component.h"
#include "framework/graphics_font.h"
#include "framework/string_list.h"
#include "skin/data/skin_tables.h"
#include "skin/data/stored_skin.h"

namespace quendar {

// Settings of the skinned menus.
class TacMenuSupport : public TPersistent {
public:
    TacMenuSupport();
    ~TacMenuSupport() override;
    std::string ClassName() const override { return "TacMenuSupport"; }
    void Assign(const TPersistent& source) override;

    // Section painted behind the icon column of a menu; the manager makes
    // an empty one "ICOLINE" at the end of loading.
    std::string IcoLineSkin;
    TFont& ExtraLineFont() const { return *extraLineFont_; }

private:
    std::unique_ptr<TFont> extraLineFont_;
};

class TsSkinManager : public TComponent {
public:
    static constexpr const char* DefaultSkinDirectory = "c:\\Skins";
    static constexpr const char* DefaultIcoLineSkin = "ICOLINE";

    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    std::string ClassName() const override { return "TsSkinManager"; }

    TsStoredSkins& InternalSkins() const { return *internalSkins_; }
    // Copies every skin of `skins`.
    void SetInternalSkins(const TsStoredSkins& skins);

    TacMenuSupport& MenuSupport() const { return *menuSupport_; }

    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& directory);

    const std::string& SkinName() const { return skinName_; }
    // While active and not loading, a different name loads the internal
    // skin of that name (when there is one).
    void SetSkinName(const std::string& name);

    // The loaded skin's version with "." as decimal separator ("4.81"), or
    // "N/A" while no skin is ready. Setting is ignored: the value is only
    // stored so that the designer shows it.
    std::string SkinInfo() const;
    void SetSkinInfo(const std::string&) {}

    bool Active() const { return active_; }
    // Turning off empties the tables; turning on loads SkinName again.
    void SetActive(bool active);
    bool IsDefault() const { return isDefault_; }
    void SetIsDefault(bool isDefault) { isDefault_ = isDefault; }
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool skinnedPopups) { skinnedPopups_ = skinnedPopups; }
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int hueOffset) { hueOffset_ = hueOffset; }
    int Saturation() const { return saturation_; }
    void SetSaturation(int saturation) { saturation_ = saturation; }

    // Sections in ini layout added after every skin's own. Assigning removes
    // every blank from each line that does not begin with ";" and reloads
    // the skin.
    const TStringList& CommonSections() const { return *commonSections_; }
    void SetCommonSections(const TStrings& lines);

    // The designer position; stored, no effect.
    int Left = 0;
    int Top = 0;

    // The loaded skin; empty while none is.
    const SkinTables& Tables() const { return tables_; }
    // Reloads SkinName from the internal skins into the tables. Returns
    // false, leaving the tables as they were, when no internal skin has
    // that name.
    bool LoadSkin();

    void Loaded() override;

private:
    bool CanLoadNow() const;

    std::unique_ptr<TsStoredSkins> internalSkins_;
    std::unique_ptr<TacMenuSupport> menuSupport_;
    std::unique_ptr<TStringList> commonSections_;
    std::string skinDirectory_ = DefaultSkinDirectory;
    std::string skinName_;
    bool active_ = true;
    bool isDefault_ = true;
    bool skinnedPopups_ = true;
    int hueOffset_ = 0;
    int saturation_ = 0;
    SkinTables tables_;
};

}  // namespace quendar
