// The growable array behind a value list, kept in the narrowest form that holds its values
// exactly, or a view of entries of any element type, a byte stride apart, in memory it does not
// own (the loaded sound). Growing moves pages without copying them.
#pragma once

#include "chart/values/ElementTypes.h"
#include "platform/memory/PageMemory.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace chart {

// An arithmetic sequence: value i is First + Step * i, evaluated the same way everywhere, so
// every stored value was checked bit for bit against this expression when it came in.
struct TSequenceValues {
  double First = 0;
  double Step = 0;
  double operator[](std::size_t index) const { return First + Step * double(index); }
};

// Entries of element type E, Stride bytes apart: E::Bytes for an array of its own, the frame's
// bytes for one channel of loaded sound.
template <class E>
struct TArrayValues {
  using Element = E;
  const std::byte* Data;
  std::size_t Stride = E::Bytes;
  typename E::Value At(std::size_t index) const { return E::Read(Data + index * Stride); }
  double operator[](std::size_t index) const { return double(At(index)); }
};

// Whether `value` converts to T and back to the very same double (never -0.0, NaN or infinity).
template <class T>
bool HoldsExactly(double value) {
  constexpr double lowest = -double(std::uint64_t(1) << (sizeof(T) * 8 - 1));
  if (!(value >= lowest && value <= -lowest - 1))
    return false;
  return std::bit_cast<std::uint64_t>(double(T(value))) == std::bit_cast<std::uint64_t>(value);
}

class TChartValues {
public:
  // The longest array a value list can hold: its count is a signed 32-bit number, and it grows in
  // steps of 1000 entries.
  static constexpr std::size_t MaxLength = 2'147'483'000;
  // Throws std::length_error, stating MaxLength, when `length` exceeds it.
  static void CheckLength(std::size_t length);

  TChartValues() = default;
  ~TChartValues() { Release(); }
  TChartValues(const TChartValues&) = delete;
  TChartValues& operator=(const TChartValues&) = delete;

  // The entries the array holds room for.
  std::size_t Length() const { return FLength; }
  TValueForm Form() const { return FForm; }
  // The first entry's address, for telling arrays apart; null for a sequence.
  const void* Identity() const { return FForm == vfSequence ? nullptr : FData; }
  // Whether the values lie in memory the array does not own.
  bool IsView() const { return FViewed != nullptr; }

  double operator[](std::size_t index) const { return FRead(*this, index); }

  // Calls `visit` with the values as TSequenceValues or TArrayValues<E> of the current form, so
  // a loop over them is compiled once per form and chosen once.
  template <class Visitor>
  decltype(auto) Visit(Visitor&& visit) const {
    if (FForm == vfSequence)
      return visit(FSequence);
    return VisitElement(FForm, [&](auto element) { return visit(Typed<decltype(element)>()); });
  }

  // Whether `value` can join the first `count` entries without widening; an insertion before the
  // end continues a sequence only when it leads the one value there. A view holds nothing more:
  // it must become an array of its own first, so no change ever reaches the memory it views.
  bool Holds(std::size_t count, bool append, double value) const {
    if (FViewed)
      return false;
    switch (FForm) {
    case vfSequence:
      return append ? ContinuesSequence(count, value) : count == 1 && LeadsSequence(value);
    case vfInt16:
      return HoldsExactly<std::int16_t>(value);
    case vfInt32:
      return HoldsExactly<std::int32_t>(value);
    default:
      break;
    }
    return true;
  }

  // The narrowest array form that holds the first `count` values and `value`.
  TValueForm WidenedFor(std::size_t count, double value) const;
  // Room for `length` entries in `form`, no narrower than the current one; the first `count`
  // values convert in one pass, and a view is copied into an array of its own. Throws
  // std::bad_alloc (nothing changes then) or std::length_error beyond MaxLength.
  void Reshape(std::size_t length, TValueForm form, std::size_t count);

  // `count` entries of element type `form`, `stride` bytes apart from `first`, which the array
  // keeps alive and never writes. The memory the array had goes back to the system.
  void View(std::shared_ptr<const std::byte> first, TValueForm form, std::size_t stride, std::size_t count);
  // The sequence first, first + step, ... of `count` values, set in one step.
  void SetSequence(double first, double step, std::size_t count);

