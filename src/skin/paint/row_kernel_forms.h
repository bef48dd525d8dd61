#pragma once
// The vector forms behind each RowKernelSet, for the files that define them
// and the one that gathers them into sets. Everyone else goes through
// row_kernels.h. The AVX2 forms exist on x86 builds only and must not run
// before the processor was found to have AVX2.

#include "skin/paint/row_kernels.h"

namespace quendar {

void SumRowSse2(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight);
void TintRowsSse2(std::uint8_t* firstRow, std::ptrdiff_t stride, const std::uint8_t* firstWeights,
                  std::ptrdiff_t weightStride, int rowCount, int pixelCount,
                  const std::array<std::uint8_t, 3>& color);
void GrayRowSse2(std::uint8_t* pixels, int pixelCount);
void GrayRowExceptKeySse2(std::uint8_t* pixels, int pixelCount, ColorRef key);
void MixRowsSse2(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int pixelCount,
                 const MixPlan& plan);
void OverRowsSse2(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
                  const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount, int pixelCount,
                  const OverRule& rule, bool blendAll, ColorRef key);
void CopyRowWithKeySse2(std::uint8_t* destination, const std::uint8_t* source, int pixelCount, ColorRef key);

#if defined(__x86_64__) || defined(__i386__)
void SumRowAvx2(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight);
void TintRowsAvx2(std::uint8_t* firstRow, std::ptrdiff_t stride, const std::uint8_t* firstWeights,
                  std::ptrdiff_t weightStride, int rowCount, int pixelCount,
                  const std::array<std::uint8_t, 3>& color);
void GrayRowAvx2(std::uint8_t* pixels, int pixelCount);
void GrayRowExceptKeyAvx2(std::uint8_t* pixels, int pixelCount, ColorRef key);
void MixRowsAvx2(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int pixelCount,
                 const MixPlan& plan);
void OverRowsAvx2(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
                  const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount, int pixelCount,
                  const OverRule& rule, bool blendAll, ColorRef key);
void CopyRowWithKeyAvx2(std::uint8_t* destination, const std::uint8_t* source, int pixelCount, ColorRef key);
#endif

}  // namespace quendar
