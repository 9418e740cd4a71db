// The compact forms of a value list against a plain list of doubles driven by the same random
// operations, views of loaded frames against lists of their own, and the list's behaviour when a
// widening cannot get its memory.
#include "chart/values/ChartValueList.h"
#include "chart/values/FrameSummary.h"

#include "tests/support/FailingPageMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <type_traits>
#include <vector>

namespace chart {
namespace {

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The value list's rules written out over a vector of doubles.
struct TPlainList {
  TChartListOrder Order = loNone;
  std::vector<double> Values;
  int Capacity = 0;

  void MakeRoom() {
    if (Capacity <= int(Values.size()))
      Capacity += TChartValueList::ValueCapacityStep;
  }
  int AddOrdered(double value) {
    int index = int(Values.size());
    const bool last = Values.empty() || Order == loNone ||
                      (Order == loAscending ? value >= Values.back() : value <= Values.back());
    if (!last) {
      index = int(Values.size()) - 1;
      while (index >= 0 &&
             (Order == loAscending ? Values[std::size_t(index)] > value : Values[std::size_t(index)] < value))
        --index;
      ++index;
    }
    InsertAt(index, value);
    return index;
  }
  void InsertAt(int index, double value) {
    MakeRoom();
    Values.insert(Values.begin() + index, value);
  }
  void Stats(double& minimum, double& maximum, double& total, double& absTotal) const {
    minimum = maximum = total = absTotal = 0;
    if (Values.empty())
      return;
    minimum = maximum = total = Values[0];
    absTotal = std::fabs(Values[0]);
    for (std::size_t i = 1; i < Values.size(); ++i) {
      const double v = Values[i];
      if (!(v >= minimum))
        minimum = v;
      else if (v > maximum)
        maximum = v;
      total += v;
      absTotal += std::fabs(v);
    }
  }
};

// Values that sit on the edges between the forms, runs that continue a sequence, and plain noise.
class TValueSource {
public:
  explicit TValueSource(unsigned seed) : FRandom(seed) {}

