// The pieces of the value-list fuzz target: values read from the input, allocation failures at
// chosen points, frames to view, and the comparison of a list with its plain model.
#pragma once

#include "chart/values/ChartValueList.h"
#include "chart/values/FrameSummary.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/PlainValues.h"
#include "tests/support/FailingAllocation.h"
#include "tests/support/FailingPageMemory.h"

#include <cfloat>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace fuzzlists {

using fuzzcheck::Check;
using plain::SameBits;

class TInput {
public:
  TInput(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}
  bool Empty() const { return FPos >= FSize; }
  unsigned Byte() { return FPos < FSize ? FData[FPos++] : 0; }
  unsigned Below(unsigned n) { return n == 0 ? 0 : (Byte() | Byte() << 8) % n; }
  // Edges of the forms, signed zeros, NaN, infinities, huge and tiny numbers, small integers,
  // raw bits, and the continuation of `values` as a sequence.
  double Value(const std::vector<double>& values) {
    static const double table[] = {
        0,      -0.0,   1,       -1,     0.5,          0.25,       3,           32767,       32768,
        -32768, -32769, 40000,   -40000, 2147483647.0, 2147483648, -2147483648, -2147483649, 1e308,
        -1e308, 1e300,  DBL_MIN, 5e-324, NAN,          INFINITY,   -INFINITY,   1e15 + 0.5,  0.1};
    const unsigned kind = Byte() % 8;
    if (kind < 3)
      return table[Byte() % std::size(table)];
    if (kind < 5)
      return double(int(Byte()) - 128);
    if (kind == 5) {
      std::uint64_t bits = 0;
      for (int i = 0; i < 8; ++i)
        bits = bits << 8 | Byte();
      return std::bit_cast<double>(bits);
    }
    if (values.size() >= 2)
      return values.back() + (values.back() - values[values.size() - 2]);
    return values.empty() ? double(Byte() % 4) : values.back() + 1;
  }

private:
  const std::uint8_t* FData;
  std::size_t FSize;
  std::size_t FPos = 0;
};

// Fails allocations during one operation: a mapping of the value memory, or the Nth allocation
// of operator new; none when the input says so.
class TFailure {
public:
  TFailure(TInput& in, pages::test::TFailingPageMemory& memory) : FMemory(memory) {
    const unsigned kind = in.Byte() % 8;
    const int nth = 1 + int(in.Byte() % 12);
    if (kind == 0) {
      memory.Calls = 0;
      memory.FailCall = nth % 3 + 1;
    } else if (kind == 1) {
      FNew = std::make_unique<chart::test::TFailLargeAllocations>(1, nth);
    }
  }
  ~TFailure() { FMemory.FailCall = 0; }

private:
  pages::test::TFailingPageMemory& FMemory;
  std::unique_ptr<chart::test::TFailLargeAllocations> FNew;
};

// Runs `operation` under the failure the input chooses; false when it threw.
bool Attempt(TInput& in, pages::test::TFailingPageMemory& memory, const std::function<void()>& operation) {
  try {
    const TFailure failure(in, memory);
    operation();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void CheckList(const chart::TChartValueList& list, const plain::TList& model, bool knownCapacity) {
  Check(list.ValueCount() == model.Count(), "value count differs from the plain list");
  Check(list.Capacity() >= list.ValueCount(), "fewer entries than values");
  Check(!knownCapacity || std::size_t(list.Capacity()) == model.Capacity,
        "capacity differs from the growth rule");
  for (int i = 0; i < model.Count(); ++i)
    Check(SameBits(list[i], model.Values[std::size_t(i)]), "a value differs from the plain list");
  const plain::TStats s = plain::Stats(model.Values);
  Check(SameBits(list.ListMinimum(), s.Minimum) && SameBits(list.ListMaximum(), s.Maximum) &&
            plain::SameSum(list.ListTotal(), s.Total) && plain::SameSum(list.ListAbsTotal(), s.AbsTotal),
        "statistics differ from the plain pass");
  const chart::TValueSummary& summary = list.Summary(true);
  Check(summary.AllFinite() == plain::AllFinite(model.Values), "summary's finiteness is untrue");
  Check(summary.Ascending() == plain::Ascending(model.Values), "summary's order is untrue");
  if (!summary.AllFinite() || model.Count() == 0)
    return;
  for (int trial = 0; trial < 4; ++trial) {
    const int first = (trial * 7919 + model.Count() / 3) % model.Count();
    const int last = first + (trial * 104729) % (model.Count() - first);
    double low = 0, high = 0, plainLow = 0, plainHigh = 0;
    summary.MinMax(first, last, low, high);
    plain::MinMax(model.Values, first, last, plainLow, plainHigh);
    Check(SameBits(low, plainLow) && SameBits(high, plainHigh), "summary's range extremes differ");
  }
}

// Interleaved stereo frames for lists and series to view.
struct TFrames {
  std::shared_ptr<std::vector<std::int16_t>> Samples = std::make_shared<std::vector<std::int16_t>>();
  int Count = 0;

  // A pattern from the input repeated over up to a few thousand frames.
  explicit TFrames(TInput& in) {
    Count = int(in.Below(5000));
    std::int16_t pattern[8];
    for (std::int16_t& p : pattern)
      p = std::int16_t(in.Byte() << 8 | in.Byte());
    Samples->resize(2 * std::size_t(Count));
    for (std::size_t i = 0; i < Samples->size(); ++i)
      (*Samples)[i] = std::int16_t(pattern[i % 8] + int(i / 16) * (pattern[1] & 7));
  }
  std::vector<double> Channel(std::size_t channel, int count) const {
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
      values.push_back((*Samples)[2 * std::size_t(i) + channel]);
    return values;
  }
  // The view of a channel's first `count` frames; throws std::bad_alloc while summarising.
  chart::TValueView View(std::size_t channel, int count) const {
    const std::shared_ptr<const std::byte> bytes(
        Samples, Samples->empty() ? nullptr : reinterpret_cast<const std::byte*>(Samples->data()));
    auto summaries = chart::SummariseRecords({}, bytes.get(), count);
    return chart::LaneView(bytes, {}, channel, count, std::move(summaries[channel]));
  }
};

} // namespace fuzzlists
