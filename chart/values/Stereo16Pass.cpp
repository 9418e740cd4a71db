// Both channels of interleaved 16-bit stereo frames in one pass of vector registers.
#include "chart/values/Stereo16Pass.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace chart {

namespace {

constexpr int Leaf = TLevelSummary<TInt16Element>::LeafSize;

struct TChannelTotals {
  // 16-bit sums stay exact in 64 bits for any list length.
  std::int64_t Total = 0;
  std::int64_t AbsTotal = 0;
  bool Ascending = true;
};

// The smallest and largest value of each lowest block, per channel.
using TLeafTable = std::array<TLevelEntries<std::int16_t>*, 4>;

// Whole leaves of both channels in vector registers of Bytes / 2 samples: even lanes are channel
// 0, odd lanes channel 1. The compiler's vector extension keeps the loop in vector code at any
// optimisation level. Each lane is compared with the same channel one frame earlier for the order.
template <int Bytes>
struct TVectors {
  typedef std::int16_t TSamples __attribute__((vector_size(Bytes)));
  // The same frames a 32-bit lane each: the left sample in the low half, the right in the high.
  typedef std::int32_t TFrames __attribute__((vector_size(Bytes)));
  static constexpr int Lanes = Bytes / 2;
  static constexpr int PerLeaf = 2 * Leaf / Lanes;
};

// A lane's sum grows by at most 16 * 32768 a leaf: it is folded into 64 bits in time.
constexpr std::size_t LeavesPerFold = 1024;

// Vectors go by reference: their passing by value differs between the paths.
template <class TVector>
[[gnu::always_inline]] inline void Load(TVector& v, const std::int16_t* p) {
  std::memcpy(&v, p, sizeof v);
}

// Per channel, the sums of all samples and of the negative ones: |v| summed is the first minus
// twice the second.
template <int Bytes>
struct TLaneSums {
  using TSamples = typename TVectors<Bytes>::TSamples;
  using TFrames = typename TVectors<Bytes>::TFrames;
  TFrames Left, Right, LeftNegative, RightNegative;

