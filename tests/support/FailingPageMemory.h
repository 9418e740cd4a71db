// Page memory for tests: the system's pages, with mappings that fail on request.
#pragma once

#include "platform/memory/PageMemory.h"

#include <new>

namespace pages::test {

class TFailingPageMemory final : public TPageMemory {
public:
  // Fails every new mapping and every lengthening of one.
  bool FailCommits = false;
  // Fails only the mapping or lengthening with this number, counted from 1 (0: none).
  int FailCall = 0;
  int Calls = 0;
  int Reservations = 0;
  int Remaps = 0;
  int Releases = 0;

  void* Map(std::size_t bytes) override {
    Commit();
    ++Reservations;
    return SystemPageMemory().Map(bytes);
  }
  void* Remap(void* address, std::size_t oldBytes, std::size_t newBytes) override {
    Commit();
    ++Remaps;
    return SystemPageMemory().Remap(address, oldBytes, newBytes);
  }
  void Unmap(void* address, std::size_t bytes) override {
    ++Releases;
    SystemPageMemory().Unmap(address, bytes);
  }
  void Populate(void* address, std::size_t bytes) override { SystemPageMemory().Populate(address, bytes); }

private:
  void Commit() {
    if (FailCommits || ++Calls == FailCall)
      throw std::bad_alloc();
  }
};

} // namespace pages::test
