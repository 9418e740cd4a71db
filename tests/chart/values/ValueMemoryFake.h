// Value memory for tests: the system's pages, with mappings that fail on request.
#pragma once

#include "chart/values/ChartValues.h"

#include <new>

namespace chart::test {

class TFailingValueMemory final : public TValueMemory {
public:
  // Fails every new mapping and every lengthening of one.
  bool FailCommits = false;
  int Reservations = 0;
  int Remaps = 0;
  int Releases = 0;

  void* Map(std::size_t bytes) override {
    if (FailCommits)
      throw std::bad_alloc();
    ++Reservations;
    return SystemValueMemory().Map(bytes);
  }
  void* Remap(void* address, std::size_t oldBytes, std::size_t newBytes) override {
    if (FailCommits)
      throw std::bad_alloc();
    ++Remaps;
    return SystemValueMemory().Remap(address, oldBytes, newBytes);
  }
  void Unmap(void* address, std::size_t bytes) override {
    ++Releases;
    SystemValueMemory().Unmap(address, bytes);
  }
};

} // namespace chart::test
