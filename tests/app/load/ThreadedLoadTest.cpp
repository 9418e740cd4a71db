// The data chunk read by 1 to 8 threads, with the loader summarising as it comes in: a source
// that ends early or fails at a chosen offset in any range gives what one thread gives; the
// thread that waits for a slow read is told how far it has come.
#include "app/core/ChannelLoader.h"
#include "app/reader/ReadWaveFile.h"
#include "chart/series/FastLineSeries.h"
#include "chart/series/LineSeries.h"
#include "platform/files/FileError.h"
#include "platform/files/MemorySource.h"
#include "tests/app/reader/WaveBytes.h"
#include "tests/support/PositionedSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace wavebytes;

struct TLines final : reader::TWaveLog {
  std::vector<std::string> Lines;
  void AppendLine(const std::string& line) override { Lines.push_back(line); }
};

// The bytes of a file whose reads end early, or fail, at a chosen offset.
class TFlawedSource final : public sourcetest::TPositionedSource {
public:
  std::string Bytes;
  std::int64_t EndsAt = std::numeric_limits<std::int64_t>::max();
  std::int64_t FailsAt = std::numeric_limits<std::int64_t>::max();

  std::int64_t Size() const override { return std::int64_t(Bytes.size()); }
  std::int64_t ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const override {
    if (Offset <= FailsAt && FailsAt < Offset + Count)
      throw files::EFileError("Cannot read file", "flawed.wav", 5);
    const std::int64_t end = std::min({Size(), EndsAt, Offset + Count});
    if (Offset >= end)
      return 0;
    std::memcpy(Buffer, Bytes.data() + Offset, std::size_t(end - Offset));
    return end - Offset;
  }

protected:
  std::string Description() const override { return "flawed source"; }
};

// Everything a load leaves: the reader's account, the bytes, and what each chart's values say.
struct TOutcome {
  reader::TWaveStatus Status{};
  std::vector<std::string> Log;
  std::int64_t BytesAfterData = 0, MissingBytes = 0;
  std::string Data;
  std::int32_t Frames = -1;
  std::vector<double> Figures;

  bool operator==(const TOutcome&) const = default;
};

void AddFigures(const chart::TChartValueList& list, std::vector<double>& figures) {
  const chart::TValueSummary& summary = list.Summary(true);
  figures.insert(figures.end(),
                 {list.ListMinimum(), list.ListMaximum(), list.ListTotal(), list.ListAbsTotal(),
                  double(summary.Ascending()), double(summary.Skipped().Count)});
  for (int first = 0; first < list.ValueCount(); first += list.ValueCount() / 7 + 1) {
    double low = 0, high = 0;
    summary.MinMax(first, list.ValueCount() - 1, low, high);
    figures.insert(figures.end(), {low, high});
  }
}

TOutcome Load(const TFlawedSource& flawed, int threads, app::TShowChoice choice) {
  TFlawedSource source = flawed;
  TOutcome outcome;
  reader::TWaveInfo info;
  reader::TReadDetails details;
  TLines log;
  app::TChannelLoader loader(details, choice);
  reader::ReadWaveFile(source, info, log, details, pages::SystemPageMemory(), &loader, threads);
  outcome.Status = info.Status;
  outcome.Log = log.Lines;
  outcome.BytesAfterData = details.BytesAfterData;
  outcome.MissingBytes = details.MissingBytes;
  if (!info.Data)
    return outcome;
  outcome.Data.assign(reinterpret_cast<const char*>(info.Data->Memory()), std::size_t(info.Data->Size()));
  if (info.Status != reader::TWaveStatus::wsLoaded && info.Status != reader::TWaveStatus::wsReadError)
    return outcome;
  app::TSampleStore store;
  chart::TFastLineSeries series1;
  chart::TLineSeries series2;
  outcome.Frames = loader.Load(*info.Data, store, series1, series2);
  AddFigures(series1.YValues(), outcome.Figures);
  AddFigures(series2.YValues(), outcome.Figures);
  return outcome;
}

// 5.5 MiB of 24-bit stereo or float frames (records of 6 or 8 bytes, some split between blocks),
// a ramp with noise, NaN now and then among the floats.
std::string WaveOf(std::uint16_t formatTag, std::uint16_t bits) {
  const std::size_t bytes = (std::size_t(11) << 19) / 24 * 24;
  std::string data(bytes, '\0');
  std::uint32_t noise = 7;
  const std::size_t sampleBytes = bits / 8;
  for (std::size_t i = 0; i < bytes / sampleBytes; ++i) {
    noise = noise * 1664525u + 1013904223u;
    const auto value = std::int32_t(i / 64) - 20000 + std::int32_t(noise >> 29);
    if (bits == 32) {
      const float v = noise % 9973 == 0 ? std::numeric_limits<float>::quiet_NaN() : float(value) / 4;
      std::memcpy(data.data() + i * 4, &v, 4);
    } else {
      std::memcpy(data.data() + i * 3, &value, 3);
    }
  }
  return RiffFile(Chunk("fmt ", FormatBody(2, 48000, bits, formatTag)) + Chunk("data", data));
}

