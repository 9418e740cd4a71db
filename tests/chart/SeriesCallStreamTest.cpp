// What a whole paint asks of the surface (lines, pens, brushes, clips, groups) for both line
// series in every way they draw, kept as a digest of the recorded call stream: a change in the
// way the series or the layout are organised must not change one call.
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"

#include "SeriesPaintFixture.h"

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace chart::testing {
namespace {

// FNV-1a over the calls, each ended by a new line.
std::uint64_t Digest(const std::vector<std::string>& calls) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const std::string& call : calls)
    for (const char c : call + '\n') {
      hash ^= std::uint8_t(c);
      hash *= 1099511628211ull;
    }
  return hash;
}

// A wave of `count` points with a tooth every seventh point and, where `nulls`, every eleventh
// point null.
void AddWave(TChartSeries& series, int count, bool nulls = false) {
  for (int i = 0; i < count; ++i) {
    const double y = 40 * std::sin(i * 0.3) + (i % 7 == 0 ? 25 : 0);
    series.AddPoint(i, y, "", nulls && i % 11 == 5 ? clNone : DefaultSeriesColor);
  }
}

std::vector<double> WaveValues(int count, int gapEvery) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i)
    values.push_back(i % gapEvery == 3 ? std::nan("") : 40 * std::sin(i * 0.05));
  return values;
}

struct TStreamCase {
  const char* Name;
  std::function<void(TChart&)> Build;
  std::size_t Calls;
  std::uint64_t Digest;
};

template <class Series>
Series& Join(TChart& chart) {
  auto owned = std::make_unique<Series>();
  Series& series = *owned;
  chart.AddSeries(std::move(owned));
  return series;
}

TLineSeries& JoinLine(TChart& chart) {
  TLineSeries& series = Join<TLineSeries>(chart);
  series.Pointer().SetVisible(false);
  return series;
}

void Zoom(TChart& chart, double x0, double x1, double y0, double y1) {
  chart.BottomAxis().SetRange(x0, x1);
  chart.LeftAxis().SetRange(y0, y1);
}

// A wave dense enough for the column shortcut, in a series set up by `configure`.
template <class Series>
std::function<void(TChart&)> Dense(std::function<void(Series&)> configure, bool nulls = false) {
  return [=](TChart& c) {
    Series& s = Join<Series>(c);
    if constexpr (std::is_same_v<Series, TLineSeries>)
      s.Pointer().SetVisible(false);
    configure(s);
    AddWave(s, 3000, nulls);
  };
}

