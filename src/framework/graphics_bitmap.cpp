#include "framework/graphics_bitmap.h"

#include <string>
#include <utility>

#include "framework/graphics_errors.h"
#include "platform/bmp_file.h"
#include "platform/bmp_header.h"
#include "platform/device_context.h"
#include "platform/device_pixels.h"
#include "platform/platform_error.h"

namespace quendar {

namespace {

// A canvas that draws into its bitmap's pixels, with a context made on the
// first drawing after the pixels were last replaced.
class TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(Bitmap& pixels) : pixels_(pixels) {}

protected:
    void CreateHandle() override { SetHandle(std::make_unique<DeviceContext>(pixels_)); }

private:
    Bitmap& pixels_;
};

PixelFormat StorageFormat(TPixelFormat format) {
    return format == TPixelFormat::pf32bit ? PixelFormat::Bits32 : PixelFormat::Bits24;
}

TPixelFormat FormatOfFileDepth(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return TPixelFormat::pf1bit;
        case 4:
            return TPixelFormat::pf4bit;
        case 8:
            return TPixelFormat::pf8bit;
        case 16:
            return TPixelFormat::pf16bit;
        case 32:
            return TPixelFormat::pf32bit;
        default:
            return TPixelFormat::pf24bit;
    }
}

bool IsPaletteFormat(TPixelFormat format) {
    return format == TPixelFormat::pf1bit || format == TPixelFormat::pf4bit || format == TPixelFormat::pf8bit;
}

// Copies the picture onto `rect` (logical) of the context, scaled by nearest
// pixel centres, leaving out pixels of colour `key`. Stays inside the
// context's drawable area.
void DrawWithoutKey(const Bitmap& picture, DeviceContext& context, const Rect& rect, ColorRef key) {
    Bitmap& target = context.Target();
    Point origin = context.Origin();
    Rect device = rect.Offset(origin.X, origin.Y);
    const long long width = rect.Width();
    const long long height = rect.Height();
    const int sourceBytes = picture.BytesPerPixel();
    const int targetBytes = target.BytesPerPixel();
    const auto keyBlue = static_cast<std::uint8_t>(GetBValue(key));
    const auto keyGreen = static_cast<std::uint8_t>(GetGValue(key));
    const auto keyRed = static_cast<std::uint8_t>(GetRValue(key));
    for (const Rect& clip : context.DeviceClip().Rects()) {
        Rect area = device.Intersect(clip);
        for (int y = area.Top; y < area.Bottom; ++y) {
            auto sourceRow =
                static_cast<int>(((2LL * (y - device.Top) + 1) * picture.Height()) / (2 * height));
            const std::uint8_t* source = picture.ScanLine(sourceRow);
            std::uint8_t* destination = target.ScanLine(y);
            for (int x = area.Left; x < area.Right; ++x) {
                auto sourceColumn =
                    static_cast<int>(((2LL * (x - device.Left) + 1) * picture.Width()) / (2 * width));
                const std::uint8_t* pixel = source + sourceColumn * sourceBytes;
                if (pixel[0] == keyBlue && pixel[1] == keyGreen && pixel[2] == keyRed) continue;
                StoreColor(destination + x * targetBytes, targetBytes, RGB(pixel[2], pixel[1], pixel[0]));
            }
        }
    }
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent& source) {
    if (&source == this) return;
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        pixels_ = bitmap->pixels_;
        pixelFormat_ = bitmap->pixelFormat_;
        handleType_ = bitmap->handleType_;
        transparentColor_ = bitmap->transparentColor_;
        transparentMode_ = bitmap->transparentMode_;
        TGraphic::SetTransparent(bitmap->Transparent());
        PixelsReplaced();
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        Bitmap blank(graphic->Width(), graphic->Height());
        blank.Fill(RGB(255, 255, 255));
        pixels_ = std::move(blank);
        pixelFormat_ = TPixelFormat::pf24bit;
        PixelsReplaced();
        if (!graphic->Empty()) Canvas().Draw(0, 0, *graphic);
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    try {
        pixels_.Resize(width, height);
    } catch (const PlatformError& error) {
        throw EInvalidGraphic(error.what());
    }
    PixelsReplaced();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == pixelFormat_) return;
    pixelFormat_ = format;
    pixels_.SetFormat(StorageFormat(format));
    PixelsReplaced();
}

void TBitmap::SetTransparent(bool transparent) { TGraphic::SetTransparent(transparent); }

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == TTransparentMode::tmFixed) return transparentColor_;
    if (pixels_.IsEmpty()) return clDefault;
    return static_cast<TColor>(pixels_.PixelAt(0, pixels_.Height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
    TTransparentMode mode = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
    if (color == transparentColor_ && mode == transparentMode_) return;
    transparentColor_ = color;
    transparentMode_ = mode;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == transparentMode_) return;
    // Going fixed keeps the colour in use now.
    transparentColor_ = mode == TTransparentMode::tmAuto ? clDefault : TransparentColor();
    transparentMode_ = mode;
    Changed();
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TBitmapCanvas>(pixels_);
        canvas_->OnChange = [this](TPersistent*) { Changed(); };
    }
    return *canvas_;
}

std::uint8_t* TBitmap::ScanLine(int row) {
    return const_cast<std::uint8_t*>(std::as_const(*this).ScanLine(row));
}

const std::uint8_t* TBitmap::ScanLine(int row) const {
    if (row < 0 || row >= Height()) throw EInvalidGraphic("Scan line index out of range");
    return pixels_.ScanLine(row);
}

void TBitmap::SetPixelBuffer(Bitmap pixels) {
    if (pixels.Format() == PixelFormat::Bits32)
        pixelFormat_ = TPixelFormat::pf32bit;
    else if (pixelFormat_ == TPixelFormat::pf32bit)
        pixelFormat_ = TPixelFormat::pf24bit;
    pixels_ = std::move(pixels);
    PixelsReplaced();
}

void TBitmap::PixelsReplaced() {
    // The canvas's context measured the old pixels; the next drawing makes a new one.
    if (canvas_) canvas_->SetHandle(nullptr);
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const Rect& rect) const {
    if (Empty() || rect.IsEmpty()) return;
    DeviceContext& context = canvas.Handle();
    if (Transparent()) {
        DrawWithoutKey(pixels_, context, rect, ColorToColorRef(TransparentColor()));
        return;
    }
    // The context only reads its source; it never writes through this one.
    DeviceContext source(const_cast<Bitmap&>(pixels_));
    context.StretchBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), source, 0, 0, Width(), Height());
}

void TBitmap::LoadFromStream(std::span<const std::uint8_t> bytes) {
    Bitmap loaded;
    TPixelFormat format = TPixelFormat::pf24bit;
    if (!bytes.empty()) {
        try {
            format = FormatOfFileDepth(ParseBmpHeader(bytes).BitsPerPixel);
            loaded = ReadBmp(bytes);
        } catch (const PlatformError& error) {
            throw EInvalidGraphic(error.what());
        }
    }
    pixels_ = std::move(loaded);
    pixelFormat_ = format;
    PixelsReplaced();
}

std::vector<std::uint8_t> TBitmap::SaveToStream() const {
    if (Empty()) return {};
    if (IsPaletteFormat(pixelFormat_)) {
        try {
            return WriteBmp8(pixels_);
        } catch (const PlatformError&) {
            // More than 256 colours were drawn since loading: keep every one.
        }
    }
    return WriteBmp24(pixels_);
}

}  // namespace quendar
