// The pass for any record layout: each lane's leaves, totals, order and skipped values, a leaf
// at a time, instantiated once per element type and vector path.
#include "chart/values/LanePass.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <type_traits>

namespace chart {

namespace {

template <class E>
class TTypedLanePass final : public TLanePass {
  using T = typename E::Value;
  static constexpr int Leaf = TLevelSummary<E>::LeafSize;
  // Integer sums are exact in 64 bits for any list length and join exactly. Floating-point sums
  // are left to the list's own pass when first read: their rounding is that of index order.
  static constexpr bool Sums = std::is_integral_v<T>;

  // What a piece of consecutive leaves adds up to in one lane.
  struct TLaneTotals {
    std::int64_t Total = 0;
    std::int64_t AbsTotal = 0;
    bool Ascending = true;
    T Previous{};
    TSkippedValues Skipped;
  };
  using TPiece = std::vector<TLaneTotals>;

  struct TLane {
    std::size_t Offset = 0;
    TLevelEntries<T> Min;
    TLevelEntries<T> Max;
  };

public:
  TTypedLanePass(const TRecordLayout& layout, std::int64_t records, int ranges, TSimdPath path)
      : FLeaves(KernelOf<TLeaves>(path, LeavesBaseline, LeavesAvx2, LeavesAvx512)),
        FRecordBytes(layout.RecordBytes), FSpans(std::size_t(std::max(ranges, 1))), FPieces(FSpans.size()) {
    const std::size_t leafCount = (std::size_t(std::max<std::int64_t>(records, 0)) + Leaf - 1) / Leaf;
    FLanes.resize(layout.LaneOffsets.size());
    for (std::size_t k = 0; k < FLanes.size(); ++k) {
      FLanes[k].Offset = layout.LaneOffsets[k];
      FLanes[k].Min.resize(leafCount);
      FLanes[k].Max.resize(leafCount);
    }
    // A worker must not allocate, so the room for where skipped values lie is had now.
    for (TPiece& piece : FPieces) {
      piece.resize(FLanes.size());
      if constexpr (E::SkipsNonFinite)
        for (TLaneTotals& lane : piece)
          lane.Skipped.Indexes.reserve(std::min<std::size_t>(
              TSkippedValues::MaxIndexes, std::size_t(std::max<std::int64_t>(records, 0))));
    }
  }

  void Arrived(int range, const std::byte* records, std::int64_t first, std::int64_t end) noexcept override {
    TLeafSpan& span = FSpans[std::size_t(range)];
    const std::int64_t whole = span.Extend(first, end, Leaf, std::int64_t(LeafCount()));
    if (whole <= span.LeavesDone)
      return;
    FLeaves(*this, records, std::size_t(span.FirstLeaf), std::size_t(span.LeavesDone), std::size_t(whole),
            Leaf, FPieces[std::size_t(range)]);
    span.LeavesDone = whole;
  }

  std::vector<TChannelSummary> Finish(const std::byte* records, int count) override {
    count = std::max(count, 0);
    const std::size_t whole = std::size_t(count) / Leaf;
    const std::size_t leafCount = (std::size_t(count) + Leaf - 1) / Leaf;
    for (TLane& lane : FLanes) {
      lane.Min.resize(leafCount);
      lane.Max.resize(leafCount);
    }
    TPiece totals(FLanes.size());
    const auto summarise = [&](std::size_t from, std::size_t to, int size) {
      TPiece piece(FLanes.size());
      FLeaves(*this, records, from, from, to, size, piece);
      JoinPiece(records, from, std::move(piece), totals);
    };
    JoinSpans(
        FSpans, std::int64_t(whole),
        [&](std::int64_t from, std::int64_t to) { summarise(std::size_t(from), std::size_t(to), Leaf); },
        [&](std::size_t range) {
          JoinPiece(records, std::size_t(FSpans[range].FirstLeaf), std::move(FPieces[range]), totals);
        });
    if (leafCount > whole)
      summarise(whole, leafCount, count - int(whole) * Leaf);
    std::vector<TChannelSummary> result(FLanes.size());
    for (std::size_t k = 0; k < FLanes.size() && count > 0; ++k)
      result[k] = LaneSummary(records, FLanes[k], std::move(totals[k]), count, leafCount);
    return result;
  }

private:
  std::size_t LeafCount() const { return FLanes.empty() ? 0 : FLanes[0].Min.size(); }

  using TLeaves = void (*)(TTypedLanePass& pass, const std::byte* records, std::size_t first,
                           std::size_t from, std::size_t to, int lastSize, TPiece& piece);