const TStreamCase StreamCases[] = {
    {"fast plain", [](TChart& c) { AddWave(Join<TFastLineSeries>(c), 60); }, 224, 7897429604354189074ull},
    {"fast dashed",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.LinePen().SetStyle(psDash);
       AddWave(s, 60);
     },
     224, 3150843053452142425ull},
    {"fast wide",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.LinePen().SetWidth(3);
       AddWave(s, 60);
     },
     225, 5635613115726206725ull},
    {"fast stairs",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.SetStairs(true);
       AddWave(s, 60);
     },
     283, 2666258609607955460ull},
    {"fast inverted stairs",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.SetStairs(true);
       s.SetInvertedStairs(true);
       AddWave(s, 60);
     },
     283, 2882821230515542687ull},
    {"fast nulls ignored", [](TChart& c) { AddWave(Join<TFastLineSeries>(c), 60, true); }, 224,
     7897429604354189074ull},
    {"fast nulls skipped",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.SetTreatNulls(tnSkip);
       AddWave(s, 60, true);
       Zoom(c, 5.5, 40, -80, 80);
     },
     188, 3730722676895526333ull},
    {"fast nulls not painted",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.SetTreatNulls(tnDontPaint);
       AddWave(s, 60, true);
     },
     219, 16752043863558794703ull},
    {"fast first of a column",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.SetDrawAllPoints(false);
       AddWave(s, 3000, true);
     },
     424, 1132300783157923766ull},
    {"fast min max",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.SetDrawAllPoints(false);
       s.SetDrawAllPointsStyle(daMinMax);
       AddWave(s, 3000, true);
     },
     928, 5695555363987496432ull},
    {"fast pen",
     [](TChart& c) {
       TFastLineSeries& s = Join<TFastLineSeries>(c);
       s.SetFastPen(true);
       AddWave(s, 60);
     },
     226, 10873313197020843206ull},
    {"fast zoomed", [](TChart& c) { AddWave(Join<TFastLineSeries>(c), 60), Zoom(c, 10.5, 30.2, -30, 50); },
     198, 1919858671939497912ull},
    {"fast gaps",
     [](TChart& c) { Join<TFastLineSeries>(c).ViewPoints(FloatSoundView(vfFloat32, WaveValues(80, 9))); },
     225, 17350710783201022323ull},
    {"fast columns", [](TChart& c) { AddWave(Join<TFastLineSeries>(c), 20000); }, 1139,
     11988703607865127009ull},
    {"fast columns with gaps",
     [](TChart& c) {
       Join<TFastLineSeries>(c).ViewPoints(FloatSoundView(vfFloat64, WaveValues(20000, 997)));
       Zoom(c, 100, 15000, -50, 50);
     },
     966, 13858838554393853862ull},
    {"fast columns dashed", Dense<TFastLineSeries>([](auto& s) { s.LinePen().SetStyle(psDash); }), 3131,
     10886506210948750450ull},
    {"fast columns stairs", Dense<TFastLineSeries>([](auto& s) { s.SetStairs(true); }), 6090,
     10763318435816262050ull},
    {"fast columns nulls ignored", Dense<TFastLineSeries>([](auto&) {}, true), 971, 13019293201795059262ull},
    {"fast columns nulls not painted",
     Dense<TFastLineSeries>([](auto& s) { s.SetTreatNulls(tnDontPaint); }, true), 2860,
     11443804994514961625ull},
    {"fast columns fast pen", Dense<TFastLineSeries>([](auto& s) { s.SetFastPen(true); }), 973,
     9644125095667152960ull},
    {"fast columns drawn point by point", Dense<TFastLineSeries>([](auto&) { SetPlainSeriesDrawing(true); }),
     3131, 18068289988128308737ull},
    {"line plain", [](TChart& c) { AddWave(JoinLine(c), 60); }, 217, 17403473974018507569ull},
    {"line dashed",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.LinePen().SetStyle(psDot);
       AddWave(s, 60);
     },
     390, 14924903338432989014ull},
    {"line wide",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.LinePen().SetWidth(4);
       AddWave(s, 60);
     },
     390, 5906341631224995651ull},
    {"line stairs",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.SetStairs(true);
       AddWave(s, 60);
       Zoom(c, 10.5, 30.2, -30, 50);
     },
     279, 14078903658445578417ull},
    {"line inverted stairs",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.SetStairs(true);
       s.SetInvertedStairs(true);
       AddWave(s, 60);
     },
     457, 5644826166840132711ull},
    {"line nulls not painted", [](TChart& c) { AddWave(JoinLine(c), 60, true); }, 360,
     4031208916872538365ull},
    {"line nulls skipped",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.SetTreatNulls(tnSkip);
       AddWave(s, 60, true);
       Zoom(c, 5.5, 40, -80, 80);
     },
     283, 11271244202241674677ull},
    {"line nulls ignored",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.SetTreatNulls(tnIgnore);
       AddWave(s, 60, true);
     },
     400, 15747868315256038832ull},
    {"line one colour from the pen",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.SetColorEachLine(false);
       s.LinePen().SetColor(clRed);
       AddWave(s, 60);
     },
     217, 12382254403780521786ull},
    {"line zoomed", [](TChart& c) { AddWave(JoinLine(c), 60), Zoom(c, 10.5, 30.2, -30, 50); }, 202,
     9603578201766816273ull},
    {"line beyond the coordinate limit",
     [](TChart& c) { AddWave(JoinLine(c), 60), Zoom(c, 10.4, 10.40001, -30, 50); }, 178,
     4514335898902485153ull},
    {"line inverted axis",
     [](TChart& c) {
       AddWave(JoinLine(c), 60);
       c.BottomAxis().SetInverted(true);
       Zoom(c, 10.5, 30.2, -30, 50);
     },
     254, 16380766043403784168ull},
    {"line outline and shadow",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       s.OutLine().SetVisible(true);
       s.OutLine().SetWidth(2);
       s.Shadow().SetSize(3);
       AddWave(s, 60);
     },
     468, 12150574765963993526ull},
    {"line gaps", [](TChart& c) { JoinLine(c).ViewPoints(FloatSoundView(vfFloat64, WaveValues(80, 9))); },
     221, 1173243881439637848ull},
    {"line columns", [](TChart& c) { AddWave(JoinLine(c), 20000); }, 1135, 15929420677985528384ull},
    {"line columns with gaps",
     [](TChart& c) {
       JoinLine(c).ViewPoints(FloatSoundView(vfFloat32, WaveValues(20000, 997)));
       Zoom(c, 100, 15000, -50, 50);
     },
     987, 11332789371611738099ull},
    {"line columns wide", Dense<TLineSeries>([](auto& s) { s.LinePen().SetWidth(2); }), 12031,
     16090071982843519624ull},
    {"line columns stairs", Dense<TLineSeries>([](auto& s) { s.SetStairs(true); }), 14964,
     14781663418912815952ull},
    {"line columns nulls ignored", Dense<TLineSeries>([](auto& s) { s.SetTreatNulls(tnIgnore); }, true),
     12577, 4970305426561583464ull},
    {"line columns shadow and outline", Dense<TLineSeries>([](auto& s) {
       s.OutLine().SetVisible(true);
       s.Shadow().SetSize(2);
     }),
     10654, 1326632344251167956ull},
    {"line columns one colour from the pen", Dense<TLineSeries>([](auto& s) {
       s.SetColorEachLine(false);
       s.LinePen().SetColor(clRed);
     }),
     974, 12911418613186313416ull},
    {"line columns inverted axis", Dense<TLineSeries>([](auto& s) { s.GetHorizAxis()->SetInverted(true); }),
     12031, 5106288657698718769ull},
    {"line columns ending beyond the coordinate limit",
     [](TChart& c) {
       TLineSeries& s = JoinLine(c);
       AddWave(s, 3000);
       s.AddPoint(1e7, 0, "", DefaultSeriesColor);
       Zoom(c, 0, 3000, -80, 80);
     },
     11761, 5734325355229876130ull},
    {"both series zoomed",
     [](TChart& c) {
       AddWave(Join<TFastLineSeries>(c), 5000);
       AddWave(JoinLine(c), 5000, true);
       Zoom(c, 1000.5, 4000, -60, 60);
     },
     11564, 9909616723148967753ull},
};

