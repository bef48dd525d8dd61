// The key-colour routines: real-valued blend over the destination and the
// two copies that leave key pixels out.

#include <array>
#include <bit>
#include <cmath>
#include <memory>

#include "skin/paint/byte_rounding.h"
#include "skin/paint/clip_span.h"
#include "skin/paint/fast_bitmap_access.h"
#include "skin/paint/key_pixel_masks.h"
#include "skin/paint/pixel_blending.h"
#include "skin/paint/row_kernels.h"

namespace quendar {
namespace {

// --- BlendRectOver ----------------------------------------------------------

// Round(S - factor * (S - D)) limited to 0..255. Clamping before rounding
// gives the same byte as after, because 0 and 255 are whole numbers.
inline std::uint8_t Over(int source, int destination, double factor) {
    double value = source - factor * (source - destination);
    value = std::min(std::max(value, 0.0), 255.0);
    return static_cast<std::uint8_t>(RoundHalfEven(value));
}

// Every result of one factor, indexed by S * 256 + D; worth building once
// the area holds about a quarter as many bytes as the table.
// Rule is the integer form of the same results where one exists.
struct OverTable {
    std::uint64_t FactorBits = 0;
    bool Filled = false;
    std::array<std::uint8_t, 65536> Values;
    OverRule Rule;
};
constexpr long long OverTableWorthFrom = 16384;

const OverTable& OverTableFor(double factor) {
    // Two tables: the disabled look and the ghosted glyph use two factors
    // over and over. UI-thread painting only; thread_local keeps tests safe.
    thread_local std::unique_ptr<OverTable[]> tables(new OverTable[2]);
    thread_local int nextToReplace = 0;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(factor);
    for (int i = 0; i < 2; ++i) {
        if (tables[i].Filled && tables[i].FactorBits == bits) return tables[i];
    }
    OverTable& table = tables[nextToReplace];
    nextToReplace = 1 - nextToReplace;
    for (int s = 0; s < 256; ++s) {
        for (int d = 0; d < 256; ++d) table.Values[s * 256 + d] = Over(s, d, factor);
    }
    table.Rule = FindOverRule(factor, table.Values);
    table.FactorBits = bits;
    table.Filled = true;
    return table;
}

}  // namespace

void BlendRectOver(Bitmap& destination, int x, int y, ColorRef key, double factor, Rect sourceRect,
                   const Bitmap& source) {
    RequireBitmap24(destination);
    RequireBitmap24(source);
    if (!std::isfinite(factor)) return;
    // Source index i lands on destination i + shift, so a negative source
    // corner moves the destination by the part cut away.
    const ClippedSpan columns =
        ClipSpan(sourceRect.Left, sourceRect.Right, source.Width(),
                 static_cast<long long>(x) - sourceRect.Left, destination.Width());
    const ClippedSpan rows =
        ClipSpan(sourceRect.Top, sourceRect.Bottom, source.Height(),
                 static_cast<long long>(y) - sourceRect.Top, destination.Height());
    if (columns.Count == 0 || rows.Count == 0) return;

    const bool blendAll = (key & 0xFF000000) == 0xFF000000;
    const long long bytes = static_cast<long long>(columns.Count) * rows.Count * 3;
    const OverTable* over = bytes >= OverTableWorthFrom ? &OverTableFor(factor) : nullptr;
    // The vector rows read a whole block before writing it; a bitmap blended
    // over itself keeps the pixel-by-pixel order instead.
    if (over != nullptr && over->Rule.Exact && &source != &destination) {
        OverRows(destination.ScanLine(rows.DestinationFirst) + columns.DestinationFirst * 3,
                 destination.Stride(), source.ScanLine(rows.SourceFirst) + columns.SourceFirst * 3,
                 source.Stride(), rows.Count, columns.Count, over->Rule, blendAll, key);
        return;
    }
    const std::uint8_t* table = over != nullptr ? over->Values.data() : nullptr;
    const int rowBytes = columns.Count * 3;

    for (int r = 0; r < rows.Count; ++r) {
        const std::uint8_t* s = source.ScanLine(rows.SourceFirst + r) + columns.SourceFirst * 3;
        std::uint8_t* d =
            destination.ScanLine(rows.DestinationFirst + r) + columns.DestinationFirst * 3;
        if (blendAll && table != nullptr) {
            for (int i = 0; i < rowBytes; ++i) d[i] = table[s[i] << 8 | d[i]];
            continue;
        }
        for (int i = 0; i < rowBytes; i += 3) {
            if (!blendAll && IsKeyPixel(s + i, key)) continue;
            for (int c = i; c < i + 3; ++c) {
                d[c] = table != nullptr ? table[s[c] << 8 | d[c]] : Over(s[c], d[c], factor);
            }
        }
    }
}

void CopyWithKey(Bitmap& destination, const Bitmap& source, int x, ColorRef key, int y) {
    RequireBitmap24(destination);
    RequireBitmap24(source);
    if (&destination == &source) {
        // Copying a picture onto itself copies the pixels as they were before.
        const Bitmap snapshot = source;
        CopyWithKey(destination, snapshot, x, key, y);
        return;
    }
    const ClippedSpan columns = ClipSpan(0, source.Width() - 1, source.Width(), x, destination.Width());
    const ClippedSpan rows = ClipSpan(0, source.Height() - 1, source.Height(), y, destination.Height());
    for (int r = 0; r < rows.Count; ++r) {
        CopyRowWithKey(
            destination.ScanLine(rows.DestinationFirst + r) + columns.DestinationFirst * 3,
            source.ScanLine(rows.SourceFirst + r) + columns.SourceFirst * 3, columns.Count, key);
    }
}

void CopyWithKeyBackdrop(Bitmap& destination, const Bitmap& source, int x, bool fillCorners,
                         const ParentBackground& background, ColorRef key, Rect sourceRect, int y) {
    RequireBitmap24(destination);
    RequireBitmap24(source);
    if (&destination == &source) {
        const Bitmap snapshot = source;
        CopyWithKeyBackdrop(destination, snapshot, x, fillCorners, background, key, sourceRect, y);
        return;
    }
    const ClippedSpan columns =
        ClipSpan(sourceRect.Left, sourceRect.Right, source.Width(),
                 static_cast<long long>(x) - sourceRect.Left, destination.Width());
    const ClippedSpan rows =
        ClipSpan(sourceRect.Top, sourceRect.Bottom, source.Height(),
                 static_cast<long long>(y) - sourceRect.Top, destination.Height());
    if (columns.Count == 0 || rows.Count == 0) return;

    TacFast24& parent = SharedFast24();
    const bool useBackground =
        fillCorners && background.Ready != 0 && parent.Attach(background.Bitmap);
    for (int r = 0; r < rows.Count; ++r) {
        const std::uint8_t* s = source.ScanLine(rows.SourceFirst + r) + columns.SourceFirst * 3;
        std::uint8_t* d =
            destination.ScanLine(rows.DestinationFirst + r) + columns.DestinationFirst * 3;
        if (!useBackground) {
            CopyRowWithKey(d, s, columns.Count, key);
            continue;
        }
        const long long parentY = static_cast<long long>(background.OffsetY) + rows.DestinationFirst + r;
        for (int i = 0; i < columns.Count; ++i, s += 3, d += 3) {
            if (!IsKeyPixel(s, key)) {
                CopyPixel(d, s);
                continue;
            }
            const long long parentX =
                static_cast<long long>(background.OffsetX) + columns.DestinationFirst + i;
            if (parentX >= parent.Width) break;
            if (parentX < 0 || parentY < 0 || parentY >= parent.Height) continue;
            CopyPixel(d, parent.FirstRow + parentY * parent.Stride + parentX * 3);
        }
    }
}

}  // namespace quendar