  // Stores `value`, which Holds, as entry `count` (an append) or at `index` < count, moving the
  // later entries up.
  void Append(std::size_t count, double value) {
    switch (FForm) {
    case vfSequence:
      if (count < 2)
        StartSequence(count, value);
      return;
    case vfInt16:
      static_cast<std::int16_t*>(Entries())[count] = std::int16_t(value);
      return;
    case vfInt32:
      static_cast<std::int32_t*>(Entries())[count] = std::int32_t(value);
      return;
    default:
      break;
    }
    static_cast<double*>(Entries())[count] = value;
  }
  void Insert(std::size_t count, std::size_t index, double value);
  // Appends values as entries count, count + 1, ... for as long as each one Holds and the room
  // lasts; returns how many it took. One loop per form, chosen once.
  std::size_t AppendRun(std::size_t count, std::span<const double> values);
  // Removes entry `index` of `count`; a sequence first needs Reshape unless it is the last value
  // or one of two.
  void Delete(std::size_t count, std::size_t index);
  // Forgets the entries from `count` on and the room beyond `length` (never adding room): a
  // change of values taken back.
  void CutBack(std::size_t count, std::size_t length);

  // Length 0, back to an empty sequence, keeping the pages already mapped: loading the next
  // file of a similar size then reuses them instead of faulting in fresh, zeroed memory. A view
  // is dropped.
  void Empty();
  // Length 0; the memory goes back to the system.
  void Release();

  // The memory the next mapping comes from; only while the array holds none.
  void SetMemory(pages::TPageMemory& memory);

private:
  using TEntryReader = double (*)(const TChartValues&, std::size_t);
  template <class E>
  static double ReadEntry(const TChartValues& values, std::size_t index) {
    return double(values.Typed<E>().At(index));
  }
  static double ReadSequence(const TChartValues& values, std::size_t index) {
    return values.FSequence[index];
  }
  template <class E>
  TArrayValues<E> Typed() const {
    return {static_cast<const std::byte*>(FData), FStride};
  }
  // The form and the one reader of single entries that goes with it.
  void SetForm(TValueForm form);

  // The array's own entries, the only ones ever written.
  void* Entries() const { return FBase + FStagger; }
  static bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  }
  // Whether `sequence` can start a sequence and gives back `second` as its second value.
  static bool StartsWith(const TSequenceValues& sequence, double second) {
    return std::isfinite(sequence.First) && !(sequence.First == 0 && std::signbit(sequence.First)) &&
           std::isfinite(sequence.Step) && SameBits(sequence[1], second);
  }
  bool ContinuesSequence(std::size_t count, double value) const {
    if (count >= 2)
      return SameBits(FSequence[count], value);
    if (count == 0)
      return StartsWith({value, 0}, value);
    return StartsWith({FSequence.First, value - FSequence.First}, value);
  }
  // Whether `value` put before the one value of the sequence starts a sequence through it.
  bool LeadsSequence(double value) const {
    return StartsWith({value, FSequence.First - value}, FSequence.First);
  }
  // The first value sets the start, the second the step.
  void StartSequence(std::size_t count, double value) {
    if (count == 0)
      FSequence = {value, 0};
    else
      FSequence.Step = value - FSequence.First;
  }
  // A sequence of fewer than two values keeps no step (nor a start without values), so its state
  // follows from its values alone, whatever led to them.
  void KeepNoStepBelowTwo(std::size_t count) {
    if (FForm == vfSequence && count < 2)
      FSequence = {count == 0 ? 0 : FSequence.First, 0};
  }
  void EnsureBytes(std::size_t bytes);
  // Moves `count` entries from index `from` to index `to`, overlapping or not.
  void MoveEntries(std::size_t to, std::size_t from, std::size_t count);
  void Convert(TValueForm form, std::size_t count);
  // Copies the viewed values into room of the array's own.
  void TakeOwnCopy(std::size_t length, TValueForm form, std::size_t count);

  pages::TPageMemory* FMemory = &pages::SystemPageMemory();
  char* FBase = nullptr; // start of the mapping; own entries lie FStagger bytes into it
  const void* FData = nullptr;
  // Bytes from one entry to the next.
  std::size_t FStride = 0;
  TEntryReader FRead = &ReadSequence;
  std::shared_ptr<const void> FViewed;
  std::size_t FStagger = 0;
  std::size_t FMappedBytes = 0;
  std::size_t FLength = 0;
  TValueForm FForm = vfSequence;
  TSequenceValues FSequence;
};

} // namespace chart
