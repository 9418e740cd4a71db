// Records summarised in ranges that arrive side by side, joined, against a plain pass over each
// lane and against the baseline vector path: every element type and path, random range
// boundaries, reads that stop short.
#include "chart/values/ChartValueList.h"
#include "chart/values/FrameSummary.h"
#include "chart/values/SimdPath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace chart {
namespace {

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// What one pass over a lane's values gives, written out.
struct TPlainLane {
  std::vector<double> Values;
  bool Skips = false;

  bool Counts(double v) const { return !Skips || std::isfinite(v); }
  void Extremes(std::size_t first, std::size_t last, double& lowest, double& highest) const {
    bool any = false;
    for (std::size_t i = first; i <= last; ++i) {
      const double v = Values[i];
      if (!Counts(v))
        continue;
      if (!any || v < lowest)
        lowest = v;
      if (!any || v > highest)
        highest = v;
      any = true;
    }
    if (!any)
      lowest = highest = 0;
  }
  bool Ascending() const {
    for (std::size_t i = 0; i < Values.size(); ++i)
      if (!Counts(Values[i]) || (i > 0 && !(Values[i] >= Values[i - 1])))
        return false;
    return true;
  }
};

template <class E>
TPlainLane PlainLane(const std::vector<std::byte>& records, const TRecordLayout& layout, std::size_t lane,
                     int count) {
  TPlainLane plain{{}, E::SkipsNonFinite};
  const TArrayValues<E> values{records.data() + layout.LaneOffsets[lane], layout.RecordBytes};
  for (int i = 0; i < count; ++i)
    plain.Values.push_back(double(values.At(std::size_t(i))));
  return plain;
}

// Random bytes, with -0.0, +0.0 and NaN written into every lane of a floating-point type; or
// values that never fall but where `descentAt` says; or floats that are all zeros of either sign
// or not finite, so that zeros are the extremes.
enum TData { dNoise, dRamp, dZeros };

template <class E>
std::vector<std::byte> Records(const TRecordLayout& layout, int count, std::mt19937& random, TData data,
                               int descentAt) {
  const bool ramp = data == dRamp;
  std::vector<std::byte> bytes(std::size_t(count) * layout.RecordBytes);
  for (std::byte& b : bytes)
    b = std::byte(random() & 0xFF);
  using T = typename E::Value;
  if constexpr (std::is_floating_point_v<T>) {
    const T specials[] = {T(-0.0), T(0.0), std::numeric_limits<T>::quiet_NaN(), T(-0.0)};
    for (int i = 0; i < count; ++i)
      for (const std::size_t offset : layout.LaneOffsets) {
        T v = ramp ? T(i / 5 - (i >= descentAt ? 3 : 0)) : T(float(int(random() % 2001) - 1000) / 8);
        if (data == dZeros || (!ramp && random() % 7 == 0))
          v = data == dZeros && random() % 9 == 0 ? std::numeric_limits<T>::infinity()
                                                  : specials[random() % 4];
        std::memcpy(bytes.data() + std::size_t(i) * layout.RecordBytes + offset, &v, sizeof v);
      }
  } else if (ramp) {
    for (int i = 0; i < count; ++i)
      for (const std::size_t offset : layout.LaneOffsets) {
        const auto v = std::int16_t(i / 5 - 20000 - (i >= descentAt ? 3 : 0));
        std::memcpy(bytes.data() + std::size_t(i) * layout.RecordBytes + offset, &v, sizeof v);
      }
  }
  return bytes;
}

// Ranges of records split at random, each arriving in pieces of random length, the ranges
// taking turns at random.
void ArriveInRanges(TRecordSummary& summary, const std::vector<std::byte>& records,
                    const std::vector<std::int64_t>& bounds, std::mt19937& random) {
  const std::size_t ranges = bounds.size() - 1;
  std::vector<std::int64_t> reached(bounds.begin(), bounds.end() - 1);
  for (bool more = true; more;) {
    more = false;
    for (std::size_t k = 0; k < ranges; ++k) {
      if (reached[k] >= bounds[k + 1] || random() % 3 == 0) {
        more = more || reached[k] < bounds[k + 1];
        continue;
      }
      reached[k] = std::min(bounds[k + 1], reached[k] + std::int64_t(random() % 500));
      summary.Arrived(int(k), records.data(), bounds[k], reached[k]);
      more = true;
    }
  }
}

// Every leaf, the statistics and what was skipped, bit for bit.
void ExpectSameSummaries(const TChannelSummary& s, const TChannelSummary& baseline) {
  EXPECT_TRUE(SameBits(s.Stats.Minimum, baseline.Stats.Minimum) &&
              SameBits(s.Stats.Maximum, baseline.Stats.Maximum));
  EXPECT_TRUE(SameBits(s.Stats.Total, baseline.Stats.Total) &&
              SameBits(s.Stats.AbsTotal, baseline.Stats.AbsTotal));
  EXPECT_EQ(s.Summary.Ascending(), baseline.Summary.Ascending());
  EXPECT_EQ(s.Summary.Skipped().Count, baseline.Summary.Skipped().Count);
  for (int first = 0; first < s.Summary.Count(); first += 64) {
    const int last = std::min(first + 63, s.Summary.Count() - 1);
    double low = 0, high = 0, baseLow = 0, baseHigh = 0;
    s.Summary.MinMax(first, last, low, high);
    baseline.Summary.MinMax(first, last, baseLow, baseHigh);
    ASSERT_TRUE(SameBits(low, baseLow) && SameBits(high, baseHigh)) << "leaf at " << first;
  }
}

template <class E>
void ExpectJoinedIsOnePass(const TRecordLayout& layout, int ranges, TData data, TSimdPath path,
                           std::mt19937& random) {
  const int count = 64 * 40 + int(random() % 200);
  std::vector<std::int64_t> bounds = {0, count};
  while (int(bounds.size()) < ranges + 1)
    bounds.push_back(std::int64_t(random() % unsigned(count + 1)));
  std::sort(bounds.begin(), bounds.end());
  const int descentAt = int((bounds[bounds.size() / 2] + 63) / 64 * 64);
  const std::vector<std::byte> records = Records<E>(layout, count, random, data, descentAt);
  // A read that stopped short has its ranges beyond summarised already.
  const int shortBy = random() % 2 ? 0 : int(random() % unsigned(count));
  TRecordSummary summary(layout, count, ranges, path);
  ArriveInRanges(summary, records, bounds, random);
  std::vector<TChannelSummary> joined = summary.Finish(records.data(), count - shortBy);
  const std::vector<TChannelSummary> baseline =
      TRecordSummary(layout, count, 1, spBaseline).Finish(records.data(), count - shortBy);
  for (std::size_t lane = 0; lane < layout.LaneOffsets.size(); ++lane) {
    SCOPED_TRACE("lane " + std::to_string(lane) + ", short by " + std::to_string(shortBy));
    const TPlainLane plain = PlainLane<E>(records, layout, lane, count - shortBy);
    const TChannelSummary& s = joined[lane];
    if (plain.Values.empty())
      continue;
    ExpectSameSummaries(s, baseline[lane]);
    double lowest = 0, highest = 0;
    plain.Extremes(0, plain.Values.size() - 1, lowest, highest);
    EXPECT_TRUE(SameBits(s.Stats.Minimum, lowest)) << s.Stats.Minimum << " " << lowest;
    EXPECT_TRUE(SameBits(s.Stats.Maximum, highest)) << s.Stats.Maximum << " " << highest;
    EXPECT_EQ(s.Summary.Ascending(), plain.Ascending());
    std::vector<int> skipped;
    double total = 0, absTotal = 0;
    for (std::size_t i = 0; i < plain.Values.size(); ++i) {
      if (!plain.Counts(plain.Values[i]))
        skipped.push_back(int(i));
      else {
        total += plain.Values[i];
        absTotal += std::fabs(plain.Values[i]);
      }
    }
    EXPECT_EQ(s.Summary.Skipped().Indexes, skipped);
    EXPECT_EQ(s.Stats.HasTotals, !E::SkipsNonFinite);
    TChartValueList list("Y");
    list.ViewValues(LaneView({records.data(), [](const std::byte*) {}}, layout, lane, count - shortBy, s));
    EXPECT_TRUE(SameBits(list.ListTotal(), total)) << "the sums are a pass in index order";
    EXPECT_TRUE(SameBits(list.ListAbsTotal(), absTotal));
    for (int trial = 0; trial < 50; ++trial) {
      const std::size_t first = random() % plain.Values.size();
      const std::size_t last = first + random() % (plain.Values.size() - first);
      double low = 0, high = 0, plainLow = 0, plainHigh = 0;
      s.Summary.MinMax(int(first), int(last), low, high);
      plain.Extremes(first, last, plainLow, plainHigh);
      if (!(low > high)) {
        ASSERT_TRUE(SameBits(low, plainLow) && SameBits(high, plainHigh)) << first << ".." << last;
      }
    }
  }
}

class RangeJoin : public testing::TestWithParam<TSimdPath> {};

TEST_P(RangeJoin, RangesJoinedGiveOnePassOverEveryElementType) {
  const TSimdPath path = GetParam();
  if (!SimdPathSupported(path))
    GTEST_SKIP() << "the processor has no " << SimdPathName(path);
  std::mt19937 random(26);
  for (int ranges = 1; ranges <= 8; ++ranges) {
    SCOPED_TRACE(std::to_string(ranges) + " ranges");
    for (const TData data : {dNoise, dRamp})
      ExpectJoinedIsOnePass<TInt16Element>({}, ranges, data, path, random);
    elements::ForEach(
        [&](auto element) {
          using E = decltype(element);
          if constexpr (E::Form != vfDouble) {
            SCOPED_TRACE(int(E::Form));
            // Three lanes and a pad byte: records straddle range and block boundaries.
            const TRecordLayout layout{E::Form, 3 * E::Bytes + 1, {0, E::Bytes, 2 * E::Bytes + 1}};
            ExpectJoinedIsOnePass<E>(layout, ranges, dNoise, path, random);
            if constexpr (std::is_floating_point_v<typename E::Value> || E::Form == vfInt16)
              ExpectJoinedIsOnePass<E>(layout, ranges, dRamp, path, random);
            if constexpr (std::is_floating_point_v<typename E::Value>)
              ExpectJoinedIsOnePass<E>(layout, ranges, dZeros, path, random);
            // Two channels side by side, the records the lane pass reads with a fixed stride.
            ExpectJoinedIsOnePass<E>({E::Form, 2 * E::Bytes, {0, E::Bytes}}, ranges, dNoise, path, random);
          }
        },
        TElements{});
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPath, RangeJoin, testing::Values(spBaseline, spAvx2, spAvx512),
                         [](const testing::TestParamInfo<TSimdPath>& tested) {
                           return std::string(SimdPathName(tested.param));
                         });

} // namespace
} // namespace chart
