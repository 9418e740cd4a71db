// The walk both line series draw their points with: which points the line joins, where null
// points and gaps break it or are passed over, the reduction of crowded pixel columns, and the
// one rule that hands a stretch to the column drawer. Each series draws through its own sink.
#pragma once

#include "chart/series/CustomLineSeries.h"
#include "chart/series/SeriesShortcut.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace chart {

// How points sharing an X pixel are reduced when not every point is drawn.
enum TDrawAllPointsStyle { daFirst, daMinMax };

// What the two line series do differently as they walk their points.
struct TLinePolicy {
  TTreatNullsStyle TreatNulls = tnIgnore;
  // The visible range: a skipped null at FirstVisible is not bridged, the line starts anew after
  // it; the look-ahead over a pixel column stops at LastVisible.
  int FirstVisible = 0;
  int LastVisible = 0;
  // Some point may be null or have a colour of its own: each point's colour is asked.
  bool PointColors = false;
  // Each segment is drawn in its point's colour, so any colour of a point shows, not only null.
  bool SegmentColors = false;
  // The colour of every point that is not null, clNone for each point's own (shadow passes).
  TColor PassColor = clNone;
  // Non-finite Y values are gaps that break the line.
  bool Gaps = false;
  bool Stairs = false;
  bool InvertedStairs = false;
  // False: of each X pixel column only its first point, or with daMinMax its y run.
  bool DrawAllPoints = true;
  TDrawAllPointsStyle DrawAllPointsStyle = daFirst;
  // The sink moves end points beyond ±this many pixels back along their segment; 0: none.
  int CoordinateLimit = 0;
  const TChartPen* Pen = nullptr;
};

// A piece of line from where the line stands to point Index (reached from point Previous), or to
// a pixel of its column; the sink may move the end.
struct TLineSegment {
  int Index;
  int Previous;
  TColor Color;
  int FromX;
  int FromY;
  int X;
  int Y;
};

// The one rule of the column shortcut: whether the points after `start` up to `last`, walked
// under `policy`, form one plain line of one colour through every point, ascending, that the
// column drawer draws with the same pixels.
bool DrawsByColumns(const TLinePolicy& policy, const TChartSeries& series, const TPointMapper& mapper,
                    int start, int last, int plotWidth);

// The sink takes, as the walk goes:
//   Point(color)            every point the walk comes to, before anything is drawn to it;
//   Restart(x, y)           the line starts anew at that pixel;
//   Segment(TLineSegment&)  a piece of line, whose end it may move;
//   Columns(x, y, color)    drawing by columns starts at the point at that pixel; returns the sink
//                           of the column drawer's lines (MoveTo, LineTo).
template <class Sink>
class TLineWalk {
public:
  TLineWalk(const TLinePolicy& policy, const TChartSeries& series, const TPointMapper& mapper, Sink& sink)
      : FPolicy(policy), FSeries(series), FXValues(series.XValues()), FYValues(series.YValues()),
        FMapper(mapper), FSink(sink), FColor(policy.PassColor != clNone ? policy.PassColor : series.Color()) {
  }

  int X(int index) const { return FMapper.X(FXValues[index]); }
  int Y(int index) const { return FMapper.Y(FYValues[index]); }
  bool Gap(int index) const { return FPolicy.Gaps && !std::isfinite(FYValues[index]); }
  TColor Color(int index) const {
    if (!FPolicy.PointColors)
      return FColor;
    const TColor own = FSeries.PointColor(index);
    return own == clNone || FPolicy.PassColor == clNone ? own : FPolicy.PassColor;
  }

  // The line starts anew at (x, y); `afterNull`: the point before was null.
  void MoveTo(int x, int y, bool afterNull) {
    FSink.Restart(x, y);
    FLastX = x;
    FLastY = y;
    FRunMinY = FRunMaxY = y;
    FRunHasMinMax = false;
    FBroken = false;
    FAfterNull = afterNull;
  }
  // The next point starts the line anew.
  void Break() { FBroken = true; }
  // The line starts at point `index`, broken there when it is a gap.
  void StartAtPoint(int index) {
    MoveTo(X(index), Y(index), Color(index) == clNone);
    FBroken = Gap(index);
  }

