// What the window adds for finding one's way in a recording: the keys, zooming both charts
// together, the readout under the mouse, and a new recording shown whole.
#include "app/ChartLink.h"
#include "app/Form1.h"
#include "app/core/Readout.h"
#include "app/reader/SampleCoding.h"

#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "ui/ChartWidget.h"
#include "ui/Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QShortcut>

namespace app {

void TForm1::CreateViewControls() {
  BothChartsBox = new QCheckBox(QStringLiteral("Zoom both charts together"), Panel1);
  BothChartsBox->setGeometry(14, 176, 205, 17);
  BothChartsBox->setChecked(ui::ReadChoice(ui::TChoice::chBothCharts));

  ReadoutLabel = NewNote(QRect(8, 428, 209, 72), QStringLiteral("Readout"));
}

void TForm1::ConnectViewControls() {
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] { Button1Click(); });
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { SpeedButton1Click(); });

  FChartLink = std::make_unique<TChartLink>(Chart1->Chart(), Chart2->Chart());
  FChartLink->SetEnabled(BothChartsBox->isChecked());
  connect(BothChartsBox, &QCheckBox::toggled, this,
          [this](bool checked) { FChartLink->SetEnabled(checked); });
  // Only the user's own clicks are kept: a choice made on the command line lasts one run.
  connect(BothChartsBox, &QCheckBox::clicked, this,
          [](bool checked) { ui::WriteChoice(ui::TChoice::chBothCharts, checked); });

  for (const int number : {1, 2}) {
    ui::TChartWidget* widget = number == 1 ? Chart1 : Chart2;
    widget->Chart().OnMouseMove = [this, number](chart::TCustomChart&, chart::TShiftState, int x, int y) {
      ShowReadout(number, x, y);
    };
    // A key, a load or a drag moves the picture under a mouse that stays put.
    widget->Chart().OnAfterDraw = [this, number](chart::TCustomChart&) {
      if (FReadoutChart == number)
        ShowReadout(number, FReadoutX, FReadoutY);
    };
    connect(widget, &ui::TChartWidget::MouseLeft, this, [this] {
      FReadoutChart = 0;
      ReadoutLabel->clear();
    });
  }
}

TReadoutSource TForm1::ReadoutSource(int Chart) const {
  const chart::TChartSeries* series = Chart == 1 ? static_cast<const chart::TChartSeries*>(Series1) : Series2;
  const TReading& reading = FStore.Reading;
  // Frame pairs of other sound are no frames of the recording: their numbers have no time.
  const bool timed = reading.AsRecorded || reader::IsStereo16Pcm(FStore.Format);
  return {series, Chart == 1 ? reading.Upper : reading.Lower, FStore.Format.SamplesPerSec, timed};
}

void TForm1::ShowReadout(int Chart, int X, int Y) {
  FReadoutChart = Chart;
  FReadoutX = X;
  FReadoutY = Y;
  const TReadoutSource source = ReadoutSource(Chart);
  // Where the last paint put the series' points.
  const chart::TPaintContext context = (Chart == 1 ? Chart1 : Chart2)->Chart().PaintContextOf(*source.Series);
  const TReadoutView view{context.PlotRect, context.PointMapper()};
  ReadoutLabel->setText(QString::fromStdString(ReadoutText(source, view, X, Y)));
}

void TForm1::ShowWholeRecording() {
  Chart1->Chart().ShowWhole();
  Chart2->Chart().ShowWhole();
}

} // namespace app
