// Value memory for tests: the system's pages, with commits that fail on request.
#pragma once

#include "chart/ChartValues.h"

#include <new>

namespace chart::test {

class TFailingValueMemory final : public TValueMemory {
public:
  bool FailCommits = false;
  int Reservations = 0;
  int Releases = 0;

  void* Reserve(std::size_t bytes) override {
    ++Reservations;
    return SystemValueMemory().Reserve(bytes);
  }
  void Commit(void* address, std::size_t bytes) override {
    if (FailCommits)
      throw std::bad_alloc();
    SystemValueMemory().Commit(address, bytes);
  }
  void Release(void* address, std::size_t bytes) override {
    ++Releases;
    SystemValueMemory().Release(address, bytes);
  }
};

} // namespace chart::test
