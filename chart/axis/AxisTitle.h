// The title beside an axis: a caption in its own font, turned by Angle; it takes room and draws
// only when it has a caption.
#pragma once

#include "chart/surface/ChartFont.h"
#include "chart/surface/ChartPersistent.h"

#include <string>

namespace chart {

class TChartAxisTitle : public TChartPersistent {
public:
  explicit TChartAxisTitle(int angle) : FAngle(angle) { ForwardChangesOf(FFont); }

  // Degrees counter-clockwise: 90 reads upward beside a left axis, 270 downward beside a right one.
  int Angle() const { return FAngle; }
  void SetAngle(int value) { SetProperty(FAngle, value); }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value) { SetProperty(FCaption, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetProperty(FVisible, value); }
  TChartFont& Font() { return FFont; }
  const TChartFont& Font() const { return FFont; }

  bool IsShown() const { return FVisible && !FCaption.empty(); }

private:
  int FAngle;
  std::string FCaption;
  bool FVisible = true;
  TChartFont FFont;
};

} // namespace chart
