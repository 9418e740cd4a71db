// The command line of waveview-bench.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct TZoomDrag {
  int Chart = 1;
  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

struct TBenchOptions {
  std::string File;
  std::string Png;
  bool Export = false;
  int Repeat = 1;
  int Width = 0;
  int Height = 0;
  std::optional<TZoomDrag> Zoom;
};

inline constexpr const char* Usage =
    "usage: waveview-bench FILE [--png OUT.png] [--export] [--repeat N] [--size WxH] "
    "[--zoom C:X0,Y0,X1,Y1]";

// Nothing when the arguments are not understood.
std::optional<TBenchOptions> ParseOptions(const std::vector<std::string>& args);

} // namespace bench
