// Where large blocks of memory come from: whole anonymous mappings that can grow without their
// bytes being copied. Value arrays and the memory stream both take their pages here, so that a
// test can make any of their allocations fail.
#pragma once

#include <cstddef>

namespace pages {

class TPageMemory {
public:
  virtual ~TPageMemory() = default;
  // Fresh zeroed memory of `bytes`. Throws std::bad_alloc.
  virtual void* Map(std::size_t bytes) = 0;
  // Lengthens or shortens a mapping keeping its contents; it may move. Throws std::bad_alloc,
  // and the old mapping stays as it was then.
  virtual void* Remap(void* address, std::size_t oldBytes, std::size_t newBytes) = 0;
  // Gives a whole mapping back.
  virtual void Unmap(void* address, std::size_t bytes) = 0;
};

// The process's virtual memory. Mappings of 8 MiB and more are asked to sit on huge pages: fresh
// memory then costs one fault per 2 MiB instead of one per 4 KiB.
TPageMemory& SystemPageMemory();

} // namespace pages
