// libFuzzer entry point for the value lists and both line series under operations read from the
// input: points one by one and in runs, inserts, deletes, truncation, clearing, order changes,
// sequences, views of a small frame buffer, and values that widen a form. After every step each
// list is compared bit for bit with a plain vector of doubles; every few steps the chart is
// painted point by point and by the column shortcut, and compared with a fresh chart holding the
// same points. Allocations fail at chosen points, through the value memory and operator new: an
// operation that throws must leave what it touched consistent with the values it holds.
#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/series/SeriesShortcut.h"
#include "chart/surface/ChartCanvas3D.h"
#include "fuzz/ValueListChecks.h"

#include <cstdio>
#include <cstdlib>

namespace {

using namespace fuzzlists;

// Small, yet tall enough that the plot never collapses: an axis then measures thousands of
// labels per paint, which would take most of the time.
constexpr int Width = 120;
constexpr int Height = 90;

std::uint64_t Paints = 0;
std::uint64_t ShortcutPaints = 0;

void Report() {
  std::fprintf(stderr, "FuzzValueLists: %llu paints compared, %llu of them drew by the column shortcut\n",
               static_cast<unsigned long long>(Paints), static_cast<unsigned long long>(ShortcutPaints));
}

// What the input set on the chart, so that a fresh chart can be set up the same way.
struct TSettings {
  bool BottomAutomatic = true, LeftAutomatic = true;
  double BottomMin = 0, BottomMax = 1, LeftMin = 0, LeftMax = 1;
  bool BottomInverted = false, LeftInverted = false;
  int Offset = 0;
  bool FastPen = false, Pointer = true, ColorEachLine = true;
};

struct TChartWithSeries {
  chart::TChart Chart;
  chart::TFastLineSeries* Fast;
  chart::TLineSeries* Line;

  TChartWithSeries() {
    Chart.SetSize(Width, Height);
    auto fast = std::make_unique<chart::TFastLineSeries>();
    auto line = std::make_unique<chart::TLineSeries>();
    Fast = fast.get();
    Line = line.get();
    Chart.AddSeries(std::move(fast));
    Chart.AddSeries(std::move(line));
  }
  chart::TChartSeries& Series(int which) {
    return which == 0 ? static_cast<chart::TChartSeries&>(*Fast) : static_cast<chart::TChartSeries&>(*Line);
  }
  void Apply(const TSettings& s) {
    chart::TChartAxis& bottom = Chart.BottomAxis();
    chart::TChartAxis& left = Chart.LeftAxis();
    bottom.SetAutomatic(s.BottomAutomatic);
    if (!s.BottomAutomatic)
      bottom.SetRange(s.BottomMin, s.BottomMax);
    left.SetAutomatic(s.LeftAutomatic);
    if (!s.LeftAutomatic)
      left.SetRange(s.LeftMin, s.LeftMax);
    for (chart::TChartAxis* axis : {&bottom, &left}) {
      axis->SetMinimumOffset(s.Offset);
      axis->SetMaximumOffset(s.Offset);
    }
    bottom.SetInverted(s.BottomInverted);
    left.SetInverted(s.LeftInverted);
    Fast->SetFastPen(s.FastPen);
    Line->Pointer().SetVisible(s.Pointer);
    Line->SetColorEachLine(s.ColorEachLine);
  }
  std::vector<std::uint32_t> Paint() {
    Chart.DrawChart(chart::TRect{0, 0, Width, Height});
    const gdi::TGdiBitmap& bitmap = *Chart.Canvas().BufferBitmap();
    return {bitmap.Pixels(), bitmap.Pixels() + std::size_t(bitmap.Width()) * std::size_t(bitmap.Height())};
  }
};

// The visible index range the series' rule gives for the model's X values on the chart as painted.
void PlainVisibleRange(const chart::TChart& chart, const plain::TSeries& model, int& first, int& last) {
  const std::vector<double>& x = model.X.Values;
  const int count = model.Count();
  first = last = -1;
  if (count == 0)
    return;
  if (model.X.Order == chart::loNone) {
    first = 0;
    last = count - 1;
    return;
  }
  const chart::TChartAxis& axis = chart.BottomAxis();
  const chart::TRect& plot = chart.PlotRect();
  const bool noOffsets = axis.MinimumOffset() == 0 && axis.MaximumOffset() == 0;
  double low = axis.PixelToValue(noOffsets ? plot.Left : plot.Left + axis.MinimumOffset() - 1);
  double high = axis.PixelToValue(noOffsets ? plot.Right : plot.Right - axis.MaximumOffset() + 1);
  if (low > high)
    std::swap(low, high);
  const bool ascending = model.X.Order == chart::loAscending;
  const auto firstFrom = [&](int from, int to, double value, bool below) {
    if (ascending)
      return int(std::lower_bound(x.begin() + from, x.begin() + to, value) - x.begin());
    while (from < to && (below ? !(x[std::size_t(from)] >= value) : x[std::size_t(from)] < value))
      ++from;
    return from;
  };
  first = firstFrom(0, count, low, true);
  if (first == count) {
    first = -1;
    return;
  }
  last = x.back() <= high ? count - 1 : firstFrom(first, count - 1, high, false);
}

// The line series' Y extremes by a pass that skips null points, the first met of equal ones.
double PlainLineExtreme(const plain::TSeries& model, chart::TColor seriesColor, bool largest) {
  double result = 0;
  bool found = false;
  for (int i = 0; i < model.Count(); ++i) {
    if (model.PointColor(i, seriesColor) == chart::clNone)
      continue;
    const double v = model.Y.Values[std::size_t(i)];
    if (!found || (largest ? v > result : v < result))
      result = v;
    found = true;
  }
  return result;
}

// One input's lists, series and chart, with their plain models.
class TSession {
public:
  explicit TSession(TInput& in) : FIn(in), FFrames(in) {
    for (int i = 0; i < 2; ++i) {
      FLists[i].SetValueMemory(FMemory);
      FCharts.Series(i).XValues().SetValueMemory(FMemory);
      FCharts.Series(i).YValues().SetValueMemory(FMemory);
    }
  }

