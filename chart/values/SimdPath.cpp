#include "chart/values/SimdPath.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace chart {

namespace {

constexpr std::array<const char*, 3> Names = {"baseline", "avx2", "avx512"};

TSimdPath WidestSupported() {
  return SimdPathSupported(spAvx512) ? spAvx512 : SimdPathSupported(spAvx2) ? spAvx2 : spBaseline;
}

TSimdPath ChosenPath() {
  const char* wanted = std::getenv("WAVEVIEW_SIMD");
  for (std::size_t k = 0; wanted && k < Names.size(); ++k)
    if (std::string_view(wanted) == Names[k] && SimdPathSupported(TSimdPath(k)))
      return TSimdPath(k);
  return WidestSupported();
}

} // namespace

bool SimdPathSupported(TSimdPath path) {
  switch (path) {
  case spAvx2:
    return __builtin_cpu_supports("avx2");
  case spAvx512:
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
  default:
    return true;
  }
}

const char* SimdPathName(TSimdPath path) { return Names[std::size_t(path)]; }

TSimdPath SimdPath() {
  static const TSimdPath path = ChosenPath();
  return path;
}

} // namespace chart
