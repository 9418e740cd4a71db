// Zoom, undo, scroll and wheel on the main window's charts, driven by real Qt mouse events.
#include "chart/axis/ChartAxis.h"
#include "ui/ChartWidget.h"
#include "tests/app/FormFixture.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWindow>

#include <cmath>

namespace {

using testsupport::SampleBytes;

class MouseZoom : public testsupport::FormFixture {
protected:
  MouseZoom() {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < 2000; ++i) {
      samples.push_back(std::int16_t(1000 * std::sin(i * 0.01)));
      samples.push_back(std::int16_t(-500 + i));
    }
    Load(SampleBytes(samples));
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
    QCoreApplication::processEvents();
  }

  static chart::TChart& ChartOf(ui::TChartWidget* widget) { return widget->Chart(); }

  // A point of a chart's plotting rectangle by fractions of its size, in the widget's pixels.
  static QPoint At(ui::TChartWidget* widget, double fx, double fy) {
    const chart::TRect& r = ChartOf(widget).PlotRect;
    return {r.Left + int(fx * (r.Right - r.Left)), r.Top + int(fy * (r.Bottom - r.Top))};
  }

  static void Drag(ui::TChartWidget* widget, Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(widget, button, Qt::NoModifier, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, button, Qt::NoModifier, to);
    QCoreApplication::processEvents();
  }

  // A wheel notch delivered to the top-level window at a point of a widget, so Qt itself
  // decides which widget gets it.
  void Wheel(ui::TChartWidget* widget, QPoint at, int delta) {
    const QPointF local = widget->mapTo(&Form, QPointF(at));
    QWheelEvent event(local, Form.mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Form.windowHandle(), &event);
    QCoreApplication::processEvents();
  }
};

TEST_F(MouseZoom, LeftDragZoomsAndBackResetsOnEitherChart) {
  for (ui::TChartWidget* widget : {Form.Chart1, Form.Chart2}) {
    chart::TChart& chart = ChartOf(widget);
    chart::TChartAxis& bottom = chart.BottomAxis();
    const QPoint from = At(widget, 0.25, 0.2), to = At(widget, 0.5, 0.8);
    const double xMin = bottom.PixelToValue(from.x()), xMax = bottom.PixelToValue(to.x());
    const int paints = widget->PaintMessageCount();

    Drag(widget, Qt::LeftButton, from, to);
    EXPECT_DOUBLE_EQ(bottom.Minimum(), xMin);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), xMax);
    EXPECT_TRUE(chart.HasZoom());
    // The zoom repaints once, after the release.
    EXPECT_EQ(widget->PaintMessageCount(), paints + 1);

    Drag(widget, Qt::LeftButton, to, from - QPoint(0, 30));
    EXPECT_TRUE(bottom.Automatic());
    EXPECT_TRUE(chart.LeftAxis().Automatic());
    EXPECT_EQ(bottom.Maximum(), 2000);
  }
}

TEST_F(MouseZoom, ShortDragsLeaveTheWindowImageAsItWas) {
  ui::TChartWidget* widget = Form.Chart1;
  const auto pixels = [&] {
    const gdi::TGdiBitmap& image = widget->WindowImage();
    return std::vector<std::uint32_t>(image.Pixels(), image.Pixels() + image.Width() * image.Height());
  };
  const std::vector<std::uint32_t> before = pixels();
  const int paints = widget->PaintMessageCount();
  Drag(widget, Qt::LeftButton, At(widget, 0.3, 0.3), At(widget, 0.3, 0.3) + QPoint(16, 40));
  EXPECT_EQ(widget->PaintMessageCount(), paints);
  EXPECT_TRUE(ChartOf(widget).BottomAxis().Automatic());
  EXPECT_TRUE(pixels() == before);
}

// Pixels of the window image that differ from `clean` must all lie on the outline of the
// rectangle from `a` to `b`, and there must be some.
void ExpectOnlyTheRectangle(const gdi::TGdiBitmap& image, const std::vector<std::uint32_t>& clean, QPoint a,
                            QPoint b) {
  const QRect outline = QRect(a, b).normalized().adjusted(0, 0, -1, -1);
  int changed = 0, stray = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      if (image.Pixel(x, y) == clean[std::size_t(y) * std::size_t(image.Width()) + std::size_t(x)])
        continue;
      ++changed;
      const bool onEdge =
          x == outline.left() || x == outline.right() || y == outline.top() || y == outline.bottom();
      stray += !(onEdge && outline.contains(x, y));
    }
  EXPECT_GT(changed, 0) << "no rectangle";
  EXPECT_EQ(stray, 0) << "pixels changed off the current rectangle";
}