  // One operation, then the comparison of what it touched with the models.
  void Step() {
    const unsigned what = FIn.Byte() % 16;
    const int which = int(FIn.Byte() % 2);
    if (what < 6) {
      ListStep(which);
      CheckList(FLists[which], FListModels[which], true);
    } else if (what < 14) {
      SeriesStep(which);
      CheckSeries(which);
    } else if (what == 14) {
      ChangeSettings();
    } else {
      PaintStep();
    }
  }

  // Plain and shortcut pictures must match each other; after a failed operation, and at the end,
  // also a fresh chart's with the same points.
  void PaintAndCompare(bool withFresh) {
    chart::SetPlainSeriesDrawing(true);
    const std::vector<std::uint32_t> plainPicture = FCharts.Paint();
    chart::SetPlainSeriesDrawing(false);
    const std::uint64_t before = chart::ColumnShortcutDraws();
    // Twice: a sparse view builds no summary the first time, and may use it the second.
    Check(FCharts.Paint() == plainPicture, "the column shortcut drew other pixels than the plain path");
    Check(FCharts.Paint() == plainPicture, "the column shortcut drew other pixels the second time");
    ++Paints;
    ShortcutPaints += chart::ColumnShortcutDraws() > before;
    for (int i = 0; i < 2; ++i) {
      int first = 0, last = 0;
      PlainVisibleRange(FCharts.Chart, FSeriesModels[i], first, last);
      const chart::TChartSeries& series = FCharts.Series(i);
      // The line series widens the range by points near the plot and by equal X values.
      const bool widened = i == 1 && first >= 0 && series.FirstVisible() >= 0;
      Check(widened ? series.FirstVisible() <= first && series.LastVisible() >= last
                    : series.FirstVisible() == first && series.LastVisible() == last,
            "visible range differs from the plain search");
    }
    if (!withFresh && !FFailed)
      return;
    FFailed = false;
    TChartWithSeries fresh;
    fresh.Apply(FSettings);
    for (int i = 0; i < 2; ++i)
      Refill(fresh.Series(i), FSeriesModels[i]);
    Check(fresh.Paint() == plainPicture, "the chart paints otherwise than a fresh one with its points");
  }

private:
  TInput& FIn;
  pages::test::TFailingPageMemory FMemory;
  TFrames FFrames;
  chart::TChartValueList FLists[2] = {chart::TChartValueList("A"), chart::TChartValueList("B")};
  plain::TList FListModels[2];
  TChartWithSeries FCharts;
  plain::TSeries FSeriesModels[2];
  TSettings FSettings;
  // An operation threw since the last comparison with a fresh chart.
  bool FFailed = false;

  bool Attempt(const std::function<void()>& operation) {
    const bool done = fuzzlists::Attempt(FIn, FMemory, operation);
    FFailed = FFailed || !done;
    return done;
  }

  // A run of values: a stretch of a sequence, or values from the input.
  std::vector<double> Run(const std::vector<double>& before) {
    std::vector<double> run;
    // Long runs only while the list is short: every step compares every value.
    if (FIn.Byte() % 2 && before.size() < 6000) {
      const chart::TSequenceValues sequence{FIn.Value(before), FIn.Value(before)};
      const unsigned length = 1 + FIn.Below(3000);
      for (unsigned i = 0; i < length; ++i)
        run.push_back(sequence[i]);
    } else {
      const unsigned length = 1 + FIn.Byte() % 48;
      std::vector<double> seen = before;
      for (unsigned i = 0; i < length; ++i)
        seen.push_back(run.emplace_back(FIn.Value(seen)));
    }
    return run;
  }

