// Zooms and scrolls the frames of two charts together while it is on: a zoom or scroll of one
// chart's bottom axis (by mouse or key) is given to the other's, and an undo of one undoes both.
// Vertical axes stay each chart's own.
#pragma once

namespace chart {
class TChart;
} // namespace chart

namespace app {

class TChartLink {
public:
  // Takes over both charts' zoom, scroll and undo events; off until switched on.
  TChartLink(chart::TChart& First, chart::TChart& Second);
  ~TChartLink();
  TChartLink(const TChartLink&) = delete;
  TChartLink& operator=(const TChartLink&) = delete;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }

private:
  void Listen(chart::TChart& Leader, chart::TChart& Follower);
  void Follow(chart::TChart& Leader, chart::TChart& Follower, bool Undone);

  chart::TChart& FFirst;
  chart::TChart& FSecond;
  bool FEnabled = false;
  // Set while the follower moves, so that its own events do not come back to the leader.
  bool FFollowing = false;
};

} // namespace app
