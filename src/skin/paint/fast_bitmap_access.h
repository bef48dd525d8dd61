#pragma once
// Row-address access to 24-bit bitmaps for the painting loops, and the
// process-wide accessor instances every paint step shares.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/geometry.h"

namespace quendar {

// Message of the assertion raised when a bitmap of another depth reaches the
// accessors (module "sAlphaGraph").
inline constexpr const char* UnsupportedBitmapFormatMessage = "Bitmap format is not supported";

// Throws EAssertionFailed with UnsupportedBitmapFormatMessage unless the
// bitmap is 24-bit: other depths reaching the painting loops are a
// programming error.
void RequireBitmap24(const Bitmap& bitmap);

// Fast pixel reader over one bitmap.
class TacFast24 {
public:
    quendar::Bitmap* Bitmap = nullptr;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;  // signed: bytes from row 0 to row 1
    std::uint8_t* FirstRow = nullptr;  // address of row 0

    // False (and Width 0) for a null bitmap or one under 2 pixels in either
    // direction. Throws EAssertionFailed for a bitmap that is not 24-bit.
    bool Attach(quendar::Bitmap* bitmap);
    // The pixel as 0x00BBGGRR. Callers keep 0 <= x < Width, 0 <= y < Height.
    ColorRef Pixel(int x, int y) const {
        const std::uint8_t* p = FirstRow + y * Stride + x * 3;
        return static_cast<ColorRef>(p[2]) | static_cast<ColorRef>(p[1]) << 8 |
               static_cast<ColorRef>(p[0]) << 16;
    }
};

// Weighted sum of a source rectangle onto a destination rectangle of the same
// size: destination byte := (D * Weight + S * (255 - Weight) + 127) >> 8.
// Weight is the destination's share; 255 - Weight the source's.
class TacFastSum24 {
public:
    const quendar::Bitmap* Source = nullptr;
    quendar::Bitmap* Destination = nullptr;
    int Width = 0;   // the smaller width of both bitmaps
    int Height = 0;  // the smaller height of both bitmaps
    const std::uint8_t* SourceFirstRow = nullptr;
    std::uint8_t* DestinationFirstRow = nullptr;
    std::ptrdiff_t SourceStride = 0;
    std::ptrdiff_t DestinationStride = 0;
    std::uint8_t Weight = 0;
    Rect DestinationRect;  // Right and Bottom outside, as Rect
    Rect SourceRect;       // same size as DestinationRect; only its corner is read

    // False for a null bitmap or one under 2x2. Throws EAssertionFailed for a
    // bitmap that is not 24-bit.
    bool Attach(const quendar::Bitmap* source, quendar::Bitmap* destination);
    // Runs the sum over DestinationRect. Rectangles that do not lie inside
    // their bitmaps (or differ in size) are refused with false and nothing is
    // written, so a careless caller cannot write outside the pixel buffers.
    bool Run();
};

// The three accessor instances of a process: created together, freed once.
class SharedAccessorSet {
public:
    SharedAccessorSet();
    ~SharedAccessorSet();
    SharedAccessorSet(const SharedAccessorSet&) = delete;
    SharedAccessorSet& operator=(const SharedAccessorSet&) = delete;

    // Throw EAssertionFailed once released.
    TacFast24& Fast24();
    TacFast24& SecondFast24();
    TacFastSum24& FastSum24();

    // Frees the instances on its first call only; every call is counted.
    // Returns the number of calls so far.
    int Release();
    int ReleaseCalls() const { return releaseCalls_; }
    bool Released() const { return fast24_ == nullptr; }

private:
    std::unique_ptr<TacFast24> fast24_;
    std::unique_ptr<TacFast24> secondFast24_;
    std::unique_ptr<TacFastSum24> fastSum24_;
    int releaseCalls_ = 0;
};

// The process-wide set, created at program start and released at exit.
SharedAccessorSet& SharedAccessors();
inline TacFast24& SharedFast24() { return SharedAccessors().Fast24(); }
inline TacFast24& SharedSecondFast24() { return SharedAccessors().SecondFast24(); }
inline TacFastSum24& SharedFastSum24() { return SharedAccessors().FastSum24(); }

}  // namespace quendar
