// Copying rows with a key colour for AVX2, 32 pixels at a time.

#include "skin/paint/row_kernel_forms.h"
#include "skin/paint/wide_lanes.h"

#if defined(__x86_64__) || defined(__i386__)

namespace quendar {
namespace {

// True when the rows share bytes without being the same bytes. The SSE2 form
// copies such rows in 48-byte blocks, which decides what a shifted copy onto
// itself gives; the wider blocks here would give other bytes.
bool OverlapShifted(const std::uint8_t* destination, const std::uint8_t* source, int byteCount) {
    if (destination == source) return false;
    const auto d = reinterpret_cast<std::uintptr_t>(destination);
    const auto s = reinterpret_cast<std::uintptr_t>(source);
    return d < s + byteCount && s < d + byteCount;
}

void CopyNonKeyPixels(std::uint8_t* destination, const std::uint8_t* source, std::uint64_t keys) {
    for (int k = 0; k < 16; ++k) {
        if (((keys >> (3 * k)) & 1) == 0) CopyPixel(destination + 3 * k, source + 3 * k);
    }
}

}  // namespace

QUENDAR_AVX2 void CopyRowWithKeyAvx2(std::uint8_t* destination, const std::uint8_t* source, int pixelCount,
                                     ColorRef key) {
    if (OverlapShifted(destination, source, pixelCount * 3)) {
        CopyRowWithKeySse2(destination, source, pixelCount, key);
        return;
    }
    const WideKeyPattern pattern(key);
    int i = 0;
    for (; i + 32 <= pixelCount; i += 32) {
        const std::uint8_t* s = source + i * 3;
        std::uint8_t* d = destination + i * 3;
        const __m256i bytes[3] = {LoadWide(s), LoadWide(s + 32), LoadWide(s + 64)};
        const KeyPixelsOf32 keys(bytes, pattern);
        if (keys.None()) {
            for (int v = 0; v < 3; ++v) StoreWide(d + 32 * v, bytes[v]);
            continue;
        }
        CopyNonKeyPixels(d, s, keys.First);
        CopyNonKeyPixels(d + 48, s + 48, keys.Second);
    }
    CopyRowWithKeySse2(destination + i * 3, source + i * 3, pixelCount - i, key);
}

}  // namespace quendar

#endif
