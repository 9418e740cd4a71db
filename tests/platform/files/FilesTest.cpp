#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/files/FileError.h"
#include "platform/files/MemoryStream.h"
#include "platform/files/ReadOnlyFile.h"
#include "tests/platform/files/TempFolder.h"

namespace {

using files::EFileError;
using files::TMemoryStream;
using files::TReadOnlyFile;

std::string Contents(const TMemoryStream& stream) {
  return {reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size())};
}

TEST(MemoryStream, GrowingKeepsContentAndShrinkingPullsThePositionIn) {
  TMemoryStream stream;
  EXPECT_EQ(stream.Size(), 0);
  stream.SetSize(5);
  std::memcpy(stream.Memory(), "hello", 5);
  stream.SetSize(1 << 20);
  stream.SetSize(5);
  EXPECT_EQ(Contents(stream), "hello");

  char read[5];
  ASSERT_EQ(stream.Read(read, 5), 5);
  stream.SetSize(2);
  EXPECT_EQ(stream.Position(), 2);
  stream.SetSize(0);
  EXPECT_EQ(stream.Position(), 0);
  EXPECT_EQ(stream.Memory(), nullptr);

  EXPECT_THROW(stream.SetSize(-1), std::length_error);
}

TEST(MemoryStream, ReadStopsAtTheEnd) {
  TMemoryStream stream;
  stream.SetSize(6);
  std::memcpy(stream.Memory(), "abcdef", 6);
  char buffer[8] = {};
  EXPECT_EQ(stream.Read(buffer, 4), 4);
  EXPECT_EQ(std::string(buffer, 4), "abcd");
  EXPECT_EQ(stream.Read(buffer, 4), 2);
  EXPECT_EQ(std::string(buffer, 2), "ef");
  EXPECT_EQ(stream.Read(buffer, 4), 0);
  EXPECT_EQ(stream.Read(buffer, -3), 0);
}

TEST(MemoryStream, ImpossibleSizeThrowsAndKeepsTheStream) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer aborts on an impossible allocation instead of failing it";
#endif
  TMemoryStream stream;
  stream.SetSize(3);
  std::memcpy(stream.Memory(), "abc", 3);
  EXPECT_THROW(stream.SetSize(std::int64_t{1} << 62), std::bad_alloc);
  EXPECT_EQ(Contents(stream), "abc");
}

TEST(ReadOnlyFile, ReadsSeeksAndReportsTheEnd) {
  TTempFolder folder;
  TReadOnlyFile file(folder.Write("f.bin", "0123456789"));
  EXPECT_EQ(file.Size(), 10);
  char buffer[16] = {};
  file.ReadExact(buffer, 3);
  EXPECT_EQ(std::string(buffer, 3), "012");
  file.Seek(4);
  EXPECT_EQ(file.Position(), 7);
  EXPECT_EQ(file.Read(buffer, 16), 3);
  EXPECT_EQ(std::string(buffer, 3), "789");

  // Seeking past the end is allowed; only the read that follows fails.
  file.Seek(100);
  EXPECT_EQ(file.Position(), 110);
  EXPECT_EQ(file.Read(buffer, 4), 0);
  try {
    file.ReadExact(buffer, 1);
    FAIL() << "read past the end did not throw";
  } catch (const EFileError& error) {
    EXPECT_NE(std::string(error.what()).find("f.bin"), std::string::npos) << error.what();
  }
  EXPECT_THROW(file.Seek(-1000), EFileError);
}

TEST(ReadOnlyFile, OpenFailuresNameTheFileAndTheReason) {
  TTempFolder folder;
  const std::string missing = (folder.Path() / "missing.wav").string();
  try {
    TReadOnlyFile file(missing);
    FAIL() << "opening a missing file did not throw";
  } catch (const EFileError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + missing + "\": " + std::strerror(ENOENT));
  }
  EXPECT_THROW(TReadOnlyFile file(folder.Path().string()), EFileError);
}

// A named pipe with no writer would block a plain open for good. Should that happen, a writer
// comes along after a while to set the test free, and the test fails instead of hanging.
TEST(ReadOnlyFile, PipeIsRefusedAtOnceRatherThanWaitedFor) {
  TTempFolder folder;
  const std::string pipe = (folder.Path() / "pipe.wav").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::atomic<bool> opened{false};
  std::atomic<bool> rescued{false};
  std::thread watchdog([&] {
    for (int i = 0; i < 100 && !opened; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (opened)
      return;
    rescued = true;
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0)
      ::close(writer);
  });
  try {
    TReadOnlyFile file(pipe);
    opened = true;
    ADD_FAILURE() << "a pipe was opened as a file";
  } catch (const EFileError& error) {
    opened = true;
    EXPECT_NE(std::string(error.what()).find(pipe), std::string::npos) << error.what();
  }
  watchdog.join();
  EXPECT_FALSE(rescued) << "opening the pipe waited for a writer";
}

} // namespace
