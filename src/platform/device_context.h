#pragma once
// A device context draws into a bitmap: the window system's back buffer, a
// control's cache or any working bitmap.
//
// Coordinates: callers use logical coordinates; a logical point p lands on the
// bitmap pixel p + Origin(). The window system sets the origin to the window's
// place in its back buffer and gives every context a system clip (the visible
// part of the window); drawing never leaves the intersection of the system
// clip, the caller's clip and the bitmap.
//
// Pixels in 32-bit bitmaps get alpha 0 from every drawing operation, except
// block copies between two 32-bit bitmaps, which carry the source alpha
// through the raster operation.
//
// Drawing sections:
//   state       origin, clip, save/restore, brush, pen, font, text colours
//   fills       FillRect, FillSolidRect, Rectangle, RoundRect, FrameRect
//   lines       MoveTo/LineTo, Polyline (1-pixel pens, last point not drawn)
//   pixels      SetPixel, GetPixel
//   copies      BitBlt, StretchBlt
//   gradient    GradientFillTriangles
//   text        TextOut, DrawText, GetTextExtent, GetTextMetrics (device_context_text.cpp)

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"
#include "platform/region.h"

namespace quendar {

// Background modes for text.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

// Raster operations of the block copies (destination D, source S).
enum class RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,    // S
    SRCPAINT = 0x00EE0086,   // S | D
    SRCAND = 0x008800C6,     // S & D
    SRCINVERT = 0x00660046,  // S ^ D
    DSTINVERT = 0x00550009,  // ~D (source ignored)
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// Brushes and pens are values. A hollow brush fills nothing; a null pen
// draws nothing. Colours may be system colour references.
struct Brush {
    ColorRef Color = 0x00FFFFFF;
    bool Hollow = false;
    static Brush Solid(ColorRef color) { return {color, false}; }
    static Brush Null() { return {0, true}; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

struct Pen {
    ColorRef Color = 0;
    bool Null = false;  // draws nothing
    static Pen Solid(ColorRef color) { return {color, false}; }
    static Pen None() { return {0, true}; }
    friend bool operator==(const Pen&, const Pen&) = default;
};

// One vertex of a gradient triangle; channels are 16-bit (byte << 8).
struct TriVertex {
    int X = 0;
    int Y = 0;
    std::uint16_t Red = 0;
    std::uint16_t Green = 0;
    std::uint16_t Blue = 0;
    std::uint16_t Alpha = 0;
};

struct GradientTriangle {
    std::uint32_t Vertex1 = 0;
    std::uint32_t Vertex2 = 0;
    std::uint32_t Vertex3 = 0;
};

class DeviceContext {
public:
    // Draws on the whole bitmap, origin (0, 0).
    explicit DeviceContext(Bitmap& target);
    // Draws at `origin` inside the bitmap, never outside `systemClip`
    // (bitmap coordinates).
    DeviceContext(Bitmap& target, Point origin, const Region& systemClip);

    Bitmap& Target() { return *target_; }
    const Bitmap& Target() const { return *target_; }

    // --- state -------------------------------------------------------------
    Point Origin() const { return origin_; }
    // Moves the logical origin; the clip stays on the same bitmap pixels.
    Point SetOrigin(Point origin);
    Point OffsetOrigin(int dx, int dy) { return SetOrigin({origin_.X + dx, origin_.Y + dy}); }

    // Clip operations take logical coordinates and return the kind of the
    // resulting DeviceClip() (NULLREGION, SIMPLEREGION, COMPLEXREGION). The
    // clip is kept in bitmap coordinates: a later origin change does not move it.
    // Without a caller's clip, ExcludeClipRect starts from the whole bitmap.
    int IntersectClipRect(const Rect& rect);
    int ExcludeClipRect(const Rect& rect);
    // Replaces the caller's clip; null removes it (only the system clip stays).
    int SelectClipRegion(const Region* region);
    // The caller's clip in logical coordinates; an empty region when none is set.
    bool HasClipRegion() const { return hasUserClip_; }
    Region GetClipRegion() const;
    // The bounding box of what can be drawn, in logical coordinates.
    Rect GetClipBox() const;
    // Whether any part of the rectangle (logical) can be drawn.
    bool RectVisible(const Rect& rect) const;
    // The drawable area in bitmap coordinates: system clip, caller's clip and
    // bitmap bounds together.
    const Region& DeviceClip() const { return effectiveClip_; }

    // Pushes the whole state; returns the new depth (1 for the first save).
    int SaveDC();
    // Restores the state saved at `level`; a negative level counts back from
    // the latest save (-1 = latest). False when there is no such save.
    bool RestoreDC(int level);

    Brush SelectBrush(const Brush& brush);
    Brush CurrentBrush() const { return brush_; }
    Pen SelectPen(const Pen& pen);
    Pen CurrentPen() const { return pen_; }
    FontDescription SelectFont(const FontDescription& font);
    const FontDescription& CurrentFont() const { return font_; }
    ColorRef SetTextColor(ColorRef color);
    ColorRef GetTextColor() const { return textColor_; }
    ColorRef SetBkColor(ColorRef color);
    ColorRef GetBkColor() const { return bkColor_; }
    int SetBkMode(int mode);
    int GetBkMode() const { return bkMode_; }

    // --- fills -------------------------------------------------------------
    // Fills with a brush, ignoring the selected one; a hollow brush fills nothing.
    void FillRect(const Rect& rect, const Brush& brush);
    void FillSolidRect(const Rect& rect, ColorRef color) { FillRect(rect, Brush::Solid(color)); }
    // One-pixel outline with a brush's colour.
    void FrameRect(const Rect& rect, const Brush& brush);
    // Outline with the pen on the rectangle's edge pixels (Right - 1 and
    // Bottom - 1 included), inside filled with the brush. With a null pen the
    // brush fills the rectangle less its last column and row.
    void Rectangle(const Rect& rect);
    // As Rectangle, with corners cut along ellipses of (width, height) pixels:
    // a pixel is inside when its centre is inside the corner ellipse. Sizes
    // larger than the rectangle are clamped to it; below 2 the corner is square.
    void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight);

    // --- lines -------------------------------------------------------------
    Point MoveTo(Point p);
    // Line from the current position to p with the pen; p itself is not drawn.
    void LineTo(Point p);
    // Connected lines through the points; the final point is not drawn.
    void Polyline(std::span<const Point> points);

    // --- pixels ------------------------------------------------------------
    void SetPixel(int x, int y, ColorRef color);
    // CLR_INVALID outside the drawable area.
    ColorRef GetPixel(int x, int y) const;

    // --- copies ------------------------------------------------------------
    // Copies a width x height block from the source context at (sx, sy) to
    // (x, y). Only pixels inside the source bitmap are read; destination
    // pixels whose source lies outside it are left alone. Source and target
    // may be the same bitmap, overlapping. False for a negative size or an
    // unknown raster operation.
    bool BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sx, int sy,
                RasterOp op = RasterOp::SRCCOPY);
    // Nearest-neighbour stretch of the source block onto the destination block:
    // each destination pixel takes the source pixel under its centre. A
    // negative extent runs the block from its start leftwards (upwards), the
    // start pixel included: (x = 9, width = -4) covers columns 6..9 with
    // column 9 first. Blocks with opposite signs mirror. False for a zero
    // source extent, an extent beyond 2^30 or an unknown raster operation.
    bool StretchBlt(int x, int y, int width, int height, const DeviceContext& source, int sx,
                    int sy, int sourceWidth, int sourceHeight, RasterOp op = RasterOp::SRCCOPY);

