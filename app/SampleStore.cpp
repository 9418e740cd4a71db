#include "app/SampleStore.h"

#include <sys/mman.h>

#include <new>

namespace app {

namespace {

std::size_t ArrayBytes(std::int32_t capacity) {
  return std::size_t(capacity > 0 ? capacity : 1) * sizeof(std::int32_t);
}

std::int32_t* ReserveZeroed(std::int32_t capacity) {
  const std::size_t bytes = ArrayBytes(capacity);
  void* memory =
      mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (memory == MAP_FAILED)
    throw std::bad_alloc();
  // Huge pages: a first load then takes one fault per 2 MiB instead of one per 4 KiB.
  madvise(memory, bytes, MADV_HUGEPAGE);
  return static_cast<std::int32_t*>(memory);
}

} // namespace

TSampleStore::TSampleStore(std::int32_t capacity) : FCapacity(capacity > 0 ? capacity : 0) {
  LeftSamples = ReserveZeroed(FCapacity);
  try {
    RightSamples = ReserveZeroed(FCapacity);
  } catch (...) {
    munmap(LeftSamples, ArrayBytes(FCapacity));
    throw;
  }
}

TSampleStore::~TSampleStore() {
  munmap(LeftSamples, ArrayBytes(FCapacity));
  munmap(RightSamples, ArrayBytes(FCapacity));
}

} // namespace app
