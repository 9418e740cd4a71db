#include "platform/files/FileError.h"
#include "platform/files/TextFile.h"
#include "tests/platform/files/PipeRescue.h"
#include "tests/platform/files/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
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
    // Room longer than the whole buffer, after text still in it.
    file.Write("tail");
    const std::string line(2 * files::TTextFile::BufferSize, 'y');
    line.copy(file.Reserve(line.size()), line.size());
    file.Commit(line.size());
    file.Write(";");
    expected += "tail" + line + ";";
    file.Close();
    file.Close();
  }
  EXPECT_EQ(ReadAll(path), expected);
  std::filesystem::remove(path);
}

struct stat StatOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
  return info;
}

// A regular file at the name, or behind a link there, is emptied and written in place, so its
// owner, mode and other hard links stay; a missing name is created with the umask applied.
TEST(TextFile, WritesTheRegularFileAtTheNameInPlace) {
  TTempFolder folder;
  const std::string target = folder.Write("target.dat", "old and much longer content");
  ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
  const std::string hardLink = (folder.Path() / "hard.dat").string();
  ASSERT_EQ(::link(target.c_str(), hardLink.c_str()), 0);
  const std::string link = (folder.Path() / "link.dat").string();
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  const struct stat before = StatOf(target);
  for (const std::string& name : {target, link, hardLink}) {
    files::TTextFile file(name);
    file.Write("new through " + name);
    file.Close();
    EXPECT_EQ(ReadAll(target), "new through " + name);
    const struct stat after = StatOf(target);
    EXPECT_EQ(after.st_ino, before.st_ino) << name;
    EXPECT_EQ(after.st_uid, before.st_uid) << name;
    EXPECT_EQ(after.st_mode, before.st_mode) << name;
    EXPECT_EQ(after.st_nlink, 2u) << name;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));

  const std::string missing = (folder.Path() / "missing.dat").string();
  const mode_t previousMask = ::umask(027);
  files::TTextFile file(missing);
  ::umask(previousMask);
  file.Close();
  EXPECT_EQ(ReadAll(missing), "");
  EXPECT_EQ(StatOf(missing).st_mode & 07777, 0640u);
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

// Text for a file must never go to a pipe, socket, device or folder of that name or behind a link
// there, nor wait for one; the error names the file and says why.
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

  const std::string pipeLink = (folder.Path() / "pipe-link.dat").string();
  ASSERT_EQ(::symlink(pipe.c_str(), pipeLink.c_str()), 0);
  // A link to nothing is refused rather than followed to create its target.
  const std::string nowhere = (folder.Path() / "nowhere.dat").string();
  const std::string danglingLink = (folder.Path() / "dangling.dat").string();
  ASSERT_EQ(::symlink(nowhere.c_str(), danglingLink.c_str()), 0);

  const std::pair<std::string, std::string> refusals[] = {
      {pipe, "not a regular file"},       {pipeLink, "not a regular file"},
      {socketPath, "not a regular file"}, {"/dev/null", "not a regular file"},
      {directory, std::strerror(EISDIR)}, {danglingLink, std::strerror(ENOENT)}};
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
  EXPECT_FALSE(std::filesystem::exists(nowhere));
}

// A reader waiting on a pipe must not be handed an end of file by an export that meets a link to
// the pipe, not even when the link takes the place of a regular file while the export opens the
// name: the two are swapped under the name as fast as the system allows.
TEST(TextFile, NeverOpensAPipeBehindALinkEvenWhenTheNameChangesHands) {
  TTempFolder folder;
  const std::string pipe = (folder.Path() / "pipe").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  // A writer that came, even one that left at once, leaves its text or a hang-up behind.
  const auto writerCame = [reader] {
    pollfd watch{reader, POLLIN, 0};
    return ::poll(&watch, 1, 0) != 0;
  };
  const std::string name = (folder.Path() / "out.dat").string();
  ASSERT_EQ(::symlink(pipe.c_str(), name.c_str()), 0);
  const std::string other = folder.Write("other.dat", "old");
  const std::string refusal = "Cannot create file \"" + name + "\": not a regular file";
  try {
    files::TTextFile file(name);
    ADD_FAILURE() << "created " << name;
  } catch (const files::EFileError& error) {
    EXPECT_EQ(std::string(error.what()), refusal);
  }
  EXPECT_FALSE(writerCame()) << "the link's pipe was opened";

  const auto swap = [&] {
    return ::renameat2(AT_FDCWD, name.c_str(), AT_FDCWD, other.c_str(), RENAME_EXCHANGE);
  };
  ASSERT_EQ(swap(), 0) << std::strerror(errno);
  std::atomic<bool> stop{false};
  std::thread swapper([&] {
    while (!stop)
      swap();
  });
  for (int i = 0; i < 3000 && !writerCame(); ++i) {
    try {
      files::TTextFile file(name);
      file.Close();
    } catch (const files::EFileError& error) {
      if (std::string(error.what()) != refusal) {
        ADD_FAILURE() << error.what();
        break;
      }
    }
  }
  stop = true;
  swapper.join();
  EXPECT_FALSE(writerCame()) << "the pipe was opened while the name changed hands";
  ::close(reader);
}

} // namespace
