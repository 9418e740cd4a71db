#include "app/reader/LoadThreads.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace reader {

namespace {

constexpr std::int64_t SmallData = std::int64_t(8) << 20;
// A worker reads and summarises in a few frames of calls: a small stack keeps the address space
// a load takes within what a user's `ulimit -v` allows.
constexpr std::size_t WorkerStack = std::size_t(256) << 10;
// A count from the environment is taken up to this, so a typing slip cannot start thousands.
constexpr long MostThreadsAsked = 64;

// The workers still running, counted under a lock so that the calling thread can wait for the
// last one with a time limit and is woken the moment it ends.
struct TRunning {
  std::mutex Lock;
  std::condition_variable Ended;
  int Count = 0;
};

struct TWorker {
  const std::function<void(int)>* Work;
  int Index;
  TRunning* Running;
  pthread_t Thread{};
  bool Started = false;
};

// The calling thread joins every worker before TRunning goes, so notifying after the unlock is safe.
void* RunWorker(void* worker) {
  const auto& w = *static_cast<TWorker*>(worker);
  (*w.Work)(w.Index);
  {
    const std::lock_guard lock(w.Running->Lock);
    --w.Running->Count;
  }
  w.Running->Ended.notify_one();
  return nullptr;
}

void StartWorker(TWorker& worker, const pthread_attr_t* attributes) {
  {
    const std::lock_guard lock(worker.Running->Lock);
    ++worker.Running->Count;
  }
  worker.Started = pthread_create(&worker.Thread, attributes, RunWorker, &worker) == 0;
  if (!worker.Started) {
    const std::lock_guard lock(worker.Running->Lock);
    --worker.Running->Count;
  }
}

void WaitForWorkers(TRunning& running, const std::function<void()>& Waiting) {
  std::unique_lock lock(running.Lock);
  while (!running.Ended.wait_for(lock, WaitStep, [&] { return running.Count == 0; })) {
    if (!Waiting)
      continue;
    lock.unlock();
    Waiting();
    lock.lock();
  }
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

void RunSideBySide(int Count, const std::function<void(int)>& Work,
                   const std::function<void()>& Waiting) noexcept {
  // With no one to report to, the calling thread reads too: one thread fewer to start.
  const int here = Waiting ? 0 : 1;
  std::vector<TWorker> workers;
  try {
    workers.reserve(std::size_t(std::max(Count - here, 0)));
  } catch (...) {
    // Without room to note the threads, everything runs here.
  }
  TRunning running;
  pthread_attr_t attributes;
  const bool haveAttributes = pthread_attr_init(&attributes) == 0;
  if (haveAttributes)
    pthread_attr_setstacksize(&attributes, WorkerStack);
  for (int k = here; k < Count && std::size_t(k - here) < workers.capacity(); ++k) {
    workers.push_back({&Work, k, &running});
    StartWorker(workers.back(), haveAttributes ? &attributes : nullptr);
  }
  if (haveAttributes)
    pthread_attr_destroy(&attributes);
  for (int k = 0; k < Count; ++k) {
    const std::size_t at = std::size_t(k - here);
    if (k < here || at >= workers.size() || !workers[at].Started)
      Work(k);
  }
  WaitForWorkers(running, Waiting);
  for (TWorker& worker : workers)
    if (worker.Started)
      pthread_join(worker.Thread, nullptr);
}

} // namespace reader
