// Draws a sample of the drawing services into a PNG for review: fills, frames,
// lines, a rounded rectangle, a four-triangle gradient, stretched copies and
// text in several alignments.

#include <array>
#include <cstdio>
#include <exception>
#include <string>

#include "platform/bitmap.h"
#include "platform/device_context.h"
#include "platform/png_file.h"
#include "platform/system_colors.h"
#include "platform/text_format.h"

namespace quendar {
namespace {

void DrawPanel(DeviceContext& dc, const Rect& r, const char* title) {
    dc.FillSolidRect(r, GetSysColor(COLOR_BTNFACE));
    dc.SelectPen(Pen::Solid(GetSysColor(COLOR_BTNHIGHLIGHT)));
    std::array<Point, 3> light = {Point{r.Left, r.Bottom - 1}, Point{r.Left, r.Top}, Point{r.Right, r.Top}};
    dc.Polyline(light);
    dc.SelectPen(Pen::Solid(GetSysColor(COLOR_BTNSHADOW)));
    std::array<Point, 3> dark = {Point{r.Right - 1, r.Top + 1}, Point{r.Right - 1, r.Bottom - 1},
                                 Point{r.Left, r.Bottom - 1}};
    dc.Polyline(dark);
    Rect caption{r.Left + 6, r.Top + 4, r.Right - 6, r.Top + 20};
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    FontDescription bold;
    bold.Weight = FW_BOLD;
    FontDescription previous = dc.SelectFont(bold);
    dc.DrawText(title, caption, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    dc.SelectFont(previous);
}

Bitmap DrawDemo() {
    Bitmap canvas(561, 221);
    DeviceContext dc(canvas);
    dc.FillSolidRect(canvas.Bounds(), RGB(236, 241, 247));

    // Fills and frames.
    DrawPanel(dc, {8, 8, 184, 108}, "Fills and frames");
    dc.FillSolidRect({16, 32, 56, 72}, RGB(66, 110, 180));
    dc.FrameRect({64, 32, 104, 72}, Brush::Solid(RGB(180, 40, 40)));
    dc.SelectPen(Pen::Solid(RGB(0, 0, 0)));
    dc.SelectBrush(Brush::Solid(RGB(255, 236, 160)));
    dc.RoundRect({112, 32, 176, 72}, 12, 12);
    dc.SelectPen(Pen::Solid(RGB(40, 120, 40)));
    std::array<Point, 4> zigzag = {Point{16, 100}, Point{60, 80}, Point{110, 100}, Point{176, 80}};
    dc.Polyline(zigzag);

    // Four-triangle gradient, as skin backgrounds use it.
    DrawPanel(dc, {192, 8, 368, 108}, "Triangle gradient");
    Rect g{200, 30, 360, 100};
    std::array<TriVertex, 5> v = {
        TriVertex{g.Left, g.Top, 0xFF00, 0xFF00, 0xFF00, 0},
        TriVertex{g.Left + g.Width() / 2, g.Top + g.Height() / 2, 0x4000, 0x6E00, 0xB400, 0},
        TriVertex{g.Right, g.Top, 0xDC00, 0xE600, 0xF000, 0},
        TriVertex{g.Right, g.Bottom, 0x9600, 0xAA00, 0xC800, 0},
        TriVertex{g.Left, g.Bottom, 0xFF00, 0xFF00, 0xFF00, 0},
    };
    std::array<GradientTriangle, 4> t = {GradientTriangle{0, 1, 2}, GradientTriangle{1, 2, 3},
                                         GradientTriangle{0, 1, 4}, GradientTriangle{4, 1, 3}};
    dc.GradientFillTriangles(v, t);

    // Stretched copy of a small checker picture.
    DrawPanel(dc, {376, 8, 553, 108}, "Stretched copy");
    Bitmap checker(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            checker.SetPixel(x, y, (x + y) % 2 ? RGB(255, 255, 255) : RGB(20, 60, 140));
    DeviceContext source(checker);
    dc.BitBlt(384, 32, 4, 4, source, 0, 0);
    dc.StretchBlt(400, 32, 64, 64, source, 0, 0, 4, 4);
    dc.StretchBlt(472, 32, 72, 64, source, 0, 0, -4, 4);

    // Text.
    DrawPanel(dc, {8, 116, 553, 213}, "Text");
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    Rect left{16, 140, 180, 160};
    dc.DrawText("Date 1 (Start)", left, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    Rect centre{190, 140, 370, 160};
    dc.FrameRect(centre, Brush::Solid(RGB(160, 160, 160)));
    dc.DrawText("Use &Calendar Date", centre, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    Rect right{380, 140, 544, 160};
    dc.DrawText("Total Days", right, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    Rect wrapped{16, 166, 260, 208};
    dc.DrawText("Brisvane Quendar counts the days between two dates, read the way your regional "
                "settings write them.",
                wrapped, DT_LEFT | DT_WORDBREAK);
    Rect ellipsis{280, 170, 420, 186};
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.DrawText("Report to Clipboard, with an ellipsis", ellipsis, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
    return canvas;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : "drawing-demo.png";
    try {
        quendar::WritePngFile(quendar::DrawDemo(), out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drawing_demo: %s\n", e.what());
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}
