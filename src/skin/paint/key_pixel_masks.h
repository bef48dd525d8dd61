#pragma once
// Finding key pixels sixteen at a time: the vector loops skip or patch them.

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/color.h"

namespace quendar {

// True when the pixel's blue, green and red bytes equal the key's bits 16-23,
// 8-15 and 0-7; the key's high byte is not compared.
inline bool IsKeyPixel(const std::uint8_t* pixel, ColorRef key) {
    return pixel[0] == GetBValue(key) && pixel[1] == GetGValue(key) && pixel[2] == GetRValue(key);
}

// Copies one pixel; the three bytes are read before any is written, so the
// two may overlap (a bitmap copied onto itself), and no library call is made.
inline void CopyPixel(std::uint8_t* destination, const std::uint8_t* source) {
    const std::uint8_t blue = source[0], green = source[1], red = source[2];
    destination[0] = blue;
    destination[1] = green;
    destination[2] = red;
}

// Bit 3k is set when pixel k of sixteen is a key pixel; no other bits are set.
inline constexpr std::uint64_t AllSixteenKeys = 0x249249249249ULL;

#if defined(__SSE2__)
// The key's three bytes repeated over 48 bytes, as three vectors.
struct KeyPattern {
    __m128i Bytes[3];

    explicit KeyPattern(ColorRef key) {
        alignas(16) std::uint8_t bytes[48];
        for (int i = 0; i < 48; i += 3) {
            bytes[i] = static_cast<std::uint8_t>(GetBValue(key));
            bytes[i + 1] = static_cast<std::uint8_t>(GetGValue(key));
            bytes[i + 2] = static_cast<std::uint8_t>(GetRValue(key));
        }
        for (int i = 0; i < 3; ++i) Bytes[i] = _mm_load_si128(reinterpret_cast<const __m128i*>(bytes) + i);
    }
};

// The key pixels among 16 pixels held in three vectors, as bits 3k.
inline std::uint64_t KeyPixelsOf16(const __m128i pixels[3], const KeyPattern& key) {
    const std::uint64_t a =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(pixels[0], key.Bytes[0])));
    const std::uint64_t b =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(pixels[1], key.Bytes[1])));
    const std::uint64_t c =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(pixels[2], key.Bytes[2])));
    const std::uint64_t equal = a | b << 16 | c << 32;
    return equal & equal >> 1 & equal >> 2 & AllSixteenKeys;
}

// The same for the 16 pixels (48 bytes) at `pixels`.
inline std::uint64_t KeyPixelsOf16(const std::uint8_t* pixels, const KeyPattern& key) {
    const __m128i* s = reinterpret_cast<const __m128i*>(pixels);
    const __m128i bytes[3] = {_mm_loadu_si128(s), _mm_loadu_si128(s + 1), _mm_loadu_si128(s + 2)};
    return KeyPixelsOf16(bytes, key);
}
#endif

}  // namespace quendar
