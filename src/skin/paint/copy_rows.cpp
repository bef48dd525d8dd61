// Copying rows with a key colour: key pixels leave the destination as it is.

#include "skin/paint/channel_lanes.h"
#include "skin/paint/key_pixel_masks.h"
#include "skin/paint/row_kernel_forms.h"

namespace quendar {

void CopyRowWithKeyScalar(std::uint8_t* destination, const std::uint8_t* source, int pixelCount,
                          ColorRef key) {
    for (int i = 0; i < pixelCount; ++i) {
        if (!IsKeyPixel(source + i * 3, key)) CopyPixel(destination + i * 3, source + i * 3);
    }
}

// Each block and each pixel is read whole before it is written.
void CopyRowWithKeySse2(std::uint8_t* destination, const std::uint8_t* source, int pixelCount, ColorRef key) {
    int i = 0;
#if defined(__SSE2__)
    const KeyPattern pattern(key);
    for (; i + 16 <= pixelCount; i += 16) {
        const std::uint8_t* s = source + i * 3;
        std::uint8_t* d = destination + i * 3;
        const __m128i bytes[3] = {LoadBytes(s), LoadBytes(s + 16), LoadBytes(s + 32)};
        const std::uint64_t keys = KeyPixelsOf16(bytes, pattern);
        if (keys == 0) {
            for (int v = 0; v < 3; ++v) StoreBytes(d + 16 * v, bytes[v]);
            continue;
        }
        for (int k = 0; k < 16; ++k) {
            if (((keys >> (3 * k)) & 1) == 0) CopyPixel(d + 3 * k, s + 3 * k);
        }
    }
#endif
    CopyRowWithKeyScalar(destination + i * 3, source + i * 3, pixelCount - i, key);
}

}  // namespace quendar