  static void LeavesBaseline(TTypedLanePass& pass, const std::byte* records, std::size_t first,
                             std::size_t from, std::size_t to, int lastSize, TPiece& piece) {
    pass.SummariseLeaves(records, first, from, to, lastSize, piece);
  }
  WAVEVIEW_TARGET_AVX2 static void LeavesAvx2(TTypedLanePass& pass, const std::byte* records,
                                              std::size_t first, std::size_t from, std::size_t to,
                                              int lastSize, TPiece& piece) {
    pass.SummariseLeaves(records, first, from, to, lastSize, piece);
  }
  WAVEVIEW_TARGET_AVX512 static void LeavesAvx512(TTypedLanePass& pass, const std::byte* records,
                                                  std::size_t first, std::size_t from, std::size_t to,
                                                  int lastSize, TPiece& piece) {
    pass.SummariseLeaves(records, first, from, to, lastSize, piece);
  }

  // Leaves [from, to) of a piece that begins at leaf `first`, the last of `lastSize` records; the
  // piece's first value is compared with nothing before it (another thread may be writing that),
  // which joining makes up for.
  [[gnu::always_inline]] void SummariseLeaves(const std::byte* records, std::size_t first, std::size_t from,
                                              std::size_t to, int lastSize, TPiece& piece) {
    // Two channels side by side, the usual records, are read with a stride the compiler knows,
    // which vectorises.
    if (FRecordBytes == 2 * E::Bytes)
      SummariseLeaves(records, 2 * E::Bytes, first, from, to, lastSize, piece);
    else
      SummariseLeaves(records, FRecordBytes, first, from, to, lastSize, piece);
  }

  [[gnu::always_inline]] void SummariseLeaves(const std::byte* records, std::size_t stride, std::size_t first,
                                              std::size_t from, std::size_t to, int lastSize, TPiece& piece) {
    for (std::size_t leaf = from; leaf < to; ++leaf)
      for (std::size_t k = 0; k < FLanes.size(); ++k) {
        TLane& lane = FLanes[k];
        const TArrayValues<E> values{records + lane.Offset, stride};
        // A whole leaf is a loop of fixed length, which vectorises.
        if (leaf + 1 < to || lastSize == Leaf)
          SummariseLeaf(values, leaf, Leaf, leaf == first, lane, piece[k]);
        else
          SummariseLeaf(values, leaf, lastSize, leaf == first, lane, piece[k]);
      }
  }

  [[gnu::always_inline]] static void SummariseLeaf(const TArrayValues<E>& values, std::size_t leaf, int size,
                                                   bool firstOfPiece, TLane& lane, TLaneTotals& totals) {
    const std::size_t from = leaf * Leaf;
    T v[Leaf];
    // Every record of a leaf but its last is followed by one of the same leaf, which has arrived.
    int followed = 0;
    if constexpr (requires(const std::byte* p) { E::ReadFollowed(p); })
      for (; followed < size - 1; ++followed)
        v[followed] = E::ReadFollowed(values.Data + (from + std::size_t(followed)) * values.Stride);
    for (int i = followed; i < size; ++i)
      v[i] = values.At(from + std::size_t(i));
    const T head = values.At(from);
    // Counted in an int: a bool does not fold in vector registers.
    int falls = head < (firstOfPiece ? head : totals.Previous);
    for (int i = 1; i < size; ++i)
      falls |= int(v[i] < v[i - 1]);
    totals.Previous = values.At(from + std::size_t(size - 1));
    // Only the types that skip values are floating-point here.
    if constexpr (std::is_floating_point_v<T>)
      falls |= int(FoldFloats(v, size, int(from), lane.Min[leaf], lane.Max[leaf], totals.Skipped));
    else
      FoldIntegers(v, size, lane.Min[leaf], lane.Max[leaf], totals);
    totals.Ascending = totals.Ascending && !falls;
  }

  [[gnu::always_inline]] static void FoldIntegers(const T* v, int size, T& lowest, T& highest,
                                                  TLaneTotals& totals) {
    // A leaf of 16-bit values sums exactly in 32 bits.
    using TSum = std::conditional_t<sizeof(T) < 4, std::int32_t, std::int64_t>;
    T low = std::numeric_limits<T>::max(), high = std::numeric_limits<T>::lowest();
    TSum total = 0, absTotal = 0;
    for (int i = 0; i < size; ++i) {
      low = v[i] < low ? v[i] : low;
      high = v[i] > high ? v[i] : high;
      total += v[i];
      absTotal += v[i] < 0 ? -TSum(v[i]) : TSum(v[i]);
    }
    lowest = low;
    highest = high;
    totals.Total += total;
    totals.AbsTotal += absTotal;
  }

