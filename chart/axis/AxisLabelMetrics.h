// How the stages of an axis plan see label texts: the text of a value, and its size in the
// labels font. The axis answers from its canvas, tests with fixed sizes.
#pragma once

#include <string>
#include <string_view>

namespace chart {

class TLabelMetrics {
public:
  virtual std::string Text(double value) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int FontHeight() = 0;

protected:
  ~TLabelMetrics() = default;
};

} // namespace chart
