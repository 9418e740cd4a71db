#include "app/Form1.h"
#include "app/core/FormChartsLayout.h"

#include "chart/Chart.h"
#include "ui/ChartWidget.h"

#include <QFrame>

namespace app {

void TForm1::CreateCharts() {
  auto chart1 = std::make_unique<chart::TChart>();
  Series1 = &SetUpChart1(*chart1);
  Chart1 = new ui::TChartWidget(std::move(chart1), Panel2);

  auto chart2 = std::make_unique<chart::TChart>();
  Series2 = &SetUpChart2(*chart2);
  Chart2 = new ui::TChartWidget(std::move(chart2), Panel2);
}

} // namespace app
