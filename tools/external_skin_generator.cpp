// Draws the pictures of the external skin "Slate Dusk" (skins/Slate Dusk/
// Options.dat names them and their rectangles):
//
//   external_skin_generator OUT_FOLDER
//
// writes master.bmp (120 x 72, 8-bit), buttonhuge.bmp (72 x 48, 8-bit, masks
// in the lower half), speedbutton.BMP (18 x 6, 24-bit) and dusk.jpg (96 x
// 96). Magenta pixels are transparent. The same build draws the same bytes
// every time.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "framework/jpeg_codec.h"
#include "platform/bitmap.h"
#include "platform/bmp_file.h"
#include "platform/file_bytes.h"

namespace quendar {
namespace {

constexpr ColorRef Hole = RGB(255, 0, 255);
constexpr ColorRef Outline = RGB(20, 26, 38);
constexpr ColorRef Shade = RGB(28, 34, 48);
constexpr ColorRef Light = RGB(80, 98, 130);
constexpr ColorRef Glow = RGB(110, 130, 170);
constexpr ColorRef HotFace = RGB(84, 104, 140);
constexpr ColorRef PressedFace = RGB(40, 50, 70);
constexpr ColorRef Ink = RGB(214, 222, 235);
constexpr ColorRef CloseRed = RGB(196, 84, 84);

void Fill(Bitmap& bitmap, const Rect& r, ColorRef color) {
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) bitmap.SetPixel(x, y, color);
    }
}

