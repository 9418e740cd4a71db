// The window's chart and series property values, applied as a loaded layout.
#include "app/core/FormChartsLayout.h"

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/panel/Palette.h"

#include <gtest/gtest.h>

#include <memory>

namespace app {
namespace {

// Both charts: panel, walls, fonts, palette and the look of all six axes.
void ExpectSharedLayout(chart::TChart& chart) {
  EXPECT_FALSE(chart.View3D());
  EXPECT_FALSE(chart.Legend().Visible());
  EXPECT_EQ(chart.Title().Text(), std::vector<std::string>{"TChart"});
  EXPECT_TRUE(chart.Gradient().Visible());
  EXPECT_EQ(chart.Gradient().Direction(), chart::gdBottomTop);
  EXPECT_EQ(chart.Gradient().StartColor(), 15395562u);
  EXPECT_EQ(chart.Gradient().MidColor(), 15395562u);
  EXPECT_EQ(chart.Gradient().EndColor(), chart::clWhite);
  const chart::TChartGradient& wall = chart.BackWall().Brush().Gradient();
  EXPECT_TRUE(wall.Visible());
  EXPECT_EQ(wall.Direction(), chart::gdBottomTop);
  EXPECT_EQ(wall.StartColor(), 15395562u);
  EXPECT_EQ(wall.EndColor(), chart::clWhite);
  EXPECT_EQ(wall.MidColor(), chart::clNone);
  EXPECT_FALSE(chart.BackWall().Transparent());
  EXPECT_EQ(chart.LeftWall().Color(), 14745599u);
  EXPECT_EQ(chart.RightWall().Color(), 14745599u);
  EXPECT_EQ(chart.ColorPaletteIndex(), 13);
  for (const chart::TChartFont* font : {&chart.Title().Font(), &chart.SubTitle().Font(), &chart.Foot().Font(),
                                        &chart.SubFoot().Font(), &chart.Legend().Font()})
    EXPECT_EQ(font->Name(), "Verdana");
  ASSERT_EQ(chart.Axes.Count(), 6);
  for (int i = 0; i < chart.Axes.Count(); ++i) {
    chart::TChartAxis& axis = chart.Axes[i];
    EXPECT_EQ(axis.Axis().Color(), 4210752u) << i;
    EXPECT_EQ(axis.Grid().Color(), 11119017u) << i;
    EXPECT_EQ(axis.TicksInner().Color(), 11119017u) << i;
    EXPECT_EQ(axis.LabelsFont().Name(), "Verdana") << i;
    EXPECT_EQ(axis.Title().Font().Name(), "Verdana") << i;
  }
}

void ExpectSeriesLayout(chart::TCustomLineSeries& series) {
  EXPECT_EQ(series.LinePen().Color(), 10708548u);
  EXPECT_EQ(series.Color(), 10708548u);
  EXPECT_EQ(series.XValues().Name(), "X");
  EXPECT_EQ(series.XValues().Order(), chart::loAscending);
  EXPECT_EQ(series.YValues().Name(), "Y");
  EXPECT_EQ(series.YValues().Order(), chart::loNone);
  chart::TSeriesMarks& marks = series.Marks();
  EXPECT_FALSE(marks.Visible());
  EXPECT_TRUE(marks.Arrow().Visible());
  EXPECT_TRUE(marks.Callout().Arrow().Visible());
  EXPECT_EQ(marks.Callout().Brush().Color(), chart::clBlack);
  EXPECT_EQ(marks.ShapeStyle(), chart::fosRoundRectangle);
}

TEST(FormChartsLayout, UpperChartCarriesTheSharedValuesAndOnePixelOffsets) {
  // Whatever the user's palette, the layout puts both charts on palette 13.
  chart::SetDefaultPaletteReader([] { return std::optional<int>(4); });
  chart::TChart chart;
  chart::SetDefaultPaletteReader(nullptr);
  auto owned = std::make_unique<chart::TFastLineSeries>();
  chart::TFastLineSeries& series = *owned;
  chart.AddSeries(std::move(owned));
  ApplyChart1Layout(chart, series);

  ExpectSharedLayout(chart);
  ExpectSeriesLayout(series);
  for (chart::TChartAxis* axis : {&chart.LeftAxis(), &chart.BottomAxis()}) {
    EXPECT_EQ(axis->MinimumOffset(), 1);
    EXPECT_EQ(axis->MaximumOffset(), 1);
  }
  EXPECT_EQ(chart.TopAxis().MinimumOffset(), 0);
  EXPECT_FALSE(chart.IsLoading());
  EXPECT_TRUE(chart.RepaintAllowed());
}

TEST(FormChartsLayout, LowerChartKeepsDefaultOffsetsAndHidesThePointer) {
  chart::TChart chart;
  auto owned = std::make_unique<chart::TLineSeries>();
  chart::TLineSeries& series = *owned;
  chart.AddSeries(std::move(owned));
  ApplyChart2Layout(chart, series);

  ExpectSharedLayout(chart);
  ExpectSeriesLayout(series);
  for (chart::TChartAxis* axis : {&chart.LeftAxis(), &chart.BottomAxis()}) {
    EXPECT_EQ(axis->MinimumOffset(), 0);
    EXPECT_EQ(axis->MaximumOffset(), 0);
  }
  EXPECT_FALSE(series.Pointer().Visible());
  EXPECT_EQ(series.Pointer().Style(), chart::psRectangle);
  EXPECT_TRUE(series.Pointer().InflateMargins());
  EXPECT_EQ(series.Brush().BackColor(), chart::clDefault);
}

} // namespace
} // namespace app
