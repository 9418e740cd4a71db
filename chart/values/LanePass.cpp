// The pass for any record layout: each lane's leaves, totals, order and skipped values, one
// element at a time, instantiated once per element type.
#include "chart/values/FrameSummary.h"

#include <algorithm>
#include <cmath>
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
    std::vector<T> Min;
    std::vector<T> Max;
  };

public:
  TTypedLanePass(const TRecordLayout& layout, std::int64_t records, int ranges)
      : FRecordBytes(layout.RecordBytes), FSpans(std::size_t(std::max(ranges, 1))), FPieces(FSpans.size()) {
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
    for (; span.LeavesDone < whole; ++span.LeavesDone)
      SummariseLeaf(records, std::size_t(span.LeavesDone), Leaf, std::size_t(span.FirstLeaf),
                    FPieces[std::size_t(range)]);
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
      for (std::size_t leaf = from; leaf < to; ++leaf)
        SummariseLeaf(records, leaf, leaf + 1 == to ? size : Leaf, from, piece);
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

  // Leaf `leaf` of a piece that begins at leaf `first`, whose first value is compared with
  // nothing before it (another thread may be writing that); joining makes up for it.
  void SummariseLeaf(const std::byte* records, std::size_t leaf, int size, std::size_t first, TPiece& piece) {
    const std::size_t from = leaf * Leaf;
    for (std::size_t k = 0; k < FLanes.size(); ++k) {
      TLane& lane = FLanes[k];
      TLaneTotals& totals = piece[k];
      const TArrayValues<E> values{records + lane.Offset, FRecordBytes};
      T lowest, highest;
      levels::StartFold<E>(values.At(from), lowest, highest);
      bool ascending = true;
      T previous = leaf == first ? values.At(from) : totals.Previous;
      for (int i = 0; i < size; ++i) {
        const T v = values.At(from + std::size_t(i));
        levels::FoldValue<E>(v, lowest, highest);
        ascending &= v >= previous;
        previous = v;
        if constexpr (E::SkipsNonFinite) {
          if (!std::isfinite(v)) {
            totals.Skipped.Add(int(from) + i);
            ascending = false;
            continue;
          }
        }
        if constexpr (Sums) {
          totals.Total += v;
          totals.AbsTotal += v < 0 ? -std::int64_t(v) : std::int64_t(v);
        }
      }
      totals.Previous = previous;
      lane.Min[leaf] = lowest;
      lane.Max[leaf] = highest;
      totals.Ascending = totals.Ascending && ascending;
    }
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

  std::size_t FRecordBytes;
  std::vector<TLane> FLanes;
  std::vector<TLeafSpan> FSpans;
  std::vector<TPiece> FPieces;
};

} // namespace

std::unique_ptr<TLanePass> NewLanePass(const TRecordLayout& layout, std::int64_t records, int ranges) {
  // Doubles of a list's own keep NaN in their statistics, which this pass does not follow.
  if (layout.Form == vfSequence || layout.Form == vfDouble)
    throw std::invalid_argument("Loaded records are never a sequence or doubles of a list's own");
  return VisitElement(layout.Form, [&](auto element) -> std::unique_ptr<TLanePass> {
    return std::make_unique<TTypedLanePass<decltype(element)>>(layout, records, ranges);
  });
}

} // namespace chart