  double Next(const TPlainList& plain) {
    static const double edges[] = {32767,        32768,         -32768,        -32769, 2147483648.0,
                                   2147483647.0, -2147483648.0, -2147483649.0, -0.0,   0.0,
                                   std::nan(""), INFINITY,      -INFINITY,     0.5,    1e300};
    const auto& v = plain.Values;
    switch (FRandom() % 8) {
    case 0:
      return edges[FRandom() % std::size(edges)];
    case 1:
      return double(int(FRandom() % 65536) - 32768);
    case 2:
      return double(std::int32_t(FRandom()));
    case 3:
      return std::uniform_real_distribution<double>(-1e6, 1e6)(FRandom);
    default:
      // Continue the last two values as a sequence.
      if (v.size() >= 2)
        return v.back() + (v.back() - v[v.size() - 2]);
      return double(FRandom() % 5);
    }
  }
  unsigned Below(unsigned n) { return unsigned(FRandom() % n); }

private:
  std::mt19937 FRandom;
};

void ExpectSame(const TChartValueList& list, const TPlainList& plain, const std::string& step) {
  ASSERT_EQ(list.ValueCount(), int(plain.Values.size())) << step;
  ASSERT_EQ(list.Capacity(), plain.Capacity) << step;
  for (int i = 0; i < list.ValueCount(); ++i)
    ASSERT_TRUE(SameBits(list.Value(i), plain.Values[std::size_t(i)]))
        << step << ": value " << i << " is " << list.Value(i) << ", not " << plain.Values[std::size_t(i)];
  double minimum = 0, maximum = 0, total = 0, absTotal = 0;
  plain.Stats(minimum, maximum, total, absTotal);
  EXPECT_TRUE(SameBits(list.ListMinimum(), minimum)) << step;
  EXPECT_TRUE(SameBits(list.ListMaximum(), maximum)) << step;
  EXPECT_TRUE(SameBits(list.ListTotal(), total)) << step;
  EXPECT_TRUE(SameBits(list.ListAbsTotal(), absTotal)) << step;
}

// A run of values that may follow the list's last value in its order: a stretch of a sequence
// that continues the list, or source values put in order; at least one value.
std::vector<double> OrderedRun(TValueSource& source, const TPlainList& plain) {
  const std::size_t length = 1 + source.Below(2500);
  std::vector<double> run;
  const auto& v = plain.Values;
  if (source.Below(2) && v.size() >= 2 && std::isfinite(v.back() - v[v.size() - 2])) {
    TSequenceValues sequence{v[v.size() - 2], v.back() - v[v.size() - 2]};
    for (std::size_t i = 0; i < length; ++i)
      run.push_back(sequence[i + 2]);
  } else {
    for (std::size_t i = 0; i < length; ++i)
      run.push_back(source.Next(plain));
  }
  if (plain.Order == loNone)
    return run;
  std::erase_if(run, [](double value) { return std::isnan(value); });
  const bool ascending = plain.Order == loAscending;
  if (ascending)
    std::sort(run.begin(), run.end());
  else
    std::sort(run.begin(), run.end(), std::greater<>());
  if (!v.empty())
    std::erase_if(run, [&](double value) { return ascending ? value < v.back() : value > v.back(); });
  if (run.empty())
    run.push_back(v.empty() ? 0 : v.back());
  return run;
}

void RunDifferential(TChartListOrder order, unsigned seed) {
  TValueSource source(seed);
  TChartValueList list("V");
  list.SetOrder(order);
  TPlainList plain;
  plain.Order = order;
  std::uint64_t stamp = list.ChangeStamp();
  bool sawForm[4] = {};
  for (int step = 0; step < 4000; ++step) {
    const double value = source.Next(plain);
    const int count = int(plain.Values.size());
    const unsigned what = source.Below(100);
    std::string name;
    if (what < 70 || count == 0) {
      name = "add " + std::to_string(value);
      ASSERT_EQ(list.AddOrdered(value), plain.AddOrdered(value)) << name;
    } else if (what < 85) {
      const int index = int(source.Below(unsigned(count) + 1));
      name = "insert " + std::to_string(value) + " at " + std::to_string(index);
      list.InsertValueAt(index, value);
      plain.InsertAt(index, value);
    } else if (what < 99) {
      const int index = source.Below(2) ? count - 1 : int(source.Below(unsigned(count)));
      name = "delete at " + std::to_string(index);
      list.DeleteValueAt(index);
      plain.Values.erase(plain.Values.begin() + index);
    } else {
      name = "clear";
      list.RemoveAllValues();
      plain.Values.clear();
      plain.Capacity = 0;
    }
    sawForm[list.Form()] = true;
    ASSERT_GT(list.ChangeStamp(), stamp) << name;
    stamp = list.ChangeStamp();
    ExpectSame(list, plain, "step " + std::to_string(step) + ", " + name);
    if (::testing::Test::HasFailure())
      return;
  }
  for (int form = vfSequence; form <= vfDouble; ++form)
    EXPECT_TRUE(sawForm[form]) << "form " << form << " never reached";
}

TEST(ValueForms, EveryOperationMatchesAPlainListOfDoubles) {
  for (unsigned seed = 1; seed <= 12; ++seed)
    for (TChartListOrder order : {loNone, loAscending, loDescending}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", order " + std::to_string(order));
      RunDifferential(order, seed);
      if (HasFailure())
        return;
    }
}

// Runs must leave the very values, form and capacity that adding their values one by one does,
// also when a run breaks a sequence, widens the form or crosses a capacity step half way.
TEST(ValueForms, RunsAppendAsSingleValuesWould) {
  for (unsigned seed = 1; seed <= 6; ++seed)
    for (TChartListOrder order : {loNone, loAscending, loDescending}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", order " + std::to_string(order));
      TValueSource source(seed);
      TChartValueList list("V");
      list.SetOrder(order);
      TPlainList plain;
      plain.Order = order;
      for (int step = 0; step < 40; ++step) {
        const std::vector<double> run = OrderedRun(source, plain);
        const std::uint64_t stamp = list.ChangeStamp();
        list.AppendValues(run);
        for (double v : run)
          plain.AddOrdered(v);
        ASSERT_GT(list.ChangeStamp(), stamp);
        ExpectSame(list, plain, "run " + std::to_string(step) + " from " + std::to_string(run.front()));
        if (source.Below(4) == 0) {
          list.DeleteValueAt(list.ValueCount() - 1);
          plain.Values.pop_back();
        }
        if (HasFailure())
          return;
      }
    }
}

