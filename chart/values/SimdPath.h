// Which vector registers the summary passes of a load use: the widest the processor has, unless
// WAVEVIEW_SIMD names another. Kernels are compiled once per path with the targets below, so the
// program runs on any x86-64 processor.
#pragma once

namespace chart {

enum TSimdPath { spBaseline, spAvx2, spAvx512 };

// The path the passes use, chosen once per process: WAVEVIEW_SIMD=baseline|avx2|avx512 when the
// processor has it (else the widest it has); an unknown name is ignored.
TSimdPath SimdPath();
bool SimdPathSupported(TSimdPath path);
// "baseline", "avx2" or "avx512".
const char* SimdPathName(TSimdPath path);

// Of the kernels compiled per path, the one of `path`.
template <class TKernel>
TKernel KernelOf(TSimdPath path, TKernel baseline, TKernel avx2, TKernel avx512) {
  return path == spAvx512 ? avx512 : path == spAvx2 ? avx2 : baseline;
}

} // namespace chart

// Functions compiled for a wide path. A kernel is an always-inline template in an unnamed
// namespace, instantiated inside one small function per path: what it calls from shared headers
// stays baseline code wherever the inliner leaves it out of line.
#define WAVEVIEW_TARGET_AVX2 __attribute__((target("avx2")))
// Both compilers keep to 256-bit vectors for AVX-512 unless told otherwise, each in its own words.
#if defined(__clang__)
#define WAVEVIEW_TARGET_AVX512 __attribute__((target("avx512f,avx512bw"), min_vector_width(512)))
#else
#define WAVEVIEW_TARGET_AVX512 __attribute__((target("avx512f,avx512bw,prefer-vector-width=512")))
#endif
