#include "framework/jpeg_image.h"

#include <algorithm>
#include <utility>

#include "framework/canvas.h"
#include "framework/graphics_errors.h"
#include "framework/jpeg_codec.h"
#include "framework/picture_formats.h"

namespace quendar {

TJPEGImage::TJPEGImage() = default;

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Assign(const TPersistent& source) {
    if (&source == this) return;
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&source)) {
        data_ = jpeg->data_;
        decoded_ = jpeg->decoded_ ? std::make_unique<TBitmap>() : nullptr;
        if (decoded_) decoded_->Assign(*jpeg->decoded_);
        width_ = jpeg->width_;
        height_ = jpeg->height_;
        quality_ = jpeg->quality_;
        progressive_ = jpeg->progressive_;
        grayscale_ = jpeg->grayscale_;
        loadedProgressive_ = jpeg->loadedProgressive_;
        densityUnit_ = jpeg->densityUnit_;
        xDensity_ = jpeg->xDensity_;
        yDensity_ = jpeg->yDensity_;
        TGraphic::SetTransparent(jpeg->Transparent());
        Changed();
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        Compress(*bitmap);
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        TBitmap drawn;
        drawn.Assign(*graphic);
        Compress(drawn);
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::SetCompressionQuality(int quality) { quality_ = std::clamp(quality, 1, 100); }

void TJPEGImage::SetDensity(TJPEGDensityUnit unit, int x, int y) {
    densityUnit_ = unit;
    xDensity_ = std::clamp(x, 1, 65535);
    yDensity_ = std::clamp(y, 1, 65535);
}

const TBitmap& TJPEGImage::Bitmap() const {
    if (!decoded_) {
        auto decoded = std::make_unique<TBitmap>();
        // Data held here decoded once already; a failure now is a fault of memory, not of data.
        if (!data_.empty()) decoded->SetPixelBuffer(DecodeJpeg(data_).Pixels);
        const_cast<TJPEGImage*>(this)->decoded_ = std::move(decoded);
    }
    return *decoded_;
}

void TJPEGImage::Compress(const TBitmap& bitmap) {
    if (bitmap.Empty()) {
        LoadFromStream({});
        return;
    }
    JpegEncodeOptions options;
    options.Quality = quality_;
    options.Progressive = progressive_;
    options.Grayscale = grayscale_;
    options.Density = {static_cast<int>(densityUnit_), xDensity_, yDensity_};
    LoadFromStream(EncodeJpeg(bitmap.PixelBuffer(), options));
}

void TJPEGImage::Draw(TCanvas& canvas, const Rect& rect) const {
    if (Empty()) return;
    canvas.StretchDraw(rect, Bitmap());
}

void TJPEGImage::LoadFromStream(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        data_.clear();
        decoded_.reset();
        width_ = height_ = 0;
        loadedProgressive_ = false;
        Changed();
        return;
    }
    DecodedJpeg decoded = DecodeJpeg(bytes);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelBuffer(std::move(decoded.Pixels));
    data_.assign(bytes.begin(), bytes.end());
    decoded_ = std::move(bitmap);
    width_ = decoded.Info.Width;
    height_ = decoded.Info.Height;
    loadedProgressive_ = decoded.Info.Progressive;
    densityUnit_ = static_cast<TJPEGDensityUnit>(std::clamp(decoded.Info.Density.Unit, 0, 2));
    xDensity_ = std::max(decoded.Info.Density.X, 1);
    yDensity_ = std::max(decoded.Info.Density.Y, 1);
    Changed();
}

void RegisterJpegImageFormat() {
    auto factory = [] { return std::make_unique<TJPEGImage>(); };
    PictureFormats& formats = PictureFormats::Global();
    formats.RegisterFileFormat("jpeg", "JPEG Image File", factory);
    formats.RegisterFileFormat("jpg", "JPEG Image File", factory);
}

}  // namespace quendar
