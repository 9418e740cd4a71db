#include "platform/files/FileError.h"
#include "platform/files/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::filesystem::path TempPath(const std::string& name) {
  return std::filesystem::temp_directory_path() / ("waveview-textfile-" + name);
}

TEST(TextFile, WritesThroughTheBufferInOrderAcrossFlushes) {
  const auto path = TempPath("order");
  std::string expected;
  {
    files::TTextFile file(path.string());
    for (int i = 0; expected.size() < 3 * files::TTextFile::BufferSize; ++i) {
      const std::string piece = std::to_string(i) + (i % 3 ? ";" : "\r\n");
      if (i % 2) {
        file.Write(piece);
      } else {
        piece.copy(file.Reserve(piece.size()), piece.size());
        file.Commit(piece.size());
      }
      expected += piece;
    }
    // A piece longer than the whole buffer.
    const std::string big(files::TTextFile::BufferSize + 17, 'z');
    file.Write(big);
    expected += big;
    file.Close();
    file.Close();
  }
  EXPECT_EQ(ReadAll(path), expected);
  std::filesystem::remove(path);
}

TEST(TextFile, ReplacesAnExistingFile) {
  const auto path = TempPath("replace");
  std::ofstream(path) << "old and much longer content";
  files::TTextFile file(path.string());
  file.Write("new");
  file.Close();
  EXPECT_EQ(ReadAll(path), "new");
  std::filesystem::remove(path);
}

TEST(TextFile, FailuresNameTheFileAndTheReason) {
  try {
    files::TTextFile file("/nonexistent-folder/out.dat");
    FAIL() << "created";
  } catch (const files::EFileError& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent-folder/out.dat"), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos);
  }
  if (!std::filesystem::exists("/dev/full"))
    GTEST_SKIP() << "no /dev/full";
  // A full disk shows when the buffer reaches the file, at the latest on closing.
  files::TTextFile full("/dev/full");
  full.Write("data");
  try {
    full.Close();
    FAIL() << "closed";
  } catch (const files::EFileError& error) {
    EXPECT_NE(std::string(error.what()).find("/dev/full"), std::string::npos);
  }
}

} // namespace