TEST(ValueForms, EachValueKeepsTheNarrowestFormThatHoldsItExactly) {
  struct TCase {
    std::vector<double> Values;
    TValueForm Form;
  };
  const TCase cases[] = {
      {{}, vfSequence},
      {{1, 2, 3, 4}, vfSequence},
      {{-32768, 0, 32767}, vfInt16},
      {{5, 5, 5}, vfSequence},
      {{0.5, 1, 1.5}, vfSequence},
      {{0.25}, vfSequence},
      {{-0.0}, vfDouble},
      {{1, 2, 4}, vfInt16},
      {{1, 2, 32768}, vfInt32},
      {{1, 2, -32769}, vfInt32},
      {{1, 2, 4, 2147483647}, vfInt32},
      {{1, 2, 4, 2147483648.0}, vfDouble},
      {{1, 2, 4, -0.0}, vfDouble},
      {{1, 2, 4, std::nan("")}, vfDouble},
      {{1, 2, INFINITY}, vfDouble},
      {{0.5, 1, 4}, vfDouble},
      // A sequence of integers past 16 bits widens straight to 32.
      {{40000, 40001, 40003}, vfInt32},
      {{std::nan("")}, vfDouble},
  };
  for (const TCase& c : cases) {
    TChartValueList list("V");
    for (double v : c.Values)
      list.AddOrdered(v);
    EXPECT_EQ(list.Form(), c.Form) << ::testing::PrintToString(c.Values);
    for (int i = 0; i < list.ValueCount(); ++i)
      EXPECT_TRUE(SameBits(list.Value(i), c.Values[std::size_t(i)])) << ::testing::PrintToString(c.Values);
  }
}

// Long sequences and 16-bit lists take shortcuts through their statistics; the results must be
// the doubles of the plain pass, rounding included.
TEST(ValueForms, StatisticsOfLongListsMatchThePlainPass) {
  struct TCase {
    double First, Step;
    int Count;
  };
  for (const TCase& c : {TCase{1, 1, 3'000'000}, TCase{-5, -3, 2'000'000}, TCase{-1e9, 700, 3'000'000},
                         TCase{2147483000.0, 1, 1000}, TCase{3e9, 1e6, 100'000}, TCase{0.5, 0.25, 10'000},
                         TCase{-70000, 0.0, 5000}}) {
    TChartValueList sequence("X");
    TChartValueList noisy("Y");
    TPlainList plainSequence, plainNoisy;
    for (int i = 0; i < c.Count; ++i) {
      const double v = c.First + c.Step * i;
      sequence.AddOrdered(v);
      plainSequence.Values.push_back(v);
      const double n = double(std::int64_t(i) * 7919 % 65536 - 32768);
      noisy.AddOrdered(n);
      plainNoisy.Values.push_back(n);
    }
    SCOPED_TRACE(std::to_string(c.First) + " step " + std::to_string(c.Step));
    EXPECT_EQ(sequence.Form(), vfSequence);
    EXPECT_EQ(noisy.Form(), vfInt16);
    plainSequence.Capacity = sequence.Capacity();
    plainNoisy.Capacity = noisy.Capacity();
    ExpectSame(sequence, plainSequence, "sequence");
    ExpectSame(noisy, plainNoisy, "16-bit values");
  }
}

TEST(ValueForms, DeletingInsideASequenceStoresTheRest) {
  TChartValueList list("X");
  for (double v : {10, 20, 30, 40})
    list.AddOrdered(v);
  list.DeleteValueAt(3);
  EXPECT_EQ(list.Form(), vfSequence);
  list.DeleteValueAt(0);
  EXPECT_EQ(list.Form(), vfInt16);
  EXPECT_EQ(list.Value(0), 20);
  EXPECT_EQ(list.Value(1), 30);
  list.InsertValueAt(1, 25);
  EXPECT_EQ(list.Value(1), 25);
  EXPECT_EQ(list.Last(), 30);
}