TEST(ThreadedLoad, AnyThreadCountGivesWhatOneThreadGives) {
  const std::int64_t MiB = 1 << 20;
  for (const auto& [tag, bits] : {std::pair<std::uint16_t, std::uint16_t>{1, 24}, {3, 32}}) {
    TFlawedSource source;
    source.Bytes = WaveOf(tag, bits);
    const std::int64_t data = 44;
    // Whole, then ending early and failing inside the first, a middle and the last range, at a
    // block's start, inside one and at the chunk's last byte.
    const std::int64_t at[] = {data + 17, data + 2 * MiB, data + 3 * MiB + 4099,
                               std::int64_t(source.Bytes.size()) - 1};
    std::vector<TFlawedSource> cases = {source};
    for (const std::int64_t offset : at) {
      cases.push_back(source);
      cases.back().EndsAt = offset;
      cases.push_back(source);
      cases.back().FailsAt = offset;
    }
    TFlawedSource both = source;
    both.EndsAt = data + 4 * MiB + 1;
    both.FailsAt = data + MiB + 5;
    cases.push_back(both);
    for (const bool asRecorded : {false, true}) {
      for (std::size_t c = 0; c < cases.size(); ++c) {
        const TOutcome one = Load(cases[c], 1, {asRecorded});
        for (const int threads : {2, 5, 8}) {
          SCOPED_TRACE("bits " + std::to_string(bits) + ", case " + std::to_string(c) + ", " +
                       std::to_string(threads) + " threads");
          const TOutcome many = Load(cases[c], threads, {asRecorded});
          EXPECT_EQ(many.Status, one.Status);
          EXPECT_EQ(many.Log, one.Log);
          EXPECT_EQ(many.Data.size(), one.Data.size());
          EXPECT_TRUE(many == one);
        }
      }
    }
  }
}

// A memory source whose positioned reads, the data chunk's blocks, take a while each.
class TSlowSource final : public files::TByteSource {
public:
  TSlowSource(const std::string& Bytes, std::chrono::milliseconds Delay)
      : FBytes(Bytes.data(), Bytes.size()), FDelay(Delay) {}

  std::int64_t Size() const override { return FBytes.Size(); }
  std::int64_t Position() const override { return FBytes.Position(); }
  void Seek(std::int64_t Offset) override { FBytes.Seek(Offset); }
  std::int64_t Read(void* Buffer, std::int64_t Count) override { return FBytes.Read(Buffer, Count); }
  std::int64_t ReadAt(void* Buffer, std::int64_t Count, std::int64_t Offset) const override {
    std::this_thread::sleep_for(FDelay);
    return FBytes.ReadAt(Buffer, Count, Offset);
  }

protected:
  std::string Description() const override { return "slow source"; }

private:
  files::TMemorySource FBytes;
  std::chrono::milliseconds FDelay;
};

struct TReports final : app::TWorkProgress {
  std::vector<std::int64_t> Done;
  std::vector<std::int64_t> Totals;
  std::vector<std::thread::id> Threads;
  void Advance(std::int64_t done, std::int64_t total) noexcept override {
    Done.push_back(done);
    Totals.push_back(total);
    Threads.push_back(std::this_thread::get_id());
  }
};

TEST(ThreadedLoad, TheWaitingThreadIsToldHowFarASlowReadHasCome) {
  const std::int64_t dataBytes = std::int64_t(6) << 20;
  const std::string file = RiffFile(Chunk("fmt ", FormatBody(2, 48000, 16, 1)) +
                                    Chunk("data", std::string(std::size_t(dataBytes), 'x')));
  TSlowSource source(file, std::chrono::milliseconds(80));
  reader::TWaveInfo info;
  reader::TReadDetails details;
  TLines log;
  TReports reports;
  app::TChannelLoader loader(details, {}, &reports);
  reader::ReadWaveFile(source, info, log, details, pages::SystemPageMemory(), &loader, 2);
  EXPECT_EQ(info.Status, reader::TWaveStatus::wsLoaded);

  ASSERT_FALSE(reports.Done.empty());
  EXPECT_TRUE(std::is_sorted(reports.Done.begin(), reports.Done.end()));
  EXPECT_LE(reports.Done.back(), dataBytes);
  EXPECT_TRUE(std::any_of(reports.Done.begin(), reports.Done.end(),
                          [&](std::int64_t done) { return done > 0 && done < dataBytes; }));
  EXPECT_EQ(std::count(reports.Totals.begin(), reports.Totals.end(), dataBytes), std::ssize(reports.Totals));
  EXPECT_EQ(std::count(reports.Threads.begin(), reports.Threads.end(), std::this_thread::get_id()),
            std::ssize(reports.Threads));
}

} // namespace
