#include "tests/support/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

// 0: nothing fails.
std::size_t FailFrom = 0;
int FailNth = 0;
int LargeCount = 0;

bool Fails(std::size_t size) {
  if (FailFrom == 0 || size < FailFrom)
    return false;
  ++LargeCount;
  return FailNth == 0 || LargeCount == FailNth;
}

} // namespace

namespace chart::test {

TFailLargeAllocations::TFailLargeAllocations(std::size_t MinimumBytes, int Nth) {
  FailFrom = MinimumBytes;
  FailNth = Nth;
  LargeCount = 0;
}
TFailLargeAllocations::~TFailLargeAllocations() { FailFrom = 0; }
int TFailLargeAllocations::Count() const { return LargeCount; }

} // namespace chart::test

// The array, sized and nothrow forms of the library fall back on these two.
void* operator new(std::size_t size) {
  if (Fails(size))
    throw std::bad_alloc();
  if (void* memory = std::malloc(size != 0 ? size : 1))
    return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
