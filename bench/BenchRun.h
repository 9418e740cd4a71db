// One benchmark run: the real main window off screen, a file loaded through the "ReadWF"
// button, the charts painted, exported and zoomed as the options ask, every step timed.
#pragma once

#include "bench/BenchOptions.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct TBenchResult {
  int Status = 0;
  std::vector<std::string> Log;
  int Frames = 0;
  // PlotRect of Chart1 and Chart2 (left, top, right, bottom) after the first paint.
  std::array<std::array<int, 4>, 2> PlotRects{};
  // Device pixels per logical pixel the charts painted with (QT_SCALE_FACTOR raises it).
  int DeviceScale = 1;
  // Medians in milliseconds, by the contract's key names.
  std::map<std::string, double> TimingsMs;
  double PeakRssMb = 0;
  // The storage form of the X and Y values of each chart's series after the load.
  std::array<std::array<std::string, 2>, 2> ValueForms{};
  // Whether the load told the user that the format chunk is not 2-channel 16-bit PCM, and the
  // notice label's text after the load, if it shows one.
  bool FormatNotice = false;
  std::optional<std::string> Notice;
  // Whether the charts show decoded samples, the channel each shows (0: none), the info line.
  bool AsRecorded = false;
  std::array<int, 2> Channels{};
  std::string Info;
  // The readout's text with the mouse at --hover.
  std::optional<std::string> Readout;
};

TBenchResult RunBenchmark(const TBenchOptions& options);
std::string ResultJson(const TBenchResult& result);

} // namespace bench