  // The line stands at point `start`: draws it on through the points up to `last`, downwards
  // when `last` lies below `start`, by columns where the rule allows.
  void DrawOn(int start, int last, int plotWidth) {
    if (DrawsByColumns(FPolicy, FSeries, FMapper, start, last, plotWidth)) {
      auto lines = FSink.Columns(X(start), Y(start), Color(start));
      TLineShortcut::Draw(TLineShortcut::Points(FSeries, FMapper), lines, start, last);
      FLastX = X(last);
      FLastY = Y(last);
    } else if (start <= last) {
      for (int i = start + 1; i <= last; ++i)
        Step(i, i - 1);
    } else {
      for (int i = start - 1; i >= last; --i)
        Step(i, i + 1);
    }
  }

  // Point `index`, reached from point `previous`. A gap ends the line whatever TreatNulls says.
  void Step(int index, int previous) {
    const TColor color = Color(index);
    FSink.Point(color);
    if (Gap(index)) {
      FBroken = true;
      return;
    }
    const int x = X(index);
    const int y = Y(index);
    const bool null = color == clNone;
    if (FBroken) {
      MoveTo(x, y, null);
      return;
    }
    const bool afterNull = std::exchange(FAfterNull, null);
    if ((null && FPolicy.TreatNulls != tnIgnore) || !Moved(x, y))
      return;
    if (afterNull && StartsAnewAfterNull(previous)) {
      // The run of a column goes on: only the line's end moves.
      FSink.Restart(x, y);
      FLastX = x;
      FLastY = y;
      return;
    }
    if (!FPolicy.DrawAllPoints && FPolicy.DrawAllPointsStyle == daMinMax)
      DrawMinMax(index, previous, color, x, y);
    else
      Segment(index, previous, color, x, y);
  }

private:
  // With every point drawn, a point moves the line unless it falls on the very pixel it ends at;
  // with daFirst only a new column moves it.
  bool Moved(int x, int y) const {
    return x != FLastX || (y != FLastY && (FPolicy.DrawAllPoints || FPolicy.DrawAllPointsStyle == daMinMax));
  }

  // After a null that was not drawn: tnDontPaint leaves a gap, tnSkip bridges the null unless it
  // is the first visible point.
  bool StartsAnewAfterNull(int previous) const {
    return FPolicy.TreatNulls == tnDontPaint ||
           (FPolicy.TreatNulls == tnSkip && previous == FPolicy.FirstVisible);
  }

  void Segment(int index, int previous, TColor color, int x, int y) {
    TLineSegment segment{index, previous, color, FLastX, FLastY, x, y};
    FSink.Segment(segment);
    FLastX = segment.X;
    FLastY = segment.Y;
  }

  // Points in the line's current column only widen its y run; a new column first draws the run.
  void DrawMinMax(int index, int previous, TColor color, int x, int y) {
    if (x == FLastX) {
      FRunMinY = std::min(FRunMinY, y);
      FRunMaxY = std::max(FRunMaxY, y);
      FRunHasMinMax = true;
      return;
    }
    if (FRunHasMinMax) {
      Segment(index, previous, color, FLastX, FRunMaxY);
      Segment(index, previous, color, FLastX, FRunMinY);
      Segment(index, previous, color, x, y);
    } else {
      Segment(index, previous, color, x, LowestInColumn(index, x, y));
    }
    FRunHasMinMax = false;
    FRunMinY = FRunMaxY = y;
  }

  // The largest y pixel of point `index` and the non-null points after it in its column, up to
  // the last visible point or a gap.
  int LowestInColumn(int index, int x, int y) const {
    int lowest = y;
    for (int i = index + 1; i <= FPolicy.LastVisible && X(i) == x && !Gap(i); ++i)
      if (Color(i) != clNone)
        lowest = std::max(lowest, Y(i));
    return lowest;
  }

  const TLinePolicy FPolicy;
  const TChartSeries& FSeries;
  const TChartValueList& FXValues;
  const TChartValueList& FYValues;
  const TPointMapper FMapper;
  Sink& FSink;
  // The colour of every point while points have no colours of their own.
  const TColor FColor;
  int FLastX = 0;
  int FLastY = 0;
  bool FBroken = true;
  bool FAfterNull = false;
  int FRunMinY = 0;
  int FRunMaxY = 0;
  bool FRunHasMinMax = false;
};

} // namespace chart
