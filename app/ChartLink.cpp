#include "app/ChartLink.h"

#include "chart/Chart.h"
#include "chart/axis/ChartAxis.h"

namespace app {

namespace {

// Whether the axes would show the same range: the same automatic flags, and the same fixed ends.
bool SameRange(const chart::TChartAxis& a, const chart::TChartAxis& b) {
  return a.Automatic() == b.Automatic() && a.AutomaticMinimum() == b.AutomaticMinimum() &&
         a.AutomaticMaximum() == b.AutomaticMaximum() &&
         (a.AutomaticMinimum() || a.Minimum() == b.Minimum()) &&
         (a.AutomaticMaximum() || a.Maximum() == b.Maximum());
}

class TFlagWhile {
public:
  explicit TFlagWhile(bool& flag) : FFlag(flag) { FFlag = true; }
  ~TFlagWhile() { FFlag = false; }
  TFlagWhile(const TFlagWhile&) = delete;
  TFlagWhile& operator=(const TFlagWhile&) = delete;

private:
  bool& FFlag;
};

} // namespace

TChartLink::TChartLink(chart::TChart& First, chart::TChart& Second) : FFirst(First), FSecond(Second) {
  Listen(FFirst, FSecond);
  Listen(FSecond, FFirst);
}

TChartLink::~TChartLink() {
  for (chart::TChart* chart : {&FFirst, &FSecond})
    chart->OnZoom = chart->OnScroll = chart->OnUndoZoom = nullptr;
}

void TChartLink::Listen(chart::TChart& Leader, chart::TChart& Follower) {
  Leader.OnZoom = [this, &Leader, &Follower](chart::TCustomChart&) { Follow(Leader, Follower, false); };
  Leader.OnScroll = Leader.OnZoom;
  Leader.OnUndoZoom = [this, &Leader, &Follower](chart::TCustomChart&) { Follow(Leader, Follower, true); };
}

void TChartLink::Follow(chart::TChart& Leader, chart::TChart& Follower, bool Undone) {
  if (!FEnabled || FFollowing)
    return;
  const TFlagWhile following(FFollowing);
  if (Undone)
    Follower.ResetZoom();
  // After an undo both usually show the whole recording already; then there is nothing to take
  // over, and the follower keeps nothing to undo.
  if (!SameRange(Leader.BottomAxis(), Follower.BottomAxis()))
    Follower.FollowAxis(Follower.BottomAxis(), Leader.BottomAxis());
}

} // namespace app