  [[gnu::always_inline]] void Clear() { Left = Right = LeftNegative = RightNegative = TFrames{}; }
  [[gnu::always_inline]] void Add(const TSamples& v) {
    const TSamples negative = v < 0 ? v : TSamples{};
    const TFrames frames = TFrames(v), negatives = TFrames(negative);
    Left += (frames << 16) >> 16;
    Right += frames >> 16;
    LeftNegative += (negatives << 16) >> 16;
    RightNegative += negatives >> 16;
  }
  [[gnu::always_inline]] void FoldInto(TChannelTotals* totals) {
    for (int j = 0; j < Bytes / 4; ++j) {
      totals[0].Total += Left[j];
      totals[0].AbsTotal += std::int64_t(Left[j]) - 2 * std::int64_t(LeftNegative[j]);
      totals[1].Total += Right[j];
      totals[1].AbsTotal += std::int64_t(Right[j]) - 2 * std::int64_t(RightNegative[j]);
    }
    Clear();
  }
};

// Channel c's minima are table[2 * c], its maxima table[2 * c + 1]. A wide vector is first folded
// in halves, which keep each lane's channel, down to 16 bytes.
template <int Bytes>
[[gnu::always_inline]] inline void StoreLeaf(const typename TVectors<Bytes>::TSamples& lo,
                                             const typename TVectors<Bytes>::TSamples& hi, std::size_t leaf,
                                             const TLeafTable& table) {
  if constexpr (Bytes > 16) {
    using THalf = typename TVectors<Bytes / 2>::TSamples;
    THalf low[2], high[2];
    std::memcpy(low, &lo, Bytes);
    std::memcpy(high, &hi, Bytes);
    StoreLeaf<Bytes / 2>(low[1] < low[0] ? low[1] : low[0], high[1] > high[0] ? high[1] : high[0], leaf,
                         table);
  } else {
    for (int c = 0; c < 2; ++c) {
      std::int16_t l = lo[c], h = hi[c];
      for (int j = c + 2; j < TVectors<Bytes>::Lanes; j += 2) {
        l = lo[j] < l ? std::int16_t(lo[j]) : l;
        h = hi[j] > h ? std::int16_t(hi[j]) : h;
      }
      (*table[std::size_t(2 * c)])[leaf] = l;
      (*table[std::size_t(2 * c + 1)])[leaf] = h;
    }
  }
}

// Leaves [from, to) of a piece that begins at leaf `first`: its first frame is compared with
// nothing before it (another thread may be writing that), which joining the pieces makes up for.
template <int Bytes>
[[gnu::always_inline]] inline void WholeLeaves(const std::int16_t* frames, std::size_t first,
                                               std::size_t from, std::size_t to, const TLeafTable& table,
                                               TChannelTotals* totals) {
  using V = TVectors<Bytes>;
  using TSamples = typename V::TSamples;
  TLaneSums<Bytes> sums;
  sums.Clear();
  TSamples descents = {};
  for (std::size_t leaf = from; leaf < to; ++leaf) {
    const std::int16_t* p = frames + 2 * Leaf * leaf;
    TSamples lo, before;
    Load(lo, p);
    TSamples hi = lo;
    if (leaf > first) {
      Load(before, p - 2);
    } else {
      // The first frame stands for the frame before it.
      std::int16_t head[V::Lanes] = {p[0], p[1]};
      std::memcpy(head + 2, p, sizeof(std::int16_t) * (V::Lanes - 2));
      Load(before, head);
    }
    descents |= lo < before;
    for (int k = 0; k < V::PerLeaf; ++k) {
      TSamples v;
      Load(v, p + k * V::Lanes);
      lo = v < lo ? v : lo;
      hi = v > hi ? v : hi;
      if (k > 0) {
        Load(before, p + k * V::Lanes - 2);
        descents |= v < before;
      }
      sums.Add(v);
    }
    StoreLeaf<Bytes>(lo, hi, leaf, table);
    if ((leaf + 1 - from) % LeavesPerFold == 0 || leaf + 1 == to)
      sums.FoldInto(totals);
  }
  for (int j = 0; j < V::Lanes; ++j)
    totals[j % 2].Ascending = totals[j % 2].Ascending && descents[j] == 0;
}

using TWholeLeaves = void (*)(const std::int16_t* frames, std::size_t first, std::size_t from, std::size_t to,
                              const TLeafTable& table, TChannelTotals* totals);

void WholeLeavesBaseline(const std::int16_t* frames, std::size_t first, std::size_t from, std::size_t to,
                         const TLeafTable& table, TChannelTotals* totals) {
  WholeLeaves<16>(frames, first, from, to, table, totals);
}

WAVEVIEW_TARGET_AVX2 void WholeLeavesAvx2(const std::int16_t* frames, std::size_t first, std::size_t from,
                                          std::size_t to, const TLeafTable& table, TChannelTotals* totals) {
  WholeLeaves<32>(frames, first, from, to, table, totals);
}

WAVEVIEW_TARGET_AVX512 void WholeLeavesAvx512(const std::int16_t* frames, std::size_t first, std::size_t from,
                                              std::size_t to, const TLeafTable& table,
                                              TChannelTotals* totals) {
  WholeLeaves<64>(frames, first, from, to, table, totals);
}

// Adds a piece beginning at leaf `first` to the totals of the leaves before it.
void JoinPiece(const std::int16_t* frames, std::size_t first, const std::array<TChannelTotals, 2>& piece,
               std::array<TChannelTotals, 2>& totals) {
  for (std::size_t c = 0; c < 2; ++c) {
    const std::int16_t* p = frames + 2 * Leaf * first + c;
    totals[c].Total += piece[c].Total;
    totals[c].AbsTotal += piece[c].AbsTotal;
    totals[c].Ascending = totals[c].Ascending && piece[c].Ascending && (first == 0 || p[0] >= p[-2]);
  }
}

// The last, partial leaf, frame by frame.
void SummarisePartLeaf(const std::int16_t* p, const std::int16_t* previous, int frames, std::int16_t* low,
                       std::int16_t* high, std::array<TChannelTotals, 2>& totals) {
  for (int c = 0; c < 2; ++c) {
    TChannelTotals& t = totals[std::size_t(c)];
    std::int16_t l = p[c], h = p[c];
    std::int16_t before = previous[c];
    for (int i = 0; i < frames; ++i) {
      const std::int16_t v = p[2 * i + c];
      l = std::min(l, v);
      h = std::max(h, v);
      t.Total += v;
      t.AbsTotal += std::abs(int(v));
      t.Ascending &= v >= before;
      before = v;
    }
    low[c] = l;
    high[c] = h;
  }
}

class TStereo16Pass final : public TLanePass {
public:
  TStereo16Pass(std::int64_t frames, int ranges, TSimdPath path);
  void Arrived(int range, const std::byte* records, std::int64_t first, std::int64_t end) noexcept override;
  std::vector<TChannelSummary> Finish(const std::byte* records, int count) override;

private:
  struct TLeaves {
    TLevelEntries<std::int16_t> Min;
    TLevelEntries<std::int16_t> Max;
  };
  TLeafTable Table() { return {&FLeaves[0].Min, &FLeaves[0].Max, &FLeaves[1].Min, &FLeaves[1].Max}; }
  std::array<TChannelTotals, 2> JoinedTotals(const std::int16_t* frames, std::size_t wholeLeaves);

