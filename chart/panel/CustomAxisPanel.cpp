#include "chart/panel/CustomAxisPanel.h"

#include "chart/axis/ChartAxis.h"
#include "chart/series/ChartSeries.h"
#include "chart/surface/ChartCanvas3D.h"

#include <algorithm>
#include <utility>

namespace chart {

namespace {

// Clips the series to the plotting rectangle and always removes the clip again: the clip stack
// is shared by every chart, so a clip left behind would cut the next chart's picture.
class TSeriesClip {
public:
  TSeriesClip(TChartCanvas3D& canvas, bool active, const TRect& rect) : FCanvas(canvas), FActive(active) {
    if (FActive)
      FCanvas.ClipToRect(rect);
  }
  ~TSeriesClip() {
    if (FActive)
      FCanvas.RemoveClip();
  }
  TSeriesClip(const TSeriesClip&) = delete;
  TSeriesClip& operator=(const TSeriesClip&) = delete;

private:
  TChartCanvas3D& FCanvas;
  bool FActive;
};

// The X values at the plotting rectangle's left and right edges. An axis with offsets is read one
// pixel inside them, where the data ends land.
TVisibleRange VisibleRangeOf(const TChartAxis& axis, const TRect& plot) {
  const bool noOffsets = axis.MinimumOffset() == 0 && axis.MaximumOffset() == 0;
  const int left = noOffsets ? plot.Left : plot.Left + axis.MinimumOffset() - 1;
  const int right = noOffsets ? plot.Right : plot.Right - axis.MaximumOffset() + 1;
  TVisibleRange range{axis.PixelToValue(left), axis.PixelToValue(right)};
  // An inverted axis has its larger value on the left.
  if (range.Low > range.High)
    std::swap(range.Low, range.High);
  return range;
}

} // namespace

TPaintContext TCustomAxisPanel::PaintContextOf(const TChartSeries& series) const {
  const TChartAxis& horizontal = *series.GetHorizAxis();
  const TRect& plot = PlotRect();
  return {OwnerCanvas(), horizontal.Mapping(), series.GetVertAxis()->Mapping(), plot,
          VisibleRangeOf(horizontal, plot)};
}

void TCustomAxisPanel::ShowWindowImage() {
  if (TChartHost* host = Host())
    host->ShowWindowImage();
}

void TChartAxes::Add(TChartAxis& axis) {
  if (std::find(FItems.begin(), FItems.end(), &axis) == FItems.end())
    FItems.push_back(&axis);
}

TCustomAxisPanel::TCustomAxisPanel()
    : TSeriesOwner(Canvas()), FBottomAxis(std::make_unique<TChartAxis>(*this, true, false)),
      FTopAxis(std::make_unique<TChartAxis>(*this, true, true)),
      FLeftAxis(std::make_unique<TChartAxis>(*this, false, false)),
      FRightAxis(std::make_unique<TChartAxis>(*this, false, true)),
      FDepthAxis(std::make_unique<TChartDepthAxis>(*this, true)),
      FDepthTopAxis(std::make_unique<TChartDepthAxis>(*this, false)) {
  for (TChartAxis* axis : {FBottomAxis.get(), FTopAxis.get(), FLeftAxis.get(), FRightAxis.get(),
                           FDepthAxis.get(), FDepthTopAxis.get()})
    Axes.Add(*axis);
}

// A chart going away with its series leaves its window first: nothing they do on the way asks
// the window for a paint.
TCustomAxisPanel::~TCustomAxisPanel() { SetHost(nullptr); }

void TCustomAxisPanel::AppendSeries(std::unique_ptr<TChartSeries> series) {
  FSeries.push_back(std::move(series));
}

int TCustomAxisPanel::ActiveSeriesCount() const {
  return int(
      std::count_if(FSeries.begin(), FSeries.end(), [](const auto& series) { return series->Active(); }));
}

bool TCustomAxisPanel::IsAxisOfSeries(const TChartAxis& axis, const TChartSeries& series) const {
  if (&axis == FTopAxis.get() || &axis == FBottomAxis.get())
    return series.HorizAxis() == aBothHorizAxis || series.GetHorizAxis() == &axis;
  if (&axis == FLeftAxis.get() || &axis == FRightAxis.get())
    return series.VertAxis() == aBothVertAxis || series.GetVertAxis() == &axis;
  return series.GetHorizAxis() == &axis || series.GetVertAxis() == &axis;
}

bool TCustomAxisPanel::AxisHasActiveSeries(const TChartAxis& axis) const {
  return std::any_of(FSeries.begin(), FSeries.end(),
                     [&](const auto& series) { return series->Active() && IsAxisOfSeries(axis, *series); });
}

TAxisSeriesData TCustomAxisPanel::SeriesDataOf(const TChartAxis& axis) const {
  TAxisSeriesData data;
  data.HasActiveSeries = AxisHasActiveSeries(axis);
  data.ChartHasActiveSeries = ActiveSeriesCount() > 0;
  const bool horizontal = axis.Horizontal();
  bool found = false;
  for (const auto& series : FSeries) {
    if (!IsAxisOfSeries(axis, *series))
      continue;
    // Y-mandatory series take their X values from the horizontal axis.
    if (horizontal && series->Active())
      data.FewestXPoints = std::min<std::int64_t>(data.FewestXPoints, series->PointCount());
    // Inactive series count only while no active one is attached to the axis.
    if ((data.HasActiveSeries && !series->Active()) || series->PointCount() == 0)
      continue;
    const double lowest = horizontal ? series->SmallestX() : series->SmallestY();
    const double highest = horizontal ? series->LargestX() : series->LargestY();
    if (!found || lowest < data.Minimum)
      data.Minimum = lowest;
    if (!found || highest > data.Maximum)
      data.Maximum = highest;
    found = true;
  }
  return data;
}

TAxisSeriesMargins TCustomAxisPanel::SeriesMarginsOf(const TChartAxis& axis) const {
  TAxisSeriesMargins margins;
  for (const auto& series : FSeries) {
    if (!series->Active() || !IsAxisOfSeries(axis, *series))
      continue;
    int first = 0, second = 0;
    if (axis.Horizontal())
      series->HorizontalMargins(first, second);
    else
      series->VerticalMargins(first, second);
    margins.First = std::max(margins.First, first);
    margins.Second = std::max(margins.Second, second);
  }
  return margins;
}

TChartFrame TCustomAxisPanel::PlanAxes(const TChartFrame& frame) {
  const auto length = [](const TChartFrame& f, const TChartAxis& axis) {
    return axis.Horizontal() ? f.PlotWidth() : f.PlotHeight();
  };
  std::vector<TAxisPlan> plans;
  plans.reserve(std::size_t(Axes.Count()));
  for (const TChartAxis* axis : Axes)
    plans.push_back(
        axis->StartPlan(SeriesDataOf(*axis), AxisVisible(), frame.PlotRect, length(frame, *axis)));
  const TChartFrame placed = Reframed(frame, ReserveAxesSpace(plans, frame.PlotRect));
  for (int i = 0; i < Axes.Count(); ++i) {
    TChartAxis& axis = Axes[i];
    axis.SetPlan(axis.FinishPlan(std::move(plans[std::size_t(i)]), SeriesMarginsOf(axis), placed.PlotRect,
                                 length(placed, axis)));
  }
  return placed;
}

TRect TCustomAxisPanel::ReserveAxesSpace(std::vector<TAxisPlan>& plans, TRect r) const {
  for (std::size_t i = 0; i < plans.size(); ++i) {
    if (!plans[i].IsShown)
      continue;
    const TAxisRoom room = Axes[int(i)].ReserveAxisSpace(plans[i], r);
    plans[i].LabelsPos = room.LabelsPos;
    const TRect reserved = room.Rest.Intersected(r);
    // An axis that would eat the whole rectangle leaves it as it was.
    if (!reserved.IsEmpty())
      r = reserved;
  }
  return r;
}

void TCustomAxisPanel::DrawAxes(const TRect& plot) {
  for (TChartAxis* axis : Axes)
    if (axis->IsShown())
      axis->PaintAxis(plot);
}

void TCustomAxisPanel::DrawAllSeries() {
  TChartCanvas3D& canvas = Canvas();
  canvas.BeginGroup("Series");
  for (const auto& series : FSeries)
    if (series->Active())
      DrawOneSeries(*series);
  canvas.EndGroup();
}

void TCustomAxisPanel::DrawOneSeries(TChartSeries& series) {
  const TPaintContext context = PaintContextOf(series);
  series.FindVisibleIndices(context);
  if (series.FirstVisible() < 0)
    return;
  if (const TSeriesNotifyEvent& before = series.BeforeDrawValues())
    before(series);
  {
    // The leftmost column and the right and bottom lines of PlotRect stay outside the clip.
    const TRect& plot = context.PlotRect;
    const TSeriesClip clip(context.Canvas, ClipPoints(), {plot.Left + 1, plot.Top, plot.Right, plot.Bottom});
    series.PaintValues(context);
  }
  if (const TSeriesNotifyEvent& after = series.AfterDrawValues())
    after(series);
}

} // namespace chart
