#include "app/ReadMessages.h"

#include <filesystem>

namespace app {

std::string GroupThousands(std::int64_t value) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  std::string grouped = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0)
      grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string NotEnoughMemoryMessage(std::int64_t bytes, const std::string& FileName) {
  return "Not enough memory to load the " + GroupThousands(bytes) + " bytes of sound data in " +
         std::filesystem::path(FileName).filename().string() + ".";
}

} // namespace app
