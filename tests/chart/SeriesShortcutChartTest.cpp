// Both line series on a real chart, drawn point by point and with the column shortcut, over
// random data shapes, random views and values viewed in loaded frames: the two pictures must not
// differ in a single pixel, and viewed values must draw as a copy of them does.
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/values/FrameSummary.h"

#include "SeriesPaintFixture.h"

#include <cmath>
#include <limits>
#include <random>
#include <set>

namespace chart::testing {
namespace {

enum TShape {
  shNoise,
  shFlat,
  shSteep,
  shEqualX,
  shSpikes,
  shSquare,
  shClusters,
  shWide,
  shRamp,
  shShapeCount
};

const char* ShapeName(TShape shape) {
  static const char* const names[] = {"noise",  "flat",     "steep", "equal X", "spikes",
                                      "square", "clusters", "wide",  "ramp"};
  return names[shape];
}

class SeriesShortcutChart : public TSeriesPaintFixture {
protected:
  std::mt19937 FRandom{2024};

  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(FRandom);
  }
  int Below(int n) { return int(FRandom() % unsigned(n)); }
  bool OneIn(int n) { return Below(n) == 0; }

  // Ascending X values with the given shape of Y values; the X step is 1 unless the shape says
  // otherwise.
  void Fill(TChartSeries& series, TShape shape, int count) {
    std::normal_distribution<double> noise(0, 1);
    // Frame numbers far from zero keep equal-X steps in 32-bit integers.
    double x = shape == shEqualX && OneIn(2) ? 70000 : 0;
    double walk = 0;
    for (int i = 0; i < count; ++i) {
      double y = 0;
      switch (shape) {
      case shNoise:
        walk = 0.9 * walk + 3000 * noise(FRandom);
        y = std::round(walk);
        break;
      case shFlat:
        y = 7 + (OneIn(500) ? 1e-9 : 0);
        break;
      case shSteep:
        y = (i % 2 ? 1 : -1) * 1e6 * Uniform(0.5, 1);
        break;
      case shEqualX:
        y = std::round(1000 * noise(FRandom));
        break;
      case shSpikes:
        y = OneIn(50) ? (OneIn(2) ? 1 : -1) * std::pow(10.0, Below(300)) : std::round(100 * noise(FRandom));
        break;
      case shSquare:
        y = (i / 37) % 2 ? 32767 : -32768;
        break;
      case shClusters:
        y = std::round(500 * std::sin(i * 0.01) + 20 * noise(FRandom));
        break;
      case shWide:
        y = std::round(1e6 * std::sin(i * 0.003) + 5000 * noise(FRandom));
        break;
      case shRamp:
        y = 3.0 * i - 500;
        break;
      case shShapeCount:
        break;
      }
      series.AddPoint(x, y, "", DefaultSeriesColor);
      if (shape == shEqualX)
        x += OneIn(4) ? 1 : 0;
      else if (shape == shClusters)
        x += OneIn(300) ? Uniform(50, 2000) : Uniform(0, 0.2);
      else
        x += 1;
    }
  }

  // The points as a load leaves them: X runs 1, 2, 3, ... and Y views one channel of
  // interleaved 16-bit frames (the values cut to 16 bits), with the load's summary.
  void ViewAsFrames(TChartSeries& series) {
    const int count = series.PointCount();
    auto frames = std::make_shared<std::vector<std::int16_t>>(2 * std::size_t(count));
    const std::size_t channel = std::size_t(Below(2));
    for (std::size_t i = 0; i < std::size_t(count); ++i) {
      (*frames)[2 * i + channel] = std::int16_t(std::clamp(series.YValues()[int(i)], -32768.0, 32767.0));
      (*frames)[2 * i + 1 - channel] = std::int16_t(Below(65536) - 32768);
    }
    const std::shared_ptr<const std::byte> bytes(frames, reinterpret_cast<const std::byte*>(frames->data()));
    auto summaries = SummariseRecords({}, bytes.get(), count);
    series.ViewPoints(LaneView(bytes, {}, channel, count, std::move(summaries[channel])));
  }

