// The program-wide sample store: both channels of the last load, its frame count and the path
// last taken from the open dialog. The arrays are reserved once for the whole run.
#pragma once

#include <cstdint>
#include <string>

namespace app {

inline constexpr std::int32_t MaxFrames = 100000000;

class TSampleStore {
public:
  // Reserves address space only: pages come from the system as zeros when first written, so
  // start-up costs neither time nor resident memory. Throws std::bad_alloc when it cannot.
  explicit TSampleStore(std::int32_t capacity = MaxFrames);
  ~TSampleStore();
  TSampleStore(const TSampleStore&) = delete;
  TSampleStore& operator=(const TSampleStore&) = delete;

  std::int32_t Capacity() const { return FCapacity; }

  std::int32_t* LeftSamples = nullptr;
  std::int32_t* RightSamples = nullptr;
  // Frames of the last load; entries at this index and beyond are not part of the data.
  std::int32_t SampleCount = 0;
  std::string WaveFileName;

private:
  std::int32_t FCapacity;
};

} // namespace app
