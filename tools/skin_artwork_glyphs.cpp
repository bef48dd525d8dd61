// Glyphs of the built-in "BlueGauze" skin: check boxes, radio buttons,
// title-bar icons, arrows, grips and slider thumbs.

#include <array>
#include <string_view>

#include "skin_artwork_pictures.h"

namespace quendar::artwork {
namespace {

constexpr std::array<ColorRef, 3> GlyphInk = {RGB(77, 90, 112), RGB(40, 86, 160), RGB(30, 50, 90)};
constexpr std::array<ColorRef, 3> BoxEdge = {RGB(112, 128, 152), RGB(74, 122, 190), RGB(60, 90, 140)};
constexpr std::array<ColorRef, 3> BoxTop = {RGB(224, 228, 236), RGB(232, 240, 252), RGB(200, 208, 222)};
constexpr std::array<ColorRef, 3> BoxBottom = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(236, 238, 242)};
constexpr ColorRef MarkInk = RGB(40, 86, 160);
constexpr ColorRef MarkInkPressed = RGB(30, 50, 90);
constexpr ColorRef GrayedInk = RGB(150, 170, 200);
constexpr ColorRef GripShadow = RGB(150, 160, 180);
constexpr ColorRef GripLight = RGB(255, 255, 255);

// A square box of `size` pixels at (left, top) with a one-pixel edge.
void DrawBox(StatePainter& p, int left, int top, int size, int state) {
    p.Frame({left, top, left + size, top + size}, BoxEdge[state]);
    p.VerticalGradient({left + 1, top + 1, left + size - 1, top + size - 1}, BoxTop[state], BoxBottom[state]);
    if (state == 1) p.Frame({left + 1, top + 1, left + size - 1, top + size - 1}, RGB(170, 200, 240));
}

// A tick: down to the right for three pixels, then up for four; two
// pixels thick.
void DrawTick(StatePainter& p, int left, int top, ColorRef ink) {
    p.Line(left, top + 2, left + 2, top + 4, ink, 2);
    p.Line(left + 2, top + 4, left + 6, top, ink, 2);
}

void ClearAll(StatePainter& p) {
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) p.Clear(x, y);
}

void DrawRadio(StatePainter& p, int state, bool checked) {
    const double centre = p.Width() / 2.0;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const int outer = DiscCoverage(x, y, centre, centre, centre);
            if (outer == 0) {
                p.Clear(x, y);
                continue;
            }
            // Three steps of the inner edge keep the palette small.
            const int inner = DiscCoverage(x, y, centre, centre, centre - 1.2) / 86 * 127;
            const ColorRef face = Mix(BoxTop[state], BoxBottom[state], y * 255 / (p.Height() - 1) / 64 * 64);
            ColorRef c = Mix(BoxEdge[state], face, std::min(255, inner));
            if (checked) {
                const int dot = DiscCoverage(x, y, centre, centre, 2.6) / 86 * 127;
                c = Mix(c, state == 2 ? MarkInkPressed : MarkInk, std::min(255, dot));
            }
            p.Put(x, y, c, outer);
        }
}