// Whatever repaints come during a drag, the window shows one rectangle where the mouse is, and
// none once the button is up, even after a drag too short to zoom.
TEST_F(MouseZoom, TheWindowShowsOneRectangleAtTheMouseWhateverRepaintsCome) {
  ui::TChartWidget* widget = Form.Chart1;
  chart::TChart& chart = ChartOf(widget);
  const gdi::TGdiBitmap& image = widget->WindowImage();
  const auto pixels = [&] {
    return std::vector<std::uint32_t>(image.Pixels(), image.Pixels() + image.Width() * image.Height());
  };
  const auto fullRepaint = [&] {
    chart.Invalidate();
    widget->repaint();
  };
  const auto expose = [&] { widget->repaint(); };
  const std::vector<std::uint32_t> clean = pixels();
  const QPoint start = At(widget, 0.2, 0.2);

  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, start);
  QTest::mouseMove(widget, At(widget, 0.4, 0.5));
  fullRepaint();
  ExpectOnlyTheRectangle(image, clean, start, At(widget, 0.4, 0.5));
  QTest::mouseMove(widget, At(widget, 0.5, 0.6));
  expose();
  ExpectOnlyTheRectangle(image, clean, start, At(widget, 0.5, 0.6));
  QTest::mouseMove(widget, At(widget, 0.6, 0.7));
  ExpectOnlyTheRectangle(image, clean, start, At(widget, 0.6, 0.7));
  fullRepaint();
  expose();
  QTest::mouseMove(widget, At(widget, 0.3, 0.4));
  ExpectOnlyTheRectangle(image, clean, start, At(widget, 0.3, 0.4));
  // Back to the start: too short to zoom, and the outline goes with the release.
  QTest::mouseMove(widget, start + QPoint(10, 10));
  fullRepaint();
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, start + QPoint(10, 10));
  QCoreApplication::processEvents();
  EXPECT_TRUE(chart.BottomAxis().Automatic());
  EXPECT_TRUE(pixels() == clean) << "an outline stayed after a drag too short to zoom";
  expose();
  EXPECT_TRUE(pixels() == clean) << "the buffer brought an outline back";
}

TEST_F(MouseZoom, RightDragScrollsWithCaptureAndOnlyItsOwnChart) {
  ui::TChartWidget* widget = Form.Chart2;
  chart::TChart& chart = ChartOf(widget);
  const QPoint from = At(widget, 0.5, 0.5);
  const double valueAtStart = chart.BottomAxis().PixelToValue(from.x());

  QTest::mousePress(widget, Qt::RightButton, Qt::NoModifier, from);
  EXPECT_EQ(QWidget::mouseGrabber(), widget);
  // Past the chart's edge the capture keeps the moves coming.
  QTest::mouseMove(widget, from + QPoint(40, 0));
  QTest::mouseRelease(widget, Qt::RightButton, Qt::NoModifier, from + QPoint(40, 0));
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  QCoreApplication::processEvents();

  EXPECT_NEAR(chart.BottomAxis().PixelToValue(from.x() + 40), valueAtStart, 2.0);
  EXPECT_TRUE(ChartOf(Form.Chart1).BottomAxis().Automatic());
}

TEST_F(MouseZoom, TheWheelReachesTheChartUnderTheMouse) {
  chart::TChartAxis& upper = ChartOf(Form.Chart1).LeftAxis();
  chart::TChartAxis& lower = ChartOf(Form.Chart2).LeftAxis();
  const double lowerMinimum = lower.Minimum(), lowerMaximum = lower.Maximum();
  const double upperMinimum = upper.Minimum();

  Wheel(Form.Chart2, At(Form.Chart2, 0.5, 0.5), 120);
  EXPECT_DOUBLE_EQ(lower.Minimum(), lowerMinimum + (lowerMaximum - lowerMinimum) * 0.03);
  EXPECT_TRUE(upper.Automatic());
  EXPECT_EQ(upper.Minimum(), upperMinimum);

  Wheel(Form.Chart1, At(Form.Chart1, 0.5, 0.5), -120);
  EXPECT_FALSE(upper.Automatic());
  EXPECT_LT(upper.Minimum(), upperMinimum);
}

} // namespace
