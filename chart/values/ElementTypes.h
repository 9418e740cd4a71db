// The element types a value list holds or views, listed once: every loop over values (statistics,
// summaries, drawing, export) is a template instantiated from this list, never a hand-written case
// per type. An element type says how many bytes an entry takes and how they become a value.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

namespace chart {

// The sequence is the one form that is no array; the next three are what a list of its own holds,
// narrowest first (each holds every value of the ones before it); the rest occur only as views of
// memory the list does not own (loaded sound).
enum TValueForm : std::uint8_t {
  vfSequence,
  vfInt16,
  vfInt32,
  vfDouble,
  vfUInt8,
  vfInt24,
  vfALaw,
  vfMuLaw,
  vfFloat32,
  vfFloat64
};

namespace elements {

template <class T>
T Load(const std::byte* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

// ITU G.711: the 8-bit codes expanded to 16-bit linear values.
constexpr std::int16_t ExpandALaw(std::uint8_t code) {
  const int a = code ^ 0x55;
  int t = (a & 0x0F) << 4;
  const int segment = (a & 0x70) >> 4;
  t += segment == 0 ? 8 : 0x108;
  if (segment > 1)
    t <<= segment - 1;
  return std::int16_t((a & 0x80) ? t : -t);
}

constexpr std::int16_t ExpandMuLaw(std::uint8_t code) {
  constexpr int Bias = 0x84;
  const int u = ~code & 0xFF;
  const int t = (((u & 0x0F) << 3) + Bias) << ((u & 0x70) >> 4);
  return std::int16_t((u & 0x80) ? Bias - t : t - Bias);
}

template <std::int16_t (*Expand)(std::uint8_t)>
constexpr std::array<std::int16_t, 256> ExpansionTable() {
  std::array<std::int16_t, 256> table{};
  for (int code = 0; code < 256; ++code)
    table[std::size_t(code)] = Expand(std::uint8_t(code));
  return table;
}

inline constexpr auto ALawTable = ExpansionTable<ExpandALaw>();
inline constexpr auto MuLawTable = ExpansionTable<ExpandMuLaw>();

} // namespace elements

// TValue: what an entry reads as, and what the summary levels keep. SkipsNonFinite: NaN and the
// infinities among the values are gaps, left out of extremes, totals and summaries (decoded
// floating-point sound); a list of its own keeps every value in its statistics.
template <TValueForm TForm, class TValue, std::size_t TBytes, TValueForm TOwnedForm, bool TSkips = false>
struct TElementBase {
  static constexpr TValueForm Form = TForm;
  static constexpr std::size_t Bytes = TBytes;
  // The form of a list of its own that holds every value of this type exactly.
  static constexpr TValueForm OwnedForm = TOwnedForm;
  static constexpr bool SkipsNonFinite = TSkips;
  using Value = TValue;
};

struct TInt16Element : TElementBase<vfInt16, std::int16_t, 2, vfInt16> {
  static Value Read(const std::byte* p) { return elements::Load<std::int16_t>(p); }
};
struct TInt32Element : TElementBase<vfInt32, std::int32_t, 4, vfInt32> {
  static Value Read(const std::byte* p) { return elements::Load<std::int32_t>(p); }
};
struct TDoubleElement : TElementBase<vfDouble, double, 8, vfDouble> {
  static Value Read(const std::byte* p) { return elements::Load<double>(p); }
};
// 8-bit sound is unsigned with 128 for silence.
struct TUInt8Element : TElementBase<vfUInt8, std::int16_t, 1, vfInt16> {
  static Value Read(const std::byte* p) { return Value(std::to_integer<int>(*p) - 128); }
};
// Little-endian, as packed, sign-extended from bit 23.
struct TInt24Element : TElementBase<vfInt24, std::int32_t, 3, vfInt32> {
  static Value Read(const std::byte* p) {
    const auto u = std::uint32_t(std::to_integer<std::uint8_t>(p[0])) |
                   std::uint32_t(std::to_integer<std::uint8_t>(p[1])) << 8 |
                   std::uint32_t(std::to_integer<std::uint8_t>(p[2])) << 16;
    return std::int32_t(u << 8) >> 8;
  }
  // The same in one load of four bytes, for a sample the caller knows another byte follows.
  static Value ReadFollowed(const std::byte* p) {
    return std::int32_t(elements::Load<std::uint32_t>(p) << 8) >> 8;
  }
};
struct TALawElement : TElementBase<vfALaw, std::int16_t, 1, vfInt16> {
  static Value Read(const std::byte* p) { return elements::ALawTable[std::to_integer<std::uint8_t>(*p)]; }
};
struct TMuLawElement : TElementBase<vfMuLaw, std::int16_t, 1, vfInt16> {
  static Value Read(const std::byte* p) { return elements::MuLawTable[std::to_integer<std::uint8_t>(*p)]; }
};
struct TFloat32Element : TElementBase<vfFloat32, float, 4, vfDouble, true> {
  static Value Read(const std::byte* p) { return elements::Load<float>(p); }
};
struct TFloat64Element : TElementBase<vfFloat64, double, 8, vfDouble, true> {
  static Value Read(const std::byte* p) { return elements::Load<double>(p); }
};

template <class... E>
struct TElementList {};

// Every element type, the forms of lists of their own first.
using TElements = TElementList<TInt16Element, TInt32Element, TDoubleElement, TUInt8Element, TInt24Element,
                               TALawElement, TMuLawElement, TFloat32Element, TFloat64Element>;

namespace elements {

template <class Visitor, class... E>
decltype(auto) Dispatch(TValueForm form, Visitor&& visit, TElementList<E...>) {
  using TResult = decltype(visit(TInt16Element{}));
  if constexpr (std::is_void_v<TResult>) {
    (void)((form == E::Form ? (visit(E{}), true) : false) || ...);
  } else {
    TResult result{};
    (void)((form == E::Form ? (result = visit(E{}), true) : false) || ...);
    return result;
  }
}

// TTarget<E...> of the list's types, for declarations: decltype(ApplyList<TTarget>(TElements{})).
template <template <class...> class TTarget, class... E>
TTarget<E...> ApplyList(TElementList<E...>);

// Calls `each` with an instance of every element type.
template <class Each, class... E>
void ForEach(Each&& each, TElementList<E...>) {
  (each(E{}), ...);
}

} // namespace elements

// Calls `visit` with an instance of the element type of `form`, which must not be vfSequence.
template <class Visitor>
decltype(auto) VisitElement(TValueForm form, Visitor&& visit) {
  return elements::Dispatch(form, std::forward<Visitor>(visit), TElements{});
}

// Entry sizes in bytes, 0 for the sequence.
inline std::size_t ElementBytes(TValueForm form) {
  return form == vfSequence ? 0 : VisitElement(form, [](auto e) { return decltype(e)::Bytes; });
}

} // namespace chart