  TWholeLeaves FWholeLeaves;
  std::array<TLeaves, 2> FLeaves;
  std::vector<TLeafSpan> FSpans;
  std::vector<std::array<TChannelTotals, 2>> FTotals;
};

TStereo16Pass::TStereo16Pass(std::int64_t frames, int ranges, TSimdPath path)
    : FWholeLeaves(KernelOf<TWholeLeaves>(path, WholeLeavesBaseline, WholeLeavesAvx2, WholeLeavesAvx512)),
      FSpans(std::size_t(std::max(ranges, 1))), FTotals(FSpans.size()) {
  const std::size_t leafCount = (std::size_t(std::max<std::int64_t>(frames, 0)) + Leaf - 1) / Leaf;
  for (TLeaves& channel : FLeaves) {
    channel.Min.resize(leafCount);
    channel.Max.resize(leafCount);
  }
}

void TStereo16Pass::Arrived(int range, const std::byte* records, std::int64_t first,
                            std::int64_t end) noexcept {
  TLeafSpan& span = FSpans[std::size_t(range)];
  const std::int64_t whole = span.Extend(first, end, Leaf, std::int64_t(FLeaves[0].Min.size()));
  if (whole <= span.LeavesDone)
    return;
  FWholeLeaves(reinterpret_cast<const std::int16_t*>(records), std::size_t(span.FirstLeaf),
               std::size_t(span.LeavesDone), std::size_t(whole), Table(), FTotals[std::size_t(range)].data());
  span.LeavesDone = whole;
}

// The ranges' totals in leaf order, with the leaves no range summarised (or summarised past
// the frames now wanted) summarised here.
std::array<TChannelTotals, 2> TStereo16Pass::JoinedTotals(const std::int16_t* frames,
                                                          std::size_t wholeLeaves) {
  std::array<TChannelTotals, 2> totals;
  JoinSpans(
      FSpans, std::int64_t(wholeLeaves),
      [&](std::int64_t from, std::int64_t to) {
        std::array<TChannelTotals, 2> piece;
        FWholeLeaves(frames, std::size_t(from), std::size_t(from), std::size_t(to), Table(), piece.data());
        JoinPiece(frames, std::size_t(from), piece, totals);
      },
      [&](std::size_t range) {
        JoinPiece(frames, std::size_t(FSpans[range].FirstLeaf), FTotals[range], totals);
      });
  return totals;
}

std::vector<TChannelSummary> TStereo16Pass::Finish(const std::byte* records, int count) {
  count = std::max(count, 0);
  const auto* frames = reinterpret_cast<const std::int16_t*>(records);
  const std::size_t wholeLeaves = std::size_t(count) / Leaf;
  const std::size_t leafCount = (std::size_t(count) + Leaf - 1) / Leaf;
  for (TLeaves& channel : FLeaves) {
    channel.Min.resize(leafCount);
    channel.Max.resize(leafCount);
  }
  std::array<TChannelTotals, 2> totals = JoinedTotals(frames, wholeLeaves);
  if (leafCount > wholeLeaves) {
    const std::size_t first = wholeLeaves * Leaf;
    const std::int16_t* p = frames + 2 * first;
    std::int16_t low[2], high[2];
    SummarisePartLeaf(p, first == 0 ? p : p - 2, count - int(first), low, high, totals);
    for (std::size_t c = 0; c < 2; ++c) {
      FLeaves[c].Min[wholeLeaves] = low[c];
      FLeaves[c].Max[wholeLeaves] = high[c];
    }
  }
  std::vector<TChannelSummary> result(2);
  for (std::size_t c = 0; c < 2 && count > 0; ++c) {
    const TChannelTotals& t = totals[c];
    const int minimum = *std::min_element(FLeaves[c].Min.begin(), FLeaves[c].Min.end());
    const int maximum = *std::max_element(FLeaves[c].Max.begin(), FLeaves[c].Max.end());
    const TArrayValues<TInt16Element> channel{records + 2 * c, 4};
    result[c].Summary = TValueSummary::OfLeaves(channel, count, std::move(FLeaves[c].Min),
                                                std::move(FLeaves[c].Max), t.Ascending, {});
    result[c].Stats = {double(minimum), double(maximum), double(t.Total), double(t.AbsTotal)};
  }
  return result;
}

} // namespace

std::unique_ptr<TLanePass> NewStereo16Pass(std::int64_t frames, int ranges, TSimdPath path) {
  return std::make_unique<TStereo16Pass>(frames, ranges, path);
}

} // namespace chart
