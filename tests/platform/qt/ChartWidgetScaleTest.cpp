// The chart widget on a screen of any pixel ratio (the suite runs these once more with
// QT_SCALE_FACTOR=2): the window image is rendered at the whole device scale and reaches the
// screen without stretching.
#include "platform/qt/ChartWidget.h"
#include "tests/platform/qt/QtTestApp.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(ChartWidgetScale, FractionalRatiosRenderAtTheNextWholeScale) {
  EXPECT_EQ(ui::DeviceScale(1.0), 1);
  EXPECT_EQ(ui::DeviceScale(1.25), 2);
  EXPECT_EQ(ui::DeviceScale(1.5), 2);
  EXPECT_EQ(ui::DeviceScale(2.0), 2);
  // A ratio computed as 2 plus a rounding error is still 2, not 3.
  EXPECT_EQ(ui::DeviceScale(2.0 + 1e-12), 2);
  EXPECT_EQ(ui::DeviceScale(2.5), 3);
  EXPECT_EQ(ui::DeviceScale(0.75), 1);
  EXPECT_EQ(ui::DeviceScale(40.0), gdi::TGdiBitmap::MaxScale);
}

TEST(ChartWidgetScale, TheWindowImageIsShownDevicePixelForDevicePixel) {
  QWidget window;
  auto* widget = new ui::TChartWidget(std::make_unique<chart::TChart>(), &window);
  window.resize(120, 90);
  widget->setGeometry(10, 5, 100, 80);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();

  const int scale = ui::DeviceScale(widget->devicePixelRatioF());
  gdi::TGdiBitmap& image = widget->WindowImage();
  ASSERT_EQ(image.Scale(), scale);
  EXPECT_EQ(image.Width(), 100 * scale);
  EXPECT_EQ(image.Height(), 80 * scale);
  // The chart lays out in logical pixels whatever the scale.
  EXPECT_EQ(widget->ClientWidth(), 100);
  EXPECT_EQ(widget->Chart().Width(), 100);

  // What Qt shows is the chart's own picture, device pixel for device pixel: at scale 2 its text
  // changes colour within a logical pixel, which a stretched or resampled copy would not keep.
  const QImage shown = widget->grab().toImage();
  ASSERT_EQ(shown.width(), image.Width());
  ASSERT_EQ(shown.height(), image.Height());
  int wrong = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      wrong += (shown.pixel(x, y) & 0xFFFFFFu) != image.Pixel(x, y);
  EXPECT_EQ(wrong, 0);
}