// A list cut down below two values keeps no step of the sequence it was, so what comes next lands
// as in a list built from its values directly: the same form, sequence and statistics.
TEST(ValueForms, AListBelowTwoValuesIsTheListOfItsValues) {
  struct TCase {
    const char* Name;
    std::function<void(TChartValueList&)> Edit;
    std::vector<double> Values;
  };
  const auto halves = [](TChartValueList& list) {
    list.AddOrdered(0);
    list.AddOrdered(0.5);
  };
  const TCase cases[] = {
      {"cut to one, 3 put before",
       [&](TChartValueList& l) {
         halves(l);
         l.TruncateTo(1);
         l.InsertValueAt(0, 3);
       },
       {3, 0}},
      {"last deleted, 3 put before",
       [&](TChartValueList& l) {
         halves(l);
         l.DeleteValueAt(1);
         l.InsertValueAt(0, 3);
       },
       {3, 0}},
      {"first of two deleted, 1 added",
       [&](TChartValueList& l) {
         halves(l);
         l.DeleteValueAt(0);
         l.AddOrdered(1);
       },
       {0.5, 1}},
      {"cut to none, 7 and 8 added",
       [&](TChartValueList& l) {
         halves(l);
         l.TruncateTo(0);
         l.AddOrdered(7);
         l.AddOrdered(8);
       },
       {7, 8}},
      {"set as one value, 3 put before",
       [](TChartValueList& l) {
         l.SetSequence(5, 0.5, 1);
         l.InsertValueAt(0, 3);
       },
       {3, 5}},
      {"set as one value, 6 added",
       [](TChartValueList& l) {
         l.SetSequence(5, 0.5, 1);
         l.AddOrdered(6);
       },
       {5, 6}},
  };
  const auto sequence = [](const TChartValueList& list) {
    return list.ValueArray().Visit([](const auto& values) {
      if constexpr (std::is_same_v<std::decay_t<decltype(values)>, TSequenceValues>)
        return std::vector<double>{values.First, values.Step};
      else
        return std::vector<double>{};
    });
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TChartValueList edited("V");
    c.Edit(edited);
    TChartValueList built("V");
    TPlainList plain;
    for (double v : c.Values) {
      built.AddOrdered(v);
      plain.AddOrdered(v);
    }
    plain.Capacity = edited.Capacity();
    EXPECT_EQ(edited.Form(), built.Form());
    EXPECT_EQ(sequence(edited), sequence(built));
    ExpectSame(edited, plain, c.Name);
  }
}

// A widening that cannot get its memory leaves values, form, capacity and stamp as they were.
TEST(ValueForms, AFailedWideningChangesNothing) {
  pages::test::TFailingPageMemory memory;
  TChartValueList list("Y");
  list.SetValueMemory(memory);
  for (double v : {1, 2, 3})
    list.AddOrdered(v);
  const std::uint64_t stamp = list.ChangeStamp();
  memory.FailCommits = true;
  EXPECT_THROW(list.AddOrdered(7), std::bad_alloc);
  EXPECT_EQ(list.Form(), vfSequence);
  EXPECT_EQ(list.ValueCount(), 3);
  EXPECT_EQ(list.Last(), 3);
  EXPECT_EQ(list.ChangeStamp(), stamp);

  // 16-bit values that fill most of the first mapping: as doubles they need a longer one.
  memory.FailCommits = false;
  const int count = 400'000;
  for (int i = 3; i < count; ++i)
    list.AddOrdered(i % 1000 - 500);
  ASSERT_EQ(list.Form(), vfInt16);
  const int capacity = list.Capacity();
  const double total = list.ListTotal();
  memory.FailCommits = true;
  EXPECT_THROW(list.AddOrdered(0.5), std::bad_alloc);
  EXPECT_THROW(list.InsertValueAt(5, 1e12), std::bad_alloc);
  EXPECT_EQ(list.Form(), vfInt16);
  EXPECT_EQ(list.ValueCount(), count);
  EXPECT_EQ(list.Capacity(), capacity);
  EXPECT_EQ(list.ListTotal(), total);

  // A run that needs the wider form half way keeps none of its values.
  const std::vector<double> run = {1, 2, 0.5, 3};
  EXPECT_THROW(list.AppendValues(run), std::bad_alloc);
  EXPECT_EQ(list.ValueCount(), count);
  EXPECT_EQ(list.Last(), double((count - 1) % 1000 - 500));
  EXPECT_EQ(list.ListTotal(), total);
  EXPECT_THROW(list.TruncateTo(count + 1), std::out_of_range);

  memory.FailCommits = false;
  list.AddOrdered(0.5);
  EXPECT_EQ(list.Form(), vfDouble);
  EXPECT_EQ(list.ListTotal(), total + 0.5);
  EXPECT_EQ(list.Value(1000), double(1000 % 1000 - 500));
}

