#pragma once
// TJPEGImage: a JPEG picture, kept as its compressed bytes and decoded on
// demand (once) for drawing.
//
// Assigning a TBitmap compresses it with the current CompressionQuality,
// ProgressiveEncoding, Grayscale and density settings. Loading JPEG bytes
// decodes them at once, so corrupt or truncated data is refused there and
// then with EJPEG "JPEG: ...", leaving the picture as it was.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "framework/graphic.h"
#include "framework/graphics_bitmap.h"

namespace quendar {

enum class TJPEGDensityUnit { duNone = 0, duDotsPerInch = 1, duDotsPerCm = 2 };

class TJPEGImage : public TGraphic {
public:
    static constexpr int DefaultQuality = 90;

    TJPEGImage();
    ~TJPEGImage() override;

    std::string ClassName() const override { return "TJPEGImage"; }

    // From another TJPEGImage: its bytes and settings. From a TBitmap (or
    // any other picture, drawn on a bitmap first): compressed anew.
    void Assign(const TPersistent& source) override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    // 1..100; values outside are clamped. Used by the next compression.
    int CompressionQuality() const { return quality_; }
    void SetCompressionQuality(int quality);
    bool ProgressiveEncoding() const { return progressive_; }
    void SetProgressiveEncoding(bool progressive) { progressive_ = progressive; }
    // Compress with one grey channel.
    bool Grayscale() const { return grayscale_; }
    void SetGrayscale(bool grayscale) { grayscale_ = grayscale; }

    // The density of the JFIF header: read from loaded data, written by the
    // next compression. New images have duNone with 1 x 1.
    TJPEGDensityUnit DensityUnit() const { return densityUnit_; }
    int XDensity() const { return xDensity_; }
    int YDensity() const { return yDensity_; }
    // Densities are 1..65535.
    void SetDensity(TJPEGDensityUnit unit, int x, int y);

    // Whether the loaded data is progressive.
    bool ProgressiveDisplay() const { return loadedProgressive_; }

    // The compressed bytes (empty for an empty picture).
    const std::vector<std::uint8_t>& Data() const { return data_; }
    // The decoded picture, 24 bits per pixel.
    const TBitmap& Bitmap() const;

    // Compresses the bitmap now (also what Assign does with one).
    void Compress(const TBitmap& bitmap);

    void Draw(TCanvas& canvas, const Rect& rect) const override;

    void LoadFromStream(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> SaveToStream() const override { return data_; }

    std::unique_ptr<TGraphic> NewEmpty() const override { return std::make_unique<TJPEGImage>(); }

private:
    std::vector<std::uint8_t> data_;
    std::unique_ptr<TBitmap> decoded_;
    int width_ = 0;
    int height_ = 0;
    int quality_ = DefaultQuality;
    bool progressive_ = false;
    bool grayscale_ = false;
    bool loadedProgressive_ = false;
    TJPEGDensityUnit densityUnit_ = TJPEGDensityUnit::duNone;
    int xDensity_ = 1;
    int yDensity_ = 1;
};

// Registers TJPEGImage as the picture format of the extensions "jpeg" and
// "jpg" ("JPEG Image File") and by its class name; the start-up runs it once,
// and running it again changes nothing.
void RegisterJpegImageFormat();

}  // namespace quendar
