#include "app/WorkProgressBar.h"

#include <QProgressBar>

#include <new>

namespace app {

TWorkProgressBar::TWorkProgressBar(QProgressBar& Bar, TProgressPace Pace)
    : FBar(Bar), FStep(Pace.Step), FNext(std::chrono::steady_clock::now() + Pace.Delay) {}

TWorkProgressBar::~TWorkProgressBar() {
  if (FHold)
    FBar.hide();
}

void TWorkProgressBar::Advance(std::int64_t Done, std::int64_t Total) noexcept {
  const auto now = std::chrono::steady_clock::now();
  if (now < FNext)
    return;
  FNext = now + FStep;
  try {
    if (!FHold) {
      FHold.emplace(*FBar.window());
      FBar.show();
    }
    FBar.setValue(Total > 0 ? int(Done * FBar.maximum() / Total) : 0);
    FHold->Repaint();
  } catch (const std::bad_alloc&) {
    // Without memory to show it, the work goes on unseen, as it would without a window.
    FNext = std::chrono::steady_clock::time_point::max();
  }
}

} // namespace app
