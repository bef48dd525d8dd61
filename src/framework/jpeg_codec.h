#pragma once
// JPEG compression and decompression through libjpeg.
//
// libjpeg reports fatal errors by calling back into its error manager; ours
// jumps back out of the library (never unwinding C++ frames) and the error
// becomes EJPEG "JPEG: <libjpeg's message>". Warnings that mean damaged data
// (a premature end, bad codes, extraneous bytes) are errors here too: a
// picture is either decoded whole or refused.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/bitmap.h"

namespace quendar {

// JFIF density unit: 0 none (aspect ratio only), 1 dots per inch, 2 dots per cm.
struct JpegDensity {
    int Unit = 0;
    int X = 1;
    int Y = 1;
    friend bool operator==(const JpegDensity&, const JpegDensity&) = default;
};

struct JpegInfo {
    int Width = 0;
    int Height = 0;
    int Components = 0;
    bool Progressive = false;
    // What the JFIF header says; the default when there is none.
    JpegDensity Density;
};

struct DecodedJpeg {
    JpegInfo Info;
    Bitmap Pixels;  // 24 bits per pixel, bottom-up
};

struct JpegEncodeOptions {
    int Quality = 90;  // 1..100
    bool Progressive = false;
    bool Grayscale = false;
    JpegDensity Density;
};

// Largest picture decoded: a side beyond MaxJpegSide or more than
// MaxJpegPixels pixels is refused before any pixel buffer is allocated.
constexpr int MaxJpegSide = 16384;
constexpr long long MaxJpegPixels = 64LL * 1000 * 1000;

// Greyscale, YCbCr, RGB, CMYK and YCCK pictures, baseline or progressive.
DecodedJpeg DecodeJpeg(std::span<const std::uint8_t> bytes);
// A JFIF file of a 24- or 32-bit bitmap (the fourth bytes are not used).
// An empty bitmap raises EJPEG.
std::vector<std::uint8_t> EncodeJpeg(const Bitmap& pixels, const JpegEncodeOptions& options);

}  // namespace quendar
