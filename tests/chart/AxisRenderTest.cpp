// Both window charts painted whole on realistic recordings: the labels, ticks, grid, minor ticks
// and label boxes on screen are checked against the axis rules worked out here from scratch.
#include "FakeChartHost.h"

#include "chart/axis/AxisFormat.h"
#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/surface/ChartCanvas3D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace chart {
namespace {

using testing::TFakeChartHost;

constexpr std::uint32_t AxisColour = 0x404040;
constexpr std::uint32_t GridColour = 0xA9A9A9;
constexpr std::uint32_t TickColour = 0x808080;

// --- the rules, written out again -------------------------------------------------------------

double Nice(double x) {
  if (x >= 10)
    return Nice(x * 0.1) * 10;
  if (x >= 1)
    return x < 2 ? 2 : x < 5 ? 5 : 10;
  return Nice(x * 10) * 0.1;
}

bool Near(double a, double b) {
  return std::fabs(a - b) <= std::max(1e-12, 1e-12 * std::min(std::fabs(a), std::fabs(b)));
}

std::string General(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", v);
  return buffer;
}

// "#,##0.###" for the plain values these recordings give.
std::string Picture(double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", std::fabs(v));
  std::string text = buffer;
  while (text.back() == '0')
    text.pop_back();
  if (text.back() == '.')
    text.pop_back();
  const auto point = std::min(text.find('.'), text.size());
  for (auto i = point; i > 3; i -= 3)
    text.insert(i - 3, ",");
  return v < 0 && text != "0" ? "-" + text : text;
}

struct TRefAxis {
  double Low = 0, High = 0; // working range
  int Start = 0, End = 0;
  bool Horizontal = true;
  long long FewestX = 1LL << 62;

  double Range() const { return High - Low; }
  int Length() const { return End - Start; }

  int Pixel(double v) const {
    if (Range() == 0)
      return (Start + End) / 2;
    const double ppu = Length() / Range();
    const auto d = static_cast<double>((static_cast<long double>(v) - Low) * ppu);
    const int r = int(std::nearbyint(d));
    return Horizontal ? Start + r : End - r;
  }

  double Value(int pixel, int start, int end) const {
    if (end - start < 1)
      return 0;
    const double d = (pixel - start) * Range() / (end - start);
    return Horizontal ? Low + d : High - d;
  }

  // The range widened so that these pixel margins at the axis's start and end stay free.
  void Widen(int startMargin, int endMargin) {
    double a = Value(Start, Start + startMargin, End - endMargin);
    double b = Value(End, Start + startMargin, End - endMargin);
    if (a > b)
      std::swap(a, b);
    Low = a;
    High = b;
  }

  double StepFor(double increment, int n) const {
    double step = increment > 0 ? increment : Range() == 0 ? 1 : std::fabs(Range()) / (n + 1);
    if (increment <= 0 && Range() != 0 && Range() >= 1.1 && FewestX <= n)
      step = std::max(step, 1.0);
    long long count = n + 1;
    for (;;) {
      const double c = Range() / step;
      if (std::fabs(c) < 2147483647.0) {
        count = std::llround(std::nearbyint(c));
        if (count > n)
          step = Nice(step);
      } else {
        step = Nice(step);
      }
      if (count <= n || step > Range() || std::isinf(step))
        break;
    }
    return std::isinf(step) ? Range() : std::max(1e-12, step);
  }

  double Pass(double increment, const std::function<int(double)>& extent) const {
    const double low = increment != 0 ? std::nearbyint(Low) : Low;
    const double high = increment != 0 ? std::trunc(High) : High;
    double mid = (high + low) * 0.5;
    while (mid == std::trunc(mid) && mid != 0)
      mid *= 0.5;
    int size = std::max({extent(mid), extent(high), extent(low)});
    if (increment != 0)
      size = std::max({size, extent(high - increment), extent(low + increment)});
    const int slots = size <= 0 || Length() <= 0
                          ? 1
                          : int(std::nearbyint(Length() / (size + std::nearbyint(size * 10 * 0.01))));
    return slots < 1 ? 1e-12 : StepFor(increment, slots);
  }

  double Step(const std::function<int(double)>& extent) const {
    const double step = Pass(0, extent);
    return step >= 2 ? Pass(1, extent) : step;
  }

