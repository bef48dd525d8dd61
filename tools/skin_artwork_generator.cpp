// Draws the pictures of the built-in skin "BlueGauze (internal)": its master
// bitmap (156 x 292) and the own bitmap of the huge button (288 x 192).
//
//   skin_artwork_generator OUTDIR     writes into OUTDIR
//       blue_gauze_master.bitmap, blue_gauze_button_huge.bitmap
//           (the stored "Data" form of a bitmap: a four-byte little-endian
//           byte count, then the BMP file), and the two .bmp files for review
//   skin_artwork_generator --layout   prints the region table below, one
//                                     region a line: name, left, top, right,
//                                     bottom, picture count, masked (0/1)
//
// Both files are 8-bit BMPs with a 256-entry palette. Every image area of
// the skin's definition text is one region of the table (several areas may
// share one); transparent pixels are magenta, masks follow the convention in
// skin_artwork_painter.h. The same build draws the same bytes every time.

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "generated_files.h"
#include "framework/exception.h"
#include "platform/bitmap.h"
#include "platform/bmp_file.h"
#include "skin_artwork_pictures.h"

namespace quendar {
namespace {

using artwork::StatePainter;

constexpr int MasterWidth = 156;
constexpr int MasterHeight = 292;
constexpr int HugeWidth = 288;
constexpr int HugeHeight = 192;
constexpr std::size_t PaletteBmpHeaderBytes = 1078;

struct ArtRegion {
    const char* Name;
    Rect Area;
    int ImageCount;
    bool Masked;
    void (*Draw)(StatePainter&, int state);  // null: drawn as part of the region that holds it
};

// The master bitmap's layout. Regions never overlap, except one drawn by
// another (Divider lies in FlatFrame's left edge).
constexpr ArtRegion MasterRegions[] = {
    {"BoxUnchecked", {0, 0, 39, 26}, 3, true, artwork::DrawBoxUnchecked},
    {"BoxChecked", {39, 0, 78, 26}, 3, true, artwork::DrawBoxChecked},
    {"BoxGrayed", {0, 26, 39, 52}, 3, true, artwork::DrawBoxGrayed},
    {"RadioChecked", {39, 26, 78, 52}, 3, true, artwork::DrawRadioChecked},
    {"SmallUnchecked", {0, 52, 36, 64}, 3, false, artwork::DrawSmallUnchecked},
    {"SmallChecked", {36, 52, 72, 64}, 3, false, artwork::DrawSmallChecked},
    {"Gauze", {78, 0, 156, 48}, 1, false, artwork::DrawGauze},
    {"FlatFrame", {78, 48, 156, 99}, 1, false, artwork::DrawFlatFrame},
    {"Divider", {78, 54, 80, 59}, 1, false, nullptr},
    {"ButtonFrame", {0, 64, 18, 76}, 3, true, artwork::DrawButtonFrame},
    {"SpeedButtonFrame", {18, 64, 36, 76}, 3, true, artwork::DrawSpeedButtonFrame},
    {"ScrollButtonFrame", {36, 64, 54, 76}, 3, true, artwork::DrawScrollButtonFrame},
    {"MenuItemFrame", {54, 64, 72, 76}, 3, true, artwork::DrawMenuItemFrame},
    {"TitleMinimize", {0, 80, 54, 112}, 3, true, artwork::DrawTitleMinimize},
    {"TitleMaximize", {0, 112, 54, 144}, 3, true, artwork::DrawTitleMaximize},
    {"TitleClose", {0, 144, 54, 176}, 3, true, artwork::DrawTitleClose},
    {"SmallFrame", {54, 80, 72, 92}, 3, true, artwork::DrawButtonFrame},
    {"TabTopFrame", {54, 92, 72, 104}, 3, true, artwork::DrawTabTopFrame},
    {"TabBottomFrame", {54, 104, 72, 116}, 3, true, artwork::DrawTabBottomFrame},
    {"TabLeftFrame", {54, 116, 72, 128}, 3, true, artwork::DrawTabLeftFrame},
    {"TabRightFrame", {54, 128, 72, 140}, 3, true, artwork::DrawTabRightFrame},
    {"ScrollThumbFrame", {54, 140, 72, 152}, 3, true, artwork::DrawScrollThumbFrame},
    {"ProgressFrame", {54, 152, 72, 164}, 1, false, artwork::DrawTroughFrame},
    {"ComboFrame", {54, 164, 72, 176}, 3, true, artwork::DrawComboFrame},
    {"TickHorizontal", {72, 80, 73, 85}, 1, false, artwork::DrawTickHorizontal},
    {"TickVertical", {72, 88, 77, 89}, 1, false, artwork::DrawTickVertical},
    {"GauzeHot", {78, 99, 117, 138}, 1, false, artwork::DrawGauzeHot},
    {"SunkenFrame", {117, 99, 156, 138}, 1, false, artwork::DrawSunkenFrame},
    {"BarShadeHot", {78, 138, 117, 174}, 1, false, artwork::DrawBarShadeHot},
    {"BarShade", {117, 138, 156, 174}, 1, false, artwork::DrawBarShade},
    {"SizeGrip", {117, 174, 130, 187}, 1, false, artwork::DrawSizeGrip},
    {"RadioUnchecked", {0, 176, 39, 202}, 3, true, artwork::DrawRadioUnchecked},
    {"CheckMark", {42, 176, 72, 196}, 3, true, artwork::DrawCheckMark},
    {"GripDots", {39, 197, 42, 199}, 1, true, artwork::DrawGripDots},
    {"SmallGrayed", {0, 202, 36, 214}, 3, false, artwork::DrawSmallGrayed},
    {"TitleButton", {0, 214, 54, 246}, 3, true, artwork::DrawTitleButton},
    {"TitleHelp", {0, 246, 54, 278}, 3, true, artwork::DrawTitleHelp},
    {"SliderThumbRight", {0, 278, 39, 292}, 3, true, artwork::DrawSliderThumbRight},
    {"ProgressStripes", {54, 232, 78, 244}, 1, false, artwork::DrawProgressStripes},
    {"ProgressStripesVertical", {54, 244, 66, 268}, 1, false, artwork::DrawProgressStripesVertical},
    {"TabFace", {66, 244, 78, 268}, 1, false, artwork::DrawTabFace},
    {"TabFaceHot", {54, 268, 66, 292}, 1, false, artwork::DrawTabFaceHot},
    {"TitleRestore", {78, 187, 132, 219}, 3, true, artwork::DrawTitleRestore},
    {"ArrowLeft", {78, 219, 105, 237}, 3, true, artwork::DrawArrowLeft},
    {"ArrowRight", {105, 219, 132, 237}, 3, true, artwork::DrawArrowRight},
    {"ArrowUp", {78, 237, 105, 255}, 3, true, artwork::DrawArrowUp},
    {"ArrowDown", {105, 237, 132, 255}, 3, true, artwork::DrawArrowDown},
    {"ComboArrow", {78, 255, 105, 273}, 3, true, artwork::DrawArrowDown},
    {"StatusGrip", {105, 255, 118, 281}, 1, true, artwork::DrawSizeGrip},
    {"TitleBandFrame", {78, 273, 105, 292}, 1, false, artwork::DrawTitleBandFrame},
    {"SliderThumbDown", {132, 187, 153, 213}, 3, true, artwork::DrawSliderThumbDown},
    {"SliderChannel", {132, 213, 144, 218}, 1, false, artwork::DrawTroughFrame},
    {"ScrollTrackHorizontal", {132, 220, 156, 236}, 1, false, artwork::DrawTrackFrame},
    {"ScrollTrackVertical", {132, 236, 148, 260}, 1, false, artwork::DrawTrackFrame},
    {"HintFrame", {132, 260, 156, 276}, 1, false, artwork::DrawHintFrame},
};

constexpr ArtRegion HugeButtonRegion = {"HugeButtonFrame", {0, 0, HugeWidth, HugeHeight}, 3, true,
                                        artwork::DrawHugeButtonFrame};

bool Overlap(const Rect& a, const Rect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// A layout mistake would silently cut one picture into another.
void CheckLayout(std::span<const ArtRegion> regions, int width, int height) {
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const ArtRegion& r = regions[i];
        const Rect& a = r.Area;
        if (a.Left < 0 || a.Top < 0 || a.Right > width || a.Bottom > height || a.IsEmpty())
            throw Exception(std::string("region ") + r.Name + " lies outside the bitmap");
        if (a.Width() % r.ImageCount != 0 || (r.Masked && a.Height() % 2 != 0))
            throw Exception(std::string("region ") + r.Name + " does not divide into its pictures");
        if (r.Draw == nullptr) continue;
        for (std::size_t j = i + 1; j < regions.size(); ++j)
            if (regions[j].Draw != nullptr && Overlap(a, regions[j].Area))
                throw Exception(std::string("regions ") + r.Name + " and " + regions[j].Name + " overlap");
    }
}

void DrawRegions(Bitmap& bitmap, std::span<const ArtRegion> regions) {
    bitmap.Fill(artwork::Magenta);
    for (const ArtRegion& region : regions) {
        if (region.Draw == nullptr) continue;
        for (int state = 0; state < region.ImageCount; ++state) {
            StatePainter painter(bitmap, region.Area, region.ImageCount, region.Masked, state);
            region.Draw(painter, state);
        }
    }
}

std::vector<std::uint8_t> PaletteBmp(const Bitmap& bitmap, std::size_t expectedBytes) {
    std::vector<std::uint8_t> file = WriteBmp8(bitmap);
    const std::uint32_t pixelOffset = file[10] | file[11] << 8 | file[12] << 16 | static_cast<std::uint32_t>(file[13]) << 24;
    if (file.size() != expectedBytes || pixelOffset != PaletteBmpHeaderBytes)
        throw Exception("unexpected BMP layout: " + std::to_string(file.size()) + " bytes, pixels at " +
                        std::to_string(pixelOffset));
    return file;
}

// The stored "Data" form of a bitmap: the file behind its byte count.
std::vector<std::uint8_t> StoredBitmapData(std::span<const std::uint8_t> file) {
    std::vector<std::uint8_t> data;
    data.reserve(file.size() + 4);
    const auto count = static_cast<std::uint32_t>(file.size());
    for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<std::uint8_t>(count >> shift));
    for (const std::uint8_t byte : file) data.push_back(byte);
    return data;
}

void PrintLayout() {
    for (const ArtRegion& r : MasterRegions)
        std::cout << r.Name << ' ' << r.Area.Left << ' ' << r.Area.Top << ' ' << r.Area.Right << ' ' << r.Area.Bottom
                  << ' ' << r.ImageCount << ' ' << (r.Masked ? 1 : 0) << '\n';
}

constexpr const char* Usage = "usage: skin_artwork_generator OUTDIR | --layout\n";

int Run(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1 || arguments[0].empty()) {
        std::cerr << Usage;
        return 1;
    }
    CheckLayout(MasterRegions, MasterWidth, MasterHeight);
    if (arguments[0] == "--layout") {
        PrintLayout();
        return 0;
    }
    if (arguments[0][0] == '-') {
        std::cerr << Usage;
        return 1;
    }
    Bitmap master(MasterWidth, MasterHeight);
    DrawRegions(master, MasterRegions);
    Bitmap huge(HugeWidth, HugeHeight);
    DrawRegions(huge, std::span(&HugeButtonRegion, 1));

    const std::vector<std::uint8_t> masterFile = PaletteBmp(master, PaletteBmpHeaderBytes + MasterWidth * MasterHeight);
    const std::vector<std::uint8_t> hugeFile = PaletteBmp(huge, PaletteBmpHeaderBytes + HugeWidth * HugeHeight);
    const std::string folder = arguments[0] + "/";
    WriteAll({{folder + "blue_gauze_master.bitmap", StoredBitmapData(masterFile)},
              {folder + "blue_gauze_button_huge.bitmap", StoredBitmapData(hugeFile)},
              {folder + "blue_gauze_master.bmp", masterFile},
              {folder + "blue_gauze_button_huge.bmp", hugeFile}});
    return 0;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) { return quendar::RunGenerator("skin_artwork_generator", argc, argv, quendar::Run); }
