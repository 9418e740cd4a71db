#include "chart/values/FrameSummary.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace chart {

namespace {

constexpr int Leaf = TLevelSummary<std::int16_t>::LeafSize;
// Lanes of a vector register's worth of 16-bit samples; even lanes hold channel 0, odd ones 1.
constexpr int Lanes = 8;
constexpr int VectorsPerLeaf = 2 * Leaf / Lanes;

// Running totals of one channel; 16-bit sums stay exact in 64 bits for any list length.
struct TChannelTotals {
  int Minimum = 0;
  int Maximum = 0;
  std::int64_t Total = 0;
  std::int64_t AbsTotal = 0;
  bool Ascending = true;
};

struct TLeaves {
  std::vector<std::int16_t> Min;
  std::vector<std::int16_t> Max;
};

// One whole leaf of both channels: a loop of fixed length over lanes, which the compiler turns
// into vector code. `previous` is the frame before the leaf, or the leaf's first frame.
void SummariseWholeLeaf(const std::int16_t* p, const std::int16_t* previous, std::int16_t* low,
                        std::int16_t* high, std::array<TChannelTotals, 2>& totals) {
  std::int16_t lo[Lanes], hi[Lanes];
  int sum[Lanes] = {}, absSum[Lanes] = {}, descents[Lanes] = {};
  for (int j = 0; j < Lanes; ++j)
    lo[j] = hi[j] = p[j];
  for (int j = 0; j < Lanes; ++j)
    descents[j] = (j < 2 ? p[j] < previous[j] : p[j] < p[j - 2]);
  for (int k = 0; k < VectorsPerLeaf; ++k) {
    const std::int16_t* v = p + k * Lanes;
    for (int j = 0; j < Lanes; ++j) {
      lo[j] = std::min(lo[j], v[j]);
      hi[j] = std::max(hi[j], v[j]);
      sum[j] += v[j];
      absSum[j] += std::abs(int(v[j]));
    }
    if (k > 0)
      for (int j = 0; j < Lanes; ++j)
        descents[j] |= v[j] < v[j - 2];
  }
  for (int c = 0; c < 2; ++c) {
    std::int16_t l = lo[c], h = hi[c];
    for (int j = c + 2; j < Lanes; j += 2) {
      l = std::min(l, lo[j]);
      h = std::max(h, hi[j]);
      totals[std::size_t(c)].Total += sum[j];
      totals[std::size_t(c)].AbsTotal += absSum[j];
      totals[std::size_t(c)].Ascending &= !descents[j];
    }
    totals[std::size_t(c)].Total += sum[c];
    totals[std::size_t(c)].AbsTotal += absSum[c];
    totals[std::size_t(c)].Ascending &= !descents[c];
    low[c] = l;
    high[c] = h;
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

} // namespace

std::array<TChannelSummary, 2> SummariseStereoFrames(const std::int16_t* frames, int count) {
  count = std::max(count, 0);
  const std::size_t leafCount = (std::size_t(count) + Leaf - 1) / Leaf;
  std::array<TLeaves, 2> leaves;
  for (TLeaves& channel : leaves) {
    channel.Min.resize(leafCount);
    channel.Max.resize(leafCount);
  }
  std::array<TChannelTotals, 2> totals;
  for (std::size_t leaf = 0; leaf < leafCount; ++leaf) {
    const std::size_t first = leaf * Leaf;
    const int inLeaf = int(std::min<std::size_t>(Leaf, std::size_t(count) - first));
    const std::int16_t* p = frames + 2 * first;
    const std::int16_t* previous = first == 0 ? p : p - 2;
    std::int16_t low[2], high[2];
    if (inLeaf == Leaf)
      SummariseWholeLeaf(p, previous, low, high, totals);
    else
      SummarisePartLeaf(p, previous, inLeaf, low, high, totals);
    for (std::size_t c = 0; c < 2; ++c) {
      leaves[c].Min[leaf] = low[c];
      leaves[c].Max[leaf] = high[c];
      totals[c].Minimum = leaf == 0 ? low[c] : std::min(totals[c].Minimum, int(low[c]));
      totals[c].Maximum = leaf == 0 ? high[c] : std::max(totals[c].Maximum, int(high[c]));
    }
  }
  std::array<TChannelSummary, 2> result;
  for (std::size_t c = 0; c < 2; ++c) {
    const TChannelTotals& t = totals[c];
    result[c].Summary = TValueSummary::OfLeaves(count > 0 ? frames + c : nullptr, 2, count, std::move(leaves[c].Min),
                                                std::move(leaves[c].Max), t.Ascending);
    if (count > 0)
      result[c].Stats = {double(t.Minimum), double(t.Maximum), double(t.Total), double(t.AbsTotal)};
  }
  return result;
}

} // namespace chart
