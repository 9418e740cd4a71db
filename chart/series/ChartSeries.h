// The series of a chart: an element the chart owns and paints, and the series base that keeps its
// points in X and Y value lists with optional per-point colours and labels.
#pragma once

#include "chart/values/ChartValueList.h"
#include "chart/series/PaintContext.h"
#include "chart/series/PointMapper.h"
#include "chart/series/SeriesMarks.h"
#include "chart/series/SeriesOwner.h"
#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartPen.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

class TChartAxis;
class TChartSeries;

// Something a chart owns and paints, and asks to repaint after a change.
class TCustomChartElement {
public:
  virtual ~TCustomChartElement() = default;
  TCustomChartElement(const TCustomChartElement&) = delete;
  TCustomChartElement& operator=(const TCustomChartElement&) = delete;

  // The chart the element has joined; none until then.
  TSeriesOwner* ParentChart() const { return FParentChart; }
  // Only the chart calls this, as the element joins it; the chart's list is what owns it.
  void SetParentChart(TSeriesOwner* chart) { FParentChart = chart; }
  bool Active() const { return FActive; }
  void SetActive(bool value) { SetAndRepaint(FActive, value); }

  // Asks the owning chart to repaint. Called per added point, so it stays one call that the chart
  // answers with a flag test while a paint is already pending.
  void RequestRepaint() const {
    if (FParentChart)
      FParentChart->OwnerChanged();
  }

protected:
  TCustomChartElement() = default;

  // Stores a different value and repaints; an equal value changes nothing.
  template <class T>
  void SetAndRepaint(T& field, const T& value) {
    if (field == value)
      return;
    field = value;
    RequestRepaint();
  }

private:
  TSeriesOwner* FParentChart = nullptr;
  bool FActive = true;
};

class TCustomChartSeries : public TCustomChartElement {
public:
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value) { SetAndRepaint(FTitle, value); }

private:
  std::string FTitle;
};

using TSeriesOnBeforeAdd = std::function<bool(TChartSeries& sender)>;
using TSeriesOnAfterAdd = std::function<void(TChartSeries& sender, int valueIndex)>;
using TSeriesOnClear = std::function<void(TChartSeries& sender)>;
using TSeriesNotifyEvent = std::function<void(TChartSeries& sender)>;

// Which of the chart's axes place a series' points.
enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis };

class TChartSeries : public TCustomChartSeries {
public:
  TChartSeries();
  ~TChartSeries() override;

  TChartValueList& XValues() { return FValueLists[0]; }
  const TChartValueList& XValues() const { return FValueLists[0]; }
  TChartValueList& YValues() { return FValueLists[1]; }
  const TChartValueList& YValues() const { return FValueLists[1]; }
  const TChartValueLists& ValueLists() const { return FValueLists; }
  // Per-point colours; empty (absent) until a point arrives with a colour of its own.
  const std::vector<TColor>& PointColors() const { return FPointColors; }
  // Per-point labels; empty until a point arrives with a label.
  const std::vector<std::string>& PointLabels() const { return FPointLabels; }
  TColor StoredColor(int index) const {
    return std::size_t(index) < FPointColors.size() ? FPointColors[std::size_t(index)] : DefaultSeriesColor;
  }

  // Stores a point; returns its index, or -1 when OnBeforeAdd refused it. When an allocation
  // fails the error propagates and no list keeps the point.
  virtual int AddPoint(double x, double y, std::string_view label, TColor color);
  // Adds the points (x[i], y[i]) without label or colour, as AddPoint would one after the other.
  // Points that arrive in X order go into the lists a run at a time; when an allocation fails
  // then, the lists keep none of them and no room they made for them.
  void AddPoints(std::span<const double> x, std::span<const double> y);
  virtual void ClearPoints();
  // Clears the points, then takes `y.Count` points whose X values run 1, 2, 3, ... and whose Y
  // values are viewed in place, as AddPoint one point after the other would store them but
  // without a copy and without calling OnBeforeAdd or OnAfterAdd. Allocates nothing.
  void ViewPoints(TValueView y);
  virtual int PointCount() const { return XValues().ValueCount(); }
  virtual TColor PointColor(int index) const;
  virtual double LargestX() const { return XValues().ListMaximum(); }
  virtual double LargestY() const { return YValues().ListMaximum(); }
  virtual double SmallestX() const { return XValues().ListMinimum(); }
  virtual double SmallestY() const { return YValues().ListMinimum(); }

