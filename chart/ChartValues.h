// The growable array of doubles behind a value list, and the memory it takes its pages from.
// Growing never moves the values: address space is reserved once and committed as it fills.
#pragma once

#include <cstddef>

namespace chart {

// Where value arrays get their memory. Tests substitute one that fails on demand.
class TValueMemory {
public:
  virtual ~TValueMemory() = default;
  // Address space for `bytes`, no memory behind it yet. Throws std::bad_alloc.
  virtual void* Reserve(std::size_t bytes) = 0;
  // Makes [address, address + bytes) usable; the range lies inside a reservation. Throws std::bad_alloc.
  virtual void Commit(void* address, std::size_t bytes) = 0;
  // Gives a whole reservation back, memory included.
  virtual void Release(void* address, std::size_t bytes) = 0;
};

// The process's virtual memory (anonymous mappings).
TValueMemory& SystemValueMemory();

class TChartValues {
public:
  // The longest array a value list can hold: its count is a signed 32-bit number.
  static constexpr std::size_t MaxLength = 2147483647;

  TChartValues() = default;
  ~TChartValues() { Release(); }
  TChartValues(const TChartValues&) = delete;
  TChartValues& operator=(const TChartValues&) = delete;

  std::size_t Length() const { return FLength; }
  double* Data() { return FData; }
  const double* Data() const { return FData; }
  double& operator[](std::size_t index) { return FData[index]; }
  double operator[](std::size_t index) const { return FData[index]; }

  // Lengthens the array to `length` entries keeping its values; throws std::bad_alloc (nothing
  // changes then) or std::length_error beyond MaxLength.
  void Grow(std::size_t length);
  // Length 0, keeping the pages already committed: loading the next file of a similar size then
  // reuses them instead of faulting in fresh, zeroed memory (the dominant cost of a load).
  void Empty() { FLength = 0; }
  // Length 0; the memory goes back to the system.
  void Release();

  // The memory the next reservation comes from; only while the array holds none.
  void SetMemory(TValueMemory& memory);

private:
  TValueMemory* FMemory = &SystemValueMemory();
  char* FBase = nullptr;  // start of the reservation; FData lies FStagger bytes into it
  double* FData = nullptr;
  std::size_t FStagger = 0;
  std::size_t FLength = 0;
  std::size_t FReservedBytes = 0;
  std::size_t FCommittedBytes = 0;
};

} // namespace chart
