#include "platform/files/FileError.h"
#include "platform/files/TextFile.h"
#include "tests/platform/files/PipeRescue.h"
#include "tests/platform/files/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <utility>

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
  // A full disk shows when the buffer reaches the file, at the latest on closing. A file size
  // limit stands in for the full disk: writing past it fails with EFBIG once SIGXFSZ is ignored.
  const auto path = TempPath("full");
  files::TTextFile full(path.string());
  full.Write(std::string(4096, 'x'));
  rlimit previous{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  try {
    full.Close();
    ADD_FAILURE() << "closed";
  } catch (const files::EFileError& error) {
    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
  }
  ::setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  std::filesystem::remove(path);
}

// Text for a file must never go to a pipe, socket, device or folder of that name, nor wait for
// one; the error names the file and says why. A link to a regular file is a regular file.
TEST(TextFile, RefusesAnythingButARegularFileAtOnce) {
  TTempFolder folder;
  const std::string pipe = (folder.Path() / "pipe.dat").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string socketPath = (folder.Path() / "socket.dat").string();
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
  socketPath.copy(address.sun_path, socketPath.size());
  ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  const std::string directory = (folder.Path() / "folder.dat").string();
  std::filesystem::create_directory(directory);

  const std::pair<std::string, std::string> refusals[] = {{pipe, "not a regular file"},
                                                          {socketPath, "not a regular file"},
                                                          {"/dev/null", "not a regular file"},
                                                          {directory, std::strerror(EISDIR)}};
  for (const auto& [path, reason] : refusals) {
    TPipeRescue rescue(pipe);
    try {
      files::TTextFile file(path);
      ADD_FAILURE() << "created " << path;
    } catch (const files::EFileError& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + path + "\": " + reason);
    }
    EXPECT_FALSE(rescue.Finish()) << path << ": the open waited for a reader";
  }
  ::close(socket);

  const std::string target = folder.Write("target.dat", "old and longer");
  const std::string link = (folder.Path() / "link.dat").string();
  std::filesystem::create_symlink(target, link);
  files::TTextFile file(link);
  file.Write("new");
  file.Close();
  EXPECT_EQ(ReadAll(target), "new");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
}

} // namespace