// Frames as a load leaves them: channel 0 noise or a ramp, channel 1 its mirror.
const std::byte* Bytes(const std::vector<std::int16_t>& frames) {
  return reinterpret_cast<const std::byte*>(frames.data());
}

std::shared_ptr<const std::byte> Shared(const std::shared_ptr<const std::vector<std::int16_t>>& frames) {
  return {frames, Bytes(*frames)};
}

std::vector<std::int16_t> Frames(int count, bool ramp) {
  std::vector<std::int16_t> frames;
  for (int i = 0; i < count; ++i) {
    const auto v = std::int16_t(ramp ? i / 3 - 20000 : std::int64_t(i) * 7919 % 65536 - 32768);
    frames.push_back(v);
    frames.push_back(std::int16_t(-1 - v));
  }
  return frames;
}

// A list that views one channel of the frames with the load's summary reads every value,
// statistic and summary range as a list of its own holding them; the first change of a value
// copies, leaving the frames as they were.
TEST(ValueForms, ViewedFramesReadAsAListOfTheirOwn) {
  std::mt19937 random(7);
  for (const int count : {0, 1, 63, 64, 65, 1000, 64 * 16 * 17 + 5, 300'000}) {
    for (const bool ramp : {false, true}) {
      const auto frames = std::make_shared<const std::vector<std::int16_t>>(Frames(count, ramp));
      auto summaries = SummariseRecords({}, Bytes(*frames), count);
      for (std::size_t channel = 0; channel < 2; ++channel) {
        SCOPED_TRACE(std::to_string(count) + (ramp ? " ramp" : " noise") + ", channel " +
                     std::to_string(channel));
        TChartValueList viewed("Y");
        viewed.ViewValues(LaneView(Shared(frames), {}, channel, count, std::move(summaries[channel])));
        TChartValueList own("Y");
        TPlainList plain;
        for (int i = 0; i < count; ++i) {
          own.AddOrdered((*frames)[2 * std::size_t(i) + channel]);
          plain.Values.push_back((*frames)[2 * std::size_t(i) + channel]);
        }
        plain.Capacity = count;
        EXPECT_EQ(viewed.ValueArray().IsView(), count > 0);
        EXPECT_EQ(viewed.HasSummary(), count > 0);
        EXPECT_EQ(viewed.Form(), count > 0 ? vfInt16 : vfSequence);
        ExpectSame(viewed, plain, "viewed");
        EXPECT_FALSE(viewed.StatsStale());
        const TValueSummary& a = viewed.Summary(true);
        const TValueSummary& b = own.Summary(true);
        EXPECT_EQ(a.Ascending(), b.Ascending());
        EXPECT_TRUE(a.AllFinite());
        for (int trial = 0; trial < 200 && count > 0; ++trial) {
          const int first = int(random() % unsigned(count));
          const int last = first + int(random() % unsigned(count - first));
          double lowA = 0, highA = 0, lowB = 0, highB = 0;
          a.MinMax(first, last, lowA, highA);
          b.MinMax(first, last, lowB, highB);
          ASSERT_EQ(lowA, lowB) << first << ".." << last;
          ASSERT_EQ(highA, highB) << first << ".." << last;
        }
        if (count < 2)
          continue;
        const std::vector<std::int16_t> before = *frames;
        viewed.InsertValueAt(1, 0.5);
        plain.InsertAt(1, 0.5);
        plain.Capacity = count + TChartValueList::ValueCapacityStep;
        EXPECT_FALSE(viewed.ValueArray().IsView());
        ExpectSame(viewed, plain, "after the first change");
        viewed.DeleteValueAt(0);
        EXPECT_EQ(viewed.Value(0), 0.5);
        EXPECT_EQ(*frames, before);
      }
    }
  }
}

// Raw entries of element type E for `count` records of three lanes, lane 1 the one viewed; floats
// are finite here, whole numbers as often as not.
template <class E>
std::vector<std::byte> RecordsOf(int count, std::mt19937& random) {
  constexpr std::size_t Record = 3 * E::Bytes;
  std::vector<std::byte> bytes(std::size_t(count) * Record);
  for (std::byte& b : bytes)
    b = std::byte(random() & 0xFF);
  if constexpr (std::is_floating_point_v<typename E::Value>) {
    std::uniform_real_distribution<typename E::Value> values(-3, 3);
    for (int i = 0; i < count; ++i) {
      const auto v = i % 2 ? std::round(values(random) * 1000) : values(random);
      std::memcpy(bytes.data() + std::size_t(i) * Record + E::Bytes, &v, sizeof v);
    }
  }
  return bytes;
}

// A list viewing one lane of records of any element type reads every value, statistic and summary
// range bit for bit as a list of its own holding the decoded values; the first change copies.
TEST(ValueForms, ViewsOfEveryElementTypeReadAsListsOfTheirOwn) {
  std::mt19937 random(11);
  elements::ForEach(
      [&](auto element) {
        using E = decltype(element);
        // Doubles are what lists of their own hold, never loaded sound.
        if constexpr (E::Form == vfDouble)
          return;
        for (const int count : {1, 64, 1000 + 17, 64 * 16 * 17 + 5}) {
          SCOPED_TRACE("form " + std::to_string(int(E::Form)) + ", " + std::to_string(count) + " values");
          const auto records = std::make_shared<const std::vector<std::byte>>(RecordsOf<E>(count, random));
          const TRecordLayout layout{E::Form, 3 * E::Bytes, {0, E::Bytes, 2 * E::Bytes}};
          auto summaries = SummariseRecords(layout, records->data(), count);
          TChartValueList viewed("Y");
          viewed.ViewValues(LaneView({records, records->data()}, layout, 1, count, std::move(summaries[1])));
          TChartValueList own("Y");
          TPlainList plain;
          for (int i = 0; i < count; ++i) {
            const double v =
                double(E::Read(records->data() + std::size_t(i) * layout.RecordBytes + E::Bytes));
            own.AddOrdered(v);
            plain.Values.push_back(v);
          }
          plain.Capacity = count;
          EXPECT_EQ(viewed.Form(), E::Form);
          ExpectSame(viewed, plain, "viewed");
          for (int trial = 0; trial < 100; ++trial) {
            const int first = int(random() % unsigned(count));
            const int last = first + int(random() % unsigned(count - first));
            double lowA = 0, highA = 0, lowB = 0, highB = 0;
            viewed.Summary(true).MinMax(first, last, lowA, highA);
            own.Summary(true).MinMax(first, last, lowB, highB);
            ASSERT_TRUE(SameBits(lowA, lowB) && SameBits(highA, highB)) << first << ".." << last;
          }
          viewed.InsertValueAt(0, 0.25);
          EXPECT_FALSE(viewed.ValueArray().IsView());
          EXPECT_EQ(viewed.Form(), vfDouble);
          EXPECT_EQ(viewed.Value(count), plain.Values.back());
        }
      },
      TElements{});
}

// Decoded floating-point sound leaves NaN and the infinities out of its statistics and summary
// and says where they are; a list of its own holding the same values keeps them.
TEST(ValueForms, DecodedFloatsSkipNonFiniteSamples) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const std::vector<float> samples = {nan, 2, -inf, -0.0f, 0.0f, 5, inf, -3, nan};
  const auto records = std::make_shared<const std::vector<float>>(samples);
  const std::shared_ptr<const std::byte> bytes(records, reinterpret_cast<const std::byte*>(records->data()));
  const TRecordLayout layout{vfFloat32, 4, {0}};
  auto summaries = SummariseRecords(layout, bytes.get(), int(samples.size()));
  EXPECT_EQ(summaries[0].Summary.Skipped().Count, 4);
  EXPECT_EQ(summaries[0].Summary.Skipped().Indexes, (std::vector<int>{0, 2, 6, 8}));
  TChartValueList list("Y");
  list.ViewValues(LaneView(bytes, layout, 0, int(samples.size()), std::move(summaries[0])));
  EXPECT_EQ(list.ListMinimum(), -3);
  EXPECT_EQ(list.ListMaximum(), 5);
  EXPECT_EQ(list.ListTotal(), 4);
  EXPECT_EQ(list.ListAbsTotal(), 10);
  double low = 0, high = 0;
  list.Summary(true).MinMax(3, 4, low, high);
  EXPECT_TRUE(SameBits(low, -0.0) && SameBits(high, -0.0)) << "the first of equal values counts";
  list.Summary(true).MinMax(6, 6, low, high);
  EXPECT_GT(low, high) << "a range of skipped values only is empty";
  list.InsertValueAt(0, 1);
  EXPECT_TRUE(std::isnan(list.ListMinimum())) << "a list of its own keeps NaN in its statistics";
}