  std::vector<double> Values(double step) const {
    if (!(step > 0) || High < Low || std::fabs(Range() / step) >= 10000)
      return {};
    double first = General(Low) == General(High) ? High : double((long long)(High / step)) * step;
    while (first > High) {
      const double next = first - step;
      const bool stuck = Near(next, first);
      first = next;
      if (stuck)
        break;
    }
    if (Range() == 0 || Near(Low, High) || General(first) == General(first - step))
      return {first};
    const double limit = Low >= 0 ? (Low - 1e-12) / (1 + 1e-12) : Low;
    std::vector<double> values;
    for (double v = first; v >= limit; v -= step) {
      values.push_back(v);
      if (Near(v - step, v))
        break;
    }
    return values;
  }
};

std::vector<int> MinorTicks(const std::vector<int>& t, int start, int end) {
  std::vector<int> minor;
  const auto add = [&](long long m) {
    if (start < m && m < end)
      minor.push_back(int(m));
  };
  const std::size_t k = t.size();
  if (k > 1)
    for (int j = 1; j <= 3; ++j) {
      const long long f = std::llrint(j * ((t[1] - t[0]) * 0.25));
      add(t[0] - f);
      add(t[k - 1] + f);
    }
  for (std::size_t i = 1; i < k; ++i)
    for (int j = 1; j <= 3; ++j)
      add(t[i] - std::llrint((t[i] - t[i - 1]) * 0.25 * j));
  return minor;
}

// --- the charts -------------------------------------------------------------------------------

struct TRecording {
  const char* Name;
  std::vector<double> Samples;
};

std::vector<TRecording> Recordings() {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> sample(-32768, 32767);
  const auto noise = [&](std::size_t frames) {
    std::vector<double> samples(frames);
    for (double& s : samples)
      s = sample(random);
    return samples;
  };
  std::vector<double> full = noise(20000);
  full[7] = -32768;
  full[19999] = 32767;
  return {{"noise", full},
          {"2 frames", noise(2)},
          {"3 frames", noise(3)},
          {"12 frames", noise(12)},
          {"24 frames", noise(24)},
          {"40 frames", noise(40)},
          {"137 frames", noise(137)},
          {"one frame", {-1234}},
          {"five frames", {3, -7, 12, 0, 5}},
          {"all equal", std::vector<double>(1000, 4321)},
          {"quiet", {0, 1, -1, 1, 0, -1, 0, 1}},
          {"empty", {}}};
}

// The window's chart: panel and axis colours, Verdana labels, one series of the recording.
struct TWindowChart {
  TWindowChart(bool upper, const std::vector<double>& samples) : Host(873, upper ? 296 : 300) {
    Chart.SetView3D(false);
    Chart.Legend().SetVisible(false);
    for (int i = 0; i < Chart.Axes.Count(); ++i) {
      TChartAxis& axis = Chart.Axes[i];
      axis.Axis().SetColor(AxisColour);
      axis.Grid().SetColor(GridColour);
      axis.TicksInner().SetColor(GridColour);
      axis.LabelsFont().SetName("Verdana");
    }
    std::unique_ptr<TChartSeries> series;
    if (upper) {
      series = std::make_unique<TFastLineSeries>();
      for (TChartAxis* axis : {&Chart.LeftAxis(), &Chart.BottomAxis()}) {
        axis->SetMinimumOffset(1);
        axis->SetMaximumOffset(1);
      }
    } else {
      auto line = std::make_unique<TLineSeries>();
      line->Pointer().SetVisible(false);
      line->Pointer().SetInflateMargins(true);
      series = std::move(line);
    }
    for (std::size_t i = 0; i < samples.size(); ++i)
      series->AddPoint(double(i + 1), samples[i], "", DefaultSeriesColor);
    Chart.AddSeries(std::move(series));
    Chart.SetHost(&Host);
    // What the axes drew, before the series cover the plotting rectangle.
    Chart.OnBeforeDrawSeries = [this](TCustomChart& chart) { AxesOnly = *chart.Canvas().BufferBitmap(); };
  }
  ~TWindowChart() { Chart.SetHost(nullptr); }

  void Paint() {
    Chart.Invalidate();
    Chart.PaintMessage();
  }
  std::uint32_t Pixel(int x, int y) const { return AxesOnly.Pixel(x, y); }
  int TextWidth(const TChartAxis& axis, const std::string& text) {
    Chart.Canvas().AssignFont(axis.LabelsFont());
    return Chart.Canvas().TextWidth(text);
  }