  // The viewed points drawn again from lists of their own.
  std::size_t DifferingFromACopy(TChartSeries& series) {
    Paint();
    const std::vector<std::uint32_t> viewed = Picture();
    std::vector<double> x, y;
    for (int i = 0; i < series.PointCount(); ++i) {
      x.push_back(series.XValues()[i]);
      y.push_back(series.YValues()[i]);
    }
    series.ClearPoints();
    series.AddPoints(x, y);
    Paint();
    const std::vector<std::uint32_t> copied = Picture();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < viewed.size(); ++i)
      differing += viewed[i] != copied[i];
    return differing;
  }

  // A view of the data: the whole, a zoom with fractional edges, far zooms, and vertical
  // ranges that cut the line or leave it entirely.
  void ChooseView(TChartSeries& series) {
    const double first = series.XValues().First();
    const double last = series.XValues().Last();
    const double span = last - first;
    switch (Below(6)) {
    case 0:
      FChart.BottomAxis().SetAutomatic(true);
      break;
    case 1: {
      const double low = first + Uniform(-0.1, 0.8) * span;
      FChart.BottomAxis().SetRange(low, low + Uniform(0.01, 0.5) * span);
      break;
    }
    case 2: {
      const double low = first + Uniform(0, 1) * span;
      FChart.BottomAxis().SetRange(low, low + Uniform(1, 30));
      break;
    }
    case 3: {
      // So far in that neighbours lie beyond the coordinate limit.
      const double low = first + Uniform(0, 1) * span;
      FChart.BottomAxis().SetRange(low, low + Uniform(1e-4, 1e-2));
      break;
    }
    case 4:
      FChart.BottomAxis().SetRange(first + 0.5, last - 0.5);
      break;
    default: {
      const double low = first + Uniform(0, 0.9) * span;
      FChart.BottomAxis().SetRange(low, low + Uniform(50, 3000));
      break;
    }
    }
    const double lowest = series.YValues().ListMinimum();
    const double highest = series.YValues().ListMaximum();
    const double height = std::max(highest - lowest, 1.0);
    switch (Below(5)) {
    case 0:
      FChart.LeftAxis().SetAutomatic(true);
      break;
    case 1:
      FChart.LeftAxis().SetRange(lowest + Uniform(0, 0.5) * height, lowest + Uniform(0.5, 1) * height);
      break;
    case 2:
      FChart.LeftAxis().SetRange(highest + height, highest + 2 * height);
      break;
    case 3:
      FChart.LeftAxis().SetRange(-Uniform(1, 100), Uniform(1, 100));
      break;
    default:
      FChart.LeftAxis().SetRange(lowest + 0.3 * height, lowest + 0.3 * height + 1e-3);
      break;
    }
  }

  void ChooseAxes() {
    const int offset = Below(2);
    for (TChartAxis* axis : {&FChart.LeftAxis(), &FChart.BottomAxis()}) {
      axis->SetMinimumOffset(offset);
      axis->SetMaximumOffset(offset);
    }
    FChart.BottomAxis().SetInverted(OneIn(6));
    FChart.LeftAxis().SetInverted(OneIn(6));
  }

