// Draws the "Brisvane Quendar" logo of the main window and writes it as a
// JPEG, and optionally in the stored picture form a window definition holds:
//
//   logo_generator OUT.jpg [--picture-data OUT.picture]
//
// The picture is 162 x 58 pixels: a calendar page with a marked span of days
// at the left, the two words of the name at the right, on the built-in
// skin's window colour so the logo blends into the form. The same build
// draws the same bytes every time.

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "generated_files.h"
#include "framework/exception.h"
#include "framework/jpeg_codec.h"
#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/font.h"
#include "platform/font_face.h"

namespace quendar {
namespace {

constexpr int LogoWidth = 162;
constexpr int LogoHeight = 58;
// Gives a file of about 3.7 KB (3,744 bytes with this artwork); the text
// edges are what costs bytes.
constexpr int LogoQuality = 79;
constexpr JpegDensity LogoDensity{1, 300, 300};

// The built-in skin's window colour (close to the classic button face).
constexpr ColorRef FormFace = RGB(216, 215, 222);
constexpr ColorRef PageEdge = RGB(112, 132, 158);
constexpr ColorRef PageShadow = RGB(214, 218, 224);
constexpr ColorRef HeaderTop = RGB(96, 140, 194);
constexpr ColorRef HeaderBottom = RGB(60, 100, 154);
constexpr ColorRef RingDark = RGB(70, 82, 100);
constexpr ColorRef RingLight = RGB(188, 198, 212);
constexpr ColorRef DayDot = RGB(178, 190, 206);
constexpr ColorRef SpanFill = RGB(208, 224, 244);
constexpr ColorRef SpanEnd = RGB(226, 122, 44);
constexpr ColorRef FirstWord = RGB(74, 88, 110);
constexpr ColorRef SecondWord = RGB(44, 92, 158);

TriVertex Vertex(int x, int y, ColorRef color) {
    return {x,
            y,
            static_cast<std::uint16_t>(GetRValue(color) << 8),
            static_cast<std::uint16_t>(GetGValue(color) << 8),
            static_cast<std::uint16_t>(GetBValue(color) << 8),
            0};
}

// A top-to-bottom blend over the rectangle (Right and Bottom outside).
void FillVerticalGradient(DeviceContext& dc, const Rect& r, ColorRef top, ColorRef bottom) {
    const std::array<TriVertex, 4> corners = {Vertex(r.Left, r.Top, top), Vertex(r.Right, r.Top, top),
                                              Vertex(r.Right, r.Bottom, bottom),
                                              Vertex(r.Left, r.Bottom, bottom)};
    const std::array<GradientTriangle, 2> halves = {GradientTriangle{0, 1, 2}, GradientTriangle{0, 2, 3}};
    dc.GradientFillTriangles(corners, halves);
}

// The tear-off page: a white sheet with a blue header strip and two binder
// rings, its day grid below with the first and last day of a span marked.
void DrawCalendarPage(DeviceContext& dc) {
    const Rect page{6, 7, 52, 53};
    constexpr int headerBottom = 20;

    dc.SelectPen(Pen::None());
    dc.SelectBrush(Brush::Solid(PageShadow));
    dc.RoundRect({page.Left + 2, page.Top + 2, page.Right + 3, page.Bottom + 3}, 9, 9);

    dc.SelectPen(Pen::Solid(PageEdge));
    dc.SelectBrush(Brush::Solid(RGB(255, 255, 255)));
    dc.RoundRect(page, 9, 9);

    // The header shares the page's rounded top; its lower edge is straight.
    dc.SaveDC();
    dc.IntersectClipRect({page.Left, page.Top, page.Right, headerBottom});
    dc.SelectBrush(Brush::Solid(HeaderBottom));
    dc.RoundRect(page, 9, 9);
    dc.IntersectClipRect({page.Left + 1, page.Top + 1, page.Right - 1, headerBottom});
    FillVerticalGradient(dc, {page.Left + 3, page.Top + 1, page.Right - 3, headerBottom}, HeaderTop,
                         HeaderBottom);
    dc.RestoreDC(-1);
    dc.SelectPen(Pen::Solid(PageEdge));
    dc.MoveTo({page.Left, headerBottom});
    dc.LineTo({page.Right, headerBottom});

    for (const int x : {page.Left + 11, page.Right - 14}) {
        dc.FillSolidRect({x, page.Top - 4, x + 3, page.Top + 5}, RingDark);
        dc.FillSolidRect({x + 1, page.Top - 3, x + 2, page.Top + 4}, RingLight);
    }

    // Five columns by four rows of days; the span runs from the second day
    // of the first row to the fourth day of the third.
    constexpr int columns = 5;
    constexpr int rows = 4;
    constexpr int firstDay = 1;
    constexpr int lastDay = 2 * columns + 3;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int day = row * columns + column;
            const int x = page.Left + 5 + column * 8;
            const int y = headerBottom + 5 + row * 7;
            if (day > firstDay && day < lastDay) dc.FillSolidRect({x - 2, y - 2, x + 6, y + 5}, SpanFill);
            if (day == firstDay || day == lastDay) {
                dc.SelectPen(Pen::None());
                dc.SelectBrush(Brush::Solid(SpanEnd));
                dc.RoundRect({x - 1, y - 1, x + 6, y + 5}, 4, 4);
            } else {
                dc.FillSolidRect({x, y, x + 4, y + 3}, day > firstDay && day < lastDay ? HeaderTop : DayDot);
            }
        }
    }
}

