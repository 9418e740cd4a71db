// A load under a user's address-space limit (ulimit -v), run in a child process so the limit
// binds only there.
#include "app/core/ChannelLoader.h"
#include "app/reader/ReadWaveFile.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "tests/app/WaveFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace {

struct TDiscardLog final : reader::TWaveLog {
  void AppendLine(const std::string&) override {}
};

std::size_t AddressSpaceBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t pages = 0;
  statm >> pages;
  return pages * std::size_t(sysconf(_SC_PAGESIZE));
}

// Every left sample in the store and in the first chart is the one in the data bytes.
bool SamplesMatch(const std::string& data, const app::TSampleStore& store,
                  const chart::TChartSeries& series) {
  for (std::int32_t i = 0; i < store.SampleCount; ++i) {
    const auto low = unsigned(std::uint8_t(data[std::size_t(i) * 4]));
    const auto high = unsigned(std::uint8_t(data[std::size_t(i) * 4 + 1]));
    const std::int16_t sample = std::int16_t(std::uint16_t(low | high << 8));
    if (store.LeftSamples[std::size_t(i)] != sample || series.YValues().Value(i) != sample)
      return false;
  }
  return true;
}

// The child's exit status: 0 when every frame arrived, 1 for a wrong count or sample, 2 for a
// failure.
int LoadUnderLimit(const std::string& path, const std::string& data, std::int32_t frames,
                   std::size_t headroom, int threads) {
  const rlimit limit{AddressSpaceBytes() + headroom, RLIM_INFINITY};
  if (setrlimit(RLIMIT_AS, &limit) != 0)
    return 2;
  try {
    app::TSampleStore store;
    chart::TFastLineSeries series1;
    chart::TLineSeries series2;
    reader::TWaveInfo info;
    reader::TReadDetails details;
    TDiscardLog log;
    app::TChannelLoader loader(details, {});
    reader::ReadWaveFile(path, info, log, details, pages::SystemPageMemory(), &loader, threads);
    if (!info.Data)
      return 2;
    const std::int32_t loaded = loader.Load(*info.Data, store, series1, series2);
    const bool all = loaded == frames && series1.PointCount() == frames &&
                     series2.YValues().ValueCount() == frames && series2.XValues().Last() == frames &&
                     SamplesMatch(data, store, series1);
    return all ? 0 : 1;
  } catch (...) {
    return 2;
  }
}

TEST(LoadMemoryLimit, AMillionFramesLoadWithinTheirOwnSizeOfAddressSpace) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer's shadow memory does not fit under an address-space limit";
#endif
  QTemporaryDir folder;
  const std::string path = folder.filePath("big.wav").toStdString();
  const std::int32_t frames = 1'000'000;
  std::string data(std::size_t(frames) * 4, '\0');
  for (std::size_t i = 0; i < data.size(); ++i)
    data[i] = char(i * 7 % 251 + i / 4096);
  testsupport::WriteFile(path, testsupport::WaveBytes(data));

  for (const int threads : {1, 2}) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
      _exit(LoadUnderLimit(path, data, frames, std::size_t(24) << 20, threads));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << threads << " threads";
  }
}

} // namespace
