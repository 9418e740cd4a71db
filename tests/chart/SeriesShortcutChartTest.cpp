// Both line series on a real chart, drawn point by point and with the column shortcut, over
// random data shapes, random views and values viewed in loaded frames: the two pictures must not
// differ in a single pixel, and viewed values must draw as a copy of them does.
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/values/FrameSummary.h"

#include "SeriesPaintFixture.h"

#include <cmath>
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

} // namespace
} // namespace chart::testing
