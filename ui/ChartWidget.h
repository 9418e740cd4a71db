// The window of one chart control: keeps the retained window image, turns Qt's paint, resize,
// mouse, wheel and key events into the chart's messages, and gives the chart capture and cursor.
#pragma once

#include "chart/Chart.h"
#include "chart/surface/ChartHost.h"
#include "chart/zoom/MouseTypes.h"

#include <QWidget>

#include <chrono>
#include <memory>
#include <optional>

namespace ui {

// Qt's button and modifier state as the chart's mouse handlers take them.
std::optional<chart::TMouseButton> ToMouseButton(Qt::MouseButton button);
chart::TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
Qt::CursorShape ToCursorShape(chart::TCursorKind cursor);
// The chart's key for a Qt key press; none for other keys and for keys held with Ctrl, Alt or Meta.
std::optional<chart::TChartKey> ToChartKey(int key, Qt::KeyboardModifiers modifiers);
// The whole device scale a chart renders at for a screen's pixel ratio: the next integer, so a
// fractional ratio is scaled down by Qt rather than up.
int DeviceScale(qreal devicePixelRatio);

class TChartWidget final : public QWidget, public chart::TChartHost {
  Q_OBJECT
public:
  explicit TChartWidget(std::unique_ptr<chart::TChart> chart, QWidget* parent = nullptr);
  ~TChartWidget() override;

  chart::TChart& Chart() const { return *FChart; }
  // Paint messages handed to the chart so far, and how long the last one took (with showing
  // the image); the benchmark reads them.
  int PaintMessageCount() const { return FPaintMessageCount; }
  std::chrono::nanoseconds LastPaintDuration() const { return FLastPaintDuration; }

  // chart::TChartHost
  void InvalidateWindow() override;
  gdi::TGdiBitmap& WindowImage() override { return FWindowImage; }
  void ShowWindowImage() override;
  void SetMouseCapture(bool captured) override;
  void SetCursor(chart::TCursorKind cursor) override;
  int ClientWidth() const override { return width(); }
  int ClientHeight() const override { return height(); }
  bool HasParentWindow() const override { return parentWidget() != nullptr; }

signals:
  // The mouse left the widget (the chart has no message for it).
  void MouseLeft();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  std::unique_ptr<chart::TChart> FChart;
  gdi::TGdiBitmap FWindowImage;
  // A paint requested by the chart must reach it even when it coincides with ShowWindowImage.
  bool FUpdateRequested = false;
  bool FShowingImageOnly = false;
  int FPaintMessageCount = 0;
  std::chrono::nanoseconds FLastPaintDuration{0};

  void FollowDeviceScale();
  // The window image at the widget's size and the screen's whole device scale.
  void FitWindowImage();
};

} // namespace ui
