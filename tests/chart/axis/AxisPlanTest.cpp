// The stages of an axis plan on the worked examples, without a chart: texts measure 6 x 13 a character.
#include "chart/axis/AxisFormat.h"
#include "chart/axis/AxisPlanLabels.h"
#include "chart/axis/AxisPlanRange.h"
#include "chart/axis/AxisPlanRoom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace chart;

namespace {

class TFixedMetrics final : public TLabelMetrics {
public:
  std::string Text(double value) override { return FormatFloatPicture("#,##0.###", value, {}); }
  int TextWidth(std::string_view text) override { return 6 * int(text.size()); }
  int FontHeight() override { return 13; }
};

TAxisSettings Bottom(int offset = 0) {
  TAxisSettings s;
  s.MinimumOffset = s.MaximumOffset = offset;
  return s;
}

TAxisSettings Left(int offset = 0) {
  TAxisSettings s = Bottom(offset);
  s.Horizontal = false;
  return s;
}

TAxisSeriesData Data(double minimum, double maximum, std::int64_t points) {
  TAxisSeriesData d;
  d.HasActiveSeries = d.ChartHasActiveSeries = true;
  d.Minimum = minimum;
  d.Maximum = maximum;
  d.FewestXPoints = points;
  return d;
}

// Range, placement along [origin, origin + size] and margins, as a paint runs them.
TAxisMapping Mapped(const TAxisSettings& s, const TAxisSeriesData& data, int origin, int size,
                    int margin = 0) {
  return ApplyAxisMargins(s, PlaceAxis(s, AdjustRange(s, data), origin, size), {margin, margin});
}

std::vector<std::string> Texts(const TAxisLabels& labels) {
  std::vector<std::string> texts;
  for (const TAxisItem& item : labels.Items)
    texts.push_back(item.Text);
  return texts;
}

} // namespace

TEST(AxisPlan, ShownWhileTheChartShowsAxesAndAnActiveSeriesIsAttached) {
  TAxisSeriesData none, other, attached = Data(0, 1, 2);
  other.ChartHasActiveSeries = true;
  TAxisSettings depth;
  depth.Depth = true;
  const struct {
    TAxisSettings Settings;
    TAxisSeriesData Data;
    bool ChartAxisVisible, Shown;
  } table[] = {{Bottom(), none, true, true},
               {Bottom(), attached, true, true},
               {Bottom(), other, true, false},
               {Bottom(), attached, false, false},
               {depth, none, true, false}};
  for (const auto& row : table)
    EXPECT_EQ(PlanIsShown(row.Settings, row.Data, row.ChartAxisVisible), row.Shown)
        << row.Data.ChartHasActiveSeries << row.Data.HasActiveSeries << row.ChartAxisVisible;
}

TEST(AxisPlan, AutomaticEndsComeFromTheSeriesAndFixedOnesStay) {
  TAxisSettings fixed = Bottom();
  fixed.Automatic = fixed.AutomaticMinimum = fixed.AutomaticMaximum = false;
  fixed.Minimum = 3;
  fixed.Maximum = 5;
  EXPECT_EQ(AdjustRange(fixed, Data(1, 1000, 1000)).Minimum, 3);
  fixed.AutomaticMaximum = true;
  EXPECT_EQ(AdjustRange(fixed, Data(1, 1000, 1000)).Maximum, 1000);
  EXPECT_EQ(AdjustRange(fixed, Data(1, 1000, 1000)).Minimum, 3);
}

TEST(AxisPlan, OffsetsAndSeriesMarginsWidenTheRange) {
  TAxisSettings maxOffset = Bottom();
  maxOffset.MaximumOffset = 1; // that end keeps exactly its offset
  TAxisSettings fixed = Bottom();
  fixed.Automatic = fixed.AutomaticMinimum = fixed.AutomaticMaximum = false;
  fixed.Minimum = 1;
  fixed.Maximum = 1000;
  const struct {
    const char* Name;
    TAxisSettings Settings;
    int Margin;
    double Value[2];
    int Pixel[2];
  } bottomTable[] = {
      {"offsets override the series", Bottom(1), 5, {1, 1000}, {41, 839}},
      {"no offsets, no margins", Bottom(), 0, {1, 1000}, {40, 840}},
      {"series margin and one offset", maxOffset, 3, {1, 1000}, {43, 839}},
      {"a fixed range ignores the series", fixed, 3, {1, 1000}, {40, 840}},
  };
  for (const auto& row : bottomTable) {
    const TAxisMapping m = Mapped(row.Settings, Data(1, 1000, 1000), 40, 800, row.Margin);
    EXPECT_EQ(m.ValueToPixel(row.Value[0]), row.Pixel[0]) << row.Name;
    EXPECT_EQ(m.ValueToPixel(row.Value[1]), row.Pixel[1]) << row.Name;
    // The fast variant places these points identically.
    EXPECT_EQ(m.ValueToPixel(row.Value[1], true), row.Pixel[1]) << row.Name;
  }
  const TAxisMapping bottom = Mapped(Bottom(1), Data(1, 1000, 1000), 40, 800);
  EXPECT_EQ(bottom.WorkMinimum, -0.25187969924812026);
  EXPECT_EQ(bottom.WorkMaximum, 1001.2518796992481);

  const TAxisMapping left = Mapped(Left(1), Data(-100, 100, 1000), 20, 250);
  EXPECT_EQ(left.WorkMinimum, -100.80645161290323);
  EXPECT_EQ(left.WorkMaximum, 100.80645161290323);
  EXPECT_EQ(left.ValueToPixel(100), 21);
  EXPECT_EQ(left.ValueToPixel(-100), 269);
  EXPECT_EQ(left.ValueToPixel(0), 145);
  EXPECT_EQ(Mapped(Left(), Data(-100, 100, 1000), 20, 250, 3).ValueToPixel(100), 23);
}

