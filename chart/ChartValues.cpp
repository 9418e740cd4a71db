#include "chart/ChartValues.h"

#include <sys/mman.h>

#include <new>
#include <stdexcept>

namespace chart {

namespace {

// Commits go in pieces of 2 MiB, so a long list makes few system calls. The pages stay small: on
// this kind of machine asking for huge pages makes the first fill stall on memory compaction.
constexpr std::size_t CommitGranule = std::size_t(2) << 20;

std::size_t RoundUp(std::size_t bytes, std::size_t granule) {
  return (bytes + granule - 1) / granule * granule;
}

// Arrays that all start on a page boundary put entry i of every list at the same address bits
// below 4 KiB. Loading writes entry i of four lists per frame and reads the last X value back, and
// the processor then takes that read for one that must wait on the other lists' stores. Starting
// each array at its own offset within the page keeps loads several times faster.
std::size_t NextStagger() {
  static unsigned next = 0;
  constexpr std::size_t Step = 64 * 5;
  return (next++ % 12) * Step + 64;
}

class TSystemValueMemory final : public TValueMemory {
public:
  void* Reserve(std::size_t bytes) override {
    void* memory = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (memory == MAP_FAILED)
      throw std::bad_alloc();
    return memory;
  }

  void Commit(void* address, std::size_t bytes) override {
    if (mprotect(address, bytes, PROT_READ | PROT_WRITE) != 0)
      throw std::bad_alloc();
  }

  void Release(void* address, std::size_t bytes) override { munmap(address, bytes); }
};

} // namespace

TValueMemory& SystemValueMemory() {
  static TSystemValueMemory memory;
  return memory;
}

void TChartValues::Grow(std::size_t length) {
  if (length <= FLength)
    return;
  if (length > MaxLength)
    throw std::length_error("A value list cannot hold more than 2147483647 values");
  if (!FBase) {
    const std::size_t stagger = NextStagger();
    const std::size_t reserved = RoundUp(stagger + MaxLength * sizeof(double), CommitGranule);
    FBase = static_cast<char*>(FMemory->Reserve(reserved));
    FReservedBytes = reserved;
    FStagger = stagger;
    FData = reinterpret_cast<double*>(FBase + stagger);
  }
  const std::size_t needed = FStagger + length * sizeof(double);
  if (needed > FCommittedBytes) {
    const std::size_t committed = RoundUp(needed, CommitGranule);
    FMemory->Commit(FBase + FCommittedBytes, committed - FCommittedBytes);
    FCommittedBytes = committed;
  }
  FLength = length;
}

void TChartValues::Release() {
  if (FBase)
    FMemory->Release(FBase, FReservedBytes);
  FBase = nullptr;
  FData = nullptr;
  FLength = 0;
  FReservedBytes = 0;
  FCommittedBytes = 0;
}

void TChartValues::SetMemory(TValueMemory& memory) {
  if (FBase)
    throw std::logic_error("The memory of a value array can only change while it is empty");
  FMemory = &memory;
}

} // namespace chart
