// The threads a data chunk is read with: how many, and running each range's work on its own
// while the calling thread waits and reports.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace reader {

// The most threads a load uses unless told otherwise.
constexpr int MaxLoadThreads = 8;

// How often the calling thread wakes while it waits for the workers.
constexpr std::chrono::milliseconds WaitStep{50};

// WAVEVIEW_LOAD_THREADS when it holds a count; otherwise the processors this process may run
// on, at most MaxLoadThreads, and one for less than 8 MiB, where starting threads costs more
// than it saves.
int LoadThreads(std::int64_t Bytes);

// Runs Work(k) for every k below Count and returns when all have ended. With Waiting, each k
// runs on a thread of its own with a small stack while the calling thread calls Waiting every
// WaitStep; without, the calling thread runs k = 0 itself. Work for which no thread can be
// started runs on the calling thread. Neither Work nor Waiting may throw.
void RunSideBySide(int Count, const std::function<void(int)>& Work,
                   const std::function<void()>& Waiting) noexcept;

} // namespace reader