TEST(SeriesCallStream, EveryWayOfDrawingAsks) {
  for (const TStreamCase& streamCase : StreamCases) {
    TChart chart;
    chart.SetSize(300, 200);
    streamCase.Build(chart);
    std::vector<std::string> calls;
    chart.Canvas().RecordCalls(&calls);
    chart.DrawChart(TRect{0, 0, 300, 200});
    chart.Canvas().RecordCalls(nullptr);
    // The switch is global: no case leaves it on.
    SetPlainSeriesDrawing(false);
    EXPECT_EQ(calls.size(), streamCase.Calls) << streamCase.Name;
    EXPECT_EQ(Digest(calls), streamCase.Digest) << streamCase.Name;
  }
}

// Without a repaint an added point draws its piece of line on the window with the last paint's
// axes and frame.
TEST(SeriesCallStream, AddedPointDrawsAtOnce) {
  TChart chart;
  chart.SetSize(300, 200);
  TFastLineSeries& series = Join<TFastLineSeries>(chart);
  series.SetStairs(true);
  AddWave(series, 30);
  Zoom(chart, 0, 40, -80, 80);
  chart.DrawChart(TRect{0, 0, 300, 200});
  series.SetAutoRepaint(false);
  std::vector<std::string> calls;
  chart.Canvas().RecordCalls(&calls);
  series.AddPoint(31, 12, "", DefaultSeriesColor);
  series.AddPoint(32, NAN, "", clNone);
  chart.Canvas().RecordCalls(nullptr);
  EXPECT_EQ(calls.size(), 8u);
  EXPECT_EQ(Digest(calls), 16502561870005864416ull);
}

// Between paints a point is drawn where the last paint's context places it, though the axes
// have a new range for the next paint.
TEST(SeriesCallStream, AddedPointDrawsWithTheLastPaintsContext) {
  TChart chart;
  chart.SetSize(300, 200);
  TFastLineSeries& series = Join<TFastLineSeries>(chart);
  AddWave(series, 30);
  chart.DrawChart(TRect{0, 0, 300, 200});
  const TPointMapper last = chart.PaintContextOf(series).PointMapper();
  Zoom(chart, 0, 40, -80, 80);
  series.SetAutoRepaint(false);
  std::vector<std::string> calls;
  chart.Canvas().RecordCalls(&calls);
  series.AddPoint(31, 12, "", DefaultSeriesColor);
  chart.Canvas().RecordCalls(nullptr);
  const auto call = [&](const char* name, double x, double y) {
    return std::string(name) + ' ' + std::to_string(last.X(x)) + ' ' + std::to_string(last.Y(y));
  };
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[calls.size() - 2], call("MoveTo", 29, series.YValues()[29]));
  EXPECT_EQ(calls.back(), call("LineTo", 31, 12));

  chart.DrawChart(TRect{0, 0, 300, 200});
  EXPECT_NE(chart.PaintContextOf(series).PointMapper().X(31), last.X(31));
}

} // namespace
} // namespace chart::testing
