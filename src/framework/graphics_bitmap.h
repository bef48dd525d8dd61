#pragma once
// TBitmap: a device-independent picture with a canvas.
//
// Pixels are held as 24-bit (or, for pf32bit, 32-bit) rows in a Bitmap,
// bottom-up. PixelFormat also remembers a smaller depth read from a file
// (pf1bit, pf4bit, pf8bit): such a bitmap is saved as an 8-bit palette file
// while it has at most 256 colours, otherwise as a 24-bit file. Every other
// format saves 24-bit files.
//
// Transparency: with Transparent on, drawing skips pixels of the transparent
// colour. In tmAuto mode that colour is the bottom-left pixel's; setting
// TransparentColor switches to tmFixed (clDefault switches back to tmAuto).

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/canvas.h"
#include "framework/graphic.h"
#include "framework/graphics_color.h"
#include "platform/bitmap.h"

namespace quendar {

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TBitmapHandleType { bmDIB, bmDDB };
enum class TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    std::string ClassName() const override { return "TBitmap"; }

    // From another TBitmap: pixels, format and transparency. From any other
    // picture: this becomes a 24-bit bitmap of its size with the picture
    // drawn on it.
    void Assign(const TPersistent& source) override;

    int Width() const override { return pixels_.Width(); }
    int Height() const override { return pixels_.Height(); }
    // Resizing keeps the pixels both sizes share; new pixels are black.
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    // pf32bit stores four bytes a pixel, everything else three.
    void SetPixelFormat(TPixelFormat format);
    // Every bitmap here is device-independent; the value is only remembered.
    TBitmapHandleType HandleType() const { return handleType_; }
    void SetHandleType(TBitmapHandleType type) { handleType_ = type; }

    void SetTransparent(bool transparent) override;
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    // The canvas drawing into this bitmap.
    TCanvas& Canvas();
    // First byte of picture row `row` (0 = top); raises EInvalidGraphic
    // "Scan line index out of range" outside 0..Height-1.
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;
    // The pixel rows themselves, for painting code. Resizing through them
    // is not allowed: use SetSize.
    Bitmap& PixelBuffer() { return pixels_; }
    const Bitmap& PixelBuffer() const { return pixels_; }
    // Replaces the pixels (a 24- or 32-bit bitmap of any row order).
    void SetPixelBuffer(Bitmap pixels);

    void Draw(TCanvas& canvas, const Rect& rect) const override;

    // BMP files of every common kind are read.
    void LoadFromStream(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToStream() const override;

    std::unique_ptr<TGraphic> NewEmpty() const override { return std::make_unique<TBitmap>(); }

private:
    void PixelsReplaced();

    Bitmap pixels_;
    TPixelFormat pixelFormat_ = TPixelFormat::pf24bit;
    TBitmapHandleType handleType_ = TBitmapHandleType::bmDIB;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = TTransparentMode::tmAuto;
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace quendar