// Backdrop of a title-bar icon; `alarm` gives the red of the close button.
void DrawIconBackdrop(StatePainter& p, int state, bool alarm) {
    ClearAll(p);
    if (state == 0) return;
    const Rect r{1, 1, p.Width() - 1, p.Height() - 1};
    ColorRef face = state == 1 ? RGB(232, 240, 252) : RGB(190, 205, 228);
    ColorRef edge = BoxEdge[state];
    if (alarm) {
        face = state == 1 ? RGB(232, 120, 100) : RGB(196, 80, 64);
        edge = RGB(160, 60, 50);
    }
    p.Fill({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, face, state == 1 ? 192 : 224);
    for (int x = r.Left + 1; x < r.Right - 1; ++x) {
        p.Put(x, r.Top, edge);
        p.Put(x, r.Bottom - 1, edge);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        p.Put(r.Left, y, edge);
        p.Put(r.Right - 1, y, edge);
    }
}

ColorRef IconInk(int state, bool alarm) { return alarm && state > 0 ? RGB(255, 255, 255) : GlyphInk[state]; }

// Glyphs given as rows of text, 'X' for ink.
template <std::size_t N>
void DrawPixels(StatePainter& p, int left, int top, const std::array<std::string_view, N>& rows, ColorRef ink) {
    for (std::size_t y = 0; y < N; ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == 'X') p.Put(left + static_cast<int>(x), top + static_cast<int>(y), ink);
}

enum class Pointing { Left, Right, Up, Down };

// A solid triangle of four rows in a 9 x 9 picture; pressed moves it by a pixel.
void DrawArrow(StatePainter& p, int state, Pointing pointing) {
    ClearAll(p);
    const int shift = state == 2 ? 1 : 0;
    for (int row = 0; row < 4; ++row)
        for (int i = row; i <= 6 - row; ++i) {
            const int along = 1 + i;     // across the arrow's axis
            const int depth = 2 + row;   // towards its point
            int x = along;
            int y = depth;
            switch (pointing) {
            case Pointing::Down: break;
            case Pointing::Up: y = 8 - depth; break;
            case Pointing::Right: x = depth; y = along; break;
            case Pointing::Left: x = 8 - depth; y = along; break;
            }
            p.Put(x + shift, y + shift, GlyphInk[state]);
        }
}

// A thumb with a square body and a pointed end; `sideways` points it right.
void DrawThumb(StatePainter& p, int state, bool sideways) {
    const int length = sideways ? p.Width() : p.Height();
    const int breadth = sideways ? p.Height() : p.Width();
    const int half = breadth / 2;
    const int bodyEnd = length - half - 1;
    const auto inside = [&](int across, int along) {
        if (across < 0 || across >= breadth || along < 0 || along >= length - 1) return false;
        if (along < bodyEnd) return true;
        return std::abs(across - half) <= half - (along - bodyEnd + 1) + 1;
    };
    for (int along = 0; along < length; ++along)
        for (int across = 0; across < breadth; ++across) {
            const int x = sideways ? along : across;
            const int y = sideways ? across : along;
            if (!inside(across, along)) {
                p.Clear(x, y);
                continue;
            }
            const bool edge = !inside(across - 1, along) || !inside(across + 1, along) ||
                              !inside(across, along - 1) || !inside(across, along + 1);
            p.Put(x, y, edge ? BoxEdge[state] : Mix(BoxBottom[state], BoxTop[state], across * 255 / breadth / 128 * 128));
        }
}

// Rows of dots falling to the bottom-right corner, as on a window's size grip.
void DrawGripDots13(StatePainter& p) {
    ClearAll(p);
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            if (i + j < 3) continue;
            const int x = 3 * i + 1;
            const int y = 3 * j + 1;
            p.Put(x, y, GripShadow);
            p.Put(x + 1, y, GripShadow);
            p.Put(x, y + 1, GripShadow);
            p.Put(x + 1, y + 1, GripLight);
        }
}

}  // namespace

void DrawBoxUnchecked(StatePainter& p, int state) { DrawBox(p, 0, 0, 13, state); }

void DrawBoxChecked(StatePainter& p, int state) {
    DrawBox(p, 0, 0, 13, state);
    DrawTick(p, 3, 3, state == 2 ? MarkInkPressed : MarkInk);
}

void DrawBoxGrayed(StatePainter& p, int state) {
    DrawBox(p, 0, 0, 13, state);
    p.Fill({4, 4, 9, 9}, GrayedInk);
}

void DrawRadioUnchecked(StatePainter& p, int state) { DrawRadio(p, state, false); }
void DrawRadioChecked(StatePainter& p, int state) { DrawRadio(p, state, true); }

// The small boxes are 11 pixels with a transparent last row and column.
void DrawSmallUnchecked(StatePainter& p, int state) {
    ClearAll(p);
    DrawBox(p, 0, 0, 11, state);
}

void DrawSmallChecked(StatePainter& p, int state) {
    DrawSmallUnchecked(p, state);
    DrawTick(p, 2, 2, state == 2 ? MarkInkPressed : MarkInk);
}

void DrawSmallGrayed(StatePainter& p, int state) {
    DrawSmallUnchecked(p, state);
    p.Fill({3, 3, 8, 8}, GrayedInk);
}

