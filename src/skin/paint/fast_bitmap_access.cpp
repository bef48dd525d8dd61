#include "skin/paint/fast_bitmap_access.h"

#include <algorithm>

#include "skin/paint/assertion_failed.h"
#include "skin/paint/row_kernels.h"

namespace quendar {
namespace {

bool LargeEnough(const Bitmap* bitmap) {
    return bitmap != nullptr && bitmap->Width() >= 2 && bitmap->Height() >= 2;
}

bool Inside(const Rect& r, int width, int height) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height &&
           r.Left <= r.Right && r.Top <= r.Bottom;
}

// The same sum where source and destination may share bytes: from the last
// byte down to the first, so overlapping areas come out as they always have.
void SumRowInPlace(std::uint8_t* destination, const std::uint8_t* source, int count,
                   unsigned weight) {
    const unsigned sourceWeight = 255 - weight;
    for (int i = count - 1; i >= 0; --i) {
        destination[i] = static_cast<std::uint8_t>(
            (destination[i] * weight + source[i] * sourceWeight + 127) >> 8);
    }
}

}  // namespace

void RequireBitmap24(const Bitmap& bitmap) {
    if (bitmap.Format() != PixelFormat::Bits24) {
        throw EAssertionFailed(UnsupportedBitmapFormatMessage, "sAlphaGraph");
    }
}

bool TacFast24::Attach(quendar::Bitmap* bitmap) {
    if (!LargeEnough(bitmap)) {
        Width = 0;
        return false;
    }
    RequireBitmap24(*bitmap);
    Bitmap = bitmap;
    Width = bitmap->Width();
    Height = bitmap->Height();
    FirstRow = bitmap->ScanLine(0);
    Stride = bitmap->ScanLine(1) - bitmap->ScanLine(0);
    return true;
}

bool TacFastSum24::Attach(const quendar::Bitmap* source, quendar::Bitmap* destination) {
    if (!LargeEnough(source) || !LargeEnough(destination)) {
        Width = 0;
        return false;
    }
    RequireBitmap24(*source);
    RequireBitmap24(*destination);
    Source = source;
    Destination = destination;
    Width = std::min(source->Width(), destination->Width());
    Height = std::min(source->Height(), destination->Height());
    SourceFirstRow = source->ScanLine(0);
    DestinationFirstRow = destination->ScanLine(0);
    SourceStride = source->ScanLine(1) - source->ScanLine(0);
    DestinationStride = destination->ScanLine(1) - destination->ScanLine(0);
    return true;
}

bool TacFastSum24::Run() {
    if (Source == nullptr || Destination == nullptr) return false;
    const Rect& d = DestinationRect;
    const Rect s = Rect::FromSize(SourceRect.Left, SourceRect.Top, d.Width(), d.Height());
    if (!Inside(d, Destination->Width(), Destination->Height()) ||
        !Inside(s, Source->Width(), Source->Height())) {
        return false;
    }
    const int rowBytes = d.Width() * 3;
    // Rows from the bottom up, as the sum has always run; each row is
    // independent, so the order only matters to an observer mid-way.
    for (int row = d.Bottom - 1; row >= d.Top; --row) {
        std::uint8_t* target = DestinationFirstRow + row * DestinationStride + d.Left * 3;
        const std::uint8_t* from =
            SourceFirstRow + (s.Top + row - d.Top) * SourceStride + s.Left * 3;
        if (Source == Destination) {
            SumRowInPlace(target, from, rowBytes, Weight);
        } else {
            SumRow(target, from, rowBytes, Weight);
        }
    }
    return true;
}

SharedAccessorSet::SharedAccessorSet()
    : fast24_(std::make_unique<TacFast24>()),
      secondFast24_(std::make_unique<TacFast24>()),
      fastSum24_(std::make_unique<TacFastSum24>()) {}

SharedAccessorSet::~SharedAccessorSet() { Release(); }

TacFast24& SharedAccessorSet::Fast24() {
    if (!fast24_) throw EAssertionFailed("Shared pixel accessors used after release", "sAlphaGraph");
    return *fast24_;
}

TacFast24& SharedAccessorSet::SecondFast24() {
    if (!secondFast24_) {
        throw EAssertionFailed("Shared pixel accessors used after release", "sAlphaGraph");
    }
    return *secondFast24_;
}

TacFastSum24& SharedAccessorSet::FastSum24() {
    if (!fastSum24_) {
        throw EAssertionFailed("Shared pixel accessors used after release", "sAlphaGraph");
    }
    return *fastSum24_;
}

int SharedAccessorSet::Release() {
    if (++releaseCalls_ == 1) {
        fast24_.reset();
        secondFast24_.reset();
        fastSum24_.reset();
    }
    return releaseCalls_;
}

SharedAccessorSet& SharedAccessors() {
    static SharedAccessorSet accessors;
    return accessors;
}

namespace {
// Creates the shared set while the program starts rather than in the middle
// of the first paint.
const bool sharedAccessorsCreatedAtStart = (SharedAccessors(), true);
}  // namespace

}  // namespace quendar
