#pragma once
// The row loops behind the pixel primitives. Each comes as a portable scalar
// form and as vector forms for SSE2 and AVX2; the functions below without a
// suffix run the set chosen once for this processor (see RowKernelSet). All
// forms give the same bytes (the tests hold them to it).
// Rows are 24-bit: `pixelCount` pixels of blue, green, red. Callers clip; no
// routine here reads or writes outside the bytes it is given.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/color.h"

namespace quendar {

// d := (d * weight + s * (255 - weight) + 127) >> 8 for each of `byteCount`
// bytes. The two rows must not overlap.
void SumRow(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight);
void SumRowScalar(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight);

// Per channel p := (c * 256 + w * (p - c)) >> 8, which always lies in 0..255;
// `color` holds the blue, green and red channel.
// Rows as for MixRows; the weight rows follow their own stride.
void TintRows(std::uint8_t* firstRow, std::ptrdiff_t stride, const std::uint8_t* firstWeights,
              std::ptrdiff_t weightStride, int rowCount, int pixelCount,
              const std::array<std::uint8_t, 3>& color);
void TintRowScalar(std::uint8_t* pixels, const std::uint8_t* weights, int pixelCount,
                   const std::array<std::uint8_t, 3>& color);

// Every pixel becomes (B + G + R) div 3 in all three channels; with a key,
// key pixels stay as they are.
void GrayRow(std::uint8_t* pixels, int pixelCount);
void GrayRowScalar(std::uint8_t* pixels, int pixelCount);
void GrayRowExceptKey(std::uint8_t* pixels, int pixelCount, ColorRef key);
void GrayRowExceptKeyScalar(std::uint8_t* pixels, int pixelCount, ColorRef key);

// --- mixing with a colour ---------------------------------------------------

// Everything one MixRectWithColor call needs. Tables hold the real-valued
// result of every channel value (blue, green, red). When Exact, the integer
// rule reproduces all three tables: with N = Percent * x + (100 - Percent) * c,
// the result is (N + Bias) div 100, where an even-ties channel takes
// Bias = 49 + ((N div 100) & 1). Percent above 100 is never Exact.
struct MixPlan {
    std::array<std::array<std::uint8_t, 256>, 3> Tables{};
    bool Exact = false;
    int Percent = 0;
    std::array<int, 3> Offset{};  // (100 - Percent) * c
    std::array<int, 3> Bias{};    // 50 (ties up) or 49 (ties down, or even)
    std::array<bool, 3> EvenTies{};
};

MixPlan MakeMixPlan(std::uint8_t percent, ColorRef rgb);
// The integer rule for one channel value; meaningful for Percent 0..100.
std::uint8_t MixByRule(const MixPlan& plan, int channel, int value);
// Mixes `rowCount` rows of `pixelCount` pixels, the first at `firstRow` and
// each next `stride` bytes on: by the vector rule when the plan is Exact,
// else by the tables.
void MixRows(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int pixelCount,
             const MixPlan& plan);
void MixRowByTables(std::uint8_t* pixels, int pixelCount, const MixPlan& plan);

// --- blending over with a real factor --------------------------------------

// An integer form of Round(S - factor * (S - D)): with N = S * (Denominator -
// DestinationShare) + D * DestinationShare, the result is (N + Bias) div
// Denominator, where even ties add (N div Denominator) & 1 to the bias. The
// division is (M * Magic) >> (16 + Shift). Exact only when it was checked to
// give every one of the 65536 results of the real-valued formula.
struct OverRule {
    bool Exact = false;
    int Denominator = 2;
    int DestinationShare = 0;
    int Bias = 0;
    bool EvenTies = false;
    std::uint16_t Magic = 0;
    int Shift = 0;
};

// Looks for an exact rule matching `results`, indexed by S * 256 + D.
OverRule FindOverRule(double factor, const std::array<std::uint8_t, 65536>& results);
std::uint8_t OverByRule(const OverRule& rule, int source, int destination);

// Blends source rows over destination rows (each with its own stride) by an
// Exact rule; with `blendAll` false, key pixels leave the destination
// unchanged. Source and destination must not overlap.
void OverRows(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
              const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount, int pixelCount,
              const OverRule& rule, bool blendAll, ColorRef key);
void OverRowScalar(std::uint8_t* destination, const std::uint8_t* source, int pixelCount,
                   const OverRule& rule, bool blendAll, ColorRef key);

// --- copying with a key -----------------------------------------------------

// Copies `pixelCount` pixels, leaving key pixels out. The rows may be the
// same bytes (a bitmap copied onto itself); rows that overlap otherwise are
// copied block by block, as they always have been.
void CopyRowWithKey(std::uint8_t* destination, const std::uint8_t* source, int pixelCount, ColorRef key);
void CopyRowWithKeyScalar(std::uint8_t* destination, const std::uint8_t* source, int pixelCount,
                          ColorRef key);

// --- instruction sets -------------------------------------------------------

// The vector forms of one instruction set, with the contracts above.
struct RowKernelSet {
    const char* Name;
    void (*SumRow)(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight);
    void (*TintRows)(std::uint8_t* firstRow, std::ptrdiff_t stride, const std::uint8_t* firstWeights,
                     std::ptrdiff_t weightStride, int rowCount, int pixelCount,
                     const std::array<std::uint8_t, 3>& color);
    void (*GrayRow)(std::uint8_t* pixels, int pixelCount);
    void (*GrayRowExceptKey)(std::uint8_t* pixels, int pixelCount, ColorRef key);
    void (*MixRows)(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int pixelCount,
                    const MixPlan& plan);
    void (*OverRows)(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
                     const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount,
                     int pixelCount, const OverRule& rule, bool blendAll, ColorRef key);
    void (*CopyRowWithKey)(std::uint8_t* destination, const std::uint8_t* source, int pixelCount,
                           ColorRef key);
};

// The SSE2 set; where the compiler does not target SSE2 it runs the scalar
// loops.
const RowKernelSet& Sse2RowKernels();
// The AVX2 set, or null when this build or this processor has no AVX2.
const RowKernelSet* Avx2RowKernels();
// The set the functions without a suffix run: AVX2 where available, else
// SSE2. Chosen on the first call, never changed afterwards.
const RowKernelSet& ActiveRowKernels();

}  // namespace quendar