// A one-pixel ring just inside `r`: `topLeft` on the top and left edges.
void Ring(Bitmap& bitmap, const Rect& r, ColorRef topLeft, ColorRef bottomRight) {
    Fill(bitmap, {r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
    Fill(bitmap, {r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
    Fill(bitmap, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    Fill(bitmap, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}

Rect Inset(const Rect& r, int by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }

// Three button states side by side in `r`: normal, hot, pressed. Centres
// stay holes so the section's own fill shows through.
void DrawButtonStates(Bitmap& bitmap, const Rect& r) {
    const int width = r.Width() / 3;
    const ColorRef inner[3] = {Light, Glow, Shade};
    for (int state = 0; state < 3; ++state) {
        const Rect cell{r.Left + state * width, r.Top, r.Left + (state + 1) * width, r.Bottom};
        Fill(bitmap, cell, Hole);
        Ring(bitmap, cell, Outline, Outline);
        Ring(bitmap, Inset(cell, 1), state == 2 ? Shade : inner[state], state == 2 ? inner[0] : Shade);
        // Rounded corners: the outermost corner pixels are holes.
        for (const Point p : {Point{cell.Left, cell.Top}, Point{cell.Right - 1, cell.Top},
                              Point{cell.Left, cell.Bottom - 1}, Point{cell.Right - 1, cell.Bottom - 1}}) {
            bitmap.SetPixel(p.X, p.Y, Hole);
        }
    }
}

enum class Glyph { Close, Minimize, Maximize, Restore, Help, Plain };

void DrawGlyphMark(Bitmap& bitmap, const Rect& cell, Glyph glyph, ColorRef ink) {
    const int cx = cell.Left + cell.Width() / 2;
    const int cy = cell.Top + cell.Height() / 2;
    switch (glyph) {
        case Glyph::Close:
            for (int d = -3; d <= 3; ++d) {
                bitmap.SetPixel(cx + d, cy + d, ink);
                bitmap.SetPixel(cx + d, cy - d, ink);
                bitmap.SetPixel(cx + d + 1, cy + d, ink);
                bitmap.SetPixel(cx + d + 1, cy - d, ink);
            }
            break;
        case Glyph::Minimize: Fill(bitmap, {cx - 3, cy + 2, cx + 4, cy + 4}, ink); break;
        case Glyph::Maximize:
            Ring(bitmap, {cx - 4, cy - 4, cx + 4, cy + 4}, ink, ink);
            Fill(bitmap, {cx - 4, cy - 3, cx + 4, cy - 2}, ink);
            break;
        case Glyph::Restore:
            Ring(bitmap, {cx - 2, cy - 5, cx + 4, cy + 1}, ink, ink);
            Fill(bitmap, {cx - 4, cy - 2, cx + 2, cy + 4}, Hole);
            Ring(bitmap, {cx - 4, cy - 2, cx + 2, cy + 4}, ink, ink);
            break;
        case Glyph::Help:
            Fill(bitmap, {cx - 2, cy - 5, cx + 2, cy - 4}, ink);
            Fill(bitmap, {cx + 2, cy - 4, cx + 3, cy - 1}, ink);
            Fill(bitmap, {cx, cy - 1, cx + 2, cy}, ink);
            Fill(bitmap, {cx, cy, cx + 1, cy + 2}, ink);
            Fill(bitmap, {cx, cy + 3, cx + 1, cy + 4}, ink);
            break;
        case Glyph::Plain: break;
    }
}

// Title-bar glyphs: 12 x 20 states of normal, hot and pressed.
void DrawTitleGlyph(Bitmap& bitmap, const Rect& r, Glyph glyph) {
    const int width = r.Width() / 3;
    for (int state = 0; state < 3; ++state) {
        const Rect cell{r.Left + state * width, r.Top, r.Left + (state + 1) * width, r.Bottom};
        Fill(bitmap, cell, Hole);
        if (state > 0) {
            const Rect face = Inset(cell, 1);
            const ColorRef hot = glyph == Glyph::Close ? CloseRed : HotFace;
            Fill(bitmap, face, state == 1 ? hot : PressedFace);
            Ring(bitmap, face, state == 1 ? Glow : Outline, state == 1 ? Outline : Light);
        }
        DrawGlyphMark(bitmap, cell, glyph, state == 0 ? Ink : RGB(255, 255, 255));
    }
}

// Check boxes and radio buttons: 13 x 13 states of normal, hot, pressed.
void DrawBoxes(Bitmap& bitmap, const Rect& r, bool checked, bool round) {
    const int width = r.Width() / 3;
    for (int state = 0; state < 3; ++state) {
        const Rect cell{r.Left + state * width, r.Top, r.Left + (state + 1) * width, r.Bottom};
        Fill(bitmap, cell, Hole);
        const Rect box = Inset(cell, 1);
        Fill(bitmap, box, state == 2 ? PressedFace : RGB(36, 44, 60));
        Ring(bitmap, box, state == 1 ? Glow : Light, state == 1 ? Glow : Light);
        if (round) {
            for (const Point p : {Point{box.Left, box.Top}, Point{box.Right - 1, box.Top},
                                  Point{box.Left, box.Bottom - 1}, Point{box.Right - 1, box.Bottom - 1}}) {
                bitmap.SetPixel(p.X, p.Y, Hole);
            }
        }
        if (!checked) continue;
        const int cx = cell.Left + 6;
        const int cy = cell.Top + 6;
        if (round) {
            Fill(bitmap, {cx - 2, cy - 2, cx + 3, cy + 3}, Ink);
        } else {
            for (int d = 0; d < 3; ++d) Fill(bitmap, {cx - 3 + d, cy + d - 1, cx - 2 + d, cy + d + 1}, Ink);
            for (int d = 0; d < 4; ++d) Fill(bitmap, {cx + d, cy + 1 - d, cx + d + 1, cy + 3 - d}, Ink);
        }
    }
}

Bitmap DrawMaster() {
    Bitmap master(120, 72);
    master.Fill(Hole);
    DrawButtonStates(master, {0, 0, 18, 12});
    Ring(master, {18, 0, 30, 12}, Outline, Outline);                      // EDIT
    Ring(master, {30, 0, 42, 12}, Light, Shade);                          // PANEL
    Ring(master, {42, 0, 54, 12}, Outline, Outline);                      // FORM, two pixels
    Ring(master, Inset({42, 0, 54, 12}, 1), Light, Shade);
    Ring(master, {54, 0, 66, 12}, Outline, Outline);                      // FORMTITLE
    for (int y = 0; y < 12; ++y) {                                       // PANEL texture
        for (int x = 66; x < 96; ++x) master.SetPixel(x, y, (x + y) % 6 < 3 ? RGB(52, 64, 86) : RGB(56, 69, 92));
    }
    DrawTitleGlyph(master, {0, 12, 36, 32}, Glyph::Close);
    DrawTitleGlyph(master, {36, 12, 72, 32}, Glyph::Minimize);
    DrawTitleGlyph(master, {72, 12, 108, 32}, Glyph::Maximize);
    DrawTitleGlyph(master, {0, 32, 36, 52}, Glyph::Restore);
    DrawTitleGlyph(master, {36, 32, 72, 52}, Glyph::Help);
    DrawTitleGlyph(master, {72, 32, 108, 52}, Glyph::Plain);
    for (int d = 0; d < 12; d += 4) {                                    // GRIPIMAGE
        for (int k = 0; k <= d; k += 4) {
            Fill(master, {108 + 10 - k, 12 + 10 - d + k, 110 + 10 - k, 14 + 10 - d + k}, Light);
        }
    }
    DrawBoxes(master, {0, 52, 39, 65}, true, false);
    DrawBoxes(master, {39, 52, 78, 65}, false, false);
    DrawBoxes(master, {78, 52, 117, 65}, true, true);
    return master;
}

// Three 24 x 24 states above their masks: the frame opaque (mask 0), the
// centre showing the background (mask 255), the corners half-way.
Bitmap DrawHugeButton() {
    Bitmap bitmap(72, 48);
    bitmap.Fill(Hole);
    DrawButtonStates(bitmap, {0, 0, 72, 24});
    Fill(bitmap, {0, 24, 72, 48}, RGB(255, 255, 255));
    for (int state = 0; state < 3; ++state) {
        const Rect mask{state * 24, 24, state * 24 + 24, 48};
        Ring(bitmap, mask, RGB(0, 0, 0), RGB(0, 0, 0));
        Ring(bitmap, Inset(mask, 1), RGB(0, 0, 0), RGB(0, 0, 0));
        for (const Point p : {Point{mask.Left, mask.Top}, Point{mask.Right - 1, mask.Top},
                              Point{mask.Left, mask.Bottom - 1}, Point{mask.Right - 1, mask.Bottom - 1}}) {
            bitmap.SetPixel(p.X, p.Y, RGB(128, 128, 128));
        }
    }
    return bitmap;
}

Bitmap DrawSpeedButton() {
    Bitmap bitmap(18, 6);
    DrawButtonStates(bitmap, {0, 0, 18, 6});
    return bitmap;
}

// The window texture: a dusk sky of soft horizontal bands with faint ridges.
Bitmap DrawDusk() {
    Bitmap bitmap(96, 96);
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 96; ++x) {
            const int ridge = ((x * 7 + y * 3) % 23 == 0) ? 6 : 0;
            bitmap.SetPixel(x, y, RGB(44 + y / 12 + ridge, 54 + y / 10 + ridge, 72 + y / 8 + ridge));
        }
    }
    return bitmap;
}

}  // namespace
}  // namespace quendar

int main(int argc, char** argv) {
    using namespace quendar;
    if (argc != 2) {
        std::fprintf(stderr, "usage: external_skin_generator OUT_FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        WriteBmpFile8(DrawMaster(), (folder / "master.bmp").string());
        WriteBmpFile8(DrawHugeButton(), (folder / "buttonhuge.bmp").string());
        WriteBmpFile24(DrawSpeedButton(), (folder / "speedbutton.BMP").string());
        JpegEncodeOptions options;
        options.Quality = 85;
        const std::vector<std::uint8_t> jpeg = EncodeJpeg(DrawDusk(), options);
        WriteFileBytes("JPEG", (folder / "dusk.jpg").string(), jpeg);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "external_skin_generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
