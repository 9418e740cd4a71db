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
  // The pages of [address, address + bytes) inside a mapping are about to be written: they may
  // be had now in one go, instead of a fault each. Nothing fails: pages not had now come later.
  virtual void Populate(void* address, std::size_t bytes) = 0;
};

// The process's virtual memory, in small pages. Huge pages were measured slower for a first load
// here: a freshly started program's huge pages often come from memory the host has to supply
// anew, at a fifth of the speed of the small pages other programs just gave back.
TPageMemory& SystemPageMemory();

} // namespace pages