  // The extremes of the finite values, folded as integer keys in the floats' order with masks
  // for the skipped ones, which vectorise where comparisons of floats fold one at a time; of -0.0
  // and +0.0 the first counts, as in a pass. Returns whether any value was skipped.
  [[gnu::always_inline]] static bool FoldFloats(const T* v, int size, int from, T& lowest, T& highest,
                                                TSkippedValues& skipped) {
    using K = std::conditional_t<sizeof(T) == 4, std::int32_t, std::int64_t>;
    constexpr K Exponent = std::bit_cast<K>(std::numeric_limits<T>::infinity());
    constexpr K None = std::numeric_limits<K>::max();
    // Negative floats' magnitudes run the other way: flipping them makes the order a signed one.
    const auto key = [](K bits) { return bits ^ ((bits >> (sizeof(K) * 8 - 1)) & None); };
    // Copied apart from the floats: a loop reading floats as integers does not vectorise.
    K bits[Leaf];
    for (int i = 0; i < size; ++i)
      bits[i] = std::bit_cast<K>(v[i]);
    K low = None, high = ~None, nonFinite = 0;
    for (int i = 0; i < size; ++i) {
      const K skip = -K((bits[i] & Exponent) == Exponent);
      const K counted = key(bits[i]) & ~skip;
      low = std::min(low, counted | (skip & None));
      high = std::max(high, counted | (skip & ~None));
      nonFinite -= skip;
    }
    lowest = low == None ? std::numeric_limits<T>::infinity() : std::bit_cast<T>(key(low));
    highest = high == ~None ? -std::numeric_limits<T>::infinity() : std::bit_cast<T>(key(high));
    if (lowest == 0 || highest == 0) {
      const T zero = *std::find(v, v + size, T(0));
      lowest = lowest == 0 ? zero : lowest;
      highest = highest == 0 ? zero : highest;
    }
    for (int i = 0; i < size && nonFinite > 0; ++i)
      if (!std::isfinite(v[i]))
        skipped.Add(from + i);
    return nonFinite > 0;
  }

  // Adds a piece beginning at leaf `first` to the totals of the leaves before it.
  void JoinPiece(const std::byte* records, std::size_t first, TPiece piece, TPiece& totals) const {
    const std::size_t at = first * Leaf;
    for (std::size_t k = 0; k < FLanes.size(); ++k) {
      const TArrayValues<E> values{records + FLanes[k].Offset, FRecordBytes};
      TLaneTotals& joined = totals[k];
      TLaneTotals& part = piece[k];
      joined.Total += part.Total;
      joined.AbsTotal += part.AbsTotal;
      joined.Ascending =
          joined.Ascending && part.Ascending && (at == 0 || values.At(at) >= values.At(at - 1));
      if (joined.Skipped.Count == 0) {
        joined.Skipped = std::move(part.Skipped);
        continue;
      }
      joined.Skipped.Count += part.Skipped.Count;
      const std::size_t room =
          TSkippedValues::MaxIndexes - std::min(TSkippedValues::MaxIndexes, joined.Skipped.Indexes.size());
      const std::size_t taken = std::min(room, part.Skipped.Indexes.size());
      joined.Skipped.Indexes.insert(joined.Skipped.Indexes.end(), part.Skipped.Indexes.begin(),
                                    part.Skipped.Indexes.begin() + std::ptrdiff_t(taken));
    }
  }

  TChannelSummary LaneSummary(const std::byte* records, TLane& lane, TLaneTotals totals, int count,
                              std::size_t leafCount) {
    TChannelSummary result;
    T lowest, highest, unused;
    levels::StartFold<E>(lane.Min[0], lowest, unused);
    levels::StartFold<E>(lane.Max[0], unused, highest);
    for (std::size_t leaf = 0; leaf < leafCount; ++leaf) {
      levels::FoldValue<E>(lane.Min[leaf], lowest, unused);
      levels::FoldValue<E>(lane.Max[leaf], unused, highest);
    }
    // Nothing counted: the statistics of an empty list.
    if (!(lowest <= highest))
      lowest = highest = T(0);
    result.Stats = {double(lowest), double(highest), double(totals.Total), double(totals.AbsTotal), Sums};
    const TArrayValues<E> values{records + lane.Offset, FRecordBytes};
    result.Summary = TValueSummary::OfLeaves(values, count, std::move(lane.Min), std::move(lane.Max),
                                             totals.Ascending, std::move(totals.Skipped));
    return result;
  }

  TLeaves FLeaves;
  std::size_t FRecordBytes;
  std::vector<TLane> FLanes;
  std::vector<TLeafSpan> FSpans;
  std::vector<TPiece> FPieces;
};

} // namespace

std::unique_ptr<TLanePass> NewLanePass(const TRecordLayout& layout, std::int64_t records, int ranges,
                                       TSimdPath path) {
  // Doubles of a list's own keep NaN in their statistics, which this pass does not follow.
  if (layout.Form == vfSequence || layout.Form == vfDouble)
    throw std::invalid_argument("Loaded records are never a sequence or doubles of a list's own");
  return VisitElement(layout.Form, [&](auto element) -> std::unique_ptr<TLanePass> {
    return std::make_unique<TTypedLanePass<decltype(element)>>(layout, records, ranges, path);
  });
}

} // namespace chart
