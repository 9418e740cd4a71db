// The chart widget on a screen of any pixel ratio (the suite runs these once more with
// QT_SCALE_FACTOR=2): the chart is rendered at the whole device scale and shown unstretched.
#include "ui/ChartWidget.h"
#include "tests/ui/QtTestApp.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(ChartWidgetScale, FractionalRatiosRenderAtTheNextWholeScale) {
  EXPECT_EQ(ui::DeviceScale(1.0), 1);
  EXPECT_EQ(ui::DeviceScale(1.25), 2);
  EXPECT_EQ(ui::DeviceScale(2.0 + 1e-12), 2); // a rounding error above 2 is still 2
}

TEST(ChartWidgetScale, TheChartIsShownDevicePixelForDevicePixel) {
  QWidget window;
  auto* widget = new ui::TChartWidget(std::make_unique<chart::TChart>(), &window);
  widget->setGeometry(10, 5, 100, 80);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();

  const int scale = ui::DeviceScale(widget->devicePixelRatioF());
  const gdi::TGdiBitmap& image = widget->WindowImage();
  EXPECT_EQ(image.Width(), 100 * scale);
  EXPECT_EQ(widget->Chart().Width(), 100); // the chart lays out in logical pixels
  // At scale 2 the chart's text changes colour within a logical pixel, which a stretched or
  // resampled copy would not keep.
  const QImage shown = widget->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(image.Width(), image.Height()));
  int wrong = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      wrong += (shown.pixel(x, y) & 0xFFFFFFu) != image.Pixel(x, y);
  EXPECT_EQ(wrong, 0);
}
