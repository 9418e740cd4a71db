// Large allocations that fail on request, as when memory runs out, for the test binaries that
// link the test support library (its FailingAllocation.cpp replaces the global operator new).
#pragma once

#include <cstddef>

namespace chart::test {

// While one exists, operator new of at least MinimumBytes throws std::bad_alloc: every such
// allocation, or only the Nth (counted from 1).
class TFailLargeAllocations {
public:
  explicit TFailLargeAllocations(std::size_t MinimumBytes, int Nth = 0);
  ~TFailLargeAllocations();
  TFailLargeAllocations(const TFailLargeAllocations&) = delete;
  TFailLargeAllocations& operator=(const TFailLargeAllocations&) = delete;

  // Large allocations asked for so far, failed or not.
  int Count() const;
};

} // namespace chart::test
