#include "app/reader/PlainNumbers.h"

namespace reader {

std::string GroupThousands(std::int64_t value) {
  // Through the unsigned magnitude, which the most negative value has too.
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(magnitude);
  std::string grouped = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string CountOf(std::int64_t Count, const std::string& Noun) {
  return GroupThousands(Count) + " " + Noun + (Count == 1 ? "" : "s");
}

std::string BitsWide(std::uint16_t Bits) { return GroupThousands(Bits) + "-bit "; }

} // namespace reader
