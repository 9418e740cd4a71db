// One list of doubles of a series (its X or its Y values) indexed by point number, kept in a
// chosen order, with statistics for the axes and a min/max summary for drawing. The values are
// stored in the narrowest form that gives every one of them back exactly, or viewed in memory
// the list does not own.
#pragma once

#include "chart/values/ChartValues.h"
#include "chart/values/ValueSummary.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace chart {

enum TChartListOrder { loNone, loAscending, loDescending };

// Values in memory a list does not own: `Count` entries of element type `Form`, `Stride` bytes
// apart from `First`, which keeps that memory alive, with the summary and statistics built from
// them.
struct TValueView {
  std::shared_ptr<const std::byte> First;
  TValueForm Form = vfInt16;
  std::size_t Stride = 2;
  int Count = 0;
  TValueSummary Summary;
  TListStats Stats;
};

class TChartValueList {
public:
  // A full array grows by this many entries.
  static constexpr int ValueCapacityStep = 1000;
  // The most values a list holds, single values and runs alike.
  static constexpr int MaxValueCount = int(TChartValues::MaxLength);
  static_assert(MaxValueCount % ValueCapacityStep == 0);

  explicit TChartValueList(std::string name);
  virtual ~TChartValueList() = default;
  TChartValueList(const TChartValueList&) = delete;
  TChartValueList& operator=(const TChartValueList&) = delete;

  // Called after a property that changes the picture changed, e.g. to have the owner repaint.
  void SetOnChange(std::function<void()> onChange) { FOnChange = std::move(onChange); }
  bool DateTime() const { return FDateTime; }
  void SetDateTime(bool value) { SetAndChange(FDateTime, value); }
  const std::string& Name() const { return FName; }
  void SetName(const std::string& value) { SetAndChange(FName, value); }
  TChartListOrder Order() const { return FOrder; }
  void SetOrder(TChartListOrder value) { SetAndChange(FOrder, value); }
  const std::string& ValueSource() const { return FValueSource; }
  void SetValueSource(const std::string& value) { SetAndChange(FValueSource, value); }

  int ValueCount() const { return FValueCount; }
  // Unchecked: callers index below ValueCount.
  double Value(int index) const { return FValueArray[std::size_t(index)]; }
  TValueForm Form() const { return FValueArray.Form(); }
  // Whether the values are decoded floating-point sound, whose NaN and infinities are gaps that
  // statistics, summaries and drawing leave out; a list of its own keeps every value.
  bool SkipsNonFinite() const {
    return Form() != vfSequence &&
           VisitElement(Form(), [](auto element) { return decltype(element)::SkipsNonFinite; });
  }
  double operator[](int index) const { return Value(index); }
  double First() const { return Value(0); }
  double Last() const { return Value(FValueCount - 1); }
  // The entries the array can hold before it grows again.
  int Capacity() const { return int(FValueArray.Length()); }
  const TChartValues& ValueArray() const { return FValueArray; }
  // The memory the array takes its pages from; only while the list holds no array.
  void SetValueMemory(pages::TPageMemory& memory) { FValueArray.SetMemory(memory); }

  // Views the values, which the list keeps alive and never writes: the first change of a value
  // copies them into an array of the list's own. Their summary and statistics are taken as
  // they are.
  void ViewValues(TValueView view) noexcept;
  // The values first, first + step, ... of `count` points, set in one step.
  void SetSequence(double first, double step, int count) noexcept;
  // While the list still views the values it was given, unchanged, hands back their summary and
  // statistics (to be kept for viewing them again) and empties the list; otherwise false.
  bool TakeBackView(TValueSummary& summary, TListStats& stats) noexcept;

  // The min/max summary of the values, built now when they changed since; without
  // `withExtremes` it only tells the order and finiteness.
  const TValueSummary& Summary(bool withExtremes) const {
    FSummary.Update(FValueArray, FValueCount, FChangeStamp, withExtremes);
    return FSummary;
  }
  // Whether the summary with extremes describes the values as they are, so that reading it
  // costs no pass over them.
  bool HasSummary() const {
    return FSummary.Describes(FValueArray, FValueCount, FChangeStamp) &&
           (FSummary.HasExtremes() || FValueCount == 0);
  }

