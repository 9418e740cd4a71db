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
  // Integer sums are exact in 64 bits for any list length; floating-point ones are summed in
  // index order, as a pass over a list does.
  using TSum = std::conditional_t<std::is_integral_v<T>, std::int64_t, double>;
  static constexpr int Leaf = TLevelSummary<E>::LeafSize;

  struct TLane {
    std::size_t Offset = 0;
    std::vector<T> Min;
    std::vector<T> Max;
    TSum Total = 0;
    TSum AbsTotal = 0;
    bool Ascending = true;
    T Previous{};
    TSkippedValues Skipped;
  };

public:
  TTypedLanePass(const TRecordLayout& layout, std::int64_t records) : FRecordBytes(layout.RecordBytes) {
    const std::size_t leafCount = (std::size_t(std::max<std::int64_t>(records, 0)) + Leaf - 1) / Leaf;
    FLanes.resize(layout.LaneOffsets.size());
    for (std::size_t k = 0; k < FLanes.size(); ++k) {
      FLanes[k].Offset = layout.LaneOffsets[k];
      FLanes[k].Min.resize(leafCount);
      FLanes[k].Max.resize(leafCount);
    }
  }

  void Arrived(const std::byte* records, std::int64_t count) override {
    const std::size_t whole = std::size_t(std::max<std::int64_t>(count, 0)) / Leaf;
    for (; FLeavesDone < whole && FLeavesDone < LeafCount(); ++FLeavesDone)
      SummariseLeaf(records, FLeavesDone, Leaf);
  }

  std::vector<TChannelSummary> Finish(const std::byte* records, int count) override {
    count = std::max(count, 0);
    Arrived(records, count);
    const std::size_t leafCount = (std::size_t(count) + Leaf - 1) / Leaf;
    if (leafCount > FLeavesDone)
      SummariseLeaf(records, FLeavesDone, count - int(FLeavesDone) * Leaf);
    std::vector<TChannelSummary> result(FLanes.size());
    for (std::size_t k = 0; k < FLanes.size() && count > 0; ++k)
      result[k] = LaneSummary(records, FLanes[k], count, leafCount);
    return result;
  }

private:
  std::size_t LeafCount() const { return FLanes.empty() ? 0 : FLanes[0].Min.size(); }

  void SummariseLeaf(const std::byte* records, std::size_t leaf, int size) {
    const std::size_t first = leaf * Leaf;
    for (TLane& lane : FLanes) {
      const TArrayValues<E> values{records + lane.Offset, FRecordBytes};
      T lowest, highest;
      levels::StartFold<E>(values.At(first), lowest, highest);
      // Floating-point sums run on value by value, so their rounding is a pass over the list's.
      TSum total = lane.Total, absTotal = lane.AbsTotal;
      bool ascending = true;
      T previous = first == 0 ? values.At(0) : lane.Previous;
      for (int i = 0; i < size; ++i) {
        const T v = values.At(first + std::size_t(i));
        levels::FoldValue<E>(v, lowest, highest);
        ascending &= v >= previous;
        previous = v;
        if constexpr (E::SkipsNonFinite) {
          if (!std::isfinite(v)) {
            lane.Skipped.Add(int(first) + i);
            ascending = false;
            continue;
          }
        }
        total += TSum(v);
        if constexpr (std::is_integral_v<T>)
          absTotal += v < 0 ? -TSum(v) : TSum(v);
        else
          absTotal += std::fabs(TSum(v));
      }
      lane.Previous = previous;
      lane.Min[leaf] = lowest;
      lane.Max[leaf] = highest;
      lane.Total = total;
      lane.AbsTotal = absTotal;
      lane.Ascending = lane.Ascending && ascending;
    }
  }

  TChannelSummary LaneSummary(const std::byte* records, TLane& lane, int count, std::size_t leafCount) {
    lane.Min.resize(leafCount);
    lane.Max.resize(leafCount);
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
    result.Stats = {double(lowest), double(highest), double(lane.Total), double(lane.AbsTotal)};
    const TArrayValues<E> values{records + lane.Offset, FRecordBytes};
    result.Summary = TValueSummary::OfLeaves(values, count, std::move(lane.Min), std::move(lane.Max),
                                             lane.Ascending, std::move(lane.Skipped));
    return result;
  }

  std::size_t FRecordBytes;
  std::vector<TLane> FLanes;
  std::size_t FLeavesDone = 0;
};

} // namespace

std::unique_ptr<TLanePass> NewLanePass(const TRecordLayout& layout, std::int64_t records) {
  // Doubles of a list's own keep NaN in their statistics, which this pass does not follow.
  if (layout.Form == vfSequence || layout.Form == vfDouble)
    throw std::invalid_argument("Loaded records are never a sequence or doubles of a list's own");
  return VisitElement(layout.Form, [&](auto element) -> std::unique_ptr<TLanePass> {
    return std::make_unique<TTypedLanePass<decltype(element)>>(layout, records);
  });
}

} // namespace chart
