#include "app/core/Readout.h"

#include "app/core/ReadMessages.h"
#include "chart/series/ChartSeries.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace app {

namespace {

// Indexes (from 0) of the first and last frame a pixel column shows.
struct TColumnFrames {
  int First = 0;
  int Last = 0;
};

// The first index in [0, count) whose X pixel lies beyond `column` (after it with `after`, else
// at or after it); X is ascending, so the pixels are too.
int FirstPast(const chart::TChartValueList& x, const chart::TPointMapper& mapper, int column, bool after) {
  int low = 0;
  int high = x.ValueCount();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    const int pixel = mapper.X(x.Value(middle));
    if (after ? pixel > column : pixel >= column)
      high = middle;
    else
      low = middle + 1;
  }
  return low;
}

// The frames whose X maps to the column, as the column drawing groups them; between two frames
// further apart than a pixel, the nearer one. Nothing before the first frame or after the last.
std::optional<TColumnFrames> FramesAt(const chart::TChartValueList& x, const chart::TPointMapper& mapper,
                                      int column) {
  const int first = FirstPast(x, mapper, column, false);
  const int end = FirstPast(x, mapper, column, true);
  if (first < end)
    return TColumnFrames{first, end - 1};
  if (first == 0 || first == x.ValueCount())
    return std::nullopt;
  const bool earlier = column - mapper.X(x.Value(first - 1)) <= mapper.X(x.Value(first)) - column;
  const int nearest = earlier ? first - 1 : first;
  return TColumnFrames{nearest, nearest};
}

// Whole values grouped by thousands; others (decoded floating-point samples) to six digits.
std::string ValueText(double value) {
  if (std::trunc(value) == value && std::fabs(value) < 1e15)
    return GroupThousands(static_cast<std::int64_t>(value));
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  return std::string(text, result.ptr);
}

// Both ends when they read differently, joined by "to".
template <class T, class Text>
std::string Span(const T& first, const T& last, const Text& text) {
  const std::string from = text(first);
  const std::string to = text(last);
  return from == to ? from : from + " to " + to;
}

} // namespace

std::string ReadoutText(const TReadoutSource& Source, const TReadoutView& View, int X, int Y) {
  if (!Source.Series || Source.Channel < 1 || !View.PlotRect.Contains(X, Y))
    return {};
  const std::optional<TColumnFrames> frames = FramesAt(Source.Series->XValues(), View.Mapper, X);
  if (!frames)
    return {};
  // What the chart draws, in whatever form the list keeps it: up to two values read, more taken
  // from the list's summary.
  const chart::TChartValueList& y = Source.Series->YValues();
  double lowest = 0;
  double highest = 0;
  if (frames->Last - frames->First >= 2) {
    y.Summary(true).MinMax(frames->First, frames->Last, lowest, highest);
  } else {
    const double first = y.Value(frames->First);
    const double last = y.Value(frames->Last);
    lowest = std::fmin(first, last);
    highest = std::fmax(first, last);
  }

  const auto frameNumber = [](int index) { return GroupThousands(std::int64_t(index) + 1); };
  std::string text = (frames->Last > frames->First ? "Frames " : "Frame ") +
                     Span(frames->First, frames->Last, frameNumber) + "\n";
  if (Source.ShowTime && Source.SamplesPerSec > 0) {
    const auto time = [&](int index) { return TimeText(index, Source.SamplesPerSec); };
    text += "Time " + Span(frames->First, frames->Last, time) + "\n";
  }
  return text + "Channel " + std::to_string(Source.Channel) + ": " + Span(lowest, highest, ValueText);
}

} // namespace app