  std::size_t DifferingPixels() {
    SetPlainSeriesDrawing(true);
    Paint();
    const std::vector<std::uint32_t> plain = Picture();
    SetPlainSeriesDrawing(false);
    // Twice: the first paint of a sparse view builds no summary, the second may use it.
    Paint();
    Paint();
    const std::vector<std::uint32_t> quick = Picture();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < plain.size(); ++i)
      differing += plain[i] != quick[i];
    return differing;
  }

  template <class Series>
  void RunTrials(int trials, void (SeriesShortcutChart::*configure)(Series&)) {
    Series& series = Add<Series>();
    series.SetSeriesColor(10708548);
    for (int trial = 0; trial < trials; ++trial) {
      series.ClearPoints();
      const auto shape = TShape(Below(shShapeCount));
      const int count = 2 + Below(OneIn(4) ? 200 : 20000);
      Fill(series, shape, count);
      if (OneIn(3))
        ViewAsFrames(series);
      ChooseAxes();
      (this->*configure)(series);
      const bool viewed = series.YValues().ValueArray().IsView();
      FViews += viewed;
      for (int view = 0; view < 3; ++view) {
        ChooseView(series);
        const std::size_t differing = DifferingPixels();
        ASSERT_EQ(differing, 0u) << "trial " << trial << " view " << view << ", " << ShapeName(shape) << ", "
                                 << count << " points, visible " << series.FirstVisible() << ".."
                                 << series.LastVisible() << ", forms " << int(series.XValues().Form()) << "/"
                                 << int(series.YValues().Form());
      }
      FXForms.insert(series.XValues().Form());
      FYForms.insert(series.YValues().Form());
      if (viewed) {
        ASSERT_EQ(DifferingFromACopy(series), 0u) << "trial " << trial << ", " << ShapeName(shape);
      }
    }
    // Every storage form of the values, and views, went through both drawings.
    EXPECT_EQ(FXForms.size(), 4u);
    EXPECT_EQ(FYForms.size(), 4u);
    EXPECT_GT(FViews, 10);
  }

  std::set<TValueForm> FXForms;
  std::set<TValueForm> FYForms;
  int FViews = 0;

public:
  void ConfigureFast(TFastLineSeries& series) {
    series.SetFastPen(OneIn(3));
    // Null points are drawn like any other point here, so the shortcut may still be taken.
    if (OneIn(4))
      for (int i = 0; i < series.PointCount(); i += 1 + Below(50))
        series.AddPoint(series.XValues().Last(), 0, "", clNone);
  }

  void ConfigureLine(TLineSeries& series) {
    series.Pointer().SetVisible(false);
    series.Shadow().SetSize(OneIn(5) ? 1 + Below(4) : 0);
    series.SetColorEachLine(!OneIn(5));
  }
};

TEST_F(SeriesShortcutChart, FastLineMatchesPointByPointOnRandomDataAndViews) {
  RunTrials<TFastLineSeries>(150, &SeriesShortcutChart::ConfigureFast);
}

TEST_F(SeriesShortcutChart, LineMatchesPerSegmentDrawingOnRandomDataAndViews) {
  RunTrials<TLineSeries>(150, &SeriesShortcutChart::ConfigureLine);
}

// The one rule over the walk's policy, for points dense enough for the column drawer.
TEST_F(SeriesShortcutChart, ColumnsOnlyForOnePlainLineOfOneColour) {
  TFastLineSeries& series = Add<TFastLineSeries>();
  for (int i = 0; i < 3000; ++i)
    series.AddPoint(i, i % 17, "", DefaultSeriesColor);
  Paint();
  TChartPen dashed, wide;
  dashed.SetStyle(psDash);
  wide.SetWidth(2);
  const TChartPen& plain = series.LinePen();
  struct TRow {
    const char* Name;
    bool ByColumns;
    TLinePolicy Policy;
  };
  const TRow rows[] = {
      {"plain", true, {.Pen = &plain}},
      {"not every point drawn", false, {.DrawAllPoints = false, .Pen = &plain}},
      {"stairs", false, {.Stairs = true, .Pen = &plain}},
      {"nulls drawn as points", true, {.TreatNulls = tnIgnore, .PointColors = true, .Pen = &plain}},
      {"nulls skipped", false, {.TreatNulls = tnSkip, .PointColors = true, .Pen = &plain}},
      {"nulls break the line", false, {.TreatNulls = tnDontPaint, .PointColors = true, .Pen = &plain}},
      {"segments in points' colours", false, {.PointColors = true, .SegmentColors = true, .Pen = &plain}},
      {"segments in one colour", true, {.SegmentColors = true, .Pen = &plain}},
      {"dashed pen", false, {.Pen = &dashed}},
      {"wide pen", false, {.Pen = &wide}},
      {"ends within the limit", true, {.CoordinateLimit = 32767, .Pen = &plain}},
      {"an end beyond the limit", false, {.CoordinateLimit = 10, .Pen = &plain}},
  };
  const TPointMapper mapper = FChart.PaintContextOf(series).PointMapper();
  const int plotWidth = FChart.PlotWidth();
  for (const TRow& row : rows)
    EXPECT_EQ(DrawsByColumns(row.Policy, series, mapper, 0, 2999, plotWidth), row.ByColumns) << row.Name;
  EXPECT_FALSE(DrawsByColumns({.Pen = &plain}, series, mapper, 2999, 0, plotWidth)) << "descending";
}

