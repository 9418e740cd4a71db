// The threads a data chunk is read with: how many, and running each range's work on its own.
#pragma once

#include <cstdint>
#include <functional>

namespace reader {

// The most threads a load uses unless told otherwise.
constexpr int MaxLoadThreads = 8;

// WAVEVIEW_LOAD_THREADS when it holds a count; otherwise the processors this process may run
// on, at most MaxLoadThreads, and one for less than 8 MiB, where starting threads costs more
// than it saves.
int LoadThreads(std::int64_t Bytes);

// Runs Work(k) for every k below Count: k = 0 on the calling thread, the others each on a thread
// of its own with a small stack, and returns when all have ended. Work for which no thread can
// be started runs on the calling thread. Work must not throw.
void RunSideBySide(int Count, const std::function<void(int)>& Work) noexcept;

} // namespace reader
