// Block copies of the device context: BitBlt and StretchBlt.
//
// Sources are read only inside their bitmap; destinations are written only
// inside DeviceClip(). Between two 32-bit bitmaps the raster operation covers
// all four bytes (alpha travels with the colour); everywhere else a 32-bit
// destination gets alpha 0, as every other drawing operation leaves it.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/device_context.h"
#include "platform/device_pixels.h"

namespace quendar {

namespace {

bool NeedsSource(RasterOp op) {
    return op == RasterOp::SRCCOPY || op == RasterOp::SRCPAINT || op == RasterOp::SRCAND ||
           op == RasterOp::SRCINVERT;
}

bool IsKnown(RasterOp op) {
    return NeedsSource(op) || op == RasterOp::DSTINVERT || op == RasterOp::BLACKNESS ||
           op == RasterOp::WHITENESS;
}

template <typename Combine>
void CombineBytes(std::uint8_t* to, const std::uint8_t* from, int toBytes, int fromBytes, int count,
                  Combine combine) {
    if (toBytes == fromBytes) {
        int total = count * toBytes;
        for (int i = 0; i < total; ++i) to[i] = combine(to[i], from[i]);
        return;
    }
    for (int i = 0; i < count; ++i, to += toBytes, from += fromBytes) {
        to[0] = combine(to[0], from[0]);
        to[1] = combine(to[1], from[1]);
        to[2] = combine(to[2], from[2]);
        if (toBytes == 4) to[3] = 0;
    }
}

// Applies `op` to `count` pixels. `from` is only read for operations that
// take a source.
void CombineRow(std::uint8_t* to, const std::uint8_t* from, int toBytes, int fromBytes, int count,
                RasterOp op) {
    using Byte = std::uint8_t;
    switch (op) {
        case RasterOp::SRCCOPY:
            if (toBytes == fromBytes) {
                std::memcpy(to, from, static_cast<std::size_t>(count * toBytes));
            } else {
                CombineBytes(to, from, toBytes, fromBytes, count, [](Byte, Byte s) { return s; });
            }
            return;
        case RasterOp::SRCPAINT:
            CombineBytes(to, from, toBytes, fromBytes, count, [](Byte d, Byte s) { return Byte(d | s); });
            return;
        case RasterOp::SRCAND:
            CombineBytes(to, from, toBytes, fromBytes, count, [](Byte d, Byte s) { return Byte(d & s); });
            return;
        case RasterOp::SRCINVERT:
            CombineBytes(to, from, toBytes, fromBytes, count, [](Byte d, Byte s) { return Byte(d ^ s); });
            return;
        case RasterOp::DSTINVERT:
            for (int i = 0; i < count; ++i, to += toBytes) {
                to[0] = Byte(~to[0]);
                to[1] = Byte(~to[1]);
                to[2] = Byte(~to[2]);
                if (toBytes == 4) to[3] = 0;
            }
            return;
        case RasterOp::BLACKNESS:
        case RasterOp::WHITENESS: {
            ColorRef rgb = op == RasterOp::BLACKNESS ? RGB(0, 0, 0) : RGB(255, 255, 255);
            for (int i = 0; i < count; ++i, to += toBytes) StoreColor(to, toBytes, rgb);
            return;
        }
    }
}

// The pixels a copy reads. When source and destination share a bitmap and
// the areas overlap, the source block is first copied aside, so no pixel is
// read after the copy has overwritten it.
struct SourcePixels {
    const Bitmap* Pixels;
    Point Shift;  // added to a source bitmap point to address Pixels
    Bitmap Aside;
};

void PrepareSource(SourcePixels& source, const Bitmap& bitmap, const Rect& readArea, bool sharedWithTarget) {
    source.Pixels = &bitmap;
    source.Shift = {0, 0};
    if (!sharedWithTarget || readArea.IsEmpty()) return;
    source.Aside = Bitmap(readArea.Width(), readArea.Height(), bitmap.Format(), RowOrder::TopDown);
    std::size_t rowBytes = static_cast<std::size_t>(readArea.Width() * bitmap.BytesPerPixel());
    for (int y = 0; y < readArea.Height(); ++y) {
        std::memcpy(source.Aside.ScanLine(y),
                    bitmap.ScanLine(readArea.Top + y) + readArea.Left * bitmap.BytesPerPixel(), rowBytes);
    }
    source.Pixels = &source.Aside;
    source.Shift = {-readArea.Left, -readArea.Top};
}

}  // namespace

bool DeviceContext::BitBlt(int x, int y, int width, int height, const DeviceContext& source, int sx, int sy,
                           RasterOp op) {
    if (width < 0 || height < 0 || !IsKnown(op)) return false;
    Rect destination = Rect::FromSize(x + origin_.X, y + origin_.Y, width, height);
    if (!NeedsSource(op)) {
        Region parts = effectiveClip_.Intersect(destination);
        for (const Rect& part : parts.Rects()) {
            for (int row = part.Top; row < part.Bottom; ++row) {
                CombineRow(PixelAddress(*target_, part.Left, row), nullptr, target_->BytesPerPixel(), 0,
                           part.Width(), op);
            }
        }
        return true;
    }

    const Bitmap& sourceBitmap = source.Target();
    Point sourceStart{sx + source.Origin().X, sy + source.Origin().Y};
    Rect readable =
        Rect::FromSize(sourceStart.X, sourceStart.Y, width, height).Intersect(sourceBitmap.Bounds());
    Point toSource = sourceStart - destination.TopLeft();
    Region parts = effectiveClip_.Intersect(readable.Offset(-toSource.X, -toSource.Y));
    if (parts.IsEmpty()) return true;

    SourcePixels pixels;
    Rect readArea = parts.Bounds().Offset(toSource.X, toSource.Y);
    PrepareSource(pixels, sourceBitmap, readArea,
                  &sourceBitmap == target_ && readArea.Intersects(parts.Bounds()));
    Point shift = toSource + pixels.Shift;
    int toBytes = target_->BytesPerPixel();
    int fromBytes = pixels.Pixels->BytesPerPixel();
    for (const Rect& part : parts.Rects()) {
        for (int row = part.Top; row < part.Bottom; ++row) {
            const std::uint8_t* from =
                pixels.Pixels->ScanLine(row + shift.Y) + (part.Left + shift.X) * fromBytes;
            CombineRow(PixelAddress(*target_, part.Left, row), from, toBytes, fromBytes, part.Width(), op);
        }
    }
    return true;
}

namespace {

// Pixel i (0 <= i < |extent|) of a block starting at `start` lies at
// start + i when the extent is positive and at start - i when it is negative.
Rect BlockPixels(int x, int y, int width, int height) {
    int left = width > 0 ? x : x + width + 1;
    int top = height > 0 ? y : y + height + 1;
    return Rect::FromSize(left, top, std::abs(width), std::abs(height));
}

// Source coordinate of each destination coordinate in [first, first + count):
// the source pixel under the destination pixel's centre.
std::vector<int> NearestSource(int first, int count, int start, int extent, int sourceStart,
                               int sourceExtent) {
    std::vector<int> map(static_cast<std::size_t>(count));
    std::int64_t size = std::abs(extent);
    std::int64_t sourceSize = std::abs(sourceExtent);
    for (int k = 0; k < count; ++k) {
        std::int64_t i = (std::int64_t{first} + k - start) * (extent > 0 ? 1 : -1);
        std::int64_t j = ((2 * i + 1) * sourceSize) / (2 * size);
        map[static_cast<std::size_t>(k)] = static_cast<int>(sourceStart + (sourceExtent > 0 ? j : -j));
    }
    return map;
}

}  // namespace

bool DeviceContext::StretchBlt(int x, int y, int width, int height, const DeviceContext& source, int sx,
                               int sy, int sourceWidth, int sourceHeight, RasterOp op) {
    // Larger extents than any bitmap could overflow the coordinate mapping.
    constexpr int largest = 1 << 30;
    for (int extent : {width, height, sourceWidth, sourceHeight}) {
        if (extent < -largest || extent > largest) return false;
    }
    if (!IsKnown(op)) return false;
    if (width == 0 || height == 0) return true;
    if (!NeedsSource(op)) {
        Rect block = BlockPixels(x, y, width, height);
        return BitBlt(block.Left, block.Top, block.Width(), block.Height(), *this, 0, 0, op);
    }
    if (sourceWidth == 0 || sourceHeight == 0) return false;
    if (width == sourceWidth && height == sourceHeight && width > 0 && height > 0) {
        return BitBlt(x, y, width, height, source, sx, sy, op);
    }

    const Bitmap& sourceBitmap = source.Target();
    Point start{x + origin_.X, y + origin_.Y};
    Point sourceStart{sx + source.Origin().X, sy + source.Origin().Y};
    Region parts = effectiveClip_.Intersect(BlockPixels(start.X, start.Y, width, height));
    if (parts.IsEmpty()) return true;

    Rect bounds = parts.Bounds();
    std::vector<int> sourceColumn =
        NearestSource(bounds.Left, bounds.Width(), start.X, width, sourceStart.X, sourceWidth);
    std::vector<int> sourceRow =
        NearestSource(bounds.Top, bounds.Height(), start.Y, height, sourceStart.Y, sourceHeight);

    SourcePixels pixels;
    Rect readArea =
        BlockPixels(sourceStart.X, sourceStart.Y, sourceWidth, sourceHeight).Intersect(sourceBitmap.Bounds());
    PrepareSource(pixels, sourceBitmap, readArea, &sourceBitmap == target_);
    Rect readable = sourceBitmap.Bounds();
    int toBytes = target_->BytesPerPixel();
    int fromBytes = pixels.Pixels->BytesPerPixel();
    for (const Rect& part : parts.Rects()) {
        for (int row = part.Top; row < part.Bottom; ++row) {
            int fromY = sourceRow[static_cast<std::size_t>(row - bounds.Top)];
            if (fromY < readable.Top || fromY >= readable.Bottom) continue;
            const std::uint8_t* fromLine = pixels.Pixels->ScanLine(fromY + pixels.Shift.Y);
            std::uint8_t* to = PixelAddress(*target_, part.Left, row);
            for (int column = part.Left; column < part.Right; ++column, to += toBytes) {
                int fromX = sourceColumn[static_cast<std::size_t>(column - bounds.Left)];
                if (fromX < readable.Left || fromX >= readable.Right) continue;
                CombineRow(to, fromLine + (fromX + pixels.Shift.X) * fromBytes, toBytes, fromBytes, 1, op);
            }
        }
    }
    return true;
}

}  // namespace quendar
