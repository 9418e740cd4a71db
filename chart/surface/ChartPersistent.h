// Base of the chart's published property objects (pens, brushes, fonts, gradients): a setter that
// stores only a different value and then tells the owner, which repaints.
#pragma once

#include <functional>
#include <utility>

namespace chart {

class TChartPersistent {
public:
  TChartPersistent() = default;
  // Owners hand out callbacks bound to their own address, so these objects never move.
  TChartPersistent(const TChartPersistent&) = delete;
  TChartPersistent& operator=(const TChartPersistent&) = delete;
  virtual ~TChartPersistent() = default;

  // The owner's change notification, typically bound to the chart's Invalidate. Empty: none.
  void SetOnChange(std::function<void()> onChange) { FOnChange = std::move(onChange); }

protected:
  void Changed() const {
    if (FOnChange)
      FOnChange();
  }

  template <class T, class U>
  void SetProperty(T& field, const U& value) {
    if (field == value)
      return;
    field = value;
    Changed();
  }

  // Lets a nested object (a brush's gradient, a font's shadow) report through this owner.
  void ForwardChangesOf(TChartPersistent& child) {
    child.SetOnChange([this] { Changed(); });
  }

private:
  std::function<void()> FOnChange;
};

} // namespace chart