    // --- gradient ----------------------------------------------------------
    // Fills each triangle, interpolating the vertex colours linearly. The
    // vertex (x, y) is the centre of pixel (x, y); a pixel is drawn when its
    // centre is inside the triangle, centres on an edge only on top and left
    // edges. So triangles sharing an edge never overlap or leave a gap, a
    // rectangle (Left, Top)..(Right, Bottom) split into triangles covers that
    // Rect's pixels (Right and Bottom outside), and a drawn pixel at a vertex
    // has that vertex's colour. Channels are the exact mix truncated to their
    // high byte; alpha is ignored. False, drawing nothing, for a vertex index
    // out of range or a coordinate beyond +-2^20.
    bool GradientFillTriangles(std::span<const TriVertex> vertices,
                               std::span<const GradientTriangle> triangles);

    // --- text (device_context_text.cpp) -------------------------------------
    bool TextOut(int x, int y, std::string_view text);
    // Draws or, with DT_CALCRECT, measures text in the rectangle. Returns the
    // height of the text; with DT_CALCRECT the rectangle is set to the size
    // the text needs (width grows to the longest line, height to the lines).
    int DrawText(std::string_view text, Rect& rect, unsigned format);
    Size GetTextExtent(std::string_view text) const;
    TextMetrics GetTextMetrics() const;

private:
    struct State {
        Point Origin;
        bool HasUserClip = false;
        Region UserClip;  // bitmap coordinates
        Brush CurrentBrush;
        Pen CurrentPen;
        FontDescription Font;
        ColorRef TextColor = 0;
        ColorRef BkColor = 0x00FFFFFF;
        int BkMode = OPAQUE;
        Point PenPosition;
    };

    void RecomputeEffectiveClip();
    const FontFace& Face() const;
    // Mixes rgb over bitmap pixel (x, y) if DeviceClip() holds it: `coverage`
    // 255 puts rgb exactly, 0 leaves the pixel.
    void BlendDevicePixel(int x, int y, ColorRef rgb, std::uint8_t coverage);
    State CaptureState() const;
    void ApplyState(const State& state);

    Bitmap* target_;
    Point origin_;
    Region systemClip_;  // bitmap coordinates
    bool hasUserClip_ = false;
    Region userClip_;  // bitmap coordinates
    Region effectiveClip_;
    Brush brush_;
    Pen pen_;
    FontDescription font_;
    mutable std::shared_ptr<const FontFace> face_;
    ColorRef textColor_ = 0;
    ColorRef bkColor_ = 0x00FFFFFF;
    int bkMode_ = OPAQUE;
    Point penPosition_;
    std::vector<State> saved_;
};

}  // namespace quendar
