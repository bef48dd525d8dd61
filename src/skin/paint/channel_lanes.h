#pragma once
// Per-channel constants for the SSE2 row loops. A loop takes 48 bytes (16
// pixels) at a time as three vectors, and splits each vector into its even
// and its odd bytes widened to 16-bit lanes; lane j of the even half of the
// vector at byte `offset` holds byte offset + 2j, of channel (offset + 2j) % 3.

#if defined(__SSE2__)
#include <emmintrin.h>

#include <array>
#include <cstdint>

namespace quendar {

// The even (odd = false) or odd lanes' values for the vector at `offset`.
inline __m128i ChannelLanes(const std::array<int, 3>& perChannel, int offset, bool odd) {
    alignas(16) std::int16_t lanes[8];
    for (int j = 0; j < 8; ++j) {
        lanes[j] = static_cast<std::int16_t>(perChannel[(offset + 2 * j + (odd ? 1 : 0)) % 3]);
    }
    return _mm_load_si128(reinterpret_cast<const __m128i*>(lanes));
}

// Even and odd lanes of the three vectors of a 48-byte block.
struct BlockLanes {
    __m128i Even[3];
    __m128i Odd[3];

    explicit BlockLanes(const std::array<int, 3>& perChannel) {
        for (int v = 0; v < 3; ++v) {
            Even[v] = ChannelLanes(perChannel, 16 * v, false);
            Odd[v] = ChannelLanes(perChannel, 16 * v, true);
        }
    }
};

inline __m128i LoadBytes(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline void StoreBytes(std::uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
inline __m128i EvenBytes(__m128i v) { return _mm_and_si128(v, _mm_set1_epi16(0x00FF)); }
inline __m128i OddBytes(__m128i v) { return _mm_srli_epi16(v, 8); }
// Joins even and odd results (each 0..255 in its 16-bit lanes) into bytes.
inline __m128i JoinBytes(__m128i even, __m128i odd) { return _mm_or_si128(even, _mm_slli_epi16(odd, 8)); }

}  // namespace quendar

#endif