  TFakeChartHost Host;
  TChart Chart;
  gdi::TGdiBitmap AxesOnly;
};

struct TLabel {
  std::string Text;
  int Position;
  bool operator==(const TLabel&) const = default;
};

std::vector<TLabel> Drawn(const TChartAxis& axis) {
  std::vector<TLabel> labels;
  for (const TAxisItem& item : axis.Plan().Labels.Items)
    labels.push_back({item.Text, item.Position});
  return labels;
}

std::vector<TLabel> Expected(const TRefAxis& ref, double step) {
  std::vector<TLabel> labels;
  for (double v : ref.Values(step))
    labels.push_back({Picture(v), ref.Pixel(v)});
  return labels;
}

// Positions along a line of pixels that have the colour; `at(i)` reads the i-th pixel.
std::set<int> Coloured(int from, int to, std::uint32_t colour, const std::function<std::uint32_t(int)>& at) {
  std::set<int> found;
  for (int i = from; i < to; ++i)
    if (at(i) == colour)
      found.insert(i);
  return found;
}

std::set<int> Inside(const std::vector<int>& positions, int start, int end) {
  std::set<int> inside;
  for (int p : positions)
    if (start < p && p < end)
      inside.insert(p);
  return inside;
}

class AxisRender : public ::testing::TestWithParam<bool> {
protected:
  void SetUp() override { LabelSeparators() = {}; }
};

TEST_P(AxisRender, LabelsTicksGridAndBoxesFollowTheRules) {
  const bool upper = GetParam();
  const int offset = upper ? 1 : 0;
  for (const TRecording& recording : Recordings()) {
    SCOPED_TRACE(recording.Name);
    TWindowChart w(upper, recording.Samples);
    w.Chart.SetAxisVisible(false);
    w.Paint();
    const TRect outer = w.Chart.PlotRect();
    w.Chart.SetAxisVisible(true);
    w.Paint();
    const TRect& plot = w.Chart.PlotRect();
    TChartAxis& bottom = w.Chart.BottomAxis();
    TChartAxis& left = w.Chart.LeftAxis();
    w.Chart.Canvas().AssignFont(left.LabelsFont());
    const int fontHeight = w.Chart.Canvas().FontHeight();
    const auto width = [&](const TChartAxis& axis, double v) { return w.TextWidth(axis, Picture(v)); };

    const std::vector<double>& s = recording.Samples;
    const double yLow = s.empty() ? 0 : *std::min_element(s.begin(), s.end());
    const double yHigh = s.empty() ? 0 : *std::max_element(s.begin(), s.end());
    const double xHigh = s.empty() ? 0 : double(s.size());
    const double xLow = s.empty() ? 0 : 1;

    // The left labels band is as wide as the widest label of the data range on the full height.
    TRefAxis leftRef{yLow, yHigh, outer.Top, outer.Bottom, false};
    const double reserveStep = leftRef.Step([&](double) { return fontHeight; });
    int widest = 0;
    double last = std::trunc(yHigh / reserveStep) * reserveStep;
    const double first = std::trunc(yLow / reserveStep) * reserveStep;
    for (int i = 0; i < 5000; ++i, last -= reserveStep) {
      widest = std::max(widest, width(left, last));
      if (last - reserveStep < first)
        break;
    }
    widest += w.TextWidth(left, " ");
    EXPECT_EQ(plot.Left, outer.Left + widest + 7);
    EXPECT_EQ(plot.Bottom, outer.Bottom - fontHeight - 7);
    EXPECT_EQ(plot.Top, outer.Top);
    EXPECT_EQ(plot.Right, outer.Right);
    EXPECT_EQ(left.LabelsPos(), outer.Left + widest);
    EXPECT_EQ(bottom.LabelsPos(), outer.Bottom - fontHeight);

    // Labels: texts and positions on the ranges widened by the offsets.
    TRefAxis bottomRef{xLow, xHigh, plot.Left, plot.Right, true, (long long)s.size()};
    bottomRef.Widen(offset, offset);
    leftRef = {yLow, yHigh, plot.Top, plot.Bottom, false};
    leftRef.Widen(offset, offset);
    EXPECT_EQ(bottom.WorkMinimum(), bottomRef.Low);
    EXPECT_EQ(bottom.WorkMaximum(), bottomRef.High);
    EXPECT_EQ(left.WorkMinimum(), leftRef.Low);
    EXPECT_EQ(left.WorkMaximum(), leftRef.High);
    const auto bottomLabels = Expected(bottomRef, bottomRef.Step([&](double v) { return width(bottom, v); }));
    const auto leftLabels = Expected(leftRef, leftRef.Step([&](double) { return fontHeight; }));
    ASSERT_EQ(Drawn(bottom), bottomLabels);
    ASSERT_EQ(Drawn(left), leftLabels);
    ASSERT_FALSE(bottomLabels.empty());
    ASSERT_FALSE(leftLabels.empty());

    // Major ticks four pixels outward from one pixel off the line, minor ones two; the line itself.
    const int base = bottom.AxisPos();
    const int side = left.AxisPos();
    ASSERT_EQ(base, plot.Bottom);
    ASSERT_EQ(side, plot.Left);
    EXPECT_EQ(w.Pixel((plot.Left + plot.Right) / 2, base), AxisColour);
    EXPECT_EQ(w.Pixel(side, (plot.Top + plot.Bottom) / 2), AxisColour);
    const auto row = [&](int y) { return [&, y](int x) { return w.Pixel(x, y); }; };
    const auto column = [&](int x) { return [&, x](int y) { return w.Pixel(x, y); }; };
    std::set<int> bottomTicks, leftTicks;
    for (const TLabel& l : bottomLabels)
      bottomTicks.insert(l.Position);
    for (const TLabel& l : leftLabels)
      leftTicks.insert(l.Position);
    EXPECT_EQ(Coloured(plot.Left - 6, 873, TickColour, row(base + 3)), bottomTicks);
    EXPECT_EQ(Coloured(0, plot.Bottom + 1, TickColour, column(side - 3)), leftTicks);
    std::set<int> bottomAll = bottomTicks, leftAll = leftTicks;
    for (int m : MinorTicks(bottom.Plan().Labels.TickPositions, bottom.StartPixel(), bottom.EndPixel()))
      bottomAll.insert(m);
    for (int m : MinorTicks(left.Plan().Labels.TickPositions, left.StartPixel(), left.EndPixel()))
      leftAll.insert(m);
    EXPECT_EQ(Coloured(plot.Left - 6, 873, TickColour, row(base + 2)), bottomAll);
    EXPECT_EQ(Coloured(0, plot.Bottom + 1, TickColour, column(side - 2)), leftAll);

    // Grid lines through every tick strictly inside the axis, and nowhere else.
    const std::set<int> columns =
        Inside(bottom.Plan().Labels.TickPositions, bottom.StartPixel(), bottom.EndPixel());
    const std::set<int> rows = Inside(left.Plan().Labels.TickPositions, left.StartPixel(), left.EndPixel());
    std::set<int> gridColumns, gridRows;
    for (int y = plot.Top + 1; y < plot.Bottom; ++y)
      if (!rows.contains(y))
        gridColumns.merge(Coloured(plot.Left + 1, plot.Right, GridColour, row(y)));
    for (int x = plot.Left + 1; x < plot.Right; ++x)
      if (!columns.contains(x))
        gridRows.merge(Coloured(plot.Top + 1, plot.Bottom, GridColour, column(x)));
    EXPECT_EQ(gridColumns, columns);
    EXPECT_EQ(gridRows, rows);

    // Label ink stays in its box: centred under the tick below the line, right-aligned to the
    // band's inner edge and centred on the tick beside it; every box holds some ink.
    const std::uint32_t paper = w.Pixel(2, base + 9);
    std::vector<TRect> boxes;
    for (const TLabel& l : bottomLabels) {
      const int textWidth = w.TextWidth(bottom, l.Text);
      boxes.push_back({l.Position - textWidth / 2 - 1, bottom.LabelsPos(),
                       l.Position + (textWidth + 1) / 2 + 1, bottom.LabelsPos() + fontHeight});
    }
    for (const TLabel& l : leftLabels) {
      const int top = l.Position - fontHeight / 2;
      boxes.push_back(
          {left.LabelsPos() - w.TextWidth(left, l.Text) - 1, top, left.LabelsPos() + 1, top + fontHeight});
    }
    std::vector<bool> inked(boxes.size());
    const auto check = [&](int x0, int y0, int x1, int y1) {
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
          if (w.Pixel(x, y) == paper)
            continue;
          bool boxed = false;
          for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].Left <= x && x < boxes[i].Right && boxes[i].Top <= y && y < boxes[i].Bottom)
              boxed = inked[i] = true;
          ASSERT_TRUE(boxed) << "ink outside every label at " << x << "," << y;
        }
    };
    check(outer.Left, plot.Bottom + 7, std::min(outer.Right + 30, 870), outer.Bottom);
    check(outer.Left, plot.Top - fontHeight / 2, left.LabelsPos(), plot.Bottom + 7);
    for (std::size_t i = 0; i < boxes.size(); ++i)
      EXPECT_TRUE(inked[i]) << "label " << i << " drew nothing";
  }
}

INSTANTIATE_TEST_SUITE_P(WindowCharts, AxisRender, ::testing::Values(true, false),
                         [](const auto& param) { return param.param ? "Upper" : "Lower"; });

} // namespace
} // namespace chart
