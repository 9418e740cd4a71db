// A file and a memory block holding the same bytes must look alike to the reader: the same
// sizes, positions, short reads and failures.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "platform/files/FileError.h"
#include "platform/files/MemorySource.h"
#include "platform/files/ReadOnlyFile.h"
#include "tests/platform/files/TempFolder.h"

namespace {

using files::EFileError;
using files::TByteSource;

struct TFileMaker {
  TTempFolder Folder;
  std::unique_ptr<TByteSource> Make(const std::string& bytes) {
    return std::make_unique<files::TReadOnlyFile>(Folder.Write("source.bin", bytes));
  }
};

struct TMemoryMaker {
  std::string Bytes;
  std::unique_ptr<TByteSource> Make(const std::string& bytes) {
    Bytes = bytes;
    return std::make_unique<files::TMemorySource>(Bytes.data(), Bytes.size());
  }
};

template <class TMaker>
class ByteSourceTest : public ::testing::Test {
protected:
  TMaker Maker;
};

using TMakers = ::testing::Types<TFileMaker, TMemoryMaker>;
TYPED_TEST_SUITE(ByteSourceTest, TMakers);

TYPED_TEST(ByteSourceTest, ReadsStopAtTheEndAndSeeksMayPassIt) {
  auto source = this->Maker.Make("0123456789");
  EXPECT_EQ(source->Size(), 10);
  EXPECT_EQ(source->Position(), 0);
  char buffer[16] = {};
  EXPECT_EQ(source->Read(buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "0123");
  source->Seek(3);
  EXPECT_EQ(source->Position(), 7);
  EXPECT_EQ(source->Read(buffer, 16), 3) << "a read across the end stops there";
  EXPECT_EQ(std::string(buffer, 3), "789");
  EXPECT_EQ(source->Position(), 10);
  EXPECT_EQ(source->Read(buffer, 16), 0);

  source->Seek(100);
  EXPECT_EQ(source->Position(), 110);
  EXPECT_EQ(source->Size(), 10) << "seeking past the end does not grow the source";
  EXPECT_EQ(source->Read(buffer, 4), 0);
  source->Seek(-108);
  EXPECT_EQ(source->Read(buffer, 2), 2);
  EXPECT_EQ(std::string(buffer, 2), "23");
  EXPECT_EQ(source->Read(buffer, 0), 0);
  EXPECT_EQ(source->Read(buffer, -5), 0);
  EXPECT_EQ(source->Position(), 4);
}

TYPED_TEST(ByteSourceTest, PositionedReadsStopAtTheEndAndLeaveThePosition) {
  auto source = this->Maker.Make("0123456789");
  char buffer[16] = {};
  source->Seek(2);
  EXPECT_EQ(source->ReadAt(buffer, 3, 6), 3);
  EXPECT_EQ(std::string(buffer, 3), "678");
  EXPECT_EQ(source->ReadAt(buffer, 16, 8), 2) << "a read across the end stops there";
  EXPECT_EQ(source->ReadAt(buffer, 4, 10), 0);
  EXPECT_EQ(source->ReadAt(buffer, 4, 50), 0);
  EXPECT_EQ(source->ReadAt(buffer, 4, -1), 0);
  EXPECT_EQ(source->Position(), 2);
  EXPECT_EQ(source->Read(buffer, 2), 2);
  EXPECT_EQ(std::string(buffer, 2), "23");
}

TYPED_TEST(ByteSourceTest, SeeksOutOfRangeAndShortExactReadsThrow) {
  auto source = this->Maker.Make("abc");
  char buffer[4] = {};
  source->ReadExact(buffer, 2);
  EXPECT_EQ(std::string(buffer, 2), "ab");
  EXPECT_THROW(source->Seek(-3), EFileError);
  EXPECT_THROW(source->Seek(std::numeric_limits<std::int64_t>::max()), EFileError);
  EXPECT_EQ(source->Position(), 2) << "a refused seek leaves the position";
  EXPECT_THROW(source->ReadExact(buffer, 2), EFileError);
}

TYPED_TEST(ByteSourceTest, EmptySourceHasNothingToRead) {
  auto source = this->Maker.Make("");
  char buffer[1] = {};
  EXPECT_EQ(source->Size(), 0);
  EXPECT_EQ(source->Read(buffer, 1), 0);
  source->ReadExact(buffer, 0);
  EXPECT_THROW(source->ReadExact(buffer, 1), EFileError);
}

} // namespace
