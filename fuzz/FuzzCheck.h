// The fuzz targets' invariant check: a broken one aborts, which libFuzzer reports as a finding.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace fuzzcheck {

inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken invariant: %s\n", what);
    std::abort();
  }
}

} // namespace fuzzcheck
