// Grey conversion of rows for AVX2. Each 128-bit half of a vector takes four
// pixels: the half is loaded from the pixels' first byte, so it holds their
// twelve bytes and four bytes beyond. The pixels are spread to one per
// 32-bit lane, summed by two multiply-adds and divided by three; the four
// bytes beyond are written back as they were read. A group of eight pixels
// therefore reads and writes four bytes past its own, which the loop keeps
// inside the row. Each group is read before the one ahead of it is written:
// a read that overlapped a just-written store in part would wait for it.

#include "skin/paint/row_kernel_forms.h"
#include "skin/paint/wide_lanes.h"

#if defined(__x86_64__) || defined(__i386__)

namespace quendar {
namespace {

struct GrayShuffles {
    __m256i Spread;     // pixel k's bytes to lane k, its high byte 0
    __m256i Replicate;  // lane k's low byte to pixel k's three bytes
    __m256i Ones;
    __m256i OneWords;
    __m256i Third;

    QUENDAR_AVX2 GrayShuffles()
        : Spread(_mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, 0, 1, 2, -1, 3, 4, 5,
                                  -1, 6, 7, 8, -1, 9, 10, 11, -1)),
          Replicate(_mm256_setr_epi8(0, 0, 0, 4, 4, 4, 8, 8, 8, 12, 12, 12, -1, -1, -1, -1, 0, 0, 0, 4, 4, 4,
                                     8, 8, 8, 12, 12, 12, -1, -1, -1, -1)),
          Ones(_mm256_set1_epi8(1)),
          OneWords(_mm256_set1_epi16(1)),
          Third(_mm256_set1_epi16(21846)) {}
};

// Eight pixels at `p`, four in each half, and four bytes beyond: p[0..27].
QUENDAR_AVX2 inline __m256i LoadEight(const std::uint8_t* p) {
    return _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12)), 1);
}

QUENDAR_AVX2 inline void StoreEight(std::uint8_t* p, __m256i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(v));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 12), _mm256_extracti128_si256(v, 1));
}

// The grey of each spread pixel in the low byte of its lane; x * 21846 >> 16
// equals x div 3 for every sum up to 765.
QUENDAR_AVX2 inline __m256i GrayLanes(__m256i spread, const GrayShuffles& s) {
    const __m256i sums = _mm256_madd_epi16(_mm256_maddubs_epi16(spread, s.Ones), s.OneWords);
    return _mm256_mulhi_epu16(sums, s.Third);
}

// The bytes beyond the four pixels of each half (its last 32-bit lane) as read.
QUENDAR_AVX2 inline __m256i KeepBytesBeyond(__m256i result, __m256i read) {
    return _mm256_blend_epi32(result, read, 0x88);
}

QUENDAR_AVX2 inline __m256i GrayEight(__m256i x, const GrayShuffles& s) {
    const __m256i gray = GrayLanes(_mm256_shuffle_epi8(x, s.Spread), s);
    return KeepBytesBeyond(_mm256_shuffle_epi8(gray, s.Replicate), x);
}

QUENDAR_AVX2 inline __m256i GrayEightExceptKey(__m256i x, const GrayShuffles& s, __m256i key) {
    const __m256i spread = _mm256_shuffle_epi8(x, s.Spread);
    const __m256i gray = _mm256_shuffle_epi8(GrayLanes(spread, s), s.Replicate);
    const __m256i keyLanes = _mm256_cmpeq_epi32(spread, key);
    // Most groups hold no key pixel; they skip the selection.
    if (_mm256_movemask_epi8(keyLanes) == 0) return KeepBytesBeyond(gray, x);
    const __m256i isKey = _mm256_shuffle_epi8(keyLanes, s.Replicate);
    return KeepBytesBeyond(_mm256_blendv_epi8(gray, x, isKey), x);
}

// Converts groups of eight pixels while a group's 28 bytes lie in the row,
// each group loaded before the previous one is stored; returns the number
// of pixels converted.
template <typename Convert>
QUENDAR_AVX2 inline int GrayGroups(std::uint8_t* pixels, int pixelCount, Convert convert) {
    constexpr int reach = 10;  // pixels a group's 28 bytes touch
    if (pixelCount < reach) return 0;
    int i = 0;
    __m256i x = LoadEight(pixels);
    for (;;) {
        const bool more = i + 8 + reach <= pixelCount;
        const __m256i next = more ? LoadEight(pixels + (i + 8) * 3) : x;
        StoreEight(pixels + i * 3, convert(x));
        i += 8;
        if (!more) return i;
        x = next;
    }
}

}  // namespace

QUENDAR_AVX2 void GrayRowAvx2(std::uint8_t* pixels, int pixelCount) {
    const GrayShuffles shuffles;
    const int done =
        GrayGroups(pixels, pixelCount, [&](__m256i x) QUENDAR_AVX2 { return GrayEight(x, shuffles); });
    GrayRowSse2(pixels + done * 3, pixelCount - done);
}

QUENDAR_AVX2 void GrayRowExceptKeyAvx2(std::uint8_t* pixels, int pixelCount, ColorRef key) {
    const GrayShuffles shuffles;
    // A spread pixel is blue, green, red, 0 from the lowest byte up.
    const __m256i keyLanes =
        _mm256_set1_epi32(static_cast<int>(GetBValue(key) | GetGValue(key) << 8 | GetRValue(key) << 16));
    const int done = GrayGroups(pixels, pixelCount, [&](__m256i x) QUENDAR_AVX2 {
        return GrayEightExceptKey(x, shuffles, keyLanes);
    });
    GrayRowExceptKeySse2(pixels + done * 3, pixelCount - done, key);
}

}  // namespace quendar

#endif
