// A colour ramp that replaces a flat fill (the panel background, the back wall): its published
// properties, the hidden "has a middle colour" flag and the entry point that paints it.
#pragma once

#include "chart/surface/ChartColors.h"
#include "chart/surface/ChartGeometry.h"
#include "chart/surface/ChartPersistent.h"

#include <memory>

namespace chart {

class TChartCanvas3D;

// Ordinal order matters: it is the order the layout description stores.
enum TGradientDirection {
  gdTopBottom,      // EndColor at the top edge, StartColor at the bottom edge
  gdBottomTop,      // StartColor at the top edge, EndColor at the bottom edge
  gdLeftRight,      // EndColor at the left edge, StartColor at the right edge
  gdRightLeft,      // StartColor at the left edge, EndColor at the right edge
  gdFromCenter,     // nested rectangles, EndColor outside
  gdFromTopLeft,    // growing corner shapes from the top-left corner
  gdFromBottomLeft, // growing corner shapes from the bottom-left corner
  gdRadial,         // ellipses around the centre moved by RadialX, RadialY
  gdDiagonalUp,
  gdDiagonalDown
};

// The stored state of a gradient; kept as one value so copies and comparisons stay in one place.
struct TGradientValues {
  bool Visible = false;
  TGradientDirection Direction = gdTopBottom;
  TColor StartColor = clWhite;
  TColor EndColor = clYellow;
  // Kept when the middle colour is switched off, so switching it on again is cheap to compare.
  TColor StoredMidColor = clNone;
  bool HasMiddle = false;
  int Balance = 50;
  int Angle = 0;
  int RadialX = 0;
  int RadialY = 0;
  bool operator==(const TGradientValues&) const = default;
};

class TCustomChartGradient : public TChartPersistent {
public:
  bool Visible() const { return FValues.Visible; }
  void SetVisible(bool value) { SetProperty(FValues.Visible, value); }
  TGradientDirection Direction() const { return FValues.Direction; }
  void SetDirection(TGradientDirection value) { SetProperty(FValues.Direction, value); }
  TColor StartColor() const { return FValues.StartColor; }
  void SetStartColor(TColor value) { SetProperty(FValues.StartColor, value); }
  TColor EndColor() const { return FValues.EndColor; }
  void SetEndColor(TColor value) { SetProperty(FValues.EndColor, value); }
  // clNone while no middle colour is in use. Setting any other value (even StartColor or
  // EndColor) turns the middle colour on; setting clNone turns it off and keeps the old value.
  TColor MidColor() const { return FValues.HasMiddle ? FValues.StoredMidColor : clNone; }
  void SetMidColor(TColor value);
  bool HasMiddle() const { return FValues.HasMiddle; }
  // Percent; 50 is a linear ramp.
  int Balance() const { return FValues.Balance; }
  void SetBalance(int value) { SetProperty(FValues.Balance, value); }
  // Degrees; 0 paints the straight ramp of Direction.
  int Angle() const { return FValues.Angle; }
  void SetAngle(int value) { SetProperty(FValues.Angle, value); }
  int RadialX() const { return FValues.RadialX; }
  void SetRadialX(int value) { SetProperty(FValues.RadialX, value); }
  int RadialY() const { return FValues.RadialY; }
  void SetRadialY(int value) { SetProperty(FValues.RadialY, value); }

  const TGradientValues& Values() const { return FValues; }

protected:
  // Stores every property at once; notifies once when anything differed.
  void AssignValues(const TGradientValues& values);

private:
  TGradientValues FValues;
};

// A second gradient painted over the first, blended with Transparency percent.
class TSubGradient : public TCustomChartGradient {
public:
  int Transparency() const { return FTransparency; }
  void SetTransparency(int value) { SetProperty(FTransparency, value); }
  void CopyFrom(const TSubGradient& source);

private:
  int FTransparency = 50;
};

class TChartGradient : public TCustomChartGradient {
public:
  TChartGradient() = default;
  explicit TChartGradient(bool visible) { SetVisible(visible); }

  // Created on first access, like the other optional parts of a chart.
  TSubGradient& SubGradient();
  const TSubGradient* FindSubGradient() const { return FSubGradient.get(); }

  // Copies Angle, Balance, Direction, the colours, RadialX/Y, Visible, the middle flag and the
  // sub-gradient (dropping ours when the source has none).
  void CopyFrom(const TChartGradient& source);

  // Paints this gradient over rect on the surface; with cornerSize >= 1 clipped to the rounded
  // rectangle. The surface's current gradient becomes a copy of this one.
  void Draw(TChartCanvas3D& canvas, const TRect& rect, int cornerSize = 0) const;

private:
  std::unique_ptr<TSubGradient> FSubGradient;
};

} // namespace chart
