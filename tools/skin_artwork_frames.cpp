// Frames and textures of the built-in "BlueGauze" skin.

#include <array>
#include <string_view>

#include "skin_artwork_pictures.h"

namespace quendar::artwork {
namespace {

struct StateColors {
    ColorRef Edge;
    ColorRef Light;  // inner edge at the top and left
    ColorRef Shade;  // inner edge at the bottom and right
    ColorRef Face;   // fill of frames that have one
};

constexpr std::array<StateColors, 3> ButtonColors = {{
    {RGB(128, 140, 162), RGB(255, 255, 255), RGB(176, 186, 204), RGB(236, 240, 246)},
    {RGB(74, 122, 190), RGB(255, 255, 255), RGB(150, 180, 222), RGB(226, 236, 250)},
    {RGB(84, 98, 124), RGB(150, 162, 184), RGB(255, 255, 255), RGB(206, 214, 228)},
}};
constexpr std::array<StateColors, 3> ScrollColors = {{
    {RGB(150, 164, 188), RGB(255, 255, 255), RGB(190, 200, 216), RGB(232, 236, 244)},
    {RGB(74, 122, 190), RGB(255, 255, 255), RGB(150, 180, 222), RGB(226, 236, 250)},
    {RGB(60, 90, 140), RGB(150, 162, 184), RGB(255, 255, 255), RGB(206, 214, 228)},
}};
constexpr std::array<StateColors, 3> ThumbColors = {{
    {RGB(120, 140, 175), RGB(255, 255, 255), RGB(166, 180, 206), RGB(220, 228, 242)},
    {RGB(74, 122, 190), RGB(255, 255, 255), RGB(150, 180, 222), RGB(226, 236, 250)},
    {RGB(60, 90, 140), RGB(150, 162, 184), RGB(255, 255, 255), RGB(206, 214, 228)},
}};
constexpr std::array<StateColors, 3> MenuColors = {{
    {RGB(120, 150, 200), RGB(255, 255, 255), RGB(150, 180, 222), RGB(200, 218, 242)},
    {RGB(120, 150, 200), RGB(255, 255, 255), RGB(150, 180, 222), RGB(200, 218, 242)},
    {RGB(90, 120, 170), RGB(150, 162, 184), RGB(255, 255, 255), RGB(176, 198, 232)},
}};
constexpr std::array<StateColors, 3> ComboColors = {{
    {RGB(127, 146, 172), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)},
    {RGB(74, 122, 190), RGB(206, 222, 244), RGB(206, 222, 244), RGB(255, 255, 255)},
    {RGB(60, 90, 140), RGB(176, 198, 232), RGB(176, 198, 232), RGB(255, 255, 255)},
}};
constexpr std::array<StateColors, 3> TabColors = {{
    {RGB(145, 155, 175), RGB(255, 255, 255), RGB(200, 206, 218), RGB(236, 240, 246)},
    {RGB(74, 122, 190), RGB(255, 255, 255), RGB(180, 204, 236), RGB(226, 236, 250)},
    {RGB(128, 140, 162), RGB(255, 255, 255), RGB(255, 255, 255), RGB(250, 251, 253)},
}};

// 6 x 6 outlines, one character a pixel: '.' transparent, 'o' soft corner,
// 'B' edge, 'H' light inner edge, 'S' shaded inner edge, 'F' face, 'c'
// transparent centre.
using Outline = std::array<std::string_view, 6>;

constexpr Outline RoundedOutline = {"oBBBBo", "BHHHHB", "BHccSB", "BHccSB", "BSSSSB", "oBBBBo"};
constexpr Outline FilledOutline = {"oBBBBo", "BFFFFB", "BFFFFB", "BFFFFB", "BFFFFB", "oBBBBo"};
constexpr Outline SquareOutline = {"BBBBBB", "BHHHHB", "BHccSB", "BHccSB", "BSSSSB", "BBBBBB"};
constexpr Outline TabOutline = {"oBBBBo", "BHHHHB", "BHccSB", "BHccSB", "BHccSB", "BHccSB"};

enum class Turn { None, FlipVertical, Transpose, TransposeFlip };

char OutlineAt(const Outline& outline, int x, int y, Turn turn) {
    switch (turn) {
    case Turn::None: return outline[y][x];
    case Turn::FlipVertical: return outline[5 - y][x];
    case Turn::Transpose: return outline[x][y];
    case Turn::TransposeFlip: return outline[5 - x][y];
    }
    return '.';
}

void DrawOutline(StatePainter& p, const Outline& outline, const StateColors& colors, Turn turn = Turn::None) {
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            switch (OutlineAt(outline, x, y, turn)) {
            case 'o': p.Put(x, y, colors.Edge, 96); break;
            case 'B': p.Put(x, y, colors.Edge); break;
            case 'H': p.Put(x, y, colors.Light, 160); break;
            case 'S': p.Put(x, y, colors.Shade, 128); break;
            case 'F': p.Put(x, y, colors.Face, 192); break;
            default: p.Clear(x, y); break;
            }
        }
}

