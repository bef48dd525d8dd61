#pragma once
// The 256-bit counterparts of channel_lanes.h and key_pixel_masks.h for the
// AVX2 row loops, which take 96 bytes (32 pixels) at a time as three
// vectors. Lane j of the even half of the vector at byte `offset` holds byte
// offset + 2j, as in the 128-bit loops. Only the AVX2 row files include this
// header: everything here is compiled for AVX2 and runs only after the
// processor was checked.

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

#include <array>
#include <cstdint>

#include "platform/color.h"
#include "skin/paint/key_pixel_masks.h"

#define QUENDAR_AVX2 __attribute__((target("avx2")))

namespace quendar {

QUENDAR_AVX2 inline __m256i LoadWide(const std::uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
QUENDAR_AVX2 inline void StoreWide(std::uint8_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}
QUENDAR_AVX2 inline __m256i EvenBytes(__m256i v) { return _mm256_and_si256(v, _mm256_set1_epi16(0x00FF)); }
QUENDAR_AVX2 inline __m256i OddBytes(__m256i v) { return _mm256_srli_epi16(v, 8); }
// Joins even and odd results (each 0..255 in its 16-bit lanes) into bytes.
QUENDAR_AVX2 inline __m256i JoinBytes(__m256i even, __m256i odd) {
    return _mm256_or_si256(even, _mm256_slli_epi16(odd, 8));
}

// The even (odd = false) or odd lanes' values for the vector at `offset`.
QUENDAR_AVX2 inline __m256i WideChannelLanes(const std::array<int, 3>& perChannel, int offset, bool odd) {
    alignas(32) std::int16_t lanes[16];
    for (int j = 0; j < 16; ++j) {
        lanes[j] = static_cast<std::int16_t>(perChannel[(offset + 2 * j + (odd ? 1 : 0)) % 3]);
    }
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes));
}

// Even and odd lanes of the three vectors of a 96-byte block.
struct WideBlockLanes {
    __m256i Even[3];
    __m256i Odd[3];

    QUENDAR_AVX2 explicit WideBlockLanes(const std::array<int, 3>& perChannel) {
        for (int v = 0; v < 3; ++v) {
            Even[v] = WideChannelLanes(perChannel, 32 * v, false);
            Odd[v] = WideChannelLanes(perChannel, 32 * v, true);
        }
    }
};

// The key's three bytes repeated over 96 bytes, as three vectors.
struct WideKeyPattern {
    __m256i Bytes[3];

    QUENDAR_AVX2 explicit WideKeyPattern(ColorRef key) {
        alignas(32) std::uint8_t bytes[96];
        for (int i = 0; i < 96; i += 3) {
            bytes[i] = static_cast<std::uint8_t>(GetBValue(key));
            bytes[i + 1] = static_cast<std::uint8_t>(GetGValue(key));
            bytes[i + 2] = static_cast<std::uint8_t>(GetRValue(key));
        }
        for (int i = 0; i < 3; ++i) Bytes[i] = _mm256_load_si256(reinterpret_cast<const __m256i*>(bytes) + i);
    }
};

// The key pixels among 32 pixels held in three vectors: bit 3k of First for
// pixel k, of Second for pixel 16 + k.
struct KeyPixelsOf32 {
    std::uint64_t First = 0;
    std::uint64_t Second = 0;

    QUENDAR_AVX2 KeyPixelsOf32(const __m256i pixels[3], const WideKeyPattern& key) {
        const std::uint64_t a =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(pixels[0], key.Bytes[0])));
        const std::uint64_t b =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(pixels[1], key.Bytes[1])));
        const std::uint64_t c =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(pixels[2], key.Bytes[2])));
        const std::uint64_t first = a | b << 32;         // bytes 0..63
        const std::uint64_t second = b >> 16 | c << 16;  // bytes 48..95
        First = first & first >> 1 & first >> 2 & AllSixteenKeys;
        Second = second & second >> 1 & second >> 2 & AllSixteenKeys;
    }
    bool None() const { return (First | Second) == 0; }
    bool All() const { return First == AllSixteenKeys && Second == AllSixteenKeys; }
};

}  // namespace quendar

#endif
