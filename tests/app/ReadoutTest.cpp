// The readout under the mouse: driven with Qt mouse and key events on the window's charts and
// checked against a plain scan of every frame; its times on their own.
#include "app/core/ReadMessages.h"
#include "app/core/Readout.h"
#include "chart/axis/ChartAxis.h"
#include "ui/ChartWidget.h"
#include "tests/app/FormFixture.h"

#include <QLabel>

#include <algorithm>

namespace {

using testsupport::SampleBytes;

constexpr int Frames = 20000;

std::int16_t LeftSample(int index) { return std::int16_t(index * 7919 % 2001 - 1000); }

class Readout : public testsupport::FormFixture {
protected:
  Readout() {
    Form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Form));
  }

  void LoadFrames() {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < Frames; ++i) {
      samples.push_back(LeftSample(i));
      samples.push_back(std::int16_t(-(i % 3000)));
    }
    Load(SampleBytes(samples));
    QCoreApplication::processEvents();
  }

  std::string ReadoutAt(ui::TChartWidget* widget, QPoint at) {
    QTest::mouseMove(widget, at);
    return Form.ReadoutLabel->text().toStdString();
  }

  // What the readout must say at column x of the upper chart, found by looking at every frame.
  std::string Expected(int x) const {
    const chart::TPointMapper mapper = Form.Chart1->Chart().PaintContextOf(*Form.Series1).PointMapper();
    const chart::TChartValueList& xs = Form.Series1->XValues();
    int first = -1, last = -1;
    for (int i = 0; i < xs.ValueCount(); ++i) {
      if (mapper.X(xs.Value(i)) == x) {
        first = first < 0 ? i : first;
        last = i;
      }
    }
    if (first < 0)
      return "no frame in this column";
    std::int16_t lowest = LeftSample(first), highest = lowest;
    for (int i = first; i <= last; ++i) {
      lowest = std::min(lowest, LeftSample(i));
      highest = std::max(highest, LeftSample(i));
    }
    const auto group = [](std::int64_t value) { return app::GroupThousands(value); };
    // The test files are 2-channel 16-bit PCM at 44,100 Hz: their frames have times.
    const auto time = [](int index) { return app::TimeText(index, 44100); };
    if (first == last)
      return "Frame " + group(first + 1) + "\nTime " + time(first) + "\nChannel 1: " + group(lowest);
    const std::string times = time(first) == time(last) ? time(first) : time(first) + " to " + time(last);
    return "Frames " + group(first + 1) + " to " + group(last + 1) + "\nTime " + times +
           "\nChannel 1: " + group(lowest) + " to " + group(highest);
  }

  int PixelOfFrame(int frame) const { return Form.Chart1->Chart().BottomAxis().ValueToPixel(frame); }
  int MiddleY() const {
    const chart::TRect& plot = Form.Chart1->Chart().PlotRect();
    return (plot.Top + plot.Bottom) / 2;
  }
};

TEST_F(Readout, SaysNothingWithoutAFileOffThePlotOrOnceTheMouseHasLeft) {
  const chart::TRect& plot = Form.Chart1->Chart().PlotRect();
  EXPECT_EQ(ReadoutAt(Form.Chart1, {(plot.Left + plot.Right) / 2, MiddleY()}), "");
  LoadFrames();
  EXPECT_NE(ReadoutAt(Form.Chart2, {400, 100}), "");
  EXPECT_EQ(ReadoutAt(Form.Chart1, {plot.Left - 5, MiddleY()}), "");
  EXPECT_NE(ReadoutAt(Form.Chart1, {400, MiddleY()}), "");
  EXPECT_EQ(ReadoutAt(Form.Chart1, {400, plot.Top - 1}), "");
  ReadoutAt(Form.Chart1, {400, MiddleY()});
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(Form.Chart1, &leave);
  EXPECT_EQ(Form.ReadoutLabel->text(), "");
  EXPECT_EQ(Form.ReadoutLabel->geometry(), QRect(8, 428, 209, 72));
}

TEST_F(Readout, ColumnsOfManyFramesGiveTheirEndsAndExtremes) {
  LoadFrames();
  const int columns[] = {PixelOfFrame(1), PixelOfFrame(Frames / 2), PixelOfFrame(Frames - 1),
                         PixelOfFrame(Frames)};
  const int paints = Form.Chart1->PaintMessageCount();
  for (const int x : columns)
    EXPECT_EQ(ReadoutAt(Form.Chart1, {x, MiddleY()}), Expected(x)) << x;
  QCoreApplication::processEvents();
  EXPECT_EQ(Form.Chart1->PaintMessageCount(), paints) << "the readout repainted the chart";
  EXPECT_NE(Expected(PixelOfFrame(Frames)).find(app::GroupThousands(Frames) + "\n"), std::string::npos);
  // Past the last frame's column there is no frame.
  EXPECT_EQ(ReadoutAt(Form.Chart1, {PixelOfFrame(Frames) + 1, MiddleY()}), "");
}

