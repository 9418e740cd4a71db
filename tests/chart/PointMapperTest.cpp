#include "AxisTestChart.h"

#include "chart/series/PointMapper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace chart;
using axistest::AxisTestChart;

namespace {

TAxisMapping Mapping(bool horizontal, bool inverted, double minimum, double maximum, int start, int end) {
  TAxisMapping m;
  m.SetDirection(horizontal, inverted);
  m.SetPixels(start, end);
  m.SetRange(minimum, maximum);
  return m;
}

struct MapperCase {
  const char* Name;
  TAxisMapping Horizontal;
  TAxisMapping Vertical;
  bool RoundExtended;
  int OffsetX;
  int OffsetY;
};

} // namespace

// The mapper must place every value where the axis itself would, plus the pass offset, in both
// roundings: on halves, outside the range, at the saturation limit and for NaN.
TEST(PointMapper, PlacesValuesAsTheAxesDoPlusThePassOffset) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double values[] = {-1e300, -10, -0.5, 0, 0.25, 2.5, 3.5, 49.999, 50, 100, 1e6, 1e300, nan};
  const MapperCase cases[] = {
      {"plain", Mapping(true, false, 0, 100, 40, 840), Mapping(false, false, -100, 100, 20, 270), false, 0,
       0},
      {"fast", Mapping(true, false, 0, 10, 100, 110), Mapping(false, false, 0, 10, 100, 110), true, 0, 0},
      {"inverted", Mapping(true, true, 0, 10, 0, 100), Mapping(false, true, 0, 10, 0, 100), false, 0, 0},
      {"shadow pass", Mapping(true, false, 0, 100, 40, 840), Mapping(false, false, 0, 1, 20, 270), true, 3,
       -2},
      {"zero range", Mapping(true, false, 5, 5, 40, 840), Mapping(false, false, 7, 7, 20, 270), false, 1, 1},
  };
  for (const MapperCase& c : cases) {
    const TPointMapper mapper =
        TPointMapper(c.Horizontal, c.Vertical, c.RoundExtended).Shifted(c.OffsetX, c.OffsetY);
    for (double v : values) {
      EXPECT_EQ(mapper.X(v), c.Horizontal.ValueToPixel(v, c.RoundExtended) + c.OffsetX)
          << c.Name << " x " << v;
      EXPECT_EQ(mapper.Y(v), c.Vertical.ValueToPixel(v, c.RoundExtended) + c.OffsetY) << c.Name << " y " << v;
    }
    EXPECT_EQ(mapper.XInverted(), c.Horizontal.Inverted()) << c.Name;
    // The value under a pixel of the pass is the one under the unshifted pixel.
    EXPECT_EQ(mapper.XValueAt(500 + c.OffsetX), c.Horizontal.PixelToValue(500)) << c.Name;
  }
}

TEST(PointMapper, ShiftsAddUp) {
  const TPointMapper base(Mapping(true, false, 0, 100, 40, 840), Mapping(false, false, 0, 100, 20, 270),
                          false);
  const TPointMapper twice = base.Shifted(2, 3).Shifted(-5, 1);
  EXPECT_EQ(twice.X(50), base.X(50) - 3);
  EXPECT_EQ(twice.Y(50), base.Y(50) + 4);
}

// A series is handed the mappings of the axes it is attached to, as they stand when its context is made.
TEST(PointMapper, SeriesUsesItsOwnAxes) {
  AxisTestChart t;
  auto& series = t.AddRamp(0, 100, 0, 10);
  series.SetHorizAxis(aTopAxis);
  series.SetVertAxis(aRightAxis);
  t.SetPlotRect(40, 20, 840, 270);
  TChartAxis& top = t.Chart.TopAxis();
  TChartAxis& right = t.Chart.RightAxis();
  t.Plan(top);
  t.Plan(right);
  top.SetInverted(true);
  const TPointMapper mapper = t.Chart.PaintContextOf(series).PointMapper();
  for (double v : {0.0, 5.0, 33.3, 100.0}) {
    EXPECT_EQ(mapper.X(v), top.ValueToPixel(v)) << v;
    EXPECT_EQ(mapper.Y(v / 10), right.ValueToPixel(v / 10)) << v;
  }
  EXPECT_TRUE(mapper.XInverted());
  EXPECT_NE(mapper.X(0), t.Chart.BottomAxis().ValueToPixel(0));
}
