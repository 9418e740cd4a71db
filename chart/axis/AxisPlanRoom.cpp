#include "chart/axis/AxisPlanRoom.h"

namespace chart {

namespace {

// Takes size pixels off r on the axis's side; gives the side coordinate after.
int TakeRoom(const TAxisSettings& s, TRect& r, int size) {
  if (s.Horizontal) {
    int& edge = s.OtherSide ? r.Top : r.Bottom;
    edge += s.OtherSide ? size : -size;
    return edge;
  }
  int& edge = s.OtherSide ? r.Right : r.Left;
  edge += s.OtherSide ? -size : size;
  return edge;
}

} // namespace

TAxisRoom ReserveAxisSpace(const TAxisSettings& settings, int labelsExtent, const TRect& r) {
  TAxisRoom room{r, 0};
  room.LabelsPos = TakeRoom(settings, room.Rest, labelsExtent);
  if (settings.LineSize > 0)
    TakeRoom(settings, room.Rest, settings.LineSize);
  return room;
}

int AxisLinePos(const TAxisSettings& settings, const TRect& plot) {
  if (settings.Horizontal)
    return settings.OtherSide ? plot.Top : plot.Bottom;
  return settings.OtherSide ? plot.Right : plot.Left;
}

} // namespace chart
