#include "platform/memory/PageMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include <new>

namespace pages {

namespace {

class TSystemPageMemory final : public TPageMemory {
public:
  // Address space only: pages are committed as they are first written, so a user's `ulimit -v`
  // counts what is asked for and nothing is reserved ahead.
  void* Map(std::size_t bytes) override {
    void* memory =
        mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (memory == MAP_FAILED)
      throw std::bad_alloc();
    return memory;
  }

  // The kernel moves the page tables, not the bytes: growing costs no copy however long it is.
  void* Remap(void* address, std::size_t oldBytes, std::size_t newBytes) override {
    void* memory = mremap(address, oldBytes, newBytes, MREMAP_MAYMOVE);
    if (memory == MAP_FAILED)
      throw std::bad_alloc();
    return memory;
  }

  void Unmap(void* address, std::size_t bytes) override { munmap(address, bytes); }

  // One call per block of a large read is measurably cheaper than a fault per page (older kernels
  // refuse the advice, and the pages come by faults as before).
  void Populate(void* address, std::size_t bytes) override {
#ifdef MADV_POPULATE_WRITE
    static const std::uintptr_t page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<std::uintptr_t>(address) / page * page;
    const auto to = reinterpret_cast<std::uintptr_t>(address) + bytes;
    madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
#else
    (void)address;
    (void)bytes;
#endif
  }
};

} // namespace

TPageMemory& SystemPageMemory() {
  static TSystemPageMemory memory;
  return memory;
}

} // namespace pages
