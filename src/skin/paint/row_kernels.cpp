// Choosing the row loops for this processor, once, and the calls through
// the chosen set.

#include "skin/paint/row_kernels.h"

#include "skin/paint/row_kernel_forms.h"

namespace quendar {
namespace {

constexpr RowKernelSet Sse2Set{"SSE2",       SumRowSse2,           TintRowsSse2,
                               GrayRowSse2,  GrayRowExceptKeySse2, MixRowsSse2,
                               OverRowsSse2, CopyRowWithKeySse2};

#if defined(__x86_64__) || defined(__i386__)
constexpr RowKernelSet Avx2Set{"AVX2",       SumRowAvx2,           TintRowsAvx2,
                               GrayRowAvx2,  GrayRowExceptKeyAvx2, MixRowsAvx2,
                               OverRowsAvx2, CopyRowWithKeyAvx2};

// The library's check also asks the system whether it saves the wide
// registers, so a true answer means the AVX2 forms may run.
bool ProcessorHasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

}  // namespace

const RowKernelSet& Sse2RowKernels() { return Sse2Set; }

const RowKernelSet* Avx2RowKernels() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool available = ProcessorHasAvx2();
    return available ? &Avx2Set : nullptr;
#else
    return nullptr;
#endif
}

const RowKernelSet& ActiveRowKernels() {
    static const RowKernelSet& active = Avx2RowKernels() != nullptr ? *Avx2RowKernels() : Sse2RowKernels();
    return active;
}

void SumRow(std::uint8_t* destination, const std::uint8_t* source, int byteCount, unsigned weight) {
    ActiveRowKernels().SumRow(destination, source, byteCount, weight);
}

void TintRows(std::uint8_t* firstRow, std::ptrdiff_t stride, const std::uint8_t* firstWeights,
              std::ptrdiff_t weightStride, int rowCount, int pixelCount,
              const std::array<std::uint8_t, 3>& color) {
    ActiveRowKernels().TintRows(firstRow, stride, firstWeights, weightStride, rowCount, pixelCount, color);
}

void GrayRow(std::uint8_t* pixels, int pixelCount) { ActiveRowKernels().GrayRow(pixels, pixelCount); }

void GrayRowExceptKey(std::uint8_t* pixels, int pixelCount, ColorRef key) {
    ActiveRowKernels().GrayRowExceptKey(pixels, pixelCount, key);
}

void MixRows(std::uint8_t* firstRow, std::ptrdiff_t stride, int rowCount, int pixelCount,
             const MixPlan& plan) {
    ActiveRowKernels().MixRows(firstRow, stride, rowCount, pixelCount, plan);
}

void OverRows(std::uint8_t* firstDestination, std::ptrdiff_t destinationStride,
              const std::uint8_t* firstSource, std::ptrdiff_t sourceStride, int rowCount, int pixelCount,
              const OverRule& rule, bool blendAll, ColorRef key) {
    ActiveRowKernels().OverRows(firstDestination, destinationStride, firstSource, sourceStride, rowCount,
                                pixelCount, rule, blendAll, key);
}

void CopyRowWithKey(std::uint8_t* destination, const std::uint8_t* source, int pixelCount, ColorRef key) {
    ActiveRowKernels().CopyRowWithKey(destination, source, pixelCount, key);
}

}  // namespace quendar