// Blocks of any length, arriving one after the other (a read that stops short included), give the
// summaries of the frames summarised in one go.
TEST(ValueForms, FramesSummarisedAsTheyArriveMatchOneGo) {
  const int count = 64 * 100 + 17;
  const std::vector<std::int16_t> frames = Frames(count, false);
  for (const int shortBy : {0, 1, 64, 3000}) {
    const int arrived = count - shortBy;
    auto whole = SummariseRecords({}, Bytes(frames), arrived);
    TRecordSummary blocks({}, count);
    for (const int upTo : {0, 100, 1000, 64 * 17 + 3, 64 * 17 + 3, 5000, arrived})
      blocks.Arrived(0, Bytes(frames), 0, std::min(upTo, arrived));
    auto built = blocks.Finish(Bytes(frames), arrived);
    for (std::size_t c = 0; c < 2; ++c) {
      SCOPED_TRACE("short by " + std::to_string(shortBy) + ", channel " + std::to_string(c));
      EXPECT_TRUE(SameBits(built[c].Stats.Total, whole[c].Stats.Total));
      EXPECT_TRUE(SameBits(built[c].Stats.AbsTotal, whole[c].Stats.AbsTotal));
      EXPECT_EQ(built[c].Stats.Minimum, whole[c].Stats.Minimum);
      EXPECT_EQ(built[c].Stats.Maximum, whole[c].Stats.Maximum);
      EXPECT_EQ(built[c].Summary.Ascending(), whole[c].Summary.Ascending());
      for (int first = 0; first < arrived; first += 997) {
        double lowA = 0, highA = 0, lowB = 0, highB = 0;
        built[c].Summary.MinMax(first, arrived - 1, lowA, highA);
        whole[c].Summary.MinMax(first, arrived - 1, lowB, highB);
        ASSERT_EQ(lowA, lowB) << first;
        ASSERT_EQ(highA, highB) << first;
      }
    }
  }
}

