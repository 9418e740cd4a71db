// The command line of waveview-bench.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct TZoomDrag {
  int Chart = 1;
  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

// A mouse position in one chart's pixels.
struct TChartPoint {
  int Chart = 1;
  int X = 0, Y = 0;
};

struct TBenchOptions {
  std::string File;
  std::string Png;
  bool Export = false;
  int Repeat = 1;
  int Width = 0;
  int Height = 0;
  std::optional<TZoomDrag> Zoom;
  // Where the mouse rests after the load and the zoom, for the readout.
  std::optional<TChartPoint> Hover;
  bool BothCharts = false;
  bool AsRecorded = false;
  // The channels the upper and lower chart show (the lower one 0 for none).
  std::optional<std::array<int, 2>> Channels;
};

inline constexpr const char* Usage =
    "usage: waveview-bench FILE [--png OUT.png] [--export] [--repeat N] [--size WxH] "
    "[--zoom C:X0,Y0,X1,Y1] [--hover C:X,Y] [--both-charts] [--as-recorded] [--channels A,B]";

// Nothing when the arguments are not understood.
std::optional<TBenchOptions> ParseOptions(const std::vector<std::string>& args);

} // namespace bench
