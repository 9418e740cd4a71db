// The progress of long work in a handler, shown in a bar of the window once the work has run
// for a while; the window repaints meanwhile, and the user's input waits for the work's end.
#pragma once

#include "app/core/WorkProgress.h"
#include "ui/InputHold.h"

#include <chrono>
#include <optional>

class QProgressBar;

namespace app {

// When the bar first shows, and how often it moves after that.
struct TProgressPace {
  std::chrono::milliseconds Delay{500};
  std::chrono::milliseconds Step{100};
};

// Lives as long as one piece of work; the bar is hidden again when it goes.
class TWorkProgressBar final : public TWorkProgress {
public:
  TWorkProgressBar(QProgressBar& Bar, TProgressPace Pace);
  ~TWorkProgressBar() override;
  TWorkProgressBar(const TWorkProgressBar&) = delete;
  TWorkProgressBar& operator=(const TWorkProgressBar&) = delete;

  void Advance(std::int64_t Done, std::int64_t Total) noexcept override;

private:
  QProgressBar& FBar;
  std::chrono::milliseconds FStep;
  // Reports before this change nothing.
  std::chrono::steady_clock::time_point FNext;
  // From the bar's first showing on.
  std::optional<ui::TInputHold> FHold;
};

} // namespace app
