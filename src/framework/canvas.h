#pragma once
// TCanvas: drawing with a font, a brush and a pen on a device context.
//
// The context is borrowed (a window's paint context, owned by whoever began
// painting) or owned (the canvas of a TBitmap makes its own on first use).
// Font, Brush and Pen are selected into the context lazily, before the first
// drawing operation after they changed; code that changes the context's
// state directly calls Refresh so they are selected again.
//
// Rectangles follow geometry.h: Right and Bottom lie outside.
//
// Sections:
//   context     Handle, SetHandle, HandleAllocated, Refresh, Lock/Unlock
//   tools       Font, Brush, Pen, CopyMode, PenPos
//   shapes      FillRect, FrameRect, Rectangle, RoundRect, MoveTo/LineTo, Polyline
//   pixels      Pixels, SetPixels
//   text        TextOut, TextRect, TextWidth, TextHeight, TextExtent
//   pictures    Draw, StretchDraw, CopyRect

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "framework/graphics_brush.h"
#include "framework/graphics_color.h"
#include "framework/graphics_font.h"
#include "framework/graphics_pen.h"
#include "framework/persistent.h"
#include "platform/device_context.h"
#include "platform/geometry.h"
#include "platform/text_format.h"

namespace quendar {

class TGraphic;

class TCanvas : public TPersistent {
public:
    // Without a context: drawing raises Exception until one is set (a
    // subclass may create one on demand).
    TCanvas();
    explicit TCanvas(DeviceContext* borrowed);
    explicit TCanvas(std::unique_ptr<DeviceContext> owned);
    ~TCanvas() override;

    std::string ClassName() const override { return "TCanvas"; }

    // Called after every drawing operation (a bitmap learns that its
    // pixels changed).
    TChangeEvent OnChange;

    // --- context -----------------------------------------------------------
    bool HandleAllocated() const { return context_ != nullptr; }
    // The context, made on demand; raises Exception "Canvas does not allow
    // drawing" when there is none.
    DeviceContext& Handle();
    // Replaces the context; nullptr leaves the canvas without one. The
    // borrowed context must outlive its use here.
    void SetHandle(DeviceContext* borrowed);
    void SetHandle(std::unique_ptr<DeviceContext> owned);
    // Selects font, brush and pen again before the next drawing operation.
    void Refresh();
    // Kept for code that brackets drawing; everything runs on one thread.
    void Lock() { ++lockCount_; }
    void Unlock() {
        if (lockCount_ > 0) --lockCount_;
    }
    int LockCount() const { return lockCount_; }

    // --- tools -------------------------------------------------------------
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    TBrush& Brush() { return brush_; }
    const TBrush& Brush() const { return brush_; }
    TPen& Pen() { return pen_; }
    const TPen& Pen() const { return pen_; }
    // Raster operation of CopyRect; SRCCOPY by default.
    RasterOp CopyMode() const { return copyMode_; }
    void SetCopyMode(RasterOp mode) { copyMode_ = mode; }
    Point PenPos();
    void SetPenPos(Point position);

    // --- shapes ------------------------------------------------------------
    // Fills with the brush; a clear brush fills nothing.
    void FillRect(const Rect& rect);
    // One-pixel outline in the brush's colour.
    void FrameRect(const Rect& rect);
    // Outline with the pen on the edge pixels (Right - 1 and Bottom - 1
    // included), inside filled with the brush.
    void Rectangle(const Rect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(Rect{left, top, right, bottom}); }
    void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
        RoundRect(Rect{left, top, right, bottom}, ellipseWidth, ellipseHeight);
    }
    void MoveTo(int x, int y);
    // Line with the pen from the pen position to (x, y), which is not drawn.
    void LineTo(int x, int y);
    // Lines through the points; the last point is not drawn. The pen
    // position does not move.
    void Polyline(std::span<const Point> points);

    // --- pixels ------------------------------------------------------------
    // The pixel's RGB colour; -1 outside the drawable area.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    // The bounding box of what can be drawn.
    Rect ClipRect();

    // --- text --------------------------------------------------------------
    // Draws in the font's colour; with a solid brush the text cell is filled
    // with the brush colour first. The pen position moves to the end of the text.
    void TextOut(int x, int y, std::string_view text);
    // Text at (x, y), clipped to `rect`, which a solid brush fills first.
    void TextRect(const Rect& rect, int x, int y, std::string_view text);
    // Text laid out in `rect` with DT_* flags; with DT_CALCRECT `rect`
    // becomes the size the text needs and nothing is drawn. Returns the
    // height of the text.
    int TextRect(Rect& rect, std::string_view text, unsigned format);
    int TextWidth(std::string_view text) { return TextExtent(text).Width; }
    int TextHeight(std::string_view text) { return TextExtent(text).Height; }
    Size TextExtent(std::string_view text);

    // --- pictures ----------------------------------------------------------
    // The picture at its own size with its top-left at (x, y); an empty
    // picture draws nothing.
    void Draw(int x, int y, const TGraphic& graphic);
    // The picture scaled onto the rectangle.
    void StretchDraw(const Rect& rect, const TGraphic& graphic);
    // Copies (scaling when the sizes differ) with CopyMode.
    void CopyRect(const Rect& destination, TCanvas& source, const Rect& sourceRect);

protected:
    // Called when drawing needs a context and none is set; a subclass may
    // SetHandle here.
    virtual void CreateHandle() {}

private:
    enum class Need { Font = 1, Brush = 2, Pen = 4 };
    DeviceContext& RequiredState(int needs);
    void Changed();

    std::unique_ptr<DeviceContext> owned_;
    DeviceContext* context_ = nullptr;
    TFont font_;
    TBrush brush_;
    TPen pen_;
    RasterOp copyMode_ = RasterOp::SRCCOPY;
    int lockCount_ = 0;
    // Change counts of the tools as last selected; a mismatch selects again.
    std::uint64_t selectedFont_ = ~std::uint64_t{0};
    std::uint64_t selectedBrush_ = ~std::uint64_t{0};
    std::uint64_t selectedPen_ = ~std::uint64_t{0};
};

}  // namespace quendar