  double PendingValue() const { return FPendingValue; }
  void SetPendingValue(double value) { FPendingValue = value; }
  // Stores PendingValue where Order puts it (after any equal values); returns its index. Values
  // that arrive in order are appended after one comparison, inline: it runs once per point.
  int InsertPending() {
    if (!PendingGoesLast())
      return InsertPendingInside();
    StoreLast(FPendingValue);
    return FValueCount - 1;
  }
  // Grows the array by one step when it is full and widens its form when `value` does not fit,
  // appended or inserted before the end. Throws std::bad_alloc; the values stay as they are.
  void MakeRoomFor(double value, bool append) {
    const std::size_t count = std::size_t(FValueCount);
    if (FValueArray.Length() <= count || !FValueArray.Holds(count, append, value))
      Reshape(value, append);
  }
  // Appends PendingValue, for which MakeRoomFor(PendingValue(), true) made room.
  void AppendPending() { AppendHeld(FPendingValue); }
  // Appends values that arrive in order, as InsertPending would one at a time, but checking and
  // storing a run at a time: the same room and form result. Throws std::bad_alloc or
  // std::length_error with the values and room as they were.
  void AppendValues(std::span<const double> values);
  // Forgets the values from index `count` on.
  void TruncateTo(int count) { TakeBack(count, Capacity()); }
  // Forgets the values from index `count` on and the room beyond `capacity`: takes back an
  // append that failed or that a paired list could not follow.
  void TakeBack(int count, int capacity);
  // Whether PendingValue goes after the last value without a walk.
  bool PendingGoesLast() const { return FValueCount == 0 || MayFollow(Last(), FPendingValue); }
  // Where InsertPending puts PendingValue.
  int PendingIndex() const;
  // Whether `values`, appended one after the other, keep the list in its order (NaN never does
  // in an ordered list).
  bool AppendKeepsOrder(std::span<const double> values) const;

  virtual int AddOrdered(double value);
  virtual void RemoveAllValues();
  virtual void InsertValueAt(int index, double value);
  virtual void DeleteValueAt(int index);

  // Statistics as of the last change; each reader refreshes them first when stale.
  bool StatsStale() const { return FStatsStale; }
  void RefreshStats() const;
  double ListMinimum() const;
  double ListMaximum() const;
  double ListTotal() const;
  double ListAbsTotal() const;
  double Range() const;

  // Changes with every insertion, deletion and clearing and with every change of form, and
  // differs between lists, so a cache derived from the values (a drawing summary) can tell
  // whether it still describes them.
  std::uint64_t ChangeStamp() const { return FChangeStamp; }

private:
  void StoreLast(double value) {
    MakeRoomFor(value, true);
    AppendHeld(value);
  }
  // Appends a value for which MakeRoomFor made room.
  void AppendHeld(double value) {
    FValueArray.Append(std::size_t(FValueCount), value);
    ++FValueCount;
    ValuesChanged();
  }
  // Whether `value` may stand right after `previous` in the list's order.
  bool MayFollow(double previous, double value) const {
    if (FOrder == loNone)
      return true;
    return FOrder == loAscending ? value >= previous : value <= previous;
  }
  int InsertPendingInside();
  // Throws std::out_of_range unless 0 <= index <= ValueCount.
  void CheckPosition(int index) const;
  void Reshape(double value, bool append);
  // A widening in place keeps the array's address: only the stamp tells a summary that the
  // entries it read are gone, also when the change that needed the room then fails.
  void ReshapeArray(std::size_t length, TValueForm form);
  // An index of ValueCount appends.
  void StoreAt(int index, double value);
  // Stores a different value and reports the change; an equal value changes nothing.
  template <class T>
  void SetAndChange(T& field, const T& value) {
    if (field == value)
      return;
    field = value;
    Changed();
  }
  void Changed();
  void RefreshExtremes() const;

  int FValueCount = 0;
  bool FDateTime = false;
  mutable double FListMaximum = 0;
  mutable double FListMinimum = 0;
  std::string FName;
  TChartListOrder FOrder = loNone;
  std::function<void()> FOnChange;
  double FPendingValue = 0;
  mutable double FListTotal = 0;
  mutable double FListAbsTotal = 0;
  std::string FValueSource;
  mutable bool FStatsStale = true;
  // The smallest and largest values alone may be fresh while the totals are stale.
  mutable bool FExtremesStale = true;
  TChartValues FValueArray;
  std::uint64_t FChangeStamp = 0;
  mutable TValueSummary FSummary;
  // One counter for all lists: a list made anew at a freed list's address never repeats a stamp.
  static inline std::uint64_t LastChangeStamp = 0;

  void ValuesChanged() {
    FStatsStale = true;
    FExtremesStale = true;
    Restamp();
  }
  void Restamp() { FChangeStamp = ++LastChangeStamp; }
};

// Every value list of a series in creation order (X first, then Y, then any further ones);
// the collection owns them.
class TChartValueLists {
public:
  int Count() const { return int(FLists.size()); }
  TChartValueList& operator[](int index) { return *FLists[std::size_t(index)]; }
  const TChartValueList& operator[](int index) const { return *FLists[std::size_t(index)]; }
  TChartValueList& Add(std::unique_ptr<TChartValueList> list);

private:
  std::vector<std::unique_ptr<TChartValueList>> FLists;
};

} // namespace chart
