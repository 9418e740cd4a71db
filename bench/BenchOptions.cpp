#include "bench/BenchOptions.h"

#include "app/CommandLine.h"

#include <charconv>
#include <string_view>

namespace bench {

namespace {

// Reads the integers of text separated by the given characters, in order; all of text must be
// used and every number must be at least minimum.
bool ParseInts(std::string_view text, std::string_view separators, std::vector<int*> targets, int minimum) {
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *targets[i]);
    if (error != std::errc() || *targets[i] < minimum)
      return false;
    text.remove_prefix(std::size_t(end - text.data()));
    if (i + 1 < targets.size()) {
      if (text.empty() || text.front() != separators[i])
        return false;
      text.remove_prefix(1);
    }
  }
  return text.empty();
}

} // namespace

std::optional<TBenchOptions> ParseOptions(const std::vector<std::string>& args) {
  TBenchOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--export") {
      options.Export = true;
    } else if (arg == "--both-charts") {
      options.BothCharts = true;
    } else if (arg == "--as-recorded") {
      options.AsRecorded = true;
    } else if (arg == "--channels" && hasValue) {
      options.Channels = app::ParseChannels(args[++i]);
      if (!options.Channels)
        return std::nullopt;
    } else if (arg == "--png" && hasValue) {
      options.Png = args[++i];
    } else if (arg == "--repeat" && hasValue) {
      if (!ParseInts(args[++i], "", {&options.Repeat}, 1))
        return std::nullopt;
    } else if (arg == "--size" && hasValue) {
      if (!ParseInts(args[++i], "x", {&options.Width, &options.Height}, 1))
        return std::nullopt;
    } else if (arg == "--zoom" && hasValue) {
      TZoomDrag zoom;
      if (!ParseInts(args[++i], ":,,,", {&zoom.Chart, &zoom.X0, &zoom.Y0, &zoom.X1, &zoom.Y1}, 0) ||
          zoom.Chart < 1 || zoom.Chart > 2)
        return std::nullopt;
      options.Zoom = zoom;
    } else if (arg == "--hover" && hasValue) {
      TChartPoint hover;
      if (!ParseInts(args[++i], ":,", {&hover.Chart, &hover.X, &hover.Y}, 0) || hover.Chart < 1 ||
          hover.Chart > 2)
        return std::nullopt;
      options.Hover = hover;
    } else if (arg.starts_with("-") || !options.File.empty()) {
      return std::nullopt;
    } else {
      options.File = arg;
    }
  }
  if (options.File.empty())
    return std::nullopt;
  return options;
}

} // namespace bench