void DrawCheckMark(StatePainter& p, int state) {
    ClearAll(p);
    DrawTick(p, 1, 2, GlyphInk[state]);
}

void DrawTitleMinimize(StatePainter& p, int state) {
    DrawIconBackdrop(p, state, false);
    p.Fill({5, 10, 13, 12}, IconInk(state, false));
}

void DrawTitleMaximize(StatePainter& p, int state) {
    DrawIconBackdrop(p, state, false);
    const ColorRef ink = IconInk(state, false);
    p.Frame({5, 4, 13, 12}, ink);
    p.Fill({5, 5, 13, 6}, ink);
}

void DrawTitleRestore(StatePainter& p, int state) {
    DrawIconBackdrop(p, state, false);
    const ColorRef ink = IconInk(state, false);
    p.Frame({7, 3, 13, 9}, ink);
    p.Fill({7, 4, 13, 5}, ink);
    // The front window hides the back one where they overlap.
    for (int y = 6; y < 13; ++y)
        for (int x = 4; x < 11; ++x) {
            if (state == 0)
                p.Clear(x, y);
            else
                p.Put(x, y, state == 1 ? RGB(232, 240, 252) : RGB(190, 205, 228), state == 1 ? 192 : 224);
        }
    p.Frame({4, 6, 10, 12}, ink);
    p.Fill({4, 7, 10, 8}, ink);
}

void DrawTitleClose(StatePainter& p, int state) {
    DrawIconBackdrop(p, state, true);
    const ColorRef ink = IconInk(state, true);
    p.Line(5, 4, 11, 10, ink, 2);
    p.Line(12, 4, 6, 10, ink, 2);
}

void DrawTitleHelp(StatePainter& p, int state) {
    DrawIconBackdrop(p, state, false);
    constexpr std::array<std::string_view, 8> questionMark = {
        ".XXXX.", "XX..XX", "....XX", "...XX.", "..XX..", "..XX..", "......", "..XX..",
    };
    DrawPixels(p, 6, 4, questionMark, IconInk(state, false));
}

void DrawTitleButton(StatePainter& p, int state) {
    ClearAll(p);
    const Rect r{1, 1, p.Width() - 1, p.Height() - 1};
    const ColorRef edge = state == 0 ? RGB(160, 172, 194) : BoxEdge[state];
    const int edgeOpacity = state == 0 ? 128 : 255;
    const ColorRef face = state == 0 ? RGB(255, 255, 255) : state == 1 ? RGB(232, 240, 252) : RGB(190, 205, 228);
    const int faceOpacity = state == 0 ? 64 : state == 1 ? 192 : 224;
    p.Fill({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, face, faceOpacity);
    for (int x = r.Left + 1; x < r.Right - 1; ++x) {
        p.Put(x, r.Top, edge, edgeOpacity);
        p.Put(x, r.Bottom - 1, edge, edgeOpacity);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        p.Put(r.Left, y, edge, edgeOpacity);
        p.Put(r.Right - 1, y, edge, edgeOpacity);
    }
}

void DrawArrowLeft(StatePainter& p, int state) { DrawArrow(p, state, Pointing::Left); }
void DrawArrowRight(StatePainter& p, int state) { DrawArrow(p, state, Pointing::Right); }
void DrawArrowUp(StatePainter& p, int state) { DrawArrow(p, state, Pointing::Up); }
void DrawArrowDown(StatePainter& p, int state) { DrawArrow(p, state, Pointing::Down); }

void DrawSizeGrip(StatePainter& p, int) { DrawGripDots13(p); }

void DrawSliderThumbDown(StatePainter& p, int state) { DrawThumb(p, state, false); }
void DrawSliderThumbRight(StatePainter& p, int state) { DrawThumb(p, state, true); }

void DrawTickHorizontal(StatePainter& p, int) { p.Fill({0, 0, p.Width(), p.Height()}, RGB(120, 130, 150)); }
void DrawTickVertical(StatePainter& p, int) { p.Fill({0, 0, p.Width(), p.Height()}, RGB(120, 130, 150)); }

}  // namespace quendar::artwork