void ClearAll(StatePainter& p) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) p.Clear(x, y);
}

// A frame of two rings around a key-coloured centre.
void DrawRings(StatePainter& p, ColorRef outerTopLeft, ColorRef outerBottomRight, ColorRef innerTopLeft,
               ColorRef innerBottomRight) {
    const int w = p.Width();
    const int h = p.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
            const bool bottomRight = (y == h - 1 - ring) || (x == w - 1 - ring);
            if (ring == 0)
                p.Put(x, y, bottomRight ? outerBottomRight : outerTopLeft);
            else if (ring == 1)
                p.Put(x, y, bottomRight ? innerBottomRight : innerTopLeft);
            else
                p.Clear(x, y);
        }
}

// Share (0..255) of pixel (x, y) inside a rectangle with round corners.
int RoundRectCoverage(int x, int y, const Rect& r, double radius) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
            const double px = x + (sx + 0.5) / 4;
            const double py = y + (sy + 0.5) / 4;
            if (px < r.Left || py < r.Top || px > r.Right || py > r.Bottom) continue;
            const double cx = std::clamp(px, r.Left + radius, r.Right - radius);
            const double cy = std::clamp(py, r.Top + radius, r.Bottom - radius);
            if ((px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius) ++inside;
        }
    return inside * 255 / 16;
}

}  // namespace

void DrawButtonFrame(StatePainter& p, int state) { DrawOutline(p, RoundedOutline, ButtonColors[state]); }

void DrawSpeedButtonFrame(StatePainter& p, int state) {
    if (state == 0)
        ClearAll(p);
    else
        DrawOutline(p, RoundedOutline, ButtonColors[state]);
}

void DrawScrollButtonFrame(StatePainter& p, int state) { DrawOutline(p, RoundedOutline, ScrollColors[state]); }
void DrawScrollThumbFrame(StatePainter& p, int state) { DrawOutline(p, RoundedOutline, ThumbColors[state]); }

void DrawMenuItemFrame(StatePainter& p, int state) {
    if (state == 0)
        ClearAll(p);
    else
        DrawOutline(p, FilledOutline, MenuColors[state]);
}

void DrawComboFrame(StatePainter& p, int state) { DrawOutline(p, SquareOutline, ComboColors[state]); }
void DrawTabTopFrame(StatePainter& p, int state) { DrawOutline(p, TabOutline, TabColors[state]); }
void DrawTabBottomFrame(StatePainter& p, int state) {
    DrawOutline(p, TabOutline, TabColors[state], Turn::FlipVertical);
}
void DrawTabLeftFrame(StatePainter& p, int state) { DrawOutline(p, TabOutline, TabColors[state], Turn::Transpose); }
void DrawTabRightFrame(StatePainter& p, int state) {
    DrawOutline(p, TabOutline, TabColors[state], Turn::TransposeFlip);
}

// The edit, panel and form frame: a one-pixel outline. Its second column is
// white, which with the outline beside it makes the two-pixel divider cut
// from the same rectangle.
void DrawFlatFrame(StatePainter& p, int) {
    const int w = p.Width();
    const int h = p.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                p.Put(x, y, RGB(128, 146, 170));
            else if (x == 1)
                p.Put(x, y, RGB(255, 255, 255));
            else
                p.Clear(x, y);
        }
}

void DrawSunkenFrame(StatePainter& p, int) {
    DrawRings(p, RGB(150, 162, 184), RGB(255, 255, 255), RGB(196, 202, 214), RGB(236, 238, 244));
}
void DrawTroughFrame(StatePainter& p, int) {
    DrawRings(p, RGB(128, 140, 162), RGB(250, 251, 253), RGB(184, 192, 208), RGB(226, 230, 238));
}
void DrawTrackFrame(StatePainter& p, int) {
    DrawRings(p, RGB(200, 206, 218), RGB(200, 206, 218), RGB(236, 238, 244), RGB(236, 238, 244));
}

