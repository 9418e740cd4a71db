#include "app/reader/LoadThreads.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace reader {

namespace {

constexpr std::int64_t SmallData = std::int64_t(8) << 20;
// A worker reads and summarises in a few frames of calls: a small stack keeps the address space
// a load takes within what a user's `ulimit -v` allows.
constexpr std::size_t WorkerStack = std::size_t(256) << 10;
// A count from the environment is taken up to this, so a typing slip cannot start thousands.
constexpr long MostThreadsAsked = 64;

struct TWorker {
  const std::function<void(int)>* Work;
  int Index;
  pthread_t Thread{};
  bool Started = false;
};

void* RunWorker(void* worker) {
  const auto& w = *static_cast<TWorker*>(worker);
  (*w.Work)(w.Index);
  return nullptr;
}

} // namespace

int LoadThreads(std::int64_t Bytes) {
  if (const char* asked = std::getenv("WAVEVIEW_LOAD_THREADS")) {
    char* end = nullptr;
    const long count = std::strtol(asked, &end, 10);
    if (end != asked && *end == '\0' && count >= 1)
      return int(std::min(count, MostThreadsAsked));
  }
  if (Bytes < SmallData)
    return 1;
  cpu_set_t allowed;
  CPU_ZERO(&allowed);
  if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
    return 1;
  return std::clamp(CPU_COUNT(&allowed), 1, MaxLoadThreads);
}

void RunSideBySide(int Count, const std::function<void(int)>& Work) noexcept {
  std::vector<TWorker> workers;
  try {
    workers.reserve(std::size_t(std::max(Count - 1, 0)));
  } catch (...) {
    // Without room to note the threads, everything runs here.
  }
  pthread_attr_t attributes;
  const bool haveAttributes = pthread_attr_init(&attributes) == 0;
  if (haveAttributes)
    pthread_attr_setstacksize(&attributes, WorkerStack);
  for (int k = 1; k < Count && std::size_t(k) <= workers.capacity(); ++k) {
    workers.push_back({&Work, k});
    TWorker& worker = workers.back();
    worker.Started =
        pthread_create(&worker.Thread, haveAttributes ? &attributes : nullptr, RunWorker, &worker) == 0;
  }
  if (haveAttributes)
    pthread_attr_destroy(&attributes);
  Work(0);
  for (int k = 1; k < Count; ++k) {
    if (std::size_t(k) <= workers.size() && workers[std::size_t(k - 1)].Started)
      pthread_join(workers[std::size_t(k - 1)].Thread, nullptr);
    else
      Work(k);
  }
}

} // namespace reader
