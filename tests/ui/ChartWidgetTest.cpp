#include "ui/ChartWidget.h"
#include "tests/ui/QtTestApp.h"

#include <QEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A top-level window holding one chart widget, shown on the offscreen screen.
struct TShownChart {
  QWidget Window;
  ui::TChartWidget* Widget = new ui::TChartWidget(std::make_unique<chart::TChart>(), &Window);

  TShownChart() {
    Window.resize(120, 90);
    Widget->setGeometry(10, 5, 100, 80);
    Window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window));
    QCoreApplication::processEvents();
  }

  // What the screen shows of the widget: the window's backing store, not a fresh render.
  QImage Shown() const {
    return Window.screen()->grabWindow(Window.winId()).toImage().copy(Widget->geometry());
  }
};

void FillImage(gdi::TGdiBitmap& image, std::uint32_t pixel) {
  std::fill(image.Pixels(), image.Pixels() + image.Width() * image.Height(), pixel);
}

TEST(ChartWidget, WindowImageFollowsTheClientArea) {
  TShownChart shown;
  EXPECT_EQ(shown.Widget->WindowImage().Width(), 100);
  EXPECT_EQ(shown.Widget->WindowImage().Height(), 80);
  EXPECT_EQ(shown.Widget->ClientWidth(), 100);
  shown.Widget->resize(60, 30);
  EXPECT_EQ(shown.Widget->WindowImage().Width(), 60);
  EXPECT_EQ(shown.Widget->WindowImage().Height(), 30);
  EXPECT_EQ(shown.Widget->ClientHeight(), 30);
  EXPECT_TRUE(shown.Widget->HasParentWindow());
  EXPECT_TRUE(shown.Widget->testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(ChartWidget, ShowWindowImageShowsDrawingWithoutAPaintMessage) {
  TShownChart shown;
  const int paintsBefore = shown.Widget->PaintMessageCount();
  ASSERT_GT(paintsBefore, 0);

  FillImage(shown.Widget->WindowImage(), 0x00FF00FFu);
  shown.Widget->ShowWindowImage();
  EXPECT_EQ(shown.Widget->PaintMessageCount(), paintsBefore);
  const QImage image = shown.Shown();
  EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFFu, 0xFF00FFu);
  EXPECT_EQ(image.pixel(99, 79) & 0xFFFFFFu, 0xFF00FFu);

  // A paint the chart asked for is never swallowed by a show that happens to coincide.
  shown.Widget->InvalidateWindow();
  shown.Widget->ShowWindowImage();
  EXPECT_EQ(shown.Widget->PaintMessageCount(), paintsBefore + 1);
}

TEST(ChartWidget, PaintEventsGoThroughTheChartAndInvalidationCoalesces) {
  TShownChart shown;
  const int paintsBefore = shown.Widget->PaintMessageCount();
  shown.Widget->InvalidateWindow();
  shown.Widget->InvalidateWindow();
  shown.Widget->InvalidateWindow();
  QCoreApplication::processEvents();
  EXPECT_EQ(shown.Widget->PaintMessageCount(), paintsBefore + 1);
  shown.Widget->repaint();
  EXPECT_EQ(shown.Widget->PaintMessageCount(), paintsBefore + 2);
}

TEST(ChartWidget, CaptureAndCursor) {
  TShownChart shown;
  shown.Widget->SetMouseCapture(true);
  EXPECT_EQ(QWidget::mouseGrabber(), shown.Widget);
  shown.Widget->SetMouseCapture(false);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

  shown.Widget->SetCursor(chart::TCursorKind::crHandPoint);
  EXPECT_EQ(shown.Widget->cursor().shape(), Qt::PointingHandCursor);
  shown.Widget->SetCursor(chart::TCursorKind::crDefault);
  EXPECT_EQ(shown.Widget->cursor().shape(), Qt::ArrowCursor);
}

TEST(ChartWidget, MouseStateMapping) {
  EXPECT_EQ(ui::ToMouseButton(Qt::LeftButton), chart::TMouseButton::mbLeft);
  EXPECT_EQ(ui::ToMouseButton(Qt::RightButton), chart::TMouseButton::mbRight);
  EXPECT_EQ(ui::ToMouseButton(Qt::MiddleButton), chart::TMouseButton::mbMiddle);
  EXPECT_EQ(ui::ToMouseButton(Qt::BackButton), std::nullopt);

  const chart::TShiftState shift =
      ui::ToShiftState(Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton | Qt::MiddleButton);
  EXPECT_TRUE(shift.Shift);
  EXPECT_TRUE(shift.Ctrl);
  EXPECT_FALSE(shift.Alt);
  EXPECT_TRUE(shift.Left);
  EXPECT_FALSE(shift.Right);
  EXPECT_TRUE(shift.Middle);
  EXPECT_EQ(ui::ToShiftState(Qt::AltModifier, Qt::RightButton),
            (chart::TShiftState{false, true, false, false, true, false}));
  EXPECT_EQ(ui::ToShiftState(Qt::NoModifier, Qt::NoButton), chart::TShiftState{});

  EXPECT_EQ(ui::ToCursorShape(chart::TCursorKind::crCross), Qt::CrossCursor);
  EXPECT_EQ(ui::ToCursorShape(chart::TCursorKind::crSizeAll), Qt::SizeAllCursor);

  using chart::TChartKey;
  const struct {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    std::optional<TChartKey> Expected;
  } keys[] = {
      {Qt::Key_Left, Qt::NoModifier, TChartKey::ckLeft},
      {Qt::Key_Right, Qt::NoModifier, TChartKey::ckRight},
      {Qt::Key_Up, Qt::KeypadModifier, TChartKey::ckUp},
      {Qt::Key_Down, Qt::NoModifier, TChartKey::ckDown},
      {Qt::Key_Plus, Qt::ShiftModifier, TChartKey::ckZoomIn},
      {Qt::Key_Equal, Qt::NoModifier, TChartKey::ckZoomIn},
      {Qt::Key_Minus, Qt::KeypadModifier, TChartKey::ckZoomOut},
      {Qt::Key_Home, Qt::NoModifier, TChartKey::ckHome},
      {Qt::Key_Left, Qt::ControlModifier, std::nullopt},
      {Qt::Key_Minus, Qt::AltModifier, std::nullopt},
      {Qt::Key_O, Qt::NoModifier, std::nullopt},
  };
  for (const auto& key : keys)
    EXPECT_EQ(ui::ToChartKey(key.Key, key.Modifiers), key.Expected) << key.Key;
}

} // namespace
