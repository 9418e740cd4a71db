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

// The array and sized forms of the library fall back on these. The nothrow form is replaced as
// well: a sanitizer's own would take the memory that this delete then frees for another kind.
void* operator new(std::size_t size) {
  if (Fails(size))
    throw std::bad_alloc();
  if (void* memory = std::malloc(size != 0 ? size : 1))
    return memory;
  throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  if (Fails(size))
    return nullptr;
  return std::malloc(size != 0 ? size : 1);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
