// Just enough JSON for the benchmark's one result object.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bench {

std::string JsonString(std::string_view text);
// Milliseconds with three decimals.
std::string JsonNumber(double value);

// "[a, b, ...]", each item written by `write`.
template <class Items, class Write>
std::string JsonList(const Items& items, Write write) {
  std::string json = "[";
  bool first = true;
  for (const auto& item : items) {
    json += (first ? "" : ", ") + write(item);
    first = false;
  }
  return json + "]";
}

// {"chart1": [...], "chart2": [...]}: one list per chart.
template <class Charts, class Write>
std::string JsonPerChart(const Charts& charts, Write write) {
  std::string json = "{";
  for (std::size_t chart = 0; chart < charts.size(); ++chart)
    json += std::string(chart ? ", " : "") + "\"chart" + std::to_string(chart + 1) +
            "\": " + JsonList(charts[chart], write);
  return json + "}";
}

} // namespace bench
