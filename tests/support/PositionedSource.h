// A byte source for tests that says only how long it is and what a positioned read gives: the
// position, Seek and Read follow from ReadAt.
#pragma once

#include "platform/files/ByteSource.h"

#include <cstdint>

namespace sourcetest {

class TPositionedSource : public files::TByteSource {
public:
  std::int64_t Position() const override { return FPosition; }
  void Seek(std::int64_t Offset) override { FPosition += Offset; }
  std::int64_t Read(void* Buffer, std::int64_t Count) override {
    const std::int64_t n = ReadAt(Buffer, Count, FPosition);
    FPosition += n;
    return n;
  }

private:
  std::int64_t FPosition = 0;
};

} // namespace sourcetest
