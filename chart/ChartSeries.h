// Placeholder: the series classes replace this file.
#pragma once
namespace chart {
class TChartSeries {
public:
  virtual ~TChartSeries() = default;
};
} // namespace chart