  // Range of point indices the last paint set out to draw; -1 when none.
  int FirstVisible() const { return FFirstVisible; }
  int LastVisible() const { return FLastVisible; }

  void SetOnBeforeAdd(TSeriesOnBeforeAdd handler) { FOnBeforeAdd = std::move(handler); }
  void SetOnAfterAdd(TSeriesOnAfterAdd handler) { FOnAfterAdd = std::move(handler); }
  void SetOnClearValues(TSeriesOnClear handler) { FOnClearValues = std::move(handler); }

  // The explicitly set colour, DefaultSeriesColor when none was set.
  TColor SeriesColor() const { return FSeriesColor; }
  void SetSeriesColor(TColor value);
  // The colour the chart handed out from its palette.
  TColor AssignedColor() const { return FAssignedColor; }
  // The colour the series is drawn in: the explicit one, else the assigned one.
  TColor Color() const { return FSeriesColor != DefaultSeriesColor ? FSeriesColor : FAssignedColor; }

  // The series' own pen; line series draw with it.
  TChartPen& Pen() { return FPen; }
  const TChartPen& Pen() const { return FPen; }
  TSeriesMarks& Marks() { return FMarks; }

protected:
  virtual void ClearStorage();
  virtual void NotifyPointAdded(int index);
  // Points first..last came in one run, which no OnAfterAdd handler watches: one repaint.
  virtual void NotifyRunAdded(int first, int last);
  // Follows a change of the effective colour; a kind that draws with its own pen recolours it.
  virtual void ApplySeriesColor(TColor color);

public:
  // --- painting, driven by the chart's series loop ------------------------------------------------
  THorizAxis HorizAxis() const { return FHorizAxis; }
  void SetHorizAxis(THorizAxis value) { SetAndRepaint(FHorizAxis, value); }
  TVertAxis VertAxis() const { return FVertAxis; }
  void SetVertAxis(TVertAxis value) { SetAndRepaint(FVertAxis, value); }
  // The parent chart's axes that place the points (the both-sides choices use bottom and left);
  // null without a parent chart.
  TChartAxis* GetHorizAxis() const;
  TChartAxis* GetVertAxis() const;

  // Sets FirstVisible and LastVisible from the paint's visible X range before each paint.
  virtual void FindVisibleIndices(const TPaintContext& context);
  // Draws the visible points; called only when FirstVisible is not -1.
  virtual void PaintValues(const TPaintContext&) {}
  // Pixels the axes keep free at their ends for this series.
  virtual void HorizontalMargins(int& left, int& right) { left = right = 0; }
  virtual void VerticalMargins(int& top, int& bottom) { top = bottom = 0; }
  // Whether point `index`, placed by `mapper`, lies inside the plotting rectangle `plot`.
  virtual bool IsPointNearRect(const TPointMapper& mapper, const TRect& plot, int index) const;

  const TSeriesNotifyEvent& BeforeDrawValues() const { return FBeforeDrawValues; }
  void SetBeforeDrawValues(TSeriesNotifyEvent handler) { FBeforeDrawValues = std::move(handler); }
  const TSeriesNotifyEvent& AfterDrawValues() const { return FAfterDrawValues; }
  void SetAfterDrawValues(TSeriesNotifyEvent handler) { FAfterDrawValues = std::move(handler); }

protected:
  // The visible range follows the ordered X values (else it is every point).
  bool FCalcVisiblePoints = true;
  // The first point at or beyond the right edge stays in the visible range.
  bool FDrawBetweenPoints = false;

  int FFirstVisible = -1;
  int FLastVisible = -1;

private:
  friend void AssignSeriesColor(TChartSeries& series, TColor color);

  bool TakesInOneRun(std::span<const double> x) const;
  void MakeRoomInAllLists();
  int InsertPendingValues();
  int AddPointWithExtras(std::string_view label, TColor color);

  TChartValueLists FValueLists;
  std::vector<TColor> FPointColors;
  std::vector<std::string> FPointLabels;
  TSeriesOnBeforeAdd FOnBeforeAdd;
  TSeriesOnAfterAdd FOnAfterAdd;
  TSeriesOnClear FOnClearValues;
  TColor FSeriesColor = DefaultSeriesColor;
  TColor FAssignedColor = clBlack;
  TChartPen FPen;
  TSeriesMarks FMarks;
  THorizAxis FHorizAxis = aBottomAxis;
  TVertAxis FVertAxis = aLeftAxis;
  TSeriesNotifyEvent FBeforeDrawValues;
  TSeriesNotifyEvent FAfterDrawValues;
};

} // namespace chart