// A sequence whose values run into infinity is not finite, whichever list holds it: its summary
// says what one over the same values as doubles says, and both drawings agree.
TEST_F(SeriesShortcutChart, SequencesRunningIntoInfinityAreNotFinite) {
  struct TCase {
    double First, Step;
    int Count;
  };
  const TCase cases[] = {
      {0, 1e308, 3}, {0, -1e308, 3}, {0, 1e306, 3000}, {-1e300, -1e305, 5000}, {0, 1, 3000}};
  TFastLineSeries& fast = Add<TFastLineSeries>();
  TLineSeries& line = Add<TLineSeries>();
  for (const TCase& c : cases)
    for (const bool inX : {false, true}) {
      // An ascending X list takes no falling sequence.
      if (inX && c.Step < 0)
        continue;
      SCOPED_TRACE(::testing::PrintToString(c.First) + " step " + ::testing::PrintToString(c.Step) +
                   (inX ? " in X" : " in Y"));
      std::vector<double> sequence, index, other;
      for (int i = 0; i < c.Count; ++i) {
        sequence.push_back(TSequenceValues{c.First, c.Step}[std::size_t(i)]);
        index.push_back(i);
        other.push_back(i % 2 ? 10 : -10);
      }
      for (TChartSeries* series : {static_cast<TChartSeries*>(&fast), static_cast<TChartSeries*>(&line)}) {
        series->ClearPoints();
        series->AddPoints(inX ? sequence : index, inX ? other : sequence);
      }
      const TChartValueList& list = inX ? line.XValues() : line.YValues();
      ASSERT_EQ(list.Form(), vfSequence);
      TValueSummary plain;
      plain.Update(sequence.data(), c.Count, 1);
      EXPECT_EQ(list.Summary(true).AllFinite(), plain.AllFinite());
      EXPECT_EQ(list.Summary(true).Ascending(), plain.Ascending());
      FChart.LeftAxis().SetRange(-20, 20);
      FChart.BottomAxis().SetAutomatic(true);
      ExpectShortcutMatchesPlain("fixed vertical range");
      FChart.LeftAxis().SetAutomatic(true);
      ExpectShortcutMatchesPlain("automatic ranges");
    }
}