void DrawHintFrame(StatePainter& p, int) {
    const int w = p.Width();
    const int h = p.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                p.Put(x, y, RGB(118, 128, 148));
            else
                p.Clear(x, y);
        }
}

void DrawTitleBandFrame(StatePainter& p, int) {
    DrawRings(p, RGB(150, 166, 190), RGB(90, 104, 130), RGB(235, 240, 248), RGB(120, 134, 160));
}

// A fine weave on the window colour: threads every third pixel, crossing
// over and under in alternate cells (period 6 both ways).
void DrawGauze(StatePainter& p, int) {
    constexpr ColorRef base = RGB(216, 215, 222);
    constexpr ColorRef over = RGB(226, 226, 232);
    constexpr ColorRef under = RGB(206, 205, 214);
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const bool across = y % 3 == 0;
            const bool down = x % 3 == 0;
            const bool overCell = (x / 3 + y / 3) % 2 == 0;
            ColorRef c = base;
            if (across && down)
                c = overCell ? over : under;
            else if (across)
                c = overCell ? over : base;
            else if (down)
                c = overCell ? base : under;
            p.Put(x, y, c);
        }
}

void DrawGauzeHot(StatePainter& p, int) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            p.Put(x, y, (x + y) % 3 == 0 ? RGB(236, 238, 244) : RGB(228, 229, 236));
}

void DrawBarShade(StatePainter& p, int) {
    p.VerticalGradient({0, 0, p.Width(), p.Height()}, RGB(242, 244, 248), RGB(206, 210, 222));
}
void DrawBarShadeHot(StatePainter& p, int) {
    p.VerticalGradient({0, 0, p.Width(), p.Height()}, RGB(250, 251, 254), RGB(214, 224, 240));
}

// Diagonal stripes with a period of 12 pixels.
void DrawProgressStripes(StatePainter& p, int) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            p.Put(x, y, (x + y) % 12 < 6 ? RGB(120, 160, 214) : RGB(150, 188, 232));
}
void DrawProgressStripesVertical(StatePainter& p, int) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            p.Put(x, y, (x + p.Height() - y) % 12 < 6 ? RGB(120, 160, 214) : RGB(150, 188, 232));
}

void DrawTabFace(StatePainter& p, int) {
    p.VerticalGradient({0, 0, p.Width(), p.Height()}, RGB(255, 255, 255), RGB(226, 230, 238));
}
void DrawTabFaceHot(StatePainter& p, int) {
    p.VerticalGradient({0, 0, p.Width(), p.Height()}, RGB(255, 255, 255), RGB(236, 242, 252));
}

// A 3 x 1 tile of a grip line: shadow, light, gap.
void DrawGripDots(StatePainter& p, int) {
    p.Put(0, 0, RGB(150, 160, 180));
    p.Put(1, 0, RGB(255, 255, 255));
    p.Clear(2, 0);
}

// Rounded glass frame: a two-pixel outline with radius 12, a gloss that
// fades out over the top margin and a shade over the bottom one; the centre
// is transparent.
void DrawHugeButtonFrame(StatePainter& p, int state) {
    const int w = p.Width();
    const int h = p.Height();
    const StateColors& colors = ButtonColors[state];
    const Rect outer{0, 0, w, h};
    const Rect inner{2, 2, w - 2, h - 2};
    const bool pressed = state == 2;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int outside = RoundRectCoverage(x, y, outer, 12.0);
            const int within = RoundRectCoverage(x, y, inner, 10.0);
            if (outside == 0) {
                p.Clear(x, y);
            } else if (within < 128) {
                p.Put(x, y, colors.Edge, outside);
            } else if (y < 30) {
                const int gloss = (30 - y) * 192 / 28;
                p.Put(x, y, pressed ? colors.Light : RGB(255, 255, 255), pressed ? gloss / 2 : gloss);
            } else if (y >= h - 30) {
                const int shade = (y - (h - 30)) * 128 / 28;
                p.Put(x, y, pressed ? RGB(255, 255, 255) : colors.Shade, shade);
            } else {
                p.Clear(x, y);
            }
        }
}

}  // namespace quendar::artwork
