// Grey conversion of rows. The vector loop works on 16 pixels (48 bytes) at
// a time: for every byte it adds the three bytes of its pixel, read from the
// row moved by -2..+3 bytes and masked per lane, so no bytes are shuffled
// between pixels. A block reads and writes only its own 48 bytes, so rows
// are converted in place.

#include <bit>
#include <cstring>

#include "skin/paint/channel_lanes.h"
#include "skin/paint/key_pixel_masks.h"
#include "skin/paint/row_kernel_forms.h"

namespace quendar {
namespace {

std::uint8_t GrayOf(const std::uint8_t* pixel) {
    return static_cast<std::uint8_t>((pixel[0] + pixel[1] + pixel[2]) / 3);
}

#if defined(__SSE2__)
// For the vector at byte 16v of a block: lane masks (0x00FF or 0) saying
// whether the row moved by k bytes (k = -2..2, index k + 2) holds a byte of
// the same pixel as the even byte of the lane, and likewise for the odd
// byte (moves -1..3, index k + 1).
struct GrayMasks {
    __m128i Even[3][5];
    __m128i Odd[3][5];

    GrayMasks() {
        for (int v = 0; v < 3; ++v) {
            for (int index = 0; index < 5; ++index) {
                alignas(16) std::int16_t even[8];
                alignas(16) std::int16_t odd[8];
                for (int j = 0; j < 8; ++j) {
                    const int evenChannel = (16 * v + 2 * j) % 3;
                    const int oddChannel = (16 * v + 2 * j + 1) % 3;
                    // A byte of channel c finds its pixel's bytes from c
                    // bytes back to 2 - c bytes on; the odd byte's rows are
                    // moved one further, so both look `index - 2` bytes away.
                    const int away = index - 2;
                    even[j] = away >= -evenChannel && away <= 2 - evenChannel ? 0xFF : 0;
                    odd[j] = away >= -oddChannel && away <= 2 - oddChannel ? 0xFF : 0;
                }
                Even[v][index] = _mm_load_si128(reinterpret_cast<const __m128i*>(even));
                Odd[v][index] = _mm_load_si128(reinterpret_cast<const __m128i*>(odd));
            }
        }
    }
};

const GrayMasks& Masks() {
    static const GrayMasks masks;
    return masks;
}

// x * 21846 >> 16 equals x div 3 for every x up to 765.
inline __m128i DivideByThree(__m128i sums) { return _mm_mulhi_epu16(sums, _mm_set1_epi16(21846)); }

// The grey bytes of the 48-byte block at `block`.
inline void GrayBlock(const std::uint8_t* block, const GrayMasks& masks, __m128i out[3]) {
    for (int v = 0; v < 3; ++v) {
        const std::uint8_t* p = block + 16 * v;
        const __m128i here = LoadBytes(p);
        // moved[k + 2] holds the row moved by k bytes, k = -2..3. Moves that
        // would leave the block are made by shifting within the vector; the
        // bytes they lose or fill in are masked out.
        __m128i moved[6];
        moved[2] = here;
        if (v == 0) {
            moved[0] = _mm_slli_si128(here, 2);
            moved[1] = _mm_slli_si128(here, 1);
        } else {
            moved[0] = LoadBytes(p - 2);
            moved[1] = LoadBytes(p - 1);
        }
        if (v == 2) {
            moved[3] = _mm_srli_si128(here, 1);
            moved[4] = _mm_srli_si128(here, 2);
            moved[5] = _mm_srli_si128(here, 3);
        } else {
            moved[3] = LoadBytes(p + 1);
            moved[4] = LoadBytes(p + 2);
            moved[5] = LoadBytes(p + 3);
        }
        __m128i even = _mm_and_si128(moved[0], masks.Even[v][0]);
        __m128i odd = _mm_and_si128(moved[1], masks.Odd[v][0]);
        for (int index = 1; index < 5; ++index) {
            even = _mm_add_epi16(even, _mm_and_si128(moved[index], masks.Even[v][index]));
            odd = _mm_add_epi16(odd, _mm_and_si128(moved[index + 1], masks.Odd[v][index]));
        }
        out[v] = JoinBytes(DivideByThree(even), DivideByThree(odd));
    }
}
#endif

}  // namespace

void GrayRowScalar(std::uint8_t* pixels, int pixelCount) {
    for (int i = 0; i < pixelCount * 3; i += 3) {
        const std::uint8_t gray = GrayOf(pixels + i);
        pixels[i] = pixels[i + 1] = pixels[i + 2] = gray;
    }
}

void GrayRowExceptKeyScalar(std::uint8_t* pixels, int pixelCount, ColorRef key) {
    for (int i = 0; i < pixelCount * 3; i += 3) {
        if (IsKeyPixel(pixels + i, key)) continue;
        const std::uint8_t gray = GrayOf(pixels + i);
        pixels[i] = pixels[i + 1] = pixels[i + 2] = gray;
    }
}

void GrayRowSse2(std::uint8_t* pixels, int pixelCount) {
    int i = 0;
#if defined(__SSE2__)
    const GrayMasks& masks = Masks();
    for (; i + 16 <= pixelCount; i += 16) {
        __m128i out[3];
        GrayBlock(pixels + i * 3, masks, out);
        for (int v = 0; v < 3; ++v) StoreBytes(pixels + i * 3 + 16 * v, out[v]);
    }
#endif
    GrayRowScalar(pixels + i * 3, pixelCount - i);
}

void GrayRowExceptKeySse2(std::uint8_t* pixels, int pixelCount, ColorRef key) {
    int i = 0;
#if defined(__SSE2__)
    const GrayMasks& masks = Masks();
    const KeyPattern pattern(key);
    for (; i + 16 <= pixelCount; i += 16) {
        std::uint8_t* block = pixels + i * 3;
        const std::uint64_t keys = KeyPixelsOf16(block, pattern);
        if (keys == AllSixteenKeys) continue;
        __m128i out[3];
        GrayBlock(block, masks, out);
        if (keys == 0) {
            for (int v = 0; v < 3; ++v) StoreBytes(block + 16 * v, out[v]);
            continue;
        }
        std::uint8_t original[48];
        std::memcpy(original, block, 48);
        for (int v = 0; v < 3; ++v) StoreBytes(block + 16 * v, out[v]);
        for (std::uint64_t rest = keys; rest != 0; rest &= rest - 1) {
            const int at = std::countr_zero(rest);  // 3 * pixel index
            std::memcpy(block + at, original + at, 3);
        }
    }
#endif
    GrayRowExceptKeyScalar(pixels + i * 3, pixelCount - i, key);
}

}  // namespace quendar