TEST_F(Readout, ZoomedInAColumnHoldsOneFrameAndAMouseThatStaysPutFollowsTheView) {
  LoadFrames();
  const QPoint at(PixelOfFrame(Frames / 2) + 2, MiddleY());
  const std::string before = ReadoutAt(Form.Chart1, at);
  QTest::mouseClick(Form.Chart1, Qt::LeftButton, Qt::NoModifier, at);
  for (int i = 0; i < 8; ++i)
    QTest::keyClick(Form.Chart1, Qt::Key_Plus);
  QCoreApplication::processEvents();
  // The repaint after the keys brought the readout up to date without a mouse move.
  const std::string afterKeys = Form.ReadoutLabel->text().toStdString();
  EXPECT_NE(afterKeys, before);
  EXPECT_EQ(afterKeys, ReadoutAt(Form.Chart1, at));

  const int frame = Frames / 2 + 3;
  const int x = PixelOfFrame(frame);
  ASSERT_GT(PixelOfFrame(frame + 1) - x, 2) << "frames should lie apart now";
  EXPECT_EQ(ReadoutAt(Form.Chart1, {x, MiddleY()}), Expected(x));
  EXPECT_EQ(Expected(x).rfind("Frame " + app::GroupThousands(frame) + "\n", 0), 0u);
  // Between two frames the nearer one counts.
  EXPECT_EQ(ReadoutAt(Form.Chart1, {x + 1, MiddleY()}), Expected(x));
  EXPECT_EQ(ReadoutAt(Form.Chart1, {PixelOfFrame(frame + 1) - 1, MiddleY()}),
            Expected(PixelOfFrame(frame + 1)));
}

// One pixel per frame, frame n (from 1) at pixel n - 1.
struct TOnePixelPerFrame {
  explicit TOnePixelPerFrame(int frames) {
    for (int i = 1; i <= frames; ++i)
      Series.AddPoint(i, i % 2 ? 0.25 : -1500, "", chart::DefaultSeriesColor);
    chart::TAxisMapping horizontal, vertical;
    horizontal.SetDirection(true, false);
    horizontal.SetRange(1, frames);
    horizontal.SetPixels(0, frames - 1);
    vertical.SetDirection(false, false);
    View = {{0, 0, frames, 10}, chart::TPointMapper(horizontal, vertical, false)};
  }
  chart::TFastLineSeries Series;
  app::TReadoutView View;
};

TEST(ReadoutText, TimesAreCutToTheMillisecondAndNeedARate) {
  const TOnePixelPerFrame frames(50000);
  const struct {
    std::uint32_t Rate;
    bool ShowTime;
    int Index; // of the frame, from 0
    std::string Time;
  } cases[] = {
      {44100, true, 0, "0:00:00.000"},
      {44100, true, 44, "0:00:00.000"},
      {44100, true, 45, "0:00:00.001"},
      {44100, true, 44099, "0:00:00.999"},
      {44100, true, 44100, "0:00:01.000"},
      {48000, true, 47, "0:00:00.000"},
      {48000, true, 48, "0:00:00.001"},
      {48000, true, 47999, "0:00:00.999"},
      {48000, true, 48000, "0:00:01.000"},
      {1, true, 3661, "1:01:01.000"},
      {0, true, 3661, ""},
      {48000, false, 48000, ""},
  };
  for (const auto& c : cases) {
    const app::TReadoutSource source{&frames.Series, 2, c.Rate, c.ShowTime};
    const std::string value = c.Index % 2 ? "-1,500" : "0.25";
    const std::string time = c.Time.empty() ? "" : "Time " + c.Time + "\n";
    EXPECT_EQ(app::ReadoutText(source, frames.View, c.Index, 5),
              "Frame " + app::GroupThousands(c.Index + 1) + "\n" + time + "Channel 2: " + value)
        << c.Rate << " " << c.Index;
  }
  // A chart that shows no channel says nothing.
  EXPECT_EQ(app::ReadoutText({&frames.Series, 0, 48000, true}, frames.View, 10, 5), "");
}

} // namespace
