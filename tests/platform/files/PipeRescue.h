// A watch over code that must not wait on a named pipe: should it block opening the pipe for
// writing, a reader comes after a bound to set it free, and the test learns that it waited.
#pragma once

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <thread>
#include <unistd.h>

class TPipeRescue {
public:
  explicit TPipeRescue(std::string Path) : FPath(std::move(Path)) {
    FWatch = std::thread([this] {
      for (int i = 0; i < 100 && !FDone; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      if (FDone)
        return;
      FRescued = true;
      // Kept open until Finish, so a freed writer meets no broken pipe.
      FReader = ::open(FPath.c_str(), O_RDONLY | O_NONBLOCK);
    });
  }
  ~TPipeRescue() { Finish(); }
  TPipeRescue(const TPipeRescue&) = delete;
  TPipeRescue& operator=(const TPipeRescue&) = delete;

  // Call once the code under test has returned; true when it had to be set free.
  bool Finish() {
    FDone = true;
    if (FWatch.joinable())
      FWatch.join();
    if (FReader >= 0)
      ::close(FReader);
    FReader = -1;
    return FRescued;
  }

private:
  std::string FPath;
  std::atomic<bool> FDone{false};
  std::atomic<bool> FRescued{false};
  int FReader = -1;
  std::thread FWatch;
};
