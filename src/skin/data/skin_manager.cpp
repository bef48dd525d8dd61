#include "skin/data/skin_manager.h"

#include "framework/conversions.h"
#include "skin/data/common_sections.h"
#include "skin/data/skin_section_lookup.h"
#include "skin/data/stored_skin_loading.h"

namespace quendar {

TacMenuSupport::TacMenuSupport() : extraLineFont_(std::make_unique<TFont>()) {}
TacMenuSupport::~TacMenuSupport() = default;

void TacMenuSupport::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TacMenuSupport*>(&source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    IcoLineSkin = other->IcoLineSkin;
    extraLineFont_->Assign(*other->extraLineFont_);
}

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner),
      internalSkins_(std::make_unique<TsStoredSkins>(this)),
      menuSupport_(std::make_unique<TacMenuSupport>()),
      commonSections_(std::make_unique<TStringList>()) {}

TsSkinManager::~TsSkinManager() = default;

void TsSkinManager::SetInternalSkins(const TsStoredSkins& skins) { internalSkins_->Assign(skins); }

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
    if (directory != skinDirectory_) skinDirectory_ = directory;
}

bool TsSkinManager::CanLoadNow() const {
    return active_ && !Contains(ComponentState(), TComponentState::csLoading);
}

void TsSkinManager::SetSkinName(const std::string& name) {
    if (name == skinName_) return;
    skinName_ = name;
    if (CanLoadNow()) LoadSkin();
}

std::string TsSkinManager::SkinInfo() const {
    return tables_.SkinData.Ready ? FloatToStr(tables_.SkinData.Version) : "N/A";
}

void TsSkinManager::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (!active_)
        tables_.Clear();
    else if (!Contains(ComponentState(), TComponentState::csLoading))
        LoadSkin();
}

void TsSkinManager::SetCommonSections(const TStrings& lines) {
    TStringList cleaned;
    for (int i = 0; i < lines.Count(); ++i) cleaned.Add(WithoutBlanks(lines.Strings(i)));
    commonSections_->Assign(cleaned);
    if (CanLoadNow() && tables_.SkinData.Ready) LoadSkin();
}

bool TsSkinManager::LoadSkin() {
    const int index = internalSkins_->IndexOf(skinName_);
    if (index < 0) return false;
    // Loaded aside first, so a refused skin leaves the current one in place.
    SkinTables fresh;
    LoadStoredSkin(fresh, *internalSkins_->Items(index), this);
    AppendCommonSections(fresh, *commonSections_, this);
    UpdateGlobalInfoIndex(fresh);
    fresh.SkinData.Ready = true;
    tables_ = std::move(fresh);
    return true;
}

void TsSkinManager::Loaded() {
    TComponent::Loaded();
    if (skinDirectory_.empty()) skinDirectory_ = DefaultSkinDirectory;
    if (menuSupport_->IcoLineSkin.empty()) menuSupport_->IcoLineSkin = DefaultIcoLineSkin;
    if (active_ && !skinName_.empty()) LoadSkin();
}

}  // namespace quendar
