// Zoom, undo, scroll and wheel on the main window's charts, driven by real Qt mouse and key
// events; a new file shown whole; both charts zoomed together.
#include "chart/axis/ChartAxis.h"
#include "ui/ChartWidget.h"
#include "tests/app/FormFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QWheelEvent>
#include <QWindow>

#include <cmath>
#include <functional>
#include <utility>

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
    const chart::TRect& r = ChartOf(widget).PlotRect();
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

  static void Keys(ui::TChartWidget* widget, const std::vector<Qt::Key>& keys) {
    for (const Qt::Key key : keys)
      QTest::keyClick(widget, key);
    QCoreApplication::processEvents();
  }

  static void ExpectWhole(ui::TChartWidget* widget) {
    chart::TChart& chart = ChartOf(widget);
    for (const chart::TChartAxis* axis : chart.Axes)
      EXPECT_TRUE(axis->Automatic() && axis->AutomaticMinimum() && axis->AutomaticMaximum());
    EXPECT_FALSE(chart.HasZoom());
    EXPECT_TRUE(chart.MustSaveScales());
    EXPECT_TRUE(chart.ZoomHistory().empty());
  }

  static std::pair<double, double> Range(const chart::TChartAxis& axis) {
    return {axis.Minimum(), axis.Maximum()};
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

TEST_F(MouseZoom, ANewFileIsShownWholeAndAFailedLoadKeepsTheView) {
  ChartOf(Form.Chart1).Zoom().SetHistory(true);
  const std::function<void()> steps[] = {
      [&] { Drag(Form.Chart1, Qt::LeftButton, At(Form.Chart1, 0.2, 0.2), At(Form.Chart1, 0.6, 0.7)); },
      [&] { Drag(Form.Chart2, Qt::RightButton, At(Form.Chart2, 0.5, 0.5), At(Form.Chart2, 0.3, 0.4)); },
      [&] { Wheel(Form.Chart1, At(Form.Chart1, 0.5, 0.5), 120); },
      [&] {
        Keys(Form.Chart2, {Qt::Key_Plus, Qt::Key_Right});
      },
  };
  int round = 0;
  for (const auto& step : steps) {
    step();
    // Half a notch waiting on each chart.
    Wheel(Form.Chart1, At(Form.Chart1, 0.5, 0.5), 60);
    Wheel(Form.Chart2, At(Form.Chart2, 0.5, 0.5), 60);
    // The same file again counts as a new one.
    Load(SampleBytes({1, 2, 3, 4, 5, 6}), ++round % 2 ? "second.wav" : "in.wav");
    SCOPED_TRACE(round);
    ExpectWhole(Form.Chart1);
    ExpectWhole(Form.Chart2);
    Wheel(Form.Chart1, At(Form.Chart1, 0.5, 0.5), 60);
    Wheel(Form.Chart2, At(Form.Chart2, 0.5, 0.5), 60);
    ExpectWhole(Form.Chart1);
    ExpectWhole(Form.Chart2);
  }

  Drag(Form.Chart1, Qt::LeftButton, At(Form.Chart1, 0.2, 0.2), At(Form.Chart1, 0.6, 0.7));
  const auto zoomed = Range(ChartOf(Form.Chart1).BottomAxis());
  PressReadWF(PathOf("missing.wav"));
  EXPECT_TRUE(ChartOf(Form.Chart1).HasZoom());
  EXPECT_EQ(Range(ChartOf(Form.Chart1).BottomAxis()), zoomed);
}

TEST_F(MouseZoom, KeysOnTheFocusedChartScrollZoomAndShowTheWhole) {
  for (ui::TChartWidget* widget : {Form.Chart1, Form.Chart2}) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, At(widget, 0.5, 0.5));
    ASSERT_EQ(QApplication::focusWidget(), widget);
    chart::TChartAxis& bottom = ChartOf(widget).BottomAxis();
    chart::TChartAxis& left = ChartOf(widget).LeftAxis();
    const auto [leftMinimum, leftMaximum] = Range(left);

    const auto expectBottom = [&](double minimum, double maximum) {
      EXPECT_DOUBLE_EQ(bottom.Minimum(), minimum);
      EXPECT_DOUBLE_EQ(bottom.Maximum(), maximum);
    };
    Keys(widget, {Qt::Key_Plus});
    expectBottom(500.75, 1500.25);
    Keys(widget, {Qt::Key_Right});
    expectBottom(600.7, 1600.2);
    Keys(widget, {Qt::Key_Left, Qt::Key_Equal});
    expectBottom(750.625, 1250.375);
    // Out by two, twice: the second stops at the whole recording.
    Keys(widget, {Qt::Key_Minus, Qt::Key_Minus});
    expectBottom(1, 2000);
    EXPECT_TRUE(left.Automatic()) << "keys for the frames leave the values alone";

    Keys(widget, {Qt::Key_Up});
    EXPECT_DOUBLE_EQ(left.Minimum(), leftMinimum + (leftMaximum - leftMinimum) * 0.03);
    Keys(widget, {Qt::Key_Down, Qt::Key_Home});
    ExpectWhole(widget);
  }
}

