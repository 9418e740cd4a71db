#include "chart/axis/AxisFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace chart;

namespace {

std::string Label(double value, const TLabelSeparators& separators = {}) {
  return FormatFloatPicture("#,##0.###", value, separators);
}

} // namespace

TEST(AxisFormat, LabelPicture) {
  const std::vector<std::pair<double, std::string>> table = {
      {0, "0"},
      {1234.5, "1,234.5"},
      {30000, "30,000"},
      {-30000, "-30,000"},
      {62.5, "62.5"},
      {999, "999"},
      {1000, "1,000"},
      {1234567.891, "1,234,567.891"},
      {0.30000000000000004, "0.3"},
      {0.0005, "0.001"},
      {-0.0005, "-0.001"},
      {-0.0004, "0"},
      {0.0004, "0"},
      {1e-12, "0"},
      {-1e-300, "0"},
      {999.9996, "1,000"},
      {-999.9996, "-1,000"},
      {0.1235, "0.124"},
      {123456789012345.6, "123,456,789,012,346"},
      {999999999999999999.0, "1E18"},
  };
  for (const auto& [value, text] : table)
    EXPECT_EQ(Label(value), text) << value;
}

TEST(AxisFormat, SeparatorsComeFromTheUser) {
  const TLabelSeparators german{".", ","};
  EXPECT_EQ(Label(1234.5, german), "1.234,5");
  const TLabelSeparators french{"\u202f", ","};
  EXPECT_EQ(Label(-1234567.25, french), "-1\u202f234\u202f567,25");
  EXPECT_EQ(LabelSeparators().Thousands, ",");
  EXPECT_EQ(LabelSeparators().Decimal, ".");
}

TEST(AxisFormat, OtherPictures) {
  const TLabelSeparators en;
  EXPECT_EQ(FormatFloatPicture("0.00", 3.14159, en), "3.14");
  EXPECT_EQ(FormatFloatPicture("0.00", 2, en), "2.00");
  EXPECT_EQ(FormatFloatPicture("000", 7, en), "007");
  EXPECT_EQ(FormatFloatPicture("#", 0.4, en), "");
  EXPECT_EQ(FormatFloatPicture("0 Hz", 440.4, en), "440 Hz");
  EXPECT_EQ(FormatFloatPicture("", 0.1, en), "0.1");
  EXPECT_EQ(FormatFloatPicture("#,##0", std::numeric_limits<double>::infinity(), en), "INF");
  EXPECT_EQ(FormatFloatPicture("#,##0", -std::numeric_limits<double>::infinity(), en), "-INF");
  EXPECT_EQ(FormatFloatPicture("#,##0", std::nan(""), en), "NAN");
}

TEST(AxisFormat, GeneralFormatHasFifteenDigits) {
  EXPECT_EQ(GeneralFormat(0), "0");
  EXPECT_EQ(GeneralFormat(-0.0), "0");
  EXPECT_EQ(GeneralFormat(0.1), "0.1");
  EXPECT_EQ(GeneralFormat(-2.5), "-2.5");
  EXPECT_EQ(GeneralFormat(1e20), "1E20");
  EXPECT_EQ(GeneralFormat(1e-5), "1E-5");
  EXPECT_EQ(GeneralFormat(0.30000000000000004), "0.3");
  EXPECT_EQ(GeneralFormat(1000.0000000000001), GeneralFormat(1000));
  EXPECT_NE(GeneralFormat(1000.00000000001), GeneralFormat(1000));
}
