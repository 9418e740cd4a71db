// Axis ranges at the edges of what a double holds: subnormal, huge, overflowing, infinite, NaN.
#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "tests/chart/FakeChartHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <unistd.h>

namespace chart {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

void SetFixedRange(TChartAxis& axis, double minimum, double maximum) {
  axis.SetAutomatic(false);
  // In this order the checks of Minimum <= Maximum never see the old range.
  axis.SetMinimum(-Infinity);
  axis.SetMaximum(maximum);
  axis.SetMinimum(minimum);
}

// A finite value of the range must land within the axis's pixel extent: a scale that is not
// finite must not throw it to the far end of the coordinate range.
void ExpectInsideAxis(const TChartAxis& axis, double value, const char* name) {
  if (!std::isfinite(value))
    return;
  const int pixel = axis.ValueToPixel(value);
  EXPECT_GE(pixel, std::min(axis.StartPixel(), axis.EndPixel())) << name << " " << value;
  EXPECT_LE(pixel, std::max(axis.StartPixel(), axis.EndPixel())) << name << " " << value;
}

TEST(DegenerateRange, EveryPaintEndsAndFiniteValuesMapInsideTheAxis) {
  // A search that never ends shows as the process ending on SIGALRM rather than a stalled suite.
  ::alarm(120);
  const double largest = std::numeric_limits<double>::max();
  const struct {
    double Minimum, Maximum;
  } ranges[] = {
      {0, 0},     {0, 5e-324},     {0, 1e-322},         {0, 1e-320},   {0, 1e-310},           {0, 1e-300},
      {0, 1e300}, {-1e308, 1e308}, {-largest, largest}, {0, Infinity}, {-Infinity, Infinity}, {0, NaN}};
  for (const auto& range : ranges) {
    testing::TFakeChartHost host(300, 200);
    TChart chart;
    chart.SetView3D(false);
    auto fast = std::make_unique<TFastLineSeries>();
    auto line = std::make_unique<TLineSeries>();
    for (double v : {range.Minimum, range.Maximum, range.Minimum / 2 + range.Maximum / 2}) {
      fast->AddPoint(v, v, "", DefaultSeriesColor);
      line->AddPoint(v, v, "", DefaultSeriesColor);
    }
    chart.AddSeries(std::move(fast));
    chart.AddSeries(std::move(line));
    for (TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
      SetFixedRange(*axis, range.Minimum, range.Maximum);
      // Offsets take the path that reads the range back from the shrunk pixel extent.
      axis->SetMinimumOffset(1);
      axis->SetMaximumOffset(1);
    }
    chart.SetHost(&host);
    chart.PaintMessage();
    for (const TChartAxis* axis : {&chart.BottomAxis(), &chart.LeftAxis()}) {
      SCOPED_TRACE(::testing::PrintToString(range.Minimum) + " .. " +
                   ::testing::PrintToString(range.Maximum));
      ExpectInsideAxis(*axis, range.Minimum, "minimum");
      ExpectInsideAxis(*axis, range.Maximum, "maximum");
      ExpectInsideAxis(*axis, range.Minimum / 2 + range.Maximum / 2, "middle");
      if (std::isfinite(range.Minimum) && std::isfinite(range.Maximum)) {
        EXPECT_FALSE(std::isnan(axis->PixelToValue(axis->Mapping().CenterPixel)));
      }
    }
    chart.SetHost(nullptr);
  }
  ::alarm(0);
}

} // namespace
} // namespace chart
