#include "chart/panel/Palette.h"

#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "tests/chart/FakeChartHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace chart {
namespace {

TChartSeries& Add(TChart& chart, std::unique_ptr<TChartSeries> series) {
  TChartSeries& added = *series;
  chart.AddSeries(std::move(series));
  return added;
}

TChartSeries& AddLine(TChart& chart, TColor explicitColor = DefaultSeriesColor) {
  auto series = std::make_unique<TLineSeries>();
  series->SetSeriesColor(explicitColor);
  return Add(chart, std::move(series));
}

std::vector<TColor> Colours(const TChart& chart) {
  std::vector<TColor> colours;
  for (int i = 0; i < chart.SeriesCount(); ++i)
    colours.push_back(chart.Series(i).Color());
  return colours;
}

TEST(PaletteTables, HoldTheirEntriesAndNothingOutsideOneToSeventeen) {
  const std::vector<std::size_t> sizes = {22, 11, 14, 8, 12, 9, 14, 25, 13, 16, 15, 15, 12, 8, 8, 4, 10};
  for (int index = 1; index <= 17; ++index)
    EXPECT_EQ(ColorPaletteTable(index).size(), sizes[std::size_t(index - 1)]) << index;
  EXPECT_TRUE(ColorPaletteTable(0).empty());
  EXPECT_TRUE(ColorPaletteTable(18).empty());
  EXPECT_TRUE(ColorPaletteTable(-1).empty());
  EXPECT_EQ(ColorPaletteTable(13)[0], 10708548u);
  EXPECT_EQ(ColorPaletteTable(13)[1], 3513587u);
  EXPECT_EQ(ColorPaletteTable(13)[2], 1330417u);
  EXPECT_EQ(ColorPaletteTable(8)[24], 0xFF00CCu);
  EXPECT_EQ(ColorPaletteTable(1)[21], 0xCC99FFu);

  ASSERT_EQ(DefaultColorPalette().size(), 20u);
  EXPECT_EQ(DefaultColorPalette()[0], 255u);
  EXPECT_EQ(DefaultColorPalette()[13], 12632256u);
  EXPECT_EQ(DefaultColorPalette()[19], 10789024u);
}

TEST(SeriesJoiningAChart, TakeTheFirstFreeColoursOfPaletteThirteen) {
  TChart chart;
  EXPECT_EQ(chart.ColorPaletteIndex(), 13);
  auto fast = std::make_unique<TFastLineSeries>();
  TFastLineSeries& first = *fast;
  chart.AddSeries(std::move(fast));
  AddLine(chart);
  AddLine(chart);
  EXPECT_EQ(Colours(chart), (std::vector<TColor>{10708548, 3513587, 1330417}));
  EXPECT_EQ(first.SeriesColor(), DefaultSeriesColor);
  EXPECT_EQ(first.AssignedColor(), 10708548u);
  EXPECT_EQ(first.LinePen().Color(), 10708548u);
  EXPECT_EQ(PaletteColor(chart.ColorPaletteIndex(), 13), 3513587u);
}

TEST(SeriesJoiningAChart, ExplicitColoursStayAndCountAsTaken) {
  TChart chart;
  TChartSeries& fixed = AddLine(chart, 0xA36644);
  TChartSeries& free = AddLine(chart);
  EXPECT_EQ(free.Color(), 0x359CF3u);

  chart.SetColorPaletteIndex(15);
  EXPECT_EQ(fixed.Color(), 0xA36644u);
  EXPECT_EQ(free.Color(), 0x6B402Bu);
  chart.SetColorPaletteIndex(13);
  EXPECT_EQ(free.Color(), 0x359CF3u);
}

TEST(SelectingAPalette, OutsideTheTablesFallsBackToTheDefaultPalette) {
  for (int index : {0, 99}) {
    TChart chart;
    AddLine(chart);
    AddLine(chart);
    chart.SetColorPaletteIndex(index);
    EXPECT_EQ(chart.ColorPaletteIndex(), index);
    EXPECT_TRUE(chart.ChartPalette().empty());
    EXPECT_EQ(Colours(chart), (std::vector<TColor>{255, 32768})) << index;
  }
}

TEST(SelectingAPalette, RepaintsOnlyWhenTheIndexChanges) {
  testing::TFakeChartHost host(64, 64);
  TChart chart;
  chart.SetHost(&host);
  const int before = host.Invalidations;
  chart.SetColorPaletteIndex(13);
  EXPECT_EQ(host.Invalidations, before);
  chart.SetColorPaletteIndex(4);
  EXPECT_EQ(host.Invalidations, before + 1);
  EXPECT_EQ(chart.ChartPalette().size(), 8u);
}

TEST(SelectingAPalette, MoreSeriesThanColoursWrapToTheLastEntry) {
  TChart chart;
  for (int i = 0; i < 13; ++i)
    AddLine(chart);
  const std::vector<TColor> colours = Colours(chart);
  EXPECT_EQ(colours[11], 0xB4B4B4u);
  EXPECT_EQ(colours[12], 0xB4B4B4u);
  EXPECT_EQ(colours[10], 0x8DEAF3u);
}

TEST(SelectingAPalette, ColoursOfThePanelAndBackWallAreSkipped) {
  TChart chart;
  chart.SetColorPaletteIndex(0);
  for (int i = 0; i < 14; ++i)
    AddLine(chart);
  EXPECT_EQ(chart.Series(12).Color(), 8388736u);
  EXPECT_EQ(chart.Series(13).Color(), 16776960u);
  EXPECT_TRUE(IsFreeSeriesColor(chart, chart.BackWallColor(), false, nullptr));
  EXPECT_FALSE(IsFreeSeriesColor(chart, chart.BackWallColor(), true, nullptr));
  EXPECT_FALSE(IsFreeSeriesColor(chart, 255, false, nullptr));
  EXPECT_TRUE(IsFreeSeriesColor(chart, 255, false, &chart.Series(0)));
}

TEST(PaletteByIndex, ServesAnyChartWithSeriesAndWrapsBothWays) {
  EXPECT_EQ(PaletteColor(13, 12), 10708548u); // past the end: from the start again
  EXPECT_EQ(PaletteColor(13, -1), 0xB4B4B4u); // before the start: the last entry
  EXPECT_EQ(PaletteColor(0, 20), 255u);       // no table: the default palette
  EXPECT_EQ(PaletteInForce(-3).size(), DefaultColorPalette().size());

  TCustomChart plain; // a chart without a palette of its own
  auto owned = std::make_unique<TLineSeries>();
  TLineSeries& series = *owned;
  plain.AddSeries(std::move(owned));
  EXPECT_EQ(FindFreeSeriesColor(plain, 16, true, nullptr), 0x5AE6C8u);
  ReassignSeriesColors(plain, 16);
  EXPECT_EQ(series.Color(), 0x5AE6C8u);
  EXPECT_EQ(FindFreeSeriesColor(plain, 16, true, nullptr), 0xDC965Au);
  EXPECT_EQ(FindFreeSeriesColor(plain, 16, true, &series), 0x5AE6C8u);
}

TEST(ChartConstruction, StartsOnTheUsersDefaultPaletteWhenOneIsSet) {
  SetDefaultPaletteReader([] { return std::optional<int>(7); });
  TChart chosen;
  SetDefaultPaletteReader([] { return std::optional<int>(); });
  TChart unset;
  SetDefaultPaletteReader(nullptr);
  EXPECT_EQ(chosen.ColorPaletteIndex(), 7);
  EXPECT_EQ(chosen.ChartPalette().size(), 14u);
  EXPECT_EQ(unset.ColorPaletteIndex(), 13);
}

} // namespace
} // namespace chart
