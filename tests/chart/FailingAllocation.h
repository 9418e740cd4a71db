// Large allocations that fail on request, as when memory runs out, for the test binary that
// links FailingAllocation.cpp (it replaces the global operator new).
#pragma once

#include <cstddef>

namespace chart::test {

// While one exists, every operator new of at least MinimumBytes throws std::bad_alloc.
class TFailLargeAllocations {
public:
  explicit TFailLargeAllocations(std::size_t MinimumBytes);
  ~TFailLargeAllocations();
  TFailLargeAllocations(const TFailLargeAllocations&) = delete;
  TFailLargeAllocations& operator=(const TFailLargeAllocations&) = delete;
};

} // namespace chart::test
