// Records summarised in ranges that arrive side by side, joined, against a plain pass over each
// lane: every element type, random range boundaries, reads that stop short.
#include "chart/values/ChartValueList.h"
#include "chart/values/FrameSummary.h"

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

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

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
// values that never fall but where `descentAt` says.
template <class E>
std::vector<std::byte> Records(const TRecordLayout& layout, int count, std::mt19937& random, bool ramp,
                               int descentAt) {
  std::vector<std::byte> bytes(std::size_t(count) * layout.RecordBytes);
  for (std::byte& b : bytes)
    b = std::byte(random() & 0xFF);
  using T = typename E::Value;
  if constexpr (std::is_floating_point_v<T>) {
    const T specials[] = {T(-0.0), T(0.0), std::numeric_limits<T>::quiet_NaN(), T(-0.0)};
    for (int i = 0; i < count; ++i)
      for (const std::size_t offset : layout.LaneOffsets) {
        T v = ramp ? T(i / 5 - (i >= descentAt ? 3 : 0)) : T(float(int(random() % 2001) - 1000) / 8);
        if (!ramp && random() % 7 == 0)
          v = specials[random() % 4];
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

template <class E>
void ExpectJoinedIsOnePass(const TRecordLayout& layout, int ranges, bool ramp, std::mt19937& random) {
  const int count = 64 * 40 + int(random() % 200);
  std::vector<std::int64_t> bounds = {0, count};
  while (int(bounds.size()) < ranges + 1)
    bounds.push_back(std::int64_t(random() % unsigned(count + 1)));
  std::sort(bounds.begin(), bounds.end());
  const int descentAt = int((bounds[bounds.size() / 2] + 63) / 64 * 64);
  const std::vector<std::byte> records = Records<E>(layout, count, random, ramp, descentAt);
  // A read that stopped short has its ranges beyond summarised already.
  const int shortBy = random() % 2 ? 0 : int(random() % unsigned(count));
  TRecordSummary summary(layout, count, ranges);
  ArriveInRanges(summary, records, bounds, random);
  std::vector<TChannelSummary> joined = summary.Finish(records.data(), count - shortBy);
  for (std::size_t lane = 0; lane < layout.LaneOffsets.size(); ++lane) {
    SCOPED_TRACE("lane " + std::to_string(lane) + ", short by " + std::to_string(shortBy));
    const TPlainLane plain = PlainLane<E>(records, layout, lane, count - shortBy);
    const TChannelSummary& s = joined[lane];
    if (plain.Values.empty())
      continue;
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

TEST(RangeJoin, RangesJoinedGiveOnePassOverEveryElementType) {
  std::mt19937 random(26);
  for (int ranges = 1; ranges <= 8; ++ranges) {
    SCOPED_TRACE(std::to_string(ranges) + " ranges");
    for (const bool ramp : {false, true})
      ExpectJoinedIsOnePass<TInt16Element>({}, ranges, ramp, random);
    elements::ForEach(
        [&](auto element) {
          using E = decltype(element);
          if constexpr (E::Form != vfDouble) {
            SCOPED_TRACE(int(E::Form));
            // Three lanes and a pad byte: records straddle range and block boundaries.
            const TRecordLayout layout{E::Form, 3 * E::Bytes + 1, {0, E::Bytes, 2 * E::Bytes + 1}};
            ExpectJoinedIsOnePass<E>(layout, ranges, false, random);
            if constexpr (std::is_floating_point_v<typename E::Value> || E::Form == vfInt16)
              ExpectJoinedIsOnePass<E>(layout, ranges, true, random);
          }
        },
        TElements{});
  }
}

} // namespace
} // namespace chart
