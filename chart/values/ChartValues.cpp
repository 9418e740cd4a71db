#include "chart/values/ChartValues.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

namespace chart {

namespace {

// Mappings grow in pieces of 2 MiB, so a long list makes few system calls.
constexpr std::size_t MapGranule = std::size_t(2) << 20;

std::size_t RoundUp(std::size_t bytes, std::size_t granule) {
  return (bytes + granule - 1) / granule * granule;
}

TValueForm NarrowestArrayForm(double value) {
  if (HoldsExactly<std::int16_t>(value))
    return vfInt16;
  return HoldsExactly<std::int32_t>(value) ? vfInt32 : vfDouble;
}

// Arrays that all start on a page boundary put entry i of every list at the same address bits
// below 4 KiB. Loading writes entry i of several lists per frame and reads the last X value back,
// and the processor then takes that read for one that must wait on the other lists' stores.
// Starting each array at its own offset within the page keeps loads several times faster.
std::size_t NextStagger() {
  static unsigned next = 0;
  constexpr std::size_t Step = 64 * 5;
  return (next++ % 12) * Step + 64;
}

// Converts `count` values into an array of To at `out`. Writing goes from the end backwards
// through a small buffer: the wider entries then only ever cover narrower ones already read, so
// the array can widen where it lies.
template <class To, class Values>
void WriteWidened(void* out, const Values& values, std::size_t count) {
  constexpr std::size_t Chunk = 1024;
  double buffer[Chunk];
  To* target = static_cast<To*>(out);
  for (std::size_t end = count; end > 0;) {
    const std::size_t begin = end > Chunk ? end - Chunk : 0;
    for (std::size_t i = begin; i < end; ++i)
      buffer[i - begin] = values[i];
    for (std::size_t i = begin; i < end; ++i)
      target[i] = To(buffer[i - begin]);
    end = begin;
  }
}

template <class Values>
void WriteAs(TValueForm form, void* out, const Values& values, std::size_t count) {
  switch (form) {
  case vfSequence:
    break;
  case vfInt16:
    WriteWidened<std::int16_t>(out, values, count);
    break;
  case vfInt32:
    WriteWidened<std::int32_t>(out, values, count);
    break;
  default:
    WriteWidened<double>(out, values, count);
    break;
  }
}

} // namespace

TValueForm TChartValues::WidenedFor(std::size_t count, double value) const {
  TValueForm held = FForm;
  if (FForm != vfSequence) {
    held = VisitElement(FForm, [](auto e) { return decltype(e)::OwnedForm; });
  } else {
    // Integral ends and an integral step make every value between them integral as well.
    const bool integral = count == 0 || std::trunc(FSequence.Step) == FSequence.Step;
    held = vfInt16;
    if (!integral)
      held = vfDouble;
    else if (count > 0)
      held = std::max(NarrowestArrayForm((*this)[0]), NarrowestArrayForm((*this)[count - 1]));
  }
  return std::max(held, NarrowestArrayForm(value));
}

void TChartValues::CheckLength(std::size_t length) {
  if (length > MaxLength)
    throw std::length_error("A value list cannot hold more than " + std::to_string(MaxLength) + " values");
}

void TChartValues::Reshape(std::size_t length, TValueForm form, std::size_t count) {
  CheckLength(length);
  if (FViewed) {
    TakeOwnCopy(length, form, count);
    return;
  }
  if (form != vfSequence)
    EnsureBytes(length * ElementBytes(form));
  if (form != FForm)
    Convert(form, count);
  FLength = length;
}

void TChartValues::EnsureBytes(std::size_t bytes) {
  if (!FBase) {
    const std::size_t stagger = NextStagger();
    const std::size_t mapped = RoundUp(stagger + bytes, MapGranule);
    FBase = static_cast<char*>(FMemory->Map(mapped));
    FMappedBytes = mapped;
    FStagger = stagger;
  } else if (FStagger + bytes > FMappedBytes) {
    // Doubling keeps the number of moves logarithmic; unused address space costs no memory.
    const std::size_t mapped = RoundUp(std::max(FStagger + bytes, FMappedBytes * 2), MapGranule);
    FBase = static_cast<char*>(FMemory->Remap(FBase, FMappedBytes, mapped));
    FMappedBytes = mapped;
  }
  FData = Entries();
}

void TChartValues::Convert(TValueForm form, std::size_t count) {
  Visit([&](const auto& values) { WriteAs(form, Entries(), values, count); });
  SetForm(form);
}

void TChartValues::SetForm(TValueForm form) {
  FForm = form;
  FStride = ElementBytes(form);
  FRead = form == vfSequence
              ? &ReadSequence
              : VisitElement(form, [](auto e) -> TEntryReader { return &ReadEntry<decltype(e)>; });
}

// The copy is made before the view is let go, so a failure leaves the view as it was.
void TChartValues::TakeOwnCopy(std::size_t length, TValueForm form, std::size_t count) {
  Visit([&](const auto& viewed) {
    EnsureBytes(length * ElementBytes(form));
    WriteAs(form, Entries(), viewed, count);
  });
  FViewed.reset();
  SetForm(form);
  FLength = length;
}

void TChartValues::View(std::shared_ptr<const std::byte> first, TValueForm form, std::size_t stride,
                        std::size_t count) {
  Release();
  FData = first.get();
  FViewed = std::move(first);
  SetForm(form);
  FStride = stride;
  FLength = count;
}

void TChartValues::SetSequence(double first, double step, std::size_t count) {
  Release();
  FSequence = {first, step};
  FLength = count;
  KeepNoStepBelowTwo(count);
}

namespace {

template <class T>
std::size_t StoreWhileExact(T* entries, std::span<const double> values) {
  std::size_t taken = 0;
  for (; taken < values.size() && HoldsExactly<T>(values[taken]); ++taken)
    entries[taken] = T(values[taken]);
  return taken;
}

} // namespace

std::size_t TChartValues::AppendRun(std::size_t count, std::span<const double> values) {
  const std::size_t room = FLength > count ? FLength - count : 0;
  values = values.first(std::min(values.size(), room));
  switch (FForm) {
  case vfSequence: {
    std::size_t taken = 0;
    for (; taken < values.size() && ContinuesSequence(count + taken, values[taken]); ++taken)
      if (count + taken < 2)
        StartSequence(count + taken, values[taken]);
    return taken;
  }
  case vfInt16:
    return StoreWhileExact<std::int16_t>(static_cast<std::int16_t*>(Entries()) + count, values);
  case vfInt32:
    return StoreWhileExact<std::int32_t>(static_cast<std::int32_t*>(Entries()) + count, values);
  default:
    break;
  }
  std::copy(values.begin(), values.end(), static_cast<double*>(Entries()) + count);
  return values.size();
}

// A sequence has no entries to move: its element size is 0.
void TChartValues::MoveEntries(std::size_t to, std::size_t from, std::size_t count) {
  const std::size_t size = ElementBytes(FForm);
  if (size != 0)
    std::memmove(static_cast<char*>(Entries()) + to * size, static_cast<char*>(Entries()) + from * size,
                 count * size);
}

void TChartValues::Insert(std::size_t count, std::size_t index, double value) {
  if (FForm == vfSequence) {
    // Holds lets a sequence take an insertion only before its one value.
    FSequence = {value, FSequence.First - value};
    return;
  }
  MoveEntries(index + 1, index, count - index);
  Append(index, value);
}

void TChartValues::Delete(std::size_t count, std::size_t index) {
  if (FForm == vfSequence && index == 0)
    FSequence.First = (*this)[1];
  MoveEntries(index, index + 1, count - index - 1);
  KeepNoStepBelowTwo(count - 1);
}

void TChartValues::CutBack(std::size_t count, std::size_t length) {
  if (!FViewed)
    FLength = std::min(FLength, length);
  KeepNoStepBelowTwo(count);
}

void TChartValues::Empty() {
  FViewed.reset();
  FData = FBase ? Entries() : nullptr;
  FLength = 0;
  SetForm(vfSequence);
  FSequence = {};
}

void TChartValues::Release() {
  if (FBase)
    FMemory->Unmap(FBase, FMappedBytes);
  FBase = nullptr;
  FMappedBytes = 0;
  Empty();
}

void TChartValues::SetMemory(pages::TPageMemory& memory) {
  if (FBase)
    throw std::logic_error("The memory of a value array can only change while it is empty");
  FMemory = &memory;
}

} // namespace chart
