// The point labels ("marks") of a series with their published look. This program's layout hides
// them, so they are kept as properties the layout sets; the chart draws no visible marks.
#pragma once

#include "chart/surface/ChartBrush.h"
#include "chart/surface/ChartPen.h"

namespace chart {

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle };

// The line from a mark to its point, and the brush of the callout's end.
class TMarksCallout : public TChartPersistent {
public:
  TMarksCallout() {
    ForwardChangesOf(FArrow);
    ForwardChangesOf(FBrush);
  }
  TChartPen& Arrow() { return FArrow; }
  TChartBrush& Brush() { return FBrush; }

private:
  TChartPen FArrow{clWhite};
  TChartBrush FBrush{clBlack};
};

class TSeriesMarks : public TChartPersistent {
public:
  TSeriesMarks() {
    ForwardChangesOf(FArrow);
    ForwardChangesOf(FCallout);
  }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  TChartObjectShapeStyle ShapeStyle() const { return FShapeStyle; }
  void SetShapeStyle(TChartObjectShapeStyle value) { SetProperty(FShapeStyle, value); }
  TChartPen& Arrow() { return FArrow; }
  TMarksCallout& Callout() { return FCallout; }

private:
  bool FVisible = true;
  TChartObjectShapeStyle FShapeStyle = fosRectangle;
  TChartPen FArrow{clWhite};
  TMarksCallout FCallout;
};

} // namespace chart
