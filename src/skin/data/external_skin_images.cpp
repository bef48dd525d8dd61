#include "skin/data/external_skin_images.h"

#include <stdexcept>

#include "framework/jpeg_image.h"
#include "framework/mem_ini_file.h"
#include "framework/string_list.h"
#include "framework/text_utils.h"
#include "skin/data/external_skin_encodings.h"
#include "skin/data/image_area_rules.h"

namespace quendar {
namespace {

class ImageFiller {
public:
    ImageFiller(SkinTables& tables, const std::string& folder, const TsSkinManager* manager,
                SkinProblemList* problems)
        : tables_(tables), folder_(folder), manager_(manager), problems_(problems) {}

    void LoadMasterBitmap(const std::string& name) {
        if (name.empty()) return;
        if (auto bitmap = ReadBitmap("[GLOBALINFO] MASTERBITMAP: ", name)) {
            tables_.MasterBitmap = std::make_unique<Bitmap>(std::move(*bitmap));
        }
    }

    void AddValue(const std::string& section, const std::string& key, const std::string& value) {
        SkinImageValue parsed = ParseSkinImageValue(section, key, value);
        const std::string where = "[" + section + "] " + key + ": ";
        for (const std::string& problem : parsed.Problems) ReportSkinProblem(problems_, where + problem);
        parsed.Area.Manager = manager_;
        switch (parsed.Kind) {
            case SkinValueKind::None: break;
            case SkinValueKind::MasterArea: tables_.ImageAreas.push_back(std::move(parsed.Area)); break;
            case SkinValueKind::OwnBitmap: AddOwnBitmap(where, parsed); break;
            case SkinValueKind::Pattern: AddPattern(where, parsed); break;
        }
    }

private:
    std::optional<std::string> Find(const std::string& where, const std::string& name) {
        std::string path = FindSkinFile(folder_, name);
        if (!path.empty()) return path;
        const bool drivePath = name.find(':') != std::string::npos;
        ReportSkinProblem(problems_, where + "file \"" + name + "\" not found" +
                                         (drivePath ? " (a drive path, which this system does not have)" : ""));
        return std::nullopt;
    }

    std::optional<Bitmap> ReadBitmap(const std::string& where, const std::string& name) {
        const auto path = Find(where, name);
        if (!path) return std::nullopt;
        try {
            return ReadSkinBitmap(*path);
        } catch (const std::runtime_error& error) {
            ReportSkinProblem(problems_, where + "refused: " + error.what());
            return std::nullopt;
        }
    }

    void AddOwnBitmap(const std::string& where, SkinImageValue& parsed) {
        auto bitmap = ReadBitmap(where, parsed.FileName);
        if (!bitmap || bitmap->Width() == 0) return;
        TsMaskData& area = parsed.Area;
        area.Rect = bitmap->Bounds();
        area.Image = std::make_shared<Bitmap>(std::move(*bitmap));
        if (!parsed.MarginsGiven) ApplyDefaultMargins(area);
        tables_.ImageAreas.push_back(std::move(area));
    }

    void AddPattern(const std::string& where, const SkinImageValue& parsed) {
        const auto path = Find(where, parsed.FileName);
        if (!path) return;
        std::shared_ptr<TJPEGImage> image;
        try {
            image = ReadSkinJpeg(*path);
        } catch (const std::runtime_error& error) {
            ReportSkinProblem(problems_, where + "refused: " + error.what());
            return;
        }
        if (image->Width() == 0 || image->Height() == 0) return;
        if (static_cast<long long>(image->Width()) * image->Height() > MaxTexturePixelsFromJpeg) {
            tables_.Patterns.push_back({image, parsed.Area.SectionName, parsed.Area.PropertyName});
            return;
        }
        TsMaskData texture;
        texture.Image = std::make_shared<Bitmap>(image->Bitmap().PixelBuffer().ConvertedTo(PixelFormat::Bits24));
        texture.SectionName = parsed.Area.SectionName;
        texture.PropertyName = parsed.Area.PropertyName;
        texture.ImgType = TacImgType::itisaTexture;
        texture.ImageCount = 1;
        texture.MaskType = 0;
        texture.Manager = manager_;
        tables_.ImageAreas.push_back(std::move(texture));
    }

    SkinTables& tables_;
    const std::string& folder_;
    const TsSkinManager* manager_;
    SkinProblemList* problems_;
};

}  // namespace

void FillImagesFromIni(SkinTables& tables, const TMemIniFile& ini, const std::string& folder,
                       const TsSkinManager* manager, SkinProblemList* problems) {
    tables.ImageAreas.clear();
    tables.Patterns.clear();
    tables.MasterBitmap.reset();

    ImageFiller filler(tables, folder, manager, problems);
    filler.LoadMasterBitmap(ini.ReadString("GLOBALINFO", "MASTERBITMAP", ""));

    TStringList sections;
    ini.ReadSections(sections);
    TStringList lines;
    for (int s = 0; s < sections.Count(); ++s) {
        const std::string section = sections.Strings(s);
        const bool globalInfo = SameText(section, "GLOBALINFO");
        ini.ReadSectionValues(section, lines);
        for (int i = 0; i < lines.Count(); ++i) {
            const std::string line = lines.Strings(i);
            const std::size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            const std::string key = line.substr(0, equals);
            if (globalInfo && SameText(key, "MASTERBITMAP")) continue;
            filler.AddValue(section, key, line.substr(equals + 1));
        }
    }
}

}  // namespace quendar
