// Renders every image area of a skin's definition text to one PNG for
// review: the master bitmap first, then each area enlarged and labelled with
// its section and property.
//
//   skin_contact_sheet SKIN.txt INCLUDE_DIR OUT.png
//
// SKIN.txt is a window definition with an object whose InternalSkins
// collection carries the skin (the main window's skin manager in
// src/app/window/tform_quendar.txt); its includes are found in
// INCLUDE_DIR, then beside SKIN.txt. Areas are shown as stored, masks and
// key colour included, with the state pictures marked by thin lines.

#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "generated_files.h"
#include "framework/definition_include_files.h"
#include "framework/definition_text.h"
#include "framework/exception.h"
#include "platform/bitmap.h"
#include "platform/bmp_file.h"
#include "platform/device_context.h"
#include "platform/png_file.h"

namespace quendar {
namespace {

constexpr int Zoom = 3;
constexpr int SheetWidth = 1200;
constexpr int Gap = 8;
constexpr int LabelHeight = 14;
constexpr ColorRef SheetColor = RGB(96, 96, 104);
constexpr ColorRef LabelColor = RGB(255, 255, 255);
constexpr ColorRef StateLineColor = RGB(255, 255, 0);

struct SheetArea {
    std::string Label;
    const Bitmap* Source = nullptr;
    Rect Area;
    int ImageCount = 1;
    int MaskType = 0;
};

const DefinitionValue* FindProperty(const std::vector<DefinitionProperty>& properties, const std::string& name) {
    for (const DefinitionProperty& property : properties)
        if (property.Name == name) return &property.Value;
    return nullptr;
}

int IntegerOf(const DefinitionItem& item, const std::string& name) {
    const DefinitionValue* value = FindProperty(item.Properties, name);
    return value != nullptr && value->Kind == DefinitionValueKind::dvInteger ? value->Integer : 0;
}

std::string TextOf(const DefinitionItem& item, const std::string& name) {
    const DefinitionValue* value = FindProperty(item.Properties, name);
    return value != nullptr ? value->Text : std::string();
}

// The stored bitmap form: a four-byte byte count, then the BMP file.
Bitmap StoredBitmap(const DefinitionValue& value) {
    const std::vector<std::uint8_t>& data = value.Binary;
    if (data.size() < 4) throw Exception("stored bitmap shorter than its byte count");
    const std::size_t count = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::size_t>(data[3]) << 24;
    if (count != data.size() - 4) throw Exception("stored bitmap byte count does not match its data");
    return ReadBmp(std::span(data).subspan(4));
}

// The first InternalSkins item of the object or of any object inside it.
const DefinitionItem* FindFirstSkin(const DefinitionObject& object) {
    const DefinitionValue* skins = FindProperty(object.Properties, "InternalSkins");
    if (skins != nullptr && skins->Kind == DefinitionValueKind::dvCollection && !skins->Items.empty())
        return &skins->Items.front();
    for (const DefinitionObject& child : object.Children) {
        if (const DefinitionItem* skin = FindFirstSkin(child)) return skin;
    }
    return nullptr;
}

const DefinitionItem& FirstSkin(const DefinitionObject& root) {
    const DefinitionItem* skin = FindFirstSkin(root);
    if (skin == nullptr) throw Exception("the definition holds no InternalSkins item");
    return *skin;
}

// Copies `area` of `source` enlarged into the sheet at `at`, and marks the
// borders between state pictures and above the masks.
void DrawEnlarged(Bitmap& sheet, const SheetArea& a, Point at, int zoom) {
    const Rect clipped{std::max(a.Area.Left, 0), std::max(a.Area.Top, 0), std::min(a.Area.Right, a.Source->Width()),
                       std::min(a.Area.Bottom, a.Source->Height())};
    for (int y = clipped.Top; y < clipped.Bottom; ++y)
        for (int x = clipped.Left; x < clipped.Right; ++x) {
            const ColorRef c = a.Source->PixelAt(x, y);
            for (int dy = 0; dy < zoom; ++dy)
                for (int dx = 0; dx < zoom; ++dx)
                    sheet.SetPixel(at.X + (x - a.Area.Left) * zoom + dx, at.Y + (y - a.Area.Top) * zoom + dy, c);
        }
    const int w = a.Area.Width() * zoom;
    const int h = a.Area.Height() * zoom;
    if (a.ImageCount > 1)
        for (int i = 1; i < a.ImageCount; ++i)
            for (int y = 0; y < h; y += 2) sheet.SetPixel(at.X + i * (w / a.ImageCount), at.Y + y, StateLineColor);
    if (a.MaskType == 1)
        for (int x = 0; x < w; x += 2) sheet.SetPixel(at.X + x, at.Y + h / 2, StateLineColor);
}

Bitmap RenderSheet(const Bitmap& master, const std::vector<SheetArea>& areas) {
    // Lay out first, so the sheet gets exactly the height it needs.
    struct Placed {
        const SheetArea* Area;
        Point At;
        int Zoom;
    };
    std::vector<Placed> placed;
    SheetArea whole{"master bitmap", &master, master.Bounds(), 1, 0};
    int x = Gap;
    int y = Gap;
    int rowHeight = 0;
    const auto place = [&](const SheetArea& a) {
        const int zoom = a.Area.Width() * Zoom > SheetWidth - 2 * Gap ? 1 : Zoom;
        const int w = std::max(a.Area.Width() * zoom, 150);
        const int h = a.Area.Height() * zoom + LabelHeight;
        if (x + w > SheetWidth - Gap && x > Gap) {
            x = Gap;
            y += rowHeight + Gap;
            rowHeight = 0;
        }
        placed.push_back({&a, {x, y}, zoom});
        x += w + Gap;
        rowHeight = std::max(rowHeight, h);
    };
    place(whole);
    for (const SheetArea& a : areas) place(a);

    Bitmap sheet(SheetWidth, y + rowHeight + Gap);
    DeviceContext dc(sheet);
    dc.FillSolidRect(sheet.Bounds(), SheetColor);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(LabelColor);
    FontDescription font;
    font.Family = "DejaVu Sans";
    font.Height = -10;
    dc.SelectFont(font);
    for (const Placed& p : placed) {
        dc.TextOut(p.At.X, p.At.Y, p.Area->Label);
        DrawEnlarged(sheet, *p.Area, {p.At.X, p.At.Y + LabelHeight}, p.Zoom);
    }
    return sheet;
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw Exception("cannot open " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int Run(const std::vector<std::string>& arguments) {
    if (arguments.size() != 3) {
        std::cerr << "usage: skin_contact_sheet SKIN.txt INCLUDE_DIR OUT.png\n";
        return 1;
    }
    const std::string besideText = std::filesystem::path(arguments[0]).parent_path().string();
    const DefinitionObject root =
        ParseDefinitionText(ReadText(arguments[0]), IncludeFilesFrom({arguments[1], besideText.empty() ? "." : besideText}));
    const DefinitionItem& skin = FirstSkin(root);
    const DefinitionValue* masterData = FindProperty(skin.Properties, "MasterBitmap.Data");
    if (masterData == nullptr) throw Exception("the skin has no master bitmap");
    const Bitmap master = StoredBitmap(*masterData);

    const DefinitionValue* images = FindProperty(skin.Properties, "Images");
    if (images == nullptr || images->Kind != DefinitionValueKind::dvCollection)
        throw Exception("the skin has no Images collection");
    std::vector<Bitmap> ownBitmaps;
    ownBitmaps.reserve(images->Items.size());
    std::vector<SheetArea> areas;
    for (const DefinitionItem& item : images->Items) {
        SheetArea a;
        a.Label = TextOf(item, "SectionName") + " " + TextOf(item, "PropertyName");
        a.ImageCount = std::max(1, IntegerOf(item, "ImageCount"));
        a.MaskType = IntegerOf(item, "MaskType");
        if (const DefinitionValue* own = FindProperty(item.Properties, "Image.Data")) {
            ownBitmaps.push_back(StoredBitmap(*own));
            a.Source = &ownBitmaps.back();
            a.Area = ownBitmaps.back().Bounds();
            a.ImageCount = 3;
            a.MaskType = 1;
        } else {
            a.Source = &master;
            a.Area = {IntegerOf(item, "Left"), IntegerOf(item, "Top"), IntegerOf(item, "Right"), IntegerOf(item, "Bottom")};
        }
        if (a.Area.IsEmpty()) continue;
        areas.push_back(a);
    }
    WritePngFile(RenderSheet(master, areas), arguments[2]);
    std::cout << areas.size() << " image areas\n";
    return 0;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) { return quendar::RunGenerator("skin_contact_sheet", argc, argv, quendar::Run); }
