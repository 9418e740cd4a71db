#include "app/Form1.h"
#include "app/FormChartsLayout.h"

#include "chart/Chart.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "ui/ChartWidget.h"

#include <QFrame>

namespace app {

void TForm1::CreateCharts() {
  auto chart1 = std::make_unique<chart::TChart>();
  auto series1 = std::make_unique<chart::TFastLineSeries>();
  Series1 = series1.get();
  chart1->AddSeries(std::move(series1));
  ApplyChart1Layout(*chart1, *Series1);
  Chart1 = new ui::TChartWidget(std::move(chart1), Panel2);

  auto chart2 = std::make_unique<chart::TChart>();
  auto series2 = std::make_unique<chart::TLineSeries>();
  Series2 = series2.get();
  chart2->AddSeries(std::move(series2));
  ApplyChart2Layout(*chart2, *Series2);
  Chart2 = new ui::TChartWidget(std::move(chart2), Panel2);
}

} // namespace app