TEST_F(MouseZoom, KeysAndMouseMixedAreUndoneTogether) {
  ui::TChartWidget* widget = Form.Chart1;
  chart::TChart& chart = ChartOf(widget);
  Drag(widget, Qt::LeftButton, At(widget, 0.2, 0.2), At(widget, 0.7, 0.8));
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, At(widget, 0.5, 0.5));
  Keys(widget, {Qt::Key_Plus, Qt::Key_Right});
  Drag(widget, Qt::RightButton, At(widget, 0.5, 0.5), At(widget, 0.4, 0.6));
  Keys(widget, {Qt::Key_Minus});
  EXPECT_TRUE(chart.HasZoom());
  Drag(widget, Qt::LeftButton, At(widget, 0.7, 0.5), At(widget, 0.2, 0.3));
  ExpectWhole(widget);
  EXPECT_EQ(chart.BottomAxis().Maximum(), 2000);
}

TEST_F(MouseZoom, BothChartsTogetherShareTheFramesNotTheValues) {
  chart::TChartAxis& upper = ChartOf(Form.Chart1).BottomAxis();
  chart::TChartAxis& lower = ChartOf(Form.Chart2).BottomAxis();
  ASSERT_FALSE(Form.BothChartsBox->isChecked());
  Drag(Form.Chart1, Qt::LeftButton, At(Form.Chart1, 0.2, 0.2), At(Form.Chart1, 0.6, 0.7));
  EXPECT_TRUE(lower.Automatic()) << "unticked, each chart on its own";
  Drag(Form.Chart1, Qt::LeftButton, At(Form.Chart1, 0.6, 0.7), At(Form.Chart1, 0.2, 0.2));

  QTest::mouseClick(Form.BothChartsBox, Qt::LeftButton);
  ASSERT_TRUE(Form.BothChartsBox->isChecked());
  const std::function<void()> steps[] = {
      [&] { Drag(Form.Chart1, Qt::LeftButton, At(Form.Chart1, 0.2, 0.2), At(Form.Chart1, 0.6, 0.7)); },
      [&] { Drag(Form.Chart2, Qt::RightButton, At(Form.Chart2, 0.5, 0.5), At(Form.Chart2, 0.3, 0.5)); },
      [&] { Keys(Form.Chart2, {Qt::Key_Plus}); },
      [&] { Keys(Form.Chart1, {Qt::Key_Left}); },
  };
  for (const auto& step : steps) {
    step();
    EXPECT_FALSE(upper.Automatic());
    EXPECT_FALSE(lower.Automatic());
    EXPECT_EQ(Range(upper), Range(lower));
  }
  EXPECT_TRUE(ChartOf(Form.Chart2).LeftAxis().Automatic()) << "the values stay each chart's own";
  const auto lowerValues = Range(ChartOf(Form.Chart2).LeftAxis());
  Wheel(Form.Chart1, At(Form.Chart1, 0.5, 0.5), 120);
  EXPECT_EQ(Range(ChartOf(Form.Chart2).LeftAxis()), lowerValues);

  // An undo on either chart undoes both, and so does Home.
  Drag(Form.Chart2, Qt::LeftButton, At(Form.Chart2, 0.7, 0.5), At(Form.Chart2, 0.2, 0.3));
  EXPECT_TRUE(upper.Automatic());
  EXPECT_TRUE(lower.Automatic());
  EXPECT_FALSE(ChartOf(Form.Chart1).HasZoom());
  Keys(Form.Chart2, {Qt::Key_Plus});
  Keys(Form.Chart1, {Qt::Key_Home});
  ExpectWhole(Form.Chart1);
  ExpectWhole(Form.Chart2);

  QTest::mouseClick(Form.BothChartsBox, Qt::LeftButton);
  Keys(Form.Chart1, {Qt::Key_Plus});
  EXPECT_TRUE(lower.Automatic());
}

} // namespace
