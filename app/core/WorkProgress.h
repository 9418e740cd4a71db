// How far long work in a handler has come, for a window that shows it while the work runs.
#pragma once

#include <cstdint>

namespace app {

class TWorkProgress {
public:
  virtual ~TWorkProgress() = default;
  // Done of Total units are finished. Called often, on the thread the work was started from; what
  // it shows is no part of the work, so it cannot fail it.
  virtual void Advance(std::int64_t Done, std::int64_t Total) noexcept = 0;
};

} // namespace app