TEST(AxisPlan, DegenerateRangesMapToTheCentre) {
  const TAxisMapping empty = Mapped(Bottom(1), TAxisSeriesData{}, 40, 800);
  EXPECT_TRUE(empty.RangeIsZero);
  EXPECT_EQ(empty.WorkMinimum, 0);
  EXPECT_EQ(empty.WorkMaximum, 0);
  EXPECT_EQ(empty.ValueToPixel(12345), 440);
  // Two pixels wide: the offsets leave no length, and both ends read back 0.
  const TAxisMapping narrow = Mapped(Bottom(1), Data(1, 1000, 1000), 40, 2);
  EXPECT_EQ(narrow.WorkMinimum, 0);
  EXPECT_EQ(narrow.WorkMaximum, 0);
  EXPECT_EQ(narrow.AxisLength, 2);
}

TEST(AxisPlan, TheAxisTakesLineAndLabelsOffItsSide) {
  TAxisSettings top = Bottom(), right = Left(), bare = Bottom();
  top.OtherSide = right.OtherSide = true;
  bare.LineSize = 0;
  const TRect r{20, 10, 420, 90};
  const struct {
    TAxisSettings Settings;
    int Extent;
    TRect Rest;
    int LabelsPos;
  } table[] = {{Bottom(), 13, {20, 10, 420, 70}, 77},
               {top, 13, {20, 30, 420, 90}, 23},
               {Left(), 40, {67, 10, 420, 90}, 60},
               {right, 40, {20, 10, 373, 90}, 380},
               {bare, 13, {20, 10, 420, 77}, 77}};
  for (const auto& row : table) {
    const TAxisRoom room = ReserveAxisSpace(row.Settings, row.Extent, r);
    EXPECT_EQ(room.Rest, row.Rest) << row.Settings.Horizontal << row.Settings.OtherSide;
    EXPECT_EQ(room.LabelsPos, row.LabelsPos) << row.Settings.Horizontal << row.Settings.OtherSide;
  }
  EXPECT_EQ((std::vector<int>{AxisLinePos(Bottom(), r), AxisLinePos(top, r), AxisLinePos(Left(), r),
                              AxisLinePos(right, r)}),
            (std::vector<int>{90, 10, 20, 420}));
}

TEST(AxisPlan, LabelsFromTheLargestValueDownWithTheirTicks) {
  TFixedMetrics metrics;
  const struct {
    const char* Name;
    TAxisSettings Settings;
    TAxisSeriesData Data;
    int Origin, Size;
    std::vector<std::string> Texts;
    std::vector<int> Ticks;
  } table[] = {
      {"empty chart: one label at the centre", Bottom(), {}, 10, 50, {"0"}, {35}},
      {"few frames on whole numbers",
       Bottom(),
       Data(1, 5, 5),
       20,
       400,
       {"5", "4", "3", "2", "1"},
       {420, 320, 220, 120, 20}},
      {"16-bit samples",
       Left(),
       Data(-32768, 32767, 1000),
       20,
       250,
       {"30,000", "25,000", "20,000", "15,000", "10,000", "5,000", "0", "-5,000", "-10,000", "-15,000",
        "-20,000", "-25,000", "-30,000"},
       {31, 50, 69, 88, 107, 126, 145, 164, 183, 202, 221, 240, 259}},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.Name);
    TAxisSeriesData data = row.Data;
    data.HasActiveSeries = true;
    const TAxisLabels labels =
        PlanLabels(row.Settings, Mapped(row.Settings, data, row.Origin, row.Size), data, metrics);
    EXPECT_EQ(Texts(labels), row.Texts);
    EXPECT_EQ(labels.TickPositions, row.Ticks);
  }
  TAxisSeriesData inactive = Data(1, 5, 5);
  inactive.HasActiveSeries = false;
  EXPECT_TRUE(PlanLabels(Bottom(), Mapped(Bottom(), inactive, 20, 400), inactive, metrics).Items.empty());
}