// A change that moves no values keeps the view; clearing lets the frames go.
TEST(ValueForms, OnlyAChangedValueEndsAView) {
  auto frames = std::make_shared<const std::vector<std::int16_t>>(Frames(5000, false));
  const std::weak_ptr<const std::vector<std::int16_t>> watch = frames;
  auto summaries = SummariseRecords({}, Bytes(*frames), 5000);
  TChartValueList list("Y");
  list.ViewValues(LaneView(Shared(frames), {}, 1, 5000, std::move(summaries[1])));
  frames.reset();
  list.SetOrder(loAscending);
  list.SetOrder(loNone);
  EXPECT_TRUE(list.ValueArray().IsView());
  EXPECT_FALSE(watch.expired());
  list.RemoveAllValues();
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(list.ValueCount(), 0);
  list.AddOrdered(3);
  EXPECT_EQ(list.Value(0), 3);

  // Memory for the copy that cannot be had leaves the view as it was.
  frames = std::make_shared<const std::vector<std::int16_t>>(Frames(5000, false));
  summaries = SummariseRecords({}, Bytes(*frames), 5000);
  pages::test::TFailingPageMemory memory;
  TChartValueList failing("Y");
  failing.SetValueMemory(memory);
  failing.ViewValues(LaneView(Shared(frames), {}, 0, 5000, std::move(summaries[0])));
  const std::uint64_t stamp = failing.ChangeStamp();
  memory.FailCommits = true;
  EXPECT_THROW(failing.AddOrdered(1), std::bad_alloc);
  EXPECT_THROW(failing.DeleteValueAt(0), std::bad_alloc);
  EXPECT_TRUE(failing.ValueArray().IsView());
  EXPECT_EQ(failing.ValueCount(), 5000);
  EXPECT_EQ(failing.ChangeStamp(), stamp);
  EXPECT_TRUE(failing.HasSummary());
}

} // namespace
} // namespace chart
