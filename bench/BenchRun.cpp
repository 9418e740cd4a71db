#include "bench/BenchRun.h"

#include "app/Form1.h"
#include "app/StartUp.h"
#include "bench/Json.h"
#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "chart/values/SimdPath.h"
#include "ui/ChartWidget.h"
#include "ui/Settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <functional>

namespace bench {

namespace {

using TClock = std::chrono::steady_clock;

double Ms(std::chrono::nanoseconds duration) { return double(duration.count()) / 1e6; }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double TimeMs(const std::function<void()>& step) {
  const auto start = TClock::now();
  step();
  return Ms(TClock::now() - start);
}

std::vector<std::string> LogLines(const QPlainTextEdit& memo) {
  std::vector<std::string> lines;
  if (memo.toPlainText().isEmpty())
    return lines;
  for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
    lines.push_back(block.text().toStdString());
  return lines;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// A click as the mouse makes it, so an error from the handler takes the program's own way to
// the message box.
void Press(QWidget* button) {
  const QPoint centre = button->rect().center();
  SendMouse(button, QEvent::MouseButtonPress, centre, Qt::LeftButton);
  SendMouse(button, QEvent::MouseButtonRelease, centre, Qt::NoButton);
}

// A left-button drag in a few steps, so the chart draws its zoom rectangle on the way.
void Drag(QWidget* widget, QPoint from, QPoint to) {
  SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
  for (int step = 1; step <= 4; ++step)
    SendMouse(widget, QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

class TBenchRun {
public:
  TBenchRun(const TBenchOptions& options, app::TForm1& form) : FOptions(options), FForm(form) {}

  TBenchResult Run() {
    Load();
    Paint();
    if (FOptions.Export)
      Repeat("export", [&] { return TimeMs([&] { Press(FForm.SpeedButton1); }); });
    if (FOptions.Zoom)
      Zoom(*FOptions.Zoom);
    if (FOptions.Hover)
      Hover(*FOptions.Hover);
    if (!FOptions.Png.empty())
      FForm.grab().save(QString::fromStdString(FOptions.Png));
    // After everything a user may do short of changing the points: a view must still be one.
    FResult.ValueForms = {FormsOf(*FForm.Series1), FormsOf(*FForm.Series2)};
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    FResult.PeakRssMb = double(usage.ru_maxrss) / 1024.0;
    return FResult;
  }

private:
  void Repeat(const std::string& key, const std::function<double()>& step) {
    std::vector<double> times;
    for (int i = 0; i < FOptions.Repeat; ++i)
      times.push_back(step());
    FResult.TimingsMs[key] = Median(times);
  }

  void Load() {
    std::vector<double> reads;
    Repeat("load", [&] {
      const double ms = TimeMs([&] { Press(FForm.Button1); });
      reads.push_back(Ms(FForm.LastRead().Duration));
      if (FResult.Log.empty())
        FResult.Log = LogLines(*FForm.Memo1);
      return ms;
    });
    FResult.TimingsMs["read"] = Median(reads);
    FResult.Status = static_cast<int>(FForm.LastRead().Status);
    FResult.Frames = FForm.Store().SampleCount;
    FResult.FormatNotice = FForm.LastRead().FormatNotice;
    if (!FForm.NoticeLabel->isHidden())
      FResult.Notice = FForm.NoticeText();
    const app::TReading& reading = FForm.Store().Reading;
    FResult.AsRecorded = reading.AsRecorded;
    FResult.Channels = {reading.Upper, reading.Lower};
    FResult.Info = FForm.InfoLabel->text().toStdString();
  }

  static std::string FormOf(const chart::TChartValueList& list) {
    static const char* const names[] = {"sequence", "int16", "int32", "double",  "uint8",
                                        "int24",    "alaw",  "mulaw", "float32", "float64"};
    return std::string(names[list.Form()]) + (list.ValueArray().IsView() ? " view" : "");
  }

  static std::array<std::string, 2> FormsOf(const chart::TChartSeries& series) {
    return {FormOf(series.XValues()), FormOf(series.YValues())};
  }

  static double PaintChart(ui::TChartWidget& widget) {
    widget.Chart().Invalidate();
    widget.repaint();
    return Ms(widget.LastPaintDuration());
  }

  static std::array<int, 4> PlotRectOf(const ui::TChartWidget& widget) {
    const auto& r = widget.Chart().PlotRect();
    return {r.Left, r.Top, r.Right, r.Bottom};
  }

  void Paint() {
    // Both charts paint in one window repaint, as they do when the button's handler returns.
    FForm.repaint();
    FResult.TimingsMs["first_paint_chart1"] = Ms(FForm.Chart1->LastPaintDuration());
    FResult.TimingsMs["first_paint_chart2"] = Ms(FForm.Chart2->LastPaintDuration());
    FResult.PlotRects = {PlotRectOf(*FForm.Chart1), PlotRectOf(*FForm.Chart2)};
    FResult.DeviceScale = FForm.Chart1->WindowImage().Scale();
    Repeat("paint_chart1", [&] { return PaintChart(*FForm.Chart1); });
    Repeat("paint_chart2", [&] { return PaintChart(*FForm.Chart2); });
    // Timed around the window repaints themselves: a paint that only copies the buffer must be
    // seen as such, whatever the widget recorded last.
    Repeat("repaint_unchanged", [&] {
      return TimeMs([&] {
        FForm.Chart1->repaint();
        FForm.Chart2->repaint();
      });
    });
  }

  void Zoom(const TZoomDrag& zoom) {
    ui::TChartWidget* widget = zoom.Chart == 1 ? FForm.Chart1 : FForm.Chart2;
    const QPoint from(zoom.X0, zoom.Y0);
    const QPoint to(zoom.X1, zoom.Y1);
    Repeat("zoom", [&] {
      Drag(widget, from, to);
      widget->repaint();
      const double ms = Ms(widget->LastPaintDuration());
      // Dragging back towards the left undoes the zoom for the next round.
      if (FOptions.Repeat > 1) {
        Drag(widget, to, from);
        widget->repaint();
      }
      return ms;
    });
  }

  void Hover(const TChartPoint& hover) {
    ui::TChartWidget* widget = hover.Chart == 1 ? FForm.Chart1 : FForm.Chart2;
    SendMouse(widget, QEvent::MouseMove, QPoint(hover.X, hover.Y), Qt::NoButton);
    FResult.Readout = FForm.ReadoutLabel->text().toStdString();
  }

  const TBenchOptions& FOptions;
  app::TForm1& FForm;
  TBenchResult FResult;
};

} // namespace

TBenchResult RunBenchmark(const TBenchOptions& options) {
  app::ApplyUserSettings();
  // A run starts from the defaults and leaves the user's choices alone.
  ui::SetStoredChoices(false);
  app::TSampleStore store;
  app::TForm1 form(store);
  app::Form1 = &form;
  form.BothChartsBox->setChecked(options.BothCharts);
  form.AsRecordedBox->setChecked(options.AsRecorded);
  if (options.Channels)
    form.ChooseChannels((*options.Channels)[0], (*options.Channels)[1]);
  if (options.Width > 0)
    form.resize(options.Width, options.Height);
  form.OpenDialog1.SetChooser([&](std::string& fileName) {
    fileName = options.File;
    return true;
  });
  form.show();
  QApplication::processEvents();
  return TBenchRun(options, form).Run();
}

std::string ResultJson(const TBenchResult& result) {
  const auto number = [](int value) { return std::to_string(value); };
  std::string json =
      "{\"status\": " + std::to_string(result.Status) + ", \"log\": " + JsonList(result.Log, JsonString);
  json += ", \"frames\": " + std::to_string(result.Frames) +
          ", \"plot_rect\": " + JsonPerChart(result.PlotRects, number);
  json += ", \"device_scale\": " + std::to_string(result.DeviceScale);
  json += ", \"timings_ms\": {";
  bool first = true;
  for (const auto& [key, ms] : result.TimingsMs) {
    json += (first ? "" : ", ") + JsonString(key) + ": " + JsonNumber(ms);
    first = false;
  }
  json += "}, \"value_forms\": " + JsonPerChart(result.ValueForms, JsonString);
  json += std::string(", \"format_notice\": ") + (result.FormatNotice ? "true" : "false");
  json += ", \"notice\": " + (result.Notice ? JsonString(*result.Notice) : std::string("null"));
  json += std::string(", \"as_recorded\": ") + (result.AsRecorded ? "true" : "false");
  json += ", \"channels\": [" + number(result.Channels[0]) + ", " + number(result.Channels[1]) + "]";
  json += ", \"info\": " + JsonString(result.Info);
  json += ", \"readout\": " + (result.Readout ? JsonString(*result.Readout) : std::string("null"));
  json += ", \"simd\": " + JsonString(chart::SimdPathName(chart::SimdPath()));
  return json + ", \"peak_rss_mb\": " + JsonNumber(result.PeakRssMb) + "}";
}

} // namespace bench
