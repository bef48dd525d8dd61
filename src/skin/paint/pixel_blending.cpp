// Mixing with a colour, weighted sums, grey conversion and mask tinting.
// The key-colour blends and copies are in key_blending.cpp.

#include <algorithm>
#include <array>

#include "platform/system_colors.h"
#include "skin/paint/fast_bitmap_access.h"
#include "skin/paint/pixel_blending.h"
#include "skin/paint/row_kernels.h"

namespace quendar {

void MixRectWithColor(Bitmap& bitmap, Rect rect, std::uint8_t percent, ColorRef color) {
    RequireBitmap24(bitmap);
    const int left = std::max(rect.Left, 0);
    const int top = std::max(rect.Top, 0);
    const int right = std::min(rect.Right, bitmap.Width() - 1);
    const int bottom = std::min(rect.Bottom, bitmap.Height() - 1);
    if (right < left || bottom < top) return;

    const MixPlan plan = MakeMixPlan(percent, ColorToRGB(color));
    MixRows(bitmap.ScanLine(top) + left * 3, bitmap.Stride(), bottom - top + 1, right - left + 1, plan);
}

void WeightedSum(Bitmap& destination, const Bitmap& source, std::uint8_t weight) {
    if (destination.Dimensions() != source.Dimensions()) return;
    TacFastSum24& sum = SharedFastSum24();
    if (!sum.Attach(&source, &destination)) return;
    sum.Weight = weight;
    sum.DestinationRect = destination.Bounds();
    sum.SourceRect = source.Bounds();
    sum.Run();
}

void WeightedSumRect(Bitmap& destination, const Bitmap& source, std::uint8_t weight, Point point,
                     Rect sourceRect) {
    if (point.X < 0) {
        sourceRect.Left -= point.X;
        point.X = 0;
    }
    if (point.Y < 0) {
        sourceRect.Top -= point.Y;
        point.Y = 0;
    }
    if (sourceRect.Left < 0) {
        point.X -= sourceRect.Left;
        sourceRect.Left = 0;
    }
    if (sourceRect.Top < 0) {
        point.Y -= sourceRect.Top;
        sourceRect.Top = 0;
    }
    sourceRect.Right = std::min(sourceRect.Right, source.Width());
    sourceRect.Bottom = std::min(sourceRect.Bottom, source.Height());
    // Widths in wide arithmetic: a point far outside must not overflow.
    const long long width = std::min<long long>(
        static_cast<long long>(sourceRect.Right) - sourceRect.Left,
        static_cast<long long>(destination.Width()) - point.X);
    const long long height = std::min<long long>(
        static_cast<long long>(sourceRect.Bottom) - sourceRect.Top,
        static_cast<long long>(destination.Height()) - point.Y);
    if (width <= 0 || height <= 0) return;

    TacFastSum24& sum = SharedFastSum24();
    if (!sum.Attach(&source, &destination)) return;
    sum.Weight = weight;
    sum.DestinationRect = Rect::FromSize(point.X, point.Y, static_cast<int>(width),
                                         static_cast<int>(height));
    sum.SourceRect = Rect::FromSize(sourceRect.Left, sourceRect.Top, static_cast<int>(width),
                                    static_cast<int>(height));
    // A refused run draws nothing, which is all a failed sum may do.
    sum.Run();
}

void MakeGrayscale(Bitmap& bitmap) {
    RequireBitmap24(bitmap);
    for (int row = 0; row < bitmap.Height(); ++row) GrayRow(bitmap.ScanLine(row), bitmap.Width());
}

void MakeGrayscaleExceptKey(Bitmap& bitmap, ColorRef key) {
    RequireBitmap24(bitmap);
    for (int row = 0; row < bitmap.Height(); ++row) {
        GrayRowExceptKey(bitmap.ScanLine(row), bitmap.Width(), key);
    }
}

void TintByMask(Bitmap& bitmap, const Bitmap& weights, ColorRef color) {
    if (bitmap.Dimensions() != weights.Dimensions()) return;
    RequireBitmap24(bitmap);
    RequireBitmap24(weights);
    if (bitmap.IsEmpty()) return;
    const ColorRef rgb = ColorToRGB(color);
    const std::array<std::uint8_t, 3> channels{static_cast<std::uint8_t>(GetBValue(rgb)),
                                               static_cast<std::uint8_t>(GetGValue(rgb)),
                                               static_cast<std::uint8_t>(GetRValue(rgb))};
    TintRows(bitmap.ScanLine(0), bitmap.Stride(), weights.ScanLine(0), weights.Stride(), bitmap.Height(),
             bitmap.Width(), channels);
}

}  // namespace quendar