// Decoded float sound with NaN and infinities among its samples: each one breaks the line of both
// series whatever their null treatment, as null points under tnDontPaint break it, and the
// column shortcut, split at the gaps, draws the same pixels wherever it applies.
TEST_F(SeriesShortcutChart, GapsOfFloatSoundBreakTheLineInBothDrawings) {
  // Length gaps, Every points apart from First.
  struct TGaps {
    int First, Length, Every;
  };
  struct TCase {
    const char* Name;
    int Count;
    std::vector<TGaps> Gaps;
    // The zoomed view shows 400 points; this one stands just left of its edge.
    int ZoomFrom;
    bool WholeByColumns, ZoomedByColumns;
  };
  const TCase cases[] = {
      {"one in the middle", 2000, {{1000, 1, 1}}, 999, true, true},
      {"first", 2000, {{0, 1, 1}}, 0, true, true},
      {"run at the start", 2000, {{0, 7, 1}}, 3, true, true},
      {"last", 2000, {{1999, 1, 1}}, 1700, true, true},
      {"run at the end", 2000, {{1990, 10, 1}}, 1800, true, true},
      {"runs, dense", 20000, {{100, 5, 1}, {5000, 40, 1}, {5041, 3, 1}, {12000, 3, 1}}, 4999, true, true},
      {"single points between gaps", 20000, {{300, 50, 2}}, 299, true, true},
      {"spread, fewer than columns", 20000, {{50, 150, 97}}, 1023, true, true},
      {"more than columns", 20000, {{0, 1500, 13}}, 520, false, true},
      {"sparse", 60, {{10, 1, 1}, {30, 2, 1}}, 9, true, true},
      {"only gaps", 50, {{0, 50, 1}}, 10, true, true},
      {"more than the summary lists", 140000, {{0, 70000, 2}}, 139000, false, false},
  };
  const double gapValues[] = {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL};
  TFastLineSeries& fast = Add<TFastLineSeries>();
  TLineSeries& line = Add<TLineSeries>();
  line.Pointer().SetVisible(false);
  const auto differing = [](const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
      count += a[i] != b[i];
    return count;
  };
  for (const TCase& c : cases)
    for (const TValueForm form : {vfFloat32, vfFloat64}) {
      std::vector<double> values;
      for (int i = 0; i < c.Count; ++i)
        values.push_back(std::round(3000 * std::sin(i * 0.013)) + Uniform(-500, 500));
      std::size_t gapCount = 0;
      for (const TGaps& gaps : c.Gaps)
        for (int k = 0; k < gaps.Length; ++k)
          values[std::size_t(gaps.First + k * gaps.Every)] = gapValues[gapCount++ % 3];
      for (TChartSeries* series : {static_cast<TChartSeries*>(&fast), static_cast<TChartSeries*>(&line)}) {
        SCOPED_TRACE(std::string(c.Name) + (form == vfFloat32 ? ", float32" : ", float64") +
                     (series == &fast ? ", fast line" : ", line"));
        fast.SetActive(series == &fast);
        line.SetActive(series == &line);
        series->SetSeriesColor(10708548);
        series->ViewPoints(FloatSoundView(form, values));
        ASSERT_TRUE(series->YValues().SkipsNonFinite());
        std::vector<double> viewed;
        for (int i = 0; i < c.Count; ++i)
          viewed.push_back(series->YValues()[i]);
        // The axes range over the finite values, 0 when there are none.
        double lowest = 0, highest = 0;
        bool any = false;
        for (const double v : viewed)
          if (std::isfinite(v)) {
            lowest = any ? std::min(lowest, v) : v;
            highest = any ? std::max(highest, v) : v;
            any = true;
          }
        EXPECT_EQ(series->SmallestY(), lowest);
        EXPECT_EQ(series->LargestY(), highest);
        FChart.LeftAxis().SetRange(lowest - 100, highest + 100);

        const std::pair<double, double> views[] = {{0.5, c.Count + 0.5},
                                                   {c.ZoomFrom + 1.5, c.ZoomFrom + 401.5}};
        const bool byColumns[] = {c.WholeByColumns, c.ZoomedByColumns};
        std::vector<std::uint32_t> plain[2];
        for (int view = 0; view < 2; ++view) {
          FChart.BottomAxis().SetRange(views[view].first, views[view].second);
          SetPlainSeriesDrawing(true);
          Paint();
          plain[view] = Picture();
          SetPlainSeriesDrawing(false);
          const std::uint64_t draws = ColumnShortcutDraws();
          Paint();
          EXPECT_EQ(ColumnShortcutDraws() > draws, byColumns[view]) << "view " << view;
          EXPECT_EQ(differing(plain[view], Picture()), 0u) << "view " << view;
        }

        const auto treatNulls = static_cast<TCustomLineSeries*>(series)->TreatNulls();
        static_cast<TCustomLineSeries*>(series)->SetTreatNulls(tnDontPaint);
        series->ClearPoints();
        for (int i = 0; i < c.Count; ++i) {
          const double v = viewed[std::size_t(i)];
          series->AddPoint(i + 1, std::isfinite(v) ? v : 0, "",
                           std::isfinite(v) ? DefaultSeriesColor : clNone);
        }
        for (int view = 0; view < 2; ++view) {
          FChart.BottomAxis().SetRange(views[view].first, views[view].second);
          Paint();
          EXPECT_EQ(differing(plain[view], Picture()), 0u) << "null points, view " << view;
        }
        static_cast<TCustomLineSeries*>(series)->SetTreatNulls(treatNulls);
      }
    }
}

} // namespace
} // namespace chart::testing