  // Puts a run in the list's order; empty when it cannot follow the last value.
  static void Order(std::vector<double>& run, const plain::TList& model) {
    if (model.Order == chart::loNone)
      return;
    std::erase_if(run, [](double v) { return std::isnan(v); });
    if (model.Order == chart::loAscending)
      std::sort(run.begin(), run.end());
    else
      std::sort(run.begin(), run.end(), std::greater<>());
  }

  void ListStep(int which) {
    chart::TChartValueList& list = FLists[which];
    plain::TList& model = FListModels[which];
    const int count = model.Count();
    switch (FIn.Byte() % 9) {
    case 0: {
      const double v = FIn.Value(model.Values);
      int index = -1;
      if (Attempt([&] { index = list.AddOrdered(v); }))
        Check(index == model.AddOrdered(v), "AddOrdered put the value elsewhere");
      break;
    }
    case 1: {
      const int index = int(FIn.Below(unsigned(count) + 1));
      const double v = FIn.Value(model.Values);
      if (Attempt([&] { list.InsertValueAt(index, v); }))
        model.InsertAt(index, v);
      break;
    }
    case 2:
      if (count > 0) {
        const int index = FIn.Byte() % 2 ? count - 1 : int(FIn.Below(unsigned(count)));
        if (Attempt([&] { list.DeleteValueAt(index); }))
          model.Values.erase(model.Values.begin() + index);
      }
      break;
    case 3: {
      std::vector<double> run = Run(model.Values);
      Order(run, model);
      if (!run.empty() && list.AppendKeepsOrder(run) && Attempt([&] { list.AppendValues(run); })) {
        model.MakeRoom(run.size());
        model.Values.insert(model.Values.end(), run.begin(), run.end());
      }
      break;
    }
    default:
      ReshapingListStep(list, model);
    }
  }

  void ReshapingListStep(chart::TChartValueList& list, plain::TList& model) {
    switch (FIn.Byte() % 5) {
    case 0:
      list.RemoveAllValues();
      model.Values.clear();
      model.Capacity = 0;
      break;
    case 1: {
      const int count = int(FIn.Below(unsigned(model.Count()) + 1));
      list.TruncateTo(count);
      model.Values.resize(std::size_t(count));
      break;
    }
    case 2:
      model.Order = chart::TChartListOrder(FIn.Byte() % 3);
      list.SetOrder(model.Order);
      break;
    case 3: {
      const std::size_t channel = FIn.Byte() % 2;
      const int count = int(FIn.Below(unsigned(FFrames.Count) + 1));
      if (Attempt([&] { list.ViewValues(FFrames.View(channel, count)); })) {
        model.Values = FFrames.Channel(channel, count);
        model.Capacity = std::size_t(count);
      }
      break;
    }
    default: {
      // A sequence as appends could build it: finite, starting elsewhere than at -0.0.
      double first = FIn.Value({}), step = FIn.Value({});
      if (!std::isfinite(first) || !std::isfinite(step) || (first == 0 && std::signbit(first)))
        first = step = 1;
      const int count = int(FIn.Below(4000));
      list.SetSequence(first, step, count);
      model.Values.clear();
      for (int i = 0; i < count; ++i)
        model.Values.push_back(chart::TSequenceValues{first, step}[std::size_t(i)]);
      model.Capacity = std::size_t(count);
    }
    }
  }

  void SeriesStep(int which) {
    chart::TChartSeries& series = FCharts.Series(which);
    plain::TSeries& model = FSeriesModels[which];
    switch (FIn.Byte() % 7) {
    case 0:
      AddPoint(series, model);
      break;
    case 1:
      AddPoints(series, model);
      break;
    case 2:
      series.ClearPoints();
      model.Clear();
      break;
    case 3: {
      const std::size_t channel = FIn.Byte() % 2;
      const int count = int(FIn.Below(unsigned(FFrames.Count) + 1));
      if (Attempt([&] { series.ViewPoints(FFrames.View(channel, count)); })) {
        model.Clear();
        for (int i = 0; i < count; ++i)
          model.X.Values.push_back(i + 1);
        model.Y.Values = FFrames.Channel(channel, count);
      }
      break;
    }
    case 4:
      model.X.Order = chart::TChartListOrder(FIn.Byte() % 3);
      series.XValues().SetOrder(model.X.Order);
      break;
    default:
      CutPoints(series, model);
    }
  }