FontDescription LogoFont(int height) {
    FontDescription font;
    font.Family = "Tahoma";
    font.Height = height;
    font.Weight = FW_BOLD;
    return font;
}

// Another face would change the artwork from one machine to the next.
void RequireTahomaBold(const FontDescription& font) {
    const auto face = LoadFont(font);
    if (face->FamilyName() != "Tahoma" || face->IsSyntheticBold())
        throw Exception("the Tahoma Bold font is not installed (it comes with the fonts-wine package)");
}

// Tahoma's bold strokes are one pixel wide at these sizes; the words are
// set a second time one pixel to the right to give them weight.
void DrawHeavyText(DeviceContext& dc, int x, int y, std::string_view text) {
    dc.TextOut(x, y, text);
    dc.TextOut(x + 1, y, text);
}

void DrawName(DeviceContext& dc) {
    const FontDescription first = LogoFont(-17);
    const FontDescription second = LogoFont(-23);
    RequireTahomaBold(first);
    RequireTahomaBold(second);
    dc.SetBkMode(TRANSPARENT);

    dc.SelectFont(first);
    dc.SetTextColor(FirstWord);
    DrawHeavyText(dc, 61, 5, "Brisvane");

    dc.SelectFont(second);
    dc.SetTextColor(SecondWord);
    DrawHeavyText(dc, 59, 20, "Quendar");

    // An underline that fades into the form.
    dc.FillSolidRect({62, 48, 100, 50}, HeaderTop);
    const std::array<TriVertex, 4> fade = {Vertex(100, 48, HeaderTop), Vertex(158, 48, FormFace),
                                           Vertex(158, 50, FormFace), Vertex(100, 50, HeaderTop)};
    const std::array<GradientTriangle, 2> halves = {GradientTriangle{0, 1, 2}, GradientTriangle{0, 2, 3}};
    dc.GradientFillTriangles(fade, halves);
}

Bitmap DrawLogo() {
    Bitmap logo(LogoWidth, LogoHeight);
    DeviceContext dc(logo);
    dc.FillSolidRect(logo.Bounds(), FormFace);
    DrawCalendarPage(dc);
    DrawName(dc);
    return logo;
}

// The stored form of a TJPEGImage in a TPicture: its class name as a
// counted string, then the JPEG behind a four-byte little-endian length.
std::vector<std::uint8_t> PictureData(std::span<const std::uint8_t> jpeg) {
    constexpr std::string_view className = "TJPEGImage";
    std::vector<std::uint8_t> data(1 + className.size() + 4 + jpeg.size());
    auto out = data.begin();
    *out++ = static_cast<std::uint8_t>(className.size());
    out = std::copy(className.begin(), className.end(), out);
    const auto length = static_cast<std::uint32_t>(jpeg.size());
    for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<std::uint8_t>(length >> shift);
    std::copy(jpeg.begin(), jpeg.end(), out);
    return data;
}

constexpr const char* Usage = "usage: logo_generator OUT.jpg [--picture-data OUT.picture]\n";

int Run(const std::vector<std::string>& arguments) {
    const bool withPicture = arguments.size() == 3 && arguments[1] == "--picture-data";
    if (!(arguments.size() == 1 || withPicture) || arguments[0].empty() || arguments[0][0] == '-') {
        std::cerr << Usage;
        return 1;
    }
    JpegEncodeOptions options;
    options.Quality = LogoQuality;
    options.Density = LogoDensity;
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(DrawLogo(), options);
    std::vector<OutputFile> outputs = {{arguments[0], jpeg}};
    if (withPicture) outputs.push_back({arguments[2], PictureData(jpeg)});
    WriteAll(outputs);
    return 0;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) { return quendar::RunGenerator("logo_generator", argc, argv, quendar::Run); }
