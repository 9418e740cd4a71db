#include "ui/ChartWidget.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace ui {

std::optional<chart::TMouseButton> ToMouseButton(Qt::MouseButton button) {
  switch (button) {
  case Qt::LeftButton:
    return chart::TMouseButton::mbLeft;
  case Qt::RightButton:
    return chart::TMouseButton::mbRight;
  case Qt::MiddleButton:
    return chart::TMouseButton::mbMiddle;
  default:
    return std::nullopt;
  }
}

chart::TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  chart::TShiftState shift;
  shift.Shift = modifiers.testFlag(Qt::ShiftModifier);
  shift.Alt = modifiers.testFlag(Qt::AltModifier);
  shift.Ctrl = modifiers.testFlag(Qt::ControlModifier);
  shift.Left = buttons.testFlag(Qt::LeftButton);
  shift.Right = buttons.testFlag(Qt::RightButton);
  shift.Middle = buttons.testFlag(Qt::MiddleButton);
  return shift;
}

Qt::CursorShape ToCursorShape(chart::TCursorKind cursor) {
  switch (cursor) {
  case chart::TCursorKind::crCross:
    return Qt::CrossCursor;
  case chart::TCursorKind::crHandPoint:
    return Qt::PointingHandCursor;
  case chart::TCursorKind::crSizeAll:
    return Qt::SizeAllCursor;
  case chart::TCursorKind::crDefault:
    break;
  }
  return Qt::ArrowCursor;
}

std::optional<chart::TChartKey> ToChartKey(int key, Qt::KeyboardModifiers modifiers) {
  // Shift is left alone: "+" is Shift+"=" on many keyboards.
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return std::nullopt;
  switch (key) {
  case Qt::Key_Left:
    return chart::TChartKey::ckLeft;
  case Qt::Key_Right:
    return chart::TChartKey::ckRight;
  case Qt::Key_Up:
    return chart::TChartKey::ckUp;
  case Qt::Key_Down:
    return chart::TChartKey::ckDown;
  case Qt::Key_Plus:
  case Qt::Key_Equal:
    return chart::TChartKey::ckZoomIn;
  case Qt::Key_Minus:
    return chart::TChartKey::ckZoomOut;
  case Qt::Key_Home:
    return chart::TChartKey::ckHome;
  default:
    return std::nullopt;
  }
}

int DeviceScale(qreal devicePixelRatio) {
  // A ratio a rounding error above an integer is that integer.
  const double scale = std::ceil(devicePixelRatio - 1e-6);
  return int(std::clamp(scale, 1.0, double(gdi::TGdiBitmap::MaxScale)));
}

TChartWidget::TChartWidget(std::unique_ptr<chart::TChart> chart, QWidget* parent)
    : QWidget(parent), FChart(std::move(chart)) {
  // The chart covers every pixel itself, so Qt must neither erase nor fill the background.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  // A click or Tab gives the chart the keyboard focus, for its keys.
  setFocusPolicy(Qt::StrongFocus);
  FitWindowImage();
  FChart->SetHost(this);
}

TChartWidget::~TChartWidget() { FChart->SetHost(nullptr); }

void TChartWidget::InvalidateWindow() {
  FUpdateRequested = true;
  update();
}

void TChartWidget::ShowWindowImage() {
  FShowingImageOnly = true;
  repaint();
  FShowingImageOnly = false;
}

void TChartWidget::SetMouseCapture(bool captured) {
  if (captured && isVisible())
    grabMouse();
  else if (!captured && QWidget::mouseGrabber() == this)
    releaseMouse();
}

void TChartWidget::SetCursor(chart::TCursorKind cursor) { setCursor(ToCursorShape(cursor)); }

// Moving to a screen with another pixel ratio repaints the window, so the paint is where a new
// scale shows up first: the image is rebuilt at it and the chart paints afresh.
void TChartWidget::FollowDeviceScale() {
  if (DeviceScale(devicePixelRatioF()) == FWindowImage.Scale())
    return;
  FitWindowImage();
  FChart->Resized();
}

void TChartWidget::FitWindowImage() {
  FWindowImage.SetSize(width(), height(), DeviceScale(devicePixelRatioF()));
}

void TChartWidget::paintEvent(QPaintEvent*) {
  FollowDeviceScale();
  const bool paintChart = !FShowingImageOnly || FUpdateRequested;
  const auto start = std::chrono::steady_clock::now();
  if (paintChart) {
    FUpdateRequested = false;
    ++FPaintMessageCount;
    FChart->PaintMessage();
  }
  // Wraps the pixels without a copy: the bitmap's layout is Format_RGB32.
  QImage image(reinterpret_cast<const uchar*>(FWindowImage.Pixels()), FWindowImage.Width(),
               FWindowImage.Height(), FWindowImage.BytesPerLine(), QImage::Format_RGB32);
  image.setDevicePixelRatio(FWindowImage.Scale());
  QPainter painter(this);
  // Only a fractional pixel ratio makes Qt resample; then smoothly, not by dropping pixels.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QPointF(0, 0), image);
  if (paintChart)
    FLastPaintDuration = std::chrono::steady_clock::now() - start;
}

void TChartWidget::resizeEvent(QResizeEvent*) {
  FitWindowImage();
  FChart->Resized();
}

void TChartWidget::moveEvent(QMoveEvent*) { FChart->Resized(); }

void TChartWidget::mousePressEvent(QMouseEvent* event) {
  if (const auto button = ToMouseButton(event->button())) {
    const QPoint at = event->position().toPoint();
    FChart->MouseDown(*button, ToShiftState(event->modifiers(), event->buttons()), at.x(), at.y());
  }
}

void TChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  FChart->MouseMove(ToShiftState(event->modifiers(), event->buttons()), at.x(), at.y());
}

void TChartWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (const auto button = ToMouseButton(event->button())) {
    const QPoint at = event->position().toPoint();
    FChart->MouseUp(*button, ToShiftState(event->modifiers(), event->buttons()), at.x(), at.y());
  }
}

void TChartWidget::wheelEvent(QWheelEvent* event) {
  const QPoint at = event->position().toPoint();
  FChart->MouseWheel(event->angleDelta().y(), ToShiftState(event->modifiers(), event->buttons()), at.x(),
                     at.y());
  event->accept();
}

void TChartWidget::keyPressEvent(QKeyEvent* event) {
  if (const auto key = ToChartKey(event->key(), event->modifiers()))
    FChart->KeyDown(*key);
  else
    QWidget::keyPressEvent(event);
}

void TChartWidget::leaveEvent(QEvent*) { emit MouseLeft(); }

} // namespace ui