  void AddPoint(chart::TChartSeries& series, plain::TSeries& model) {
    const double x = FIn.Value(model.X.Values);
    const double y = FIn.Value(model.Y.Values);
    const unsigned extras = FIn.Byte();
    const std::string label = extras % 5 == 0 ? std::string(1 + extras % 40, 'l') : "";
    const chart::TColor color =
        extras % 7 == 0 ? chart::clNone : (extras % 7 == 1 ? chart::clRed : chart::DefaultSeriesColor);
    int index = -1;
    const int expected = model.X.OrderedIndex(x);
    if (Attempt([&] { index = series.AddPoint(x, y, label, color); })) {
      Check(index == expected, "AddPoint put the point elsewhere");
      model.AddPoint(x, y, label, color);
    }
  }

  // When the run fails half way, the points taken so far are those AddPoint one by one takes.
  void AddPoints(chart::TChartSeries& series, plain::TSeries& model) {
    std::vector<double> x = Run(model.X.Values);
    if (FIn.Byte() % 4)
      Order(x, model.X);
    std::vector<double> y;
    for (std::size_t i = 0; i < x.size(); ++i)
      y.push_back(i < 64 ? FIn.Value(y) : y[i % 64]);
    const bool taken = Attempt([&] { series.AddPoints(x, y); });
    for (std::size_t i = 0; i < x.size() && (taken || model.Count() < series.PointCount()); ++i)
      model.AddPoint(x[i], y[i], "", chart::DefaultSeriesColor);
  }

  // Deletes or cuts off points through the lists, which is open to series without colours or labels.
  void CutPoints(chart::TChartSeries& series, plain::TSeries& model) {
    const int count = model.Count();
    if (count == 0 || !model.Colors.empty() || !model.Labels.empty())
      return;
    const int index = int(FIn.Below(unsigned(count)));
    if (FIn.Byte() % 2) {
      series.XValues().TruncateTo(index);
      series.YValues().TruncateTo(index);
      model.X.Values.resize(std::size_t(index));
      model.Y.Values.resize(std::size_t(index));
      return;
    }
    series.XValues().DeleteValueAt(index);
    series.YValues().DeleteValueAt(index);
    model.X.Values.erase(model.X.Values.begin() + index);
    model.Y.Values.erase(model.Y.Values.begin() + index);
  }

  void CheckSeries(int which) {
    const chart::TChartSeries& series = FCharts.Series(which);
    const plain::TSeries& model = FSeriesModels[which];
    CheckList(series.XValues(), model.X, false);
    CheckList(series.YValues(), model.Y, false);
    Check(series.PointColors() == model.Colors && series.PointLabels() == model.Labels,
          "colours or labels left their points");
    const double smallest =
        which == 1 ? PlainLineExtreme(model, series.Color(), false) : plain::Stats(model.Y.Values).Minimum;
    const double largest =
        which == 1 ? PlainLineExtreme(model, series.Color(), true) : plain::Stats(model.Y.Values).Maximum;
    Check(SameBits(series.SmallestY(), smallest) && SameBits(series.LargestY(), largest),
          "the series' Y extremes differ from the plain pass");
  }

  void ChangeSettings() {
    TSettings& s = FSettings;
    const unsigned flags = FIn.Byte();
    s.BottomAutomatic = flags & 1;
    s.LeftAutomatic = flags & 2;
    s.BottomInverted = flags & 4;
    s.LeftInverted = flags & 8;
    s.Offset = flags & 16 ? 1 : 0;
    s.FastPen = flags & 32;
    s.Pointer = flags & 64;
    s.ColorEachLine = flags & 128;
    for (double* end : {&s.BottomMin, &s.BottomMax, &s.LeftMin, &s.LeftMax})
      *end = FIn.Value({});
    if (!(s.BottomMin < s.BottomMax) || !std::isfinite(s.BottomMax - s.BottomMin))
      s.BottomAutomatic = true;
    if (!(s.LeftMin < s.LeftMax) || !std::isfinite(s.LeftMax - s.LeftMin))
      s.LeftAutomatic = true;
    FCharts.Apply(s);
  }

  // A paint that may fail, then the comparison of both drawings with a fresh chart's.
  void PaintStep() {
    Attempt([&] { FCharts.Paint(); });
    PaintAndCompare(false);
  }

  // Adds the model's points to an empty series of a fresh chart in their stored order.
  static void Refill(chart::TChartSeries& series, const plain::TSeries& model) {
    series.XValues().SetOrder(chart::loNone);
    for (int i = 0; i < model.Count(); ++i) {
      const std::size_t at = std::size_t(i);
      series.AddPoint(model.X.Values[at], model.Y.Values[at],
                      at < model.Labels.size() ? model.Labels[at] : "",
                      at < model.Colors.size() ? model.Colors[at] : chart::DefaultSeriesColor);
    }
    series.XValues().SetOrder(model.X.Order);
  }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(Report);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TInput in(data, size);
  TSession session(in);
  for (int step = 0; step < 200 && !in.Empty(); ++step)
    session.Step();
  session.PaintAndCompare(true);
  return 0;
}
