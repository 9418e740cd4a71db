#include "platform/gdi/StylePattern.h"

#include <algorithm>
#include <numeric>

namespace gdi::raster {

namespace {

TStylePattern FromRuns(const std::vector<int>& runs) {
  TStylePattern pattern;
  bool on = true;
  for (int run : runs) {
    pattern.On.insert(pattern.On.end(), std::size_t(std::max(run, 0)), on ? 1 : 0);
    on = !on;
  }
  return pattern;
}

TStylePattern UserPattern(const TPen& pen) {
  const int period = std::accumulate(pen.Dashes.begin(), pen.Dashes.end(), 0,
                                     [](int sum, int d) { return sum + std::max(d, 0); });
  if (period <= 0)
    return {};
  const int capExtra = pen.EndCap == TPenEndCap::Flat ? 0 : 1;
  TStylePattern pattern;
  pattern.On.assign(std::size_t(period), 0);
  int start = 0;
  for (std::size_t i = 0; i < pen.Dashes.size(); i += 2) {
    const int cover = std::min(std::max(pen.Dashes[i], 0) + capExtra, period);
    for (int k = 0; k < cover; ++k)
      pattern.On[std::size_t((start + k) % period)] = 1;
    start += std::max(pen.Dashes[i], 0) + (i + 1 < pen.Dashes.size() ? std::max(pen.Dashes[i + 1], 0) : 0);
  }
  // A pattern that is all ink is plain solid.
  if (std::all_of(pattern.On.begin(), pattern.On.end(), [](std::uint8_t b) { return b != 0; }))
    return {};
  return pattern;
}

} // namespace

TStylePattern PatternOf(const TPen& pen) {
  switch (pen.Style) {
  case TPenStyle::psDash:
    return FromRuns({18, 6});
  case TPenStyle::psDot:
    return FromRuns({3, 3});
  case TPenStyle::psDashDot:
    return FromRuns({9, 6, 3, 6});
  case TPenStyle::psDashDotDot:
    return FromRuns({9, 3, 3, 3, 3, 3});
  case TPenStyle::psAlternate:
    return FromRuns({1, 1});
  case TPenStyle::psUserStyle:
    return UserPattern(pen);
  default:
    return {};
  }
}

} // namespace gdi::raster
