#include "chart/axis/AxisFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace chart {

namespace {

constexpr int SignificantDigits = 15;
// Beyond this the integer part would need more digits than the value carries.
constexpr double LargestPictureValue = 1e18;

struct TPicture {
  std::string Prefix;
  std::string Suffix;
  int MinIntegerDigits = 0;
  int MinDecimals = 0;
  int MaxDecimals = 0;
  bool Grouping = false;
};

TPicture ParsePicture(const std::string& picture) {
  TPicture result;
  const auto first = picture.find_first_of("#0");
  if (first == std::string::npos) {
    result.Prefix = picture;
    return result;
  }
  const auto last = picture.find_last_of("#0");
  result.Prefix = picture.substr(0, first);
  result.Suffix = picture.substr(last + 1);
  bool decimals = false;
  for (auto i = first; i <= last; ++i) {
    const char c = picture[i];
    if (c == '.') {
      decimals = true;
    } else if (!decimals) {
      result.MinIntegerDigits += c == '0';
      result.Grouping = result.Grouping || c == ',';
    } else if (c == '0' || c == '#') {
      ++result.MaxDecimals;
      if (c == '0')
        result.MinDecimals = result.MaxDecimals;
    }
  }
  return result;
}

// A non-negative decimal number 0.Digits x 10^PointPos.
struct TDecimal {
  std::string Digits;
  int PointPos = 0;
};

TDecimal SignificantDecimal(double magnitude) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*e", SignificantDigits - 1, magnitude);
  TDecimal result;
  result.Digits.push_back(buffer[0]);
  const char* p = buffer + 2;
  for (; *p >= '0' && *p <= '9'; ++p)
    result.Digits.push_back(*p);
  result.PointPos = std::atoi(p + 1) + 1;
  return result;
}

// Rounds half away from zero on the decimal digits, as people round written numbers.
void RoundToDecimals(TDecimal& number, int decimals) {
  const int keep = number.PointPos + decimals;
  if (keep >= int(number.Digits.size()))
    return;
  if (keep < 0) {
    number.Digits.clear();
    return;
  }
  const bool up = number.Digits[std::size_t(keep)] >= '5';
  number.Digits.resize(std::size_t(keep));
  if (!up)
    return;
  int i = keep - 1;
  for (; i >= 0 && number.Digits[std::size_t(i)] == '9'; --i)
    number.Digits[std::size_t(i)] = '0';
  if (i >= 0) {
    ++number.Digits[std::size_t(i)];
  } else {
    number.Digits.insert(number.Digits.begin(), '1');
    ++number.PointPos;
  }
}

std::string GroupThousands(const std::string& digits, const std::string& separator) {
  std::string result;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      result += separator;
    result.push_back(digits[i]);
  }
  return result;
}

std::string IntegerPart(const TDecimal& number, const TPicture& picture) {
  std::string digits;
  for (int i = 0; i < number.PointPos; ++i)
    digits.push_back(i < int(number.Digits.size()) ? number.Digits[std::size_t(i)] : '0');
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (int(digits.size()) < picture.MinIntegerDigits)
    digits.insert(0, std::size_t(picture.MinIntegerDigits) - digits.size(), '0');
  return digits;
}

std::string FractionPart(const TDecimal& number, const TPicture& picture) {
  std::string digits;
  for (int i = number.PointPos; i < int(number.Digits.size()); ++i)
    digits.push_back(i < 0 ? '0' : number.Digits[std::size_t(i)]);
  digits.resize(std::size_t(picture.MaxDecimals), '0');
  while (int(digits.size()) > picture.MinDecimals && digits.back() == '0')
    digits.pop_back();
  return digits;
}

std::string NonFiniteText(double value) { return std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF"; }

} // namespace

TLabelSeparators& LabelSeparators() {
  static TLabelSeparators separators;
  return separators;
}

std::string GeneralFormat(double value) {
  if (!std::isfinite(value))
    return NonFiniteText(value);
  if (value == 0)
    return "0";
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.*G", SignificantDigits, value);
  std::string text = buffer;
  // "1E+20" and "1E-05" read "1E20" and "1E-5".
  const auto e = text.find('E');
  if (e == std::string::npos)
    return text;
  const int exponent = std::atoi(text.c_str() + e + 1);
  return text.substr(0, e + 1) + std::to_string(exponent);
}

std::string FormatFloatPicture(const std::string& picture, double value, const TLabelSeparators& separators) {
  if (!std::isfinite(value))
    return NonFiniteText(value);
  if (picture.empty() || std::fabs(value) >= LargestPictureValue)
    return GeneralFormat(value);
  const TPicture pic = ParsePicture(picture);
  TDecimal number = SignificantDecimal(std::fabs(value));
  RoundToDecimals(number, pic.MaxDecimals);
  std::string integer = IntegerPart(number, pic);
  const std::string fraction = FractionPart(number, pic);
  const bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
  std::string text = pic.Prefix;
  // A value that rounds to zero prints without a sign.
  if (value < 0 && !isZero)
    text += '-';
  text += pic.Grouping ? GroupThousands(integer, separators.Thousands) : integer;
  if (!fraction.empty())
    text += separators.Decimal + fraction;
  return text + pic.Suffix;
}

} // namespace chart
